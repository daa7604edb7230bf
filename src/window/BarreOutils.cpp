#include "window/BarreOutils.h"

#include "window/MenusFenetre.h"

#include <QAction>
#include <QIcon>
#include <QRegularExpression>
#include <QToolBar>
#include <QToolButton>

namespace {

struct Outil {
    QAction* action;
    const char* icone;   // the desktop theme's name for it
    const char* fichier; // the program's own drawing, when the theme has none
};

// The caption without its access-key marker, then the first shortcut.
QString bulle(const QAction* a) {
    QString texte = a->text();
    texte.remove(QRegularExpression(QStringLiteral("&(?!&)")));
    const QKeySequence touches = a->shortcut();
    if (!touches.isEmpty())
        texte += QStringLiteral(" (%1)").arg(touches.toString(QKeySequence::NativeText));
    return texte;
}

void ajouter(QToolBar* barre, const Outil& o) {
    const QIcon propre(QStringLiteral(":/icones/%1.svg").arg(QLatin1String(o.fichier)));
    const QIcon icone = QIcon::fromTheme(QLatin1String(o.icone), propre);
    o.action->setIcon(icone);
    o.action->setToolTip(bulle(o.action));
    barre->addAction(o.action);
    auto* bouton = qobject_cast<QToolButton*>(barre->widgetForAction(o.action));
    // Without the SVG support of Qt and without a theme icon, the caption stands in.
    if (icone.pixmap(barre->iconSize()).isNull())
        bouton->setToolButtonStyle(Qt::ToolButtonTextOnly);
    bouton->setObjectName(QStringLiteral("Outil_") + o.action->objectName());
    bouton->setAccessibleName(o.action->toolTip());
}

} // namespace

void garnirBarreOutils(QToolBar* barre, const MenusFenetre& m) {
    barre->setIconSize({24, 24});
    barre->setToolButtonStyle(Qt::ToolButtonIconOnly);
    for (const Outil& o :
         {Outil{m.Nouveau, "document-new", "nouveau"}, Outil{m.Lecture, "document-open", "ouvrir"},
          Outil{m.Sauvegarder, "document-save", "sauvegarder"}})
        ajouter(barre, o);
    barre->addSeparator();
    for (const Outil& o : {Outil{m.Edition.Annuler, "edit-undo", "annuler"},
                           Outil{m.Edition.Retablir, "edit-redo", "retablir"}})
        ajouter(barre, o);
    barre->addSeparator();
    for (const Outil& o : {Outil{m.TestCarte, "network-wired", "testcarte"},
                           Outil{m.transmet, "document-send", "programmation"}})
        ajouter(barre, o);
}
