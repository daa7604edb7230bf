#include "storage/FormatTexte.h"

namespace {

bool estBlanc(char c) {
    return c == ' ' || c == '\t';
}

bool estFinDItem(char c, bool blancTermine) {
    return c == ',' || c == '\r' || c == '\n' || (blancTermine && estBlanc(c));
}

} // namespace

QByteArray texteNombre(int n) {
    return (n < 0 ? "-" : " ") + QByteArray::number(qAbs(qint64(n))) + ' ';
}

std::optional<QByteArray> LecteurItems::item(bool blancTermine) {
    if (m_pos >= m_octets.size())
        return std::nullopt;
    sauterBlancs();
    const qsizetype debut = m_pos;
    while (m_pos < m_octets.size() && !estFinDItem(m_octets.at(m_pos), blancTermine))
        ++m_pos;
    const QByteArray item = m_octets.mid(debut, m_pos - debut);
    if (blancTermine)
        sauterBlancs();
    passerSeparateur();
    return item;
}

void LecteurItems::sauterBlancs() {
    while (m_pos < m_octets.size() && estBlanc(m_octets.at(m_pos)))
        ++m_pos;
}

void LecteurItems::passerSeparateur() {
    if (m_pos >= m_octets.size())
        return;
    const char c = m_octets.at(m_pos);
    if (c == ',' || c == '\n') {
        ++m_pos;
    } else if (c == '\r') {
        ++m_pos;
        if (m_pos < m_octets.size() && m_octets.at(m_pos) == '\n')
            ++m_pos;
    }
}
