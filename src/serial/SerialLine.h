#pragma once

#include <QByteArray>
#include <QString>

#include <functional>
#include <memory>

// The board's serial line as the board session uses it: QtSerialLine on a real port, a trace
// in front of it while the journal is open, a scripted board in the tests. Nothing in it
// waits: what arrives is announced to the listener from the event loop.
class ISerialLine {
public:
    using Listener = std::function<void()>;

    virtual ~ISerialLine() = default;
    // 0 once COM `number` (or the device named as the system names it, "/dev/ttyUSB0",
    // "COM7") is open, otherwise an error code; the line stays closed on error.
    virtual int open(int number) = 0;
    virtual int openDevice(const QString& device) = 0;
    virtual bool isOpen() const = 0;
    // Lets every queued byte leave the computer, then releases the port.
    virtual void close() = 0;
    // Queues the bytes: 0, or an error code.
    virtual int write(const QByteArray& bytes) = 0;
    virtual int bytesWaiting() = 0;
    virtual void clearInput() = 0;
    virtual QByteArray readAll() = 0;
    // Called whenever bytes have arrived; one listener at a time.
    virtual void listen(Listener listener) = 0;
    // A board command begins; a failure of the link is about to be shown. Only a trace of
    // the line cares.
    virtual void beginCommand() {}
    virtual void noteFailure(const QString& text) { Q_UNUSED(text) }
};

// Rings once, `ms` after it was set, unless set again or cancelled first.
class IAlarm {
public:
    virtual ~IAlarm() = default;
    virtual void set(int ms, std::function<void()> ring) = 0;
    virtual void cancel() = 0;
};

// The time of the exchanges' deadlines.
class IClock {
public:
    virtual ~IClock() = default;
    virtual double timeOfDay() = 0;   // seconds since midnight, with fractions
    virtual qint64 monotonicMs() = 0; // never goes back, not even at midnight
    virtual std::unique_ptr<IAlarm> makeAlarm() = 0;
};
