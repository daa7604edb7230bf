#include "Banc.h"
#include "board/NomPort.h"

#include <QFile>
#include <QScopeGuard>
#include <QTest>

using Reaction = FakeSerialPort::Reaction;
using Octets = QList<QByteArray>;

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

// One exchange: `depot` waits before the sending, the first message gets `reaction`.
struct Echange {
    const char* nom;
    QByteArray message;
    int attendus;
    QByteArray depot;
    Reaction reaction;
    EtatEchange etat;
    QByteArray reponse;
    Octets ecrits;
    QByteArray reste; // what the buffer holds once every byte has come in
};

// A reset on a board that leaves the first `silences` queries unanswered (-1: all of them).
struct Reset {
    const char* nom;
    int silences;
    bool portOuvrable;
    EtatEchange etatAvant;
    Octets ecrits;
    QStringList boites;
};

} // namespace

class TestLiaison : public QObject {
    Q_OBJECT

private slots:
    void echange_data() {
        QTest::addColumn<Echange>("e");
        const QByteArray a32(32, 'a');
        const Echange cas[] = {
            {"Nbre 0: what waits already, without waiting",
             "?",
             0,
             "xy",
             {{"B", 5}},
             EtatEchange::Repondu,
             "xy",
             {"?"},
             "B"},
            {"reply in two parts, then one byte too many",
             "?",
             12,
             {},
             {{"LT8", 5}, {"40:V1.02 ", 900}, {"F", 950}},
             EtatEchange::Repondu,
             Identification,
             {"?"},
             "F"},
            {"silent board: sent twice", "?", 12, {}, {}, EtatEchange::Muet, {}, {"?", "?"}, {}},
            {"40 characters: 32 sent",
             a32 + "bbbbbbbb",
             0,
             {},
             {},
             EtatEchange::Repondu,
             {},
             {a32},
             {}}};
        for (const Echange& e : cas)
            QTest::newRow(e.nom) << e;
    }
    void echange() {
        QFETCH(Echange, e);
        Banc p{Banc::CarteScriptee};
        p.port.quand(e.message.left(32), e.reaction, 1);
        p.port.ouvrir(1);
        p.port.deposer(e.depot);
        p->ReponseCarte = "ancienne";
        p->TxRx(e.message, e.attendus);
        QCOMPARE(p->EtatCom, e.etat);
        QCOMPARE(p->ReponseCarte, e.reponse);
        QCOMPARE(p.port.ecrits, e.ecrits);
        QVERIFY(p.boites().isEmpty());
        p.horloge.monotone += 5000;
        QCOMPARE(p.port.lireTout(), e.reste);
    }

    // A silent board: each sending waits for its deadline in one blocking wait on the
    // monotonic clock, also when the time of day starts again from 0 at midnight.
    void echeance_data() {
        QTest::addColumn<double>("heure");
        QTest::addColumn<QList<int>>("attentes");
        QTest::newRow("half past, to the even second above") << 36000.5 << QList<int>{1500, 1000};
        QTest::newRow("half past, to the even second below") << 36001.5 << QList<int>{500, 1000};
        QTest::newRow("23:59:59.7, after midnight") << 86399.7 << QList<int>{1300, 1000};
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
    // reports, leaving the outcome of the last one. A port that does not open is reported
    // whatever number the configuration holds; numbers the serial layer cannot take are not
    // offered to it.
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
        QCOMPARE(p.port.ecrits, (Octets{"?", "?"}));
        QCOMPARE(p->EtatCom, EtatEchange::Repondu);
        QCOMPARE(p->ReponseCarte, Identification);

        // A device chosen by its name is opened by that name, and no COM is ticked meanwhile.
        for (const auto& [portCom, peripherique, nom, demandes] :
             {std::tuple{-1, "", "COM0", QList<int>{}},
              std::tuple{32767, "", "COM32768", QList{32768}},
              std::tuple{0, "/dev/ttyUSB9", "/dev/ttyUSB9", QList<int>{}}}) {
            Banc q{Banc::CarteScriptee};
            q.port.erreurOuverture = 8005;
            q->PortCom = qint16(portCom);
            q->Peripherique_Click(QString::fromLatin1(peripherique));
            QCOMPARE(q->Ctl.COM[0], portCom == 0 && !*peripherique);
            q->ReponseCarte = "avant";
            q->OuvreCom();
            QCOMPARE(q.boites(), QStringList{comIndisponible(nom)});
            QCOMPARE(q.port.ouvertures, demandes);
            QCOMPARE(q.port.peripheriques,
                     *peripherique ? QStringList{peripherique} : QStringList{});
            QVERIFY(q.port.ecrits.isEmpty() && q->ReponseCarte == "avant");
        }
    }

    // Only a text that starts with "T" is shown without the critical icon.
    void icone() {
        Banc p{Banc::CarteScriptee};
        for (const char* texte : {"Transfert terminé", "terminé", " Terminé"})
            p->AfficheMessage(QString::fromUtf8(texte));
        const int critique = Msg::OK | Msg::Critique;
        QCOMPARE(p.boites(),
                 (QStringList{boite("Transfert terminé", Msg::OK), boite("terminé", critique),
                              boite(" Terminé", critique)}));
    }

    // The open port stays until the next board command, which empties what waits in the new
    // one before it queries the board. COM n leads to the device LT840_COMn names, else to the
    // system's own port n.
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

        qputenv("LT840_COM3", "/dev/ttyUSB0");
        const auto nettoyage = qScopeGuard([] { qunsetenv("LT840_COM3"); });
        QCOMPARE(nomPeripherique(3), QStringLiteral("/dev/ttyUSB0"));
#ifdef Q_OS_WIN
        QCOMPARE(nomPeripherique(4), QStringLiteral("COM4"));
#else
        QCOMPARE(nomPeripherique(4), QStringLiteral("/dev/ttyS3"));
#endif
    }

    // The board answers the first "?" with `reponse`, then falls silent: Versions keeps the
    // last identification.
    void test_data() {
        QTest::addColumn<QByteArray>("reponse");
        QTest::addColumn<QString>("versions");
        QTest::addColumn<QString>("fenetreTest"); // "": it stays hidden
        QTest::newRow("20 bytes, signature fifth")
            << QByteArray("\xe9xyzLT840:V2.00 abc\xff") << "LT840:V2.00 "
            << QString::fromLatin1(" Carte    \xe9xyzLT840:V2.00 abc\xff");
        QTest::newRow("signature in lower case") << QByteArray("lt840:V1.02 ") << "?"
                                                 << "";
    }
    void test() {
        QFETCH(QByteArray, reponse);
        QFETCH(QString, fenetreTest);
        Banc p{Banc::CarteScriptee};
        p.port.repondre("?", reponse, 1);
        for (bool premier : {true, false}) {
            p->TestCarte_Click();
            QTEST(p->Ctl.Versions, "versions");
            QCOMPARE(p->Ctl.DialogVisible, premier && !fenetreTest.isEmpty());
            QCOMPARE(p.boites(), premier ? QStringList() : QStringList{DefautDialogue});
            if (premier)
                QCOMPARE(p->Ctl.DialogText1, fenetreTest);
            p->OKButton_Click();
        }
    }

    void reset_data() {
        QTest::addColumn<Reset>("r");
        const QByteArray q("?");
        const QString com1 = comIndisponible("COM1");
        const Reset cas[] = {
            {"answering board", 0, true, EtatEchange::Aucun, {q, q, "R"}, {}},
            {"answers after the asterisks",
             2,
             true,
             EtatEchange::Aucun,
             {q, q, Asterisques, q, q, "R"},
             {}},
            {"silent board, no R",
             -1,
             true,
             EtatEchange::Aucun,
             {q, q, Asterisques, q, q},
             {DefautDialogue}},
            {"port unavailable, no exchange before",
             0,
             false,
             EtatEchange::Aucun,
             {},
             {com1, com1, PortNonDisponible}},
            {"port unavailable after a missed exchange", 0, false, EtatEchange::Muet, {}, {com1}}};
        for (const Reset& r : cas)
            QTest::newRow(r.nom) << r;
    }
    void reset() {
        QFETCH(Reset, r);
        Banc p{Banc::CarteScriptee};
        p.port.carteSaine().silence("?", r.silences);
        p.port.erreurOuverture = r.portOuvrable ? 0 : 8002;
        p->EtatCom = r.etatAvant;
        Couleur avantOuverture = 0;
        p.evenements.pendant = [&] {
            if (p.port.ouvertures.isEmpty())
                avantOuverture = p->Ctl.VersionsBackColor;
        };
        p->CmdRST_Click();
        QCOMPARE(avantOuverture, CouleurFixe::Jaune);
        QCOMPARE(p->Ctl.VersionsBackColor, CouleurFixe::GrisClair);
        QCOMPARE(p.port.ecrits, r.ecrits);
        QCOMPARE(p.boites(), r.boites);
    }
};

QTEST_GUILESS_MAIN(TestLiaison)
#include "tst_liaison.moc"
