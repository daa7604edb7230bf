#pragma once

#include "editor/Plateforme.h"

#include <QSerialPort>

// The board's serial line on QSerialPort: 9600 baud, 8 data bits, no parity, 1 stop bit, no
// flow control. The modem lines are left at the driver's defaults, as pseudo-terminals
// refuse any change to them. Error codes are QSerialPort::SerialPortError values.
//
// Once the device has gone away (a USB adapter pulled out, a board that hung up) the line
// behaves as a silent one until the next open: waits run their course asleep and writes
// vanish, so the editor reports a board that does not answer and carries on. The first
// write after the loss fails with the error the line was lost with, so that the user is
// told why once.
class SerialPortQt : public ISerialPort {
public:
    SerialPortQt();
    ~SerialPortQt() override;

    int ouvrir(int numeroPort) override;
    int ouvrirPeripherique(const QString& peripherique) override;
    bool estOuvert() const override { return m_port.isOpen(); }
    void fermer() override;
    int ecrire(const QByteArray& octets) override;
    int octetsEnAttente() override;
    void attendreDonnees(int ms) override;
    void viderReception() override;
    QByteArray lireTout() override;

private:
    void recevoir(int ms);
    void viderEmission();

    QSerialPort m_port;
    bool m_perdu = false;
    int m_perteADire = 0; // the error the line was lost with, not yet told
};
