#include "window/ControlesFenetre.h"

#include "window/GrilleLampesWidget.h"
#include "window/Twips.h"

#include <QCheckBox>
#include <QComboBox>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QProgressBar>
#include <QPushButton>
#include <QRadioButton>
#include <QScrollBar>

namespace {

template <class W> W* placer(W* w, const char* nom, const QRect& r) {
    w->setObjectName(QLatin1String(nom));
    w->setGeometry(r);
    return w;
}

QGroupBox* cadre(QWidget* parent, const char* nom, const QRect& r, const QString& titre,
                 const QString& nomAccessible) {
    auto* c = placer(new QGroupBox(titre, parent), nom, r);
    c->setAccessibleName(nomAccessible);
    return c;
}

QPushButton* bouton(QWidget* parent, const char* nom, const QRect& r, const QString& legende,
                    const QString& bulle = QString()) {
    auto* b = placer(new QPushButton(legende, parent), nom, r);
    b->setToolTip(bulle);
    b->setAccessibleName(legende);
    return b;
}

QLabel* etiquette(QWidget* parent, const char* nom, const QRect& r, const QString& texte) {
    return placer(new QLabel(texte, parent), nom, r);
}

QLineEdit* champ(QWidget* parent, const char* nom, const QRect& r, const QString& texte,
                 const QString& nomAccessible, const QString& bulle = QString()) {
    auto* c = placer(new QLineEdit(texte, parent), nom, r);
    c->setToolTip(bulle);
    c->setAccessibleName(nomAccessible);
    return c;
}

// A text field with its label on the left, which also names it for a screen reader.
QLineEdit* champEtiquete(QWidget* parent, const char* nomEtiquette, const QRect& rEtiquette,
                         const QString& libelle, const char* nom, const QRect& r,
                         const QString& bulle) {
    QLineEdit* c = champ(parent, nom, r, QStringLiteral("0"), libelle, bulle);
    etiquette(parent, nomEtiquette, rEtiquette, libelle)->setBuddy(c);
    return c;
}

void construireSequence(ControlesFenetre& c) {
    QGroupBox* f = c.Frame5 = cadre(c.fond, "Frame5", rectTwips(720, 120, 2775, 2295),
                                    QStringLiteral("Séquence"), QStringLiteral("Séquence"));
    c.Text1 = champEtiquete(f, "Label6", rectTwips(450, 390, 735, 255), QStringLiteral("Départ"),
                            "Text1", rectTwips(1320, 360, 735, 285),
                            QStringLiteral("Adresse de début de la séquence."));
    c.Text2 = champEtiquete(f, "Label1", rectTwips(510, 900, 735, 255), QStringLiteral("En cours"),
                            "Text2", rectTwips(1320, 840, 735, 285),
                            QStringLiteral("  Numéro d'enregistrement en cours "));
    c.Text3 = champEtiquete(f, "Label2", rectTwips(420, 1350, 825, 255), QStringLiteral("Maximum"),
                            "Text3", rectTwips(1320, 1320, 735, 285),
                            QStringLiteral(" Nombre d'enregistrement effectué "));
    c.CmdSUPP = bouton(f, "CmdSUPP", rectTwips(510, 1740, 825, 405), QStringLiteral("Supp."),
                       QStringLiteral("Suppression d'une adresse."));
    c.Cmd1 = bouton(f, "Cmd1", rectTwips(1650, 1740, 375, 375), QStringLiteral("+"),
                    QStringLiteral(" Enregistre la séquence actuelle (raccourci bouton droit de la "
                                   "souris) "));
    c.Cmd2 = bouton(f, "Cmd2", rectTwips(2025, 1740, 375, 375), QStringLiteral("-"),
                    QStringLiteral(" Visualisation de l'enregistrement précédent "));
}

// One row of the transform panel: a caption between a "<" and a ">" button.
void rangeeTransformation(QGroupBox* f, int haut, const char* nomEtiquette, const QString& titre,
                          QPushButton*& gauche, const char* nomGauche, const QString& bulleGauche,
                          QPushButton*& droite, const char* nomDroite, const QString& bulleDroite) {
    gauche = bouton(f, nomGauche, rectTwips(300, haut, 375, 375), QStringLiteral("<"), bulleGauche);
    droite =
        bouton(f, nomDroite, rectTwips(1860, haut, 375, 375), QStringLiteral(">"), bulleDroite);
    QLabel* l = etiquette(f, nomEtiquette, rectTwips(690, haut + 60, 1155, 255), titre);
    l->setAlignment(Qt::AlignCenter);
}

void construireTransformations(ControlesFenetre& c) {
    QGroupBox* f = c.Frame6 = cadre(c.fond, "Frame6", rectTwips(3960, 120, 2535, 2295), QString(),
                                    QStringLiteral("Transformations"));
    rangeeTransformation(f, 360, "Label3", QStringLiteral("Symétrie"), c.Cmd5, "Cmd5",
                         QStringLiteral(" Permet la symétrie gauche "), c.Cmd7, "Cmd7",
                         QStringLiteral(" Permet la symétrie droite "));
    rangeeTransformation(f, 840, "Label4", QStringLiteral("Déplacement"), c.Cmd6, "Cmd6",
                         QStringLiteral("Permet le deplacement de la matrice vers la gauche."),
                         c.Cmd8, "Cmd8",
                         QStringLiteral("Permet le deplacement de la matrice vers la droite."));
    rangeeTransformation(f, 1320, "Label5", QStringLiteral("Rotation"), c.Cmd10, "Cmd10",
                         QStringLiteral(" Permet le défilement de la matrice vers la gauche "),
                         c.Cmd11, "Cmd11",
                         QStringLiteral(" Permet le défilement de la matrice vers la droite "));
    c.Cmd12 = bouton(f, "Cmd12", rectTwips(300, 1740, 855, 375), QStringLiteral("Inverse"),
                     QStringLiteral("Inverse la couleur des LED."));
    c.Cmd9 = bouton(f, "Cmd9", rectTwips(1380, 1740, 855, 375), QStringLiteral("CLEAR"),
                    QStringLiteral("Efface la trame en cours."));
}

// The progress bar shares the navigator's place: only one of them shows at a time.
void construireGrilleEtNavigateur(ControlesFenetre& c) {
    c.Frame1 = placer(new GrilleLampesWidget(c.fond), "Frame1", rectTwips(900, 2490, 5295, 1065));
    c.HScroll1 =
        placer(new QScrollBar(Qt::Horizontal, c.fond), "HScroll1", rectTwips(960, 3630, 5295, 255));
    c.HScroll1->setAccessibleName(QStringLiteral("Enregistrement"));
    c.HScroll1->setTracking(false);
    c.HScroll1->setContextMenuPolicy(Qt::PreventContextMenu);
    c.ProgressBar1 =
        placer(new QProgressBar(c.fond), "ProgressBar1", rectTwips(720, 3630, 5745, 225));
    c.ProgressBar1->setAccessibleName(QStringLiteral("Programmation"));
    c.ProgressBar1->setTextVisible(false);
    c.ProgressBar1->hide();
}

// "Reset Carte" lies within the options frame's area without belonging to it; it is raised
// above the frame so that it stays visible and can be pressed. It stands between the end of
// "Mode Auto." and the label "CARTE", touching neither.
void construireOptions(ControlesFenetre& c) {
    QGroupBox* f = c.Frame7 = cadre(c.fond, "Frame7", rectTwips(960, 4020, 5295, 735), QString(),
                                    QStringLiteral("Options"));
    c.Check1 = placer(new QCheckBox(QStringLiteral("Mode Auto."), f), "Check1",
                      rectTwips(240, 240, 1335, 255));
    c.Check1->setAccessibleName(QStringLiteral("Mode Auto."));
    c.Versions = champ(f, "Versions", rectTwips(3480, 240, 1590, 285), QStringLiteral("?"),
                       QStringLiteral("CARTE"));
    etiquette(f, "Label7", rectTwips(2700, 240, 750, 330), QStringLiteral("CARTE"))
        ->setBuddy(c.Versions);
    c.CmdRST =
        bouton(c.fond, "CmdRST", rectTwips(2550, 4230, 1035, 405), QStringLiteral("Reset Carte"));
    c.CmdRST->raise();
}

void construireSimulateur(ControlesFenetre& c) {
    QGroupBox* f = c.Frame3 = cadre(c.fond, "Frame3", rectTwips(1560, 4920, 2055, 1935),
                                    QStringLiteral("Simulateur"), QStringLiteral("Simulateur"));
    c.Cmd3 = bouton(f, "Cmd3", rectTwips(600, 390, 975, 615), QStringLiteral("PLAY"),
                    QStringLiteral("Visualise la séquence."));
    c.Cmd4 = bouton(f, "Cmd4", rectTwips(600, 1110, 975, 615), QStringLiteral("STOP"),
                    QStringLiteral("Arrête l'animation de la séquence."));
}

// The six multipliers stand in two columns of three, x1 x2 x5 on the left.
void construireBaseDeTemps(ControlesFenetre& c) {
    QGroupBox* f = c.Frame4 =
        cadre(c.fond, "Frame4", rectTwips(3900, 4920, 2055, 1935), QStringLiteral("Base de temps"),
              QStringLiteral("Base de temps"));
    c.List1 = placer(new QComboBox(f), "List1", rectTwips(210, 360, 855, 300));
    c.List1->setAccessibleName(QStringLiteral("Période de base"));
    c.Cpt2 = champ(f, "Cpt2", rectTwips(1170, 360, 645, 300), QStringLiteral("0.02"),
                   QStringLiteral("Période par trame"));
    static const std::array<const char*, NombreBoutonsTempo> Legendes{"x1",  "x2",  "x5",
                                                                      "x10", "x15", "x20"};
    for (int i = 0; i < int(Legendes.size()); ++i) {
        const QString nom = QStringLiteral("Option1_%1").arg(i);
        const QRect r = rectTwips(i < 3 ? 330 : 1170, 840 + 330 * (i % 3), 750, 255);
        auto* o =
            placer(new QRadioButton(QLatin1String(Legendes[i]), f), nom.toLatin1().constData(), r);
        o->setAccessibleName(o->text());
        c.Option1[i] = o;
    }
    c.Option1[4]->setToolTip(QStringLiteral("Sélection de la base de temps."));
}

} // namespace

ControlesFenetre construireControles(QWidget* fond) {
    ControlesFenetre c;
    c.fond = fond;
    fond->setFixedSize(px(7125), px(7095));
    construireSequence(c);
    construireTransformations(c);
    construireGrilleEtNavigateur(c);
    construireOptions(c);
    construireSimulateur(c);
    construireBaseDeTemps(c);
    return c;
}
