#include "PosteLiaison.h"

#include <QTest>

using Reaction = FakeSerie::Reaction;

class TestEchange : public QObject {
    Q_OBJECT

private slots:
    void reponse_data();
    void reponse();
    void messageTronque_data();
    void messageTronque();
    void attentesSurHorlogeMonotone_data();
    void attentesSurHorlogeMonotone();
    void portFermeLaisseLeDernierResultat();
    void erreurEcritureSignaleeEtAttenteMaintenue();
};

// The board answers the message with `reaction`; `depot` was already waiting before the
// sending. `reste` is what the buffer still holds once every byte has come in.
void TestEchange::reponse_data() {
    QTest::addColumn<QByteArray>("message");
    QTest::addColumn<int>("attendus");
    QTest::addColumn<Reaction>("reaction");
    QTest::addColumn<QByteArray>("depot");
    QTest::addColumn<QString>("etat");
    QTest::addColumn<QByteArray>("reponse");
    QTest::addColumn<int>("envois");
    QTest::addColumn<QByteArray>("reste");

    const QByteArray id = Identification;
    QTest::newRow("rien attendu, rien en attente")
        << QByteArray("R") << 0 << Reaction{} << QByteArray() << "oui" << QByteArray() << 1
        << QByteArray();
    QTest::newRow("rien attendu, des octets en attente")
        << QByteArray("R") << 0 << Reaction{} << QByteArray("xy") << "oui" << QByteArray("xy") << 1
        << QByteArray();
    QTest::newRow("réponse complète à temps") << QByteArray("?") << 12 << Reaction{{id, 30}}
                                              << QByteArray() << "oui" << id << 1 << QByteArray();
    QTest::newRow("réponse en deux parties avant l'échéance")
        << QByteArray("?") << 12 << Reaction{{"LT8", 5}, {"40:V1.02 ", 900}} << QByteArray()
        << "oui" << id << 1 << QByteArray();
    QTest::newRow("le reste d'une réponse attend l'échange suivant")
        << QByteArray("F") << 1 << Reaction{{"F", 5}, {"R", 50}} << QByteArray() << "oui"
        << QByteArray("F") << 1 << QByteArray("R");
    QTest::newRow("réponse plus longue que l'attendu, lue en entier")
        << QByteArray("P") << 1 << Reaction{{"BB", 5}} << QByteArray() << "oui" << QByteArray("BB")
        << 1 << QByteArray();
    QTest::newRow("des octets en retard comptent et viennent en tête")
        << QByteArray("P") << 1 << Reaction{{"B", 5}} << QByteArray("xy") << "oui"
        << QByteArray("xy") << 1 << QByteArray("B");
    QTest::newRow("réponse après la première échéance, reçue au second envoi")
        << QByteArray("P") << 1 << Reaction{{"B", 1200}} << QByteArray() << "oui" << QByteArray("B")
        << 2 << QByteArray();
    QTest::newRow("carte muette") << QByteArray("?") << 12 << Reaction{} << QByteArray() << "non"
                                  << QByteArray() << 2 << QByteArray();
    QTest::newRow("réponse trop courte")
        << QByteArray("?") << 12 << Reaction{{"LT840:", 5}} << QByteArray() << "non" << QByteArray()
        << 2 << QByteArray("LT840:");
}

void TestEchange::reponse() {
    QFETCH(QByteArray, message);
    QFETCH(int, attendus);
    QFETCH(Reaction, reaction);
    QFETCH(QByteArray, depot);
    QFETCH(QString, etat);
    QFETCH(QByteArray, reponse);
    QFETCH(int, envois);
    QFETCH(QByteArray, reste);

    PosteLiaison p;
    p.port.quand(message, reaction, 1);
    p.port.ouvrir(1);
    p.port.deposer(depot);
    p->ReponseCarte = "ancienne";
    p->TxRx(message, attendus);

    QCOMPARE(p->EtatCom, etat);
    QCOMPARE(p->ReponseCarte, reponse);
    QCOMPARE(p.port.nombreEcrits(message), envois);
    QCOMPARE(p.port.ecrits.size(), envois);
    QCOMPARE(p.port.vidages, 0);
    QVERIFY(p.banc.messages.affichees.isEmpty());
    p.banc.horloge.monotone += 5000;
    QCOMPARE(p.port.lireTout(), reste);
}

void TestEchange::messageTronque_data() {
    QTest::addColumn<QByteArray>("message");
    QTest::addColumn<QByteArray>("ecrit");
    const QByteArray quarante = QByteArray(32, 'a') + QByteArray(8, 'b');
    QTest::newRow("un caractère") << QByteArray("?") << QByteArray("?");
    QTest::newRow("32 caractères") << Asterisques << Asterisques;
    QTest::newRow("33 caractères") << Asterisques + "R" << Asterisques;
    QTest::newRow("40 caractères") << quarante << QByteArray(32, 'a');
}

void TestEchange::messageTronque() {
    QFETCH(QByteArray, message);
    QFETCH(QByteArray, ecrit);
    PosteLiaison p;
    p.port.ouvrir(1);
    p->TxRx(message, 0);
    QCOMPARE(p.port.ecrits, QList<QByteArray>{ecrit});
}

// A silent board: each sending waits up to its deadline in one blocking wait, on the
// monotonic clock, even when the time of day goes back to 0 at midnight.
void TestEchange::attentesSurHorlogeMonotone_data() {
    QTest::addColumn<double>("heure");
    QTest::addColumn<QList<int>>("attentes");
    QTest::newRow("10:00:00") << 36000.0 << QList<int>{1000, 1000};
    QTest::newRow("10:00:00.3") << 36000.3 << QList<int>{700, 1000};
    QTest::newRow("demi vers la seconde paire au-dessus") << 36000.5 << QList<int>{1500, 1000};
    QTest::newRow("demi vers la seconde paire au-dessous") << 36001.5 << QList<int>{500, 1000};
    QTest::newRow("23:59:59.7") << 86399.7 << QList<int>{1300, 1000};
    QTest::newRow("23:59:59.2") << 86399.2 << QList<int>{800, 1000};
}

void TestEchange::attentesSurHorlogeMonotone() {
    QFETCH(double, heure);
    QFETCH(QList<int>, attentes);
    PosteLiaison p;
    p.banc.horloge.heure = heure;
    p.port.ouvrir(1);
    const qint64 debut = p.banc.horloge.monotone;

    p->TxRx("?", 12);

    QCOMPARE(p->EtatCom, QStringLiteral("non"));
    QCOMPARE(p.port.attentes, attentes);
    QCOMPARE(p.port.instantsEcriture, (QList<qint64>{debut, debut + attentes.first()}));
    QCOMPARE(p.banc.horloge.monotone, debut + attentes.first() + attentes.last());
}

void TestEchange::portFermeLaisseLeDernierResultat() {
    PosteLiaison p;
    p.port.repondre("?", Identification);
    p.port.ouvrir(1);
    p->TxRx("?", 12);
    p.port.fermer();

    p->TxRx("P", 1);

    QCOMPARE(p->EtatCom, QStringLiteral("oui"));
    QCOMPARE(p->ReponseCarte, Identification);
    QCOMPARE(p.port.ecrits, QList<QByteArray>{"?"});
    QCOMPARE(p.banc.messages.affichees.size(), 1);
    const BoiteAffichee& b = p.banc.messages.affichees.first();
    QCOMPARE(b.prompt, PortNonDisponible);
    QCOMPARE(b.boutons, Msg::OK);
    QCOMPARE(b.titre, QStringLiteral("* LT840 *"));
}

void TestEchange::erreurEcritureSignaleeEtAttenteMaintenue() {
    PosteLiaison p;
    p.port.repondre("P", "B");
    p.port.erreursEcriture.enqueue(8005);
    p.port.ouvrir(1);

    p->TxRx("P", 1);

    QCOMPARE(p.banc.messages.affichees.size(), 1);
    const BoiteAffichee& b = p.banc.messages.affichees.first();
    QCOMPARE(b.prompt, QStringLiteral("ERREUR :8005"));
    QCOMPARE(b.boutons, Msg::OK | Msg::Critique);
    QCOMPARE(b.titre, QStringLiteral("LT840"));
    QCOMPARE(p.port.instantsEcriture.size(), 2);
    QCOMPARE(p.port.instantsEcriture.at(1) - p.port.instantsEcriture.at(0), 1000);
    QCOMPARE(p->EtatCom, QStringLiteral("oui"));
    QCOMPARE(p->ReponseCarte, QByteArray("B"));
}

QTEST_GUILESS_MAIN(TestEchange)
#include "tst_echange.moc"
