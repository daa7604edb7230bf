#pragma once

#include <QList>
#include <QString>

// How closely a run of timer ticks kept to its period.
struct EcartsTicks {
    double dureeS = 0;    // from the start to the last tick
    double ratio = 0;     // duree / ideal duration
    double medianeMs = 0; // of |tick interval - period|
    double p90Ms = 0;
    double maxMs = 0;
};

// `instantsNs`: the start, then the moment of each tick, on one monotonic clock.
EcartsTicks mesurerEcarts(const QList<qint64>& instantsNs, double periodeMs);

QString decrire(const QString& nom, const EcartsTicks& e);
