#include "window/SequencePanel.h"

#include "editing/SequenceEditor.h"
#include "model/NumericText.h"
#include "window/DesignedControls.h"
#include "window/PressRouter.h"
#include "window/widgets/Twips.h"

#include <QFocusEvent>
#include <QKeyEvent>
#include <QLineEdit>
#include <QPushButton>

#include <optional>

namespace {

// A field shows the beginning of its text, as a reader expects.
void showText(QLineEdit* field, const QString& text) {
    if (field->text() == text)
        return;
    field->setText(text);
    field->setCursorPosition(0);
}

} // namespace

SequencePanel::SequencePanel(SequenceEditor& editor, PressRouter& presses, QWidget* background)
    : QGroupBox(background), m_editor(editor) {
    designed::frame(this, "sequencePanel", twipsRect(720, 120, 2775, 2295), tr("Séquence"),
                    tr("Séquence"));
    build();
    bind(presses);
    follow();
}

void SequencePanel::build() {
    const auto field = [this](const char* role, const char* labelRole, const QRect& labelRect,
                              int top, const QString& caption, const QString& toolTip) {
        QLineEdit* f = designed::field(this, role, twipsRect(1320, top, 735, 285),
                                       QStringLiteral("0"), caption, toolTip);
        designed::label(this, labelRole, labelRect, caption, f);
        return f;
    };
    m_startAddress = field("startAddressField", "startAddressLabel", twipsRect(450, 390, 735, 255),
                           360, tr("Départ"), tr("Adresse de début de la séquence."));
    m_currentRecord =
        field("currentRecordField", "currentRecordLabel", twipsRect(510, 900, 735, 255), 840,
              tr("En cours"), tr("  Numéro d'enregistrement en cours "));
    m_recordCount = field("recordCountField", "recordCountLabel", twipsRect(420, 1350, 825, 255),
                          1320, tr("Maximum"), tr(" Nombre d'enregistrement effectué "));
    m_delete = designed::button(this, "deleteButton", twipsRect(510, 1740, 825, 405), tr("Supp."),
                                tr("Suppression d'une adresse."));
    m_record = designed::button(
        this, "recordButton", twipsRect(1650, 1740, 375, 375), QStringLiteral("+"),
        tr(" Enregistre la séquence actuelle (raccourci bouton droit de la souris) "));
    m_previous =
        designed::button(this, "previousButton", twipsRect(2025, 1740, 375, 375),
                         QStringLiteral("-"), tr(" Visualisation de l'enregistrement précédent "));
}

// "+" records on a left press and "-" and "Supp." act on a click, by mouse or keyboard (Enter
// activates the one that has the focus).
void SequencePanel::bind(PressRouter& presses) {
    presses.watchContainer(this);
    presses.watch(m_record, [this](Press press) {
        if (press == Press::Left)
            m_editor.recordFrame();
    });
    for (QPushButton* b : {m_previous, m_delete})
        b->setAutoDefault(true);
    connect(m_previous, &QPushButton::clicked, this, [this] { m_editor.showPreviousRecord(); });
    connect(m_delete, &QPushButton::clicked, this, [this] { deleteRecord(); });
    connect(m_startAddress, &QLineEdit::textEdited, this, [this](const QString& text) {
        typed(m_startAddress, [&] { m_editor.setStartAddress(typedAddress(text)); });
    });
    connect(m_currentRecord, &QLineEdit::textEdited, this, [this](const QString& text) {
        typed(m_currentRecord, [&] { m_editor.setCurrentEntry(typedAddress(text)); });
    });
    connect(m_recordCount, &QLineEdit::textEdited, this, [this](const QString& text) {
        if (const std::optional<int> length = typedLength(text))
            typed(m_recordCount, [&] { m_editor.setLength(*length); });
    });
    for (QLineEdit* f : {m_startAddress, m_currentRecord})
        f->installEventFilter(this);
}

void SequencePanel::follow() {
    connect(&m_editor, &SequenceEditor::startAddressChanged, this,
            [this](int address) { show(m_startAddress, address); });
    connect(&m_editor, &SequenceEditor::currentEntryChanged, this,
            [this](int record) { show(m_currentRecord, record); });
    connect(&m_editor, &SequenceEditor::sequenceChanged, this, [this] { showCount(); });
    show(m_startAddress, m_editor.startAddress());
    show(m_currentRecord, m_editor.currentEntry());
    showCount();
}

// What the editor announces while it takes a field's typing leaves that field as typed.
void SequencePanel::typed(QLineEdit* field, const std::function<void()>& pass) {
    m_typedInto = field;
    pass();
    m_typedInto = nullptr;
    if (field == m_recordCount)
        m_countShown = m_editor.sequence().length();
}

void SequencePanel::show(QLineEdit* field, int value) {
    if (field != m_typedInto)
        showText(field, QString::number(value));
}

void SequencePanel::showCount() {
    const int length = m_editor.sequence().length();
    if (m_typedInto == m_recordCount || length == m_countShown)
        return;
    m_countShown = length;
    showText(m_recordCount, QString::number(length));
}

void SequencePanel::commitEmptyStart() {
    if (m_startAddress->text().isEmpty())
        m_startAddress->setText(QStringLiteral("0"));
}

void SequencePanel::commitStart() {
    m_editor.checkStartAddress();
    commitEmptyStart();
}

void SequencePanel::commitCurrent() {
    m_editor.checkCurrentEntry();
    if (m_currentRecord->text().isEmpty())
        m_currentRecord->setText(QStringLiteral("0"));
}

// The count a deletion leaves is written after a blank, as it always has been.
void SequencePanel::deleteRecord() {
    const int before = m_editor.sequence().length();
    m_editor.deleteRecord();
    const int after = m_editor.sequence().length();
    if (after < before)
        m_recordCount->setText(u' ' + QString::number(after));
}

// Switching to another window or opening a menu is not leaving the field.
bool SequencePanel::eventFilter(QObject* watched, QEvent* event) {
    if (event->type() == QEvent::KeyPress) {
        const int key = static_cast<QKeyEvent*>(event)->key();
        if (key == Qt::Key_Return || key == Qt::Key_Enter)
            watched == m_startAddress ? commitStart() : commitCurrent();
    } else if (event->type() == QEvent::FocusOut && watched == m_startAddress) {
        const Qt::FocusReason reason = static_cast<QFocusEvent*>(event)->reason();
        if (reason != Qt::ActiveWindowFocusReason && reason != Qt::PopupFocusReason)
            commitStart();
    }
    return false;
}
