#pragma once

#include "editor/Format.h"

#include <QColor>
#include <QGroupBox>
#include <array>

// One lamp of the grid: a filled circle with its highlight dot. It takes no mouse input, so
// a press on it is a press on the grid at that point.
class VoyantLampe : public QWidget {
    Q_OBJECT

public:
    VoyantLampe(int indice, QWidget* parent);
    void peindre(const QColor& remplissage, const QColor& bordure, bool allumee);
    QColor remplissage() const { return m_remplissage; }

protected:
    void paintEvent(QPaintEvent* evenement) override;

private:
    QColor m_remplissage;
    QColor m_bordure;
};

// The frame of the eight lamps (Frame1).
class GrilleLampesWidget : public QGroupBox {
    Q_OBJECT

public:
    explicit GrilleLampesWidget(QWidget* parent);
    VoyantLampe* lampe(int i) const { return m_lampes.at(i); }

private:
    std::array<VoyantLampe*, NombreLampes> m_lampes{};
};
