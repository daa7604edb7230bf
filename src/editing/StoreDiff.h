#pragma once

#include "model/Sequence.h"

#include <QList>

#include <span>

// What one edit changed in the store of records, kept small. Inserting or removing records
// moves every record after them; that block of moved records stays in the store and is moved
// back, so a difference keeps only the records that came in or went out and the few around
// them that differ, never a copy of the whole store.
class StoreDiff {
public:
    using Records = std::span<const Frame, Sequence::Capacity>;
    using Store = std::span<Frame, Sequence::Capacity>;

    // `shift` is the expected move of the records (the change of the record count): any value
    // gives an exact difference, the right one a small difference.
    static StoreDiff between(Records before, Records after, int shift);

    void undo(Store store) const; // the store as it was after, made as it was before
    void redo(Store store) const; // and back

    bool isEmpty() const { return m_last < m_first; }
    // How many records the difference keeps.
    qsizetype keptRecords() const {
        return m_moved.size() + m_tailBefore.size() + m_tailAfter.size();
    }

private:
    void compareInsertion(Records before, Records after);
    void compareRemoval(Records before, Records after);

    int m_first = 0;      // the first record that differs
    int m_last = -1;      // the last one
    int m_shift = 0;      // how far the block moved: > 0 towards the end, < 0 towards the start
    int m_blockEnd = 0;   // the block ends before this record of the store as changed
    QList<Frame> m_moved; // the records inserted, or those removed
    QList<Frame> m_tailBefore; // past the block, as they were
    QList<Frame> m_tailAfter;  // and as they are
};
