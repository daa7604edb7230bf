#pragma once

#include "serial/SerialLine.h"

// Swaps the line the board session talks through: the bare line, or a trace in front of it.
class LineSwitch : public ISerialLine {
public:
    explicit LineSwitch(ISerialLine& line) : m_target(&line) {}
    void route(ISerialLine& target) { m_target = &target; }

    int open(int number) override { return m_target->open(number); }
    int openDevice(const QString& device) override { return m_target->openDevice(device); }
    bool isOpen() const override { return m_target->isOpen(); }
    void close() override { m_target->close(); }
    int write(const QByteArray& bytes) override { return m_target->write(bytes); }
    int bytesWaiting() override { return m_target->bytesWaiting(); }
    void waitForData(int ms) override { m_target->waitForData(ms); }
    void clearInput() override { m_target->clearInput(); }
    QByteArray readAll() override { return m_target->readAll(); }
    void beginCommand() override { m_target->beginCommand(); }
    void noteFailure(const QString& text) override { m_target->noteFailure(text); }

private:
    ISerialLine* m_target;
};
