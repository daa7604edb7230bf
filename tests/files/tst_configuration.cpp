#include "PlainUser.h"
#include "files/Configuration.h"

#include <QtTest>

using namespace Qt::StringLiterals;

namespace {

// The program's folder and the user's, which does not exist until a file goes there.
struct TwoFolders : IProgramFolders {
    QTemporaryDir program, user;
    QString programFolder() override { return program.path(); }
    QString userFolder() override { return user.filePath(u"LT840"_s); }
};

// A folder in the file's place makes it unusable; the read-only cases let the user write
// neither the program's file nor, in the second, its folder.
enum Obstacle { None, ProgramBlocked = 1, UserBlocked = 2, ReadOnlyFile = 4, ReadOnlyFolder = 8 };

// "port read|text read|the program's and the user's file after a save (+ written, = as before)
// |port the next start reads"; the program's and the user's files before (null: none), the
// user's dated `lag` seconds after the program's.
struct Case {
    QString expected;
    QByteArray program, user{};
    int lag = 0, obstacles = None;
};

bool put(const QString& path, const QByteArray& bytes, const QDateTime& when) {
    QFile f(path);
    return QDir().mkpath(QFileInfo(path).path()) && f.open(QIODevice::WriteOnly) &&
           f.write(bytes) == bytes.size() && f.flush() &&
           f.setFileTime(when, QFileDevice::FileModificationTime);
}

QByteArray content(const QString& path) {
    QFile f(path);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray("<unreadable>");
}

} // namespace

class TstConfiguration : public QObject {
    Q_OBJECT
private slots:
    // Port 1 before reading (a failed reading writes it back), then -2 saved with the text read.
    // The newer folder's file is read, the user's on a tie; the user's folder takes over when
    // the program's refuses the file, and with neither usable the program goes on as it was.
    void nextStart_data() {
        QTest::addColumn<Case>("c");
        const QByteArray p = " 3 \r\nprogramme\r\n", u = " 2 \r\nsecours\r\n";
        QTest::newRow("COM4") << Case{u"3|autre texte|+=|-2"_s, " 3 \r\nautre texte\r\n"};
        QTest::newRow("missing") << Case{u"1|*.dat|+=|-2"_s, {}};
        QTest::newRow("port only") << Case{u"3|*.dat|+=|-2"_s, "3"};
        QTest::newRow("beyond 16 bits") << Case{u"1|*.dat|+=|-2"_s, "70000\r\nx\r\n"};
        QTest::newRow("negative, Latin-1")
            << Case{QString::fromLatin1("-32768|\xe9t\xe9|+=|-2"), "-32768 \r\n\xe9t\xe9\r\n"};
        QTest::newRow("program's blocked") << Case{u"1|*.dat|=+|-2"_s, {}, {}, 0, ProgramBlocked};
        QTest::newRow("none usable")
            << Case{u"1|*.dat|==|0"_s, {}, {}, 0, ProgramBlocked | UserBlocked};
        QTest::newRow("user's newer") << Case{u"2|secours|=+|-2"_s, p, u, 60};
        QTest::newRow("user's of the same instant") << Case{u"2|secours|=+|-2"_s, p, u, 0};
        QTest::newRow("user's older") << Case{u"3|programme|+=|-2"_s, p, u, -60};
        QTest::newRow("user's unreadable") << Case{u"3|programme|+=|-2"_s, p, {}, 0, UserBlocked};
        QTest::newRow("read-only file") << Case{u"3|programme|=+|-2"_s, p, {}, 0, ReadOnlyFile};
        QTest::newRow("read-only folder") << Case{u"3|programme|+=|-2"_s, p, {}, 0, ReadOnlyFolder};
    }
    void nextStart() {
        QFETCH(Case, c);
        TwoFolders folders;
        const QString program = QDir(folders.programFolder()).filePath(u"lt840.cfg"_s);
        const QString user = QDir(folders.userFolder()).filePath(u"lt840.cfg"_s);
        const QDateTime past = QDateTime::currentDateTimeUtc().addSecs(-3600);
        QVERIFY(c.program.isNull() || put(program, c.program, past));
        QVERIFY(c.user.isNull() || put(user, c.user, past.addSecs(c.lag)));
        QVERIFY(!(c.obstacles & ProgramBlocked) || QDir().mkpath(program));
        QVERIFY(!(c.obstacles & UserBlocked) || QDir().mkpath(user));
        std::optional<PlainUser> plainUser;
        if (c.obstacles & (ReadOnlyFile | ReadOnlyFolder)) {
            const bool folder = c.obstacles & ReadOnlyFolder;
            plainUser.emplace(
                QList<std::pair<QString, mode_t>>{{folders.program.path(), folder ? 0555 : 0777},
                                                  {program, folder ? 0666 : 0444},
                                                  {folders.user.path(), 0777}});
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

QTEST_GUILESS_MAIN(TstConfiguration)
#include "tst_configuration.moc"
