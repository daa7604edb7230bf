#pragma once

#include "cli/EffectCommand.h"
#include "cli/ExitStatus.h"

#include <QString>
#include <QStringList>

#include <variant>

// What the user asked for, once the arguments are read.
struct Request {
    enum class Command { Identify, Program, Reset, Check };

    Command command = Command::Identify;
    QString file;   // the sequence of program and check, as given
    QString device; // the port of a command on one board
    int basePeriodIndex = 0;
    bool trace = false;
    QStringList devices;      // program's boards, when --port is given more than once
    bool allAdapters = false; // program's boards: every adapter the system reports
    bool severalBoards() const { return allAdapters || devices.size() > 1; }
};

// Reads the program's arguments (its own name first). The help, the version and a usage error
// are written out here, and give the status to exit with.
std::variant<Request, Generation, ExitStatus> readCommandLine(const QStringList& arguments);
