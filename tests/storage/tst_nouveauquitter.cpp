#include "Banc.h"
#include "OutilsStockage.h"

#include <QtTest>

namespace {

const QString Quitter = QStringLiteral("Voulez-vous sauvegarder avant de quitter?");

enum Sauvegarde { SansSauvegarde, Enregistre, Annule, Echoue };

// Three recorded frames at x10 with unsaved changes.
void preparer(Banc& b) {
    b->Option1_MouseDown(3, 1);
    enregistrer(*b, "11000000");
    enregistrer(*b, "00110000");
    enregistrer(*b, "00001100");
    b->Modifie = QStringLiteral("O");
}

// Queues what the save dialog will give for each outcome of the save.
void choisirFichier(Banc& b, int sauvegarde) {
    const QString dossier = b.dossiers.programme.path();
    if (sauvegarde == Enregistre)
        b.fichiers.chemins << chemin(dossier, "fin.dat");
    if (sauvegarde == Echoue)
        b.fichiers.chemins << chemin(dossier, "absent/fin.dat");
}

} // namespace

class TstNouveauQuitter : public QObject {
    Q_OBJECT
private slots:
    void initTestCase() { QLocale::setDefault(QLocale::c()); }

    void nouveauQuestion_data() {
        QTest::addColumn<QString>("modifie");
        QTest::addColumn<int>("reponse");
        QTest::addColumn<bool>("efface");
        QTest::newRow("rien a perdre") << "N" << Msg::RepNon << true;
        QTest::newRow("oui") << "O" << Msg::RepOui << true;
        QTest::newRow("non") << "O" << Msg::RepNon << false;
    }
    void nouveauQuestion() {
        QFETCH(QString, modifie);
        QFETCH(int, reponse);
        QFETCH(bool, efface);
        Banc b;
        preparer(b);
        b->Modifie = modifie;
        b.messages.reponses << reponse;
        const auto magasin = b->TabTrames;
        b->Nouveau_Click();
        QCOMPARE(b.messages.affichees.size(), modifie == u"O" ? 1 : 0);
        if (modifie == u"O") {
            const BoiteAffichee q = b.messages.affichees[0];
            QCOMPARE(
                q.prompt,
                QStringLiteral(" Attention!!! Désirez-vous effacer les données non enregistrées?"));
            QCOMPARE(q.boutons, Msg::Critique | Msg::OuiNon);
            QCOMPARE(q.titre, QStringLiteral("* LT840 *"));
        }
        QCOMPARE(b->Text3(), efface ? QStringLiteral("0") : QStringLiteral("3"));
        QCOMPARE(b->Modifie, efface ? QStringLiteral("N") : modifie);
        if (!efface)
            QVERIFY(b->TabTrames == magasin);
    }

    // The lamp rows stay; the codes of records 1..255 go; the grid is unlit whatever record the
    // navigator showed, and the time base in force stays while "x1" is marked.
    void nouveauRemet_data() {
        QTest::addColumn<int>("position");
        QTest::newRow("navigateur en fin") << 3;
        QTest::newRow("navigateur a 0") << 0;
    }
    void nouveauRemet() {
        QFETCH(int, position);
        Banc b;
        preparer(b);
        b->setHScroll1Value(position);
        b->Ctl.Text1 = QStringLiteral("2");
        b->Ctl.Check1 = 1;
        b->TabTrames[256][8] = 3;
        b->CouleurOn = b->Couleurs[2]; // the yellow scheme
        b->CouleurOff = b->Couleurs[3];
        const QString periode = b->Ctl.Cpt2;
        b.messages.reponses << Msg::RepOui;
        b->Nouveau_Click();
        QCOMPARE(enr(*b, 0), QStringLiteral("111000000"));
        QCOMPARE(enr(*b, 1), QStringLiteral("000110000"));
        QCOMPARE(b->TabTrames[255][8], qint16(0));
        QCOMPARE(b->TabTrames[256][8], qint16(3));
        QCOMPARE(b->CouleurOn, b->Couleurs[0]);
        QCOMPARE(b->CouleurOff, b->Couleurs[3]);
        for (const Lampe& l : b->Ctl.Shape1)
            QCOMPARE(l.FillColor, b->Couleurs[3]);
        QCOMPARE(b->EnrCours, qint16(0));
        QCOMPARE(b->HScroll1Max(), 0);
        QCOMPARE(b->HScroll1Value(), 0);
        QCOMPARE(b->Ctl.Text1, QStringLiteral("0"));
        QCOMPARE(b->Ctl.Text2, QStringLiteral("0"));
        QCOMPARE(b->Ctl.Check1, 0);
        QCOMPARE(b->Ctl.Option1, 0);
        QCOMPARE(b->IndTempo, qint16(3));
        QCOMPARE(b->Ctl.Cpt2, periode);
        b->CLICK();
        QCOMPARE(b->TabTrames[0][8], qint16(4)); // x10
    }

    void quitter_data() {
        QTest::addColumn<int>("reponse");
        QTest::addColumn<int>("sauvegarde");
        QTest::addColumn<bool>("termine");
        QTest::newRow("non") << Msg::RepNon << int(SansSauvegarde) << true;
        QTest::newRow("oui, enregistre") << Msg::RepOui << int(Enregistre) << true;
        QTest::newRow("oui, annule") << Msg::RepOui << int(Annule) << false;
        QTest::newRow("oui, echec") << Msg::RepOui << int(Echoue) << false;
    }
    void quitter() {
        QFETCH(int, reponse);
        QFETCH(int, sauvegarde);
        QFETCH(bool, termine);
        Banc b;
        preparer(b);
        b.messages.reponses << reponse;
        choisirFichier(b, sauvegarde);
        b->Quitter_Click();
        const BoiteAffichee q = b.messages.affichees.value(0);
        QCOMPARE(q.prompt, Quitter);
        QCOMPARE(q.boutons, Msg::OuiNon);
        QCOMPARE(q.titre, QStringLiteral("* LT840 *"));
        QCOMPARE(b.fichiers.enregistrements.size(), reponse == Msg::RepOui ? 1 : 0);
        QCOMPARE(b.evenements.termine, termine);
        QCOMPARE(b->Modifie, sauvegarde == Enregistre ? QStringLiteral("N") : QStringLiteral("O"));
        // The window closing as the program ends must not ask a second time.
        if (termine) {
            const qsizetype boites = b.messages.affichees.size();
            QVERIFY(b->Form_QueryUnload());
            QCOMPARE(b.messages.affichees.size(), boites);
        }
    }

    void quitterSansModification() {
        Banc b;
        b->Quitter_Click(); // asked even with nothing to lose; No by default
        QCOMPARE(b.messages.affichees.size(), 1);
        QVERIFY(b.evenements.termine);
    }

    // Closing the window asks Quit's question only when there is something to lose.
    void fermeture_data() {
        QTest::addColumn<QString>("modifie");
        QTest::addColumn<int>("reponse");
        QTest::addColumn<int>("sauvegarde");
        QTest::addColumn<bool>("ferme");
        QTest::newRow("rien a perdre") << "N" << Msg::RepOui << int(SansSauvegarde) << true;
        QTest::newRow("non") << "O" << Msg::RepNon << int(SansSauvegarde) << true;
        QTest::newRow("oui, enregistre") << "O" << Msg::RepOui << int(Enregistre) << true;
        QTest::newRow("oui, annule") << "O" << Msg::RepOui << int(Annule) << false;
        QTest::newRow("oui, echec") << "O" << Msg::RepOui << int(Echoue) << false;
    }
    void fermeture() {
        QFETCH(QString, modifie);
        QFETCH(int, reponse);
        QFETCH(int, sauvegarde);
        QFETCH(bool, ferme);
        Banc b;
        preparer(b);
        b->Modifie = modifie;
        b.messages.reponses << reponse;
        choisirFichier(b, sauvegarde);
        QCOMPARE(b->Form_QueryUnload(), ferme);
        if (modifie == u"N") {
            QVERIFY(b.messages.affichees.isEmpty());
            return;
        }
        QCOMPARE(b.messages.affichees.value(0).prompt, Quitter);
        QCOMPARE(b.messages.affichees.value(0).boutons, Msg::OuiNon);
        QVERIFY(!b.evenements.termine); // the window closes itself
    }
};

QTEST_GUILESS_MAIN(TstNouveauQuitter)
#include "tst_nouveauquitter.moc"
