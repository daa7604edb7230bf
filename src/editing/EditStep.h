#pragma once

#include <memory>

class SequenceEditor;

// One call of the editor from outside, from its start to its end: the outermost one notes
// the state at its start and, at its end, makes the edit an undo step and announces what
// changed. Calls the editor makes to itself on the way are part of the outer one, whose
// kind decides.
class EditStep {
public:
    enum class Kind {
        Setting, // changes nothing a step restores (the time base, the fields, a record shown)
        Edit,    // an undo step when it changed the records, their count, the lamps or the record
                 // shown
        TypedLength, // "Maximum" typed: one step for all that is typed in a row
    };

    explicit EditStep(SequenceEditor& editor, Kind kind = Kind::Edit);
    ~EditStep();
    EditStep(const EditStep&) = delete;
    EditStep& operator=(const EditStep&) = delete;

    void notePeriodComputed() { m_periodComputed = true; }

private:
    struct Observed;
    void announce(const Observed& before) const;

    SequenceEditor& m_editor;
    EditStep* m_outer;
    std::unique_ptr<Observed> m_before; // only the outermost step notes it
    Kind m_kind;
    bool m_periodComputed = false;
};
