#pragma once

#include "serial/SerialLine.h"

#include <utility>

// Swaps the line the board session talks through: the bare line, or a trace in front of it.
class LineSwitch : public ISerialLine {
public:
    explicit LineSwitch(ISerialLine& line) : m_target(&line) {}
    // The listener follows the line to its new target.
    void route(ISerialLine& target) {
        m_target->listen({});
        m_target = &target;
        m_target->listen(m_listener);
    }

    int open(int number) override { return m_target->open(number); }
    int openDevice(const QString& device) override { return m_target->openDevice(device); }
    bool isOpen() const override { return m_target->isOpen(); }
    void close() override { m_target->close(); }
    int write(const QByteArray& bytes) override { return m_target->write(bytes); }
    int bytesWaiting() override { return m_target->bytesWaiting(); }
    void clearInput() override { m_target->clearInput(); }
    QByteArray readAll() override { return m_target->readAll(); }
    void listen(Listener listener) override {
        m_listener = std::move(listener);
        m_target->listen(m_listener);
    }
    void beginCommand() override { m_target->beginCommand(); }
    void noteFailure(const QString& text) override { m_target->noteFailure(text); }

private:
    ISerialLine* m_target;
    Listener m_listener;
};
