#include "window/MainWindow.h"

#include "board/BoardSession.h"
#include "editing/FileCommands.h"
#include "model/Report.h"
#include "serial/UserSettings.h"
#include "window/ClientArea.h"
#include "window/OptionsPanel.h"
#include "window/PressRouter.h"
#include "window/SequencePanel.h"
#include "window/TimeBasePanel.h"
#include "window/WindowCommands.h"
#include "window/WindowMenus.h"
#include "window/platform/MessageBoxes.h"
#include "window/widgets/BoardTestWindow.h"
#include "window/widgets/LinkJournal.h"
#include "window/widgets/StatusLine.h"
#include "window/widgets/Twips.h"

#include <QCloseEvent>
#include <QLayout>
#include <QLineEdit>
#include <QMimeData>
#include <QTimer>
#include <QToolBar>

namespace {

// Where the user last left the window and how large, beside the other windows' places.
const QString GeometryKey = QStringLiteral("fenetres/principale");

// The one local file a drag carries, if it carries exactly one.
QString droppedFile(const QMimeData* data) {
    const QList<QUrl> urls = data->urls();
    if (urls.size() != 1 || !urls.first().isLocalFile())
        return {};
    return urls.first().toLocalFile();
}

// The status bar takes the width the designed controls give the window: its texts give way
// (the port's is shortened in the middle) rather than widen the window.
class FittedStatusLine : public StatusLine {
public:
    using StatusLine::StatusLine;
    QSize sizeHint() const override {
        return {minimumSizeHint().width(), StatusLine::sizeHint().height()};
    }
};

} // namespace

MainWindow::MainWindow(const EditorServices& services, QWidget* parent)
    : QMainWindow(parent), m_presses(new PressRouter(services.editor, this)),
      m_commands(new WindowCommands(services, this)) {
    setObjectName(QStringLiteral("mainWindow"));
    setWindowTitle(titles::Main);
    setContextMenuPolicy(Qt::PreventContextMenu);
    // The scale of the design comes from the desktop's font, before any control is placed.
    setFont(twips::fitToDesktopFont(font()));
    buildToolBar();
    m_area = new ClientArea(services, *m_commands, *m_presses, this);
    setCentralWidget(m_area);
    m_menus = new WindowMenus(services, *m_commands, this, m_toolBar);
    m_status = new FittedStatusLine(services.editor, services.board, this);
    setStatusBar(m_status);
    m_testWindow = new BoardTestWindow(this);
    restoreGeometry(userSettings().value(GeometryKey).toByteArray());
    letMenuShortcutsWin();
    setAcceptDrops(true);
    connect(&services.files, &FileCommands::titleChanged, this, &QMainWindow::setWindowTitle);
    connect(&services.board, &BoardSession::testAnswered, m_testWindow,
            &BoardTestWindow::showAnswer);
    connect(m_commands, &WindowCommands::quitAccepted, this, [this] {
        m_ending = true;
        close();
    });
}

void MainWindow::buildToolBar() {
    m_toolBar = new QToolBar(tr("Barre d'outils"), this);
    m_toolBar->setObjectName(QStringLiteral("toolBar"));
    m_toolBar->setMovable(false);
    m_toolBar->setFloatable(false);
    m_toolBar->setFixedHeight(px(630));
    addToolBar(Qt::TopToolBarArea, m_toolBar);
}

void MainWindow::letMenuShortcutsWin() {
    const SequencePanel* sequence = m_area->sequencePanel();
    for (QLineEdit* field : {sequence->startAddressField(), sequence->currentRecordField(),
                             sequence->recordCountField(), m_area->optionsPanel()->boardField(),
                             m_area->timeBasePanel()->framePeriodField()})
        m_menus->letShortcutsWinIn(field);
}

void MainWindow::openFile(const QString& path) {
    m_commands->openPath(path);
}

// Escape in the question keeps the editor open with its work.
void MainWindow::closeEvent(QCloseEvent* event) {
    if (!m_ending && !m_commands->mayClose()) {
        event->ignore();
        return;
    }
    if (m_commands->closeAfterBoardCommand()) {
        m_ending = true; // asked already
        event->ignore();
        return;
    }
    event->accept();
    end();
}

void MainWindow::end() {
    m_ending = true;
    userSettings().setValue(GeometryKey, saveGeometry());
    m_testWindow->hide();
    if (LinkJournal* journal = m_menus->journal())
        journal->setOpen(false);
}

void MainWindow::dragEnterEvent(QDragEnterEvent* event) {
    if (!droppedFile(event->mimeData()).isEmpty())
        event->acceptProposedAction();
}

void MainWindow::dragMoveEvent(QDragMoveEvent* event) {
    if (!droppedFile(event->mimeData()).isEmpty())
        event->acceptProposedAction();
}

// The file opens once the drop is over, so that the program it was dragged from is not held
// up by the questions the opening may ask.
void MainWindow::dropEvent(QDropEvent* event) {
    const QString path = droppedFile(event->mimeData());
    if (path.isEmpty())
        return;
    event->acceptProposedAction();
    QTimer::singleShot(0, this, [this, path] { openFile(path); });
}
