#include "PosteTeleversement.h"

#include <QTest>

namespace {

const QString Defaut = QStringLiteral("DEFAUT DE DIALOGUE");
const QString DefautCordon = Defaut + QChar(12) + QStringLiteral(" Vérifiez le cordon");
const QByteArray BlocFin(32, '\0');

// The exchanges of an upload written as words: "P", "F", "R", "fin" for the end block and
// "b<k>" for block k of the stream.
QList<QByteArray> echanges(const QStringList& mots, const QByteArray& octets) {
    QList<QByteArray> liste;
    for (const QString& mot : mots) {
        if (mot == u"fin")
            liste.append(BlocFin);
        else if (mot.startsWith(u'b'))
            liste.append(flux::bloc(octets, mot.mid(1).toInt()));
        else
            liste.append(mot.toLatin1());
    }
    return liste;
}

} // namespace

class TestTeleversement : public QObject {
    Q_OBJECT

private slots:
    void dialogue_data();
    void dialogue();
    void rienQuandLeMaximumEstNul_data();
    void rienQuandLeMaximumEstNul();
    void identificationSeulementSiAbsente_data();
    void identificationSeulementSiAbsente();
    void portIndisponible();
    void finDeSequence_data();
    void finDeSequence();
    void blocs_data();
    void blocs();
    void progression();
    void commandeCarteImbriquee_data();
    void commandeCarteImbriquee();
};

// Record 15 carries a code and record 31 none (the count is 20), so a sound upload sends two
// blocks of data, then the end block in place of block 2. Each row makes the board answer one
// message of the upload its own way.
void TestTeleversement::dialogue_data() {
    QTest::addColumn<QString>("cible"); // a word of echanges(); empty: the board is sound
    QTest::addColumn<FakeSerie::Reaction>("reaction");
    QTest::addColumn<QStringList>("attendus");
    QTest::addColumn<QString>("texte"); // the box shown; empty: none
    using R = FakeSerie::Reaction;

    const QStringList complet{"P", "b0", "P", "b1", "P", "fin", "F", "R"};
    const QStringList jusquaF = complet.mid(0, 7);
    QTest::newRow("sound board") << QString() << R{} << complet << QString();
    QTest::newRow("no answer to P") << "P" << R{} << QStringList{"P", "P"} << DefautCordon;
    QTest::newRow("P answered B and one more byte")
        << "P" << R{{"Bx", 5}} << QStringList{"P"} << Defaut;
    QTest::newRow("P answered X") << "P" << R{{"X", 5}} << QStringList{"P"} << Defaut;
    QTest::newRow("no answer to block 0") << "b0" << R{} << QStringList{"P", "b0", "b0"} << Defaut;
    QTest::newRow("block 0 answered !") << "b0" << R{{"!", 5}} << QStringList{"P", "b0"} << Defaut;
    QTest::newRow("no answer to block 1")
        << "b1" << R{} << QStringList{"P", "b0", "P", "b1", "b1"} << Defaut;
    QTest::newRow("no answer to the end block")
        << "fin" << R{} << QStringList{"P", "b0", "P", "b1", "P", "fin", "fin"} << Defaut;
    QTest::newRow("end block answered anything") << "fin" << R{{"Z", 5}} << complet << QString();
    QTest::newRow("F alone, R after a gap") << "F" << R{{"F", 5}, {"R", 900}} << jusquaF << Defaut;
    QTest::newRow("no answer to F") << "F" << R{} << (jusquaF + QStringList{"F"}) << Defaut;
    QTest::newRow("F answered FRX") << "F" << R{{"FRX", 5}} << jusquaF << Defaut;
}

void TestTeleversement::dialogue() {
    QFETCH(QString, cible);
    QFETCH(FakeSerie::Reaction, reaction);
    QFETCH(QStringList, attendus);
    QFETCH(QString, texte);

    PosteTeleversement poste;
    poste.sequence(20);
    const QByteArray octets = poste.fluxAttendu();
    if (!cible.isEmpty())
        poste.port.quand(echanges({cible}, octets).first(), reaction);
    poste.carteQuiRepond();

    poste.banc->transmet_Click();

    QCOMPARE(poste.echangesTeleversement(), echanges(attendus, octets));
    const auto& boites = poste.banc.messages.affichees;
    QCOMPARE(boites.isEmpty(), texte.isEmpty());
    if (!texte.isEmpty()) {
        QCOMPARE(boites.size(), 1);
        QCOMPARE(boites.last().prompt, texte);
        QCOMPARE(boites.last().boutons, Msg::OK + Msg::Critique);
        QCOMPARE(boites.last().titre, QStringLiteral("* LT840 *"));
    }
    // Only a finished upload lets the port go.
    QCOMPARE(poste.port.estOuvert(), !texte.isEmpty());
    QVERIFY(poste.banc->Ctl.HScroll1Visible);
    QVERIFY(!poste.banc->Ctl.ProgressBar1Visible);
}

void TestTeleversement::rienQuandLeMaximumEstNul_data() {
    QTest::addColumn<QString>("maximum");
    for (const char* texte : {"0", " 0", "0.0", "", "abc"})
        QTest::addRow("\"%s\"", texte) << QString::fromLatin1(texte);
}

void TestTeleversement::rienQuandLeMaximumEstNul() {
    QFETCH(QString, maximum);
    PosteTeleversement poste;
    poste.carteQuiRepond();
    auto& ed = *poste.banc;
    for (auto& enr : ed.TabTrames)
        enr[8] = 3;
    ed.setText3(maximum);
    const auto avant = std::make_unique<flux::Magasin>(ed.TabTrames);

    ed.transmet_Click();

    QVERIFY(poste.port.ouvertures.isEmpty());
    QVERIFY(poste.port.ecrits.isEmpty());
    QVERIFY(ed.TabTrames == *avant);
    QVERIFY(poste.banc.messages.affichees.isEmpty());
    QCOMPARE(poste.banc.evenements.passages, 0);
    QVERIFY(ed.Ctl.HScroll1Visible);
}

void TestTeleversement::identificationSeulementSiAbsente_data() {
    QTest::addColumn<QString>("versions");
    QTest::addColumn<int>("ouvertures");
    QTest::newRow("never identified") << QStringLiteral("?") << 2;
    QTest::newRow("identified") << QStringLiteral("LT840:V1.00 ") << 1;
    QTest::newRow("case differs") << QStringLiteral("lt840:V1.00 ") << 2;
}

void TestTeleversement::identificationSeulementSiAbsente() {
    QFETCH(QString, versions);
    QFETCH(int, ouvertures);
    PosteTeleversement poste;
    poste.carteQuiRepond();
    poste.sequence(3);
    poste.banc->Ctl.Versions = versions;

    poste.banc->transmet_Click();

    QCOMPARE(poste.port.ouvertures.size(), ouvertures);
    QCOMPARE(poste.port.nombreEcrits("?"), ouvertures);
    QCOMPARE(poste.port.ecrits.last(), QByteArray("R"));
}

// Nothing opens, so every exchange reports the closed port and the first judgement, on
// what no exchange has filled, stops the upload.
void TestTeleversement::portIndisponible() {
    PosteTeleversement poste;
    poste.carteQuiRepond();
    poste.port.erreurOuverture = FakeSerie::ErreurPortAbsent;
    poste.sequence(3);

    poste.banc->transmet_Click();

    QVERIFY(poste.port.ecrits.isEmpty());
    QCOMPARE(poste.port.fermetures, 0);
    QCOMPARE(poste.banc.messages.affichees.last().prompt, Defaut);
    QVERIFY(poste.banc->Ctl.HScroll1Visible);
}

// Every record of the store carries code 3; the upload leaves an end mark right after the
// record count and touches nothing else, whatever the count.
void TestTeleversement::finDeSequence_data() {
    QTest::addColumn<QString>("maximum");
    QTest::addColumn<QList<int>>("effaces");
    QTest::newRow("20") << QStringLiteral("20") << QList<int>{21, 22, 23, 24};
    QTest::newRow("1") << QStringLiteral("1") << QList<int>{2, 3, 4, 5};
    QTest::newRow("250") << QStringLiteral("250") << QList<int>{251, 252, 253, 254};
    QTest::newRow("1022") << QStringLiteral("1022") << QList<int>{1023, 1024};
    QTest::newRow("1024") << QStringLiteral("1024") << QList<int>{};
    QTest::newRow("32767") << QStringLiteral("32767") << QList<int>{};
    QTest::newRow("99999999999") << QStringLiteral("99999999999") << QList<int>{};
}

void TestTeleversement::finDeSequence() {
    QFETCH(QString, maximum);
    QFETCH(QList<int>, effaces);
    PosteTeleversement poste;
    poste.carteQuiRepond();
    auto& ed = *poste.banc;
    for (auto& enr : ed.TabTrames)
        enr[8] = 3;
    ed.setText3(maximum);

    ed.transmet_Click();

    for (int r = 0; r <= LT840::DernierEnr; ++r)
        QCOMPARE(ed.TabTrames[r][8], qint16(effaces.contains(r) ? 0 : 3));
}

void TestTeleversement::blocs_data() {
    QTest::addColumn<int>("nombre");         // records made
    QTest::addColumn<int>("enregistrement"); // one record given its own code, -1 for none
    QTest::addColumn<int>("code");
    QTest::addColumn<QStringList>("attendus");

    QStringList seize;
    for (int b = 0; b < 16; ++b)
        seize << "P" << QStringLiteral("b%1").arg(b);
    const QStringList quinze = seize.mid(0, 30) << "P"
                                                << "fin";
    const QStringList fin{"F", "R"};
    const QStringList un = QStringList{"P", "b0", "P", "fin"} + fin;
    QTest::newRow("record 15 with code 0") << 30 << 15 << 0 << un;
    QTest::newRow("record 15 with code 7") << 30 << 15 << 7 << un;
    QTest::newRow("record 15 with code 8") << 30 << 15 << 8 << un;
    QTest::newRow("record 15 with code 1000") << 30 << 15 << 1000 << un;
    QTest::newRow("record 14 with code 0")
        << 30 << 14 << 0 << (un.mid(0, 2) + QStringList{"P", "b1", "P", "fin"} + fin);
    QTest::newRow("records 15 to 239 all timed") << 250 << -1 << 0 << (seize + fin);
    QTest::newRow("record 239 with code 0") << 250 << 239 << 0 << (quinze + fin);
}

void TestTeleversement::blocs() {
    QFETCH(int, nombre);
    QFETCH(int, enregistrement);
    QFETCH(int, code);
    QFETCH(QStringList, attendus);
    PosteTeleversement poste;
    poste.carteQuiRepond();
    poste.sequence(nombre);
    if (enregistrement >= 0)
        poste.banc->TabTrames[enregistrement][8] = qint16(code);
    const QByteArray octets = poste.fluxAttendu();

    poste.banc->transmet_Click();

    QCOMPARE(poste.echangesTeleversement(), echanges(attendus, octets));
    QVERIFY(poste.banc.messages.affichees.isEmpty());
    QVERIFY(!poste.port.estOuvert());
}

// The bar shows before the blocks, when events run once, and moves on after each block as
// the window repaints; input events never run in between.
void TestTeleversement::progression() {
    struct Vue {
        bool barre;
        int valeur;
        int max;
        bool navigateur;
        bool operator==(const Vue&) const = default;
    };
    PosteTeleversement poste;
    poste.carteQuiRepond();
    poste.sequence(20);
    auto& ed = *poste.banc;
    const auto vue = [&ed] {
        return Vue{ed.Ctl.ProgressBar1Visible, ed.Ctl.ProgressBar1Value, ed.Ctl.ProgressBar1Max,
                   ed.Ctl.HScroll1Visible};
    };
    QList<Vue> pendant;
    QList<Vue> repeintes;
    qsizetype ecritsAuPassage = -1;
    poste.banc.evenements.pendant = [&] {
        pendant.append(vue());
        ecritsAuPassage = poste.echangesTeleversement().size();
    };
    poste.banc.evenements.repeinte = [&] { repeintes.append(vue()); };

    ed.transmet_Click();

    QCOMPARE(pendant, (QList<Vue>{{true, 0, 3, false}}));
    QCOMPARE(ecritsAuPassage, 0);
    QCOMPARE(repeintes,
             (QList<Vue>{{true, 1, 3, false}, {true, 2, 3, false}, {true, 3, 3, false}}));
    QVERIFY(!ed.Ctl.ProgressBar1Visible);
    QVERIFY(ed.Ctl.HScroll1Visible);
}

// A second board command clicked while the upload lets pending events run must not start its
// own dialogue in the middle of the upload's.
void TestTeleversement::commandeCarteImbriquee_data() {
    QTest::addColumn<int>("commande");
    QTest::newRow("Programmation") << 0;
    QTest::newRow("TestCarte") << 1;
    QTest::newRow("Reset Carte") << 2;
}

void TestTeleversement::commandeCarteImbriquee() {
    QFETCH(int, commande);
    PosteTeleversement poste;
    poste.carteQuiRepond();
    poste.sequence(20);
    auto& ed = *poste.banc;
    qsizetype ecritsAvant = -1;
    poste.banc.evenements.pendant = [&] {
        ecritsAvant = poste.port.ecrits.size();
        const std::array<void (LT840::*)(), 3> commandes{
            &LT840::transmet_Click, &LT840::TestCarte_Click, &LT840::CmdRST_Click};
        (ed.*commandes[commande])();
        QCOMPARE(poste.port.ecrits.size(), ecritsAvant);
    };

    ed.transmet_Click();

    QVERIFY(ecritsAvant > 0);
    QCOMPARE(poste.echangesTeleversement(),
             echanges({"P", "b0", "P", "b1", "P", "fin", "F", "R"}, poste.fluxAttendu()));
    QVERIFY(poste.banc.messages.affichees.isEmpty());
    QVERIFY(!ed.Ctl.DialogVisible);
    // Once the upload is over, the board commands work again.
    ed.TestCarte_Click();
    QVERIFY(ed.Ctl.DialogVisible);
}

QTEST_GUILESS_MAIN(TestTeleversement)
#include "tst_televersement.moc"
