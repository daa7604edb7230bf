#include "window/ComplementsFenetre.h"

#include "editor/LT840.h"
#include "window/BarreOutils.h"
#include "window/ControlesFenetre.h"
#include "window/FenetrePrincipale.h"
#include "window/MenuRecents.h"
#include "window/VueEnsemble.h"

#include <QDir>
#include <QDropEvent>
#include <QFileInfo>
#include <QLineEdit>
#include <QMenu>
#include <QMenuBar>
#include <QMimeData>
#include <QStatusBar>
#include <QTimer>
#include <QToolBar>
#include <utility>

namespace {

constexpr int Marge = 8;

// The one local file a drag carries, if it carries exactly one.
QString fichierDepose(const QMimeData* donnees) {
    const QList<QUrl> urls = donnees->urls();
    if (urls.size() != 1 || !urls.first().isLocalFile())
        return {};
    return urls.first().toLocalFile();
}

} // namespace

ComplementsFenetre::ComplementsFenetre(FenetrePrincipale& fenetre, LT840& ed,
                                       const ControlesFenetre& c, const MenusFenetre& m)
    : QObject(&fenetre), m_fenetre(fenetre), m_ed(ed), m_etat(fenetre.statusBar()) {
    placerVue(c);
    garnirBarreOutils(fenetre.findChild<QToolBar*>(QStringLiteral("Toolbar1")), m);
    auto* fichier = fenetre.menuBar()->findChild<QMenu*>(QStringLiteral("Fichier"));
    auto* trait = fichier->findChild<QAction*>(QStringLiteral("trait"));
    m_recents = new MenuRecents(fichier, trait, [this](const QString& p) { ouvrirRecent(p); });
    // The addresses shade the overview as they are typed; a file dropped on them opens.
    for (QLineEdit* champ : {c.Text1, c.Text2})
        connect(champ, &QLineEdit::textEdited, this, [this] { rafraichirVue(); });
    for (QLineEdit* champ : c.fond->findChildren<QLineEdit*>())
        champ->setAcceptDrops(false);
    fenetre.setAcceptDrops(true);
    fenetre.installEventFilter(this);
}

// Under the designed controls, across the window: the client area grows by its height.
void ComplementsFenetre::placerVue(const ControlesFenetre& c) {
    m_vue = new VueEnsemble(c.fond);
    const QSize design = c.fond->size();
    m_vue->setGeometry(Marge, design.height(), design.width() - 2 * Marge, m_vue->height());
    c.fond->setFixedSize(design.width(), design.height() + m_vue->height() + Marge);
    m_vue->surPression = [this](int colonne, Qt::MouseButton b, Qt::KeyboardModifiers t) {
        surPressionVue(colonne, b, t);
    };
    m_vue->surTouche = [this](int colonne) {
        m_fenetre.executer([this, colonne] { m_ed.setHScroll1Value(colonne); });
    };
}

// A record is shown as the navigator shows it; "Départ" takes the record as typed text would.
void ComplementsFenetre::surPressionVue(int colonne, Qt::MouseButton bouton,
                                        Qt::KeyboardModifiers touches) {
    if (bouton == Qt::RightButton) {
        m_fenetre.executer([this] { m_ed.RaccourciDroit_MouseDown(Souris::Droit); });
        return;
    }
    if (bouton != Qt::LeftButton || colonne < 0)
        return;
    if (touches & Qt::ShiftModifier)
        m_fenetre.executer([this, colonne] { m_ed.Ctl.Text1 = QString::number(colonne); });
    else
        m_fenetre.executer([this, colonne] { m_ed.setHScroll1Value(colonne); });
}

void ComplementsFenetre::ouvrirRecent(const QString& chemin) {
    if (QFileInfo::exists(chemin)) {
        m_fenetre.ouvrirFichier(chemin);
        return;
    }
    m_fenetre.executer([this, &chemin] {
        m_ed.MsgBox(QStringLiteral("Le fichier « %1 » n'existe plus : il est retiré de la liste "
                                   "des fichiers récents.")
                        .arg(QDir::toNativeSeparators(chemin)),
                    Msg::Exclamation | Msg::OK, Titre);
    });
    m_recents->oublierAbsents();
}

void ComplementsFenetre::rafraichirVue() {
    m_vue->montrer(imageSequence(m_ed, m_vue->palette()));
}

void ComplementsFenetre::rafraichir() {
    rafraichirVue();
    m_etat.montrer(m_ed);
    retenirFichier();
}

void ComplementsFenetre::retenirFichier() {
    if (const QString fichier = std::exchange(m_ed.FichierTraite, {}); !fichier.isEmpty())
        m_recents->retenir(fichier);
}

// The file opens once the drop is over, so that the program it was dragged from is not held
// up by the questions the opening may ask.
bool ComplementsFenetre::eventFilter(QObject* objet, QEvent* evenement) {
    if (objet != &m_fenetre)
        return false;
    if (evenement->type() == QEvent::DragEnter || evenement->type() == QEvent::DragMove) {
        auto* e = static_cast<QDropEvent*>(evenement);
        if (!fichierDepose(e->mimeData()).isEmpty())
            e->acceptProposedAction();
        return true;
    }
    if (evenement->type() == QEvent::Drop) {
        auto* e = static_cast<QDropEvent*>(evenement);
        const QString chemin = fichierDepose(e->mimeData());
        if (chemin.isEmpty())
            return true;
        e->acceptProposedAction();
        QTimer::singleShot(0, this, [this, chemin] { m_fenetre.ouvrirFichier(chemin); });
        return true;
    }
    return false;
}
