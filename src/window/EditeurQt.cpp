#include "window/EditeurQt.h"

#include "serial/PortMemorise.h"
#include "window/JournalLiaison.h"
#include "window/MenuPeripheriques.h"

EditeurQt::EditeurQt(IProgramFolder* dossiers)
    : surTick([this] { tick(); }), m_minuterie([this] { surTick(); }),
      m_ed({m_messagesTraces, m_fichiers, m_minuterie, m_horloge, m_evenements, m_aiguillage,
            dossiers ? *dossiers : m_dossiers, m_pressePapiers}) {
    // The window paints the model from its first moment: the editor starts before it.
    m_ed.Form_Load();
    m_ed.Peripherique_Click(portmemorise::lire());
    m_fenetre = std::make_unique<FenetrePrincipale>(m_ed);
    m_messages.attacher(m_fenetre.get());
    m_fichiers.attacher(m_fenetre.get());
    m_evenements.attacher(m_fenetre.get());
    new MenuPeripheriques(*m_fenetre, m_ed, m_enumerateur);
    new JournalLiaison(m_fenetre.get(), m_aiguillage, m_serie, m_horloge, m_messagesTraces);
}

void EditeurQt::tick() {
    m_fenetre->executer([this] { m_ed.Timer1_Timer(); });
}
