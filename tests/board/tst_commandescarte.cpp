#include "PosteLiaison.h"

#include <QFile>
#include <QTest>

class TestCommandesCarte : public QObject {
    Q_OBJECT

private slots:
    void identificationEtTest_data();
    void identificationEtTest();
    void versionsGardeLaDerniereIdentification();
    void secondTestRemplaceLeTexte();
    void reset_data();
    void reset();
    void resetJauneAvantLesEchanges();
    void aPropos();
    void choixDuPort_data();
    void choixDuPort();
};

// The board answers "?" with `reponse`: what the field beside "CARTE" shows, and what the
// test window shows ("" when it stays hidden).
void TestCommandesCarte::identificationEtTest_data() {
    QTest::addColumn<QByteArray>("reponse");
    QTest::addColumn<QString>("versions");
    QTest::addColumn<QString>("fenetreTest");

    QTest::newRow("identification seule") << Identification << "LT840:V1.02 "
                                          << " Carte    LT840:V1.02 ";
    QTest::newRow("20 octets, signature en cinquième position")
        << QByteArray("abcdLT840:V2.00 wxyz") << "LT840:V2.00 "
        << " Carte    abcdLT840:V2.00 wxyz";
    QTest::newRow("réponse qui s'arrête avant 12 caractères")
        << QByteArray("0123456LT840:V1") << "LT840:V1"
        << " Carte    0123456LT840:V1";
    QTest::newRow("octets hors ASCII pris un pour un")
        << QByteArray("LT840:V\xe9.02 \xff") << QString::fromLatin1("LT840:V\xe9.02 \xff").left(12)
        << QString::fromLatin1(" Carte    LT840:V\xe9.02 \xff");
    QTest::newRow("minuscules") << QByteArray("lt840:V1.02 ") << "?"
                                << "";
    QTest::newRow("sans signature") << QByteArray("BONJOUR LT84") << "?"
                                    << "";
}

void TestCommandesCarte::identificationEtTest() {
    QFETCH(QByteArray, reponse);
    QFETCH(QString, versions);
    QFETCH(QString, fenetreTest);

    PosteLiaison p;
    p.port.repondre("?", reponse);
    p->TestCarte_Click();

    QCOMPARE(p->Ctl.Versions, versions);
    QCOMPARE(p->Ctl.DialogVisible, !fenetreTest.isEmpty());
    QCOMPARE(p->Ctl.DialogText1, fenetreTest);
    QVERIFY(p.banc.messages.affichees.isEmpty());

    p->OKButton_Click();
    QVERIFY(!p->Ctl.DialogVisible);
}

void TestCommandesCarte::versionsGardeLaDerniereIdentification() {
    PosteLiaison p;
    p.port.repondre("?", Identification, 5, 1);
    p->DemandeVersionCarte();
    QCOMPARE(p->Ctl.Versions, QStringLiteral("LT840:V1.02 "));

    p->TestCarte_Click();

    QCOMPARE(p.textesAffiches(), QStringList{DefautDialogue});
    QCOMPARE(p->Ctl.Versions, QStringLiteral("LT840:V1.02 "));
    QVERIFY(!p->Ctl.DialogVisible);
}

void TestCommandesCarte::secondTestRemplaceLeTexte() {
    PosteLiaison p;
    p.port.repondre("?", Identification, 5, 1);
    p.port.repondre("?", "LT840:V2.00 ");
    p->TestCarte_Click();
    p->TestCarte_Click();

    QVERIFY(p->Ctl.DialogVisible);
    QCOMPARE(p->Ctl.DialogText1, QStringLiteral(" Carte    LT840:V2.00 "));
    QCOMPARE(p->Ctl.Versions, QStringLiteral("LT840:V2.00 "));
}

void TestCommandesCarte::reset_data() {
    QTest::addColumn<bool>("carteRepond");
    QTest::addColumn<bool>("portOuvrable");
    QTest::addColumn<QString>("etatAvant");
    QTest::addColumn<QList<QByteArray>>("ecrits");
    QTest::addColumn<QStringList>("boites");

    const QByteArray q("?");
    QTest::newRow("carte qui répond")
        << true << true << "" << QList<QByteArray>{q, q, "R"} << QStringList{};
    QTest::newRow("carte muette") << false << true << ""
                                  << QList<QByteArray>{q, q, Asterisques, q, q}
                                  << QStringList{DefautDialogue};
    QTest::newRow("port indisponible, aucun échange avant")
        << true << false << "" << QList<QByteArray>{}
        << QStringList{com1Indisponible(), com1Indisponible(), PortNonDisponible};
    QTest::newRow("port indisponible après un échange réussi")
        << true << false << "oui" << QList<QByteArray>{}
        << QStringList{com1Indisponible(), com1Indisponible(), PortNonDisponible};
    QTest::newRow("port indisponible après un échange manqué")
        << true << false << "non" << QList<QByteArray>{} << QStringList{com1Indisponible()};
}

void TestCommandesCarte::reset() {
    QFETCH(bool, carteRepond);
    QFETCH(bool, portOuvrable);
    QFETCH(QString, etatAvant);
    QFETCH(QList<QByteArray>, ecrits);
    QFETCH(QStringList, boites);

    PosteLiaison p;
    if (carteRepond)
        p.port.carteSaine();
    if (!portOuvrable)
        p.port.erreurOuverture = 8002;
    p->EtatCom = etatAvant;

    p->CmdRST_Click();

    QCOMPARE(p.port.ecrits, ecrits);
    QCOMPARE(p.textesAffiches(), boites);
    QCOMPARE(p->Ctl.VersionsBackColor, CouleurFixe::GrisClair);
    QCOMPARE(p->EtatCom, portOuvrable ? (carteRepond ? "oui" : "non") : etatAvant);
    QCOMPARE(p->Ctl.Versions, QString(carteRepond && portOuvrable ? "LT840:V1.02 " : "?"));
}

void TestCommandesCarte::resetJauneAvantLesEchanges() {
    PosteLiaison p;
    p.port.carteSaine();
    Couleur couleurPendant = 0;
    qsizetype ouverturesPendant = -1;
    p.banc.evenements.pendant = [&] {
        couleurPendant = p->Ctl.VersionsBackColor;
        ouverturesPendant = p.port.ouvertures.size();
    };

    p->CmdRST_Click();

    QCOMPARE(p.banc.evenements.passages, 1);
    QCOMPARE(couleurPendant, CouleurFixe::Jaune);
    QCOMPARE(ouverturesPendant, 0);
    QCOMPARE(p.port.ouvertures.size(), 2);
}

void TestCommandesCarte::aPropos() {
    PosteLiaison p;
    p.banc.messages.reponses.enqueue(Msg::RepOK);

    p->Version_Click();

    QCOMPARE(p.banc.messages.affichees.size(), 1);
    const BoiteAffichee& b = p.banc.messages.affichees.first();
    QVERIFY(b.prompt.contains(QStringLiteral("LT840")));
    QVERIFY(b.prompt.contains(QStringLiteral("V1.02")));
    QCOMPARE(b.boutons, Msg::OK);
    QCOMPARE(b.titre, QStringLiteral("* LT840 *"));
    QCOMPARE(p->MsgTexte, b.prompt);
    QCOMPARE(p->MsgContexte, qint16(1000));
    QCOMPARE(p->MsgReponse, QStringLiteral("1"));
    QVERIFY(p.port.ouvertures.isEmpty());
}

// The open port stays as it is until the next board command, which opens the new one.
void TestCommandesCarte::choixDuPort_data() {
    QTest::addColumn<int>("index");
    QTest::addColumn<QByteArray>("fichier");
    QTest::newRow("COM 1") << 0 << QByteArray(" 0 \r\n*.dat\r\n");
    QTest::newRow("COM 2") << 1 << QByteArray(" 1 \r\n*.dat\r\n");
    QTest::newRow("COM 3") << 2 << QByteArray(" 2 \r\n*.dat\r\n");
    QTest::newRow("COM 4") << 3 << QByteArray(" 3 \r\n*.dat\r\n");
}

void TestCommandesCarte::choixDuPort() {
    QFETCH(int, index);
    QFETCH(QByteArray, fichier);
    PosteLiaison p;
    p.port.carteSaine();
    p->DemandeVersionCarte();

    p->COM_Click(index);

    std::array<bool, 4> coches{};
    coches[index] = true;
    QCOMPARE(p->Ctl.COM, coches);
    QCOMPARE(p->PortCom, qint16(index));
    QFile cfg(p.banc.dossiers.dossierProgramme() + QStringLiteral("/lt840.cfg"));
    QVERIFY(cfg.open(QIODevice::ReadOnly));
    QCOMPARE(cfg.readAll(), fichier);
    QVERIFY(p.port.estOuvert());
    QCOMPARE(p.port.fermetures, 0);

    p->DemandeVersionCarte();
    QCOMPARE(p.port.ouvertures, (QList<int>{1, index + 1}));
}

QTEST_GUILESS_MAIN(TestCommandesCarte)
#include "tst_commandescarte.moc"
