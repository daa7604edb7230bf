#include "TickSpread.h"

#include <algorithm>
#include <cmath>

namespace {

constexpr double NsPerMs = 1e6;

// The value below which the given share of the sorted values lies.
double rank(const QList<double>& sorted, double share) {
    const auto i = qsizetype(std::ceil(share * double(sorted.size()))) - 1;
    return sorted.at(qBound(qsizetype(0), i, sorted.size() - 1));
}

} // namespace

TickSpread measureSpread(const QList<qint64>& momentsNs, double periodMs) {
    TickSpread s;
    const qsizetype ticks = momentsNs.size() - 1;
    if (ticks < 1)
        return s;
    QList<double> errors;
    for (qsizetype i = 1; i <= ticks; ++i)
        errors << std::abs(double(momentsNs[i] - momentsNs[i - 1]) / NsPerMs - periodMs);
    std::sort(errors.begin(), errors.end());
    s.seconds = double(momentsNs.last() - momentsNs.first()) / 1e9;
    s.ratio = s.seconds / (double(ticks) * periodMs / 1000.0);
    s.medianMs = rank(errors, 0.5);
    s.p90Ms = rank(errors, 0.9);
    s.maxMs = errors.last();
    return s;
}

QString describe(const QString& name, const TickSpread& s) {
    return QStringLiteral("%1 %2 s  ratio %3  tick error median %4 ms  p90 %5 ms  max %6 ms")
        .arg(name, -22)
        .arg(s.seconds, 0, 'f', 4)
        .arg(s.ratio, 0, 'f', 4)
        .arg(s.medianMs, 0, 'f', 3)
        .arg(s.p90Ms, 0, 'f', 3)
        .arg(s.maxMs, 0, 'f', 3);
}
