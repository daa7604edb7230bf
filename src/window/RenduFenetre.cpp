#include "window/FenetrePrincipale.h"

#include "editor/LT840.h"
#include "window/ComplementsFenetre.h"
#include "window/CouleurQt.h"
#include "window/DialogueTest.h"
#include "window/GrilleLampesWidget.h"

#include <QAction>
#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QLineEdit>
#include <QProgressBar>
#include <QPushButton>
#include <QRadioButton>
#include <QScrollBar>

namespace {

// Setting a text that is already there would move the cursor of a field being typed into.
void afficherTexte(QLineEdit* champ, const QString& texte) {
    if (champ->text() == texte)
        return;
    const QSignalBlocker bloque(champ);
    champ->setText(texte);
}

// A display shows the beginning of its text, as a reader expects.
void afficherDebut(QLineEdit* champ, const QString& texte) {
    if (champ->text() == texte)
        return;
    afficherTexte(champ, texte);
    champ->setCursorPosition(0);
}

// A display the user may type into shows the model's text again only when that text changes.
void afficherSiChange(QLineEdit* champ, const QString& texte, QString& affiche) {
    if (texte == affiche)
        return;
    affiche = texte;
    afficherDebut(champ, texte);
}

void colorer(QWidget* w, QPalette::ColorRole role, Couleur c) {
    const QPalette defaut = QApplication::palette(w);
    QPalette p = w->palette();
    p.setColor(role, couleurQt(c, defaut));
    w->setPalette(p);
}

} // namespace

void FenetrePrincipale::rafraichir() {
    setWindowTitle(m_ed.Ctl.Caption);
    rendreTextes();
    rendreLampes();
    rendreNavigateur();
    rendreBaseDeTemps();
    rendreCarte();
    rendreMenus();
    rendreDialogue();
    m_complements->rafraichir();
}

void FenetrePrincipale::rendreTextes() {
    afficherTexte(m_c.Text1, m_ed.Ctl.Text1);
    afficherTexte(m_c.Text2, m_ed.Ctl.Text2);
    afficherTexte(m_c.Text3, m_ed.Text3());
    const QSignalBlocker bloque(m_c.Check1);
    m_c.Check1->setChecked(m_ed.Ctl.Check1 == 1);
}

void FenetrePrincipale::rendreLampes() {
    for (int i = 0; i < NombreLampes; ++i) {
        const Lampe& l = m_ed.Ctl.Shape1[i];
        VoyantLampe* v = m_c.Frame1->lampe(i);
        v->peindre(couleurQt(l.FillColor, v->palette()), couleurQt(l.BorderColor, v->palette()),
                   l.FillColor == m_ed.CouleurOn);
    }
}

// A thumb held by the user stays where it is until released.
void FenetrePrincipale::rendreNavigateur() {
    QScrollBar* n = m_c.HScroll1;
    const QSignalBlocker bloque(n);
    n->setRange(0, m_ed.HScroll1Max());
    if (!n->isSliderDown())
        n->setValue(m_ed.HScroll1Value());
    n->setVisible(m_ed.Ctl.HScroll1Visible);
}

void FenetrePrincipale::rendreBaseDeTemps() {
    const Controles& ctl = m_ed.Ctl;
    {
        const QSignalBlocker bloque(m_c.List1);
        QStringList affichees;
        for (int i = 0; i < m_c.List1->count(); ++i)
            affichees.append(m_c.List1->itemText(i));
        if (affichees != ctl.List1) {
            m_c.List1->clear();
            m_c.List1->addItems(ctl.List1);
        }
        m_c.List1->setCurrentIndex(
            ctl.List1Index >= 0 && ctl.List1Index < ctl.List1.size() ? ctl.List1Index : -1);
    }
    rendrePeriode();
    // Exclusive buttons cannot all be unmarked; "none" lifts the exclusion for a moment.
    for (int i = 0; i < int(m_c.Option1.size()); ++i) {
        QRadioButton* o = m_c.Option1[i];
        const QSignalBlocker bloque(o);
        o->setAutoExclusive(false);
        o->setChecked(i == m_ed.boutonTempoMarque());
        o->setAutoExclusive(true);
    }
    colorer(m_c.Cmd3, QPalette::Button, ctl.Cmd3BackColor);
}

// What the user typed into the period display lasts until the period is computed again.
void FenetrePrincipale::rendrePeriode() {
    if (m_ed.Ctl.Cpt2Calculs == m_calculsVus)
        return;
    m_calculsVus = m_ed.Ctl.Cpt2Calculs;
    const QSignalBlocker bloque(m_c.Cpt2);
    m_c.Cpt2->setText(m_ed.Ctl.Cpt2);
    m_c.Cpt2->setCursorPosition(0);
}

void FenetrePrincipale::rendreCarte() {
    const Controles& ctl = m_ed.Ctl;
    afficherSiChange(m_c.Versions, ctl.Versions, m_versionsAffiche);
    colorer(m_c.Versions, QPalette::Base, ctl.VersionsBackColor);
    QProgressBar* barre = m_c.ProgressBar1;
    const QSignalBlocker bloque(barre);
    barre->setRange(0, ctl.ProgressBar1Max);
    barre->setValue(qBound(0, ctl.ProgressBar1Value, ctl.ProgressBar1Max));
    barre->setVisible(ctl.ProgressBar1Visible);
}

void FenetrePrincipale::rendreMenus() {
    for (int i = 0; i < int(m_m.COM.size()); ++i) {
        const QSignalBlocker bloque(m_m.COM[i]);
        m_m.COM[i]->setChecked(m_ed.Ctl.COM[i]);
    }
    rendreMenuEdition(m_m.Edition, m_ed);
}

void FenetrePrincipale::rendreDialogue() {
    afficherDebut(m_dialogue->texte(), m_ed.Ctl.DialogText1);
    if (m_dialogue->isVisible() != m_ed.Ctl.DialogVisible)
        m_dialogue->setVisible(m_ed.Ctl.DialogVisible);
}
