#include "board/BoardService.h"
#include "board/ReceivedStream.h"
#include "model/BoardFormat.h"

#include <QCommandLineParser>
#include <QCoreApplication>
#include <QFile>
#include <QTextStream>

namespace {

constexpr int UsageError = 2;

int usageError(const QString& text) {
    QTextStream(stderr) << "lt840-board: " << text << Qt::endl;
    return UsageError;
}

int decodeFile(const QString& path) {
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return usageError(QStringLiteral("cannot read %1: %2").arg(path, file.errorString()));
    // One byte past a whole stream is enough to tell one too long, and an endless device such
    // as /dev/zero is not read for ever.
    QString error;
    const auto stream = virtualboard::decodeStream(file.read(boardformat::StreamSize + 1), &error);
    if (!stream)
        return usageError(QStringLiteral("%1: %2").arg(path, error));
    QTextStream(stdout) << virtualboard::describeStream(*stream);
    return 0;
}

} // namespace

int main(int argc, char* argv[]) {
    QCoreApplication app(argc, argv);
    QCoreApplication::setApplicationName(QStringLiteral("lt840-board"));

    QCommandLineParser parser;
    parser.setApplicationDescription(
        QStringLiteral("Virtual LT840 board on a pseudo-terminal, paced like a 9600-baud line.\n"
                       "Prints the device path as its first line of output."));
    const QCommandLineOption help = parser.addHelpOption();
    const QCommandLineOption ident(QStringLiteral("ident"),
                                   QStringLiteral("Reply to \"?\" (default \"LT840:V1.02 \")."),
                                   QStringLiteral("TEXT"));
    const QCommandLineOption fault(
        QStringLiteral("fault"),
        QStringLiteral("Misbehave: %1.").arg(virtualboard::faultNames().join(QStringLiteral(", "))),
        QStringLiteral("MODE"));
    const QCommandLineOption log(QStringLiteral("log"),
                                 QStringLiteral("Append every byte received, raw, to FILE."),
                                 QStringLiteral("FILE"));
    const QCommandLineOption programOut(
        QStringLiteral("program-out"),
        QStringLiteral("Write each upload stream received, raw, to FILE."), QStringLiteral("FILE"));
    const QCommandLineOption link(QStringLiteral("link"),
                                  QStringLiteral("Make PATH a symbolic link to the device."),
                                  QStringLiteral("PATH"));
    const QCommandLineOption decode(QStringLiteral("decode"),
                                    QStringLiteral("Print the upload stream in FILE and exit."),
                                    QStringLiteral("FILE"));
    parser.addOptions({ident, fault, log, programOut, link, decode});
    if (!parser.parse(QCoreApplication::arguments()))
        return usageError(parser.errorText());
    if (parser.isSet(help))
        parser.showHelp();
    if (!parser.positionalArguments().isEmpty())
        return usageError(
            QStringLiteral("unexpected argument %1").arg(parser.positionalArguments().first()));
    if (parser.isSet(decode))
        return decodeFile(parser.value(decode));

    virtualboard::BoardOptions options;
    if (parser.isSet(ident))
        options.identification = parser.value(ident).toLatin1();
    if (parser.isSet(fault)) {
        const auto mode = virtualboard::parseFault(parser.value(fault));
        if (!mode)
            return usageError(QStringLiteral("unknown fault %1").arg(parser.value(fault)));
        options.fault = *mode;
    }
    options.logPath = parser.value(log);
    options.streamPath = parser.value(programOut);
    options.linkPath = parser.value(link);
    return virtualboard::serveBoard(options);
}
