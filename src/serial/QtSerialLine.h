#pragma once

#include "serial/SerialLine.h"

#include <QSerialPort>

// The board's serial line on QSerialPort: 9600 baud, 8 data bits, no parity, 1 stop bit, no
// flow control. The modem lines are left at the driver's defaults, as pseudo-terminals
// refuse any change to them. Error codes are QSerialPort::SerialPortError values.
//
// Once the device has gone away (a USB adapter pulled out, a board that hung up) the port is
// released and the line behaves as a silent one until the next open: nothing arrives and
// writes vanish, so the session reports a board that does not answer and carries on. The
// first write after the loss fails with the error the line was lost with, so that the user
// is told why once.
class QtSerialLine : public ISerialLine {
public:
    QtSerialLine();
    ~QtSerialLine() override;

    int open(int number) override;
    int openDevice(const QString& device) override;
    bool isOpen() const override { return m_port.isOpen() || m_lost; }
    void close() override;
    int write(const QByteArray& bytes) override;
    int bytesWaiting() override;
    void clearInput() override;
    QByteArray readAll() override;
    void listen(Listener listener) override { m_listener = std::move(listener); }

private:
    void lose(QSerialPort::SerialPortError code);
    void drainOutput();

    QSerialPort m_port;
    Listener m_listener;
    bool m_lost = false;
    int m_lossToTell = 0; // the error the line was lost with, not told yet
};
