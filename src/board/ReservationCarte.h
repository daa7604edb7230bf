#pragma once

#include "editor/LT840.h"

// Holds the board line for the length of one board command; `acquise()` is false when
// another command already holds it, and the new command must then do nothing.
class ReservationCarte {
public:
    explicit ReservationCarte(LT840& ed) : m_ed(ed), m_acquise(!ed.m_carteOccupee) {
        if (!m_acquise)
            return;
        m_ed.m_carteOccupee = true;
        m_ed.plateforme().serie.debutCommande();
    }
    ~ReservationCarte() {
        if (m_acquise)
            m_ed.m_carteOccupee = false;
    }
    ReservationCarte(const ReservationCarte&) = delete;
    ReservationCarte& operator=(const ReservationCarte&) = delete;
    bool acquise() const { return m_acquise; }

private:
    LT840& m_ed;
    bool m_acquise;
};
