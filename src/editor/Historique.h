#pragma once

#include <memory>

class LT840;

// The undo history of the sequence. A step is one user action that changed the stored
// records, the record count or the lamps of the grid; going back or forth over it restores
// all three, with the current record and the unsaved-changes flag, as they were on that side
// of it. The time base and the colour scheme are settings, not steps.
class HistoriqueEdition {
public:
    static constexpr int NombreEtapes = 500; // the oldest step goes beyond this

    HistoriqueEdition();
    ~HistoriqueEdition();
    HistoriqueEdition(const HistoriqueEdition&) = delete;
    HistoriqueEdition& operator=(const HistoriqueEdition&) = delete;

    // Around every handler that may change the sequence; the outermost pair records the step.
    // Typing into "Maximum" gives one step for the whole of what is typed in a row.
    void commencer(const LT840& ed, bool saisieMaximum);
    void terminer(LT840& ed);

    void recommencer(const LT840& ed); // New and Open: a fresh history from the sequence
    void sauvegarde();                 // the sequence as it stands is the one on disk

    bool peutAnnuler() const;
    bool peutRetablir() const;
    void annuler(LT840& ed);
    void retablir(LT840& ed);

private:
    struct Donnees;
    std::unique_ptr<Donnees> d;
};

// One handler, one step: declared first in every handler that changes the sequence.
class EtapeEdition {
public:
    explicit EtapeEdition(LT840& ed, bool saisieMaximum = false);
    ~EtapeEdition();
    EtapeEdition(const EtapeEdition&) = delete;
    EtapeEdition& operator=(const EtapeEdition&) = delete;

private:
    LT840& m_ed;
};
