#include "Motifs.h"
#include "PosteFenetre.h"
#include "window/GrilleLampesWidget.h"

#include <QCheckBox>
#include <QComboBox>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QScrollBar>
#include <QtTest>

namespace {

// Where each lamp's zone begins, in pixels of 15 twips, and the middle of the band.
constexpr int DebutZonePx[8] = {16, 57, 97, 138, 177, 217, 257, 298};
constexpr int MilieuBandePx = 40;

void presser(QWidget* w, Qt::MouseButton b, QPoint p = {}) {
    if (p.isNull())
        p = pointDePression(w);
    QTest::mousePress(w, b, {}, p);
    QTest::mouseRelease(w, b, {}, p);
}

void basculer(PosteFenetre& f, int lampe) {
    presser(f.controle("Frame1"), Qt::LeftButton, {DebutZonePx[lampe] + 5, MilieuBandePx});
}

void enregistrer(PosteFenetre& f) {
    presser(f.controle("Cmd1"), Qt::LeftButton);
}

QString texte(PosteFenetre& f, const char* nom) {
    return f.controle<QLineEdit>(QLatin1String(nom))->text();
}

} // namespace

class TstFenetreSaisie : public QObject {
    Q_OBJECT
private slots:
    void initTestCase() { QLocale::setDefault(QLocale::c()); }

    void lampeBasculee_data() {
        QTest::addColumn<int>("lampe");
        for (int i = 0; i < 8; ++i)
            QTest::addRow("LED %d", i + 1) << i;
    }
    void lampeBasculee() {
        QFETCH(int, lampe);
        PosteFenetre f;
        auto* voyant = f.controle<VoyantLampe>(QStringLiteral("Shape1_%1").arg(lampe));
        basculer(f, lampe);
        QCOMPARE(grille(f.ed()), seule(lampe));
        QCOMPARE(f.ed().TabTrames[0][lampe], qint16(1));
        QCOMPARE(voyant->remplissage(), QColor(255, 0, 0));
        QCOMPARE(voyant->accessibleDescription(), QStringLiteral("allumée"));
        basculer(f, lampe);
        QCOMPARE(f.ed().TabTrames[0][lampe], qint16(0));
        QCOMPARE(voyant->remplissage(), QColor(255, 128, 128));
        QCOMPARE(voyant->accessibleDescription(), QStringLiteral("éteinte"));
    }

    void bordsDesZones_data() {
        QTest::addColumn<QPoint>("pixel");
        QTest::addColumn<int>("lampe");
        QTest::newRow("240,375") << QPoint(16, 25) << 0;
        QTest::newRow("690,600 exclu") << QPoint(46, 40) << -1;
        QTest::newRow("4875,825") << QPoint(325, 55) << 7;
        QTest::newRow("4890,600 exclu") << QPoint(326, 40) << -1;
        QTest::newRow("300,840 sous la bande") << QPoint(20, 56) << -1;
        QTest::newRow("300,360 au-dessus") << QPoint(20, 24) << -1;
        QTest::newRow("840,600 avant la lampe 1") << QPoint(56, 40) << -1;
        QTest::newRow("855,600 lampe 1") << QPoint(57, 40) << 1;
    }
    void bordsDesZones() {
        QFETCH(QPoint, pixel);
        QFETCH(int, lampe);
        PosteFenetre f;
        presser(f.controle("Frame1"), Qt::LeftButton, pixel);
        QCOMPARE(grille(f.ed()), seule(lampe));
    }

    // The second press of a double click arrives as a double-click event only.
    void doubleClicRestaure() {
        PosteFenetre f;
        QTest::mouseClick(f.controle("Frame1"), Qt::LeftButton, {}, {100, MilieuBandePx});
        QTest::mouseDClick(f.controle("Frame1"), Qt::LeftButton, {}, {100, MilieuBandePx});
        QCOMPARE(grille(f.ed()), seule(-1));
        QCOMPARE(f.ed().Modifie, QStringLiteral("O"));
    }

    void raccourciDroit_data() {
        QTest::addColumn<QString>("nom");
        for (const char* nom :
             {"fond",      "Cmd1",      "Frame1",    "Frame3",   "Frame4", "Frame5",    "Frame6",
              "Frame7",    "Check1",    "Cmd3",      "Cmd4",     "Cmd5",   "Cmd6",      "Cmd7",
              "Cmd8",      "Cmd10",     "Cmd11",     "Cmd12",    "Cmd9",   "Option1_0", "Option1_1",
              "Option1_2", "Option1_3", "Option1_4", "Option1_5"})
            QTest::newRow(nom) << QString::fromLatin1(nom);
    }
    void raccourciDroit() {
        QFETCH(QString, nom);
        PosteFenetre f;
        basculer(f, 2);
        presser(f.controle(nom), Qt::RightButton);
        QCOMPARE(f.ed().TabTrames[0][2], qint16(1));
        QCOMPARE(int(f.ed().EnrCours), 1); // once, not again in the frame beneath
        QCOMPARE(texte(f, "Text3"), QStringLiteral("1"));
        QCOMPARE(grille(f.ed()), seule(2));
        QVERIFY(!f.controle<QCheckBox>("Check1")->isChecked());
    }

    // A press these controls leave unused must not reach the frame or background beneath.
    void pasDeRaccourci_data() {
        QTest::addColumn<QString>("nom");
        for (const char* nom : {"Cmd2", "CmdSUPP", "CmdRST", "Label1", "Label3", "Label7", "Text1",
                                "Versions", "Cpt2", "List1", "HScroll1"})
            QTest::newRow(nom) << QString::fromLatin1(nom);
    }
    void pasDeRaccourci() {
        QFETCH(QString, nom);
        PosteFenetre f;
        presser(f.controle(nom), Qt::RightButton);
        QCOMPARE(int(f.ed().EnrCours), 0);
    }

    void boutonDuMilieu_data() {
        QTest::addColumn<QString>("nom");
        QTest::addColumn<QString>("grilleApres");
        QTest::newRow("+ n'enregistre rien") << "Cmd1"
                                             << "00100000";
        QTest::newRow("CLEAR efface") << "Cmd9"
                                      << "00000000";
    }
    void boutonDuMilieu() {
        QFETCH(QString, nom);
        QFETCH(QString, grilleApres);
        PosteFenetre f;
        basculer(f, 2);
        presser(f.controle(nom), Qt::MiddleButton);
        QCOMPARE(int(f.ed().EnrCours), 0);
        QCOMPARE(grille(f.ed()), grilleApres);
        QCOMPARE(f.controle<VoyantLampe>("Shape1_2")->remplissage() == QColor(255, 0, 0),
                 grilleApres.at(2) == u'1');
    }

    // Records 0..2 each light the lamp of their number; the navigator stands at record 3.
    void navigateur_data() {
        QTest::addColumn<int>("action");
        QTest::addColumn<int>("enregistrement");
        QTest::newRow("debut") << int(QAbstractSlider::SliderToMinimum) << 0;
        QTest::newRow("fleche gauche") << int(QAbstractSlider::SliderSingleStepSub) << 2;
        QTest::newRow("zone de page") << int(QAbstractSlider::SliderPageStepSub) << 0;
    }
    void navigateur() {
        QFETCH(int, action);
        QFETCH(int, enregistrement);
        PosteFenetre f;
        for (int r = 0; r < 3; ++r) {
            basculer(f, r);
            enregistrer(f);
            basculer(f, r);
        }
        auto* n = f.controle<QScrollBar>("HScroll1");
        QCOMPARE(n->maximum(), 3);
        n->triggerAction(QAbstractSlider::SliderAction(action));
        QCOMPARE(texte(f, "Text2"), QString::number(enregistrement));
        QCOMPARE(grille(f.ed()), seule(enregistrement));
        QCOMPARE(n->value(), enregistrement);
    }

    // Dragging the thumb shows nothing until it is released, even across a repaint.
    void glisserPuisRelacher() {
        PosteFenetre f;
        enregistrer(f);
        enregistrer(f);
        auto* n = f.controle<QScrollBar>("HScroll1");
        n->setSliderDown(true);
        n->setSliderPosition(0);
        f.fenetre.rafraichir();
        QCOMPARE(texte(f, "Text2"), QStringLiteral("2"));
        QCOMPARE(n->sliderPosition(), 0);
        n->setSliderDown(false);
        QCOMPARE(texte(f, "Text2"), QStringLiteral("0"));
    }

    void moinsAuClavier() {
        PosteFenetre f;
        enregistrer(f);
        enregistrer(f);
        auto* moins = f.controle<QPushButton>("Cmd2");
        moins->setFocus();
        QTest::keyClick(moins, Qt::Key_Space);
        QCOMPARE(texte(f, "Text2"), QStringLiteral("1"));
        QTest::keyClick(moins, Qt::Key_Return);
        QCOMPARE(texte(f, "Text2"), QStringLiteral("0"));
    }

    void maximumSaisi() {
        PosteFenetre f;
        auto* maximum = f.controle<QLineEdit>("Text3");
        maximum->selectAll();
        QTest::keyClicks(maximum, "7");
        QCOMPARE(f.ed().Text3(), QStringLiteral("7"));
        QCOMPARE(f.controle<QScrollBar>("HScroll1")->maximum(), 7);
    }

    void departVerifie_data() {
        QTest::addColumn<bool>("parEntree");
        QTest::newRow("Entree") << true;
        QTest::newRow("sortie du champ") << false;
    }
    void departVerifie() {
        QFETCH(bool, parEntree);
        PosteFenetre f;
        auto* depart = f.controle<QLineEdit>("Text1");
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

    void baseDeTempsChoisieDansLaListe() {
        PosteFenetre f;
        auto* liste = f.controle<QComboBox>("List1");
        liste->setFocus();
        QTest::keyClick(liste, Qt::Key_End);
        QCOMPARE(f.ed().Ctl.List1Index, 9);
        QCOMPARE(texte(f, "Cpt2"), QStringLiteral("0.8"));
    }

    void multiplicateurChoisi() {
        PosteFenetre f;
        auto* x20 = f.controle<QRadioButton>("Option1_5");
        presser(x20, Qt::LeftButton);
        QCOMPARE(texte(f, "Cpt2"), QStringLiteral("0.2"));
        QVERIFY(x20->isChecked());
        QVERIFY(!f.controle<QRadioButton>("Option1_0")->isChecked());
    }

    // Only a press chooses the multiplier, so the keyboard cannot mark another one.
    void multiplicateurAuClavierRemisEnPlace() {
        PosteFenetre f;
        auto* x2 = f.controle<QRadioButton>("Option1_1");
        x2->setFocus();
        QTest::keyClick(x2, Qt::Key_Space);
        QVERIFY(f.controle<QRadioButton>("Option1_0")->isChecked());
        QVERIFY(!x2->isChecked());
    }

    void modeAuto() {
        PosteFenetre f;
        auto* c = f.controle<QCheckBox>("Check1");
        QTest::mouseClick(c, Qt::LeftButton, {}, {5, c->height() / 2});
        QCOMPARE(f.ed().Ctl.Check1, 1);
        QTest::keyClick(c, Qt::Key_Space);
        QCOMPARE(f.ed().Ctl.Check1, 0);
    }

    void fermetureRefusee() {
        PosteFenetre f;
        basculer(f, 1);                                // an unsaved change
        f.banc.messages.reponses.enqueue(Msg::RepOui); // save first, then cancel the dialog
        QVERIFY(!f.fenetre.close());
        QVERIFY(f.fenetre.isVisible());
    }

    // Once the window is closed, no event reaches the editor any more.
    void fermetureAcceptee() {
        PosteFenetre f;
        QVERIFY(f.fenetre.close());
        f.fenetre.executer([&] { f.ed().CLICK(); });
        QCOMPARE(int(f.ed().EnrCours), 0);
    }
};

QTEST_MAIN(TstFenetreSaisie)
#include "tst_fenetresaisie.moc"
