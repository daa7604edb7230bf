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
    QString file(bool inUser) {
        return QDir(inUser ? userFolder() : programFolder()).filePath(u"lt840.cfg"_s);
    }
};

// A folder in the file's place makes it unusable; the read-only cases let an ordinary user
// write neither the program's file nor, in the second, its folder.
enum Obstacle { None, ProgramBlocked = 1, UserBlocked = 2, ReadOnlyFile = 4, ReadOnlyFolder = 8 };

// "port read|text read|the program's and the user's file after a save (+ written, = as
// before)|port the next start reads"; the files before (null: none), the user's dated `lag`
// seconds after the program's.
struct Case {
    QString expected;
    QByteArray program, user{};
    int lag = 0, obstacles = None;
};

bool put(const QString& path, const QByteArray& bytes, const QDateTime& when) {
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
    // Records 0..N go out, N being the length: the working record too, digits as they came.
    void writeSequence() {
        QCOMPARE(writeSequenceFile(Sequence()), Header + " 0 \r\n100000000\r\n");
        Sequence s = Sequence::loaded(*readRecordLines("210000000\n201000000\n705000009"));
        s.setLength(2);
        QCOMPARE(writeSequenceFile(s), Header + " 2 \r\n210000000\r\n201000000\r\n705000009\r\n");
        QCOMPARE(writeRecordLines(s.slice(0, 1)), "210000000\r\n201000000\r\n");
        s.setLength(Sequence::LastRecord);
        QCOMPARE(writeSequenceFile(s), Header + " 1024 \r\n" + writeRecordLines(s.frames()));
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
        row("text before LT840, lone CR at the end", false, "xxLT840 autre\r\n 1 \r\n1\r",
            u"1:100000000"_s);
        row("lone CR, lone LF, comma, no end", false, "LT840\r 2 \n29,  3",
            u"2:290000000 300000000"_s);
        row("1024", false, h + "1024\r\n" + fives.left(3 * 1024),
            u"1024:"_s + QStringList(1024, u"500000000"_s).join(u' '));
        row("count 1025", false, h + "1025\r\n" + fives, u"refused"_s);
        row("negative count", false, h + "-3 \r\n", u"refused"_s);
        row("count without digits", false, h + "abc\r\n", u"refused"_s);
        row("lower-case header", false, "lt840  v1.02\r\n 0 \r\n", u"refused"_s);
        row("ends before N records", false, h + " 3 \r\n210000000\r\n", u"refused"_s);
        row("another program's lines", true, "200000001\n\n 200000010 \r\n",
            u"2:200000001 200000010"_s);
        row("8 digits", true, "200000001\n20000000", u"refused"_s);
        row("not a digit", true, "2000x0001", u"refused"_s);
        row("blank lines only", true, "\r\n \n", u"refused"_s);
    }
    void read() {
        QFETCH(bool, clipboard);
        QFETCH(QByteArray, bytes);
        QFETCH(QString, read);
        QCOMPARE(shown(clipboard ? readRecordLines(bytes) : readSequenceFile(bytes)), read);
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

    // Port 1 before reading (a failed reading writes it back), then -2 saved with the text read.
    // The newer folder's file is read, the user's on a tie; the user's folder takes over when
    // the program's refuses the file, and with neither usable the program goes on as it was.
    void nextStart_data() {
        QTest::addColumn<Case>("c");
        const QByteArray p = " 3 \r\nprogramme\r\n", u = " 2 \r\nsecours\r\n";
        const QByteArray full = " 3 \r\nabc," + QByteArray(4087, 'x');
        QTest::newRow("COM4") << Case{u"3|autre texte|+=|-2"_s, " 3 \r\nautre texte\r\n"};
        QTest::newRow("missing") << Case{u"1|*.dat|+=|-2"_s, {}};
        QTest::newRow("port only") << Case{u"3|*.dat|+=|-2"_s, "3"};
        QTest::newRow("beyond 16 bits") << Case{u"1|*.dat|+=|-2"_s, "70000\r\nx\r\n"};
        QTest::newRow("negative, Latin-1")
            << Case{QString::fromLatin1("-32768|\xe9t\xe9|+=|-2"), "-32768 \r\n\xe9t\xe9\r\n"};
        QTest::newRow("4096 bytes") << Case{u"3|abc|+=|-2"_s, full};
        QTest::newRow("4097 bytes") << Case{u"1|*.dat|+=|-2"_s, full + 'x'};
        QTest::newRow("program's blocked") << Case{u"1|*.dat|=+|-2"_s, {}, {}, 0, ProgramBlocked};
        QTest::newRow("none usable")
            << Case{u"1|*.dat|==|0"_s, {}, {}, 0, ProgramBlocked | UserBlocked};
        QTest::newRow("user's newer") << Case{u"2|secours|=+|-2"_s, p, u, 60};
        QTest::newRow("user's of the same instant") << Case{u"2|secours|=+|-2"_s, p, u, 0};
        QTest::newRow("user's older") << Case{u"3|programme|+=|-2"_s, p, u, -60};
        QTest::newRow("user's unreadable") << Case{u"3|programme|+=|-2"_s, p, {}, 0, UserBlocked};
        QTest::newRow("read-only file") << Case{u"3|programme|=+|-2"_s, p, {}, 0, ReadOnlyFile};
        QTest::newRow("program's unreadable, read-only, newer")
            << Case{u"2|secours|=+|-2"_s, "x", u, -60, ReadOnlyFile};
        QTest::newRow("read-only folder") << Case{u"3|programme|+=|-2"_s, p, {}, 0, ReadOnlyFolder};
    }
    void nextStart() {
        QFETCH(Case, c);
        TwoFolders folders;
        const QString program = folders.file(false), user = folders.file(true);
        const QDateTime past = QDateTime::currentDateTimeUtc().addSecs(-3600);
        QVERIFY(c.program.isNull() || put(program, c.program, past));
        QVERIFY(c.user.isNull() || put(user, c.user, past.addSecs(c.lag)));
        QVERIFY(!(c.obstacles & ProgramBlocked) || QDir().mkpath(program));
        QVERIFY(!(c.obstacles & UserBlocked) || QDir().mkpath(user));
        std::optional<PlainUser> plainUser;
        if (c.obstacles & (ReadOnlyFile | ReadOnlyFolder)) {
            const bool folder = c.obstacles & ReadOnlyFolder;
            QList<std::pair<QString, mode_t>> modes{{folders.program.path(), folder ? 0555 : 0777},
                                                    {program, folder ? 0666 : 0444},
                                                    {folders.user.path(), 0777}};
            if (!c.user.isNull())
                modes << std::pair{folders.userFolder(), 0777} << std::pair{user, 0666};
            plainUser.emplace(modes);
            QVERIFY(plainUser->ready());
        }
        Configuration configuration(folders);
        configuration.setPortNumber(1);
        configuration.loadConfiguration();
        QStringList l{QString::number(configuration.portNumber()), configuration.text()};
        const QByteArray before[] = {content(program), content(user)};
        configuration.setPortNumber(-2);
        configuration.saveConfiguration();
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
