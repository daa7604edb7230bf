#pragma once

#include <QList>
#include <QString>

// How closely a run of timer ticks kept to its period.
struct TickSpread {
    double seconds = 0;  // from the start to the last tick
    double ratio = 0;    // seconds / the ideal duration
    double medianMs = 0; // of |tick interval - period|
    double p90Ms = 0;
    double maxMs = 0;
};

// `momentsNs`: the start, then the moment of each tick, on one monotonic clock.
TickSpread measureSpread(const QList<qint64>& momentsNs, double periodMs);

QString describe(const QString& name, const TickSpread& spread);
