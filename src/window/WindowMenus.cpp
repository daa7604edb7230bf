#include "window/WindowMenus.h"

#include "editing/FileCommands.h"
#include "editing/SequenceEditor.h"
#include "i18n/Language.h"
#include "window/EditorServices.h"
#include "window/WindowCommands.h"
#include "window/platform/MessageBoxes.h"
#include "window/platform/QtProgramFolders.h"
#include "window/widgets/AfterFirstPaint.h"
#include "window/widgets/LinkJournal.h"
#include "window/widgets/PortMenu.h"
#include "window/widgets/RecentFilesMenu.h"

#include <QAction>
#include <QActionGroup>
#include <QClipboard>
#include <QCoreApplication>
#include <QDir>
#include <QGuiApplication>
#include <QIcon>
#include <QKeyEvent>
#include <QMainWindow>
#include <QMenuBar>
#include <QShortcut>
#include <QToolBar>
#include <QToolButton>

#include <algorithm>
#include <utility>

using Command = WindowMenus::Command;

namespace {

enum class Place { File, Edit, Colour, Transfer, Help };

} // namespace

// One command: where it goes, its caption and shortcuts, what it runs, when it may run, and
// its icon when the toolbar offers it (the desktop theme's, else the program's own).
struct WindowMenus::Row {
    Command command;
    Place place;
    const char* text;
    const char* shortcuts; // separated by "; "
    void (WindowCommands::*run)();
    bool (SequenceEditor::*enabled)() const; // always, when null
    bool separatorBefore;
    const char* themeIcon; // not on the toolbar, when null
    const char* ownIcon;
};

// Ctrl+V stays with the green colour scheme, so pasting records takes Ctrl+Shift+V.
const WindowMenus::Row WindowMenus::Rows[] = {
    {Command::New, Place::File, QT_TRANSLATE_NOOP("WindowMenus", "&Nouveau"), "Ctrl+N",
     &WindowCommands::newSequence, nullptr, false, "document-new", "new"},
    {Command::Open, Place::File, QT_TRANSLATE_NOOP("WindowMenus", "&Ouvrir"), "Ctrl+O",
     &WindowCommands::openSequence, nullptr, false, "document-open", "open"},
    {Command::Save, Place::File, QT_TRANSLATE_NOOP("WindowMenus", "&Sauvegarder"), "Ctrl+S",
     &WindowCommands::saveSequence, nullptr, false, "document-save", "save"},
    {Command::Quit, Place::File, QT_TRANSLATE_NOOP("WindowMenus", "&Quitter"), "Ctrl+Q",
     &WindowCommands::quit, nullptr, true, nullptr, nullptr},
    {Command::Undo, Place::Edit, QT_TRANSLATE_NOOP("WindowMenus", "&Annuler"), "Ctrl+Z",
     &WindowCommands::undo, &SequenceEditor::canUndo, false, "edit-undo", "undo"},
    {Command::Redo, Place::Edit, QT_TRANSLATE_NOOP("WindowMenus", "&Rétablir"),
     "Ctrl+Y; Ctrl+Shift+Z", &WindowCommands::redo, &SequenceEditor::canRedo, false, "edit-redo",
     "redo"},
    {Command::Cut, Place::Edit, QT_TRANSLATE_NOOP("WindowMenus", "Co&uper"), "Ctrl+X",
     &WindowCommands::cut, &SequenceEditor::canCopy, true, nullptr, nullptr},
    {Command::Copy, Place::Edit, QT_TRANSLATE_NOOP("WindowMenus", "&Copier"), "Ctrl+C",
     &WindowCommands::copy, &SequenceEditor::canCopy, false, nullptr, nullptr},
    {Command::Paste, Place::Edit, QT_TRANSLATE_NOOP("WindowMenus", "C&oller"), "Ctrl+Shift+V",
     &WindowCommands::paste, &SequenceEditor::canPaste, false, nullptr, nullptr},
    {Command::Insert, Place::Edit, QT_TRANSLATE_NOOP("WindowMenus", "&Insérer un enregistrement"),
     "Ins", &WindowCommands::insertRecord, &SequenceEditor::canInsert, true, nullptr, nullptr},
    {Command::Duplicate, Place::Edit,
     QT_TRANSLATE_NOOP("WindowMenus", "&Dupliquer l'enregistrement"), "Ctrl+D",
     &WindowCommands::duplicateRecord, &SequenceEditor::canDuplicate, false, nullptr, nullptr},
    {Command::Effects, Place::Edit, QT_TRANSLATE_NOOP("WindowMenus", "&Effets…"), "Ctrl+E",
     &WindowCommands::showEffects, nullptr, true, nullptr, nullptr},
    {Command::Yellow, Place::Colour, QT_TRANSLATE_NOOP("WindowMenus", "&Jaune"), "Ctrl+J",
     &WindowCommands::chooseYellow, nullptr, false, nullptr, nullptr},
    {Command::Red, Place::Colour, QT_TRANSLATE_NOOP("WindowMenus", "&Rouge"), "Ctrl+R",
     &WindowCommands::chooseRed, nullptr, false, nullptr, nullptr},
    {Command::Green, Place::Colour, QT_TRANSLATE_NOOP("WindowMenus", "&Vert"), "Ctrl+V",
     &WindowCommands::chooseGreen, nullptr, false, nullptr, nullptr},
    {Command::TestBoard, Place::Transfer, QT_TRANSLATE_NOOP("WindowMenus", "&TestCarte"), "",
     &WindowCommands::testBoard, nullptr, false, "network-wired", "testboard"},
    {Command::Upload, Place::Transfer, QT_TRANSLATE_NOOP("WindowMenus", "&Programmation"), "",
     &WindowCommands::upload, nullptr, false, "document-send", "upload"},
    {Command::UploadSeveral, Place::Transfer,
     QT_TRANSLATE_NOOP("WindowMenus", "Programmer plusieurs &cartes…"), "",
     &WindowCommands::uploadSeveralBoards, nullptr, false, nullptr, nullptr},
    {Command::Help, Place::Help, QT_TRANSLATE_NOOP("WindowMenus", "&Aide"), "F1",
     &WindowCommands::showHelp, nullptr, false, nullptr, nullptr},
    {Command::About, Place::Help, QT_TRANSLATE_NOOP("WindowMenus", "À &propos de LT840"), "",
     &WindowCommands::about, nullptr, false, nullptr, nullptr},
};

namespace {

// The caption without its access-key marker ("&&" stays as one "&"), then the first shortcut.
// A plain loop: a regular expression costs the start-up half a megabyte.
QString toolTip(const QAction* action) {
    const QString caption = action->text();
    QString text;
    for (qsizetype i = 0; i < caption.size(); ++i) {
        const bool doubled = i + 1 < caption.size() && caption[i + 1] == u'&';
        if (caption[i] != u'&' || doubled)
            text += caption[i];
    }
    const QKeySequence keys = action->shortcut();
    if (!keys.isEmpty())
        text += QStringLiteral(" (%1)").arg(keys.toString(QKeySequence::NativeText));
    return text;
}

// A toolbar command's icon: the desktop theme's, else the program's own.
struct ToolBarIcon {
    QAction* action;
    const char* themeIcon;
    const char* ownIcon;
};

void setIcon(QToolBar* toolBar, const ToolBarIcon& wanted) {
    const QIcon own(QStringLiteral(":/icons/%1.svg").arg(QLatin1String(wanted.ownIcon)));
    const QIcon icon = QIcon::fromTheme(QLatin1String(wanted.themeIcon), own);
    wanted.action->setIcon(icon);
    // Without Qt's SVG support and without a theme icon, the caption stands in.
    if (icon.pixmap(toolBar->iconSize()).isNull())
        qobject_cast<QToolButton*>(toolBar->widgetForAction(wanted.action))
            ->setToolButtonStyle(Qt::ToolButtonTextOnly);
}

void offerOnToolBar(QToolBar* toolBar, QAction* action) {
    action->setToolTip(toolTip(action));
    toolBar->addAction(action);
    toolBar->widgetForAction(action)->setAccessibleName(action->toolTip());
}

} // namespace

WindowMenus::WindowMenus(const EditorServices& services, WindowCommands& commands,
                         QMainWindow* window, QToolBar* toolBar)
    : QObject(window), m_services(services), m_commands(commands) {
    build(window, toolBar);
    followEditor();
}

void WindowMenus::build(QMainWindow* window, QToolBar* toolBar) {
    QMenuBar* bar = window->menuBar();
    QMenu* file = bar->addMenu(tr("&Fichier"));
    QMenu* edit = bar->addMenu(tr("&Édition"));
    QMenu* options = bar->addMenu(tr("&Option"));
    QMenu* transfer = bar->addMenu(tr("&Transfert"));
    QMenu* help = bar->addMenu(tr("&?"));
    // No keyboard types Alt+É: Alt+E opens "Édition" as its access key would. A caption whose
    // access key is E already has it, and a second Alt+E would leave both unable to act.
    const QKeySequence altE(Qt::ALT | Qt::Key_E);
    if (QKeySequence::mnemonic(edit->title()) != altE)
        connect(new QShortcut(altE, window), &QShortcut::activated, bar,
                [bar, edit] { bar->setActiveAction(edit->menuAction()); });
    buildOptions(options, window);
    QMenu* menus[] = {file, edit, m_colourMenu, transfer, help};
    toolBar->setIconSize({24, 24});
    toolBar->setToolButtonStyle(Qt::ToolButtonIconOnly);
    std::vector<ToolBarIcon> icons;
    const Row* lastOnToolBar = nullptr;
    for (const Row& row : Rows) {
        Q_ASSERT(std::size_t(row.command) == m_actions.size());
        QAction* a = add(row, menus[int(row.place)], bar);
        m_actions.push_back(a);
        if (!row.themeIcon)
            continue;
        if (lastOnToolBar && lastOnToolBar->place != row.place)
            toolBar->addSeparator();
        offerOnToolBar(toolBar, a);
        icons.push_back({a, row.themeIcon, row.ownIcon});
        lastOnToolBar = &row;
    }
    // Rendering the icons costs more than the rest of the menus together: the window appears
    // without waiting for them. The buttons keep their size meanwhile (icon only, fixed size).
    afterFirstPaint(toolBar, [toolBar, icons] {
        for (const ToolBarIcon& icon : icons)
            setIcon(toolBar, icon);
    });
    // The colour menu is greyed, as designed, so that it never opens; its shortcuts stay
    // live through the window itself.
    m_colourMenu->menuAction()->setEnabled(false);
    window->addActions({action(Command::Yellow), action(Command::Red), action(Command::Green)});
    buildRecentFiles(file);
    buildExamples(file);
}

// "?" is an item of the bar itself, with no menu under it.
QAction* WindowMenus::add(const Row& row, QMenu* menu, QMenuBar* bar) {
    QWidget* holder = menu ? static_cast<QWidget*>(menu) : bar;
    auto* a = new QAction(QCoreApplication::translate("WindowMenus", row.text), holder);
    if (*row.shortcuts)
        a->setShortcuts(QKeySequence::listFromString(QString::fromLatin1(row.shortcuts)));
    connect(a, &QAction::triggered, &m_commands, row.run);
    if (menu && row.separatorBefore)
        menu->addSeparator();
    holder->addAction(a);
    return a;
}

// The recent files come between "Sauvegarder" and the separator before "Quitter".
void WindowMenus::buildRecentFiles(QMenu* file) {
    const QList<QAction*> items = file->actions();
    QAction* separator = items.at(items.indexOf(action(Command::Quit)) - 1);
    m_recentFiles = new RecentFilesMenu(file, separator);
    connect(m_recentFiles, &RecentFilesMenu::fileChosen, &m_commands, &WindowCommands::openPath);
    connect(m_recentFiles, &RecentFilesMenu::fileMissing, this,
            [this](const Report& report) { m_services.messages.show(report); });
    connect(&m_services.files, &FileCommands::fileUsed, m_recentFiles, &RecentFilesMenu::remember);
}

// "Exemples", after "Ouvrir": the example sequences, opened as any file is. An installed copy
// is the system's, and "Sauvegarder" always asks for a name: the examples stay as shipped.
void WindowMenus::buildExamples(QMenu* file) {
    auto* examples = new QMenu(tr("E&xemples"), file);
    file->insertMenu(action(Command::Save), examples);
    // Picked by their suffix rather than by a name filter, which Qt would compile into a
    // regular expression, the only one the start-up would need.
    QFileInfoList found = QDir(QtProgramFolders::examplesFolder()).entryInfoList(QDir::Files);
    found.removeIf([](const QFileInfo& f) {
        return !f.fileName().endsWith(QStringLiteral(".dat"), Qt::CaseInsensitive);
    });
    std::sort(found.begin(), found.end(), [](const QFileInfo& a, const QFileInfo& b) {
        return a.completeBaseName() < b.completeBaseName();
    });
    for (const QFileInfo& example : found) {
        const QString path = example.absoluteFilePath();
        connect(examples->addAction(example.completeBaseName()), &QAction::triggered, &m_commands,
                [this, path] { m_commands.openPath(path); });
    }
    examples->setEnabled(!examples->isEmpty());
}

// "Port série", "Couleur LED" (filled from the table), "Journal de la liaison" and "Langue".
void WindowMenus::buildOptions(QMenu* options, QMainWindow* window) {
    m_portMenu = new PortMenu(m_services.board, m_services.ports, options);
    m_portMenu->setTitle(tr("&Port série"));
    options->addMenu(m_portMenu);
    connect(m_portMenu, &PortMenu::comChosen, &m_commands, &WindowCommands::chooseCom);
    connect(m_portMenu, &PortMenu::deviceChosen, &m_commands, &WindowCommands::chooseDevice);
    m_colourMenu = options->addMenu(tr("&Couleur LED"));
    m_journalAction = options->addAction(tr("&Journal de la liaison"));
    m_journalAction->setCheckable(true);
    // Made when first opened: closed, it traces nothing, so nothing is missed meanwhile.
    connect(m_journalAction, &QAction::toggled, this, [this, window](bool open) {
        if (!m_journal && !open)
            return;
        if (!m_journal) {
            m_journal =
                new LinkJournal(window, m_services.lineSwitch, m_services.line, m_services.clock);
            connect(m_journal, &LinkJournal::openChanged, m_journalAction, &QAction::setChecked);
        }
        m_journal->setOpen(open);
    });
    buildLanguages(options);
}

// The desktop's language, or a language named in itself, whatever the language in force.
void WindowMenus::buildLanguages(QMenu* options) {
    QMenu* languages = options->addMenu(tr("&Langue"));
    auto* group = new QActionGroup(languages);
    const std::pair<Language, QString> items[] = {
        {Language::Desktop, tr("Selon le bureau")},
        {Language::French, QStringLiteral("Français")},
        {Language::English, QStringLiteral("English")},
    };
    const Language chosen = chosenLanguage();
    for (const auto& [language, caption] : items) {
        QAction* a = group->addAction(caption);
        a->setCheckable(true);
        a->setChecked(language == chosen);
        languages->addAction(a);
        connect(a, &QAction::triggered, &m_commands,
                [this, choice = language] { m_commands.chooseLanguage(choice); });
        m_languageActions.at(std::size_t(language)) = a;
    }
}

// What the Édition commands may do follows the editor, and what may be pasted the desktop's
// clipboard too.
void WindowMenus::followEditor() {
    const SequenceEditor* editor = &m_services.editor;
    for (auto signal : {&SequenceEditor::sequenceChanged, &SequenceEditor::historyChanged})
        connect(editor, signal, this, &WindowMenus::greyCommands);
    for (auto signal : {&SequenceEditor::currentRecordChanged, &SequenceEditor::currentEntryChanged,
                        &SequenceEditor::startAddressChanged})
        connect(editor, signal, this, &WindowMenus::greyCommands);
    connect(QGuiApplication::clipboard(), &QClipboard::dataChanged, this,
            &WindowMenus::greyCommands);
    greyCommands();
}

void WindowMenus::greyCommands() {
    for (const Row& row : Rows)
        if (row.enabled)
            action(row.command)->setEnabled((m_services.editor.*row.enabled)());
}

void WindowMenus::letShortcutsWinIn(QWidget* field) {
    field->installEventFilter(this);
}

// A text field claims the keys it edits with, Ctrl+V among them, before any shortcut is
// looked at: the field is denied the claim when an item that may run has the keys.
bool WindowMenus::eventFilter(QObject* watched, QEvent* event) {
    if (event->type() != QEvent::ShortcutOverride)
        return QObject::eventFilter(watched, event);
    auto* keyEvent = static_cast<QKeyEvent*>(event);
    if (!claimedByMenus(QKeySequence(keyEvent->keyCombination())))
        return false;
    keyEvent->ignore();
    return true;
}

bool WindowMenus::claimedByMenus(const QKeySequence& keys) const {
    return std::any_of(m_actions.cbegin(), m_actions.cend(), [&keys](const QAction* a) {
        return a->isEnabled() && a->shortcuts().contains(keys);
    });
}
