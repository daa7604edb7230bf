#include "board/UploadStream.h"

#include "model/BoardFormat.h"
#include "model/Sequence.h"
#include "model/TimeBase.h"

#include <algorithm>
#include <cmath>

namespace uploadstream {

namespace {

// Records after the length whose codes go out as 0.
constexpr int EndMarkRecords = 4;

quint8 toByte(double v) {
    return quint8(qBound(0.0, v, 255.0));
}

bool clearedForEndMark(int record, int length) {
    return record > length && record <= length + EndMarkRecords;
}

} // namespace

// In binary floating point 0.344 / 0.008 comes out a hair below 43; a quotient that close to
// a whole number is that number, as the decimal division the user reads gives.
quint8 timeBaseByte(double basePeriod) {
    const double quotient = basePeriod / boardformat::TimeBaseUnit;
    const double whole = std::round(quotient);
    const bool nearlyWhole = std::abs(quotient - whole) <= 1e-9 * std::max(1.0, whole);
    return toByte(nearlyWhole ? whole : std::floor(quotient));
}

quint8 durationByte(qint16 code) {
    return toByte(timebase::multiplier(code));
}

quint8 lampByte(const Frame& frame) {
    quint8 byte = 0;
    for (int j = 0; j < Frame::LampCount; ++j) {
        if (frame.lamps[j] == 0)
            byte |= quint8(0x80 >> j);
    }
    return byte;
}

QByteArray build(const Sequence& sequence, double basePeriod) {
    QByteArray stream;
    stream.reserve(boardformat::StreamSize);
    stream.append(boardformat::StartByte);
    stream.append(char(timeBaseByte(basePeriod)));
    for (int k = 0; k <= Sequence::LastBoardRecord; ++k) {
        const Frame& frame = sequence.at(k);
        const qint16 code = clearedForEndMark(k, sequence.length()) ? 0 : frame.code;
        stream.append(char(durationByte(code)));
        stream.append(char(lampByte(frame)));
    }
    return stream;
}

QByteArray block(const QByteArray& stream, int b) {
    return stream.mid(qsizetype(b) * boardformat::BlockSize, boardformat::BlockSize);
}

int blocksToSend(const QByteArray& stream) {
    for (int b = 0; b < boardformat::BlockCount; ++b) {
        if (block(stream, b).startsWith('\0'))
            return b + 1;
    }
    return boardformat::BlockCount;
}

} // namespace uploadstream
