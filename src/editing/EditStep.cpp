#include "editing/EditStep.h"

#include "editing/History.h"
#include "editing/SequenceEditor.h"

struct EditStep::Observed {
    Sequence sequence;
    EditState state;
    int startAddress;
    int multiplierIndex;
    int basePeriodIndex;
    bool autoRecord;
    LampColours colours;
    bool canUndo;
    bool canRedo;
};

EditStep::EditStep(SequenceEditor& editor, Kind kind)
    : m_editor(editor), m_outer(editor.m_outerStep), m_kind(kind) {
    if (m_outer)
        return;
    m_editor.m_outerStep = this;
    const SequenceEditor& e = m_editor;
    m_before.reset(new Observed{e.m_sequence, e.editState(), e.m_startAddress, e.m_multiplierIndex,
                                e.m_basePeriodIndex, e.m_autoRecord, e.m_colours, e.canUndo(),
                                e.canRedo()});
}

EditStep::~EditStep() {
    if (m_outer) {
        m_outer->m_periodComputed |= m_periodComputed;
        return;
    }
    m_editor.m_outerStep = nullptr;
    if (m_kind != Kind::Setting)
        m_editor.m_history->record(m_before->state, m_editor.editState(), m_editor.m_sequence,
                                   m_kind == Kind::TypedLength);
    announce(*m_before);
}

// Every change is announced once the call is over, so that whoever listens sees the editor
// whole; the period is announced whenever it was computed, even unchanged.
void EditStep::announce(const Observed& before) const {
    SequenceEditor& e = m_editor;
    const EditState now = e.editState();
    if (before.sequence != e.m_sequence)
        emit e.sequenceChanged();
    if (before.state.currentRecord != now.currentRecord)
        emit e.currentRecordChanged(now.currentRecord);
    if (before.state.currentEntry != now.currentEntry)
        emit e.currentEntryChanged(now.currentEntry);
    if (before.startAddress != e.m_startAddress)
        emit e.startAddressChanged(e.m_startAddress);
    if (before.state.lamps != now.lamps)
        emit e.lampsChanged();
    if (before.multiplierIndex != e.m_multiplierIndex)
        emit e.multiplierChanged(e.m_multiplierIndex);
    if (before.basePeriodIndex != e.m_basePeriodIndex)
        emit e.basePeriodChanged(e.m_basePeriodIndex);
    if (m_periodComputed)
        emit e.framePeriodComputed(e.framePeriod());
    if (before.autoRecord != e.m_autoRecord)
        emit e.autoRecordChanged(e.m_autoRecord);
    if (before.state.modified != now.modified)
        emit e.modifiedChanged(now.modified);
    if (before.colours != e.m_colours)
        emit e.coloursChanged();
    if (before.canUndo != e.canUndo() || before.canRedo != e.canRedo())
        emit e.historyChanged();
}
