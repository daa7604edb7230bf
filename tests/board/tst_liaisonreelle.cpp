#include "CarteVirtuelle.h"
#include "PosteReel.h"

#include <QElapsedTimer>
#include <QTest>

#include <sys/resource.h>

namespace {

const QByteArray Asterisques(32, '*');
const QString DefautDialogue = QStringLiteral("DEFAUT DE DIALOGUE");

// Processor time this process has used so far, in ms.
qint64 tempsProcesseurMs() {
    rusage r{};
    getrusage(RUSAGE_SELF, &r);
    return (qint64(r.ru_utime.tv_sec) + r.ru_stime.tv_sec) * 1000 +
           (r.ru_utime.tv_usec + r.ru_stime.tv_usec) / 1000;
}

} // namespace

class TestLiaisonReelle : public QObject {
    Q_OBJECT

private slots:
    void identification_data();
    void identification();
    void resetEnvoieR();
    void fermetureLivreTout();
    void carteMuetteSansOccuperLeProcesseur();
    void resteDUneReponseEnDeuxParties();
    void carteQuiDisparait_data();
    void carteQuiDisparait();
};

// What the board's identification leaves beside "CARTE" and in the test window.
void TestLiaisonReelle::identification_data() {
    QTest::addColumn<QStringList>("options");
    QTest::addColumn<QString>("versions");
    QTest::addColumn<QString>("fenetreTest");
    QTest::addColumn<QByteArray>("recus");

    const QByteArray q("?");
    QTest::newRow("carte saine") << QStringList{} << "LT840:V1.02 "
                                 << " Carte    LT840:V1.02 " << QByteArray("?");
    QTest::newRow("signature en cinquième position")
        << QStringList{"--ident", "abcdLT840:V2.00 wxyz"} << "LT840:V2.00 "
        << " Carte    abcdLT840:V2.00 wxyz" << q;
    QTest::newRow("réponse en deux parties") << QStringList{"--fault", "split"} << "LT840:V1.02 "
                                             << " Carte    LT840:V1.02 " << q;
    QTest::newRow("réponse octet par octet") << QStringList{"--fault", "bytewise"} << "LT840:V1.02 "
                                             << " Carte    LT840:V1.02 " << q;
    QTest::newRow("octets parasites devant la réponse")
        << QStringList{"--fault", "stale"} << "LT840:V1.02 "
        << "" << q;
    QTest::newRow("répond seulement après les astérisques")
        << QStringList{"--fault", "asterisks"} << "LT840:V1.02 "
        << " Carte    LT840:V1.02 " << QByteArray("??") + Asterisques + "?";
}

void TestLiaisonReelle::identification() {
    QFETCH(QStringList, options);
    QFETCH(QString, versions);
    QFETCH(QString, fenetreTest);
    QFETCH(QByteArray, recus);
    CarteVirtuelle carte;
    QCOMPARE(carte.demarrer(options), QString());
    PosteReel poste;

    poste->TestCarte_Click();

    QCOMPARE(poste.textesAffiches(), QStringList{});
    QCOMPARE(poste->Ctl.Versions, versions);
    QCOMPARE(carte.recus(), recus);
    if (fenetreTest.isEmpty()) {
        QVERIFY(poste->Ctl.DialogText1.startsWith(u" Carte    "));
        QVERIFY(poste->Ctl.DialogText1.endsWith(u"LT840:V1.02 "));
    } else {
        QCOMPARE(poste->Ctl.DialogText1, fenetreTest);
    }
    QVERIFY(poste->Ctl.DialogVisible);
}

void TestLiaisonReelle::resetEnvoieR() {
    CarteVirtuelle carte;
    QCOMPARE(carte.demarrer(), QString());
    PosteReel poste;

    poste->CmdRST_Click();

    QCOMPARE(poste.textesAffiches(), QStringList{});
    QCOMPARE(poste->Ctl.Versions, QStringLiteral("LT840:V1.02 "));
    QCOMPARE(poste->Ctl.VersionsBackColor, CouleurFixe::GrisClair);
    QTRY_COMPARE(carte.recus(), QByteArray("??R"));
}

// The last message of a command is written just before the port closes; the board must
// still get all of it.
void TestLiaisonReelle::fermetureLivreTout() {
    CarteVirtuelle carte;
    QCOMPARE(carte.demarrer(), QString());
    PortSerieQt port;
    QCOMPARE(port.ouvrir(1), 0);

    QCOMPARE(port.ecrire(Asterisques), 0);
    QCOMPARE(port.ecrire("R"), 0);
    port.fermer();

    QVERIFY(!port.estOuvert());
    QCOMPARE(carte.recus(), Asterisques + "R");
}

// Four unanswered queries of up to 1.5 s each: the editor sleeps through them.
void TestLiaisonReelle::carteMuetteSansOccuperLeProcesseur() {
    CarteVirtuelle carte;
    QCOMPARE(carte.demarrer({QStringLiteral("--fault"), QStringLiteral("silent")}), QString());
    PosteReel poste;
    QElapsedTimer montre;
    montre.start();
    const qint64 processeurAvant = tempsProcesseurMs();

    poste->DemandeVersionCarte();

    const qint64 duree = montre.elapsed();
    const qint64 processeur = tempsProcesseurMs() - processeurAvant;
    qInfo("identification of a silent board: %lld ms, processor %lld ms", duree, processeur);
    QCOMPARE(poste.textesAffiches(), QStringList{DefautDialogue});
    QCOMPARE(poste->EtatCom, QStringLiteral("non"));
    QCOMPARE(poste->Ctl.Versions, QStringLiteral("?"));
    QCOMPARE(carte.recus(), QByteArray("??") + Asterisques + "??");
    QVERIFY2(duree >= 4 * 500 && duree <= 4 * 1500 + 500, qPrintable(QString::number(duree)));
    QVERIFY2(processeur * 20 < duree, qPrintable(QString::number(processeur)));
}

// An exchange that waits for one byte takes the first part of a split reply; the rest comes
// back at the head of the next exchange.
void TestLiaisonReelle::resteDUneReponseEnDeuxParties() {
    CarteVirtuelle carte;
    QCOMPARE(carte.demarrer({QStringLiteral("--fault"), QStringLiteral("split")}), QString());
    PosteReel poste;
    poste->OuvreCom();
    QCOMPARE(poste->ReponseCarte, QByteArray("LT840:V1.02 "));

    poste->TxRx("?", 1);
    QCOMPARE(poste->ReponseCarte, QByteArray("L"));
    QTest::qSleep(600);
    poste->TxRx("R", 0);

    QCOMPARE(poste->EtatCom, QStringLiteral("oui"));
    QCOMPARE(poste->ReponseCarte, QByteArray("T840:V1.02 "));
    QVERIFY(poste.textesAffiches().isEmpty());
}

// The board drops the line halfway through a block, or goes away between two exchanges
// while the port is open: the exchanges fail like those with a silent board, without
// spinning, and the next command finds the port gone.
void TestLiaisonReelle::carteQuiDisparait_data() {
    QTest::addColumn<bool>("pendantUnBloc");
    QTest::newRow("raccroche au milieu d'un bloc") << true;
    QTest::newRow("arrêtée entre deux échanges") << false;
}

void TestLiaisonReelle::carteQuiDisparait() {
    QFETCH(bool, pendantUnBloc);
    CarteVirtuelle carte;
    QCOMPARE(carte.demarrer({QStringLiteral("--fault"), QStringLiteral("hangup")}), QString());
    PosteReel poste;
    poste->OuvreCom();
    poste->TxRx("P", 1);
    QCOMPARE(poste->ReponseCarte, QByteArray("B"));
    if (!pendantUnBloc)
        carte.arreter();
    QElapsedTimer montre;
    montre.start();
    const qint64 processeurAvant = tempsProcesseurMs();

    poste->TxRx(QByteArray(32, char(0xA5)), 1);
    poste->TxRx("F", 1);

    const qint64 duree = montre.elapsed();
    const qint64 processeur = tempsProcesseurMs() - processeurAvant;
    QCOMPARE(poste->EtatCom, QStringLiteral("non"));
    QCOMPARE(poste.textesAffiches(), QStringList{});
    QVERIFY2(duree <= 4 * 1500 + 500, qPrintable(QString::number(duree)));
    QVERIFY2(processeur * 20 < duree, qPrintable(QString::number(processeur)));

    poste->DemandeVersionCarte();
    QCOMPARE(poste.textesAffiches(),
             QStringList{QStringLiteral("COM1: n'est pas disponible. Changez dans la propriété "
                                        "Option pour un autre port.")});
    QVERIFY(!poste.port.estOuvert());
}

QTEST_GUILESS_MAIN(TestLiaisonReelle)
#include "tst_liaisonreelle.moc"
