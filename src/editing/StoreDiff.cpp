#include "editing/StoreDiff.h"

#include <algorithm>

namespace {

constexpr int Size = Sequence::Capacity;

QList<Frame> extract(StoreDiff::Records records, int first, int last) {
    if (last < first)
        return {};
    return QList<Frame>(records.begin() + first, records.begin() + last + 1);
}

void put(StoreDiff::Store store, int first, const QList<Frame>& records) {
    std::copy(records.begin(), records.end(), store.begin() + first);
}

} // namespace

StoreDiff StoreDiff::between(Records before, Records after, int shift) {
    StoreDiff d;
    int first = 0;
    while (first < Size && before[first] == after[first])
        ++first;
    if (first == Size)
        return d;
    int last = Size - 1;
    while (before[last] == after[last])
        --last;
    d.m_first = first;
    d.m_last = last;
    // A move that does not fit the records that differ, or that finds no record moved, is
    // kept as a plain before and after.
    const bool insertion = shift > 0 && first + shift <= last + 1;
    const bool removal = shift < 0 && first - shift < Size && after[first] == before[first - shift];
    d.m_shift = insertion || removal ? shift : 0;
    if (d.m_shift < 0)
        d.compareRemoval(before, after);
    else
        d.compareInsertion(before, after);
    return d;
}

// Records were inserted at m_first (or none moved): after[m_first + k ..] repeats
// before[m_first ..] for as long as it can.
void StoreDiff::compareInsertion(Records before, Records after) {
    const int k = m_shift;
    int m = m_first + k;
    while (m <= m_last && after[m] == before[m - k])
        ++m;
    m_blockEnd = m;
    m_moved = extract(after, m_first, m_first + k - 1);
    m_tailBefore = extract(before, m - k, m_last);
    m_tailAfter = extract(after, m, m_last);
}

// Records were removed at m_first: after[m_first ..] repeats before[m_first + r ..].
void StoreDiff::compareRemoval(Records before, Records after) {
    const int r = -m_shift;
    int m = m_first;
    while (m <= m_last && m + r < Size && after[m] == before[m + r])
        ++m;
    m_blockEnd = m;
    m_moved = extract(before, m_first, m_first + r - 1);
    m_tailBefore = extract(before, m + r, m_last);
    m_tailAfter = extract(after, m, m_last);
}

void StoreDiff::undo(Store store) const {
    if (isEmpty())
        return;
    const int k = m_shift;
    if (k >= 0) {
        std::copy(store.begin() + m_first + k, store.begin() + m_blockEnd, store.begin() + m_first);
        put(store, m_blockEnd - k, m_tailBefore);
        return;
    }
    std::copy_backward(store.begin() + m_first, store.begin() + m_blockEnd,
                       store.begin() + m_blockEnd - k);
    put(store, m_first, m_moved);
    put(store, m_blockEnd - k, m_tailBefore);
}

void StoreDiff::redo(Store store) const {
    if (isEmpty())
        return;
    const int k = m_shift;
    if (k >= 0) {
        std::copy_backward(store.begin() + m_first, store.begin() + m_blockEnd - k,
                           store.begin() + m_blockEnd);
        put(store, m_first, m_moved);
    } else {
        std::copy(store.begin() + m_first - k, store.begin() + m_blockEnd - k,
                  store.begin() + m_first);
    }
    put(store, m_blockEnd, m_tailAfter);
}
