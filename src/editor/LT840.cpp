#include "editor/LT840.h"

LT840::LT840(const Plateforme& p) : m_p(p) {}

void LT840::setText3(const QString& texte) {
    if (texte == m_text3)
        return;
    const EtapeEdition etape(*this, true);
    m_text3 = texte;
    Text3_Change();
}

// The navigator's range never goes past the store, so a position it reports is always a
// record that exists, whatever count a file or a typed text brought.
void LT840::setHScroll1Max(int max) {
    m_hscrollMax = qBound(0, max, int(DernierEnr));
    if (m_hscrollValue > m_hscrollMax)
        setHScroll1Value(m_hscrollMax);
}

void LT840::setHScroll1Value(int value) {
    value = qBound(0, value, m_hscrollMax);
    if (value == m_hscrollValue)
        return;
    m_hscrollValue = value;
    HScroll1_Change();
}

void LT840::setTimer1Interval(int ms) {
    m_timerInterval = qMax(0, ms);
    m_p.minuterie.configurer(m_timerInterval, m_timerEnabled);
}

void LT840::setTimer1Enabled(bool actif) {
    m_timerEnabled = actif;
    m_p.minuterie.configurer(m_timerInterval, m_timerEnabled);
}

int LT840::MsgBox(const QString& prompt, int buttons, const QString& title) {
    return m_p.messages.afficher(prompt, buttons, title);
}

int LT840::MsgBoxLiaison(const QString& prompt, int buttons, const QString& title) {
    return m_p.messages.afficherLiaison(prompt, buttons, title);
}
