#pragma once

#include "editor/LT840.h"
#include "window/DossierQt.h"
#include "window/FenetrePrincipale.h"
#include "window/FileDialogQt.h"
#include "window/HorlogeQt.h"
#include "window/MessageBoxQt.h"
#include "window/MinuterieQt.h"
#include "window/PompeQt.h"
#include "window/PortSerieQt.h"

#include <functional>
#include <memory>

// The editor wired to the Qt platform and started, with its main window (not shown yet): what
// the program runs, and what the playback benchmark measures.
class EditeurQt {
public:
    // `dossiers`, when given, stands for the folders the program keeps its files in.
    explicit EditeurQt(IProgramFolder* dossiers = nullptr);
    EditeurQt(const EditeurQt&) = delete;
    EditeurQt& operator=(const EditeurQt&) = delete;

    LT840& editeur() { return m_ed; }
    FenetrePrincipale& fenetre() { return *m_fenetre; }

    // What each tick of the timer runs; by default tick(), which a benchmark may wrap.
    std::function<void()> surTick;
    // The editor's Timer1_Timer, through the window like any handler.
    void tick();

private:
    MessageBoxQt m_messages;
    FileDialogQt m_fichiers;
    HorlogeQt m_horloge;
    PompeQt m_evenements;
    DossierQt m_dossiers;
    PortSerieQt m_serie;
    MinuterieQt m_minuterie;
    LT840 m_ed;
    std::unique_ptr<FenetrePrincipale> m_fenetre;
};
