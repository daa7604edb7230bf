#include "window/MenuRecents.h"

#include "serial/UserSettings.h"

#include <QAction>
#include <QDir>
#include <QFileInfo>
#include <QMenu>

namespace {

const QString Cle = QStringLiteral("fichiersRecents");

bool existe(const QString& chemin) {
    return QFileInfo::exists(chemin);
}

// An ampersand in a path is shown as itself, not as an access key.
QString legende(int rang, const QString& chemin) {
    QString affiche = QDir::toNativeSeparators(chemin);
    affiche.replace(u'&', QStringLiteral("&&"));
    return QStringLiteral("&%1 %2").arg(rang + 1).arg(affiche);
}

} // namespace

// The entries are made once and only relabelled, so that the one being chosen is never
// deleted while it still reports its choice.
MenuRecents::MenuRecents(QMenu* menu, QAction* avant, std::function<void(const QString&)> choisir)
    : QObject(menu) {
    m_trait = menu->insertSeparator(avant);
    for (int i = 0; i < int(m_entrees.size()); ++i) {
        auto* a = new QAction(menu);
        a->setObjectName(QStringLiteral("Recent_%1").arg(i));
        a->setShortcut(QKeySequence(QStringLiteral("Alt+%1").arg(i + 1)));
        menu->insertAction(avant, a);
        connect(a, &QAction::triggered, this, [a, choisir] { choisir(a->data().toString()); });
        m_entrees[i] = a;
    }
    afficher(liste());
}

QStringList MenuRecents::liste() const {
    return userSettings().value(Cle).toStringList();
}

void MenuRecents::retenir(const QString& chemin) {
    ranger(fichiersRecents(liste(), QFileInfo(chemin).absoluteFilePath(), existe));
}

void MenuRecents::oublierAbsents() {
    ranger(fichiersRecents(liste(), QString(), existe));
}

void MenuRecents::ranger(const QStringList& liste) {
    userSettings().setValue(Cle, liste);
    afficher(liste);
}

void MenuRecents::afficher(const QStringList& liste) {
    for (int i = 0; i < int(m_entrees.size()); ++i) {
        QAction* a = m_entrees[i];
        const bool present = i < liste.size();
        a->setVisible(present);
        a->setEnabled(present); // a hidden entry's shortcut must not act
        a->setData(present ? liste.at(i) : QString());
        a->setText(present ? legende(i, liste.at(i)) : QString());
    }
    m_trait->setVisible(!liste.isEmpty());
}
