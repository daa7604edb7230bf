#pragma once

#include <QCommandLineOption>
#include <QList>
#include <QString>

#include <utility>

// One command as the help lists it.
struct CommandHelp {
    QString name;
    bool takesFile;
    bool talksToBoard;
    QString role;
    QString arguments = {}; // when neither a file nor a port says what follows the name
};

// The whole help, in the user's language where a translation is installed and French
// otherwise, lines within 80 columns: the commands, the options of every command, then those
// of `generate` and its effects.
QString helpText(const QList<CommandHelp>& commands, const QList<QCommandLineOption>& options,
                 const QList<QCommandLineOption>& effectOptions,
                 const QList<std::pair<QString, QString>>& effects);
