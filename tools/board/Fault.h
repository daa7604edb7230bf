#pragma once

#include <QString>
#include <QStringList>

#include <optional>

namespace virtualboard {

// Misbehaviours the virtual board can put on, so that tests reach the editor's failure paths.
enum class Fault {
    None,
    Silent,    // never replies
    Late,      // replies after the editor has given up waiting
    Bytewise,  // hands reply bytes over one by one instead of in one burst
    Split,     // first reply byte, a pause, then the rest
    Stale,     // two stray bytes ahead of the first identification
    WrongAck,  // answers "P" with "X"
    GapFR,     // pause between the "F" and the "R" of the end-of-programming reply
    HangUp,    // drops the line in the middle of the first data block
    Asterisks, // answers "?" only once it has seen a full resynchronisation
};

// The fault a command-line name stands for; nothing for an unknown name.
std::optional<Fault> parseFault(const QString& name);
// Every name parseFault() knows, in the order the help lists them.
QStringList faultNames();

} // namespace virtualboard
