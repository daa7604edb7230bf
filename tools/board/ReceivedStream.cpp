#include "board/ReceivedStream.h"

#include "model/BoardFormat.h"

namespace virtualboard {

namespace {

constexpr int HeadSize = 2;

ReceivedRecord decodeRecord(quint8 duration, quint8 lamps) {
    ReceivedRecord record;
    record.duration = duration;
    for (int lamp = 0; lamp < Frame::LampCount; ++lamp)
        record.lit[lamp] = (lamps & (0x80 >> lamp)) == 0;
    return record;
}

QString checkLayout(const QByteArray& raw) {
    if (raw.size() < HeadSize)
        return QStringLiteral("stream of %1 bytes is shorter than its head").arg(raw.size());
    if (raw.size() > boardformat::StreamSize)
        return QStringLiteral("stream of %1 bytes is longer than %2")
            .arg(raw.size())
            .arg(boardformat::StreamSize);
    if (raw.size() % 2 != 0)
        return QStringLiteral("stream of %1 bytes ends inside a record").arg(raw.size());
    if (raw.front() != boardformat::StartByte)
        return QStringLiteral("start byte is 0x%1 instead of 0xA5")
            .arg(quint8(raw.front()), 2, 16, QLatin1Char('0'));
    return {};
}

} // namespace

std::optional<ReceivedStream> decodeStream(const QByteArray& raw, QString* error) {
    if (const QString problem = checkLayout(raw); !problem.isEmpty()) {
        if (error)
            *error = problem;
        return std::nullopt;
    }
    ReceivedStream stream;
    stream.timeBase = quint8(raw.at(1));
    for (qsizetype at = HeadSize; at < raw.size(); at += 2)
        stream.records.append(decodeRecord(quint8(raw.at(at)), quint8(raw.at(at + 1))));
    return stream;
}

QString describeStream(const ReceivedStream& stream) {
    QString text =
        QStringLiteral("time base %1 (%2 ms)\n").arg(stream.timeBase).arg(stream.timeBase * 8);
    for (qsizetype k = 0; k < stream.records.size(); ++k) {
        const ReceivedRecord& record = stream.records.at(k);
        QString lamps;
        for (bool lit : record.lit)
            lamps += lit ? QLatin1Char('#') : QLatin1Char('.');
        text += QStringLiteral("record %1  duration %2  lamps %3\n")
                    .arg(k, 3)
                    .arg(record.duration, 2)
                    .arg(lamps);
    }
    return text;
}

} // namespace virtualboard
