#include "cli/CommandLine.h"

#include "cli/EffectCommand.h"
#include "cli/HelpText.h"
#include "model/TimeBase.h"
#include "serial/UserSettings.h"

#include <QCommandLineParser>
#include <QCoreApplication>
#include <QTextStream>

#include <algorithm>

namespace {

// The roles are translated when the help is written, once the translator is installed.
struct CommandEntry {
    Request::Command command;
    const char* name;
    bool takesFile;
    bool talksToBoard;
    const char* role;

    CommandHelp help() const {
        return {QString::fromLatin1(name), takesFile, talksToBoard,
                QCoreApplication::translate("CommandLine", role)};
    }
};

const CommandEntry Commands[] = {
    {Request::Command::Identify, "identify", false, true,
     QT_TRANSLATE_NOOP("CommandLine", "affiche l'identification de la carte")},
    {Request::Command::Program, "program", true, true,
     QT_TRANSLATE_NOOP("CommandLine", "programme la séquence, puis réinitialise la carte")},
    {Request::Command::Reset, "reset", false, true,
     QT_TRANSLATE_NOOP("CommandLine", "réinitialise la carte")},
    {Request::Command::Check, "check", true, false,
     QT_TRANSLATE_NOOP("CommandLine", "vérifie le fichier, affiche le nombre d'enregistrements "
                                      "et la durée d'un tour")}};

// The options, in the order the help lists them.
struct Options {
    QCommandLineOption help{{QStringLiteral("h"), QStringLiteral("help")},
                            QCoreApplication::translate("CommandLine", "Affiche cette aide.")};
    QCommandLineOption version{{QStringLiteral("v"), QStringLiteral("version")},
                               QCoreApplication::translate("CommandLine", "Affiche la version.")};
    QCommandLineOption port{QStringLiteral("port"),
                            QCoreApplication::translate(
                                "CommandLine", "Le port série de la carte (/dev/ttyUSB0, COM7) ; "
                                               "program en prend plusieurs, une carte par port."),
                            QCoreApplication::translate("CommandLine", "PÉRIPHÉRIQUE")};
    QCommandLineOption allAdapters{
        QStringLiteral("all"), QCoreApplication::translate(
                                   "CommandLine", "program : toutes les cartes, une par adaptateur "
                                                  "série que le système signale.")};
    QCommandLineOption base{
        QStringLiteral("base"),
        QCoreApplication::translate("CommandLine",
                                    "La base de temps : 0.01 (par défaut), 0.02, 0.05, 0.1 … 0.4."),
        QCoreApplication::translate("CommandLine", "PÉRIODE"), QStringLiteral("0.01")};
    QCommandLineOption trace{
        QStringLiteral("trace"),
        QCoreApplication::translate("CommandLine",
                                    "Montre chaque échange avec la carte sur la sortie d'erreur.")};

    QList<QCommandLineOption> all() const {
        return {help, version, port, allAdapters, base, trace};
    }
};

constexpr char Generate[] = "generate";

CommandHelp generateHelp() {
    return {QString::fromLatin1(Generate), false, false,
            QCoreApplication::translate("CommandLine", "écrit la séquence d'un effet"),
            QCoreApplication::translate("CommandLine", "EFFET -o FICHIER.dat")};
}

ExitStatus usage(const QString& text) {
    QTextStream(stderr) << "lt840-cli: " << text << Qt::endl
                        << QCoreApplication::translate("CommandLine",
                                                       "lt840-cli --help en dit plus.")
                        << Qt::endl;
    return ExitStatus::Usage;
}

ExitStatus done(const QString& text) {
    QTextStream(stdout) << text;
    return ExitStatus::Done;
}

QString help(const Options& options) {
    QList<CommandHelp> commands;
    for (const CommandEntry& entry : Commands)
        commands += entry.help();
    return helpText(commands + QList{generateHelp()}, options.all(), effectOptions(), effectHelp());
}

QString deviceAsked(const QCommandLineParser& parser, const Options& options) {
    if (parser.isSet(options.port))
        return parser.value(options.port);
    const QString variable = qEnvironmentVariable("LT840_PORT");
    return variable.isEmpty() ? rememberedDevice() : variable;
}

// Why the boards asked for do not suit the command; "" when they do. Two sessions on one
// device would mix their bytes on the line, and the trace follows one board only.
QString boardsRefusal(const CommandEntry& command, const QCommandLineParser& parser,
                      const Options& options) {
    const QStringList ports = parser.values(options.port);
    const bool all = parser.isSet(options.allAdapters);
    if (!all && ports.size() < 2)
        return {};
    if (command.command != Request::Command::Program)
        return QCoreApplication::translate("CommandLine",
                                           "seul program prend plusieurs ports ou --all");
    if (all && !ports.isEmpty())
        return QCoreApplication::translate("CommandLine", "--all ou --port, pas les deux");
    if (parser.isSet(options.trace))
        return QCoreApplication::translate("CommandLine",
                                           "--trace ne suit qu'une carte : un seul --port");
    if (ports.contains(QString())) // would fall back on COM 1, which no one asked for
        return QCoreApplication::translate("CommandLine", "un --port est vide");
    for (const QString& port : ports)
        if (ports.count(port) > 1)
            return QCoreApplication::translate("CommandLine", "le port %1 est donné deux fois")
                .arg(port);
    return {};
}

// The command and its arguments, once the options are read.
std::variant<Request, Generation, ExitStatus> readCommand(const QCommandLineParser& parser,
                                                          const Options& options) {
    const QStringList arguments = parser.positionalArguments();
    if (arguments.isEmpty())
        return usage(QCoreApplication::translate("CommandLine", "aucune commande"));
    if (arguments.first() == QLatin1String(Generate)) {
        auto generation = readGeneration(parser);
        if (const auto* error = std::get_if<QString>(&generation))
            return usage(*error);
        return std::get<Generation>(generation);
    }
    for (const QCommandLineOption& option : effectOptions())
        if (parser.isSet(option))
            return usage(
                QCoreApplication::translate("CommandLine", "--%1 ne s'applique qu'à generate")
                    .arg(option.names().last()));
    const auto entry =
        std::find_if(std::begin(Commands), std::end(Commands), [&](const CommandEntry& e) {
            return QLatin1String(e.name) == arguments.first();
        });
    if (entry == std::end(Commands))
        return usage(QCoreApplication::translate("CommandLine", "commande inconnue : %1")
                         .arg(arguments.first()));
    const CommandEntry& command = *entry;
    const QString name = QString::fromLatin1(command.name);
    if (arguments.size() != (command.takesFile ? 2 : 1))
        return usage(
            command.takesFile
                ? QCoreApplication::translate("CommandLine", "%1 attend un fichier .dat").arg(name)
                : QCoreApplication::translate("CommandLine", "%1 n'attend pas de fichier")
                      .arg(name));
    if (const QString refusal = boardsRefusal(command, parser, options); !refusal.isEmpty())
        return usage(refusal);
    QString device;
    if (command.talksToBoard && !parser.isSet(options.allAdapters)) {
        device = deviceAsked(parser, options);
        if (device.isEmpty())
            return usage(QCoreApplication::translate(
                "CommandLine", "aucun port : donnez --port PÉRIPHÉRIQUE, ou LT840_PORT"));
    }
    const QString base = parser.value(options.base);
    const std::optional<int> baseIndex = timebase::basePeriodIndex(base);
    if (!baseIndex)
        return usage(
            QCoreApplication::translate("CommandLine", "base de temps inconnue : %1").arg(base));
    const QStringList ports = parser.values(options.port);
    return Request{command.command,
                   arguments.value(1),
                   device,
                   *baseIndex,
                   parser.isSet(options.trace),
                   ports.size() > 1 ? ports : QStringList(),
                   parser.isSet(options.allAdapters)};
}

} // namespace

std::variant<Request, Generation, ExitStatus> readCommandLine(const QStringList& arguments) {
    const Options options;
    QCommandLineParser parser;
    parser.addOptions(options.all() + effectOptions());
    if (!parser.parse(arguments))
        return usage(parser.errorText());
    if (parser.isSet(options.help))
        return done(help(options));
    if (parser.isSet(options.version))
        return done(QStringLiteral("lt840-cli " LT840_VERSION "\n"));
    return readCommand(parser, options);
}
