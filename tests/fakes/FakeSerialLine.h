#pragma once

#include "FakeClock.h"
#include "model/BoardFormat.h"

#include <QQueue>
#include <QStringList>

#include <algorithm>
#include <map>
#include <utility>

// A scripted board: the first rule with uses left matching a message written says what comes
// back and how many ms after, on the fake clock; what was asked of the line is logged.
class FakeSerialLine : public ISerialLine {
public:
    struct Delivery {
        QByteArray bytes;
        int delayMs = 5;
    };
    using Reaction = QList<Delivery>; // empty: the board stays silent

    static constexpr int PortStateError = 8012; // opening an open port, writing to a closed one

    explicit FakeSerialLine(FakeClock& clock) : m_clock(clock) {}

    // `message` empty matches any message; `times` < 0: the rule never wears out.
    FakeSerialLine& when(const QByteArray& message, Reaction reaction, int times = -1) {
        m_rules.append({message, std::move(reaction), times});
        return *this;
    }
    FakeSerialLine& answer(const QByteArray& message, const QByteArray& reply, int times = -1) {
        return when(message, {{reply}}, times);
    }
    // The identification, "B" to "P", "FR" to "F", "?" to any block, nothing to "R" and "***…".
    FakeSerialLine& soundBoard() {
        when("R", {}).when(QByteArray(32, '*'), {}).answer("?", boardformat::Identification);
        return answer("P", "B").answer("F", "FR").answer({}, "?");
    }
    // Stale bytes, waiting whatever is written.
    void deposit(const QByteArray& bytes) { m_pending.emplace(m_clock.monotonic, bytes); }
    // The bytes arrive at `when` and the listener hears of it.
    void deliver(const Delivery& d, qint64 when) {
        m_pending.emplace(when, d.bytes);
        m_clock.at(when, [this] {
            if (m_listener)
                m_listener();
        });
    }

    int openError = 0;         // when not 0, every open fails with it
    QQueue<int> writeErrors;   // one per write; a failed write does not reach the board
    QList<QByteArray> written; // every write, failed ones included
    QStringList opened;        // the COM number of every open, or the device opened by name

    int open(int number) override { return opened.append(QString::number(number)), openLine(); }
    int openDevice(const QString& device) override { return opened.append(device), openLine(); }
    bool isOpen() const override { return m_open; }
    void close() override { m_open = false; }
    int write(const QByteArray& bytes) override {
        written.append(bytes);
        const int code = writeErrors.isEmpty() ? 0 : writeErrors.dequeue();
        if (!m_open || code != 0)
            return m_open ? code : PortStateError;
        for (const Delivery& d : reactionTo(bytes))
            deliver(d, m_clock.monotonic + d.delayMs);
        return 0;
    }
    int bytesWaiting() override { return int(delivered().size()); }
    void listen(Listener listener) override { m_listener = std::move(listener); }
    void clearInput() override { delivered().clear(); }
    QByteArray readAll() override { return std::exchange(delivered(), {}); }
    void noteFailure(const QString&) override {}

private:
    struct Rule {
        QByteArray message;
        Reaction reaction;
        int times;
    };

    Reaction reactionTo(const QByteArray& message) {
        const auto r = std::ranges::find_if(m_rules, [&](const Rule& rule) {
            return rule.times != 0 && (rule.message.isEmpty() || rule.message == message);
        });
        return r == m_rules.end() ? Reaction() : (r->times -= r->times > 0, r->reaction);
    }
    QByteArray& delivered() {
        for (auto e = m_pending.begin(); e != m_pending.end() && e->first <= m_clock.monotonic;)
            m_buffer += e->second, e = m_pending.erase(e);
        return m_buffer;
    }
    int openLine() { return m_open ? PortStateError : (m_open = openError == 0, openError); }

    FakeClock& m_clock;
    QList<Rule> m_rules;
    std::multimap<qint64, QByteArray> m_pending; // by arrival time, first come first served
    QByteArray m_buffer;
    bool m_open = false;
    Listener m_listener;
};
