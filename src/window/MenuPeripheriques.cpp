#include "window/MenuPeripheriques.h"

#include "editor/LT840.h"
#include "serial/ListePorts.h"
#include "serial/PortMemorise.h"
#include "window/FenetrePrincipale.h"

#include <QAction>
#include <QMenu>

MenuPeripheriques::MenuPeripheriques(FenetrePrincipale& fenetre, LT840& ed,
                                     IEnumerateurPorts& enumerateur)
    : QObject(&fenetre), m_fenetre(fenetre), m_ed(ed), m_enumerateur(enumerateur),
      m_menu(fenetre.findChild<QMenu*>(QStringLiteral("Choix"))) {
    connect(m_menu, &QMenu::aboutToShow, this, [this] { remplir(); });
    for (int i = 0; i < NombrePorts; ++i) {
        QAction* com = m_menu->findChild<QAction*>(QStringLiteral("COM_%1").arg(i));
        connect(com, &QAction::triggered, this, [] { portmemorise::ecrire({}); });
    }
}

void MenuPeripheriques::remplir() {
    qDeleteAll(m_ajoutees);
    m_ajoutees.clear();
    const QList<EntreePort> entrees = entreesPeripheriques(m_enumerateur.ports(), m_ed.PortChoisi);
    if (entrees.isEmpty())
        return;
    m_ajoutees.append(m_menu->addSeparator());
    for (const EntreePort& e : entrees) {
        QAction* a = m_menu->addAction(e.libelle);
        a->setObjectName(QStringLiteral("peripherique"));
        a->setData(e.peripherique);
        a->setCheckable(true);
        a->setChecked(e.coche);
        connect(a, &QAction::triggered, this, [this, p = e.peripherique] {
            m_fenetre.executer([this, &p] { m_ed.Peripherique_Click(p); });
            portmemorise::ecrire(p);
        });
        m_ajoutees.append(a);
    }
}
