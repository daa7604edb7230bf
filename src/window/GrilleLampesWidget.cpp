#include "window/GrilleLampesWidget.h"

#include "window/Twips.h"

#include <QPainter>

namespace {

// In twips from the top left corner of the grid: the lamp circles, and the highlight dots
// drawn on them.
constexpr int PasLampes = 600;
QRect cercleLampe(int indice) {
    return rectTwips(240 + PasLampes * indice, 360, 495, 495);
}
QRect pointLampe() {
    return rectTwips(360 - 240, 480 - 360, 75, 135);
}
const QColor CouleurPoint(255, 255, 255);

} // namespace

VoyantLampe::VoyantLampe(int indice, QWidget* parent) : QWidget(parent) {
    setObjectName(QStringLiteral("Shape1_%1").arg(indice));
    setAttribute(Qt::WA_TransparentForMouseEvents);
    setGeometry(cercleLampe(indice));
    setAccessibleName(QStringLiteral("LED %1").arg(indice + 1));
}

void VoyantLampe::peindre(const QColor& remplissage, const QColor& bordure, bool allumee) {
    const QString etat = allumee ? QStringLiteral("allumée") : QStringLiteral("éteinte");
    if (accessibleDescription() != etat)
        setAccessibleDescription(etat);
    if (remplissage == m_remplissage && bordure == m_bordure)
        return;
    m_remplissage = remplissage;
    m_bordure = bordure;
    update();
}

void VoyantLampe::paintEvent(QPaintEvent*) {
    QPainter p(this);
    p.setRenderHint(QPainter::Antialiasing);
    p.setPen(QPen(m_bordure, 1));
    p.setBrush(m_remplissage);
    p.drawEllipse(QRectF(rect()).adjusted(0.5, 0.5, -0.5, -0.5));
    p.setPen(Qt::NoPen);
    p.setBrush(CouleurPoint);
    p.drawEllipse(pointLampe());
}

GrilleLampesWidget::GrilleLampesWidget(QWidget* parent) : QGroupBox(parent) {
    setAccessibleName(QStringLiteral("LED"));
    for (int i = 0; i < NombreLampes; ++i)
        m_lampes[i] = new VoyantLampe(i, this);
}
