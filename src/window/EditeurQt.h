#pragma once

#include "editor/LT840.h"
#include "serial/ClockQt.h"
#include "serial/EnumerateurPortsQt.h"
#include "serial/SerialPortQt.h"
#include "serial/TraceLiaison.h"
#include "window/ClipboardQt.h"
#include "window/EventPumpQt.h"
#include "window/FenetrePrincipale.h"
#include "window/FileDialogQt.h"
#include "window/MessageBoxQt.h"
#include "window/ProgramFolderQt.h"
#include "window/TimerQt.h"

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
    ClockQt m_horloge;
    EventPumpQt m_evenements;
    ProgramFolderQt m_dossiers;
    SerialPortQt m_serie;
    // The editor reaches the port and its boxes through these, so that the byte trace can be
    // put in front of them while its window is open.
    AiguillageSerie m_aiguillage{m_serie};
    MessagesTraces m_messagesTraces{m_messages};
    EnumerateurPortsQt m_enumerateur;
    TimerQt m_minuterie;
    ClipboardQt m_pressePapiers;
    LT840 m_ed;
    std::unique_ptr<FenetrePrincipale> m_fenetre;
};
