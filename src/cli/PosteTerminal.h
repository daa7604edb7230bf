#pragma once

#include "cli/PlateformeTerminal.h"
#include "editor/LT840.h"
#include "serial/ClockQt.h"
#include "serial/SerialPortQt.h"
#include "serial/TraceLiaison.h"

#include <optional>

// The exit statuses, as --help and the manual list them.
enum Sortie : int {
    Fait = 0,
    Usage = 1,
    FichierRefuse = 2, // missing, unreadable or not a sequence
    PortIndisponible = 3,
    CarteMuette = 4, // the board did not answer, or not as a board does
};

// The editor on the terminal's platform, started as the window starts it, its port being the
// device given; with a trace on stderr when asked.
class PosteTerminal {
public:
    PosteTerminal(const QString& peripherique, bool trace, bool terminal);

    LT840& ed() { return m_ed; }
    int messages() const { return m_messages.nombre(); }
    bool portOuvert() const { return m_port.estOuvert(); }
    ProgressionTerminal& progression() { return m_progression; }
    // Messages name the file being opened until it is.
    MessagesTerminal& boites() { return m_messages; }
    // The exchange still open in the trace is told before the command's outcome.
    void conclure();

private:
    ProgressionTerminal m_progression;
    MessagesTerminal m_messages{m_progression};
    MessagesTraces m_messagesTraces{m_messages};
    FichiersAucun m_fichiers;
    MinuterieInerte m_minuterie;
    ClockQt m_horloge;
    DossiersTemporaires m_dossiers;
    PressePapiersAucun m_pressePapiers;
    SerialPortQt m_port;
    std::optional<TraceLiaison> m_trace;
    LT840 m_ed;
};

// The commands; each returns the program's exit status, its failures told on stderr.
Sortie identifier(PosteTerminal& p);
Sortie programmer(PosteTerminal& p, const QString& fichier);
Sortie reinitialiser(PosteTerminal& p);
Sortie verifier(PosteTerminal& p, const QString& fichier);

// Selects the base period of the time-base list that `texte` gives ("0.05", "0.050"); false,
// leaving the selection, when the list holds no such period.
bool choisirBase(LT840& ed, const QString& texte);
