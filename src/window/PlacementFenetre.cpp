#include "window/PlacementFenetre.h"

#include "serial/UserSettings.h"

#include <QEvent>
#include <QScreen>
#include <QSettings>
#include <QWidget>

namespace {

constexpr int Ecart = 8;

} // namespace

PlacementFenetre::PlacementFenetre(QWidget* fenetre, const QWidget* principale, const QString& nom)
    : QObject(fenetre), m_fenetre(fenetre), m_principale(principale),
      m_cle(QStringLiteral("fenetres/") + nom) {
    fenetre->installEventFilter(this);
}

bool PlacementFenetre::eventFilter(QObject* objet, QEvent* evenement) {
    if (objet != m_fenetre || evenement->spontaneous())
        return false;
    if (evenement->type() == QEvent::Show)
        placer();
    else if (evenement->type() == QEvent::Hide)
        userSettings().setValue(m_cle, m_fenetre->saveGeometry());
    return false;
}

void PlacementFenetre::placer() {
    const QByteArray retenue = userSettings().value(m_cle).toByteArray();
    if (retenue.isEmpty() || !m_fenetre->restoreGeometry(retenue))
        placerACote();
}

// Right of the main window, else left of it, else wherever the screen has room for it.
void PlacementFenetre::placerACote() {
    const QRect principale = m_principale->frameGeometry();
    const QScreen* ecran = m_principale->screen();
    const QRect libre = ecran ? ecran->availableGeometry() : principale;
    const QSize taille = m_fenetre->frameGeometry().size();
    QPoint coin(principale.right() + Ecart, principale.top());
    if (coin.x() + taille.width() > libre.right())
        coin.setX(principale.left() - Ecart - taille.width());
    coin.setX(qBound(libre.left(), coin.x(), qMax(libre.left(), libre.right() - taille.width())));
    coin.setY(qBound(libre.top(), coin.y(), qMax(libre.top(), libre.bottom() - taille.height())));
    m_fenetre->move(coin);
}
