#include "Motifs.h"
#include "PosteFenetre.h"
#include "window/GrilleLampesWidget.h"
#include "window/VueEnsemble.h"

#include <QAction>
#include <QCheckBox>
#include <QClipboard>
#include <QDialog>
#include <QLabel>
#include <QMenu>
#include <QPushButton>
#include <QRadioButton>
#include <QScrollBar>
#include <QSettings>
#include <QStatusBar>
#include <QtTest>

using namespace Qt::StringLiterals;

namespace {

// Lamp `lampe` (0..2) in the middle of the band: zones begin at pixels 16, 57 and 97.
void basculer(PosteFenetre& f, int lampe) {
    f.presser("Frame1", Qt::LeftButton, {16 + 40 * lampe + 6, 40});
}

// The centre of lamp `lampe`'s dot in overview column `colonne`; lamp 10 is the bars' foot.
QPoint point(int colonne, int lampe) {
    return {VueEnsemble::rectColonne(colonne).x() + 6, 21 + 10 * lampe};
}

// Records 0..2 made from these lamps with codes 2, 6 and 7 (the last only a file can bring).
void remplir(LT840& ed) {
    for (const char* motif : {"10000001", "01000000", "00000000"}) {
        peindre(ed, QString::fromLatin1(motif));
        ed.CLICK();
    }
    ed.TabTrames[1][LigneCode] = 6;
    ed.TabTrames[2][LigneCode] = 7;
}

// What a control's text needs to show whole, as the style lays it out.
int largeurTexte(const QWidget* w) {
    const QFontMetrics m = w->fontMetrics();
    if (const auto* b = qobject_cast<const QPushButton*>(w))
        return m.horizontalAdvance(b->text()) + 4;
    return qobject_cast<const QLineEdit*>(w) ? 0 : w->minimumSizeHint().width();
}

// Each visible control under `racine` whose text does not fit, that comes within 2 pixels of
// its sides or that covers another (the overview and the lamp grid are one control each).
QStringList debordements(QWidget* racine) {
    QStringList fautes;
    QList<std::pair<QString, QRect>> controles;
    for (QWidget* w : racine->findChildren<QWidget*>()) {
        QWidget* parent = w->parentWidget();
        if (!w->isVisibleTo(racine) || w->objectName().isEmpty() ||
            qobject_cast<GrilleLampesWidget*>(parent) || dynamic_cast<VueEnsemble*>(parent) ||
            dynamic_cast<VueEnsemble*>(parent->parentWidget()))
            continue;
        const QRect r(w->mapTo(racine, QPoint()), w->size());
        if (largeurTexte(w) > w->width() || !racine->rect().adjusted(2, 0, -2, 0).contains(r))
            fautes << w->objectName();
        if (!qobject_cast<QGroupBox*>(w) || qobject_cast<GrilleLampesWidget*>(w))
            controles << std::pair(w->objectName(), r);
    }
    for (int i = 0; i < controles.size(); ++i)
        for (int j = i + 1; j < controles.size(); ++j)
            if (controles[i].second.intersects(controles[j].second))
                fautes << controles[i].first + u" sur "_s + controles[j].first;
    return fautes;
}

} // namespace

class TstFenetre : public QObject {
    Q_OBJECT
private slots:
    void initTestCase() {
        QStandardPaths::setTestModeEnabled(true);
        QVERIFY(QSettings("lt840", "lt840").fileName().contains(u"/.qttest/"));
        QLocale::setDefault(QLocale::c());
    }
    void init() { QSettings("lt840", "lt840").clear(); }

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
        for (int i = 0; i < NombreLampes; ++i)
            QCOMPARE(f.controle<VoyantLampe>(QStringLiteral("Shape1_%1").arg(i))->remplissage(),
                     i == lampe ? QColor(255, 0, 0) : QColor(255, 128, 128));
        QTest::mouseDClick(f.controle("Frame1"), Qt::LeftButton, {}, pixel);
        QCOMPARE(grille(f.ed()) + enr(f.ed(), 0), seule(-1) + seule(-1));
        QCOMPARE(f.ed().Modifie, lampe >= 0);
    }

    // A right press on any control but these five records once, even over a frame, and
    // leaves the lamps; an unused press reaches nothing beneath; a middle press on "+" does
    // nothing, on CLEAR it clears the lamps: 25 records in all.
    void pressionsAutresBoutons() {
        PosteFenetre f;
        basculer(f, 2);
        for (const QString& nom : QStringLiteral("fond Cmd1 Frame1 Frame3 Frame4 Frame5 Frame6 "
                                                 "Frame7 Check1 Cmd3 Cmd4 Cmd5 Cmd6 Cmd7 Cmd8 "
                                                 "Cmd10 Cmd11 Cmd12 Cmd9 Option1_0 Option1_1 "
                                                 "Option1_2 Option1_3 Option1_4 Option1_5 Cmd2 "
                                                 "Label1 Text1 List1 HScroll1")
                                      .split(u' '))
            f.presser(nom, Qt::RightButton);
        f.presser("Cmd1", Qt::MiddleButton);
        const QString lampes = grille(f.ed());
        f.presser("Cmd9", Qt::MiddleButton);
        QCOMPARE(lampes + grille(f.ed()) + f.texte("Text3"), seule(2) + seule(-1) + "25");
    }

    // The multiplier in force (x2 at start) is marked and keys mark no other; typed text reaches
    // handlers.
    void clavier() {
        PosteFenetre f;
        QTest::keyClick(f.controle("Option1_5"), Qt::Key_Space);
        QVERIFY(f.controle<QRadioButton>("Option1_1")->isChecked());
        auto* depart = f.controle<QLineEdit>("Text1");
        depart->selectAll();
        QTest::keyClicks(depart, "9");
        QTest::keyClick(depart, Qt::Key_Return);
        QCOMPARE(depart->text(), QStringLiteral("0"));
        f.controle<QLineEdit>("Text3")->selectAll();
        QTest::keyClicks(f.controle("Text3"), "7");
        QCOMPARE(f.controle<QScrollBar>("HScroll1")->maximum(), 7);
    }

    // Menu shortcuts act wherever the focus is, a text field too, where Shift+Insert still
    // pastes; "Couleur LED" is greyed yet its shortcuts act.
    void raccourcisDeMenu() {
        PosteFenetre f;
        f.fenetre.activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(&f.fenetre));
        QVERIFY(!f.fenetre.findChild<QMenu*>("CouleurLED")->menuAction()->isEnabled());
        f.presser("Cmd1", Qt::LeftButton);
        QString vu;
        const char* cas[][3] = {{"Text1", "Ctrl+Z", "Annuler"},
                                {"Text1", "Ctrl+Shift+Z", "Retablir"},
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
        QCOMPARE(vu, u"Annuler 1 0|Retablir 1 0|Vert 1 0|Jaune 1 0|");
        auto* depart = f.controle<QLineEdit>("Text1");
        QGuiApplication::clipboard()->setText(QStringLiteral("x"));
        const QString avant = depart->text();
        depart->setCursorPosition(0);
        QTest::keyClick(depart, Qt::Key_Insert, Qt::ShiftModifier);
        QCOMPARE(depart->text(), u'x' + avant);
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

    // Opened beside the main window, then where last left even in a later run; closing it (as
    // Escape does) goes through the core's OK handler.
    void fenetreDeTest() {
        for (const QPoint deplacee : {QPoint(), QPoint(100, 120)}) {
            PosteFenetre f;
            auto* dialogue = f.fenetre.findChild<QDialog*>("Dialog");
            f.ed().Ctl.DialogText1 = QStringLiteral(" Carte    LT840:V1.02");
            f.ed().Ctl.DialogVisible = true;
            f.fenetre.rafraichir();
            QCOMPARE(dialogue->findChild<QLineEdit*>("Text1")->text(), f.ed().Ctl.DialogText1);
            QVERIFY(deplacee.isNull()
                        ? !dialogue->frameGeometry().intersects(f.fenetre.frameGeometry())
                        : dialogue->pos() == deplacee);
            dialogue->move(QPoint(100, 120));
            dialogue->close();
            QVERIFY(!f.ed().Ctl.DialogVisible && !dialogue->isVisible());
        }
    }

    // Per press on the first pixel of an overview column, at lamp 3: "EnrCours Départ Maximum",
    // lamps showing it. The strip scrolls to follow the record shown.
    void pressionVueEnsemble() {
        const std::tuple<int, Qt::MouseButton, Qt::KeyboardModifiers> cas[] = {
            {1, Qt::LeftButton, {}},
            {0, Qt::LeftButton, {}},
            {2, Qt::LeftButton, Qt::ShiftModifier},
            {9, Qt::LeftButton, {}}};
        QStringList vus;
        for (const auto& [colonne, bouton, touches] : cas) {
            PosteFenetre f;
            remplir(f.ed());
            f.fenetre.rafraichir();
            QTest::mouseClick(f.fenetre.findChild<VueEnsemble*>()->toile(), bouton, touches,
                              point(colonne, 3) - QPoint(6, 0));
            vus << QStringLiteral("%1 %2 %3 %4")
                       .arg(f.ed().EnrCours)
                       .arg(f.ed().Ctl.Text1, f.ed().Text3())
                       .arg(grille(f.ed()) == enr(f.ed(), f.ed().EnrCours));
        }
        QCOMPARE(vus, (QStringList{"1 0 3 1", "0 0 3 1", "3 2 3 1", "3 0 3 1"}));
        PosteFenetre f;
        f.ed().setText3(QStringLiteral("250"));
        f.ed().setHScroll1Value(240);
        f.fenetre.rafraichir();
        auto* vue = f.fenetre.findChild<VueEnsemble*>();
        QVERIFY(QRect(vue->horizontalScrollBar()->value(), 0, vue->viewport()->width(), 1)
                    .contains(VueEnsemble::rectColonne(240).topLeft()));
    }

    // The overview's lamps as recorded; a bar for codes 2 and 6, none for 7. The working
    // record after them is drawn faint, unlike any recorded one.
    void couleursVueEnsemble() {
        PosteFenetre f;
        remplir(f.ed());
        f.fenetre.rafraichir();
        const QImage image = f.fenetre.findChild<VueEnsemble*>()->toile()->grab().toImage();
        for (int i = 0; i < NombreLampes; ++i)
            QVERIFY(image.pixelColor(point(3, i)) != QColor(255, 0, 0) &&
                    image.pixelColor(point(3, i)) != QColor(255, 128, 128));
        for (int c = 0; c < 3; ++c) {
            for (int i = 0; i < NombreLampes; ++i)
                QCOMPARE(image.pixelColor(point(c, i)),
                         f.ed().TabTrames[c][i] == 1 ? QColor(255, 0, 0) : QColor(255, 128, 128));
            const QColor fond = image.pixelColor(point(c, 8));
            QCOMPARE(image.pixelColor(point(c, 10) + QPoint(0, 4)) != fond, c < 2);
        }
    }

    // At the desktop's usual 9 points and over 1.5 times that, nothing overlaps or is clipped,
    // at the window's sides and in the overview's strip (its last number) included.
    void miseEnPage_data() {
        QTest::addColumn<int>("points");
        QTest::newRow("9 points") << 9;
        QTest::newRow("14 points") << 14;
    }
    void miseEnPage() {
        QFETCH(int, points);
        const QFont bureau = QApplication::font();
        QApplication::setFont(QFont(bureau.family(), points));
        PosteFenetre f;
        QApplication::setFont(bureau);
        f.ed().Modifie = true;
        f.ed().setText3(QStringLiteral("250"));
        f.fenetre.rafraichir();
        QStringList fautes =
            debordements(f.fenetre.centralWidget()) + debordements(f.fenetre.statusBar());
        auto* vue = f.fenetre.findChild<VueEnsemble*>();
        if (VueEnsemble::rectColonne(250).x() + 3 * 7 >= vue->toile()->width())
            fautes << u"250"_s; // three digits of 10 pixels
        QCOMPARE(fautes.join(u", "), QString());
    }

    // Listed again in the next run, the last opened first; a missing file is told and dropped.
    void fichiersRecents() {
        QTemporaryDir dossier;
        const QString a = dossier.filePath(QStringLiteral("a.dat"));
        const QString b = dossier.filePath(QStringLiteral("b.dat"));
        for (const QString& chemin : {a, b}) {
            QFile fichier(chemin);
            QVERIFY(fichier.open(QIODevice::WriteOnly) &&
                    fichier.write("LT840  V1.02\r\n 1 \r\n210000000\r\n100000000\r\n") > 0);
        }
        {
            PosteFenetre f;
            f.fenetre.ouvrirFichier(a);
            f.fenetre.ouvrirFichier(b);
        }
        PosteFenetre f;
        const auto recent = [&f](int i) {
            return f.fenetre.findChild<QAction*>(QStringLiteral("Recent_%1").arg(i));
        };
        QCOMPARE(recent(0)->text() + recent(1)->text(), "&1 " + b + "&2 " + a);
        QFile::remove(b);
        recent(0)->trigger();
        QVERIFY(f.banc.boites().value(0).contains(u"» n'existe plus"));
        QCOMPARE(recent(0)->text(), "&1 " + a);
    }
};

QTEST_MAIN(TstFenetre)
#include "tst_fenetre.moc"
