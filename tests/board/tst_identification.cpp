#include "PosteLiaison.h"

#include <QTest>

class TestIdentification : public QObject {
    Q_OBJECT

private slots:
    void requete_data();
    void requete();
    void ouvertureVideLeTamponPuisInterroge();
    void ouvertureRefermeLePortOuvert();
    void portIndisponible_data();
    void portIndisponible();
    void carteQuiRaccrocheCommeUneCarteMuette();
    void afficheMessage_data();
    void afficheMessage();
};

// The identification query as a whole: the exact sequence of messages written, the
// outcome, and the report.
void TestIdentification::requete_data() {
    QTest::addColumn<int>("silencesAvantReponse"); // -1: the board never answers
    QTest::addColumn<QList<QByteArray>>("ecrits");
    QTest::addColumn<QString>("etat");
    QTest::addColumn<QStringList>("boites");

    const QByteArray q("?");
    QTest::newRow("réponse immédiate") << 0 << QList<QByteArray>{q} << "oui" << QStringList{};
    QTest::newRow("réponse au second envoi")
        << 1 << QList<QByteArray>{q, q} << "oui" << QStringList{};
    QTest::newRow("réponse seulement après les astérisques")
        << 2 << QList<QByteArray>{q, q, Asterisques, q} << "oui" << QStringList{};
    QTest::newRow("réponse au tout dernier envoi")
        << 3 << QList<QByteArray>{q, q, Asterisques, q, q} << "oui" << QStringList{};
    QTest::newRow("carte muette") << -1 << QList<QByteArray>{q, q, Asterisques, q, q} << "non"
                                  << QStringList{DefautDialogue};
}

void TestIdentification::requete() {
    QFETCH(int, silencesAvantReponse);
    QFETCH(QList<QByteArray>, ecrits);
    QFETCH(QString, etat);
    QFETCH(QStringList, boites);

    PosteLiaison p;
    if (silencesAvantReponse >= 0) {
        p.port.repondre("?", Identification);
        p.port.silence("?", silencesAvantReponse);
    }
    p.port.ouvrir(1);
    p->VersionCarte();

    QCOMPARE(p.port.ecrits, ecrits);
    QCOMPARE(p->EtatCom, etat);
    QCOMPARE(p->ReponseCarte, etat == u"oui" ? Identification : QByteArray());
    QCOMPARE(p.textesAffiches(), boites);
    if (!boites.isEmpty()) {
        QCOMPARE(p.banc.messages.affichees.first().boutons, Msg::OK | Msg::Critique);
        QCOMPARE(p.banc.messages.affichees.first().titre, QStringLiteral("* LT840 *"));
    }
}

void TestIdentification::ouvertureVideLeTamponPuisInterroge() {
    PosteLiaison p;
    p.port.repondre("?", Identification);
    p.port.deposer("restes d'avant");
    p->PortCom = 2;

    p->OuvreCom();

    QCOMPARE(p.port.ouvertures, QList<int>{3});
    QCOMPARE(p.port.vidages, 1);
    QCOMPARE(p.port.ecrits, QList<QByteArray>{"?"});
    QCOMPARE(p->ReponseCarte, Identification);
    QCOMPARE(p->EtatCom, QStringLiteral("oui"));
    QVERIFY(p.port.estOuvert());
}

void TestIdentification::ouvertureRefermeLePortOuvert() {
    PosteLiaison p;
    p.port.repondre("?", Identification);
    p->OuvreCom();
    p->PortCom = 1;

    p->OuvreCom();

    QCOMPARE(p.port.fermetures, 1);
    QCOMPARE(p.port.ouvertures, (QList<int>{1, 2}));
    QVERIFY(p.port.estOuvert());
    QVERIFY(p.banc.messages.affichees.isEmpty());
}

// Whatever number the configuration brought, a port that does not open ends in the same
// report; numbers the serial layer cannot take are not even offered to it.
void TestIdentification::portIndisponible_data() {
    QTest::addColumn<int>("portCom");
    QTest::addColumn<bool>("portAbsent"); // false: the port exists but is in use
    QTest::addColumn<QString>("texte");
    QTest::addColumn<QList<int>>("demandes");

    const QString suite = QStringLiteral(
        ": n'est pas disponible. Changez dans la propriété Option pour un autre port.");
    QTest::newRow("COM 1 occupé") << 0 << false << "COM1" + suite << QList<int>{1};
    QTest::newRow("COM 2 occupé") << 1 << false << "COM2" + suite << QList<int>{2};
    QTest::newRow("COM 5 inexistant") << 4 << true << "COM5" + suite << QList<int>{5};
    QTest::newRow("numéro 0") << -1 << true << "COM0" + suite << QList<int>{};
    QTest::newRow("numéro négatif") << -7 << true << "COM-6" + suite << QList<int>{};
    QTest::newRow("plus petit entier") << -32768 << true << "COM-32767" + suite << QList<int>{};
    QTest::newRow("plus grand entier") << 32767 << true << "COM32768" + suite << QList<int>{32768};
}

void TestIdentification::portIndisponible() {
    QFETCH(int, portCom);
    QFETCH(bool, portAbsent);
    QFETCH(QString, texte);
    QFETCH(QList<int>, demandes);

    PosteLiaison p;
    p.port.repondre("?", Identification);
    if (!portAbsent)
        p.port.erreurOuverture = 8005;
    p->PortCom = qint16(portCom);
    p->EtatCom = QStringLiteral("oui");
    p->ReponseCarte = "avant";

    p->OuvreCom();

    QCOMPARE(p.textesAffiches(), QStringList{texte});
    QCOMPARE(p.banc.messages.affichees.first().boutons, Msg::OK);
    QCOMPARE(p.banc.messages.affichees.first().titre, QStringLiteral("LT840"));
    QCOMPARE(p.port.ouvertures, demandes);
    QVERIFY(!p.port.estOuvert());
    QVERIFY(p.port.ecrits.isEmpty());
    QCOMPARE(p->EtatCom, QStringLiteral("oui"));
    QCOMPARE(p->ReponseCarte, QByteArray("avant"));
}

// The device vanishes as the first query reaches it: the dialogue fails as with a silent
// board, and the next command finds the port gone.
void TestIdentification::carteQuiRaccrocheCommeUneCarteMuette() {
    PosteLiaison p;
    p.port.repondre("?", Identification);
    p.port.reception = [&p](const QByteArray&) { p.port.raccrocher(); };

    p->OuvreCom();
    QCOMPARE(p.textesAffiches(), QStringList{DefautDialogue});
    QCOMPARE(p->EtatCom, QStringLiteral("non"));

    p->OuvreCom();
    QCOMPARE(p.textesAffiches(), (QStringList{DefautDialogue, com1Indisponible()}));
    QVERIFY(!p.port.estOuvert());
}

void TestIdentification::afficheMessage_data() {
    QTest::addColumn<QString>("texte");
    QTest::addColumn<int>("boutons");
    QTest::newRow("défaut") << DefautDialogue << Msg::OK + Msg::Critique;
    QTest::newRow("commence par T") << QStringLiteral("Transfert terminé") << Msg::OK;
    QTest::newRow("t minuscule") << QStringLiteral("terminé") << Msg::OK + Msg::Critique;
    QTest::newRow("T après un blanc") << QStringLiteral(" Terminé") << Msg::OK + Msg::Critique;
}

void TestIdentification::afficheMessage() {
    QFETCH(QString, texte);
    QFETCH(int, boutons);
    PosteLiaison p;
    p->Titre = QStringLiteral("autre");
    p->MsgAide = QStringLiteral("aide.hlp");
    p.banc.messages.reponses.enqueue(Msg::RepOK);

    p->AfficheMessage(texte);

    QCOMPARE(p.banc.messages.affichees.size(), 1);
    const BoiteAffichee& b = p.banc.messages.affichees.first();
    QCOMPARE(b.prompt, texte);
    QCOMPARE(b.boutons, boutons);
    QCOMPARE(b.titre, QStringLiteral("* LT840 *"));
    QCOMPARE(p->MsgTexte, texte);
    QCOMPARE(p->MsgBoutons, boutons);
    QCOMPARE(p->Titre, QStringLiteral("* LT840 *"));
    QCOMPARE(p->MsgAide, QString());
    QCOMPARE(p->MsgContexte, qint16(10));
    QCOMPARE(p->MsgReponse, QStringLiteral("1"));
}

QTEST_GUILESS_MAIN(TestIdentification)
#include "tst_identification.moc"
