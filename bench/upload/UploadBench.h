#pragma once

#include "model/Sequence.h"

#include <QList>

#include <algorithm>
#include <initializer_list>

// What the upload benchmarks share: the sequence they program and medians.

inline double median(QList<double> values) {
    if (values.isEmpty())
        return 0;
    std::sort(values.begin(), values.end());
    return values.at(values.size() / 2);
}

// The first measure, with each of `fields` the median over all of them.
template <typename Measure>
Measure medians(const QList<Measure>& measures, std::initializer_list<double Measure::*> fields) {
    Measure m = measures.first();
    for (double Measure::*field : fields) {
        QList<double> values;
        for (const Measure& each : measures)
            values.append(each.*field);
        m.*field = median(values);
    }
    return m;
}

inline QList<double> milliseconds(const QList<qint64>& ns) {
    QList<double> ms;
    for (qint64 n : ns)
        ms.append(double(n) / 1e6);
    return ms;
}

// `n` frames as a user would record them: frame k lights the lamps of the bits of 37k + 1 and
// takes time-base button k % 6.
inline Sequence composed(int n) {
    Sequence sequence;
    for (int k = 0; k < n; ++k) {
        Frame& frame = sequence.at(k);
        const int pattern = (37 * k + 1) & 0xFF;
        for (int lamp = 0; lamp < Frame::LampCount; ++lamp)
            frame.lamps[std::size_t(lamp)] = (pattern >> lamp) & 1;
        frame.code = qint16(k % 6 + 1);
    }
    sequence.setLength(n);
    return sequence;
}
