#include "Motifs.h"
#include "PosteFenetre.h"
#include "window/GrilleLampesWidget.h"

#include <QAction>
#include <QClipboard>
#include <QDialog>
#include <QMenu>
#include <QPushButton>
#include <QRadioButton>
#include <QScrollBar>
#include <QtTest>

namespace {

// The pixel where each lamp's zone begins, and the middle of the band.
constexpr int DebutZonePx[NombreLampes] = {16, 57, 97, 138, 177, 217, 257, 298};
constexpr int MilieuBandePx = 40;

void basculer(PosteFenetre& f, int lampe) {
    f.presser("Frame1", Qt::LeftButton, {DebutZonePx[lampe] + 5, MilieuBandePx});
}

} // namespace

class TstFenetre : public QObject {
    Q_OBJECT
private slots:
    void initTestCase() { QLocale::setDefault(QLocale::c()); }

    // Pixels to twips at the grid's corners; a double click's second press switches back.
    void pressionSurLaGrille_data() {
        QTest::addColumn<QPoint>("pixel");
        QTest::addColumn<int>("lampe");
        QTest::newRow("LED 1 en 240,375") << QPoint(16, 25) << 0;
        QTest::newRow("LED 4") << QPoint(DebutZonePx[3] + 5, MilieuBandePx) << 3;
        QTest::newRow("LED 8 en 4875,825") << QPoint(325, 55) << 7;
        QTest::newRow("690,600 exclu") << QPoint(46, 40) << -1;
    }
    void pressionSurLaGrille() {
        QFETCH(QPoint, pixel);
        QFETCH(int, lampe);
        PosteFenetre f;
        f.presser("Frame1", Qt::LeftButton, pixel);
        QCOMPARE(grille(f.ed()), seule(lampe));
        QCOMPARE(enr(f.ed(), 0), seule(lampe));
        for (int i = 0; i < NombreLampes; ++i) {
            auto* voyant = f.controle<VoyantLampe>(QStringLiteral("Shape1_%1").arg(i));
            QCOMPARE(voyant->remplissage(), i == lampe ? QColor(255, 0, 0) : QColor(255, 128, 128));
            QCOMPARE(voyant->accessibleDescription(), i == lampe ? u"allumée" : u"éteinte");
        }
        QTest::mouseDClick(f.controle("Frame1"), Qt::LeftButton, {}, pixel);
        QCOMPARE(grille(f.ed()) + enr(f.ed(), 0), seule(-1) + seule(-1));
        QCOMPARE(f.ed().Modifie, lampe >= 0);
    }

    // A right press records once, even over a frame; an unused press reaches nothing beneath.
    void pressionsAutresBoutons_data() {
        QTest::addColumn<QString>("nom");
        QTest::addColumn<int>("bouton");
        QTest::addColumn<int>("enrCours");
        QTest::addColumn<QString>("grilleApres");
        for (const QString& nom : QStringLiteral("fond Cmd1 Frame1 Frame3 Frame4 Frame5 Frame6 "
                                                 "Frame7 Check1 Cmd3 Cmd4 Cmd5 Cmd6 Cmd7 Cmd8 "
                                                 "Cmd10 Cmd11 Cmd12 Cmd9 Option1_0 Option1_1 "
                                                 "Option1_2 Option1_3 Option1_4 Option1_5")
                                      .split(u' '))
            QTest::newRow(qPrintable(nom)) << nom << 2 << 1 << seule(2);
        for (const QString& nom : QStringLiteral("Cmd2 Label1 Text1 List1 HScroll1").split(u' '))
            QTest::newRow(qPrintable(nom)) << nom << 2 << 0 << seule(2);
        QTest::newRow("+ au milieu") << "Cmd1" << 4 << 0 << seule(2);
        QTest::newRow("CLEAR au milieu") << "Cmd9" << 4 << 0 << seule(-1);
    }
    void pressionsAutresBoutons() {
        QFETCH(QString, nom);
        QFETCH(int, bouton);
        QFETCH(int, enrCours);
        QFETCH(QString, grilleApres);
        PosteFenetre f;
        basculer(f, 2);
        f.presser(nom, Qt::MouseButton(bouton));
        QCOMPARE(int(f.ed().EnrCours), enrCours);
        QCOMPARE(f.texte("Text3"), QString::number(enrCours));
        QCOMPARE(grille(f.ed()), grilleApres);
    }

    // Records 0..2 light lamps 0..2; a dragged thumb shows nothing until it is released.
    void navigateur_data() {
        QTest::addColumn<bool>("glisse");
        QTest::newRow("fleche gauche") << false;
        QTest::newRow("pouce glisse puis relache") << true;
    }
    void navigateur() {
        QFETCH(bool, glisse);
        PosteFenetre f;
        for (int r = 0; r < 3; ++r) {
            basculer(f, r);
            f.presser("Cmd1", Qt::LeftButton);
            basculer(f, r);
        }
        auto* n = f.controle<QScrollBar>("HScroll1");
        if (glisse) {
            n->setSliderDown(true);
            n->setSliderPosition(2);
            f.fenetre.rafraichir();
            QCOMPARE(f.texte("Text2"), QStringLiteral("3"));
            QCOMPARE(n->sliderPosition(), 2);
            n->setSliderDown(false);
        } else {
            n->triggerAction(QAbstractSlider::SliderSingleStepSub);
        }
        QCOMPARE(f.texte("Text2"), QStringLiteral("2"));
        QCOMPARE(grille(f.ed()), seule(2));
    }

    // The keyboard marks no multiplier; typed text reaches the core's handlers.
    void clavier() {
        PosteFenetre f;
        QTest::keyClick(f.controle("Option1_5"), Qt::Key_Space);
        QVERIFY(f.controle<QRadioButton>("Option1_0")->isChecked());
        QVERIFY(!f.controle<QRadioButton>("Option1_5")->isChecked());
        auto* depart = f.controle<QLineEdit>("Text1");
        for (bool parEntree : {true, false}) {
            depart->setFocus();
            depart->selectAll();
            QTest::keyClicks(depart, "9");
            QCOMPARE(f.ed().Ctl.Text1, QStringLiteral("9"));
            if (parEntree)
                QTest::keyClick(depart, Qt::Key_Return);
            else
                f.controle("Text2")->setFocus();
            QCOMPARE(depart->text(), QStringLiteral("0"));
        }
        f.presser("Cmd1", Qt::LeftButton);
        QTest::keyClick(f.controle("Cmd2"), Qt::Key_Return);
        QCOMPARE(f.texte("Text2"), QStringLiteral("0"));
        f.controle<QLineEdit>("Text3")->selectAll();
        QTest::keyClicks(f.controle("Text3"), "7");
        QCOMPARE(f.controle<QScrollBar>("HScroll1")->maximum(), 7);
    }

    // Menu shortcuts act wherever the focus is, a text field too; Shift+Insert still pastes.
    void raccourcisDeMenu_data() {
        QTest::addColumn<QString>("focus");
        QTest::addColumn<QString>("element");
        QTest::addColumn<QKeySequence>("touches");
        const std::pair<const char*, const char*> raccourcis[] = {
            {"Nouveau", "Ctrl+N"}, {"Lecture", "Ctrl+O"}, {"Sauvegarder", "Ctrl+S"},
            {"Jaune", "Ctrl+J"},   {"Rouge", "Ctrl+R"},   {"Vert", "Ctrl+V"}};
        for (const char* focus : {"Text1", "Text2", "Text3", "Cpt2", "Versions", "Cmd1"})
            for (const auto& [element, touches] : raccourcis)
                QTest::addRow("%s %s", focus, touches)
                    << focus << element << QKeySequence(QString::fromLatin1(touches));
    }
    void raccourcisDeMenu() {
        QFETCH(QString, focus);
        QFETCH(QString, element);
        QFETCH(QKeySequence, touches);
        PosteFenetre f;
        f.fenetre.activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(&f.fenetre));
        QWidget* w = f.controle(focus);
        w->setFocus();
        auto* champ = qobject_cast<QLineEdit*>(w);
        const QString avant = champ ? champ->text() : QString();
        QGuiApplication::clipboard()->setText(QStringLiteral("5"));
        QSignalSpy declenche(f.fenetre.findChild<QAction*>(element), &QAction::triggered);

        QTest::keySequence(w, touches);

        QCOMPARE(declenche.count(), 1);
        if (!champ || element != u"Vert")
            return;
        QCOMPARE(champ->text(), avant);
        champ->setCursorPosition(0);
        QTest::keyClick(champ, Qt::Key_Insert, Qt::ShiftModifier);
        QCOMPARE(champ->text(), u'5' + avant);
    }

    // "Couleur LED" is greyed, yet shows the shortcuts that still act.
    void menuCouleurGrise() {
        PosteFenetre f;
        auto* couleur = f.fenetre.findChild<QMenu*>("CouleurLED");
        QVERIFY(!couleur->menuAction()->isEnabled());
        QStringList entrees;
        for (const QAction* a : couleur->actions())
            entrees.append(a->text() + u' ' + a->shortcut().toString());
        QCOMPARE(entrees, (QStringList{"Jaune Ctrl+J", "Rouge Ctrl+R", "Vert Ctrl+V"}));
    }

    // A cancelled save keeps the window; once closed, no event reaches the editor.
    void fermeture_data() {
        QTest::addColumn<bool>("modifie");
        QTest::newRow("sauvegarde annulee") << true;
        QTest::newRow("rien a sauver") << false;
    }
    void fermeture() {
        QFETCH(bool, modifie);
        PosteFenetre f;
        if (modifie)
            basculer(f, 1);
        f.banc.messages.reponses.enqueue(Msg::RepOui);
        QCOMPARE(f.fenetre.close(), !modifie);
        f.fenetre.executer([&] { f.ed().CLICK(); });
        QCOMPARE(int(f.ed().EnrCours), modifie ? 1 : 0);
    }

    // No multiplier may show as marked; system colours are resolved from the palette.
    void modeleAffiche() {
        PosteFenetre f;
        f.ed().Ctl.Option1 = -1;
        f.ed().Ctl.Shape1[2] = {CouleurSysteme::FondInfo, 0x0000FFFF};
        f.fenetre.rafraichir();
        QVERIFY(!f.controle<QRadioButton>("Option1_0")->isChecked());
        auto* lampe = f.controle<VoyantLampe>("Shape1_2");
        const QImage image = lampe->grab().toImage();
        const QPoint centre = lampe->rect().center();
        QCOMPARE(image.pixelColor(centre), lampe->palette().color(QPalette::ToolTipBase));
        const QColor bord = image.pixelColor(0, centre.y()); // smoothed at the edge
        QVERIFY2(bord.red() > 240 && bord.green() > 240 && bord.blue() < 100,
                 qPrintable(bord.name()));
    }

    // Typed period text lasts until the next computation, even one giving the same text.
    void periodeSaisieJusquAuCalculSuivant_data() {
        QTest::addColumn<QString>("presse");
        QTest::addColumn<QString>("affiche");
        QTest::newRow("+ ne calcule rien") << "Cmd1"
                                           << "abc";
        QTest::newRow("x20") << "Option1_5"
                             << "0.2";
        QTest::newRow("x2, meme texte") << "Option1_1"
                                        << "0.02";
    }
    void periodeSaisieJusquAuCalculSuivant() {
        QFETCH(QString, presse);
        PosteFenetre f;
        auto* periode = f.controle<QLineEdit>("Cpt2");
        periode->selectAll();
        QTest::keyClicks(periode, "abc");
        f.presser(presse, Qt::LeftButton);
        QTEST(periode->text(), "affiche");
    }

    // OK and closing the window (as Escape does) both go through the core's OK handler.
    void fenetreDeTest_data() {
        QTest::addColumn<bool>("parOK");
        QTest::newRow("OK") << true;
        QTest::newRow("fermeture") << false;
    }
    void fenetreDeTest() {
        QFETCH(bool, parOK);
        PosteFenetre f;
        auto* dialogue = f.fenetre.findChild<QDialog*>("Dialog");
        f.ed().Ctl.DialogText1 = QStringLiteral(" Carte    LT840:V1.02");
        f.ed().Ctl.DialogVisible = true;
        f.fenetre.rafraichir();
        QCOMPARE(dialogue->findChild<QLineEdit*>("Text1")->text(), f.ed().Ctl.DialogText1);
        if (parOK)
            QTest::mouseClick(dialogue->findChild<QPushButton*>("OKButton"), Qt::LeftButton);
        else
            dialogue->close();
        QVERIFY(!f.ed().Ctl.DialogVisible);
        QVERIFY(!dialogue->isVisible());
    }
};

QTEST_MAIN(TstFenetre)
#include "tst_fenetre.moc"
