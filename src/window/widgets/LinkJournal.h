#pragma once

#include "serial/LinkTrace.h"

#include <QWidget>

#include <optional>

class IClock;
class ISerialLine;
class LineSwitch;
class QPlainTextEdit;

// "Journal de la liaison": a window listing every exchange with the board, each board
// command counting its own milliseconds. While it is open a trace stands in front of the
// line (through the switch the board session talks to); closed, the session talks to the
// line directly and the journal costs nothing. It opens beside the main window, then where
// the user last left it.
class LinkJournal : public QWidget {
    Q_OBJECT

public:
    LinkJournal(QWidget* mainWindow, LineSwitch& lineSwitch, ISerialLine& line, IClock& clock);
    ~LinkJournal() override;

    // Opens (shows, traces) or closes (hides, traces no more) the journal.
    void setOpen(bool open);
    bool isOpen() const { return m_trace.has_value(); }
    QString text() const; // the lines listed so far

signals:
    // Also when the user closes the window: the menu item unticks.
    void openChanged(bool open);

protected:
    void closeEvent(QCloseEvent* event) override;

private:
    LineSwitch& m_switch;
    ISerialLine& m_line;
    IClock& m_clock;
    QPlainTextEdit* m_lines;
    std::optional<LinkTrace> m_trace;
};
