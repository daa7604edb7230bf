#include "VirtualBoard.h"

#include <QDeadlineTimer>
#include <QFile>
#include <QThread>

static constexpr int ProcessTimeoutMs = 5000;

VirtualBoard::~VirtualBoard() {
    qunsetenv("LT840_COM1");
    stop();
}

QString VirtualBoard::start(const QStringList& options) {
    m_process.start(QStringLiteral(LT840_BOARD_EXE),
                    QStringList{"--log", m_folder.filePath(LogFile), "--program-out",
                                m_folder.filePath(StreamFile)} +
                        options);
    if (!m_process.waitForStarted(ProcessTimeoutMs))
        return m_process.errorString();
    while (!m_process.canReadLine() && m_process.waitForReadyRead(ProcessTimeoutMs)) {
    }
    const QByteArray device = m_process.readLine().trimmed();
    if (!device.startsWith("/dev/"))
        return "no device: " + device + ' ' + m_process.readAllStandardError();
    qputenv("LT840_COM1", device);
    m_device = QString::fromLocal8Bit(device);
    return {};
}

bool VirtualBoard::stop() {
    if (m_process.state() == QProcess::NotRunning)
        return false;
    m_process.terminate(); // one that will not end is killed with the QProcess
    return m_process.waitForFinished(ProcessTimeoutMs) &&
           m_process.exitStatus() == QProcess::NormalExit && m_process.exitCode() == 0;
}

bool VirtualBoard::waitForReceivedTail(const QByteArray& tail, int ms) const {
    const QDeadlineTimer deadline(ms);
    while (!received().endsWith(tail) && !deadline.hasExpired())
        QThread::msleep(5);
    return received().endsWith(tail);
}

QByteArray VirtualBoard::read(const char* name) const {
    QFile file(m_folder.filePath(name));
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}
