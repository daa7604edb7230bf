#include "cli/HelpText.h"

#include "cli/ExitStatus.h"

#include <QCoreApplication>

#include <utility>

namespace {

// Lines of the help stay within a terminal's customary 80 columns.
constexpr int HelpWidth = 79;

using HelpRows = QList<std::pair<QString, QString>>;

HelpRows arguments() {
    return {
        {QCoreApplication::translate("HelpText", "commande"),
         QCoreApplication::translate("HelpText", "identify, program, reset, check ou generate.")},
        {QCoreApplication::translate("HelpText", "fichier"),
         QCoreApplication::translate("HelpText", "La séquence (.dat) de program et check.")},
        {QCoreApplication::translate("HelpText", "effet"),
         QCoreApplication::translate("HelpText", "L'effet que generate écrit (voir plus haut).")}};
}

QString number(ExitStatus status) {
    return QString::number(int(status));
}

HelpRows exitStatuses() {
    return {
        {number(ExitStatus::Done), QCoreApplication::translate("HelpText", "fait")},
        {number(ExitStatus::Usage), QCoreApplication::translate("HelpText", "usage")},
        {number(ExitStatus::FileRefused),
         QCoreApplication::translate("HelpText", "fichier absent ou non compatible")},
        {number(ExitStatus::PortUnavailable),
         QCoreApplication::translate("HelpText", "port non disponible")},
        {number(ExitStatus::BoardSilent),
         QCoreApplication::translate("HelpText", "la carte n'a pas répondu (défaut de dialogue)")},
        {number(ExitStatus::Stopped),
         QCoreApplication::translate("HelpText", "programmation arrêtée par Ctrl+C")}};
}

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
    return command.name +
           (command.takesFile ? QCoreApplication::translate("HelpText", " FICHIER.dat")
                              : QString()) +
           (command.talksToBoard ? QCoreApplication::translate("HelpText", " --port PÉRIPHÉRIQUE")
                                 : QString());
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
    //: After a heading of the help, before its lines.
    return u'\n' + heading + QCoreApplication::translate("HelpText", " :\n") + columns(rows);
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
    const QString usage = QCoreApplication::translate(
        "HelpText", "Utilisation : lt840-cli [options] commande [FICHIER.dat | EFFET]\n"
                    "Programme une carte chenillard LT840 par sa liaison série, sans fenêtre.\n");
    return usage + section(QCoreApplication::translate("HelpText", "Commandes"), commandRows) +
           u'\n' +
           wrapped(QCoreApplication::translate("HelpText",
                                               "Sans --port : la variable LT840_PORT, sinon le "
                                               "port choisi en dernier dans la fenêtre."),
                   0) +
           u'\n' +
           wrapped(QCoreApplication::translate(
                       "HelpText",
                       "Avec plusieurs --port, ou --all, program programme les cartes ensemble "
                       "et écrit une ligne par carte, « PORT : résultat », dans l'ordre des "
                       "ports ; le code de sortie est le plus grand des cartes. Ctrl+C arrête "
                       "la programmation après le bloc en cours (code 5)."),
                   0) +
           section(QCoreApplication::translate("HelpText", "Options"), optionRows(options)) +
           section(QCoreApplication::translate("HelpText", "Options de generate"),
                   optionRows(effectOptions)) +
           section(QCoreApplication::translate("HelpText", "Effets de generate"), effects) +
           section(QCoreApplication::translate("HelpText", "Arguments"), arguments()) +
           section(QCoreApplication::translate("HelpText", "Codes de sortie"), exitStatuses());
}
