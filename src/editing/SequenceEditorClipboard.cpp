// The Édition menu's block commands of the sequence editor: copy, cut, paste, insert and
// duplicate, with the desktop's clipboard holding records as the sequence file's lines.
#include "editing/EditStep.h"
#include "editing/Platform.h"
#include "editing/SequenceEditor.h"
#include "files/SequenceFile.h"

#include <span>

namespace {

constexpr int LastBoardRecord = Sequence::LastBoardRecord;

struct Range {
    int first = 0;
    int last = -1;
    bool isEmpty() const { return last < first; }
};

// From "Départ" to "En cours", in either order, within the records made.
Range rangeOf(const SequenceEditor& editor) {
    const int a = editor.startAddress();
    const int b = editor.currentEntry();
    if (!Sequence::holds(a) || !Sequence::holds(b))
        return {};
    return {qMin(a, b), qMin(qMax(a, b), editor.sequence().length() - 1)};
}

// How many records may still come in: the working record never goes past the last record
// the board holds.
int room(const SequenceEditor& editor) {
    return qMax(0, LastBoardRecord - editor.sequence().length());
}

bool onSequence(const SequenceEditor& editor) {
    return editor.currentRecord() <= editor.sequence().length();
}

// A block that does not fit changes nothing; the user is told how many records still do. A
// single record is refused only when none fits, so the count refused is never 1. `freed`
// records leave as the block comes in.
std::optional<Report> refusalFor(const SequenceEditor& editor, int wanted, int freed = 0) {
    const int free = room(editor) + freed;
    if (wanted <= free)
        return std::nullopt;
    const QString limit = SequenceEditor::tr(" (dernière adresse : %1).").arg(LastBoardRecord);
    const QString text =
        free == 0
            ? SequenceEditor::tr("Place insuffisante : la séquence est pleine, elle ne peut "
                                 "plus recevoir aucun enregistrement")
            : SequenceEditor::tr("Place insuffisante : %1 enregistrements à insérer, la séquence "
                                 "ne peut plus en recevoir que %2")
                  .arg(wanted)
                  .arg(free);
    return Report{text + limit, titles::Main, Report::Icon::Warning};
}

Report notRecords() {
    return {SequenceEditor::tr("Le presse-papiers ne contient pas d'enregistrements : il faut une "
                               "ligne de 9 chiffres par enregistrement."),
            titles::Main, Report::Icon::Warning};
}

} // namespace

bool SequenceEditor::canCopy() const {
    return !rangeOf(*this).isEmpty();
}

bool SequenceEditor::canPaste() const {
    return canInsert() && (!m_copied.isEmpty() || m_clipboard.hasText());
}

bool SequenceEditor::canInsert() const {
    return onSequence(*this) && room(*this) > 0;
}

bool SequenceEditor::canDuplicate() const {
    return canInsert() && m_currentRecord < m_sequence.length();
}

void SequenceEditor::keep(const QList<Frame>& records) {
    m_copied = QString::fromLatin1(writeRecordLines(records));
    m_clipboard.setText(m_copied);
}

// `block` goes in before record `position`; record `shown` is then shown.
void SequenceEditor::insertBlock(int position, const QList<Frame>& block, int shown) {
    EditStep step(*this);
    m_sequence.insert(position, std::span<const Frame>(block.constData(), block.size()));
    m_modified = true;
    setCurrent(shown);
    show();
}

void SequenceEditor::copy() {
    const Range range = rangeOf(*this);
    if (!range.isEmpty())
        keep(m_sequence.slice(range.first, range.last));
}

// As "Supp." does for one record, the records that follow move back and the count shrinks;
// the record that takes the place of the first one cut is shown.
void SequenceEditor::cut() {
    const Range range = rangeOf(*this);
    if (range.isEmpty())
        return;
    EditStep step(*this);
    keep(m_sequence.slice(range.first, range.last));
    m_sequence.remove(range.first, range.last);
    m_modified = true;
    setCurrent(range.first);
    show();
}

// The desktop's clipboard first, so that records copied in another editor or typed elsewhere
// come in; the editor's own copy when the desktop holds no text. The record that was current
// stays current, after the records pasted: pasting again repeats the phrase in order.
std::optional<Report> SequenceEditor::paste() {
    if (!onSequence(*this))
        return std::nullopt;
    QString text = m_clipboard.hasText() ? m_clipboard.text() : QString();
    if (text.isEmpty())
        text = m_copied;
    if (text.isEmpty())
        return std::nullopt;
    const std::optional<QList<Frame>> block = readRecordLines(text.toLatin1());
    if (!block)
        return notRecords();
    if (std::optional<Report> refusal = refusalFor(*this, int(block->size())))
        return refusal;
    insertBlock(m_currentRecord, *block, m_currentRecord + int(block->size()));
    return std::nullopt;
}

// An unlit frame with the multiplier in force, shown to be composed.
std::optional<Report> SequenceEditor::insertRecord() {
    if (!onSequence(*this))
        return std::nullopt;
    if (std::optional<Report> refusal = refusalFor(*this, 1))
        return refusal;
    Frame blank;
    blank.code = qint16(m_multiplierIndex + 1);
    insertBlock(m_currentRecord, {blank}, m_currentRecord);
    return std::nullopt;
}

std::optional<Report> SequenceEditor::duplicateRecord() {
    if (m_currentRecord >= m_sequence.length())
        return std::nullopt;
    if (std::optional<Report> refusal = refusalFor(*this, 1))
        return refusal;
    insertBlock(m_currentRecord + 1, m_sequence.slice(m_currentRecord, m_currentRecord),
                m_currentRecord + 1);
    return std::nullopt;
}

std::optional<Report> SequenceEditor::insertFrames(const QList<Frame>& frames) {
    if (!onSequence(*this) || frames.isEmpty())
        return std::nullopt;
    if (std::optional<Report> refusal = refusalFor(*this, int(frames.size())))
        return refusal;
    insertBlock(m_currentRecord, frames, m_currentRecord);
    return std::nullopt;
}

std::optional<Report> SequenceEditor::replaceChosenRange(const QList<Frame>& frames) {
    const Range range = rangeOf(*this);
    if (range.isEmpty() || frames.isEmpty())
        return std::nullopt;
    const int size = range.last - range.first + 1;
    if (std::optional<Report> refusal = refusalFor(*this, int(frames.size()), size))
        return refusal;
    EditStep step(*this);
    m_sequence.remove(range.first, range.last);
    m_sequence.insert(range.first, std::span<const Frame>(frames.constData(), frames.size()));
    m_modified = true;
    setCurrent(range.first);
    show();
    return std::nullopt;
}

QList<Frame> SequenceEditor::chosenFrames() const {
    const Range range = rangeOf(*this);
    return range.isEmpty() ? QList<Frame>() : m_sequence.slice(range.first, range.last);
}
