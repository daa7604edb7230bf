#pragma once

#include "serial/PortList.h"

// The serial devices QSerialPortInfo finds. Pseudo-terminals are not among them.
class QtPortEnumerator : public IPortEnumerator {
public:
    QList<PortInfo> ports() override;
};
