#pragma once

#include <QList>
#include <QMenu>

#include <array>

class BoardSession;
class IPortEnumerator;

// "Port série": COM 1 to COM 4, then the serial devices the system reports, read afresh each
// time the menu opens ("ttyUSB0 — USB-Serial Controller (USB 1a86:7523)"); a chosen device
// that is unplugged stays listed, ticked and marked absent. The ticks show the port in force
// in the board session. Choosing an item only tells: the window makes it the port in force
// (and keeps it for the next run).
class PortMenu : public QMenu {
    Q_OBJECT

public:
    PortMenu(const BoardSession& session, IPortEnumerator& ports, QWidget* parent = nullptr);

    QAction* comAction(int index) const { return m_coms.at(index); }
    // The devices listed when the menu last opened, after the COM items.
    const QList<QAction*>& deviceActions() const { return m_devices; }

signals:
    void comChosen(int index); // COM index + 1
    void deviceChosen(const QString& device);

private:
    void showPortInForce();
    void listDevices();

    const BoardSession& m_session;
    IPortEnumerator& m_ports;
    std::array<QAction*, 4> m_coms{};
    QList<QAction*> m_devices; // with the separator before them
};
