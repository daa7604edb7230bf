#pragma once

#include "editing/StoreDiff.h"
#include "model/Frame.h"
#include "model/Sequence.h"

#include <deque>
#include <optional>

// What a step puts back besides the records: the record count, the record shown and the
// address "En cours" names, the lamps of the grid and the unsaved-changes flag.
struct EditState {
    int currentRecord = 0;
    int currentEntry = 0;
    int length = 0;
    LampStates lamps{};
    bool modified = false;
};

// The undo history of the sequence. A step is one user action that changed the stored
// records, the record count, the lamps of the grid or the record shown; going back or forth
// over it restores them as they were on that side of it. The time base and the colours are
// settings, not steps.
class History {
public:
    static constexpr int StepLimit = 500; // the oldest step goes beyond it

    explicit History(const Sequence& sequence) : m_reference(sequence) {}

    // An edit led from `before` to `after`, leaving the records as `now` holds them. Typing
    // into "Maximum" is one step for all that is typed in a row.
    void record(const EditState& before, const EditState& after, const Sequence& now,
                bool typedLength);
    void restart(const Sequence& sequence); // New and Open: a fresh history
    void markSaved();                       // the sequence as it stands is on disk

    bool canUndo() const { return m_position > 0; }
    bool canRedo() const { return m_position < m_steps.size(); }
    // The state to restore, the records of `sequence` put back; nothing when there is no step.
    std::optional<EditState> undo(Sequence& sequence);
    std::optional<EditState> redo(Sequence& sequence);

private:
    struct Step {
        StoreDiff store;
        EditState before;
        EditState after;
    };

    std::deque<Step> m_steps;
    std::size_t m_position = 0; // the steps before it are done, those after undone
    Sequence m_reference;       // the records as the last step left them
    bool m_typing = false;      // the last step is typing into "Maximum" and may take in more
};
