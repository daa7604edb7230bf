#include "serial/QtSerialLine.h"

#include "serial/ComDevice.h"

#include <utility>

#ifdef Q_OS_UNIX
#include <termios.h>
#endif

// The port's signals reach the session from the event loop, never from inside the port's
// own handlers: the session may close the port in answer to what it hears.
QtSerialLine::QtSerialLine() {
    m_port.setBaudRate(QSerialPort::Baud9600);
    m_port.setDataBits(QSerialPort::Data8);
    m_port.setParity(QSerialPort::NoParity);
    m_port.setStopBits(QSerialPort::OneStop);
    m_port.setFlowControl(QSerialPort::NoFlowControl);
    QObject::connect(
        &m_port, &QSerialPort::readyRead, &m_port,
        [this] {
            if (m_listener && m_port.bytesAvailable() > 0)
                m_listener();
        },
        Qt::QueuedConnection);
    QObject::connect(
        &m_port, &QSerialPort::errorOccurred, &m_port,
        [this](QSerialPort::SerialPortError code) { lose(code); }, Qt::QueuedConnection);
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
    if (isOpen())
        return QSerialPort::OpenError;
    if (device.isEmpty())
        return QSerialPort::DeviceNotFoundError;
    m_port.setPortName(device);
    if (m_port.open(QIODevice::ReadWrite))
        return 0;
    const int code = m_port.error();
    m_port.clearError();
    return code != QSerialPort::NoError ? code : int(QSerialPort::UnknownError);
}

void QtSerialLine::close() {
    if (m_port.isOpen()) {
        drainOutput();
        m_port.close();
        m_port.clearError();
    }
    m_lost = false;
    m_lossToTell = 0;
}

// QSerialPort::close() drops what is still queued, and restoring the line settings at once
// could garble the bytes still in the UART: everything is handed over and let out first. The
// board's messages are 32 bytes at most, so this lasts one message's time on the wire.
void QtSerialLine::drainOutput() {
    m_port.flush();
#ifdef Q_OS_UNIX
    tcdrain(m_port.handle());
#endif
}

// The bytes go to the driver at once, so that they leave while the session waits for the
// reply; a port that cannot take them any more is lost (see lose()).
int QtSerialLine::write(const QByteArray& bytes) {
    if (m_lost) // told once, then silent like the line
        return std::exchange(m_lossToTell, 0);
    if (!m_port.isOpen())
        return QSerialPort::NotOpenError;
    if (m_port.write(bytes) < 0) {
        const int code = m_port.error();
        m_port.clearError();
        return code != QSerialPort::NoError ? code : int(QSerialPort::WriteError);
    }
    m_port.flush();
    return 0;
}

// A port that fails for any reason other than a time-out fails again at once: the device is
// as good as gone until it is reopened, and a port left open on a hung-up device would wake
// the program without end.
void QtSerialLine::lose(QSerialPort::SerialPortError code) {
    if (code == QSerialPort::NoError || code == QSerialPort::TimeoutError || !m_port.isOpen())
        return;
    m_port.close();
    m_port.clearError();
    m_lost = true;
    m_lossToTell = code;
}

int QtSerialLine::bytesWaiting() {
    return m_port.isOpen() ? int(m_port.bytesAvailable()) : 0;
}

void QtSerialLine::clearInput() {
    if (!m_port.isOpen())
        return;
    m_port.clear(QSerialPort::Input);
    m_port.readAll();
}

QByteArray QtSerialLine::readAll() {
    return m_port.isOpen() ? m_port.readAll() : QByteArray();
}
