#include "window/widgets/PortMenu.h"

#include "board/BoardSession.h"
#include "model/BoardFormat.h"
#include "serial/PortList.h"

#include <utility>

static_assert(boardformat::PortCount == 4, "PortMenu holds one item per COM");

PortMenu::PortMenu(const BoardSession& session, IPortEnumerator& ports, QWidget* parent)
    : QMenu(tr("Port série"), parent), m_session(session), m_ports(ports) {
    setObjectName(QStringLiteral("portMenu"));
    for (int i = 0; i < int(m_coms.size()); ++i) {
        QAction* com = addAction(QStringLiteral("COM %1").arg(i + 1));
        com->setObjectName(QStringLiteral("com%1").arg(i + 1));
        com->setCheckable(true);
        connect(com, &QAction::triggered, this, [this, i] {
            showPortInForce(); // the tick is the session's to give, not the click's
            emit comChosen(i);
        });
        m_coms[i] = com;
    }
    connect(this, &QMenu::aboutToShow, this, &PortMenu::listDevices);
    connect(&session, &BoardSession::portChanged, this, &PortMenu::showPortInForce);
    showPortInForce();
}

// A COM is ticked only while no device chosen by its name stands in for it.
void PortMenu::showPortInForce() {
    const bool byName = m_session.port().byName;
    for (int i = 0; i < int(m_coms.size()); ++i)
        m_coms[i]->setChecked(!byName && m_session.comIndex() == i);
    const QString device = byName ? m_session.port().device : QString();
    for (QAction* a : std::as_const(m_devices))
        a->setChecked(!a->isSeparator() && a->data().toString() == device);
}

void PortMenu::listDevices() {
    qDeleteAll(m_devices);
    m_devices.clear();
    const QString chosen = m_session.port().byName ? m_session.port().device : QString();
    const QList<PortEntry> entries = deviceEntries(m_ports.ports(), chosen);
    if (entries.isEmpty())
        return;
    m_devices.append(addSeparator());
    for (const PortEntry& entry : entries) {
        QAction* a = addAction(entry.label);
        a->setObjectName(QStringLiteral("device"));
        a->setData(entry.device);
        a->setCheckable(true);
        a->setChecked(entry.checked);
        connect(a, &QAction::triggered, this, [this, device = entry.device] {
            showPortInForce();
            emit deviceChosen(device);
        });
        m_devices.append(a);
    }
}
