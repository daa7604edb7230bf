#pragma once

#include "model/Sequence.h"

// What the LT840 board and the editor agree on over the line, for the editor, its trace and
// the virtual board alike.
namespace boardformat {

inline constexpr int PortCount = 4;                      // COM 1 to COM 4
inline constexpr char Signature[] = "LT840:";            // how the board's identification begins
inline constexpr char Identification[] = "LT840:V1.02 "; // what a board of this version says
inline constexpr int IdentificationLength = sizeof(Identification) - 1;
inline constexpr int QueryReplyLength = 12;
inline constexpr int MessageLimit = 32; // an exchange writes at most this many bytes

// The upload stream: a start byte, the time-base byte, then a duration byte and a lamp byte
// for each record the board holds, cut into blocks.
inline constexpr char StartByte = char(0xA5);
inline constexpr int StreamSize = 2 + 2 * Sequence::BoardCapacity; // 504
inline constexpr int BlockSize = 32;
inline constexpr int BlockCount = (StreamSize + BlockSize - 1) / BlockSize; // 16
inline constexpr double TimeBaseUnit = 0.008; // seconds per unit of the time-base byte

} // namespace boardformat
