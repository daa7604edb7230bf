#pragma once

#include "board/BoardSession.h"

#include <QList>
#include <QObject>
#include <QString>
#include <QStringList>

#include <functional>
#include <memory>
#include <vector>

class IClock;
class ISerialLine;
class Sequence;

// One sequence into several boards at once, one adapter each: every board is asked who it is,
// then programmed, on its own line and session, all of them on the one event loop.
class MultiBoardUpload : public QObject {
    Q_OBJECT

public:
    using LineMaker = std::function<std::unique_ptr<ISerialLine>()>;

    struct Board {
        QString device;
        QString identification; // "?" until the board said who it is
        BoardOutcome outcome;   // once ended
        bool ended = false;
    };

    MultiBoardUpload(LineMaker makeLine, IClock& clock, QObject* parent = nullptr);
    ~MultiBoardUpload() override;

    // False, and nothing starts, while an upload runs or when there is no device or nothing to
    // program. A board whose port does not open ends before this returns.
    bool start(const QStringList& devices, const Sequence& sequence, int basePeriodIndex);
    // Every board stops after the block on its line; one still being asked who it is is left
    // as it is.
    void stop();
    bool running() const;
    const QList<Board>& boards() const { return m_boards; }

signals:
    void progress(int board, int blocksSent, int blocks);
    void boardEnded(int board);
    void finished();

private:
    struct Link;

    void identified(int board, const BoardOutcome& outcome);
    void ended(int board, const BoardOutcome& outcome);

    LineMaker m_makeLine;
    IClock& m_clock;
    std::vector<std::unique_ptr<Link>> m_links;
    QList<Board> m_boards;
    std::unique_ptr<Sequence> m_sequence; // as it was when the upload started
    int m_basePeriodIndex = 0;
    bool m_stopping = false;
};
