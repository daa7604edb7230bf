#include "PlainUser.h"
#include "files/DiskFile.h"
#include "files/RecentFiles.h"
#include "files/SequenceFile.h"

#include <QtTest>

#include <csignal>
#include <sys/resource.h>

using namespace Qt::StringLiterals;

namespace {

const QByteArray Header = "LT840  V1.02\r\n";

// A frame as a record line writes it: the code, then lamps 0..7.
QString line(const Frame& frame) {
    QString s = QString::number(frame.code);
    for (qint16 lamp : frame.lamps)
        s += QString::number(lamp);
    return s;
}

Frame frame(const QString& digits) {
    Frame f;
    f.code = qint16(digits[0].digitValue());
    for (int i = 0; i < Frame::LampCount; ++i)
        f.lamps[i] = qint16(digits[i + 1].digitValue());
    return f;
}

// Records as "count:lines", "refused" for a text that holds none.
QString shown(const std::optional<QList<Frame>>& records) {
    QStringList lines;
    for (const Frame& f : records.value_or(QList<Frame>{}))
        lines << line(f);
    return records ? QString::number(records->size()) + u':' + lines.join(u' ') : u"refused"_s;
}

// With a full disk (RLIMIT_FSIZE), every write past 8 bytes fails in this process.
bool write(const QString& path, const QByteArray& bytes, bool fullDisk) {
    rlimit before{};
    getrlimit(RLIMIT_FSIZE, &before);
    const rlimit limit{fullDisk ? 8 : before.rlim_cur, before.rlim_max};
    std::signal(SIGXFSZ, SIG_IGN);
    setrlimit(RLIMIT_FSIZE, &limit);
    const bool written = writeWholeFile(path, bytes);
    setrlimit(RLIMIT_FSIZE, &before);
    return written;
}

} // namespace

class TstFiles : public QObject {
    Q_OBJECT
private slots:
    // Records 0..N go out, N being the length: the working record too, whatever it holds.
    void writeSequence_data() {
        QTest::addColumn<QStringList>("records");
        QTest::addColumn<int>("length");
        QTest::addColumn<QByteArray>("bytes");
        QTest::newRow("empty") << QStringList{u"301000001"_s, u"1"_s} << 0
                               << Header + " 0 \r\n301000001\r\n";
        QTest::newRow("two, digits kept as they came")
            << QStringList{u"210000000"_s, u"201000000"_s, u"705000009"_s, u"111111111"_s} << 2
            << Header + " 2 \r\n210000000\r\n201000000\r\n705000009\r\n";
        QTest::newRow("the whole store")
            << QStringList{} << 1024
            << Header + " 1024 \r\n100000000\r\n" + QByteArray("000000000\r\n").repeated(1024);
    }
    void writeSequence() {
        QFETCH(QStringList, records);
        QFETCH(int, length);
        QFETCH(QByteArray, bytes);
        Sequence s;
        for (int r = 0; r < records.size(); ++r)
            s.at(r) = frame(records[r].leftJustified(9, u'0'));
        s.setLength(length);
        QCOMPARE(writeSequenceFile(s), bytes);
    }

    // The sequence file's reader, and the clipboard's, which takes nothing but record lines.
    void read_data() {
        QTest::addColumn<bool>("clipboard");
        QTest::addColumn<QByteArray>("bytes");
        QTest::addColumn<QString>("read");
        const QByteArray& h = Header;
        const QByteArray fives = QByteArray("5\r\n").repeated(1025);
        const auto row = [](const char* name, bool clipboard, const QByteArray& b, QString r) {
            QTest::newRow(name) << clipboard << b << r;
        };
        row("N = 0", false, h + " 0 \r\n100000000\r\n", u"0:"_s);
        row("short line, columns not digits", false, h + " 2 \r\n2101\r\n2x1 1a\r\n",
            u"2:210100000 201010000"_s);
        row("signed count rounded to even, then text", false, h + "+2.5abc\r\n1\r\n2\r\n3\r\n",
            u"2:100000000 200000000"_s);
        row("text before LT840", false, "xxLT840 autre\r\n 1 \r\n1\r\n", u"1:100000000"_s);
        row("lone CR, lone LF, comma, no end", false, "LT840\r 2 \n21,  3",
            u"2:210000000 300000000"_s);
        row("1024", false, h + "1024\r\n" + fives.left(3 * 1024),
            u"1024:"_s + QStringList(1024, u"500000000"_s).join(u' '));
        row("count 1025", false, h + "1025\r\n" + fives, u"refused"_s);
        row("negative count", false, h + "-3 \r\n", u"refused"_s);
        row("count without digits", false, h + "abc\r\n", u"refused"_s);
        row("lower-case header", false, "lt840  v1.02\r\n 0 \r\n", u"refused"_s);
        row("ends before N records", false, h + " 3 \r\n210000000\r\n201000000\r\n", u"refused"_s);
        row("another program's lines", true, "200000001\n\n 200000010 \r\n",
            u"2:200000001 200000010"_s);
        row("8 digits", true, "20000000", u"refused"_s);
        row("10 digits", true, "200000001\n2000000010", u"refused"_s);
        row("not a digit", true, "2000x0001", u"refused"_s);
        row("blank lines only", true, "\r\n \n", u"refused"_s);
        row("a sequence file", true, h + " 0 \r\n100000000\r\n", u"refused"_s);
    }
    void read() {
        QFETCH(bool, clipboard);
        QFETCH(QByteArray, bytes);
        QFETCH(QString, read);
        QCOMPARE(shown(clipboard ? readRecordLines(bytes) : readSequenceFile(bytes)), read);
    }

    void clipboardLines() {
        const QList<Frame> block{frame(u"301000001"_s), frame(u"600000000"_s)};
        QCOMPARE(writeRecordLines(block), "301000001\r\n600000000\r\n");
    }

    // Whatever stood at the path is still there byte for byte when a write fails, and nothing
    // is left behind in the folder. A read-only folder takes a write in place into a writable
    // file already there.
    void wholeFileWrite_data() {
        QTest::addColumn<bool>("fullDisk");
        QTest::addColumn<int>("folderMode");
        QTest::addColumn<int>("fileMode");
        QTest::addColumn<bool>("written");
        QTest::newRow("replaced") << false << 0777 << 0666 << true;
        QTest::newRow("full disk") << true << 0777 << 0666 << false;
        QTest::newRow("read-only folder, writable file") << false << 0555 << 0666 << true;
        QTest::newRow("read-only folder and file") << false << 0555 << 0444 << false;
    }
    void wholeFileWrite() {
        QFETCH(bool, fullDisk);
        QFETCH(int, folderMode);
        QFETCH(int, fileMode);
        QFETCH(bool, written);
        const QTemporaryDir dir;
        const QString path = dir.filePath(u"seq.dat"_s);
        QVERIFY(writeWholeFile(path, "old"));
        const auto entries = [&dir] { return QDir(dir.path()).entryList(QDir::AllEntries); };
        const QStringList before = entries();
        const QByteArray bytes(100, 'x');
        {
            const PlainUser user({{dir.path(), mode_t(folderMode)}, {path, mode_t(fileMode)}});
            QVERIFY(user.ready());
            QCOMPARE(write(path, bytes, fullDisk), written);
        }
        QCOMPARE(readWholeFile(path, 100).value_or("<unreadable>"), written ? bytes : "old");
        QCOMPARE(entries(), before);
    }

    void wholeFileRead() {
        const QTemporaryDir dir;
        const QString path = dir.filePath(u"seq.dat"_s);
        QVERIFY(writeWholeFile(path, "1234"));
        QCOMPARE(readWholeFile(path, 4).value_or("<unreadable>"), "1234");
        QVERIFY(!readWholeFile(path, 3));
        QVERIFY(!readWholeFile(dir.filePath(u"missing"_s), 4));
        QVERIFY(!readWholeFile(dir.path(), 4));
    }

    // "list|path opened|files gone|list afterwards", lists as paths between blanks.
    void recentList_data() {
        QTest::addColumn<QString>("lists");
        QTest::newRow("comes first, once") << u"/a /b /c|/c||/c /a /b"_s;
        QTest::newRow("same file written otherwise")
            << u"/d/a.dat /b|/d/./x/../a.dat||/d/a.dat /b"_s;
        QTest::newRow("six at most") << u"/1 /2 /3 /4 /5 /6|/7||/7 /1 /2 /3 /4 /5"_s;
        QTest::newRow("files gone are dropped") << u"/a /b /c /b||/b|/a /c"_s;
    }
    void recentList() {
        QFETCH(QString, lists);
        const QStringList c = lists.split(u'|');
        const auto exists = [&c](const QString& p) { return !c[2].split(u' ').contains(p); };
        QCOMPARE(recentFiles(c[0].split(u' '), c[1], exists).join(u' '), c[3]);
    }
};

QTEST_GUILESS_MAIN(TstFiles)
#include "tst_files.moc"
