#include "VirtualBoard.h"
#include "board/PseudoTerminal.h"

#include <QProcess>
#include <QRegularExpression>
#include <QTemporaryDir>
#include <QTest>

#include <csignal>
#include <deque>
#include <unistd.h>

namespace {

// The files beside lt840-cli as it runs; "%2" is no placeholder, long.dat goes past the board.
const std::pair<const char*, QByteArray> Files[] = {
    {"seq%2.DAT", "LT840\r\n 3 \r\n100000001\r\n210000010\r\n300000100\r\n"},
    {"bad.dat", "pas une séquence\r\n"},
    {"empty.dat", "LT840\r\n 0 \r\n"},
    {"long.dat", "LT840\r\n 300 \r\n" + QByteArray("100000001\r\n").repeated(300)}};

// seq%2.DAT as a board takes it in at the base 0.01.
const QByteArray SeqStream = QByteArray::fromHex("a50101fe027d05fb") + QByteArray(24, 0);

// Boards' options, comma-separated ("-": none); arguments (DEV: the next board's device, an
// empty word kept, 2>tty: errors to a terminal); status; output and error patterns; the tail
// the first board received; the stream's start each sound board took in; out.dat afterwards.
struct Run {
    const char *board, *arguments;
    int status;
    const char *output, *errors;
    QByteArray received = {}, stream = {}, written = {};
};

bool matches(const QString& pattern, const QString& text) {
    return QRegularExpression("(?s)" + pattern).match(text).hasMatch();
}

// Each "DEV" of `text` in turn stands for the next device.
QString withDevices(QString text, const QStringList& devices) {
    for (const QString& device : devices)
        if (const qsizetype at = text.indexOf("DEV"); at >= 0)
            text.replace(at, 3, device);
    return text;
}

// The files, and lt840-cli's settings and language, for a run in `folder`.
void prepare(const QTemporaryDir& folder) {
    for (const auto& [name, bytes] : Files) {
        QFile f(folder.filePath(name));
        QVERIFY(f.open(QIODevice::WriteOnly) && f.write(bytes) == bytes.size());
    }
    qputenv("XDG_CONFIG_HOME", QFile::encodeName(folder.filePath("config"))); // not the user's
    qunsetenv("LT840_PORT");
    qputenv("LC_ALL", "C.UTF-8");
}

QString readAll(int terminal) {
    char bytes[4096];
    return QString::fromUtf8(bytes, int(qMax(::read(terminal, bytes, sizeof bytes), ssize_t(0))));
}

} // namespace

Q_DECLARE_METATYPE(Run)

class TestCommandLine : public QObject {
    Q_OBJECT

private slots:
    void command_data() {
        QTest::addColumn<Run>("run");
        const QByteArray silent = "??" + QByteArray(32, '*') + "??"; // sent to a silent board
        const Run rows[] = {
            {"", "identify --port DEV", 0, "^LT840:V1.02\n$", "^$"},
            {"", "program seq%2.DAT --port DEV --base 0.05", 0,
             "^3 enregistrements programmés, base 0.05, carte LT840:V1.02\n$",
             "^bloc 1/2\nbloc 2/2\n$", "", QByteArray::fromHex("a50601fe027d05fb")},
            {"", "2>tty program long.dat --port DEV", 0,
             "^251 enregistrements programmés, base 0.01, carte LT840:V1.02\n$",
             "^\r\\[##\\.{30}\\] bloc 1/16\r.*\r\\[#{32}\\] bloc 16/16\n"
             "lt840-cli: long\\.dat : seuls les enregistrements 0 à 250 tiennent dans la carte\n$"},
            {"", "2>tty program seq%2.DAT --port DEV --trace", 0, "^3 ",
             "^ +\\d+ ms  ·  ouverture de .*\nbloc 1/2\n.*\nbloc 2/2\n.*  R  "},
            {"", "reset --port DEV", 0, "^carte LT840:V1.02 réinitialisée\n$", "^$", "???R"},
            {"-", "check seq%2.DAT", 0,
             "^seq%2\\.DAT : 3 enregistrements, un tour dure 0.08 s à la base 0.01\n$", "^$"},
            {"--fault silent", "identify --trace --port DEV", 4, "^$",
             "✗  identification : pas de réponse\n.*lt840-cli: DEFAUT DE DIALOGUE\n$", silent},
            {"--fault silent", "program seq%2.DAT --port DEV", 4, "^$",
             "^lt840-cli: DEFAUT DE DIALOGUE\n$", silent},
            {"--fault wrongack", "program seq%2.DAT --port DEV", 4, "", "DEFAUT DE DIALOGUE\n$"},
            {"--fault silent,,", "program seq%2.DAT --port DEV --port DEV --port DEV", 4,
             "^DEV : DEFAUT DE DIALOGUE\nDEV : 3 enregistrements programmés, base 0.01, carte "
             "LT840:V1.02\nDEV : 3 enregistrements programmés, base 0.01, carte LT840:V1.02\n$",
             "^(/dev/\\S+ : bloc [12]/2\n){4}$", silent, SeqStream},
            {"-", "program seq%2.DAT --port a --port b --port a", 1, "^$",
             "^lt840-cli: le port a est donné deux fois\n"},
            {"-", "program seq%2.DAT --port a --port b --trace", 1, "^$", "--trace ne suit qu'une"},
            {"-", "program seq%2.DAT --port  --port a", 1, "^$", ": un --port est vide\n"},
            {"-", "reset --port a --port b", 1, "^$", "seul program prend plusieurs ports"},
            {"--ident AB\x1b[2J\r\nXYZ12", "reset --port DEV", 4, "^$", // shown on one line
             "^lt840-cli: la réponse ne porte pas l'identification d'une carte LT840 : «AB "
             "\\[2J  XYZ12»\n$"},
            {"-", "program empty.dat --port DEV", 2, "^$",
             "^lt840-cli: empty\\.dat : la séquence est vide, rien à programmer\n$"},
            {"-", "program nulle-part.dat --port DEV", 2, "^$",
             "^lt840-cli: nulle-part\\.dat : Fichier non disponible ! \n$"},
            {"-", "check bad.dat", 2, "^$", "^lt840-cli: bad\\.dat : Fichier non compatible\\.\n$"},
            {"-", "check ", 2, "^$", "^lt840-cli: «» : Vous n'avez ouvert aucun fichier\\.\n$"},
            {"-", "reset --port /dev/lt840-absent", 3, "^$",
             "^lt840-cli: /dev/lt840-absent: n'est pas disponible\\. Changez dans la propriété "
             "Option pour un autre port\\.\n$"},
            {"-", "check seq%2.DAT --base 0.03", 1, "^$", "base de temps inconnue : 0.03"},
            {"-", "--help", 0, // no English heading or description, whatever Qt translates
             "^(?!.*(Usage:|Options:|Arguments:|Displays))Utilisation : .*\n\nCommandes :\n"
             "  identify --port PÉRIPHÉRIQUE {13}affiche l'identification de la carte\n"
             "  program FICHIER\\.dat --port PÉRIPHÉRIQUE  programme la séquence, puis\n {43}"
             "réinitialise la carte\n  reset .*réinitialise la carte\n  check .*vérifie le"
             " fichier, affiche le\n {43}nombre d'enregistrements et la durée\n {43}d'un tour\n"
             "  generate .*écrit la séquence d'un effet\n\nSans --port : .*\n\nOptions :\n  -h, "
             "--help +Affiche.*-v, --version +Affiche.*--port <PÉRIPHÉRIQUE> +Le port.*Options de"
             " generate :\n  --width <N> .*Effets de generate :\n  chase +un bloc.*  4  la carte",
             "^$"},
            {"-", "generate chase --width 2 --multiplier x5 -o out.dat", 0,
             "^out\\.dat : 8 enregistrements\n$", "^$", "", "",
             "LT840  V1.02\r\n 8 \r\n311000000\r\n301100000\r\n300110000\r\n300011000\r\n"
             "300001100\r\n300000110\r\n300000011\r\n310000001\r\n011111111\r\n"},
            {"-",
             "generate repeat --source seq%2.DAT --source seq%2.DAT --from 2 --to 3 -o out.dat", 0,
             "^out\\.dat : 2 enregistrements\n$", "^$", "", "",
             "LT840  V1.02\r\n 2 \r\n300000100\r\n100000001\r\n011111111\r\n"},
            {"-", "generate blink --width 2 -o out.dat", 1, "^$",
             "^lt840-cli: --width ne s'applique pas à blink\n"},
            {"-", "generate counter --to 300 -o out.dat", 1, "^$",
             ": --to : un nombre de 0 à 255\n"},
            {"-", "generate counter --to 255 -o out.dat", 1, "^$",
             ": l'effet fait 256 enregistrements, la carte n'en tient que 251\n$"},
            {"-", "generate fill --multiplier x3", 1, "^$", ": --multiplier : x1, x2, x5, x10"},
            {"-", "generate fill -o ailleurs/out.dat", 2, "^$",
             "impossible d'écrire le fichier\n$"},
            {"-", "generate repeat --source bad.dat -o out.dat", 2, "^$", "pas une séquence"},
            {"-", "generate repeat --source seq%2.DAT --from 3 --to 2 -o out.dat", 1, "^$",
             ": --from et --to : des enregistrements de 0 à \\d+, dans l'ordre\n$"},
            {"-", "check seq%2.DAT --times 2", 1, "^$", "--times ne s'applique qu'à generate"}};
        for (const Run& r : rows)
            QTest::addRow("%s %s", r.board, r.arguments) << r;
    }
    void command() {
        QFETCH(Run, run);
        QTemporaryDir folder;
        prepare(folder);
        const QStringList options =
            QString(run.board) == "-" ? QStringList() : QString(run.board).split(',');
        std::deque<VirtualBoard> boards(size_t(options.size()));
        QStringList devices;
        for (qsizetype b = 0; b < options.size(); ++b) {
            QCOMPARE(boards[b].start(options[b].split(' ', Qt::SkipEmptyParts)), QString());
            devices << boards[b].device();
        }
        QStringList arguments =
            withDevices(run.arguments,
                        devices.isEmpty() ? QStringList{"/dev/lt840-absent"} : devices)
                .split(' ');
        QProcess cli;
        QString error;
        const auto terminal = arguments.first() == "2>tty"
                                  ? virtualboard::PseudoTerminal::open(&error)
                                  : std::optional<virtualboard::PseudoTerminal>();
        QVERIFY2(error.isEmpty(), qPrintable(error));
        if (terminal) {
            arguments.removeFirst();
            cli.setStandardErrorFile(terminal->slavePath());
        }
        cli.setWorkingDirectory(folder.path());
        cli.start(LT840_CLI_EXE, arguments);
        QVERIFY(cli.waitForFinished(60000));
        const QString out = QString::fromUtf8(cli.readAllStandardOutput());
        const QString err =
            terminal ? readAll(terminal->master()) : QString::fromUtf8(cli.readAllStandardError());
        QVERIFY2(cli.exitStatus() == QProcess::NormalExit && cli.exitCode() == run.status,
                 qPrintable(QString::number(cli.exitCode()) + "\n" + err));
        QVERIFY2(matches(withDevices(run.output, devices), out), qPrintable(out));
        QVERIFY2(matches(run.errors, err), qPrintable(err));
        if (!run.received.isEmpty())
            QVERIFY2(boards[0].waitForReceivedTail(run.received, 10000),
                     boards[0].received().toHex().constData());
        for (qsizetype b = 0; b < options.size(); ++b)
            QCOMPARE(boards[b].receivedStream().left(run.stream.size()),
                     options[b].isEmpty() ? run.stream : QByteArray());
        QFile written(folder.filePath("out.dat"));
        QCOMPARE(written.open(QIODevice::ReadOnly) ? written.readAll() : QByteArray(), run.written);
    }

    // Ctrl+C in the middle of an upload; the boards then take the next one.
    void interrupt_data() {
        QTest::addColumn<int>("boards");
        QTest::addColumn<QString>("output");
        QTest::addColumn<QString>("errors");
        const QString stopped = "Programmation interrompue : la carte ne contient qu'une partie "
                                "de la séquence\\.\n";
        QTest::newRow("one board") << 1 << "^$"
                                   << "bloc 1/16\n.*lt840-cli: " + stopped + "$";
        QTest::newRow("two boards") << 2 << "^(/dev/\\S+ : " + stopped + "){2}$"
                                    << "bloc 1/16\n";
    }
    void interrupt() {
        QFETCH(int, boards);
        QTemporaryDir folder;
        prepare(folder);
        std::deque<VirtualBoard> board(static_cast<size_t>(boards));
        QStringList arguments{"program", folder.filePath("long.dat")};
        for (VirtualBoard& b : board) {
            QCOMPARE(b.start(), QString());
            arguments << "--port" << b.device();
        }
        QProcess cli;
        cli.setReadChannel(QProcess::StandardError);
        cli.start(LT840_CLI_EXE, arguments);
        QString err;
        while (!err.contains("bloc 1/16") && cli.waitForReadyRead(20000))
            err += cli.readAllStandardError();
        // A program already ended has no id, and kill(0) would interrupt this whole group.
        QVERIFY2(cli.processId() > 0, qPrintable(err));
        QCOMPARE(::kill(pid_t(cli.processId()), SIGINT), 0);
        QVERIFY(cli.waitForFinished(20000));
        err += cli.readAllStandardError();
        QVERIFY2(cli.exitStatus() == QProcess::NormalExit && cli.exitCode() == 5, qPrintable(err));
        const QString out = QString::fromUtf8(cli.readAllStandardOutput());
        QFETCH(QString, output);
        QFETCH(QString, errors);
        QVERIFY2(matches(output, out), qPrintable(out));
        QVERIFY2(matches(errors, err), qPrintable(err));
        for (VirtualBoard& b : board) {
            QCOMPARE(QProcess::execute(LT840_CLI_EXE, {"program", folder.filePath("seq%2.DAT"),
                                                       "--port", b.device()}),
                     0);
            QCOMPARE(b.receivedStream(), SeqStream);
        }
    }
};

QTEST_GUILESS_MAIN(TestCommandLine)
#include "tst_commandline.moc"
