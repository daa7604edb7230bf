#include "UploadStream.h"

#include "BoardProtocol.h"

namespace vboard {

namespace {

constexpr int kHeadSize = 2;

UploadRecord decodeRecord(quint8 duration, quint8 lamps) {
    UploadRecord record;
    record.duration = duration;
    for (int lamp = 0; lamp < NombreLampes; ++lamp)
        record.lit[lamp] = (lamps & (0x80 >> lamp)) == 0;
    return record;
}

QString checkLayout(const QByteArray& raw) {
    if (raw.size() < kHeadSize)
        return QStringLiteral("stream of %1 bytes is shorter than its head").arg(raw.size());
    if (raw.size() > TailleFlux)
        return QStringLiteral("stream of %1 bytes is longer than %2")
            .arg(raw.size())
            .arg(TailleFlux);
    if (raw.size() % 2 != 0)
        return QStringLiteral("stream of %1 bytes ends inside a record").arg(raw.size());
    if (raw.front() != OctetDebut)
        return QStringLiteral("start byte is 0x%1 instead of 0xA5")
            .arg(quint8(raw.front()), 2, 16, QLatin1Char('0'));
    return {};
}

} // namespace

std::optional<DecodedUpload> decodeUpload(const QByteArray& raw, QString* error) {
    if (const QString problem = checkLayout(raw); !problem.isEmpty()) {
        if (error)
            *error = problem;
        return std::nullopt;
    }
    DecodedUpload upload;
    upload.timeBase = quint8(raw.at(1));
    for (qsizetype at = kHeadSize; at < raw.size(); at += 2)
        upload.records.append(decodeRecord(quint8(raw.at(at)), quint8(raw.at(at + 1))));
    return upload;
}

QString dumpUpload(const DecodedUpload& upload) {
    QString text =
        QStringLiteral("time base %1 (%2 ms)\n").arg(upload.timeBase).arg(upload.timeBase * 8);
    for (qsizetype k = 0; k < upload.records.size(); ++k) {
        const UploadRecord& record = upload.records.at(k);
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

} // namespace vboard
