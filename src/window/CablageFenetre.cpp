#include "window/FenetrePrincipale.h"

#include "editor/LT840.h"
#include "window/GrilleLampesWidget.h"
#include "window/Twips.h"

#include <QAction>
#include <QCheckBox>
#include <QComboBox>
#include <QGroupBox>
#include <QGuiApplication>
#include <QKeyEvent>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QScrollBar>

#include <algorithm>
#include <optional>

namespace {

std::optional<Souris> boutonSouris(Qt::MouseButton b) {
    switch (b) {
    case Qt::LeftButton:
        return Souris::Gauche;
    case Qt::RightButton:
        return Souris::Droit;
    case Qt::MiddleButton:
        return Souris::Milieu;
    default:
        return std::nullopt;
    }
}

} // namespace

void FenetrePrincipale::ecouterPression(QWidget* w, GestionnairePression g, bool conteneur) {
    m_pressions.insert(w, {std::move(g), conteneur});
    w->installEventFilter(this);
}

// Every control of the right-button shortcut, with the press handler that carries it.
void FenetrePrincipale::cablerPressions() {
    LT840& ed = m_ed;
    const auto raccourci = [&ed](Souris b, float, float) { ed.RaccourciDroit_MouseDown(b); };
    ecouterPression(m_c.fond, raccourci, true);
    for (QWidget* cadre : {m_c.Frame3, m_c.Frame4, m_c.Frame5, m_c.Frame6, m_c.Frame7})
        ecouterPression(cadre, raccourci, true);
    ecouterPression(
        m_c.Frame1, [&ed](Souris b, float x, float y) { ed.Frame1_MouseDown(b, x, y); }, true);
    ecouterPression(m_c.Check1, raccourci);
    using Gestionnaire = void (LT840::*)(Souris);
    const std::pair<QPushButton*, Gestionnaire> boutons[] = {
        {m_c.Cmd1, &LT840::Cmd1_MouseDown},   {m_c.Cmd3, &LT840::Cmd3_MouseDown},
        {m_c.Cmd4, &LT840::Cmd4_MouseDown},   {m_c.Cmd5, &LT840::Cmd5_MouseDown},
        {m_c.Cmd6, &LT840::Cmd6_MouseDown},   {m_c.Cmd7, &LT840::Cmd7_MouseDown},
        {m_c.Cmd8, &LT840::Cmd8_MouseDown},   {m_c.Cmd9, &LT840::Cmd9_MouseDown},
        {m_c.Cmd10, &LT840::Cmd10_MouseDown}, {m_c.Cmd11, &LT840::Cmd11_MouseDown},
        {m_c.Cmd12, &LT840::Cmd12_MouseDown}};
    for (const auto& [bouton, g] : boutons)
        ecouterPression(bouton, [&ed, g](Souris b, float, float) { (ed.*g)(b); });
    for (int i = 0; i < int(m_c.Option1.size()); ++i)
        ecouterPression(m_c.Option1[i],
                        [&ed, i](Souris b, float, float) { ed.Option1_MouseDown(i, b); });
}

// A press goes to the handler of the control it lands on, in twips from that control's
// corner. A press that a control left unused travels up to the frame beneath it, where it
// must not count a second time. Buttons keep their own left press so that they still look
// pressed, unless the button was released meanwhile (in a message box the handler showed),
// which would leave them stuck down; no other press goes further than its handler.
bool FenetrePrincipale::surPression(QObject* objet, QMouseEvent* e) {
    const auto it = m_pressions.constFind(objet);
    if (it == m_pressions.constEnd())
        return false;
    const Pression p = *it;
    const std::optional<Souris> bouton = boutonSouris(e->button());
    const bool venuDUnControle =
        p.conteneur && static_cast<QWidget*>(objet)->childAt(e->position().toPoint()) != nullptr;
    if (bouton && !venuDUnControle) {
        const float x = enTwips(e->position().x());
        const float y = enTwips(e->position().y());
        executer([&] { p.gestionnaire(*bouton, x, y); });
    }
    if (!p.conteneur && e->button() == Qt::LeftButton &&
        (QGuiApplication::mouseButtons() & Qt::LeftButton))
        return false;
    e->accept();
    return true;
}

// "-", "Supp." and "Reset Carte" act on a click, by mouse or keyboard; "Mode Auto." ticks
// with its click and the editor reads its value.
void FenetrePrincipale::cablerClics() {
    LT840& ed = m_ed;
    for (QPushButton* b : {m_c.Cmd2, m_c.CmdSUPP, m_c.CmdRST})
        b->setAutoDefault(true); // Enter activates the button that has the focus
    connect(m_c.Cmd2, &QPushButton::clicked, this,
            [this, &ed] { executer([&] { ed.Cmd2_Click(); }); });
    connect(m_c.CmdSUPP, &QPushButton::clicked, this,
            [this, &ed] { executer([&] { ed.CmdSUPP_Click(); }); });
    connect(m_c.CmdRST, &QPushButton::clicked, this,
            [this, &ed] { executer([&] { ed.CmdRST_Click(); }); });
    connect(m_c.Check1, &QCheckBox::clicked, this,
            [this, &ed](bool coche) { executer([&] { ed.Ctl.Check1 = coche ? 1 : 0; }); });
}

// Typed text goes into the model as it is typed; the Enter key and leaving the start
// address are the handlers' business. Every field is watched for the menus' shortcuts.
void FenetrePrincipale::cablerChamps() {
    LT840& ed = m_ed;
    connect(m_c.Text1, &QLineEdit::textEdited, this, [&ed](const QString& t) { ed.Ctl.Text1 = t; });
    connect(m_c.Text2, &QLineEdit::textEdited, this, [&ed](const QString& t) { ed.Ctl.Text2 = t; });
    connect(m_c.Text3, &QLineEdit::textEdited, this,
            [this, &ed](const QString& t) { executer([&] { ed.setText3(t); }); });
    for (QLineEdit* c : m_c.fond->findChildren<QLineEdit*>())
        c->installEventFilter(this);
}

// A text field claims the keys it edits with, Ctrl+V (paste) among them, before any shortcut
// is looked at. The menus' shortcuts win wherever the focus is: the field is denied the
// claim, and pasting stays on Shift+Insert and the field's context menu.
bool FenetrePrincipale::surRaccourci(QKeyEvent* e) {
    const QKeySequence touches(e->keyCombination());
    const QList<QAction*> actions = findChildren<QAction*>();
    const bool duMenu = std::any_of(actions.cbegin(), actions.cend(), [&](const QAction* a) {
        return a->isEnabled() && a->shortcuts().contains(touches);
    });
    if (!duMenu)
        return false;
    e->ignore();
    return true;
}

bool FenetrePrincipale::surTouche(QObject* objet, QKeyEvent* e) {
    if (e->key() != Qt::Key_Return && e->key() != Qt::Key_Enter)
        return false;
    if (objet == m_c.Text1)
        executer([this] { m_ed.Text1_KeyPress(ToucheEntree); });
    else if (objet == m_c.Text2)
        executer([this] { m_ed.Text2_KeyPress(ToucheEntree); });
    return false;
}

// Switching to another window or opening a menu is not leaving the field.
void FenetrePrincipale::surPerteFocus(QObject* objet, QFocusEvent* e) {
    if (objet != m_c.Text1 || e->reason() == Qt::ActiveWindowFocusReason ||
        e->reason() == Qt::PopupFocusReason)
        return;
    executer([this] { m_ed.Text1_LostFocus(); });
}

// The navigator moves the record only when the user has finished moving it: arrows, page
// areas, the wheel and the keyboard at once, the thumb when it is released (tracking is off,
// so dragging the thumb triggers no action).
void FenetrePrincipale::cablerNavigateur() {
    QScrollBar* n = m_c.HScroll1;
    connect(n, &QScrollBar::actionTriggered, this, [this, n](int) {
        executer([this, n] { m_ed.setHScroll1Value(n->sliderPosition()); });
    });
    connect(n, &QScrollBar::sliderReleased, this,
            [this, n] { executer([this, n] { m_ed.setHScroll1Value(n->sliderPosition()); }); });
}

// The period is shown once the new base period is selected. A radio button checked from the
// keyboard is put back: only a press chooses the multiplier.
void FenetrePrincipale::cablerBaseDeTemps() {
    connect(m_c.List1, &QComboBox::activated, this, [this](int i) {
        executer([this, i] {
            m_ed.Ctl.List1Index = i;
            m_ed.List1_Click();
        });
    });
    for (QRadioButton* o : m_c.Option1)
        connect(o, &QRadioButton::clicked, this, [this] { rafraichir(); });
}

void FenetrePrincipale::cablerMenus() {
    using Gestionnaire = void (LT840::*)();
    const std::pair<QAction*, Gestionnaire> elements[] = {
        {m_m.Nouveau, &LT840::Nouveau_Click},
        {m_m.Lecture, &LT840::Lecture_Click},
        {m_m.Sauvegarder, &LT840::Sauvegarder_Click},
        {m_m.Quitter, &LT840::Quitter_Click},
        {m_m.Jaune, &LT840::Jaune_Click},
        {m_m.Rouge, &LT840::Rouge_Click},
        {m_m.Vert, &LT840::Vert_Click},
        {m_m.TestCarte, &LT840::TestCarte_Click},
        {m_m.transmet, &LT840::transmet_Click},
        {m_m.Version, &LT840::Version_Click}};
    LT840& ed = m_ed;
    for (const auto& [action, g] : elements)
        connect(action, &QAction::triggered, this,
                [this, &ed, g] { executer([&ed, g] { (ed.*g)(); }); });
    for (int i = 0; i < int(m_m.COM.size()); ++i)
        connect(m_m.COM[i], &QAction::triggered, this,
                [this, &ed, i] { executer([&ed, i] { ed.COM_Click(i); }); });
    cablerMenuEdition(m_m.Edition, *this, ed);
}

bool FenetrePrincipale::eventFilter(QObject* objet, QEvent* evenement) {
    switch (evenement->type()) {
    case QEvent::MouseButtonPress:
    case QEvent::MouseButtonDblClick: // the second press of a double click counts as well
        return surPression(objet, static_cast<QMouseEvent*>(evenement));
    case QEvent::KeyPress:
        return surTouche(objet, static_cast<QKeyEvent*>(evenement));
    case QEvent::ShortcutOverride:
        return surRaccourci(static_cast<QKeyEvent*>(evenement));
    case QEvent::FocusOut:
        surPerteFocus(objet, static_cast<QFocusEvent*>(evenement));
        return false;
    default:
        return QMainWindow::eventFilter(objet, evenement);
    }
}
