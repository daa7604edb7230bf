#pragma once

#include "editor/Plateforme.h"

#include <QElapsedTimer>

class ClockQt : public IClock {
public:
    ClockQt() { m_depart.start(); }
    double heureDuJour() override;
    qint64 monotoneMs() override { return m_depart.elapsed(); }

private:
    QElapsedTimer m_depart;
};
