#include "PosteFenetre.h"
#include "window/GrilleLampesWidget.h"

#include <QAccessible>
#include <QAction>
#include <QCheckBox>
#include <QComboBox>
#include <QDialog>
#include <QLineEdit>
#include <QMenu>
#include <QProgressBar>
#include <QPushButton>
#include <QRadioButton>
#include <QScrollBar>
#include <QToolBar>
#include <QtTest>

namespace {

struct Dessin {
    const char* nom;
    const char* classe;
    const char* texte; // caption, title or initial text
    const char* bulle;
    const char* raccourci = "";
};

// Every designed control of the window, as a user first sees it, and the menus' shortcuts.
constexpr Dessin Dessins[] = {
    {"Toolbar1", "QToolBar", "", ""},
    {"Frame5", "QGroupBox", "Séquence", ""},
    {"Frame6", "QGroupBox", "", ""},
    {"Frame7", "QGroupBox", "", ""},
    {"Frame3", "QGroupBox", "Simulateur", ""},
    {"Frame4", "QGroupBox", "Base de temps", ""},
    {"Frame1", "GrilleLampesWidget", "", ""},
    {"Label6", "QLabel", "Départ", ""},
    {"Label1", "QLabel", "En cours", ""},
    {"Label2", "QLabel", "Maximum", ""},
    {"Label3", "QLabel", "Symétrie", ""},
    {"Label4", "QLabel", "Déplacement", ""},
    {"Label5", "QLabel", "Rotation", ""},
    {"Label7", "QLabel", "CARTE", ""},
    {"Text1", "QLineEdit", "0", "Adresse de début de la séquence."},
    {"Text2", "QLineEdit", "0", "  Numéro d'enregistrement en cous "},
    {"Text3", "QLineEdit", "0", " Nombre d'enregistrement effectué "},
    {"CmdSUPP", "QPushButton", "Supp.", "Suppression d'une adresse."},
    {"Cmd1", "QPushButton", "+",
     " Enregistre la séquence actuelle (raccourci bouton droit de la souris) "},
    {"Cmd2", "QPushButton", "-", " Visualisation de l'enregistrement présédent "},
    {"Cmd5", "QPushButton", "<", " Permet la symétrie gauche "},
    {"Cmd7", "QPushButton", ">", " Permet la symétrie droite "},
    {"Cmd6", "QPushButton", "<", "Permet le deplacement de la matrice vers la gauche."},
    {"Cmd8", "QPushButton", ">", "Permet le deplacement de la matrice vers la droite."},
    {"Cmd10", "QPushButton", "<", " Permet le défilement de la matrice vers la gauche "},
    {"Cmd11", "QPushButton", ">", " Permet le défilement de la matrice vers la droite "},
    {"Cmd12", "QPushButton", "Inverse", "Inverse la couleur des LED."},
    {"Cmd9", "QPushButton", "CLEAR", "Efface la trame en cours."},
    {"HScroll1", "QScrollBar", "", ""},
    {"ProgressBar1", "QProgressBar", "", ""},
    {"Check1", "QCheckBox", "Mode Auto.", ""},
    {"Versions", "QLineEdit", "?", ""},
    {"CmdRST", "QPushButton", "Reset Carte", ""},
    {"Cmd3", "QPushButton", "PLAY", "Visualise la séquence."},
    {"Cmd4", "QPushButton", "STOP", "Arrête l'animation de la séquence."},
    {"List1", "QComboBox", "0.01", ""},
    {"Cpt2", "QLineEdit", "0.02", ""},
    {"Option1_0", "QRadioButton", "x1", ""},
    {"Option1_4", "QRadioButton", "x15", "Sélection de la base de temps."},
    {"Shape1_0", "VoyantLampe", "", ""},
    {"Dialog", "QDialog", "", ""},
    {"OKButton", "QPushButton", "OK", ""},
    {"Fichier", "QMenu", "&Fichier", ""},
    {"option", "QMenu", "&Option", ""},
    {"Choix", "QMenu", "Port série", ""},
    {"CouleurLED", "QMenu", "Couleur LED", ""},
    {"Transfert", "QMenu", "&Transfert", ""},
    {"Nouveau", "QAction", "Nouveau", "", "Ctrl+N"},
    {"Lecture", "QAction", "Ouvrir", "", "Ctrl+O"},
    {"Sauvegarder", "QAction", "Sauvegarder", "", "Ctrl+S"},
    {"Quitter", "QAction", "Quitter", ""},
    {"Jaune", "QAction", "Jaune", "", "Ctrl+J"},
    {"Rouge", "QAction", "Rouge", "", "Ctrl+R"},
    {"Vert", "QAction", "Vert", "", "Ctrl+V"},
    {"COM_0", "QAction", "COM 1", ""},
    {"TestCarte", "QAction", "&TestCarte", ""},
    {"transmet", "QAction", "&Programmation", ""},
    {"Version", "QAction", "?", ""},
};

QString texteAffiche(QObject* o) {
    if (auto* m = qobject_cast<QMenu*>(o))
        return m->title();
    if (auto* g = qobject_cast<QGroupBox*>(o))
        return g->title();
    if (auto* c = qobject_cast<QComboBox*>(o))
        return c->currentText();
    if (qobject_cast<QProgressBar*>(o) || qobject_cast<QDialog*>(o))
        return QString();
    return o->property("text").toString();
}

QString nomParle(QWidget* w) {
    QAccessibleInterface* a = QAccessible::queryAccessibleInterface(w);
    return a ? a->text(QAccessible::Name) : QString();
}

} // namespace

class TstFenetreRendu : public QObject {
    Q_OBJECT
private slots:
    void initTestCase() { QLocale::setDefault(QLocale::c()); }

    void controlesDessines_data() {
        QTest::addColumn<int>("i");
        for (int i = 0; i < int(std::size(Dessins)); ++i)
            QTest::newRow(Dessins[i].nom) << i;
    }
    void controlesDessines() {
        QFETCH(int, i);
        const Dessin& d = Dessins[i];
        PosteFenetre f;
        QObject* o = nullptr;
        for (QObject* candidat : f.fenetre.findChildren<QObject*>(QLatin1String(d.nom)))
            if (!o && candidat->inherits(d.classe))
                o = candidat;
        QVERIFY(o);
        QCOMPARE(texteAffiche(o), QString::fromUtf8(d.texte));
        if (auto* w = qobject_cast<QWidget*>(o))
            QCOMPARE(w->toolTip(), QString::fromUtf8(d.bulle));
        if (auto* a = qobject_cast<QAction*>(o)) {
            QCOMPARE(a->shortcut(), QKeySequence(QString::fromLatin1(d.raccourci)));
            QVERIFY(a->isEnabled());
        }
    }

    // Each menu item reaches its handler, seen through what the handler asks of the world
    // (-1: whatever boxes the handler shows).
    void menus_data() {
        QTest::addColumn<QString>("nom");
        QTest::addColumn<int>("boites");
        QTest::addColumn<int>("ouvertures");
        QTest::addColumn<int>("enregistrements");
        QTest::addColumn<bool>("fin");
        QTest::newRow("Lecture") << "Lecture" << -1 << 1 << 0 << false;
        QTest::newRow("Sauvegarder") << "Sauvegarder" << -1 << 0 << 1 << false;
        QTest::newRow("Quitter") << "Quitter" << 1 << 0 << 0 << true;
        QTest::newRow("Jaune") << "Jaune" << 1 << 0 << 0 << false;
        QTest::newRow("Vert") << "Vert" << 1 << 0 << 0 << false;
        QTest::newRow("TestCarte") << "TestCarte" << 1 << 0 << 0 << false;
        QTest::newRow("Version") << "Version" << 1 << 0 << 0 << false;
    }
    void menus() {
        QFETCH(QString, nom);
        QFETCH(int, boites);
        QFETCH(int, ouvertures);
        QFETCH(int, enregistrements);
        QFETCH(bool, fin);
        PosteFenetre f;
        f.fenetre.findChild<QAction*>(nom)->trigger();
        if (boites >= 0)
            QCOMPARE(f.banc.messages.affichees.size(), boites);
        QCOMPARE(f.banc.fichiers.ouvertures.size(), ouvertures);
        QCOMPARE(f.banc.fichiers.enregistrements.size(), enregistrements);
        QCOMPARE(f.banc.evenements.termine, fin);
    }

    void raccourcisClavier() {
        PosteFenetre f;
        f.fenetre.executer([&] { f.ed().CLICK(); });
        QTest::keyClick(&f.fenetre, Qt::Key_N, Qt::ControlModifier);
        QCOMPARE(f.controle<QLineEdit>("Text3")->text(), QStringLiteral("0"));
        f.banc.messages.reponses.enqueue(Msg::RepOui);
        QTest::keyClick(&f.fenetre, Qt::Key_V, Qt::ControlModifier);
        QCOMPARE(f.controle<VoyantLampe>("Shape1_0")->remplissage(), QColor(192, 255, 192));
    }

    void portChoisi() {
        PosteFenetre f;
        f.fenetre.findChild<QAction*>("COM_2")->trigger();
        for (int i = 0; i < 4; ++i)
            QCOMPARE(f.fenetre.findChild<QAction*>(QStringLiteral("COM_%1").arg(i))->isChecked(),
                     i == 2);
    }

    // Where the design overlaps, the control that must be reachable is the one on top.
    void chevauchements() {
        PosteFenetre f;
        QWidget* fond = f.controle("fond");
        QCOMPARE(fond->size(), QSize(475, 473));
        QVERIFY(fond->y() >= f.fenetre.findChild<QToolBar*>("Toolbar1")->geometry().bottom());
        auto* reset = f.controle<QPushButton>("CmdRST");
        QCOMPARE(fond->childAt(reset->geometry().topLeft() + QPoint(2, 2)), reset);
        f.ed().Ctl.ProgressBar1Visible = true;
        f.ed().Ctl.HScroll1Visible = false;
        f.ed().Ctl.ProgressBar1Value = 5;
        f.fenetre.rafraichir();
        auto* barre = f.controle<QProgressBar>("ProgressBar1");
        QCOMPARE(barre->value(), 5);
        QVERIFY(!f.controle("HScroll1")->isVisible());
        QCOMPARE(fond->childAt(barre->geometry().center()), barre);
    }

    void couleursDesFonds() {
        PosteFenetre f;
        f.ed().Ctl.VersionsBackColor = CouleurFixe::Jaune;
        f.ed().Ctl.Cmd3BackColor = 0x0000C000;
        f.fenetre.rafraichir();
        QCOMPARE(f.controle("Versions")->palette().color(QPalette::Base), QColor(255, 255, 0));
        QCOMPARE(f.controle("Cmd3")->palette().color(QPalette::Button), QColor(0, 192, 0));
        f.ed().Ctl.Cmd3BackColor = CouleurSysteme::FaceBouton;
        f.fenetre.rafraichir();
        QCOMPARE(f.controle("Cmd3")->palette().color(QPalette::Button),
                 QApplication::palette().color(QPalette::Button));
    }

    void lampesPeintes() {
        PosteFenetre f;
        f.ed().Ctl.Shape1[2] = {CouleurSysteme::FondInfo, 0x0000FFFF};
        f.fenetre.rafraichir();
        auto* lampe = f.controle<VoyantLampe>("Shape1_2");
        const QImage image = lampe->grab().toImage();
        const QPoint centre = lampe->rect().center();
        QCOMPARE(image.pixelColor(centre), lampe->palette().color(QPalette::ToolTipBase));
        const QColor bord = image.pixelColor(0, centre.y()); // smoothed at the edge
        QVERIFY2(bord.red() > 240 && bord.green() > 240 && bord.blue() < 100,
                 qPrintable(bord.name()));
    }

    // Typing into the period display lasts until the period is computed anew.
    void periodeSaisieJusquAuCalculSuivant() {
        PosteFenetre f;
        auto* periode = f.controle<QLineEdit>("Cpt2");
        periode->selectAll();
        QTest::keyClicks(periode, "abc");
        f.fenetre.executer([&] { f.ed().CLICK(); });
        QCOMPARE(periode->text(), QStringLiteral("abc"));
        f.fenetre.executer([&] { f.ed().Option1_MouseDown(5, 1); });
        QCOMPARE(periode->text(), QStringLiteral("0.2"));
    }

    void selectionsEtTitre() {
        PosteFenetre f;
        f.ed().Ctl.Caption = QStringLiteral("LT840 - essai.dat");
        f.ed().Ctl.Option1 = -1;
        f.ed().Ctl.List1Index = -1;
        f.ed().Ctl.Check1 = 1;
        f.fenetre.rafraichir();
        QCOMPARE(f.fenetre.windowTitle(), QStringLiteral("LT840 - essai.dat"));
        for (int i = 0; i < 6; ++i)
            QVERIFY(!f.controle<QRadioButton>(QStringLiteral("Option1_%1").arg(i))->isChecked());
        QCOMPARE(f.controle<QComboBox>("List1")->currentIndex(), -1);
        QVERIFY(f.controle<QCheckBox>("Check1")->isChecked());
    }

    void fenetreDeTest_data() {
        QTest::addColumn<bool>("parOK");
        QTest::newRow("OK") << true;
        QTest::newRow("fermeture") << false;
    }
    void fenetreDeTest() {
        QFETCH(bool, parOK);
        PosteFenetre f;
        auto* dialogue = f.fenetre.findChild<QDialog*>("Dialog");
        QVERIFY(!dialogue->isVisible());
        f.ed().Ctl.DialogText1 = QStringLiteral(" Carte    LT840:V1.02");
        f.ed().Ctl.DialogVisible = true;
        f.fenetre.rafraichir();
        QVERIFY(dialogue->isVisible());
        QVERIFY(!dialogue->isModal());
        QCOMPARE(dialogue->windowTitle(), QStringLiteral("TEST CARTE"));
        QCOMPARE(dialogue->findChild<QLineEdit*>("Text1")->text(), f.ed().Ctl.DialogText1);
        if (parOK)
            QTest::mouseClick(dialogue->findChild<QPushButton*>("OKButton"), Qt::LeftButton);
        else
            dialogue->close();
        QVERIFY(!f.ed().Ctl.DialogVisible);
        QVERIFY(!dialogue->isVisible());
    }

    void nomsParles_data() {
        QTest::addColumn<QString>("nom");
        QTest::addColumn<QString>("parle");
        QTest::newRow("Text1") << "Text1"
                               << "Départ";
        QTest::newRow("Text2") << "Text2"
                               << "En cours";
        QTest::newRow("Text3") << "Text3"
                               << "Maximum";
        QTest::newRow("Versions") << "Versions"
                                  << "CARTE";
        QTest::newRow("Cmd1") << "Cmd1"
                              << "+";
        QTest::newRow("CmdRST") << "CmdRST"
                                << "Reset Carte";
        QTest::newRow("Shape1_0") << "Shape1_0"
                                  << "LED 1";
        QTest::newRow("Shape1_7") << "Shape1_7"
                                  << "LED 8";
    }
    void nomsParles() {
        QFETCH(QString, nom);
        QFETCH(QString, parle);
        PosteFenetre f;
        QCOMPARE(nomParle(f.controle(nom)), parle);
    }

    void chaqueControleANom() {
        PosteFenetre f;
        const auto controles = f.fenetre.centralWidget()->findChildren<QWidget*>(
            QRegularExpression(QStringLiteral("^(Cmd|Text|Frame|Label|Check|Option|Shape|List|"
                                              "HScroll|Progress|Cpt|Versions)")));
        QCOMPARE(controles.size(), 50);
        for (QWidget* w : controles)
            QVERIFY2(!nomParle(w).trimmed().isEmpty(), qPrintable(w->objectName()));
    }
};

QTEST_MAIN(TstFenetreRendu)
#include "tst_fenetrerendu.moc"
