#pragma once

#include "model/Sequence.h"

#include <QList>

#include <algorithm>

// What the upload benchmarks share: the sequence they program and medians.

inline double median(QList<double> values) {
    if (values.isEmpty())
        return 0;
    std::sort(values.begin(), values.end());
    return values.at(values.size() / 2);
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
