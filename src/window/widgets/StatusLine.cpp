#include "window/widgets/StatusLine.h"

#include "board/BoardSession.h"
#include "editing/SequenceEditor.h"
#include "model/TimeBase.h"

#include <QCoreApplication>
#include <QLabel>
#include <QLocale>
#include <QPainter>

namespace {

// A text that may not fit the designed width, such as a long device path, gives way first:
// it is shortened in the middle, and its tooltip keeps it whole.
class ElidedLabel : public QLabel {
public:
    using QLabel::QLabel;

protected:
    QSize minimumSizeHint() const override { return {fontMetrics().height(), 0}; }
    void paintEvent(QPaintEvent*) override {
        QPainter p(this);
        p.drawText(contentsRect(), Qt::AlignLeft | Qt::AlignVCenter,
                   fontMetrics().elidedText(text(), Qt::ElideMiddle, contentsRect().width()));
    }
};

QLabel* item(QStatusBar* bar, const char* name, QLabel* label = nullptr, int stretch = 0) {
    if (!label)
        label = new QLabel(bar);
    label->setObjectName(QLatin1String(name));
    bar->addWidget(label, stretch);
    return label;
}

void showText(QLabel* label, const QString& text) {
    if (label->text() != text) {
        label->setText(text);
        label->setToolTip(text);
    }
    label->setAccessibleName(text);
    label->setVisible(!text.isEmpty());
}

} // namespace

// A COM index that no COM number can follow (from a hand-edited configuration) leads to no
// device, as the board session finds.
QString portText(const PortInForce& port, int comIndex) {
    if (port.byName)
        return port.device;
    const QString device = port.device.isEmpty()
                               ? QCoreApplication::translate("StatusLine", "aucun périphérique")
                               : port.device;
    return QStringLiteral("COM %1 (%2)").arg(qint64(comIndex) + 1).arg(device);
}

StatusTexts statusTexts(const Sequence& sequence, int basePeriodIndex, bool modified,
                        const QString& portText) {
    const double seconds = timebase::loopSeconds(sequence, timebase::basePeriod(basePeriodIndex));
    return {QCoreApplication::translate("StatusLine", "Enregistrements : %1 / %2")
                .arg(sequence.length())
                .arg(Sequence::BoardCapacity),
            QCoreApplication::translate("StatusLine", "Durée d'un tour : %1 s")
                .arg(QLocale().toString(seconds, 'f', 2)),
            QCoreApplication::translate("StatusLine", "Port : ") + portText,
            modified ? QCoreApplication::translate("StatusLine", "Modifié") : QString()};
}

StatusLine::StatusLine(const SequenceEditor& editor, const BoardSession& session, QWidget* parent)
    : QStatusBar(parent), m_editor(editor), m_session(session),
      m_records(item(this, "recordsStatus")), m_loopTime(item(this, "loopTimeStatus")),
      m_port(item(this, "portStatus", new ElidedLabel(this), 1)),
      m_modified(item(this, "modifiedStatus")) {
    setObjectName(QStringLiteral("statusLine"));
    setSizeGripEnabled(false);
    // The last text keeps clear of the window's edge.
    setContentsMargins(0, 0, fontMetrics().averageCharWidth(), 0);
    connect(&editor, &SequenceEditor::sequenceChanged, this, &StatusLine::refresh);
    connect(&editor, &SequenceEditor::basePeriodChanged, this, &StatusLine::refresh);
    connect(&editor, &SequenceEditor::modifiedChanged, this, &StatusLine::refresh);
    connect(&session, &BoardSession::portChanged, this, &StatusLine::refresh);
    refresh();
}

StatusTexts StatusLine::texts() const {
    return {m_records->text(), m_loopTime->text(), m_port->text(), m_modified->text()};
}

// Only the texts that changed are set again.
void StatusLine::refresh() {
    const StatusTexts t =
        statusTexts(m_editor.sequence(), m_editor.basePeriodIndex(), m_editor.isModified(),
                    portText(m_session.port(), m_session.comIndex()));
    showText(m_records, t.records);
    showText(m_loopTime, t.loopTime);
    showText(m_port, t.port);
    showText(m_modified, t.modified);
}
