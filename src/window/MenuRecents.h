#pragma once

#include "storage/FichiersRecents.h"

#include <QObject>
#include <array>
#include <functional>

class QAction;
class QMenu;

// The recent files at the foot of the "Fichier" menu's commands, numbered and reached with
// Alt+1 to Alt+6, kept in the user's settings between runs.
class MenuRecents : public QObject {
public:
    // The entries go before `avant`; choosing one calls `choisir` with its path.
    MenuRecents(QMenu* menu, QAction* avant, std::function<void(const QString&)> choisir);

    QStringList liste() const;
    void retenir(const QString& chemin); // opened or saved just now
    void oublierAbsents();

private:
    void ranger(const QStringList& liste);
    void afficher(const QStringList& liste);

    std::array<QAction*, NombreFichiersRecents> m_entrees{};
    QAction* m_trait;
};
