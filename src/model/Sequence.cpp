#include "model/Sequence.h"

#include <algorithm>

Sequence::Sequence() {
    m_frames[0].code = 1;
}

void Sequence::setLength(int length) {
    m_length = qBound(0, length, LastRecord);
}

const Frame& Sequence::at(int record) const {
    Q_ASSERT(holds(record));
    return m_frames[std::size_t(record)];
}

Frame& Sequence::at(int record) {
    Q_ASSERT(holds(record));
    return m_frames[std::size_t(record)];
}

Sequence Sequence::loaded(std::span<const Frame> records) {
    Sequence s;
    s.m_frames[0] = Frame{};
    const int n = qMin(int(records.size()), LastRecord);
    for (int r = 0; r <= LastLitAfterLoad; ++r)
        s.m_frames[r].lamps.fill(1);
    std::copy_n(records.begin(), n, s.m_frames.begin());
    s.m_length = n;
    return s;
}

void Sequence::restart() {
    m_frames[0].code = 1;
    for (int r = 1; r <= LastClearedByNew; ++r)
        m_frames[r].code = 0;
    m_length = 0;
}

QList<Frame> Sequence::slice(int first, int last) const {
    if (first < 0 || last < first || !holds(last))
        return {};
    return QList<Frame>(m_frames.begin() + first, m_frames.begin() + last + 1);
}

bool Sequence::insert(int position, std::span<const Frame> block) {
    const int n = int(block.size());
    if (position < 0 || position > m_length || !holds(m_length + n))
        return false;
    std::copy_backward(m_frames.begin() + position, m_frames.begin() + m_length + 1,
                       m_frames.begin() + m_length + n + 1);
    std::copy(block.begin(), block.end(), m_frames.begin() + position);
    m_length += n;
    return true;
}

bool Sequence::remove(int first, int last) {
    if (first < 0 || last < first || last >= m_length)
        return false;
    const int n = last - first + 1;
    std::copy(m_frames.begin() + last + 1, m_frames.begin() + m_length + 1,
              m_frames.begin() + first);
    std::fill(m_frames.begin() + m_length + 1 - n, m_frames.begin() + m_length + 1, Frame{});
    m_length -= n;
    return true;
}
