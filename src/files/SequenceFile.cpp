#include "files/SequenceFile.h"

#include "files/TextItems.h"
#include "model/NumericText.h"

#include <algorithm>

namespace {

constexpr char Header[] = "LT840  V1.02";
constexpr int RecordLineSize = 1 + Frame::LampCount;

bool isDigit(char c) {
    return c >= '0' && c <= '9';
}

QByteArray recordLine(const Frame& frame) {
    QByteArray line = QByteArray::number(frame.code);
    for (qint16 lamp : frame.lamps)
        line += QByteArray::number(lamp);
    return line;
}

// Column c (0-based) of a record line, as a digit.
qint16 column(const QByteArray& line, int c) {
    return c < line.size() && isDigit(line.at(c)) ? qint16(line.at(c) - '0') : 0;
}

Frame frameOf(const QByteArray& line) {
    Frame frame;
    frame.code = column(line, 0);
    for (int i = 0; i < Frame::LampCount; ++i)
        frame.lamps[i] = column(line, i + 1);
    return frame;
}

// Both saving and playback use record N itself, which the store must hold: a count beyond
// Sequence::LastRecord is refused, not cut down.
std::optional<int> recordCount(const QByteArray& item) {
    const std::optional<double> number = leadingNumber(QString::fromLatin1(item));
    if (!number)
        return std::nullopt;
    const double n = roundHalfEven(*number);
    if (!(n >= 0.0 && n <= Sequence::LastRecord))
        return std::nullopt;
    return int(n);
}

} // namespace

QByteArray writeSequenceFile(const Sequence& sequence) {
    const int n = sequence.length();
    return Header + QByteArray(LineEnd) + numberField(n) + LineEnd +
           writeRecordLines(sequence.frames().first(std::size_t(n) + 1));
}

std::optional<QList<Frame>> readSequenceFile(const QByteArray& bytes) {
    ItemReader items(bytes);
    const auto header = items.text();
    if (!header || !header->contains("LT840"))
        return std::nullopt;
    const auto countItem = items.text();
    const auto count = countItem ? recordCount(*countItem) : std::nullopt;
    if (!count)
        return std::nullopt;
    QList<Frame> records;
    records.reserve(*count);
    for (int r = 0; r < *count; ++r) {
        const auto line = items.text();
        if (!line)
            return std::nullopt;
        records.append(frameOf(*line));
    }
    return records;
}

QByteArray writeRecordLines(std::span<const Frame> records) {
    QByteArray bytes;
    for (const Frame& frame : records)
        bytes += recordLine(frame) + LineEnd;
    return bytes;
}

std::optional<QList<Frame>> readRecordLines(const QByteArray& text) {
    QList<Frame> records;
    for (const QByteArray& raw : text.split('\n')) {
        const QByteArray line = raw.trimmed();
        if (line.isEmpty())
            continue;
        if (line.size() != RecordLineSize || !std::all_of(line.begin(), line.end(), isDigit))
            return std::nullopt;
        records.append(frameOf(line));
    }
    if (records.isEmpty())
        return std::nullopt;
    return records;
}
