#include "EcartsTicks.h"

#include <algorithm>
#include <cmath>

namespace {

constexpr double NsParMs = 1e6;

// The value below which the given share of the sorted values lies.
double rang(const QList<double>& tries, double part) {
    const auto i = qsizetype(std::ceil(part * double(tries.size()))) - 1;
    return tries.at(qBound(qsizetype(0), i, tries.size() - 1));
}

} // namespace

EcartsTicks mesurerEcarts(const QList<qint64>& instantsNs, double periodeMs) {
    EcartsTicks e;
    const qsizetype ticks = instantsNs.size() - 1;
    if (ticks < 1)
        return e;
    QList<double> ecarts;
    for (qsizetype i = 1; i <= ticks; ++i)
        ecarts << std::abs(double(instantsNs[i] - instantsNs[i - 1]) / NsParMs - periodeMs);
    std::sort(ecarts.begin(), ecarts.end());
    e.dureeS = double(instantsNs.last() - instantsNs.first()) / 1e9;
    e.ratio = e.dureeS / (double(ticks) * periodeMs / 1000.0);
    e.medianeMs = rang(ecarts, 0.5);
    e.p90Ms = rang(ecarts, 0.9);
    e.maxMs = ecarts.last();
    return e;
}

QString decrire(const QString& nom, const EcartsTicks& e) {
    return QStringLiteral("%1 %2 s  ratio %3  tick error median %4 ms  p90 %5 ms  max %6 ms")
        .arg(nom, -22)
        .arg(e.dureeS, 0, 'f', 4)
        .arg(e.ratio, 0, 'f', 4)
        .arg(e.medianeMs, 0, 'f', 3)
        .arg(e.p90Ms, 0, 'f', 3)
        .arg(e.maxMs, 0, 'f', 3);
}
