#include "PlainUser.h"
#include "files/Configuration.h"
#include "files/DiskFile.h"
#include "files/RecentFiles.h"
#include "files/SequenceFile.h"

#include <QtTest>

using namespace Qt::StringLiterals;

namespace {

const QByteArray Header = "LT840  V1.02\r\n";

// Records as "count:lines", "refused" when none is given.
QString shown(const std::optional<QList<Frame>>& records) {
    if (!records)
        return u"refused"_s;
    const QByteArray lines = writeRecordLines(*records).replace("\r\n", " ").trimmed();
    return QString::number(records->size()) + u':' + QString::fromLatin1(lines);
}

// The program's folder and the user's, which does not exist until a file goes there.
struct TwoFolders : IProgramFolders {
    QTemporaryDir program, user;
    QString programFolder() override { return program.path(); }
    QString userFolder() override { return user.filePath(u"LT840"_s); }
};

// The program's file read-only for an ordinary user, or its folder (the file still writable).
enum Obstacle { None, ReadOnlyFile, ReadOnlyFolder };

// "port read|text read|the program's and the user's file after a save (+ written, = as
// before)|port read next"; the files (null: none, "/": a folder) and the user's lag in seconds.
struct Case {
    QString expected;
    QByteArray program, user{};
    int lag = 0, obstacles = None;
};

bool put(const QString& path, const QByteArray& bytes, const QDateTime& when) {
    if (bytes == "/")
        return QDir().mkpath(path);
    QFile f(path);
    return QDir().mkpath(QFileInfo(path).path()) && writeWholeFile(path, bytes) &&
           f.open(QIODevice::ReadOnly) && f.setFileTime(when, QFileDevice::FileModificationTime);
}

QByteArray content(const QString& path) {
    return readWholeFile(path, 1 << 16).value_or("<unreadable>");
}

} // namespace

class TstFiles : public QObject {
    Q_OBJECT
private slots:
    // Records 0..N, digits as they came; the examples shipped are saved back unchanged.
    void writeSequence() {
        QCOMPARE(writeSequenceFile(Sequence()), Header + " 0 \r\n100000000\r\n");
        Sequence s = Sequence::loaded(*readRecordLines("210000000\n201000000\n705000009"));
        s.setLength(2);
        QCOMPARE(writeSequenceFile(s), Header + " 2 \r\n210000000\r\n201000000\r\n705000009\r\n");
        s.setLength(Sequence::LastRecord);
        QCOMPARE(writeSequenceFile(s), Header + " 1024 \r\n" + writeRecordLines(s.frames()));
        const QFileInfoList examples =
            QDir(QStringLiteral(LT840_EXAMPLES)).entryInfoList({u"*.dat"_s});
        QVERIFY(examples.size() >= 8);
        for (const QFileInfo& example : examples) {
            const QByteArray bytes = content(example.filePath());
            const std::optional<QList<Frame>> records = readSequenceFile(bytes);
            QVERIFY2(records && !records->isEmpty() && records->size() <= Sequence::BoardCapacity,
                     qPrintable(example.fileName()));
            QCOMPARE(writeSequenceFile(Sequence::loaded(*records)), bytes);
        }
    }

    // The sequence file's reader, and (rows marked +) the clipboard's: record lines only.
    void read_data() {
        QTest::addColumn<QByteArray>("bytes");
        QTest::addColumn<QString>("read");
        const QByteArray h = Header, fives = QByteArray("5\r\n").repeated(1025);
        const auto row = [](const char* name, const QByteArray& b, const QString& r) {
            QTest::newRow(name) << b << r;
        };
        row("N = 0", h + " 0 \r\n100000000\r\n", "0:");
        row("short line, not digits", h + " 2 \r\n2101\r\n2x1 1a\r\n", "2:210100000 201010000");
        row("signed, to even, text", h + "+2.5abc\r\n1\r\n2\r\n3\r\n", "2:100000000 200000000");
        row("text before LT840, lone CR at the end", "xxLT840 autre\r\n 1 \r\n1\r", "1:100000000");
        row("lone CR, lone LF, comma, no end", "LT840\r 2 \n29,  3", "2:290000000 300000000");
        row("1024", h + "1024\r\n" + fives.left(3 * 1024),
            "1024:" + QStringList(1024, u"500000000"_s).join(u' '));
        row("count 1025", h + "1025\r\n" + fives, "refused");
        row("negative count", h + "-3 \r\n", "refused");
        row("count without digits", h + "abc\r\n", "refused");
        row("lower-case header", "lt840  v1.02\r\n 0 \r\n", "refused");
        row("ends before N records", h + " 3 \r\n210000000\r\n", "refused");
        row("+another program's lines", "200000001\n\n 200000010 \r\n", "2:200000001 200000010");
        row("+8 digits", "200000001\n20000000", "refused");
        row("+not a digit", "2000x0001", "refused");
        row("+blank lines only", "\r\n \n", "refused");
    }
    void read() {
        QFETCH(QByteArray, bytes);
        const bool lines = QTest::currentDataTag()[0] == '+';
        QTEST(shown(lines ? readRecordLines(bytes) : readSequenceFile(bytes)), "read");
    }

    // "list|path opened|files gone|list afterwards": at most six, the path first and once.
    void recentList_data() {
        QTest::addColumn<QStringList>("c");
        for (const char* c : {"/a /b /c|/c||/c /a /b", "/d/a.dat /b|/d/./x/../a.dat||/d/a.dat /b",
                              "/1 /2 /3 /4 /5 /6|/7||/7 /1 /2 /3 /4 /5", "/a /b /c /b||/b|/a /c"})
            QTest::newRow(c) << QString::fromLatin1(c).split(u'|');
    }
    void recentList() {
        QFETCH(QStringList, c);
        const auto exists = [&c](const QString& p) { return !c[2].split(u' ').contains(p); };
        QCOMPARE(recentFiles(c[0].split(u' '), c[1], exists).join(u' '), c[3]);
    }

    // Port 1 before reading, then -2 saved: the newer file is read, the user's on a tie; the
    // user's folder takes over when the program's refuses the file.
    void nextStart_data() {
        QTest::addColumn<Case>("c");
        const QByteArray p = " 3 \r\nprogramme\r\n", u = " 2 \r\nsecours\r\n";
        const QByteArray full = " 3 \r\nabc," + QByteArray(4087, 'x');
        QTest::newRow("COM4") << Case{"3|autre texte|+=|-2", " 3 \r\nautre texte\r\n"};
        QTest::newRow("missing") << Case{"1|*.dat|+=|-2", {}};
        QTest::newRow("port only") << Case{"3|*.dat|+=|-2", "3"};
        QTest::newRow("beyond 16 bits") << Case{"1|*.dat|+=|-2", "70000\r\nx\r\n"};
        QTest::newRow("negative, Latin-1")
            << Case{QString::fromLatin1("-32768|\xe9t\xe9|+=|-2"), "-32768 \r\n\xe9t\xe9\r\n"};
        QTest::newRow("4096 bytes") << Case{"3|abc|+=|-2", full};
        QTest::newRow("4097 bytes") << Case{"1|*.dat|+=|-2", full + 'x'};
        QTest::newRow("program's blocked") << Case{"1|*.dat|=+|-2", "/"};
        QTest::newRow("neither") << Case{"1|*.dat|==|0", "/", "/"};
        QTest::newRow("user's of the same instant") << Case{"2|secours|=+|-2", p, u, 0};
        QTest::newRow("user's older") << Case{"3|programme|+=|-2", p, u, -60};
        QTest::newRow("user's unreadable") << Case{"3|programme|+=|-2", p, "/"};
        QTest::newRow("read-only file") << Case{"3|programme|=+|-2", p, {}, 0, ReadOnlyFile};
        QTest::newRow("program's unreadable") << Case{"2|secours|=+|-2", "x", u, -60, ReadOnlyFile};
        QTest::newRow("read-only folder") << Case{"3|programme|+=|-2", p, {}, 0, ReadOnlyFolder};
    }
    void nextStart() {
        QFETCH(Case, c);
        TwoFolders folders;
        const QString program = folders.program.filePath(u"lt840.cfg"_s),
                      user = QDir(folders.userFolder()).filePath(u"lt840.cfg"_s);
        const QDateTime past = QDateTime::currentDateTimeUtc().addSecs(-3600);
        QVERIFY(c.program.isNull() || put(program, c.program, past));
        QVERIFY(c.user.isNull() || put(user, c.user, past.addSecs(c.lag)));
        std::optional<PlainUser> plainUser;
        if (c.obstacles != None) {
            const bool folder = c.obstacles == ReadOnlyFolder;
            QList<std::pair<QString, mode_t>> modes{{folders.program.path(), folder ? 0555 : 0777},
                                                    {program, folder ? 0666 : 0444},
                                                    {folders.user.path(), 0777}};
            if (!c.user.isNull())
                modes << std::pair{folders.userFolder(), 0777} << std::pair{user, 0666};
            plainUser.emplace(modes);
            QVERIFY(plainUser->ready());
        }
        Configuration configuration(folders);
        configuration.setPortNumber(1), configuration.loadConfiguration();
        QStringList l{QString::number(configuration.portNumber()), configuration.text()};
        const QByteArray before[] = {content(program), content(user)};
        configuration.setPortNumber(-2), configuration.saveConfiguration();
        const QByteArray written = "-2 \r\n" + configuration.text().toLatin1() + "\r\n";
        const auto state = [&written](const QString& f, const QByteArray& old) {
            return content(f) == written ? u'+' : content(f) == old ? u'=' : u'?';
        };
        l << QString(state(program, before[0])) + state(user, before[1]);
        Configuration next(folders);
        next.loadConfiguration();
        QCOMPARE((l << QString::number(next.portNumber())).join(u'|'), c.expected);
    }
};

QTEST_GUILESS_MAIN(TstFiles)
#include "tst_files.moc"
