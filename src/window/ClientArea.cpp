#include "window/ClientArea.h"

#include "board/BoardSession.h"
#include "editing/Player.h"
#include "editing/SequenceEditor.h"
#include "model/Report.h"
#include "window/DesignedControls.h"
#include "window/EditorServices.h"
#include "window/OptionsPanel.h"
#include "window/PressRouter.h"
#include "window/SequencePanel.h"
#include "window/SimulatorPanel.h"
#include "window/TimeBasePanel.h"
#include "window/TransformPanel.h"
#include "window/widgets/LampGrid.h"
#include "window/widgets/Overview.h"
#include "window/widgets/Twips.h"
#include "window/widgets/UploadProgress.h"

#include <QScrollBar>

namespace {

constexpr int OverviewMargin = 8;

} // namespace

ClientArea::ClientArea(const EditorServices& services, WindowCommands& commands,
                       PressRouter& presses, QWidget* parent)
    : QWidget(parent) {
    setObjectName(QStringLiteral("background"));
    setAccessibleName(titles::Application);
    resize(px(7125), px(7095));
    presses.watchContainer(this);
    SequenceEditor& editor = services.editor;
    m_sequence = new SequencePanel(editor, presses, this);
    m_transforms = new TransformPanel(editor, presses, this);
    buildLampsAndNavigator(services);
    m_options = new OptionsPanel(editor, services.board, commands, presses, this);
    m_simulator = new SimulatorPanel(
        services.player, presses, [this] { m_sequence->commitEmptyStart(); }, this);
    m_timeBase = new TimeBasePanel(editor, presses, this);
    buildOverview(services);
    followNavigation(services);
    // A panel may put a control of its own on the background: every child keeps its place.
    for (QObject* child : children())
        if (auto* w = qobject_cast<QWidget*>(child))
            m_placed.append({w, w->geometry()});
    m_designedGrid = m_lamps->geometry();
}

void ClientArea::resizeEvent(QResizeEvent* event) {
    QWidget::resizeEvent(event);
    arrange();
}

// The lamps grow in proportion into the extra width and half the extra height, pushing the
// controls under them down; the overview takes the rest of the height and the whole width.
void ClientArea::arrange() {
    const QSize extra = (size() - m_design).expandedTo({0, 0});
    const QRect designGrid = m_designedGrid;
    const qreal grow = qMin(1 + extra.width() / qreal(designGrid.width()),
                            1 + extra.height() / 2.0 / designGrid.height());
    const QSize grid = (QSizeF(designGrid.size()) * grow).toSize();
    const int down = grid.height() - designGrid.height();
    const int across = extra.width() / 2;
    for (const auto& [w, designed] : m_placed) {
        const int below = designed.top() >= designGrid.bottom() ? down : 0;
        if (w == m_lamps)
            w->setGeometry(qBound(0, designGrid.center().x() + across - grid.width() / 2,
                                  width() - grid.width()),
                           designed.top(), grid.width(), grid.height());
        else if (w == m_overview)
            w->setGeometry(OverviewMargin, designed.top() + below, width() - 2 * OverviewMargin,
                           height() - designed.top() - below - OverviewMargin);
        else
            w->setGeometry(designed.translated(across, below));
    }
}

// The progress bar shares the navigator's place: only one of them shows at a time.
void ClientArea::buildLampsAndNavigator(const EditorServices& services) {
    m_lamps = designed::placed(new LampGrid(this), "lampGrid", twipsRect(900, 2490, 5295, 1065));
    m_lamps->follow(services.editor);
    connect(m_lamps, &LampGrid::lampPressed, &services.editor, &SequenceEditor::toggleLamp);
    connect(m_lamps, &LampGrid::recordRequested, &services.editor, &SequenceEditor::recordFrame);
    m_navigator = designed::placed(new QScrollBar(Qt::Horizontal, this), "recordNavigator",
                                   twipsRect(960, 3630, 5295, 255));
    m_navigator->setAccessibleName(tr("Enregistrement"));
    m_navigator->setTracking(false);
    m_navigator->setContextMenuPolicy(Qt::PreventContextMenu);
    m_progress = designed::placed(new UploadProgress(services.board, this), "uploadProgress",
                                  twipsRect(720, 3570, 5745, 345));
}

QProgressBar* ClientArea::uploadProgressBar() const {
    return m_progress->bar();
}

void ClientArea::buildOverview(const EditorServices& services) {
    m_overview = new Overview(this);
    m_overview->setObjectName(QStringLiteral("overview"));
    const QSize design = size();
    m_overview->setGeometry(OverviewMargin, design.height(), design.width() - 2 * OverviewMargin,
                            m_overview->height());
    m_design = {design.width(), design.height() + m_overview->height() + OverviewMargin};
    setMinimumSize(m_design);
    resize(m_design);
    SequenceEditor& editor = services.editor;
    m_overview->follow(editor, services.player);
    connect(m_overview, &Overview::recordChosen, &editor, &SequenceEditor::showRecord);
    connect(m_overview, &Overview::startAddressChosen, &editor, &SequenceEditor::setStartAddress);
    connect(m_overview, &Overview::recordRequested, &editor, &SequenceEditor::recordFrame);
}

// The navigator moves the record only once the user has finished moving it: arrows, page
// areas, the wheel and the keyboard at once, the thumb when it is released (with tracking off
// dragging it triggers no action).
void ClientArea::followNavigation(const EditorServices& services) {
    SequenceEditor& editor = services.editor;
    connect(m_navigator, &QScrollBar::actionTriggered, this,
            [this, &editor] { editor.showRecord(m_navigator->sliderPosition()); });
    connect(m_navigator, &QScrollBar::sliderReleased, this,
            [this, &editor] { editor.showRecord(m_navigator->sliderPosition()); });
    connect(&editor, &SequenceEditor::sequenceChanged, this,
            [this, &editor] { showRecordRange(editor.sequence().length()); });
    connect(&editor, &SequenceEditor::currentRecordChanged, this,
            [this](int record) { showCurrentRecord(record); });
    showRecordRange(editor.sequence().length());
    showCurrentRecord(editor.currentRecord());
    connect(&services.board, &BoardSession::uploadingChanged, this,
            [this](bool uploading) { showUploading(uploading); });
}

void ClientArea::showRecordRange(int length) {
    const QSignalBlocker blocker(m_navigator);
    m_navigator->setMaximum(length);
}

// A thumb held by the user stays where it is until released.
void ClientArea::showCurrentRecord(int record) {
    const QSignalBlocker blocker(m_navigator);
    if (!m_navigator->isSliderDown())
        m_navigator->setValue(record);
}

void ClientArea::showUploading(bool uploading) {
    m_navigator->setVisible(!uploading);
}
