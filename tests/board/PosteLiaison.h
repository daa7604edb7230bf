#pragma once

#include "Banc.h"
#include "FakeSerie.h"

#include <QStringList>

// An editor, started, wired to a scripted board that says nothing until the test scripts it.
struct PosteLiaison {
    Banc banc{nullptr, false};
    FakeSerie port{banc.horloge};

    PosteLiaison() {
        banc.serie = &port;
        banc.ed = std::make_unique<LT840>(banc.plateforme());
        banc->Form_Load();
    }
    LT840* operator->() { return banc.ed.get(); }

    QStringList textesAffiches() const {
        QStringList textes;
        for (const BoiteAffichee& b : banc.messages.affichees)
            textes.append(b.prompt);
        return textes;
    }
};

inline const QByteArray Asterisques(32, '*');
inline const QByteArray Identification = QByteArrayLiteral("LT840:V1.02 ");
inline const QString PortNonDisponible = QStringLiteral("PORT de communication non disponible");
inline const QString DefautDialogue = QStringLiteral("DEFAUT DE DIALOGUE");

inline QString com1Indisponible() {
    return QStringLiteral(
        "COM1: n'est pas disponible. Changez dans la propriété Option pour un autre port.");
}
