#include "serial/SerialPortQt.h"

#include "board/NomPort.h"

#include <QDeadlineTimer>
#include <QThread>

#include <utility>

#ifdef Q_OS_UNIX
#include <termios.h>
#endif

namespace {

// Handing a few bytes to the driver takes no time; this only bounds a driver that hangs.
constexpr int LimiteRemiseMs = 2000;

} // namespace

SerialPortQt::SerialPortQt() {
    m_port.setBaudRate(QSerialPort::Baud9600);
    m_port.setDataBits(QSerialPort::Data8);
    m_port.setParity(QSerialPort::NoParity);
    m_port.setStopBits(QSerialPort::OneStop);
    m_port.setFlowControl(QSerialPort::NoFlowControl);
}

// The board must still get the last message written before the program ends.
SerialPortQt::~SerialPortQt() {
    fermer();
}

int SerialPortQt::ouvrir(int numeroPort) {
    if (numeroPort < 1)
        return QSerialPort::DeviceNotFoundError;
    return ouvrirPeripherique(nomPeripherique(numeroPort));
}

int SerialPortQt::ouvrirPeripherique(const QString& peripherique) {
    if (m_port.isOpen())
        return QSerialPort::OpenError;
    if (peripherique.isEmpty())
        return QSerialPort::DeviceNotFoundError;
    m_perdu = false;
    m_perteADire = 0;
    m_port.setPortName(peripherique);
    if (m_port.open(QIODevice::ReadWrite))
        return 0;
    const int code = m_port.error();
    m_port.clearError();
    return code != QSerialPort::NoError ? code : int(QSerialPort::UnknownError);
}

// QSerialPort::close() drops what is still queued, and restoring the line settings at once
// could garble the bytes still in the UART: let everything leave first.
void SerialPortQt::fermer() {
    if (!m_port.isOpen())
        return;
    if (!m_perdu)
        viderEmission();
    m_port.close();
    m_port.clearError();
    m_perdu = false;
    m_perteADire = 0;
}

void SerialPortQt::viderEmission() {
    if (m_port.bytesToWrite() > 0)
        m_port.waitForBytesWritten(LimiteRemiseMs);
#ifdef Q_OS_UNIX
    tcdrain(m_port.handle());
#endif
}

int SerialPortQt::ecrire(const QByteArray& octets) {
    if (!m_port.isOpen())
        return QSerialPort::NotOpenError;
    if (m_perdu) // told once, then silent like the line
        return std::exchange(m_perteADire, 0);
    m_port.write(octets);
    // Hands the bytes to the driver now, so that they leave while the editor waits, and so
    // that a failure is known to the caller.
    if (m_port.waitForBytesWritten(LimiteRemiseMs) || m_port.error() == QSerialPort::NoError)
        return 0;
    const int code = m_port.error();
    m_port.clearError();
    // The wait also reads: a line that has gone shows up as a failed read or a vanished
    // resource. It is told here; the writes that follow vanish.
    m_perdu = code == QSerialPort::ReadError || code == QSerialPort::ResourceError;
    return code;
}

int SerialPortQt::octetsEnAttente() {
    recevoir(0);
    return int(m_port.bytesAvailable());
}

// A lost device makes every wait return at once; sleeping instead keeps the processor idle
// for the rest of the exchange.
void SerialPortQt::attendreDonnees(int ms) {
    if (ms <= 0)
        return;
    if (!m_perdu)
        recevoir(ms);
    else
        QThread::msleep(ulong(ms));
}

void SerialPortQt::viderReception() {
    recevoir(0);
    m_port.clear(QSerialPort::Input);
    m_port.readAll();
}

QByteArray SerialPortQt::lireTout() {
    recevoir(0);
    return m_port.readAll();
}

// Takes into the port's buffer what the driver holds, waiting up to `ms` for something to
// come when nothing does.
void SerialPortQt::recevoir(int ms) {
    if (!m_port.isOpen() || m_perdu)
        return;
    const QDeadlineTimer fin(ms);
    if (m_port.waitForReadyRead(ms))
        return;
    // A read that fails for any reason other than the time running out does so again at
    // once: the device is as good as gone until it is reopened.
    const int code = m_port.error();
    m_port.clearError();
    if (code == QSerialPort::TimeoutError || code == QSerialPort::NoError)
        return;
    m_perdu = true;
    m_perteADire = code; // for the next write to tell
    QThread::msleep(ulong(fin.remainingTime()));
}
