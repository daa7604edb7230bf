#pragma once

#include "serial/ListePorts.h"

// The serial devices QSerialPortInfo finds. Pseudo-terminals are not among them.
class EnumerateurPortsQt : public IEnumerateurPorts {
public:
    QList<InfoPort> ports() override;
};
