#include "Motifs.h"
#include "PosteFenetre.h"
#include "window/GrilleLampesWidget.h"

#include <QAccessible>
#include <QAction>
#include <QClipboard>
#include <QDialog>
#include <QMenu>
#include <QMenuBar>
#include <QPushButton>
#include <QRadioButton>
#include <QScrollBar>
#include <QtTest>

namespace {

// The items of "Édition" that can act, in the menu's order.
QString actifs(QMenu* menu) {
    QStringList l;
    for (const QAction* a : menu->actions())
        if (a->isEnabled() && !a->isSeparator())
            l << a->objectName();
    return l.join(u' ');
}

// Lamp `lampe` (0..2) in the middle of the band: zones begin at pixels 16, 57 and 97.
void basculer(PosteFenetre& f, int lampe) {
    f.presser("Frame1", Qt::LeftButton, {16 + 40 * lampe + 6, 40});
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
        QTest::newRow("LED 8 en 4875,825") << QPoint(325, 55) << 7;
        QTest::newRow("690,600 exclu") << QPoint(46, 40) << -1;
    }
    void pressionSurLaGrille() {
        QFETCH(QPoint, pixel);
        QFETCH(int, lampe);
        PosteFenetre f;
        f.presser("Frame1", Qt::LeftButton, pixel);
        QCOMPARE(grille(f.ed()) + enr(f.ed(), 0), seule(lampe) + seule(lampe));
        for (int i = 0; i < NombreLampes; ++i) {
            auto* voyant = f.controle<VoyantLampe>(QStringLiteral("Shape1_%1").arg(i));
            QCOMPARE(voyant->remplissage(), i == lampe ? QColor(255, 0, 0) : QColor(255, 128, 128));
            QCOMPARE(voyant->accessibleDescription(), i == lampe ? u"allumée" : u"éteinte");
        }
        QTest::mouseDClick(f.controle("Frame1"), Qt::LeftButton, {}, pixel);
        QCOMPARE(grille(f.ed()) + enr(f.ed(), 0), seule(-1) + seule(-1));
        QCOMPARE(f.ed().Modifie, lampe >= 0);
    }

    // Every control's press, in turn: "+" where it recorded, "=" where not. A right press
    // records once, even over a frame, and leaves the lamps; an unused press reaches nothing
    // beneath; a middle press on "+" does nothing, on CLEAR it clears the lamps.
    void pressionsAutresBoutons() {
        PosteFenetre f;
        basculer(f, 2);
        QString vu;
        const auto presser = [&](const QString& nom, Qt::MouseButton b) {
            const int avant = f.ed().EnrCours;
            f.presser(nom, b);
            vu += nom + (f.ed().EnrCours == avant + 1 ? "+ " : "= ");
        };
        for (const QString& nom : QStringLiteral("fond Cmd1 Frame1 Frame3 Frame4 Frame5 Frame6 "
                                                 "Frame7 Check1 Cmd3 Cmd4 Cmd5 Cmd6 Cmd7 Cmd8 "
                                                 "Cmd10 Cmd11 Cmd12 Cmd9 Option1_0 Option1_1 "
                                                 "Option1_2 Option1_3 Option1_4 Option1_5 Cmd2 "
                                                 "Label1 Text1 List1 HScroll1")
                                      .split(u' '))
            presser(nom, Qt::RightButton);
        presser("Cmd1", Qt::MiddleButton);
        const QString lampes = grille(f.ed());
        presser("Cmd9", Qt::MiddleButton);
        QCOMPARE(vu, u"fond+ Cmd1+ Frame1+ Frame3+ Frame4+ Frame5+ Frame6+ Frame7+ Check1+ Cmd3+ "
                     "Cmd4+ Cmd5+ Cmd6+ Cmd7+ Cmd8+ Cmd10+ Cmd11+ Cmd12+ Cmd9+ Option1_0+ "
                     "Option1_1+ Option1_2+ Option1_3+ Option1_4+ Option1_5+ Cmd2= Label1= "
                     "Text1= List1= HScroll1= Cmd1= Cmd9= ");
        QCOMPARE(lampes + grille(f.ed()) + f.texte("Text3"), seule(2) + seule(-1) + "25");
    }

    // Records 0..2 light lamps 0..2; a dragged thumb shows nothing until it is released.
    void navigateur() {
        PosteFenetre f;
        for (int r = 0; r < 3; ++r) {
            basculer(f, r);
            f.presser("Cmd1", Qt::LeftButton);
            basculer(f, r);
        }
        auto* n = f.controle<QScrollBar>("HScroll1");
        n->setSliderDown(true);
        n->setSliderPosition(2);
        f.fenetre.rafraichir();
        QCOMPARE(f.texte("Text2") + QString::number(n->sliderPosition()), u"32");
        n->setSliderDown(false);
        QCOMPARE(f.texte("Text2") + grille(f.ed()), u'2' + seule(2));
        n->triggerAction(QAbstractSlider::SliderSingleStepSub);
        QCOMPARE(f.texte("Text2") + grille(f.ed()), u'1' + seule(1));
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

    // The menus, their shortcuts, and "Couleur LED" greyed yet showing the shortcuts that
    // still act.
    void menus() {
        PosteFenetre f;
        QStringList vus;
        for (const QAction* a : f.fenetre.menuBar()->actions())
            vus << a->text();
        for (const QAction* a : f.fenetre.findChildren<QAction*>())
            if (!a->shortcut().isEmpty() && !a->objectName().startsWith(u"Recent_"))
                vus << a->objectName() + u'=' + a->shortcuts().value(0).toString() +
                           a->shortcuts().value(1).toString();
        auto* couleur = f.fenetre.findChild<QMenu*>("CouleurLED");
        vus << couleur->title() + (couleur->menuAction()->isEnabled() ? "" : " grisé");
        QCOMPARE(vus.join(u' '), u"&Fichier &Édition &Option &Transfert ? Nouveau=Ctrl+N "
                                 "Lecture=Ctrl+O Sauvegarder=Ctrl+S Annuler=Ctrl+Z "
                                 "Retablir=Ctrl+YCtrl+Shift+Z Couper=Ctrl+X Copier=Ctrl+C "
                                 "Coller=Ctrl+Shift+V Inserer=Ins Dupliquer=Ctrl+D Jaune=Ctrl+J "
                                 "Rouge=Ctrl+R Vert=Ctrl+V Couleur LED grisé");
    }

    // Records 0..2 made, the last undone, record 1 shown, records 0..1 copied: every item of
    // "Édition" acts, a screen reader says each caption as shown. Menu shortcuts then act
    // wherever the focus is, a text field too, where Shift+Insert still pastes.
    void raccourcisDeMenu() {
        PosteFenetre f;
        f.fenetre.activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(&f.fenetre));
        auto* menu = f.fenetre.findChild<QMenu*>("Edition");
        QCOMPARE(actifs(menu), u"Inserer");
        for (int k = 0; k < 3; ++k)
            f.presser("Cmd1", Qt::LeftButton);
        menu->findChild<QAction*>("Annuler")->trigger();
        QTest::mouseClick(f.controle("Cmd2"), Qt::LeftButton);
        menu->findChild<QAction*>("Copier")->trigger();
        QCOMPARE(actifs(menu), u"Annuler Retablir Couper Copier Coller Inserer Dupliquer");
        QAccessibleInterface* lu = QAccessible::queryAccessibleInterface(menu);
        QCOMPARE(lu->child(int(menu->actions().indexOf(menu->findChild<QAction*>("Inserer"))))
                     ->text(QAccessible::Name),
                 u"Insérer un enregistrement");
        QString vu;
        const char* cas[][3] = {{"Text1", "Ctrl+Shift+Z", "Retablir"},
                                {"Versions", "Ctrl+V", "Vert"},
                                {"Text1", "Ctrl+V", "Vert"},
                                {"Cmd1", "Ctrl+J", "Jaune"}};
        for (const auto& [focus, touches, element] : cas) {
            QWidget* w = f.controle(focus);
            w->setFocus();
            auto* champ = qobject_cast<QLineEdit*>(w);
            const QString avant = champ ? champ->text() : QString();
            QSignalSpy declenche(f.fenetre.findChild<QAction*>(element), &QAction::triggered);
            QTest::keySequence(w, QKeySequence(QString::fromLatin1(touches)));
            vu += QStringLiteral("%1 %2 %3|")
                      .arg(element)
                      .arg(declenche.count())
                      .arg(champ && champ->text() != avant);
        }
        QCOMPARE(vu, u"Retablir 1 0|Vert 1 0|Vert 1 0|Jaune 1 0|");
        auto* depart = f.controle<QLineEdit>("Text1");
        QGuiApplication::clipboard()->setText(QStringLiteral("x"));
        const QString avant = depart->text();
        QVERIFY(actifs(menu).contains(u"Copier"));
        depart->setCursorPosition(0);
        QTest::keyClick(depart, Qt::Key_Insert, Qt::ShiftModifier);
        QCOMPARE(depart->text(), u'x' + avant);
        QVERIFY(!actifs(menu).contains(u"Copier")); // the start address names no record now
    }

    // A cancelled save keeps the window open.
    void fermeture() {
        for (bool modifie : {true, false}) {
            PosteFenetre f;
            if (modifie)
                basculer(f, 1);
            f.banc.messages.reponses.enqueue(Msg::RepOui);
            QCOMPARE(f.fenetre.close(), !modifie);
        }
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
    void periodeSaisieJusquAuCalculSuivant() {
        QString vu;
        for (const char* presse : {"Cmd1", "Option1_5", "Option1_1"}) {
            PosteFenetre f;
            auto* periode = f.controle<QLineEdit>("Cpt2");
            periode->selectAll();
            QTest::keyClicks(periode, "abc");
            f.presser(presse, Qt::LeftButton);
            vu += periode->text() + u' ';
        }
        QCOMPARE(vu, u"abc 0.2 0.02 ");
    }

    // OK and closing the window (as Escape does) both go through the core's OK handler.
    void fenetreDeTest() {
        for (bool parOK : {true, false}) {
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
    }
};

QTEST_MAIN(TstFenetre)
#include "tst_fenetre.moc"
