#pragma once

#include "model/Colour.h"
#include "model/Frame.h"
#include "model/Report.h"
#include "model/Sequence.h"

#include <QList>
#include <QObject>

#include <memory>
#include <optional>

class EditStep;
class History;
class IClipboard;
struct EditState;
enum class Move;

// A press on a control that is not the right button's: the right button records the frame
// everywhere (recordFrame), the left one acts, the middle one acts on some controls only.
enum class Press { Left, Middle };
enum class Side { Left, Right };

// The document being edited: the sequence, the record shown (current record), the frame being
// composed on the lamp grid, the address fields' values, the multiplier and base period in
// force, the LED colours, the unsaved-changes flag and the undo history. Every change is
// announced; every edit of the records, of their count or of the lamps is one undo step.
//
// The address fields hold numbers the user typed ("Départ", "En cours"): the window reads
// them once, when typed, and passes the values here; a field shows its value again only when
// the value changes. "En cours" shows the current record unless the user typed another
// number into it or the playback copied the start address there.
class SequenceEditor : public QObject {
    Q_OBJECT

public:
    explicit SequenceEditor(IClipboard& clipboard, QObject* parent = nullptr);
    ~SequenceEditor() override;

    const Sequence& sequence() const { return m_sequence; }
    int currentRecord() const { return m_currentRecord; }
    int currentEntry() const { return m_currentEntry; }
    int startAddress() const { return m_startAddress; }
    const LampStates& lamps() const { return m_lamps; }
    // The multiplier in force as an index, -1..8: a recording stores the index plus 1.
    int multiplierIndex() const { return m_multiplierIndex; }
    // The time-base button standing for the multiplier in force, -1 when none does.
    int markedButton() const;
    int basePeriodIndex() const { return m_basePeriodIndex; }
    // The period of one frame at the base period and multiplier in force, in seconds.
    double framePeriod() const;
    bool autoRecord() const { return m_autoRecord; }
    bool isModified() const { return m_modified; }
    LampColours colours() const { return m_colours; }
    bool canUndo() const;
    bool canRedo() const;

    // --- Recording and showing ---
    // Records the grid into the current record and moves on (overwriting inside the sequence,
    // extending it at its end, never past the board's last record).
    void recordFrame();
    // Shows `record` as the navigator does: held within 0..length.
    void showRecord(int record);
    // Shows the current record again: its lamps on the grid, its multiplier in force.
    void showCurrentRecord();
    // Makes any record of the store current and shows it, even past the sequence (playback
    // starts at the start address as typed); false, changing nothing, outside the store.
    bool showStoredRecord(int record);
    void showPreviousRecord(); // "-"
    // A left press on lamp `lamp` switches it, on the grid and in the current record.
    void toggleLamp(int lamp);
    void clearFrame(); // CLEAR: the grid only

    // --- The transformation panel ("Mode Auto." records before a shift or a rotation) ---
    void mirror(Side side, Press press);
    void shift(Side side, Press press);
    void rotate(Side side, Press press);
    void invert(Press press);
    void setAutoRecord(bool on);

    // --- Address fields and deletion ---
    void setStartAddress(int address);
    void checkStartAddress(); // Enter in "Départ" or leaving it: held at the count
    void setCurrentEntry(int record);
    void checkCurrentEntry(); // Enter in "En cours": held at the count, nothing shown
    // "Maximum" typed: the count, held within the store; what is typed in a row is one step.
    void setLength(int length);
    void deleteRecord(); // "Supp.": the record "En cours" names

    // --- Time base ---
    void chooseMultiplier(int button); // a time-base button, 0..5
    // The multiplier a played record brings (its code minus 1, which may have no button).
    void setMultiplierIndex(int index);
    void chooseBasePeriod(int index); // an entry of the base-period list
    // Computes the frame period again and announces it, even unchanged.
    void computeFramePeriod();

    // --- Édition ---
    void undo();
    void redo();
    // The records from "Départ" to "En cours", either way round, within the records made.
    void copy();
    void cut();
    std::optional<Report> paste(); // a refusal to show, if any
    std::optional<Report> insertRecord();
    std::optional<Report> duplicateRecord();
    // Frames made elsewhere (an effect): in before the current record, or in place of the
    // records from "Départ" to "En cours"; the first of them is shown. One undo step each.
    std::optional<Report> insertFrames(const QList<Frame>& frames);
    std::optional<Report> replaceChosenRange(const QList<Frame>& frames);
    QList<Frame> chosenFrames() const; // what copy would take
    // What the Édition menu may do now (the others are greyed).
    bool canCopy() const;
    bool canPaste() const;
    bool canInsert() const;
    bool canDuplicate() const;

    // --- The whole document ---
    void newSequence();                           // once the user agreed to lose unsaved work
    void replaceSequence(const Sequence& loaded); // a file was opened: shows its record 0
    void markSaved();                             // the sequence as it stands is on disk
    void setColours(LedColour scheme);

signals:
    void sequenceChanged(); // the records or their count
    void currentRecordChanged(int record);
    void currentEntryChanged(int record);
    void startAddressChanged(int address);
    void lampsChanged();
    void multiplierChanged(int index);
    void basePeriodChanged(int index);
    void framePeriodComputed(double seconds);
    void autoRecordChanged(bool on);
    void modifiedChanged(bool modified);
    void coloursChanged();
    void historyChanged(); // what undo and redo can do

private:
    friend class EditStep;

    EditState editState() const;
    void restore(const EditState& state);
    Frame& currentFrame() { return m_sequence.at(m_currentRecord); }
    void setCurrent(int record);
    void show(); // the current record on the grid, with its multiplier
    void notePeriodComputed();
    void transform(Move move, Press press);
    void keep(const QList<Frame>& records); // what a copy or a cut puts on the clipboards
    void insertBlock(int position, const QList<Frame>& block, int shown);

    IClipboard& m_clipboard;
    Sequence m_sequence;
    std::unique_ptr<History> m_history;
    EditStep* m_outerStep = nullptr; // the call from outside under way, if any
    LampStates m_lamps{};
    LampColours m_colours;
    QString m_copied; // the records last copied, as the clipboard's lines
    int m_currentRecord = 0;
    int m_currentEntry = 0;
    int m_startAddress = 0;
    int m_multiplierIndex = 1; // x2 at start: the first recording stores code 2
    int m_basePeriodIndex = 0;
    bool m_autoRecord = false;
    bool m_modified = false;
};
