#include "Banc.h"
#include "board/NomPort.h"

#include <QFile>
#include <QScopeGuard>
#include <QTest>

using Reaction = FakeSerialPort::Reaction;

namespace {

QString comIndisponible(const QString& port) {
    return boite(port + ": n'est pas disponible. Changez dans la propriété Option pour un autre "
                        "port.",
                 Msg::OK, TitreApplication);
}

const QByteArray Asterisques(32, '*');
const QByteArray Identification = IdentificationCarte;
const QString PortNonDisponible = boite("PORT de communication non disponible", Msg::OK);
const QString DefautDialogue = boite("DEFAUT DE DIALOGUE", Msg::OK | Msg::Critique);

} // namespace

class TestLiaison : public QObject {
    Q_OBJECT

private slots:
    // The board answers the first "?" with `reaction`; `depot` was waiting before the
    // sending, `reste` is what the buffer holds once every byte has come in.
    void reponse_data() {
        QTest::addColumn<int>("attendus");
        QTest::addColumn<QByteArray>("depot");
        QTest::addColumn<Reaction>("reaction");
        QTest::addColumn<EtatEchange>("etat");
        QTest::addColumn<QByteArray>("reponse");
        QTest::addColumn<int>("envois");
        QTest::addColumn<QByteArray>("reste");
        QTest::newRow("Nbre 0: ce qui attend déjà, sans attendre")
            << 0 << QByteArray("xy") << Reaction{{"B", 5}} << EtatEchange::Repondu
            << QByteArray("xy") << 1 << QByteArray("B");
        QTest::newRow("réponse en deux parties, puis un octet de trop")
            << 12 << QByteArray() << Reaction{{"LT8", 5}, {"40:V1.02 ", 900}, {"F", 950}}
            << EtatEchange::Repondu << Identification << 1 << QByteArray("F");
        QTest::newRow("carte muette") << 12 << QByteArray() << Reaction{} << EtatEchange::Muet
                                      << QByteArray() << 2 << QByteArray();
    }
    void reponse() {
        QFETCH(int, attendus);
        QFETCH(QByteArray, depot);
        QFETCH(Reaction, reaction);
        QFETCH(QByteArray, reponse);
        QFETCH(int, envois);
        Banc p{Banc::CarteScriptee};
        p.port.quand("?", reaction, 1);
        p.port.ouvrir(1);
        p.port.deposer(depot);
        p->ReponseCarte = "ancienne";

        p->TxRx("?", attendus);

        QTEST(p->EtatCom, "etat");
        QCOMPARE(p->ReponseCarte, reponse);
        QCOMPARE(p.port.ecrits, QList<QByteArray>(envois, "?"));
        QVERIFY(p.boites().isEmpty());
        p.horloge.monotone += 5000;
        QTEST(p.port.lireTout(), "reste");
    }

    void messageDe40Caracteres() {
        Banc p{Banc::CarteScriptee};
        p.port.ouvrir(1);
        p->TxRx(QByteArray(32, 'a') + QByteArray(8, 'b'), 0);
        QCOMPARE(p.port.ecrits, QList<QByteArray>{QByteArray(32, 'a')});
    }

    // A silent board: each sending waits for its deadline in one blocking wait on the
    // monotonic clock, also when the time of day starts again from 0 at midnight.
    void echeance_data() {
        QTest::addColumn<double>("heure");
        QTest::addColumn<QList<int>>("attentes");
        QTest::newRow("demie vers la seconde paire au-dessus") << 36000.5 << QList<int>{1500, 1000};
        QTest::newRow("demie vers la seconde paire au-dessous") << 36001.5 << QList<int>{500, 1000};
        QTest::newRow("23:59:59.7, échéance après minuit") << 86399.7 << QList<int>{1300, 1000};
    }
    void echeance() {
        QFETCH(double, heure);
        Banc p{Banc::CarteScriptee};
        p.horloge.heure = heure;
        p.port.ouvrir(1);
        p->TxRx("?", 12);
        QTEST(p.port.attentes, "attentes");
    }

    // A failed write is reported and the exchange goes on; on a closed port an exchange only
    // reports, leaving the outcome of the last one.
    void portEnDefaut() {
        Banc p{Banc::CarteScriptee};
        p.port.repondre("?", Identification);
        p.port.erreursEcriture.enqueue(8005);
        p.port.ouvrir(1);
        p->TxRx("?", 12);
        p.port.fermer();

        p->TxRx("P", 1);

        const QString erreur = boite("ERREUR :8005", Msg::OK | Msg::Critique, TitreApplication);
        QCOMPARE(p.boites(), (QStringList{erreur, PortNonDisponible}));
        QCOMPARE(p.port.attentes.first(), 1000);
        QCOMPARE(p.port.ecrits, (QList<QByteArray>{"?", "?"}));
        QCOMPARE(p->EtatCom, EtatEchange::Repondu);
        QCOMPARE(p->ReponseCarte, Identification);
    }

    // Whatever number the configuration holds, a port that does not open is reported and
    // leaves the last reply; numbers the serial layer cannot take are not offered to it.
    void portIndisponible_data() {
        QTest::addColumn<int>("portCom");
        QTest::addColumn<QString>("nom");
        QTest::addColumn<QList<int>>("demandes");
        QTest::newRow("numéro 0") << -1 << "COM0" << QList<int>{};
        QTest::newRow("plus grand entier") << 32767 << "COM32768" << QList<int>{32768};
    }
    void portIndisponible() {
        QFETCH(int, portCom);
        QFETCH(QString, nom);
        Banc p{Banc::CarteScriptee};
        p.port.erreurOuverture = 8005;
        p->PortCom = qint16(portCom);
        p->ReponseCarte = "avant";

        p->OuvreCom();

        QCOMPARE(p.boites(), QStringList{comIndisponible(nom)});
        QTEST(p.port.ouvertures, "demandes");
        QVERIFY(p.port.ecrits.isEmpty());
        QCOMPARE(p->ReponseCarte, QByteArray("avant"));
    }

    void icone_data() {
        QTest::addColumn<QString>("texte");
        QTest::addColumn<int>("boutons");
        QTest::newRow("commence par T") << "Transfert terminé" << Msg::OK;
        QTest::newRow("t minuscule") << "terminé" << (Msg::OK | Msg::Critique);
        QTest::newRow("T après un blanc") << " Terminé" << (Msg::OK | Msg::Critique);
    }
    void icone() {
        QFETCH(QString, texte);
        QFETCH(int, boutons);
        Banc p{Banc::CarteScriptee};
        p->AfficheMessage(texte);
        QCOMPARE(p.boites(), QStringList{boite(texte, boutons)});
    }

    // The open port stays until the next board command, which empties what waits in the new
    // one before it queries the board.
    void choixDuPort() {
        Banc p{Banc::CarteScriptee};
        p.port.carteSaine();
        p->DemandeVersionCarte();

        p->COM_Click(2);

        QCOMPARE(p->Ctl.COM, (std::array<bool, NombrePorts>{false, false, true, false}));
        QFile cfg(p.dossiers.dossierProgramme() + QStringLiteral("/lt840.cfg"));
        QVERIFY(cfg.open(QIODevice::ReadOnly));
        QCOMPARE(cfg.readAll(), QByteArray(" 2 \r\n*.dat\r\n"));
        QVERIFY(p.port.estOuvert());

        p.port.deposer("restes");
        p->DemandeVersionCarte();
        QCOMPARE(p.port.ouvertures, (QList<int>{1, 3}));
        QCOMPARE(p->ReponseCarte, Identification);
    }

    // COM n leads to the device LT840_COMn names, else to the system's own port n.
    void nomPort() {
        qputenv("LT840_COM3", "/dev/ttyUSB0");
        const auto nettoyage = qScopeGuard([] { qunsetenv("LT840_COM3"); });
        QCOMPARE(nomPeripherique(3), QStringLiteral("/dev/ttyUSB0"));
#ifdef Q_OS_WIN
        QCOMPARE(nomPeripherique(4), QStringLiteral("COM4"));
#else
        QCOMPARE(nomPeripherique(4), QStringLiteral("/dev/ttyS3"));
#endif
    }

    // The board answers the first "?" with `reponse`, then falls silent.
    void test_data() {
        QTest::addColumn<QByteArray>("reponse");
        QTest::addColumn<QString>("versions");
        QTest::addColumn<QString>("fenetreTest"); // "": it stays hidden
        QTest::newRow("20 octets, signature en cinquième position")
            << QByteArray("\xe9xyzLT840:V2.00 abc\xff") << "LT840:V2.00 "
            << QString::fromLatin1(" Carte    \xe9xyzLT840:V2.00 abc\xff");
        QTest::newRow("signature en minuscules") << QByteArray("lt840:V1.02 ") << "?"
                                                 << "";
    }
    void test() {
        QFETCH(QByteArray, reponse);
        QFETCH(QString, versions);
        QFETCH(QString, fenetreTest);
        Banc p{Banc::CarteScriptee};
        p.port.repondre("?", reponse, 5, 1);

        p->TestCarte_Click();
        QCOMPARE(p->Ctl.Versions, versions);
        QCOMPARE(p->Ctl.DialogVisible, !fenetreTest.isEmpty());
        QCOMPARE(p->Ctl.DialogText1, fenetreTest);
        QVERIFY(p.boites().isEmpty());

        // Versions keeps the last identification when the board no longer answers.
        p->OKButton_Click();
        p->TestCarte_Click();
        QVERIFY(!p->Ctl.DialogVisible);
        QCOMPARE(p->Ctl.Versions, versions);
        QCOMPARE(p.boites(), QStringList{DefautDialogue});
    }

    // A sound board leaves the first `silences` queries unanswered (-1: all of them).
    void reset_data() {
        QTest::addColumn<int>("silences");
        QTest::addColumn<bool>("portOuvrable");
        QTest::addColumn<EtatEchange>("etatAvant");
        QTest::addColumn<QList<QByteArray>>("ecrits");
        QTest::addColumn<QStringList>("boites");
        const QByteArray q("?");
        const QString com1 = comIndisponible("COM1");
        QTest::newRow("carte qui répond")
            << 0 << true << EtatEchange::Aucun << QList<QByteArray>{q, q, "R"} << QStringList{};
        QTest::newRow("carte qui répond après les astérisques")
            << 2 << true << EtatEchange::Aucun << QList<QByteArray>{q, q, Asterisques, q, q, "R"}
            << QStringList{};
        QTest::newRow("carte muette, pas de R")
            << -1 << true << EtatEchange::Aucun << QList<QByteArray>{q, q, Asterisques, q, q}
            << QStringList{DefautDialogue};
        QTest::newRow("port indisponible, aucun échange avant")
            << 0 << false << EtatEchange::Aucun << QList<QByteArray>{}
            << QStringList{com1, com1, PortNonDisponible};
        QTest::newRow("port indisponible après un échange manqué")
            << 0 << false << EtatEchange::Muet << QList<QByteArray>{} << QStringList{com1};
    }
    void reset() {
        QFETCH(int, silences);
        QFETCH(bool, portOuvrable);
        QFETCH(EtatEchange, etatAvant);
        Banc p{Banc::CarteScriptee};
        p.port.carteSaine().silence("?", silences);
        p.port.erreurOuverture = portOuvrable ? 0 : 8002;
        p->EtatCom = etatAvant;
        Couleur avantOuverture = 0;
        p.evenements.pendant = [&] {
            if (p.port.ouvertures.isEmpty())
                avantOuverture = p->Ctl.VersionsBackColor;
        };

        p->CmdRST_Click();

        QCOMPARE(avantOuverture, CouleurFixe::Jaune);
        QCOMPARE(p->Ctl.VersionsBackColor, CouleurFixe::GrisClair);
        QTEST(p.port.ecrits, "ecrits");
        QTEST(p.boites(), "boites");
    }
};

QTEST_GUILESS_MAIN(TestLiaison)
#include "tst_liaison.moc"
