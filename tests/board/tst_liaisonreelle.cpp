#include "CarteVirtuelle.h"
#include "PosteReel.h"

#include <QRegularExpression>
#include <QSerialPort>
#include <QTest>

namespace {

const QByteArray Asterisques(32, '*');
const QString Identification = QString::fromLatin1(IdentificationCarte);

} // namespace

// What only the real adapter on a real line shows: a reply read across bursts, the last bytes
// drained before a close, a read that times out against one that fails, a line that goes.
class TestLiaisonReelle : public QObject {
    Q_OBJECT

private slots:
    // The identification reaches Versions and the test window whole, though the board sends
    // it in two parts; the reset queries the board twice more, then sends "R".
    void identificationEtReset() {
        CarteVirtuelle carte;
        QCOMPARE(carte.demarrer({"--fault", "split"}), QString());
        PosteReel poste;

        poste->TestCarte_Click();
        QCOMPARE(poste->Ctl.Versions, Identification);
        QVERIFY(poste->Ctl.DialogVisible);
        QCOMPARE(poste->Ctl.DialogText1, " Carte    " + Identification);

        poste->CmdRST_Click();
        QCOMPARE(poste.textesAffiches(), QStringList{});
        QTRY_COMPARE(carte.recus(), QByteArray("???R"));
        QVERIFY(carte.arreter()); // a stop signal in the middle of a wait is a clean end
    }

    // The last message written before the port closes must still reach the board whole.
    void fermetureLivreTout() {
        CarteVirtuelle carte;
        QCOMPARE(carte.demarrer(), QString());
        SerialPortQt port;
        QCOMPARE(port.ouvrir(1), 0);
        QCOMPARE(port.ecrire(Asterisques + "R"), 0);
        port.fermer();
        QVERIFY(carte.attendreFinRecus("R", 10000)); // the board logs what it reads in its own time
        QCOMPARE(carte.recus(), Asterisques + "R");
    }

    // An exchange that waits for one byte takes the first part of a split reply; the rest,
    // come meanwhile, is not dropped by the next write and heads the next exchange.
    void resteDUneReponseEnDeuxParties() {
        CarteVirtuelle carte;
        QCOMPARE(carte.demarrer({"--fault", "split"}), QString());
        PosteReel poste;
        poste->OuvreCom();
        poste->TxRx("?", 1);
        QCOMPARE(poste->ReponseCarte, QByteArray("L"));
        QTRY_COMPARE_WITH_TIMEOUT(poste.port.octetsEnAttente(), 11, 10000);
        poste->TxRx("R", 0);
        QCOMPARE(poste->ReponseCarte, QByteArray("T840:V1.02 "));
    }

    // A block and "F" go unanswered: a silent board only times the reads out, while a board
    // that hangs up halfway through the block, or goes away between two exchanges, makes
    // them fail; the user is told once why the line went, and the next command finds the
    // port gone.
    void carteQuiNeRepondPas_data() {
        QTest::addColumn<QString>("panne");
        QTest::addColumn<bool>("arreter");
        QTest::addColumn<QString>("boites"); // every box shown, one a line
        const QString coupee = QStringLiteral("ERREUR :(%1|%2)\nCOM1: n'est pas disponible. "
                                              "Changez dans la propriété Option pour un autre "
                                              "port\\.")
                                   .arg(QSerialPort::ReadError)
                                   .arg(QSerialPort::ResourceError);
        // A silent board fails the query made at each opening.
        QTest::newRow("muette") << "silent" << false << "DEFAUT DE DIALOGUE\nDEFAUT DE DIALOGUE";
        QTest::newRow("raccroche au milieu d'un bloc") << "hangup" << false << coupee;
        QTest::newRow("arrêtée entre deux échanges") << "hangup" << true << coupee;
    }
    void carteQuiNeRepondPas() {
        QFETCH(QString, panne);
        QFETCH(bool, arreter);
        QFETCH(QString, boites);
        CarteVirtuelle carte;
        QCOMPARE(carte.demarrer({"--fault", panne}), QString());
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
        QVERIFY2(
            QRegularExpression(QRegularExpression::anchoredPattern(boites)).match(vues).hasMatch(),
            qPrintable(vues));
    }
};

QTEST_GUILESS_MAIN(TestLiaisonReelle)
#include "tst_liaisonreelle.moc"
