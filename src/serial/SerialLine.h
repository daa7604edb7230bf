#pragma once

#include <QByteArray>
#include <QString>

// The board's serial line as the board session uses it: QtSerialLine on a real port, a trace
// in front of it while the journal is open, a scripted board in the tests.
class ISerialLine {
public:
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
    // Sleeps until more data arrives or the time is up.
    virtual void waitForData(int ms) = 0;
    virtual void clearInput() = 0;
    virtual QByteArray readAll() = 0;
    // A board command begins; a failure of the link is about to be shown. Only a trace of
    // the line cares.
    virtual void beginCommand() {}
    virtual void noteFailure(const QString& text) { Q_UNUSED(text) }
};

// The time of the exchanges' deadlines.
class IClock {
public:
    virtual ~IClock() = default;
    virtual double timeOfDay() = 0;   // seconds since midnight, with fractions
    virtual qint64 monotonicMs() = 0; // never goes back, not even at midnight
};
