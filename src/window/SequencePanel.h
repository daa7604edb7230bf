#pragma once

#include <QGroupBox>

#include <functional>

class PressRouter;
class QLineEdit;
class QPushButton;
class SequenceEditor;

// "Séquence": the start address ("Départ"), the current record ("En cours") and the record
// count ("Maximum") as fields the user may type into, "Supp.", "+" and "-".
//
// Typed text is read once, as it is typed, and its value goes to the editor; a field shows
// the editor's value again only when that value changes, so that text such as "abc" stays
// while its value stands. An empty "Départ" or "En cours" becomes "0" once committed (Enter,
// or leaving "Départ").
class SequencePanel : public QGroupBox {
    Q_OBJECT

public:
    SequencePanel(SequenceEditor& editor, PressRouter& presses, QWidget* background);

    QLineEdit* startAddressField() const { return m_startAddress; }
    QLineEdit* currentRecordField() const { return m_currentRecord; }
    QLineEdit* recordCountField() const { return m_recordCount; }
    QPushButton* deleteButton() const { return m_delete; }
    QPushButton* recordButton() const { return m_record; }
    QPushButton* previousButton() const { return m_previous; }

    // Playback starts from "Départ": an empty one shows "0" first.
    void commitEmptyStart();

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void build();
    void bind(PressRouter& presses);
    void follow();
    void typed(QLineEdit* field, const std::function<void()>& pass);
    void show(QLineEdit* field, int value);
    void showCount();
    void commitStart();
    void commitCurrent();
    void deleteRecord();

    SequenceEditor& m_editor;
    QLineEdit* m_startAddress = nullptr;
    QLineEdit* m_currentRecord = nullptr;
    QLineEdit* m_recordCount = nullptr;
    QPushButton* m_delete = nullptr;
    QPushButton* m_record = nullptr;
    QPushButton* m_previous = nullptr;
    QLineEdit* m_typedInto = nullptr; // the field whose typing the editor is taking now
    int m_countShown = 0;
};
