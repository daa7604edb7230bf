#include "cli/HelpText.h"

#include "cli/ExitStatus.h"

#include <utility>

namespace {

// Lines of the help stay within a terminal's customary 80 columns.
constexpr int HelpWidth = 79;

using HelpRows = QList<std::pair<QString, QString>>;

const HelpRows Arguments = {
    {QStringLiteral("commande"), QStringLiteral("identify, program, reset, check ou generate.")},
    {QStringLiteral("fichier"), QStringLiteral("La séquence (.dat) de program et check.")},
    {QStringLiteral("effet"), QStringLiteral("L'effet que generate écrit (voir plus haut).")}};

QString number(ExitStatus status) {
    return QString::number(int(status));
}

const HelpRows ExitStatuses = {
    {number(ExitStatus::Done), QStringLiteral("fait")},
    {number(ExitStatus::Usage), QStringLiteral("usage")},
    {number(ExitStatus::FileRefused), QStringLiteral("fichier absent ou non compatible")},
    {number(ExitStatus::PortUnavailable), QStringLiteral("port non disponible")},
    {number(ExitStatus::BoardSilent),
     QStringLiteral("la carte n'a pas répondu (défaut de dialogue)")}};

// `text` cut into lines of at most HelpWidth columns, every line after the first indented
// by `indent`; the French space before ":", ";" or "…" never ends a line.
QString wrapped(const QString& text, int indent) {
    QStringList units;
    for (const QString& word : text.split(u' ')) {
        if (!units.isEmpty() && (word == u":" || word == u";" || word == u"…"))
            units.last() += u' ' + word;
        else
            units += word;
    }
    QString result, line;
    for (const QString& unit : units) {
        if (!line.isEmpty() && indent + line.size() + 1 + unit.size() > HelpWidth) {
            result += line + u'\n' + QString(indent, u' ');
            line.clear();
        }
        line += (line.isEmpty() ? QString() : QStringLiteral(" ")) + unit;
    }
    return result + line + u'\n';
}

// Two columns, the first as wide as its longest entry, the second wrapped beside it.
QString columns(const HelpRows& rows) {
    qsizetype width = 0;
    for (const auto& row : rows)
        width = qMax(width, row.first.size());
    QString text;
    for (const auto& [left, right] : rows)
        text +=
            QStringLiteral("  ") + left.leftJustified(width + 2) + wrapped(right, int(width) + 4);
    return text;
}

QString syntax(const CommandHelp& command) {
    if (!command.arguments.isEmpty())
        return command.name + u' ' + command.arguments;
    return command.name + (command.takesFile ? QStringLiteral(" FICHIER.dat") : QString()) +
           (command.talksToBoard ? QStringLiteral(" --port PÉRIPHÉRIQUE") : QString());
}

QString syntax(const QCommandLineOption& option) {
    QStringList names;
    for (const QString& name : option.names())
        names += (name.size() == 1 ? QStringLiteral("-") : QStringLiteral("--")) + name;
    const QString value = option.valueName();
    return names.join(QStringLiteral(", ")) +
           (value.isEmpty() ? QString() : QStringLiteral(" <%1>").arg(value));
}

QString section(const QString& heading, const HelpRows& rows) {
    return u'\n' + heading + QStringLiteral(" :\n") + columns(rows);
}

HelpRows optionRows(const QList<QCommandLineOption>& options) {
    HelpRows rows;
    for (const QCommandLineOption& option : options)
        rows += {syntax(option), option.description()};
    return rows;
}

} // namespace

// Composed here rather than by QCommandLineParser, whose headings and built-in options are
// English wherever Qt's own French translation is missing.
QString helpText(const QList<CommandHelp>& commands, const QList<QCommandLineOption>& options,
                 const QList<QCommandLineOption>& effectOptions, const HelpRows& effects) {
    HelpRows commandRows;
    for (const CommandHelp& command : commands)
        commandRows += {syntax(command), command.role};
    return QStringLiteral("Utilisation : lt840-cli [options] commande [FICHIER.dat | EFFET]\n"
                          "Programme une carte chenillard LT840 par sa liaison série, sans "
                          "fenêtre.\n") +
           section(QStringLiteral("Commandes"), commandRows) + u'\n' +
           wrapped(QStringLiteral("Sans --port : la variable LT840_PORT, sinon le port choisi en "
                                  "dernier dans la fenêtre."),
                   0) +
           section(QStringLiteral("Options"), optionRows(options)) +
           section(QStringLiteral("Options de generate"), optionRows(effectOptions)) +
           section(QStringLiteral("Effets de generate"), effects) +
           section(QStringLiteral("Arguments"), Arguments) +
           section(QStringLiteral("Codes de sortie"), ExitStatuses);
}
