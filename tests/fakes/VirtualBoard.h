#pragma once

#include <QProcess>
#include <QStringList>
#include <QTemporaryDir>

// The virtual board in a child process on a pseudo-terminal that COM 1 leads to while this lives.
class VirtualBoard {
public:
    ~VirtualBoard();

    // "" once the board serves, otherwise why it does not; `options` go to lt840-board.
    QString start(const QStringList& options = {});
    // Closes as a pulled cable would, COM 1 still leading there; true on a clean end.
    bool stop();
    // The board's pseudo-terminal once it serves; its process, for its processor time.
    const QString& device() const { return m_device; }
    qint64 processId() const { return m_process.processId(); }
    QByteArray received() const { return read(LogFile); }
    QByteArray receivedStream() const { return read(StreamFile); }
    // False when what the board received still does not end with `tail` after `ms`.
    bool waitForReceivedTail(const QByteArray& tail, int ms) const;

private:
    static constexpr char LogFile[] = "received.bin", StreamFile[] = "stream.bin";
    QByteArray read(const char* name) const;

    QTemporaryDir m_folder;
    QProcess m_process;
    QString m_device;
};
