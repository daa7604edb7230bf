#pragma once

#include "serial/SerialLine.h"

#include <QElapsedTimer>
#include <QList>

#include <utility>

// Passes everything to a real line, counts the bytes that cross it each way and the time
// spent opening and closing, which no byte on the line accounts for. It also times the
// session's turnaround: from the moment a reply's last byte has become readable to the next
// write. The same span counted from when the line model says the reply was complete (the
// message and the reply back to back at 9600 baud from the write) adds what the board process
// and the kernel take to wake up.
class CountingLine : public ISerialLine {
public:
    explicit CountingLine(ISerialLine& line) : m_line(line) { m_clock.start(); }

    qint64 bytesSent = 0;
    qint64 bytesReceived = 0;
    qint64 openCloseNs = 0;
    QList<qint64> turnaroundsNs;     // one for each reply followed by a write
    QList<qint64> lineTurnaroundsNs; // the same, from the reply's end on the line

    int open(int number) override {
        return timed([&] { return m_line.open(number); });
    }
    int openDevice(const QString& device) override {
        return timed([&] { return m_line.openDevice(device); });
    }
    bool isOpen() const override { return m_line.isOpen(); }
    void close() override {
        timed([this] {
            m_line.close();
            return 0;
        });
        m_arrival = -1;
    }
    int write(const QByteArray& bytes) override {
        const qint64 now = m_clock.nsecsElapsed();
        if (m_arrival >= 0) {
            turnaroundsNs.append(now - m_arrival);
            lineTurnaroundsNs.append(now - m_endOnLine);
        }
        m_arrival = -1;
        m_written = now;
        m_writtenLength = int(bytes.size());
        bytesSent += bytes.size();
        return m_line.write(bytes);
    }
    // The session looks at the count as soon as the line announces bytes: the first look that sees
    // more bytes is when they became readable.
    int bytesWaiting() override {
        const int n = m_line.bytesWaiting();
        arrived(n);
        return n;
    }
    void listen(Listener listener) override { m_line.listen(std::move(listener)); }
    void clearInput() override {
        bytesReceived += m_line.bytesWaiting();
        m_line.clearInput();
        m_seen = 0;
    }
    QByteArray readAll() override {
        const QByteArray bytes = m_line.readAll();
        arrived(int(bytes.size()));
        m_seen = 0;
        bytesReceived += bytes.size();
        return bytes;
    }

private:
    template <typename Step> int timed(Step step) {
        const qint64 start = m_clock.nsecsElapsed();
        const int code = step();
        openCloseNs += m_clock.nsecsElapsed() - start;
        return code;
    }
    void arrived(int n) {
        if (n > m_seen) {
            m_arrival = m_clock.nsecsElapsed();
            m_endOnLine = m_written + qint64(m_writtenLength + n) * NsPerByte;
        }
        m_seen = n;
    }

    static constexpr qint64 NsPerByte = 1'041'667; // 10 bits at 9600 baud

    ISerialLine& m_line;
    QElapsedTimer m_clock;
    int m_seen = 0;        // bytes already seen waiting
    qint64 m_arrival = -1; // when the last of them was first seen, until the next write
    qint64 m_endOnLine = 0;
    qint64 m_written = 0;
    int m_writtenLength = 0;
};
