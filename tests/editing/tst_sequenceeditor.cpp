#include "EditorRig.h"
#include "editing/ColourQuestion.h"

using E = SequenceEditor;
using Transform = std::function<void(SequenceEditor&, Press)>;

namespace {

// The records a row of expectations names, "r:line …".
QString recordsNamed(const SequenceEditor& e, const QString& expected) {
    QList<int> which;
    for (const QString& r : expected.split(u' ', Qt::SkipEmptyParts))
        which << r.section(u':', 0, 0).toInt();
    return records(e, which);
}

// Record 0 holds `record` (a code, then lamps); the grid shows `grid`, whose lit lamps the
// record lights too; "En cours" says 7; nothing unsaved.
void compose(SequenceEditor& e, const QString& grid, const QString& record) {
    e.replaceSequence(Sequence::loaded(QList<Frame>{frame(record)}));
    e.clearFrame();
    paint(e, grid);
    e.setCurrentEntry(7);
    e.markSaved();
}

// Records 0..4 lighting lamp k with code k + 1, every lamp lit from record 5 on, as a file
// leaves them.
void fiveRecords(SequenceEditor& e) {
    QList<Frame> file;
    for (int k = 0; k < 5; ++k)
        file << alone(k, k + 1);
    e.replaceSequence(Sequence::loaded(file));
}

// k for a record lighting lamp k alone with code k + 1, -1 for an empty one, -2 otherwise.
int signature(const Frame& f) {
    const int k = f.code - 1;
    return f == alone(k < Frame::LampCount ? k : -1, f.code) ? k : f == Frame{} ? -1 : -2;
}

} // namespace

class TstSequenceEditor : public QObject {
    Q_OBJECT
private slots:
    // Recording at the end extends the sequence, the working record inheriting the code and
    // the frame staying on the grid; inside, it overwrites and shows the next record; never
    // past record 250. Showing lights only 1, writes the other values back as 0 and keeps the
    // file's code while holding the multiplier within the buttons.
    void editing_data() {
        QTest::addColumn<Action>("action");
        QTest::addColumn<QString>("after");
        QTest::addColumn<QString>("stored");
        const auto row = [](const char* name, const Action& a, const char* v, const char* r = "") {
            QTest::newRow(name) << a << QString::fromUtf8(v) << QString::fromUtf8(r);
        };
        row(
            "start", [](E&) {}, "0 0 0 0 00000000 N 1 1 0.02", "0:100000000");
        row(
            "lamps write through", [](E& e) { paint(e, "10000001"); },
            "0 0 0 0 10000001 M 1 1 0.02", "0:110000001");
        row(
            "no such lamp", [](E& e) { e.toggleLamp(-1), e.toggleLamp(8); },
            "0 0 0 0 00000000 N 1 1 0.02");
        row(
            "clear: the grid only", [](E& e) { paint(e, "11000000"), e.clearFrame(); },
            "0 0 0 0 00000000 M 1 1 0.02", "0:111000000");
        row(
            "record at the end", [](E& e) { recordSome(e, 5); }, "5 5 0 5 00001000 M 1 1 0.02",
            "0:210000000 1:201000000 2:200100000 3:200010000 4:200001000 5:200000000");
        row(
            "record inside",
            [](E& e) { recordSome(e, 5), e.showRecord(2), paint(e, "11111111"), e.recordFrame(); },
            "3 3 0 5 00010000 M 1 1 0.02", "2:211111111");
        // Over the last record made: the working record is shown with the code it inherits,
        // and a record made without a code is given the first one.
        row(
            "no code inherited",
            [](E& e) {
                e.replaceSequence(Sequence::loaded(QList<Frame>{alone(0), alone(1, 0)}));
                e.showRecord(1), e.recordFrame();
            },
            "2 2 0 2 11111111 M -1 -1 0", "1:101000000 2:011111111");
        const char* at250 = "250 250 0 250 10101010 M 5 5 0.2";
        const char* stored250 = "249:201000000 250:210101010 251:000000000";
        row(
            "at 250",
            [](E& e) {
                recordSome(e, 250), e.chooseMultiplier(5), paint(e, "10101010");
                e.recordFrame(), e.recordFrame();
            },
            at250, stored250);
        row(
            "beyond 250",
            [](E& e) {
                recordSome(e, 250), e.setLength(300), e.showRecord(260), e.chooseMultiplier(5);
                paint(e, "10101010"), e.recordFrame(), e.recordFrame();
            },
            at250, stored250);
        row(
            "- down to 0 and no further",
            [](E& e) { recordSome(e, 2), e.showPreviousRecord(), e.showPreviousRecord(); },
            "0 0 0 2 10000000 M 1 1 0.02");
        for (const char* c : {"0 -1 -1 0", "1 0 0 0.01", "6 5 5 0.2", "7 5 5 0.2"}) {
            const QString code = QString::fromLatin1(c).left(1);
            row(
                c,
                [code](E& e) {
                    e.replaceSequence(
                        Sequence::loaded(QList<Frame>{frame(code + u"12000300"_s), alone(1)}));
                },
                qPrintable(u"0 0 0 2 10000000 N "_s + (c + 2)),
                qPrintable(u"0:"_s + code + u"10000000"_s));
        }
        row(
            "showing where it stands",
            [](E& e) { recordSome(e, 4), e.showRecord(1), e.clearFrame(), e.showRecord(1); },
            "1 1 0 4 00000000 M 1 1 0.02");
        row(
            "count below the record shown",
            [](E& e) { recordSome(e, 4), e.showRecord(3), e.setLength(2); },
            "2 2 0 2 00100000 M 1 1 0.02");
        row(
            "past the store", [](E& e) { recordSome(e, 4), e.setLength(5000), e.showRecord(5000); },
            "1024 1024 0 1024 00000000 M -1 -1 0");
        row(
            "fields held at the count",
            [](E& e) {
                e.setLength(10), e.setStartAddress(12), e.checkStartAddress();
                e.setCurrentEntry(11), e.checkCurrentEntry();
            },
            "0 10 10 10 00000000 M 1 1 0.02");
        row(
            "fields within the count",
            [](E& e) {
                e.setLength(10), e.setStartAddress(9), e.checkStartAddress();
                e.setCurrentEntry(10), e.checkCurrentEntry();
            },
            "0 10 9 10 00000000 M 1 1 0.02");
        row(
            "0.35 x15", [](E& e) { e.chooseBasePeriod(8), e.chooseMultiplier(4); },
            "0 0 0 0 00000000 N 4 4 5.25");
        row(
            "a multiplier without a button",
            [](E& e) { e.setMultiplierIndex(8), e.chooseMultiplier(6); },
            "0 0 0 0 00000000 N 8 -1 0");
    }
    void editing() {
        QFETCH(Action, action);
        EditorRig rig;
        action(rig.editor);
        QTEST(view(rig.editor), "after");
        QFETCH(QString, stored);
        QCOMPARE(recordsNamed(rig.editor, stored), stored);
    }

    // Each row: grid and record 0 before, then after a left and after a middle press: the
    // grid, the record, unsaved changes and "En cours".
    void transforms_data() {
        QTest::addColumn<Transform>("transform");
        QTest::addColumn<QStringList>("cas");
        const auto row = [](const char* name, const Transform& t, const char* cas) {
            QTest::newRow(name) << t << QString::fromLatin1(cas).split(u'|');
        };
        row(
            "mirror left", [](E& e, Press p) { e.mirror(Side::Left, p); },
            "00000011 300110011|11000011 300110011 M 7|00000011 300110011 N 7");
        row(
            "mirror right", [](E& e, Press p) { e.mirror(Side::Right, p); },
            "10000000 310000000|10000001 310000000 N 7|10000001 310000000 N 7");
        row(
            "shift left", [](E& e, Press p) { e.shift(Side::Left, p); },
            "10000001 310110011|00000010 310110011 N 0|10000001 310110011 N 7");
        row(
            "shift right", [](E& e, Press p) { e.shift(Side::Right, p); },
            "10000001 310110011|01000000 310110011 M 7|10000001 310110011 M 7");
        row(
            "rotate left", [](E& e, Press p) { e.rotate(Side::Left, p); },
            "01000000 311000001|10000000 310000011 M 7|01000000 311000001 N 7");
        row(
            "rotate right", [](E& e, Press p) { e.rotate(Side::Right, p); },
            "10000000 310000011|01000000 311000001 M 7|10000000 310000011 M 7");
        row(
            "invert", [](E& e, Press p) { e.invert(p); },
            "10010000 310010000|01101111 310010000 N 7|01101111 310010000 N 7");
    }
    void transforms() {
        QFETCH(Transform, transform);
        QFETCH(QStringList, cas);
        for (Press press : {Press::Left, Press::Middle}) {
            EditorRig rig;
            SequenceEditor& e = rig.editor;
            compose(e, cas[0].left(8), cas[0].mid(9));
            transform(e, press);
            QCOMPARE(u"%1 %2 %3 %4"_s
                         .arg(lampText(e.lamps()), line(e.sequence().at(0)),
                              e.isModified() ? u"M" : u"N")
                         .arg(e.currentEntry()),
                     cas[press == Press::Left ? 1 : 2]);
            QCOMPARE(e.currentRecord(), 0);
        }
    }

    // With "Mode Auto." a shift or a rotation records the frame, then moves it; a mirror or
    // an inversion records nothing. At the end of records 0..3, eight presses from lamp 7
    // alone if the first record is to light it, else from lamp 0; then records 4..11 by the
    // lamp each lights, the record shown and the grid.
    void chase_data() {
        QTest::addColumn<Transform>("transform");
        QTest::addColumn<QString>("after");
        const auto row = [](const char* name, const Transform& t, const char* after) {
            QTest::newRow(name) << t << QString::fromLatin1(after);
        };
        row(
            "mirror", [](E& e, Press p) { e.mirror(Side::Right, p); }, "0------- 4 10000001");
        row(
            "shift left", [](E& e, Press p) { e.shift(Side::Left, p); }, "76543210 12 00000000");
        row(
            "shift right", [](E& e, Press p) { e.shift(Side::Right, p); }, "01234567 12 00000000");
        row(
            "rotate left", [](E& e, Press p) { e.rotate(Side::Left, p); }, "76543210 12 00000001");
        row(
            "rotate right", [](E& e, Press p) { e.rotate(Side::Right, p); },
            "01234567 12 10000000");
        row(
            "invert", [](E& e, Press p) { e.invert(p); }, "0------- 4 10000000");
    }
    void chase() {
        QFETCH(Transform, transform);
        QFETCH(QString, after);
        EditorRig rig;
        SequenceEditor& e = rig.editor;
        recordSome(e, 4);
        e.setAutoRecord(true);
        e.clearFrame();
        e.toggleLamp(after[0] == u'7' ? 7 : 0);
        for (int k = 0; k < 8; ++k)
            transform(e, Press::Left);
        QString lit;
        for (int r = 4; r < 12; ++r) {
            const int first = line(e.sequence().at(r)).indexOf(u'1', 1);
            lit += first < 0 ? u"-"_s : QString::number(first - 1);
        }
        QCOMPARE(u"%1 %2 %3"_s.arg(lit).arg(e.currentRecord()).arg(lampText(e.lamps())), after);
    }

    // "Supp." deletes the record "En cours" names, the working record emptied first; the
    // records after it move back, the count shrinks and the record "En cours" named is shown,
    // or the last one. An address outside the records deletes nothing.
    // "records 0..5 afterwards by signature|count|record shown", or nothing: refused.
    void deletion_data() {
        QTest::addColumn<Action>("action");
        QTest::addColumn<QString>("after");
        const auto row = [](const char* name, const Action& a, const char* after) {
            QTest::newRow(name) << a << QString::fromLatin1(after);
        };
        row(
            "inside", [](E& e) { e.setCurrentEntry(2); }, "0 1 3 4 -1 -1|4|2");
        row(
            "the working record", [](E& e) { e.setCurrentEntry(5); }, "0 1 2 3 4 -1|4|4");
        row(
            "none made", [](E& e) { e.setLength(0), e.setCurrentEntry(0); }, "-1 1 2 3 4 -2|0|0");
        row(
            "the store's last",
            [](E& e) {
                e.setLength(1024), e.showRecord(1024), e.toggleLamp(0), e.setCurrentEntry(1023);
            },
            "0 1 2 3 4 -2|1023|1023");
        row(
            "below", [](E& e) { e.setCurrentEntry(-1); }, "");
        row(
            "past the working record", [](E& e) { e.setCurrentEntry(6); }, "");
    }
    void deletion() {
        QFETCH(Action, action);
        QFETCH(QString, after);
        EditorRig rig;
        SequenceEditor& e = rig.editor;
        fiveRecords(e);
        action(e);
        e.markSaved();
        const Sequence before = e.sequence();
        e.deleteRecord();
        QCOMPARE(e.isModified(), !after.isEmpty());
        if (after.isEmpty()) {
            QVERIFY(e.sequence() == before);
            return;
        }
        QStringList signatures;
        for (int r = 0; r <= 5; ++r)
            signatures << QString::number(signature(e.sequence().at(r)));
        QCOMPARE(u"%1|%2|%3"_s.arg(signatures.join(u' '))
                     .arg(e.sequence().length())
                     .arg(e.currentRecord()),
                 after);
        QCOMPARE(signature(e.sequence().at(before.length())), -1);
        QCOMPARE(lampText(e.lamps()), line(e.sequence().at(e.currentRecord())).mid(1));
    }
};

QTEST_GUILESS_MAIN(TstSequenceEditor)
#include "tst_sequenceeditor.moc"
