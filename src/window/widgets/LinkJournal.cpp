#include "window/widgets/LinkJournal.h"

#include "serial/LineSwitch.h"
#include "window/widgets/WindowPlacement.h"

#include <QCloseEvent>
#include <QFontDatabase>
#include <QPlainTextEdit>
#include <QVBoxLayout>

namespace {

constexpr int KeptLines = 20000; // a few hundred uploads

} // namespace

LinkJournal::LinkJournal(QWidget* mainWindow, LineSwitch& lineSwitch, ISerialLine& line,
                         IClock& clock)
    : QWidget(mainWindow, Qt::Window), m_switch(lineSwitch), m_line(line), m_clock(clock),
      m_lines(new QPlainTextEdit(this)) {
    setObjectName(QStringLiteral("linkJournal"));
    setWindowTitle(tr("Journal de la liaison"));
    m_lines->setReadOnly(true);
    m_lines->setLineWrapMode(QPlainTextEdit::NoWrap);
    m_lines->setMaximumBlockCount(KeptLines);
    m_lines->setFont(QFontDatabase::systemFont(QFontDatabase::FixedFont));
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(m_lines);
    resize(900, 400);
    new WindowPlacement(this, mainWindow, QStringLiteral("journal"));
}

// The session outlives this window: it must not be left talking through a trace that is gone.
LinkJournal::~LinkJournal() {
    m_switch.route(m_line);
}

void LinkJournal::setOpen(bool open) {
    if (open == isOpen())
        return;
    if (open) {
        m_trace.emplace(
            m_line, m_clock, [this](const QString& line) { m_lines->appendPlainText(line); },
            LinkTrace::Origin::EachCommand);
        m_switch.route(*m_trace);
        show();
    } else {
        m_switch.route(m_line);
        m_trace.reset();
        hide();
    }
    emit openChanged(open);
}

QString LinkJournal::text() const {
    return m_lines->toPlainText();
}

void LinkJournal::closeEvent(QCloseEvent* event) {
    event->accept();
    setOpen(false);
}
