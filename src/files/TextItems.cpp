#include "files/TextItems.h"

namespace {

bool isBlank(char c) {
    return c == ' ' || c == '\t';
}

bool endsItem(char c, bool blankEnds) {
    return c == ',' || c == '\r' || c == '\n' || (blankEnds && isBlank(c));
}

} // namespace

QByteArray numberField(int n) {
    return (n < 0 ? "-" : " ") + QByteArray::number(qAbs(qint64(n))) + ' ';
}

std::optional<QByteArray> ItemReader::item(bool blankEnds) {
    if (m_pos >= m_bytes.size())
        return std::nullopt;
    skipBlanks();
    const qsizetype start = m_pos;
    while (m_pos < m_bytes.size() && !endsItem(m_bytes.at(m_pos), blankEnds))
        ++m_pos;
    const QByteArray item = m_bytes.mid(start, m_pos - start);
    if (blankEnds)
        skipBlanks();
    skipSeparator();
    return item;
}

void ItemReader::skipBlanks() {
    while (m_pos < m_bytes.size() && isBlank(m_bytes.at(m_pos)))
        ++m_pos;
}

void ItemReader::skipSeparator() {
    if (m_pos >= m_bytes.size())
        return;
    const char c = m_bytes.at(m_pos);
    if (c == ',' || c == '\n') {
        ++m_pos;
    } else if (c == '\r') {
        ++m_pos;
        if (m_pos < m_bytes.size() && m_bytes.at(m_pos) == '\n')
            ++m_pos;
    }
}
