#include "window/WindowCommands.h"

#include "board/BoardSession.h"
#include "editing/ColourQuestion.h"
#include "editing/FileCommands.h"
#include "editing/SequenceEditor.h"
#include "files/Configuration.h"
#include "i18n/Language.h"
#include "serial/LineSwitch.h"
#include "serial/UserSettings.h"
#include "window/platform/MessageBoxes.h"
#include "window/widgets/EffectsDialog.h"
#include "window/widgets/HelpWindow.h"
#include "window/widgets/MultiUploadDialog.h"

#include <QFileInfo>

WindowCommands::WindowCommands(const EditorServices& services, QWidget* window)
    : QObject(window), m_services(services), m_window(window),
      m_languageInForce(interfaceLanguage(chosenLanguage())) {
    connect(&services.board, &BoardSession::finished, this, &WindowCommands::showReports);
}

void WindowCommands::newSequence() {
    m_services.files.newSequence();
}

void WindowCommands::openSequence() {
    m_services.messages.show(m_services.files.openSequence().report);
}

void WindowCommands::openPath(const QString& path) {
    const QString absolute = path.isEmpty() ? path : QFileInfo(path).absoluteFilePath();
    m_services.messages.show(m_services.files.openPath(absolute).report);
}

void WindowCommands::saveSequence() {
    m_services.messages.show(m_services.files.saveSequence().report);
}

void WindowCommands::quit() {
    const FileCommands::Outcome outcome = m_services.files.quit(true);
    m_services.messages.show(outcome.report);
    if (outcome.done)
        emit quitAccepted();
}

bool WindowCommands::mayClose() {
    const FileCommands::Outcome outcome = m_services.files.quit(false);
    m_services.messages.show(outcome.report);
    return outcome.done;
}

// The board is never left mid-exchange without the user being told what it holds.
bool WindowCommands::closeAfterBoardCommand() {
    if (!m_services.board.busy())
        return false;
    m_services.board.stop();
    connect(this, &WindowCommands::boardReportsRead, m_window, &QWidget::close,
            Qt::ConnectionType(Qt::SingleShotConnection | Qt::UniqueConnection));
    return true;
}

void WindowCommands::undo() {
    m_services.editor.undo();
}

void WindowCommands::redo() {
    m_services.editor.redo();
}

void WindowCommands::cut() {
    m_services.editor.cut();
}

void WindowCommands::copy() {
    m_services.editor.copy();
}

void WindowCommands::paste() {
    m_services.messages.show(m_services.editor.paste());
}

void WindowCommands::insertRecord() {
    m_services.messages.show(m_services.editor.insertRecord());
}

void WindowCommands::duplicateRecord() {
    m_services.messages.show(m_services.editor.duplicateRecord());
}

void WindowCommands::showEffects() {
    if (!m_effects) {
        m_effects = new EffectsDialog(m_services.editor, m_window);
        connect(m_effects, &EffectsDialog::insertRequested, this,
                [this](const QList<Frame>& f) { takeEffect(m_services.editor.insertFrames(f)); });
        connect(m_effects, &EffectsDialog::replaceRequested, this, [this](const QList<Frame>& f) {
            takeEffect(m_services.editor.replaceChosenRange(f));
        });
    }
    m_effects->open();
}

// Frames that do not fit leave the dialog open, to be made shorter.
void WindowCommands::takeEffect(const std::optional<Report>& refusal) {
    if (refusal)
        m_services.messages.show(refusal);
    else
        m_effects->accept();
}

void WindowCommands::chooseYellow() {
    chooseColours(LedColour::Yellow);
}

void WindowCommands::chooseRed() {
    chooseColours(LedColour::Red);
}

void WindowCommands::chooseGreen() {
    chooseColours(LedColour::Green);
}

void WindowCommands::chooseColours(LedColour scheme) {
    const std::optional<Report> question = colourQuestion(scheme);
    if (question && m_services.messages.ask(*question) != Answer::Yes)
        return;
    m_services.editor.setColours(scheme);
}

// An open port is left as it is: the next board command reopens on the port chosen here.
void WindowCommands::chooseCom(int index) {
    m_services.board.chooseCom(index);
    m_services.configuration.setPortNumber(qint16(index));
    m_services.configuration.saveConfiguration();
    rememberDevice(QString());
}

void WindowCommands::chooseDevice(const QString& device) {
    m_services.board.chooseDevice(device);
    rememberDevice(device);
}

// Told once: choosing again, or coming back to the language in force, says nothing more.
void WindowCommands::chooseLanguage(Language language) {
    const QString before = interfaceLanguage(chosenLanguage());
    ::chooseLanguage(language);
    const QString after = interfaceLanguage(language);
    if (after != before && after != m_languageInForce)
        m_services.messages.show(Report{
            tr("La langue choisie s'affichera au prochain démarrage de LT840."), titles::Main});
}

// A board command asked for while another runs does nothing.
void WindowCommands::testBoard() {
    m_services.board.testBoard();
}

void WindowCommands::upload() {
    const SequenceEditor& editor = m_services.editor;
    m_services.board.upload(editor.sequence(), editor.basePeriodIndex());
}

// Refused, as a board command is, while one runs. The session's port is let go first: a
// device it holds open would refuse to open for the boards programmed at once.
void WindowCommands::uploadSeveralBoards() {
    if (m_services.board.busy())
        return;
    m_services.lineSwitch.close();
    if (!m_severalBoards)
        m_severalBoards = new MultiUploadDialog(m_services.editor, m_services.ports,
                                                m_services.makeLine, m_services.clock, m_window);
    m_severalBoards->open();
}

void WindowCommands::resetBoard() {
    m_services.board.resetBoard();
}

void WindowCommands::showHelp() {
    if (!m_help)
        m_help = new HelpWindow(m_languageInForce, m_window);
    m_help->show();
    m_help->raise();
    m_help->activateWindow();
}

void WindowCommands::about() {
    m_services.messages.show(
        Report{tr("LT840 V%1\n\nÉditeur et programmateur de séquences lumineuses pour la "
                  "carte chenillard LT840 à 8 lampes.\n\nLicence : GNU GPL version 3 ou "
                  "ultérieure\n%2")
                   .arg(QStringLiteral(LT840_VERSION), QStringLiteral(LT840_HOMEPAGE)),
               titles::Main});
}

void WindowCommands::showReports(const BoardOutcome& outcome) {
    m_services.messages.show(outcome.reports);
    emit boardReportsRead();
}
