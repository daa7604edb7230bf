#pragma once

#include "board/Fault.h"
#include "model/BoardFormat.h"

#include <QByteArray>
#include <QString>

namespace virtualboard {

struct BoardOptions {
    QByteArray identification = boardformat::Identification;
    Fault fault = Fault::None;
    QString logPath;    // every byte received from the editor is appended here, raw
    QString streamPath; // the last upload stream received, raw
    QString linkPath;   // a symbolic link to the slave device, for a fixed port name
};

// Serves the board on a new pseudo-terminal until SIGTERM or SIGINT, or until the hangup fault
// drops the line. The slave device path is the first line on standard output. Returns the
// process exit status.
int serveBoard(const BoardOptions& options);

} // namespace virtualboard
