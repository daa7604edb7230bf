#pragma once

#include <QByteArray>
#include <QtGlobal>

struct Frame;
class Sequence;

// The upload stream: the start byte, the time-base byte, then a duration byte and a lamp
// byte for each record the board holds, cut into blocks of 32 bytes, the last one shorter.
namespace uploadstream {

// The base period in whole units of 8 ms; a decimal period such as 0.344 s gives exactly 43.
quint8 timeBaseByte(double basePeriod);
// The multiplier of a duration code; a code outside the table gives 0, an end mark.
quint8 durationByte(qint16 code);
// Active low, lamp 0 in the most significant bit: a lamp reads lit for any value but 0.
quint8 lampByte(const Frame& frame);

// The stream of records 0..250 of `sequence`. The board plays up to its first record of
// duration 0, and the simulator up to the length N: the codes of records N+1..N+4 go out
// as 0, so that the board's end mark follows the sequence; the sequence itself is left as
// it is.
QByteArray build(const Sequence& sequence, double basePeriod);

// Block b (0 to BlockCount - 1) of a stream.
QByteArray block(const QByteArray& stream, int b);
// How many blocks the handshake sends: those before the first that begins with 0, plus the
// end block sent in its place.
int blocksToSend(const QByteArray& stream);

} // namespace uploadstream
