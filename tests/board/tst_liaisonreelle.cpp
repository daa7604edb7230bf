#include "CarteVirtuelle.h"
#include "PosteReel.h"

#include <QSerialPort>
#include <QTest>

// What only the real adapter on a real line shows: bursts, the drain at close, a lost line.
class TestLiaisonReelle : public QObject {
    Q_OBJECT

private slots:
    // A reply sent in two parts reaches the window whole; a one-byte wait takes the first part
    // and the next write keeps the rest; the last write before a close reaches the board.
    void repriseEtFermeture() {
        CarteVirtuelle carte;
        QCOMPARE(carte.demarrer({"--fault", "split"}), QString());
        PosteReel poste;
        poste->TestCarte_Click();
        QCOMPARE(poste->Ctl.DialogText1, " Carte    " + QString::fromLatin1(IdentificationCarte));
        poste->TxRx("?", 1);
        QCOMPARE(poste->ReponseCarte, QByteArray("L"));
        QTRY_COMPARE_WITH_TIMEOUT(poste.port.octetsEnAttente(), 11, 10000);
        poste->TxRx("R", 0);
        QCOMPARE(poste->ReponseCarte, QByteArray("T840:V1.02 "));
        const QByteArray fin = QByteArray(32, '*') + "R";
        QCOMPARE(poste.port.ecrire(fin), 0);
        poste.port.fermer();
        QVERIFY(carte.attendreFinRecus(fin, 10000)); // the board logs in its own time
        QCOMPARE(carte.recus(), "??R" + fin);
        QVERIFY(carte.arreter());
    }

    // A board that hangs up in a block, or goes between two exchanges, makes the reads fail;
    // the user is told once why the line went, and the next command finds the port gone.
    void carteQuiRaccroche_data() {
        QTest::addColumn<bool>("arreter");
        QTest::newRow("raccroche au milieu d'un bloc") << false;
        QTest::newRow("arrêtée entre deux échanges") << true;
    }
    void carteQuiRaccroche() {
        QFETCH(bool, arreter);
        CarteVirtuelle carte;
        QCOMPARE(carte.demarrer({"--fault", "hangup"}), QString());
        PosteReel poste;
        poste->OuvreCom();
        poste->TxRx("P", 1);
        if (arreter)
            QVERIFY(carte.arreter());
        poste->TxRx(QByteArray(32, char(0xA5)), 1);
        poste->TxRx("F", 1);
        QCOMPARE(poste->EtatCom, EtatEchange::Muet);
        poste->DemandeVersionCarte();
        const QStringList vues = poste.boites(true);
        QVERIFY2(vues.size() == 2 && vues[1].startsWith("COM1: n'est pas disponible") &&
                     (vues[0] == "ERREUR :" + QString::number(QSerialPort::ReadError) ||
                      vues[0] == "ERREUR :" + QString::number(QSerialPort::ResourceError)),
                 qPrintable(vues.join(u'\n')));
    }
};

QTEST_GUILESS_MAIN(TestLiaisonReelle)
#include "tst_liaisonreelle.moc"
