#pragma once

#include "editor/Plateforme.h"

#include <QPointer>

class FenetrePrincipale;

// Lets window events through from inside a handler, and ends the program.
class EventPumpQt : public IEventPump {
public:
    void attacher(FenetrePrincipale* fenetre);
    void laisserPasser() override;
    void repeindre() override;
    void terminer() override;

private:
    QPointer<FenetrePrincipale> m_fenetre;
    bool m_termine = false;
};
