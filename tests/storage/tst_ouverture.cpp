#include "Banc.h"
#include "OutilsStockage.h"

#include <QtTest>

namespace {

const QString Compatible = QStringLiteral("Fichier non compatible.");
const QString Disponible = QStringLiteral("Fichier non disponible ! ");
const QString TitreVersion = QStringLiteral("* LT840  V1.02 *");

// A sequence of three frames with unsaved changes, and the open command about to be answered
// Yes to the unsaved-changes question and given `f` by the dialog.
void preparer(Banc& b, const QString& f) {
    enregistrer(*b, "11000000");
    enregistrer(*b, "00110000");
    enregistrer(*b, "00001100");
    b->Modifie = QStringLiteral("O");
    b.messages.reponses << Msg::RepOui;
    b.fichiers.chemins << f;
}

} // namespace

class TstOuverture : public QObject {
    Q_OBJECT
private slots:
    void initTestCase() { QLocale::setDefault(QLocale::c()); }

    void exemple() {
        Banc b;
        b->TabTrames[0][12] = 7;
        b->TabTrames[700][3] = 5;
        const QString f = chemin(b.dossiers.programme.path(), "seq.dat");
        QVERIFY(deposer(f, Exemple));
        preparer(b, f);
        b->Lecture_Click();
        QCOMPARE(b.messages.affichees.size(), 1); // the unsaved-changes question only
        QCOMPARE(enr(*b, 0), QStringLiteral("210000000"));
        QCOMPARE(enr(*b, 1), QStringLiteral("201000000"));
        for (int r = 2; r <= 512; ++r)
            QCOMPARE(enr(*b, r), QStringLiteral("011111111"));
        for (int r = 0; r <= LT840::DernierEnr; ++r)
            for (int l = r > 512 ? 0 : 9; l <= LT840::DerniereLigne; ++l)
                QCOMPARE(b->TabTrames[r][l], qint16(0));
        QCOMPARE(b->HScroll1Max(), 2);
        QCOMPARE(b->HScroll1Value(), 0);
        QCOMPARE(b->Ctl.Text2, QStringLiteral("0"));
        QCOMPARE(b->Text3(), QStringLiteral("2"));
        QCOMPARE(b->Ctl.Caption, QStringLiteral("FICHIER = ") + f);
        QCOMPARE(b->Modifie, QStringLiteral("N"));
    }

    // The grid shows the loaded record 0 only when the navigator had to move to it.
    void rafraichissement_data() {
        QTest::addColumn<int>("position");
        QTest::addColumn<QString>("grille");
        QTest::newRow("position 3") << 3 << "10000000";
        QTest::newRow("position 0") << 0 << "11000000";
    }
    void rafraichissement() {
        QFETCH(int, position);
        QFETCH(QString, grille);
        Banc b;
        const QString f = chemin(b.dossiers.programme.path(), "seq.dat");
        QVERIFY(deposer(f, Exemple));
        preparer(b, f);
        b->setHScroll1Value(position);
        b->Lecture_Click();
        QCOMPARE(::grille(*b), grille);
        QCOMPARE(b->EnrCours, qint16(0));
    }

    void question_data() {
        QTest::addColumn<QString>("modifie");
        QTest::addColumn<int>("reponse");
        QTest::addColumn<bool>("charge");
        QTest::newRow("rien a perdre") << "N" << Msg::RepOui << true;
        QTest::newRow("oui") << "O" << Msg::RepOui << true;
        QTest::newRow("non") << "O" << Msg::RepNon << false;
    }
    void question() {
        QFETCH(QString, modifie);
        QFETCH(int, reponse);
        QFETCH(bool, charge);
        Banc b;
        const QString f = chemin(b.dossiers.programme.path(), "seq.dat");
        QVERIFY(deposer(f, Exemple));
        preparer(b, f);
        b->Modifie = modifie;
        b.messages.reponses.clear();
        b.messages.reponses << reponse;
        b->Lecture_Click();
        QCOMPARE(b.fichiers.ouvertures.size(), charge ? 1 : 0);
        QCOMPARE(b->Text3(), charge ? QStringLiteral("2") : QStringLiteral("3"));
        if (modifie == u"N") {
            QVERIFY(b.messages.affichees.isEmpty());
            return;
        }
        const BoiteAffichee q = b.messages.affichees.value(0);
        QCOMPARE(
            q.prompt,
            QStringLiteral(" Attention!!!    Désirez-vous effacer les données non enregistrées?"));
        QCOMPARE(q.boutons, Msg::Critique | Msg::OuiNon);
        QCOMPARE(q.titre, QStringLiteral("* LT840 *"));
    }

    void dialogue() {
        Banc b;
        const QString f = chemin(b.dossiers.programme.path(), "seq.dat");
        b.fichiers.chemins << f;
        b->Sauvegarde();
        b->Lecture_Click();
        const ParametresDialogue p = b.fichiers.ouvertures.value(0);
        QCOMPARE(p.nomFichier, f); // the name is kept from the last dialog
        QCOMPARE(p.dossierInitial, b.dossiers.programme.path());
        QCOMPARE(p.titre, QStringLiteral("Dezudoziru"));
    }

    void annulation() {
        Banc b;
        preparer(b, QString());
        const auto magasin = b->TabTrames;
        b->Lecture_Click();
        QCOMPARE(b->Modifie, QStringLiteral("O"));
        QVERIFY(b->TabTrames == magasin);
        const BoiteAffichee m = b.messages.affichees.value(1);
        QCOMPARE(m.prompt, QStringLiteral("Vous n'avez ouvert aucun fichier."));
        QCOMPARE(m.boutons, Msg::Critique | Msg::OK);
        QCOMPARE(m.titre, TitreVersion);
    }

    void extensionAjoutee() {
        Banc b;
        const QString dossier = b.dossiers.programme.path();
        QVERIFY(deposer(chemin(dossier, "seq.txt.dat"), Exemple));
        preparer(b, chemin(dossier, "seq.txt"));
        b->Lecture_Click();
        QCOMPARE(b->Text3(), QStringLiteral("2"));
        QCOMPARE(b->Ctl.Caption, "FICHIER = " + chemin(dossier, "seq.txt.dat"));
    }

    // Nothing outside the path changes: not the store, the counters, the title nor Modifie.
    void refus_data() {
        QTest::addColumn<QByteArray>("octets"); // empty: a directory stands at the path
        QTest::addColumn<bool>("existe");
        QTest::addColumn<QString>("message");
        QTest::addColumn<QString>("titre");
        const QByteArray h = "LT840  V1.02\r\n";
        QTest::newRow("entete minuscule")
            << QByteArray("lt840  v1.02\r\n 0 \r\n0\r\n") << true << Compatible << TitreVersion;
        QTest::newRow("compte 2000") << h + "2000\r\n" + QByteArray("1\r\n").repeated(2001) << true
                                     << Compatible << TitreVersion;
        QTest::newRow("compte illisible") << h + "abc\r\n" << true << Compatible << TitreVersion;
        QTest::newRow("fin avant N") << h + " 5 \r\n1\r\n1\r\n"
                                     << true << Compatible << TitreVersion;
        QTest::newRow("trop grand")
            << h + " 1 \r\n" + QByteArray(1 << 21, '1') << true << Disponible << "* LT840 *";
        QTest::newRow("absent") << QByteArray() << false << Disponible << "* LT840 *";
        QTest::newRow("repertoire") << QByteArray() << true << Disponible << "* LT840 *";
    }
    void refus() {
        QFETCH(QByteArray, octets);
        QFETCH(bool, existe);
        QFETCH(QString, message);
        QFETCH(QString, titre);
        Banc b;
        const QString dossier = b.dossiers.programme.path();
        const QString f = chemin(dossier, "seq.dat");
        if (existe)
            QVERIFY(octets.isEmpty() ? QDir(dossier).mkdir("seq.dat") : deposer(f, octets));
        preparer(b, f);
        b->setHScroll1Value(1);
        const auto magasin = b->TabTrames;
        const QString grilleAvant = grille(*b);
        b->Lecture_Click();
        QCOMPARE(b.messages.affichees.size(), 2);
        QCOMPARE(b.messages.affichees[1].prompt, message);
        QCOMPARE(b.messages.affichees[1].boutons, Msg::Critique | Msg::OK);
        QCOMPARE(b.messages.affichees[1].titre, titre);
        QVERIFY(b->TabTrames == magasin);
        QCOMPARE(grille(*b), grilleAvant);
        QCOMPARE(b->HScroll1Max(), 3);
        QCOMPARE(b->HScroll1Value(), 1);
        QCOMPARE(b->Text3(), QStringLiteral("3"));
        QCOMPARE(b->Ctl.Caption, QStringLiteral("* LT840 *"));
        QCOMPARE(b->Modifie, QStringLiteral("O"));
        QCOMPARE(b->NomFichier, f);
    }

    // Saving what was loaded gives the same lines again, all but the one past the end.
    void sauverChargerSauver() {
        Banc b;
        enregistrer(*b, "10100000");
        b->Option1_MouseDown(4, 1);
        enregistrer(*b, "01011111");
        enregistrer(*b, "11111111");
        const QString a = chemin(b.dossiers.programme.path(), "a.dat");
        const QString c = chemin(b.dossiers.programme.path(), "c.dat");
        b.fichiers.chemins << a << a << c;
        QVERIFY(b->Sauvegarde());
        b->Lecture_Click();
        QVERIFY(b->Sauvegarde());
        const QList<QByteArray> premier = contenu(a).split('\n');
        const QList<QByteArray> second = contenu(c).split('\n');
        QCOMPARE(premier.size(), 7); // 6 lines and nothing after the last CR LF
        QCOMPARE(second.first(5), premier.first(5));
        QCOMPARE(second[5], QByteArray("011111111\r"));
    }
};

QTEST_GUILESS_MAIN(TstOuverture)
#include "tst_ouverture.moc"
