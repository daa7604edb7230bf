#include "serial/QtSerialLine.h"

#include "serial/ComDevice.h"

#include <QDeadlineTimer>
#include <QThread>

#include <utility>

#ifdef Q_OS_UNIX
#include <termios.h>
#endif

namespace {

// Handing a few bytes to the driver takes no time; this only bounds a driver that hangs.
constexpr int HandOverLimitMs = 2000;

} // namespace

QtSerialLine::QtSerialLine() {
    m_port.setBaudRate(QSerialPort::Baud9600);
    m_port.setDataBits(QSerialPort::Data8);
    m_port.setParity(QSerialPort::NoParity);
    m_port.setStopBits(QSerialPort::OneStop);
    m_port.setFlowControl(QSerialPort::NoFlowControl);
}

// The board must still get the last message written before the program ends.
QtSerialLine::~QtSerialLine() {
    close();
}

int QtSerialLine::open(int number) {
    if (number < 1)
        return QSerialPort::DeviceNotFoundError;
    return openDevice(comDevice(number));
}

int QtSerialLine::openDevice(const QString& device) {
    if (m_port.isOpen())
        return QSerialPort::OpenError;
    if (device.isEmpty())
        return QSerialPort::DeviceNotFoundError;
    m_lost = false;
    m_lossToTell = 0;
    m_port.setPortName(device);
    if (m_port.open(QIODevice::ReadWrite))
        return 0;
    const int code = m_port.error();
    m_port.clearError();
    return code != QSerialPort::NoError ? code : int(QSerialPort::UnknownError);
}

// QSerialPort::close() drops what is still queued, and restoring the line settings at once
// could garble the bytes still in the UART: let everything leave first.
void QtSerialLine::close() {
    if (!m_port.isOpen())
        return;
    if (!m_lost)
        drainOutput();
    m_port.close();
    m_port.clearError();
    m_lost = false;
    m_lossToTell = 0;
}

void QtSerialLine::drainOutput() {
    if (m_port.bytesToWrite() > 0)
        m_port.waitForBytesWritten(HandOverLimitMs);
#ifdef Q_OS_UNIX
    tcdrain(m_port.handle());
#endif
}

int QtSerialLine::write(const QByteArray& bytes) {
    if (!m_port.isOpen())
        return QSerialPort::NotOpenError;
    if (m_lost) // told once, then silent like the line
        return std::exchange(m_lossToTell, 0);
    m_port.write(bytes);
    // Hands the bytes to the driver now, so that they leave while the session waits, and so
    // that a failure is known to the caller.
    if (m_port.waitForBytesWritten(HandOverLimitMs) || m_port.error() == QSerialPort::NoError)
        return 0;
    const int code = m_port.error();
    m_port.clearError();
    // The wait also reads: a line that has gone shows up as a failed read or a vanished
    // resource. It is told here; the writes that follow vanish.
    m_lost = code == QSerialPort::ReadError || code == QSerialPort::ResourceError;
    return code;
}

int QtSerialLine::bytesWaiting() {
    receive(0);
    return int(m_port.bytesAvailable());
}

// A lost device makes every wait return at once; sleeping instead keeps the processor idle
// for the rest of the exchange.
void QtSerialLine::waitForData(int ms) {
    if (ms <= 0)
        return;
    if (!m_lost)
        receive(ms);
    else
        QThread::msleep(ulong(ms));
}

void QtSerialLine::clearInput() {
    receive(0);
    m_port.clear(QSerialPort::Input);
    m_port.readAll();
}

QByteArray QtSerialLine::readAll() {
    receive(0);
    return m_port.readAll();
}

// Takes into the port's buffer what the driver holds, waiting up to `ms` for something to
// come when nothing does.
void QtSerialLine::receive(int ms) {
    if (!m_port.isOpen() || m_lost)
        return;
    const QDeadlineTimer end(ms);
    if (m_port.waitForReadyRead(ms))
        return;
    // A read that fails for any reason other than the time running out does so again at
    // once: the device is as good as gone until it is reopened.
    const int code = m_port.error();
    m_port.clearError();
    if (code == QSerialPort::TimeoutError || code == QSerialPort::NoError)
        return;
    m_lost = true;
    m_lossToTell = code; // for the next write to tell
    QThread::msleep(ulong(end.remainingTime()));
}
