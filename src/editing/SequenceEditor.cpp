#include "editing/SequenceEditor.h"

#include "editing/EditStep.h"
#include "editing/History.h"
#include "model/Moves.h"
#include "model/TimeBase.h"

#include <array>

using Kind = EditStep::Kind;

namespace {

constexpr int LastBoardRecord = Sequence::LastBoardRecord;

// Which presses of a transformation button mark the sequence as changed; they may differ from
// the presses that transform.
enum class Marks { Never, OnLeft, Always };

// What a press does besides the right-button recording that all the buttons share.
struct MoveRule {
    bool leftOnly;
    Marks marks;
    bool recordsFirst; // with "Mode Auto." ticked, record the frame before moving it
    bool showsEntry;   // "En cours" shows the current record again
};

// One rule per move, in the order of Move.
constexpr std::array<MoveRule, 7> MoveRules{{
    {true, Marks::OnLeft, false, false}, // mirror left
    {false, Marks::Never, false, false}, // mirror right
    {true, Marks::Never, true, true},    // shift left
    {true, Marks::Always, true, false},  // shift right
    {true, Marks::OnLeft, true, false},  // rotate left
    {true, Marks::Always, true, false},  // rotate right
    {false, Marks::Never, false, false}, // invert
}};
static_assert(MoveRules.size() == std::size_t(Move::Invert) + 1);

} // namespace

SequenceEditor::SequenceEditor(IClipboard& clipboard, QObject* parent)
    : QObject(parent), m_clipboard(clipboard), m_history(std::make_unique<History>(m_sequence)) {}

SequenceEditor::~SequenceEditor() = default;

int SequenceEditor::markedButton() const {
    return m_multiplierIndex >= 0 && m_multiplierIndex < timebase::ButtonCount ? m_multiplierIndex
                                                                               : -1;
}

double SequenceEditor::framePeriod() const {
    return timebase::framePeriod(timebase::basePeriod(m_basePeriodIndex), m_multiplierIndex);
}

bool SequenceEditor::canUndo() const {
    return m_history->canUndo();
}

bool SequenceEditor::canRedo() const {
    return m_history->canRedo();
}

EditState SequenceEditor::editState() const {
    return {m_currentRecord, m_currentEntry, m_sequence.length(), m_lamps, m_modified};
}

void SequenceEditor::restore(const EditState& state) {
    m_currentRecord = state.currentRecord;
    m_currentEntry = state.currentEntry;
    m_lamps = state.lamps;
    m_modified = state.modified;
}

void SequenceEditor::setCurrent(int record) {
    m_currentRecord = record;
    m_currentEntry = record;
}

void SequenceEditor::notePeriodComputed() {
    Q_ASSERT(m_outerStep);
    m_outerStep->notePeriodComputed();
}

// Lamp values other than 1 and codes outside 1..6 come only from files. The grid lights only
// 1 and the store keeps 0 for the others; a code above 6 shows as x20 and one below 1 as no
// multiplier, while the store keeps the code the file brought.
void SequenceEditor::show() {
    Frame& frame = currentFrame();
    for (int i = 0; i < Frame::LampCount; ++i) {
        m_lamps[i] = frame.isLit(i);
        if (!m_lamps[i])
            frame.lamps[i] = 0;
    }
    m_multiplierIndex = qBound(-1, frame.code - 1, timebase::ButtonCount - 1);
    notePeriodComputed();
}

// Recording changes the stored sequence, so it is unsaved work, as a lamp click is. Past the
// last record the board holds, the sequence comes back to it and recording overwrites it.
void SequenceEditor::recordFrame() {
    EditStep step(*this);
    if (m_currentRecord >= LastBoardRecord) {
        m_currentRecord = LastBoardRecord;
        m_sequence.setLength(LastBoardRecord);
    }
    const int made = m_currentRecord;
    for (int i = 0; i < Frame::LampCount; ++i)
        currentFrame().lamps[i] = m_lamps[i] ? 1 : 0;
    currentFrame().code = qint16(m_multiplierIndex + 1);
    m_modified = true;
    setCurrent(qMin(made + 1, LastBoardRecord));
    const int length = m_sequence.length();
    if (m_currentRecord < length) {
        show(); // an existing record was overwritten: the next one is shown
        return;
    }
    // The working record starts with the multiplier just used; a record made without one is
    // given the first, so that it keeps a duration.
    Frame& next = currentFrame();
    Frame& previous = m_sequence.at(m_currentRecord - 1);
    next.code = previous.code;
    if (next.code < 1)
        previous.code = 1;
    // Past the end the sequence grows and the frame stays on the grid as the starting point
    // of the next one; the last record made overwritten, the working record is shown.
    if (m_currentRecord > length)
        m_sequence.setLength(m_currentRecord);
    else if (m_currentRecord > made)
        show();
}

void SequenceEditor::showRecord(int record) {
    EditStep step(*this, Kind::Setting);
    const int shown = qBound(0, record, m_sequence.length());
    if (shown == m_currentRecord)
        return;
    setCurrent(shown);
    show();
}

void SequenceEditor::showCurrentRecord() {
    EditStep step(*this, Kind::Setting);
    show();
}

bool SequenceEditor::showStoredRecord(int record) {
    if (!Sequence::holds(record))
        return false;
    EditStep step(*this, Kind::Setting);
    setCurrent(record);
    show();
    return true;
}

void SequenceEditor::showPreviousRecord() {
    if (m_currentRecord > 0)
        showRecord(m_currentRecord - 1);
}

void SequenceEditor::toggleLamp(int lamp) {
    if (lamp < 0 || lamp >= Frame::LampCount)
        return;
    EditStep step(*this);
    m_modified = true;
    m_lamps[lamp] = !m_lamps[lamp];
    currentFrame().lamps[lamp] = m_lamps[lamp] ? 1 : 0;
}

// CLEAR changes the grid only; the record keeps its lamps until the frame is recorded.
void SequenceEditor::clearFrame() {
    EditStep step(*this);
    m_lamps.fill(false);
}

// The rotations move the current record too, from its own content, not from the lamps, so a
// frame that differs from its record stays different; the other moves leave it.
void SequenceEditor::transform(Move move, Press press) {
    EditStep step(*this);
    const MoveRule& rule = MoveRules[std::size_t(move)];
    if (rule.marks == Marks::Always || (rule.marks == Marks::OnLeft && press == Press::Left))
        m_modified = true;
    if (rule.leftOnly && press != Press::Left)
        return;
    if (rule.recordsFirst && m_autoRecord)
        recordFrame();
    if (rule.showsEntry)
        m_currentEntry = m_currentRecord;
    applyMove(move, std::span<bool>(m_lamps), true, false);
    ::rotate(move, std::span<qint16>(currentFrame().lamps));
}

void SequenceEditor::mirror(Side side, Press press) {
    transform(side == Side::Left ? Move::MirrorLeft : Move::MirrorRight, press);
}

void SequenceEditor::shift(Side side, Press press) {
    transform(side == Side::Left ? Move::ShiftLeft : Move::ShiftRight, press);
}

void SequenceEditor::rotate(Side side, Press press) {
    transform(side == Side::Left ? Move::RotateLeft : Move::RotateRight, press);
}

void SequenceEditor::invert(Press press) {
    transform(Move::Invert, press);
}

void SequenceEditor::setAutoRecord(bool on) {
    EditStep step(*this, Kind::Setting);
    m_autoRecord = on;
}

void SequenceEditor::setStartAddress(int address) {
    EditStep step(*this, Kind::Setting);
    m_startAddress = address;
}

void SequenceEditor::checkStartAddress() {
    EditStep step(*this, Kind::Setting);
    m_startAddress = qMin(m_startAddress, m_sequence.length());
}

void SequenceEditor::setCurrentEntry(int record) {
    EditStep step(*this, Kind::Setting);
    m_currentEntry = record;
}

// Only the field is held: records are reached with the navigator and "-".
void SequenceEditor::checkCurrentEntry() {
    EditStep step(*this, Kind::Setting);
    m_currentEntry = qMin(m_currentEntry, m_sequence.length());
}

// A count below the record shown brings it back to the count, and shows that record.
void SequenceEditor::setLength(int length) {
    EditStep step(*this, Kind::TypedLength);
    const int count = qBound(0, length, Sequence::LastRecord);
    if (count == m_sequence.length())
        return;
    m_sequence.setLength(count);
    m_modified = true;
    if (m_currentRecord > count) {
        setCurrent(count);
        show();
    }
}

// The record "En cours" names goes, within the records made or the working record after
// them; an address outside them deletes nothing. The working record is emptied first, so the
// record before it is an empty one once the others moved back.
void SequenceEditor::deleteRecord() {
    const int doomed = m_currentEntry;
    const int end = m_sequence.length();
    if (doomed < 0 || doomed > end)
        return;
    EditStep step(*this);
    m_modified = true;
    m_sequence.at(end) = Frame{};
    if (doomed < end)
        m_sequence.remove(doomed, doomed);
    else
        m_sequence.setLength(end - 1);
    setCurrent(qMin(doomed, m_sequence.length()));
    show();
}

void SequenceEditor::chooseMultiplier(int button) {
    if (button < 0 || button >= timebase::ButtonCount)
        return;
    EditStep step(*this, Kind::Setting);
    m_multiplierIndex = button;
    notePeriodComputed();
}

void SequenceEditor::setMultiplierIndex(int index) {
    EditStep step(*this, Kind::Setting);
    m_multiplierIndex = index;
}

void SequenceEditor::chooseBasePeriod(int index) {
    EditStep step(*this, Kind::Setting);
    m_basePeriodIndex = index;
    notePeriodComputed();
}

void SequenceEditor::computeFramePeriod() {
    EditStep step(*this, Kind::Setting);
    notePeriodComputed();
}

void SequenceEditor::undo() {
    EditStep step(*this, Kind::Setting);
    if (const std::optional<EditState> state = m_history->undo(m_sequence))
        restore(*state);
}

void SequenceEditor::redo() {
    EditStep step(*this, Kind::Setting);
    if (const std::optional<EditState> state = m_history->redo(m_sequence))
        restore(*state);
}

// New starts from an unlit grid at record 0 and keeps the lamp rows of the store, the
// multiplier in force and the unlit colour.
void SequenceEditor::newSequence() {
    EditStep step(*this, Kind::Setting);
    m_sequence.restart();
    m_lamps.fill(false);
    m_colours.lit = lampColours(LedColour::Red).lit;
    setCurrent(0);
    m_startAddress = 0;
    m_autoRecord = false;
    m_modified = false;
    notePeriodComputed();
    m_history->restart(m_sequence);
}

// Record 0 is shown even when it was already the record shown, so that the grid and its
// multiplier never hold a frame of the sequence that was replaced.
void SequenceEditor::replaceSequence(const Sequence& loaded) {
    EditStep step(*this, Kind::Setting);
    m_sequence = loaded;
    setCurrent(0);
    show();
    m_modified = false;
    m_history->restart(m_sequence);
}

void SequenceEditor::markSaved() {
    EditStep step(*this, Kind::Setting);
    m_modified = false;
    m_history->markSaved();
}

void SequenceEditor::setColours(LedColour scheme) {
    EditStep step(*this, Kind::Setting);
    m_colours = lampColours(scheme);
}
