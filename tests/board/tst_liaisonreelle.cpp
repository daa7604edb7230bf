#include "CarteVirtuelle.h"
#include "PosteReel.h"

#include <QSerialPort>
#include <QTest>

// What only the real adapter on a real line shows: a reply read across bursts, the last bytes
// drained before a close, a read that times out against one that fails, a line that goes.
class TestLiaisonReelle : public QObject {
    Q_OBJECT

private slots:
    // The identification reaches the test window whole though the board sends it in two parts;
    // an exchange that waits for one byte takes the first part, and the rest, come meanwhile,
    // is not dropped by the next write. The last message written before the port closes
    // reaches the board whole, and a stop signal in the middle of a wait is a clean end.
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

    // A board that hangs up halfway through a block, or goes away between two exchanges,
    // makes the reads fail where a silent one only times them out; the user is told once why
    // the line went, and the next command finds the port gone.
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
        const QString vues = poste.textesAffiches().join(u'\n');
        const QString indisponible = QStringLiteral("\nCOM1: n'est pas disponible. Changez dans la "
                                                    "propriété Option pour un autre port.");
        QVERIFY2(vues == "ERREUR :" + QString::number(QSerialPort::ReadError) + indisponible ||
                     vues ==
                         "ERREUR :" + QString::number(QSerialPort::ResourceError) + indisponible,
                 qPrintable(vues));
    }
};

QTEST_GUILESS_MAIN(TestLiaisonReelle)
#include "tst_liaisonreelle.moc"
