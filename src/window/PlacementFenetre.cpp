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

// On the side of the main window where the screen has more room; a window wider than that
// room is made narrower when it can be, and only otherwise overlaps.
void PlacementFenetre::placerACote() {
    const QRect principale = m_principale->frameGeometry();
    const QScreen* ecran = m_principale->screen();
    const QRect libre = ecran ? ecran->availableGeometry() : principale;
    const int cadre = m_fenetre->frameGeometry().width() - m_fenetre->width();
    const int aDroite = libre.right() - principale.right() - Ecart;
    const int aGauche = principale.left() - libre.left() - Ecart;
    const int place = qMax(aDroite, aGauche) - cadre;
    if (m_fenetre->width() > place && place >= m_fenetre->minimumSizeHint().width())
        m_fenetre->resize(place, m_fenetre->height());
    const int largeur = m_fenetre->frameGeometry().width();
    QPoint coin(aDroite >= aGauche ? principale.right() + Ecart
                                   : principale.left() - Ecart - largeur,
                principale.top());
    coin.setX(qBound(libre.left(), coin.x(), qMax(libre.left(), libre.right() - largeur)));
    coin.setY(qBound(libre.top(), coin.y(),
                     qMax(libre.top(), libre.bottom() - m_fenetre->frameGeometry().height())));
    m_fenetre->move(coin);
}
