#include "CarteVirtuelle.h"
#include "PosteReel.h"

#include <QElapsedTimer>
#include <QSerialPort>
#include <QTest>

#include <ctime>
#include <utility>

namespace {

const QByteArray Asterisques(32, '*');
const QString Identification = QString::fromLatin1(IdentificationCarte);
// The error box of a line gone: the device fails to read, or has vanished.
const QStringList LigneCoupee{QStringLiteral("ERREUR :%1").arg(QSerialPort::ReadError),
                              QStringLiteral("ERREUR :%1").arg(QSerialPort::ResourceError)};

// Runs `etape`; returns how long it lasted and the processor time the process used meanwhile,
// in ms.
template <typename F> std::pair<qint64, qint64> mesurer(F etape) {
    QElapsedTimer montre;
    montre.start();
    const std::clock_t avant = std::clock();
    etape();
    const qint64 processeur = (std::clock() - avant) * 1000 / CLOCKS_PER_SEC;
    const qint64 duree = montre.elapsed();
    qInfo("%lld ms, processor %lld ms", duree, processeur);
    return {duree, processeur};
}

} // namespace

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
    }

    // The last message written before the port closes must still reach the board whole.
    void fermetureLivreTout() {
        CarteVirtuelle carte;
        QCOMPARE(carte.demarrer(), QString());
        SerialPortQt port;
        QCOMPARE(port.ouvrir(1), 0);
        QCOMPARE(port.ecrire(Asterisques + "R"), 0);
        port.fermer();
        QVERIFY(carte.attendreFinRecus("R", 2000)); // the board logs what it reads in its own time
        QCOMPARE(carte.recus(), Asterisques + "R");
    }

    // Four unanswered queries of up to 1.5 s each: the editor sleeps through them.
    void carteMuetteSansOccuperLeProcesseur() {
        CarteVirtuelle carte;
        QCOMPARE(carte.demarrer({"--fault", "silent"}), QString());
        PosteReel poste;

        const auto [duree, processeur] = mesurer([&] { poste->DemandeVersionCarte(); });

        QCOMPARE(poste.textesAffiches(), QStringList{"DEFAUT DE DIALOGUE"});
        QCOMPARE(carte.recus(), QByteArray("??") + Asterisques + "??");
        QVERIFY2(duree >= 4 * 500 && duree <= 4 * 1500 + 500, qPrintable(QString::number(duree)));
        QVERIFY(processeur * 20 < duree);
    }

    // An exchange that waits for one byte takes the first part of a split reply; the rest
    // comes back at the head of the next exchange.
    void resteDUneReponseEnDeuxParties() {
        CarteVirtuelle carte;
        QCOMPARE(carte.demarrer({"--fault", "split"}), QString());
        PosteReel poste;
        poste->OuvreCom();
        poste->TxRx("?", 1);
        QCOMPARE(poste->ReponseCarte, QByteArray("L"));
        QTest::qSleep(600);
        poste->TxRx("R", 0);
        QCOMPARE(poste->ReponseCarte, QByteArray("T840:V1.02 "));
    }

    // The board hangs up halfway through a block, or goes away between two exchanges: the
    // exchanges fail like those with a silent board, without spinning, the user is told
    // once why the line went, and the next command finds the port gone.
    void carteQuiDisparait_data() {
        QTest::addColumn<bool>("pendantUnBloc");
        QTest::newRow("raccroche au milieu d'un bloc") << true;
        QTest::newRow("arrêtée entre deux échanges") << false;
    }
    void carteQuiDisparait() {
        QFETCH(bool, pendantUnBloc);
        CarteVirtuelle carte;
        QCOMPARE(carte.demarrer({"--fault", "hangup"}), QString());
        PosteReel poste;
        poste->OuvreCom();
        poste->TxRx("P", 1);
        if (!pendantUnBloc)
            carte.arreter();

        const auto [duree, processeur] = mesurer([&] {
            poste->TxRx(QByteArray(32, char(0xA5)), 1);
            poste->TxRx("F", 1);
        });

        QCOMPARE(poste->EtatCom, EtatEchange::Muet);
        QVERIFY(duree <= 4 * 1500 + 500);
        QVERIFY(processeur * 20 < duree);
        poste->DemandeVersionCarte();
        const QStringList textes = poste.textesAffiches();
        QCOMPARE(textes.size(), 2);
        QVERIFY2(LigneCoupee.contains(textes[0]), qPrintable(textes[0]));
        QCOMPARE(textes[1], "COM1: n'est pas disponible. Changez dans la propriété Option pour "
                            "un autre port.");
    }
};

QTEST_GUILESS_MAIN(TestLiaisonReelle)
#include "tst_liaisonreelle.moc"
