#include "board/MultiBoardUpload.h"

#include "model/Sequence.h"
#include "serial/SerialLine.h"

struct MultiBoardUpload::Link {
    std::unique_ptr<ISerialLine> line;
    std::unique_ptr<BoardSession> session; // goes before its line

    bool uploading = false;
};

MultiBoardUpload::MultiBoardUpload(LineMaker makeLine, IClock& clock, QObject* parent)
    : QObject(parent), m_makeLine(std::move(makeLine)), m_clock(clock) {}

MultiBoardUpload::~MultiBoardUpload() = default;

bool MultiBoardUpload::running() const {
    return std::ranges::any_of(m_boards, [](const Board& b) { return !b.ended; });
}

bool MultiBoardUpload::start(const QStringList& devices, const Sequence& sequence,
                             int basePeriodIndex) {
    if (running() || devices.isEmpty() || sequence.length() == 0)
        return false;
    // The last upload's sessions may be the ones telling of its end: they go once that is told.
    auto retired = std::make_shared<decltype(m_links)>(std::move(m_links));
    QMetaObject::invokeMethod(
        this, [retired] {}, Qt::QueuedConnection);
    m_links.clear();
    m_boards.clear();
    m_sequence = std::make_unique<Sequence>(sequence);
    m_basePeriodIndex = basePeriodIndex;
    m_stopping = false;
    for (const QString& device : devices) {
        auto link = std::make_unique<Link>();
        link->line = m_makeLine();
        link->session = std::make_unique<BoardSession>(*link->line, m_clock);
        link->session->chooseDevice(device);
        m_boards.append({device, link->session->identification(), {}, false});
        m_links.push_back(std::move(link));
    }
    for (int b = 0; b < int(m_links.size()); ++b) {
        BoardSession& session = *m_links[size_t(b)]->session;
        connect(&session, &BoardSession::uploadProgress, this,
                [this, b](int sent, int blocks) { emit progress(b, sent, blocks); });
        connect(&session, &BoardSession::finished, this, [this, b](const BoardOutcome& o) {
            m_links[size_t(b)]->uploading ? ended(b, o) : identified(b, o);
        });
        session.identifyBoard();
    }
    return true;
}

void MultiBoardUpload::stop() {
    m_stopping = true;
    for (auto& link : m_links)
        link->session->stop();
}

// Only a board that said who it is gets the sequence: the others have already been told. One
// stopped before its upload began holds what it held.
void MultiBoardUpload::identified(int board, const BoardOutcome& outcome) {
    Link& link = *m_links[size_t(board)];
    m_boards[board].identification = link.session->identification();
    if (outcome.result != BoardOutcome::Result::Done)
        return ended(board, outcome);
    if (m_stopping)
        return ended(board, {BoardOutcome::Result::Stopped, outcome.reports, outcome.reply});
    link.uploading = true;
    link.session->upload(*m_sequence, m_basePeriodIndex);
}

void MultiBoardUpload::ended(int board, const BoardOutcome& outcome) {
    m_boards[board].outcome = outcome;
    m_boards[board].ended = true;
    emit boardEnded(board);
    if (!running())
        emit finished();
}
