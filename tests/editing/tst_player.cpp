#include "EditorRig.h"
#include "editing/Player.h"

namespace {

struct PlayerRig : EditorRig {
    FakeTimer timer;
    Player player{editor, timer};

    // Records 0..1023 light the bits of r % 251 + 1, the first ones with the codes given
    // and the others with code 2; the count, the base period and the start address set and
    // record 1 shown, PLAY.
    PlayerRig(const QString& codes, int count, int period, int start) {
        const QStringList c = codes.split(u',', Qt::SkipEmptyParts);
        QStringList file;
        for (int r = 0; r < Sequence::LastRecord; ++r)
            file << c.value(r, u"2"_s) + QString::number(r % 251 + 1, 2).rightJustified(8, u'0');
        load(editor, file);
        editor.setLength(count), editor.chooseBasePeriod(period), editor.showRecord(1);
        editor.setStartAddress(start), player.start();
    }

    // Stopped, the record stays shown and the timer idles without ever being disabled.
    void checkStopped() {
        QVERIFY(!player.isPlaying() && timer.enabled);
        const int shown = editor.currentRecord();
        player.tick();
        QVERIFY(timer.intervalMs == timebase::IdleIntervalMs && editor.currentRecord() == shown);
    }
};

} // namespace

class TstPlayer : public QObject {
    Q_OBJECT
private slots:
    // "codes of the first records|count|base period|steps|button marked and period": the
    // run starts from the first record of the steps ("record:interval" for each record
    // shown); a last interval of 0 means that no tick comes and playback holds its record.
    // Every record shown reaches the grid and "En cours".
    void run_data() {
        QTest::addColumn<QString>("cas");
        for (const char* l :
             {"2,2,2,2|3|0|0:20 1:20 2:20 3:20|1 0.02", "3,3,1,0|3|0|0:50 1:50 2:50 3:50|-1 0",
              "2,2,3,4,5|4|0|2:50 3:100 4:150|4 0.15", "5,5|1|8|0:5250 1:5250|4 5.25",
              "0,2,2|2|0|0:0|-1 0", "2,9,2|2|0|0:20 1:0|-1 0", "|1024|0|1023:20 1024:20|-1 0"})
            QTest::newRow(l) << QString::fromLatin1(l);
    }
    void run() {
        QFETCH(QString, cas);
        const QStringList c = cas.split(u'|');
        PlayerRig rig(c[0], c[1].toInt(), c[2].toInt(), c[3].section(u':', 0, 0).toInt());
        QStringList played;
        for (int guard = 0; guard <= Sequence::LastRecord; ++guard) {
            QVERIFY(gridShowsRecord(rig.editor));
            QCOMPARE(rig.editor.currentEntry(), rig.editor.currentRecord());
            played << u"%1:%2"_s.arg(rig.editor.currentRecord()).arg(rig.timer.intervalMs);
            if (!rig.timer.ticks())
                break;
            rig.player.tick();
            if (!rig.player.isPlaying())
                break;
        }
        QCOMPARE(played.join(u' '), c[3]);
        QCOMPARE(u"%1 %2"_s.arg(rig.editor.markedButton()).arg(rig.editor.framePeriod()), c[4]);
        if (!c[3].endsWith(u":0"_s))
            rig.checkStopped();
    }

    // "count, start, ticks and then PLAY (+) or STOP (-)|Départ|En cours, the record shown,
    // playing". A start at or past the end shows its record and stops at once; past the
    // sequence "Départ" goes back to 0; outside the store nothing is shown.
    void start_data() {
        QTest::addColumn<QString>("cas");
        for (const char* l : {"3 3 0|3|3 3 0", "3 5 0|0|5 5 0", "3 1025 0|0|1025 1 0",
                              "3 -1 0|-1|-1 1 0", "5 0 2+|0|0 0 1", "5 0 2-|0|2 2 0"})
            QTest::newRow(l) << QString::fromLatin1(l);
    }
    void start() {
        QFETCH(QString, cas);
        const QStringList a = cas.section(u'|', 0, 0).split(u' ');
        PlayerRig rig({}, a[0].toInt(), 0, a[1].toInt());
        for (int k = 0; k < a[2].left(1).toInt(); ++k)
            rig.player.tick();
        if (a[2].endsWith(u'+'))
            rig.player.start();
        else if (a[2].endsWith(u'-'))
            rig.player.stop();
        const E& e = rig.editor;
        QCOMPARE(u"%1|%2 %3 %4"_s.arg(e.startAddress())
                     .arg(e.currentEntry())
                     .arg(e.currentRecord())
                     .arg(int(rig.player.isPlaying())),
                 cas.section(u'|', 1));
        QVERIFY(gridShowsRecord(e));
        if (!rig.player.isPlaying())
            rig.checkStopped();
    }

    // The timer starts at 500 ms, disabled; STOP before any start only sets the interval.
    void idle() {
        EditorRig rig;
        FakeTimer timer;
        Player player(rig.editor, timer);
        QVERIFY(timer.intervalMs == 500 && !timer.enabled);
        player.stop();
        QVERIFY(timer.intervalMs == timebase::IdleIntervalMs && !timer.enabled);
    }
};

QTEST_GUILESS_MAIN(TstPlayer)
#include "tst_player.moc"
