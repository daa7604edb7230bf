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

    // Each press on column 3's lamp 3, then "EnrCours Départ Maximum" and whether the
    // lamps show the record made current.
    void pression() {
        const std::tuple<int, Qt::MouseButton, Qt::KeyboardModifiers> cas[] = {
            {1, Qt::LeftButton, {}},
            {2, Qt::LeftButton, Qt::ShiftModifier},
            {0, Qt::RightButton, {}},
            {9, Qt::LeftButton, {}},
            {0, Qt::MiddleButton, {}}};
        QStringList vus;
        for (const auto& [colonne, bouton, touches] : cas) {
            PosteFenetre f;
            remplir(f.ed());
            f.fenetre.rafraichir();
            QTest::mouseClick(f.fenetre.findChild<VueEnsemble*>()->toile(), bouton, touches,
                              point(colonne, 3));
            vus << QStringLiteral("%1 %2 %3 %4")
                       .arg(f.ed().EnrCours)
                       .arg(f.ed().Ctl.Text1, f.ed().Text3())
                       .arg(grille(f.ed()) == enr(f.ed(), f.ed().EnrCours));
        }
        QCOMPARE(vus, (QStringList{"1 0 3 1", "3 2 3 1", "4 0 4 1", "3 0 3 1", "3 0 3 1"}));
    }

    // Pixels of the strip for the scheme in force; a bar for codes 2 and 6, none for 7.
    void couleurs() {
        for (bool vert : {false, true}) {
            PosteFenetre f;
            remplir(f.ed());
            f.banc.messages.reponses.enqueue(Msg::RepOui);
            if (vert)
                f.fenetre.executer([&] { f.ed().Vert_Click(); });
            f.fenetre.rafraichir();
            const QColor allumee = vert ? QColor(0, 192, 0) : QColor(255, 0, 0);
            const QColor eteinte = vert ? QColor(192, 255, 192) : QColor(255, 128, 128);
            const QImage image = f.fenetre.findChild<VueEnsemble*>()->toile()->grab().toImage();
            for (int c = 0; c < 3; ++c) {
                for (int i = 0; i < NombreLampes; ++i)
                    QCOMPARE(image.pixelColor(point(c, i)),
                             f.ed().TabTrames[c][i] == 1 ? allumee : eteinte);
                const QColor fond = image.pixelColor(point(c, 8));
                QCOMPARE(image.pixelColor(point(c, 10) + QPoint(0, 4)) != fond, c < 2);
            }
        }
    }

    // At the start, then with two records in x2 on COM 3.
    void barreDEtat() {
        PosteFenetre f;
        const auto textes = [&f] {
            QStringList l;
            for (auto* e : f.fenetre.statusBar()->findChildren<QLabel*>())
                l << (e->isVisibleTo(&f.fenetre) ? e->text() : QString());
            return l.join(u'|');
        };
        QCOMPARE(textes(), "Enregistrements : 0 / 251|Durée d'un tour : 0,00 s|Port : COM 1 "
                           "(/dev/ttyUSB0)|");
        f.fenetre.executer([&] {
            f.ed().CLICK();
            f.ed().CLICK();
            f.ed().COM_Click(2);
        });
        QCOMPARE(textes(), "Enregistrements : 2 / 251|Durée d'un tour : 0,04 s|Port : COM 3 "
                           "(/dev/ttyS2)|Modifié");
    }

    // Opened from the command line, then dropped; listed again in the next run; a missing
    // file is reported and dropped.
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
        recent(0)->trigger();
        QCOMPARE(f.banc.boites(),
                 QStringList{boite("Le fichier « " + b +
                                       " » n'existe plus : il est retiré de la liste des fichiers "
                                       "récents.",
                                   Msg::OK | Msg::Exclamation)});
        QCOMPARE(recent(0)->text(), "&1 " + a);
        QVERIFY(!recent(1)->isVisible());
        QCOMPARE(f.ed().Ctl.Caption, Titre);
    }
};

QTEST_MAIN(TstVueEnsemble)
#include "tst_vueensemble.moc"
