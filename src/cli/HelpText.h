#pragma once

#include <QCommandLineOption>
#include <QList>
#include <QString>

// One command as the help lists it.
struct CommandHelp {
    QString name;
    bool takesFile;
    bool talksToBoard;
    QString role;
};

// The whole help, in French whatever the locale, lines within 80 columns.
QString helpText(const QList<CommandHelp>& commands, const QList<QCommandLineOption>& options);
