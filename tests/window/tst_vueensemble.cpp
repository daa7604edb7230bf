#include "Motifs.h"
#include "PosteFenetre.h"
#include "window/VueEnsemble.h"

#include <QAction>
#include <QLabel>
#include <QMimeData>
#include <QSettings>
#include <QStatusBar>
#include <QtTest>

namespace {

// The centre of lamp `lampe`'s dot in column `colonne`; below lamp 10 lies the foot of the bars.
QPoint point(int colonne, int lampe) {
    return {colonne * VueEnsemble::LargeurColonne + 6, 21 + 10 * lampe};
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

} // namespace

class TstVueEnsemble : public QObject {
    Q_OBJECT
private slots:
    void initTestCase() {
        QStandardPaths::setTestModeEnabled(true);
        QVERIFY(QSettings("lt840", "lt840").fileName().contains(u"/.qttest/"));
        QLocale::setDefault(QLocale(QLocale::French));
        qputenv("LT840_COM1", "/dev/ttyUSB0");
    }
    void init() { QSettings("lt840", "lt840").clear(); }

    // After the press: "EnrCours Départ Maximum".
    void pression_data() {
        QTest::addColumn<int>("colonne");
        QTest::addColumn<Qt::MouseButton>("bouton");
        QTest::addColumn<int>("touches");
        QTest::addColumn<QString>("apres");
        QTest::newRow("gauche") << 1 << Qt::LeftButton << 0 << "1 0 3";
        QTest::newRow("Maj+gauche") << 2 << Qt::LeftButton << int(Qt::ShiftModifier) << "3 2 3";
        QTest::newRow("droit enregistre") << 0 << Qt::RightButton << 0 << "4 0 4";
        QTest::newRow("après la dernière") << 9 << Qt::LeftButton << 0 << "3 0 3";
        QTest::newRow("milieu") << 0 << Qt::MiddleButton << 0 << "3 0 3";
    }
    void pression() {
        QFETCH(int, colonne);
        QFETCH(Qt::MouseButton, bouton);
        QFETCH(int, touches);
        PosteFenetre f;
        remplir(f.ed());
        f.fenetre.rafraichir();
        QWidget* toile = f.fenetre.findChild<VueEnsemble*>()->toile();
        QTest::mouseClick(toile, bouton, Qt::KeyboardModifiers(touches), point(colonne, 3));
        QTEST(QStringLiteral("%1 %2 %3").arg(f.ed().EnrCours).arg(f.ed().Ctl.Text1, f.ed().Text3()),
              "apres");
        QCOMPARE(grille(f.ed()), enr(f.ed(), f.ed().EnrCours));
    }

    // Pixels of the strip for the scheme in force; a bar for codes 2 and 6, none for 7.
    void couleurs_data() {
        QTest::addColumn<bool>("vert");
        QTest::addColumn<QColor>("allumee");
        QTest::addColumn<QColor>("eteinte");
        QTest::newRow("rouge") << false << QColor(255, 0, 0) << QColor(255, 128, 128);
        QTest::newRow("vert") << true << QColor(0, 192, 0) << QColor(192, 255, 192);
    }
    void couleurs() {
        QFETCH(bool, vert);
        QFETCH(QColor, allumee);
        QFETCH(QColor, eteinte);
        PosteFenetre f;
        remplir(f.ed());
        f.banc.messages.reponses.enqueue(Msg::RepOui);
        if (vert)
            f.fenetre.executer([&] { f.ed().Vert_Click(); });
        f.fenetre.rafraichir();
        const QImage image = f.fenetre.findChild<VueEnsemble*>()->toile()->grab().toImage();
        for (int c = 0; c < 3; ++c) {
            for (int i = 0; i < NombreLampes; ++i)
                QCOMPARE(image.pixelColor(point(c, i)),
                         f.ed().TabTrames[c][i] == 1 ? allumee : eteinte);
            const QColor fond = image.pixelColor(point(c, 8));
            QCOMPARE(image.pixelColor(point(c, 10) + QPoint(0, 4)) != fond, c < 2);
        }
    }

    void barreDEtat_data() {
        QTest::addColumn<int>("enregistrements");
        QTest::addColumn<int>("port");
        QTest::addColumn<QString>("textes");
        QTest::newRow("au départ") << 0 << 0
                                   << "Enregistrements : 0 / 251|Durée d'un tour : "
                                      "0,00 s|Port : COM 1 (/dev/ttyUSB0)|";
        QTest::newRow("deux en x2, COM 3") << 2 << 2
                                           << "Enregistrements : 2 / 251|Durée d'un tour : 0,04 "
                                              "s|Port : COM 3 (/dev/ttyS2)|Modifié";
    }
    void barreDEtat() {
        QFETCH(int, enregistrements);
        QFETCH(int, port);
        PosteFenetre f;
        for (int i = 0; i < enregistrements; ++i)
            f.fenetre.executer([&] { f.ed().CLICK(); });
        f.fenetre.executer([&] { f.ed().COM_Click(port); });
        QStringList textes;
        for (auto* l : f.fenetre.statusBar()->findChildren<QLabel*>())
            textes << (l->isVisibleTo(&f.fenetre) ? l->text() : QString());
        QTEST(textes.join(u'|'), "textes");
    }

    // Opened from the command line, then dropped; listed again in the next run; a missing
    // file is reported and dropped, and unsaved changes are asked about first.
    void fichiersRecents() {
        QTemporaryDir dossier;
        const QString a = dossier.filePath(QStringLiteral("a.dat"));
        const QString b = dossier.filePath(QStringLiteral("b.dat"));
        for (const QString& chemin : {a, b}) {
            QFile fichier(chemin);
            QVERIFY(fichier.open(QIODevice::WriteOnly));
            fichier.write("LT840  V1.02\r\n 1 \r\n210000000\r\n100000000\r\n");
        }
        {
            PosteFenetre f;
            f.fenetre.ouvrirFichier(a);
            QMimeData donnees;
            donnees.setUrls({QUrl::fromLocalFile(b)});
            QDragEnterEvent entree({10, 10}, Qt::CopyAction, &donnees, Qt::LeftButton, {});
            QDropEvent depot({10, 10}, Qt::CopyAction, &donnees, Qt::LeftButton, {});
            QApplication::sendEvent(&f.fenetre, &entree);
            QApplication::sendEvent(&f.fenetre, &depot);
            QTRY_COMPARE(f.ed().Ctl.Caption, PrefixeTitreFichier + b);
        }
        PosteFenetre f;
        const auto recent = [&f](int i) {
            return f.fenetre.findChild<QAction*>(QStringLiteral("Recent_%1").arg(i));
        };
        QCOMPARE(recent(0)->text() + recent(1)->text(), "&1 " + b + "&2 " + a);
        QFile::remove(b);
        f.ed().Modifie = true;
        recent(1)->trigger();
        recent(0)->trigger();
        const QList<BoiteAffichee>& boites = f.banc.messages.affichees;
        QCOMPARE(boites.size(), 2);
        QVERIFY(boites[0].prompt.contains(u"Désirez-vous effacer"));
        QCOMPARE(boites[1].prompt, "Le fichier « " + b +
                                       " » n'existe plus : il est retiré de la liste des fichiers "
                                       "récents.");
        QCOMPARE(recent(0)->text(), "&1 " + a);
        QVERIFY(!recent(1)->isVisible());
        QCOMPARE(f.ed().Ctl.Caption, Titre);
    }
};

QTEST_MAIN(TstVueEnsemble)
#include "tst_vueensemble.moc"
