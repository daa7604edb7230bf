#pragma once

#include "model/Frame.h"

#include <QByteArray>
#include <QList>
#include <QString>

#include <optional>

namespace virtualboard {

struct ReceivedRecord {
    int duration = 0; // multiplier of the time base; 0 marks the end
    LampStates lit{}; // lit[j]: lamp j is on
};

// An upload stream as the board received it.
struct ReceivedStream {
    int timeBase = 0; // period in units of 8 ms
    QList<ReceivedRecord> records;
};

// Reads the upload stream the board received: the start byte, the time-base byte, then a
// duration byte and an active-low lamp byte per record, lamp 0 in the most significant bit.
// A stream cut short by the end block is accepted as long as it holds whole records.
std::optional<ReceivedStream> decodeStream(const QByteArray& raw, QString* error = nullptr);

// One line for the time base, then one per record: "#" for a lit lamp, "." for an unlit one.
QString describeStream(const ReceivedStream& stream);

} // namespace virtualboard
