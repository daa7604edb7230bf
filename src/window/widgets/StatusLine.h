#pragma once

#include <QStatusBar>

class BoardSession;
class QLabel;
class Sequence;
class SequenceEditor;
struct PortInForce;

// The four texts of the status bar, in their order; the last is empty without unsaved
// changes.
struct StatusTexts {
    QString records;  // "Enregistrements : 12 / 251"
    QString loopTime; // "Durée d'un tour : 1,24 s", in the desktop's number format
    QString port;     // "Port : COM 1 (/dev/ttyS0)", or the device chosen by its name
    QString modified; // "Modifié"
    bool operator==(const StatusTexts&) const = default;
};

// The port in force as the status bar names it: "COM 1 (/dev/ttyS0)", "COM 3 (aucun
// périphérique)" when it leads to no device, or the device chosen by its name.
QString portText(const PortInForce& port, int comIndex);
StatusTexts statusTexts(const Sequence& sequence, int basePeriodIndex, bool modified,
                        const QString& portText);

// The status bar: the record count, the length of one run through the sequence, the port and
// whether there are unsaved changes, each shown again as soon as it changes. A long port
// text gives way first, shortened in the middle, whole in its tooltip; the last text keeps
// clear of the window's edge.
class StatusLine : public QStatusBar {
    Q_OBJECT

public:
    StatusLine(const SequenceEditor& editor, const BoardSession& session,
               QWidget* parent = nullptr);

    StatusTexts texts() const; // as shown
    QLabel* portLabel() const { return m_port; }

private:
    void refresh();

    const SequenceEditor& m_editor;
    const BoardSession& m_session;
    QLabel* m_records;
    QLabel* m_loopTime;
    QLabel* m_port;
    QLabel* m_modified;
};
