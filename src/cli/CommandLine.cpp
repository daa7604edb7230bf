#include "cli/CommandLine.h"

#include "cli/EffectCommand.h"
#include "cli/HelpText.h"
#include "model/TimeBase.h"
#include "serial/UserSettings.h"

#include <QCommandLineParser>
#include <QTextStream>

#include <algorithm>

namespace {

struct CommandEntry {
    Request::Command command;
    CommandHelp help;
};

const CommandEntry Commands[] = {
    {Request::Command::Identify,
     {QStringLiteral("identify"), false, true,
      QStringLiteral("affiche l'identification de la carte")}},
    {Request::Command::Program,
     {QStringLiteral("program"), true, true,
      QStringLiteral("programme la séquence, puis réinitialise la carte")}},
    {Request::Command::Reset,
     {QStringLiteral("reset"), false, true, QStringLiteral("réinitialise la carte")}},
    {Request::Command::Check,
     {QStringLiteral("check"), true, false,
      QStringLiteral("vérifie le fichier, affiche le nombre d'enregistrements et la durée d'un "
                     "tour")}}};

// The options, in the order the help lists them.
struct Options {
    QCommandLineOption help{{QStringLiteral("h"), QStringLiteral("help")},
                            QStringLiteral("Affiche cette aide.")};
    QCommandLineOption version{{QStringLiteral("v"), QStringLiteral("version")},
                               QStringLiteral("Affiche la version.")};
    QCommandLineOption port{QStringLiteral("port"),
                            QStringLiteral("Le port série de la carte (/dev/ttyUSB0, COM7)."),
                            QStringLiteral("PÉRIPHÉRIQUE")};
    QCommandLineOption base{
        QStringLiteral("base"),
        QStringLiteral("La base de temps : 0.01 (par défaut), 0.02, 0.05, 0.1 … 0.4."),
        QStringLiteral("PÉRIODE"), QStringLiteral("0.01")};
    QCommandLineOption trace{
        QStringLiteral("trace"),
        QStringLiteral("Montre chaque échange avec la carte sur la sortie d'erreur.")};

    QList<QCommandLineOption> all() const { return {help, version, port, base, trace}; }
};

const CommandHelp GenerateHelp{QStringLiteral("generate"), false, false,
                               QStringLiteral("écrit la séquence d'un effet"),
                               QStringLiteral("EFFET -o FICHIER.dat")};

ExitStatus usage(const QString& text) {
    QTextStream(stderr) << "lt840-cli: " << text << Qt::endl
                        << "lt840-cli --help en dit plus." << Qt::endl;
    return ExitStatus::Usage;
}

ExitStatus done(const QString& text) {
    QTextStream(stdout) << text;
    return ExitStatus::Done;
}

QString help(const Options& options) {
    QList<CommandHelp> commands;
    for (const CommandEntry& entry : Commands)
        commands += entry.help;
    return helpText(commands + QList{GenerateHelp}, options.all(), effectOptions(), effectHelp());
}

QString deviceAsked(const QCommandLineParser& parser, const Options& options) {
    if (parser.isSet(options.port))
        return parser.value(options.port);
    const QString variable = qEnvironmentVariable("LT840_PORT");
    return variable.isEmpty() ? rememberedDevice() : variable;
}

// The command and its arguments, once the options are read.
std::variant<Request, Generation, ExitStatus> readCommand(const QCommandLineParser& parser,
                                                          const Options& options) {
    const QStringList arguments = parser.positionalArguments();
    if (arguments.isEmpty())
        return usage(QStringLiteral("aucune commande"));
    if (arguments.first() == GenerateHelp.name) {
        auto generation = readGeneration(parser);
        if (const auto* error = std::get_if<QString>(&generation))
            return usage(*error);
        return std::get<Generation>(generation);
    }
    for (const QCommandLineOption& option : effectOptions())
        if (parser.isSet(option))
            return usage(
                QStringLiteral("--%1 ne s'applique qu'à generate").arg(option.names().last()));
    const auto entry =
        std::find_if(std::begin(Commands), std::end(Commands),
                     [&](const CommandEntry& e) { return e.help.name == arguments.first(); });
    if (entry == std::end(Commands))
        return usage(QStringLiteral("commande inconnue : %1").arg(arguments.first()));
    const CommandHelp& command = entry->help;
    if (arguments.size() != (command.takesFile ? 2 : 1))
        return usage(command.takesFile
                         ? QStringLiteral("%1 attend un fichier .dat").arg(command.name)
                         : QStringLiteral("%1 n'attend pas de fichier").arg(command.name));
    QString device;
    if (command.talksToBoard) {
        device = deviceAsked(parser, options);
        if (device.isEmpty())
            return usage(QStringLiteral("aucun port : donnez --port PÉRIPHÉRIQUE, ou LT840_PORT"));
    }
    const QString base = parser.value(options.base);
    const std::optional<int> baseIndex = timebase::basePeriodIndex(base);
    if (!baseIndex)
        return usage(QStringLiteral("base de temps inconnue : %1").arg(base));
    return Request{entry->command, arguments.value(1), device, *baseIndex,
                   parser.isSet(options.trace)};
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
