#include "editing/History.h"

namespace {

bool sameView(const EditState& a, const EditState& b) {
    return a.length == b.length && a.lamps == b.lamps && a.currentRecord == b.currentRecord;
}

} // namespace

// The records are compared with the reference, not with a copy taken when the edit began:
// what changed them since the last step (a record shown has its lamps normalised) belongs to
// this step, so that every step leads exactly from one recorded store to the next. Recording
// a frame over the same frame changes only the record shown, and that is still a step.
void History::record(const EditState& before, const EditState& after, const Sequence& now,
                     bool typedLength) {
    StoreDiff diff =
        StoreDiff::between(m_reference.frames(), now.frames(), after.length - before.length);
    if (diff.isEmpty() && sameView(before, after))
        return;
    m_reference = now;
    m_steps.erase(m_steps.begin() + qsizetype(m_position), m_steps.end());
    const bool typing = typedLength && diff.isEmpty();
    if (typing && m_typing) {
        m_steps.back().after = after;
    } else {
        m_steps.push_back({std::move(diff), before, after});
        if (m_steps.size() > std::size_t(StepLimit))
            m_steps.pop_front();
    }
    m_position = m_steps.size();
    m_typing = typing;
}

void History::restart(const Sequence& sequence) {
    m_steps.clear();
    m_position = 0;
    m_reference = sequence;
    m_typing = false;
}

// Only the state just saved is free of unsaved work; any other, even one that was saved or
// opened earlier, differs from what is now on disk.
void History::markSaved() {
    for (std::size_t i = 0; i < m_steps.size(); ++i) {
        m_steps[i].before.modified = i != m_position;
        m_steps[i].after.modified = i + 1 != m_position;
    }
    m_typing = false;
}

std::optional<EditState> History::undo(Sequence& sequence) {
    if (!canUndo())
        return std::nullopt;
    const Step& step = m_steps[--m_position];
    step.store.undo(m_reference.frames());
    m_typing = false;
    sequence = m_reference;
    sequence.setLength(step.before.length);
    return step.before;
}

std::optional<EditState> History::redo(Sequence& sequence) {
    if (!canRedo())
        return std::nullopt;
    const Step& step = m_steps[m_position++];
    step.store.redo(m_reference.frames());
    m_typing = false;
    sequence = m_reference;
    sequence.setLength(step.after.length);
    return step.after;
}
