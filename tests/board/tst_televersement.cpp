#include "Banc.h"
#include "board/FluxTeleversement.h"

#include <QTest>

#include <utility>

namespace {

using Lampes = std::array<qint16, NombreLampes>;
struct Ligne {
    const char* periode;
    int k; // the one record made
    Lampes lampes;
    int code;
    const char* octets; // time base, duration, lamps
};

const QString Defaut = QStringLiteral("DEFAUT DE DIALOGUE");
const QString DefautCordon = Defaut + QChar(12) + QStringLiteral(" Vérifiez le cordon");

// One upload of `nombre` records. The board answers as a sound one but to `cible`, a word of
// echanges(), which gets `reaction`.
struct Cas {
    QStringList attendus{}; // the exchanges from the first "P" on
    QString texte{};        // the box shown; empty: none
    QString cible{};
    FakeSerialPort::Reaction reaction{};
    int nombre = 27;
    int nul = -1;                       // a record given code 0
    QString texte3{};                   // the count, when not `nombre`
    QList<int> effaces{28, 29, 30, 31}; // the records whose code the upload clears
    QString versions{"?"};
    int questions = 2; // "?" asked, one per opening: a second one when Versions lacks "LT840:"
    void (LT840::*imbriquee)() = nullptr; // a board command clicked while events run
};

// An editor, started, on a board that says nothing until the test scripts it: rules given
// before port.carteSaine() go first.
struct Poste : Banc {
    // Records 0 .. n - 1 as recording leaves them: lamp k % NombreLampes lit in record k, codes
    // cycling through 1..6, record n with the code of record n - 1 and the count n in Text3. The
    // records after n hold code 3, as a file may leave them.
    explicit Poste(int n = 27) : Banc(CarteScriptee) {
        for (int k = 0; k <= DernierEnr; ++k) {
            ed.TabTrames[k].fill(0);
            ed.TabTrames[k][k % NombreLampes] = qint16(k < n);
            ed.TabTrames[k][LigneCode] = qint16(k > n ? 3 : 1 + qMin(k, n - 1) % 6);
        }
        ed.setText3(QString::number(n));
    }

    // What the editor wrote from the first "P" on.
    QList<QByteArray> televersement() const { return port.ecrits.mid(port.ecrits.indexOf("P")); }
};

// Exchanges written as words: "P", "F", "R", "fin" for the end block, "b<k>" for bytes
// 32k to 32k + 31 of the stream.
QList<QByteArray> echanges(const QStringList& mots, const QByteArray& octets) {
    QList<QByteArray> liste;
    for (const QString& mot : mots) {
        if (mot == u"fin")
            liste.append(QByteArray(32, '\0'));
        else if (mot.startsWith(u'b'))
            liste.append(octets.mid(32 * mot.mid(1).toInt(), 32));
        else
            liste.append(mot.toLatin1());
    }
    return liste;
}

} // namespace

class TestTeleversement : public QObject {
    Q_OBJECT

private slots:
    // Record k made, the others never recorded: code 0, no lamp lit.
    void flux_data() {
        QTest::addColumn<Ligne>("ligne");
        const Lampes lampe0{1, 0, 0, 0, 0, 0, 0, 0};
        const Ligne lignes[]{
            {"0.01", 0, {}, 0, "\x01\x00\xFF"},
            {"0.02", 1, {1, 1, 1, 1, 1, 1, 1, 1}, 1, "\x02\x01\x00"},
            {"0.05", 2, lampe0, 2, "\x06\x02\x7F"},
            {"0.1", 14, {0, 0, 0, 0, 0, 0, 0, 1}, 3, "\x0C\x05\xFE"},
            {"0.15", 15, {1, 0, 0, 0, 0, 0, 0, 1}, 4, "\x12\x0A\x7E"},
            {"0.2", 16, {1, 1, 0, 1, 1, 1, 1, 1}, 5, "\x19\x0F\x20"},
            {"0.25", 100, {2, -1, 0, 0, 0, 0, 0, 0}, 6, "\x1F\x14\x3F"}, // any value but 0 is lit
            {"0.3", 249, lampe0, 7, "\x25\x00\x7F"},
            {"0.35", 250, lampe0, 8, "\x2B\x00\x7F"},
            {"0.4", 3, lampe0, 9, "\x32\x00\x7F"},
            {"0.344", 4, lampe0, -1, "\x2B\x00\x7F"}, // 43 units of 8 ms, not a hair under
            {"3", 5, lampe0, 32767, "\xFF\x00\x7F"},
            {"-0.1", 6, lampe0, -32768, "\x00\x00\x7F"}};
        for (const Ligne& l : lignes)
            QTest::addRow("%s, record %d, code %d", l.periode, l.k, l.code) << l;
    }
    void flux() {
        QFETCH(Ligne, ligne);
        auto magasin = std::make_unique<flux::Magasin>();
        auto& enr = (*magasin)[ligne.k];
        std::copy(ligne.lampes.begin(), ligne.lampes.end(), enr.begin());
        enr[LigneCode] = qint16(ligne.code);

        const QByteArray octets(ligne.octets, 3);
        QByteArray attendu = "\xA5" + octets.left(1);
        for (int r = 0; r <= DernierEnrCarte; ++r)
            attendu += r == ligne.k ? octets.mid(1) : QByteArray("\x00\xFF", 2);
        QCOMPARE(flux::construire(*magasin, QString::fromLatin1(ligne.periode)), attendu);
    }

    // The codes of the four records right after the count are cleared so that the board's
    // sequence ends where the simulator's does, whatever the count, never outside the store.
    void televersement_data() {
        QTest::addColumn<Cas>("cas");
        const QStringList complet{"P", "b0", "P", "b1", "P", "fin", "F", "R"};
        const QStringList jusquaF = complet.mid(0, 7);
        QStringList seize;
        for (int b = 0; b < 16; ++b)
            seize << "P" << QStringLiteral("b%1").arg(b);
        const QStringList fin{"P", "fin", "F", "R"};
        const QList<int> apres250{251, 252, 253, 254};
        QTest::newRow("sound board") << Cas{.attendus = complet};
        QTest::newRow("no answer to P")
            << Cas{.attendus = {"P", "P"}, .texte = DefautCordon, .cible = "P"};
        QTest::newRow("P answered B and one more byte")
            << Cas{.attendus = {"P"}, .texte = Defaut, .cible = "P", .reaction = {{"Bx", 5}}};
        QTest::newRow("no answer to a block")
            << Cas{.attendus = {"P", "b0", "b0"}, .texte = Defaut, .cible = "b0"};
        QTest::newRow("block answered !")
            << Cas{.attendus = {"P", "b0"}, .texte = Defaut, .cible = "b0", .reaction = {{"!", 5}}};
        QTest::newRow("no answer to the end block")
            << Cas{.attendus = complet.mid(0, 6) << "fin", .texte = Defaut, .cible = "fin"};
        QTest::newRow("end block answered anything")
            << Cas{.attendus = complet, .cible = "fin", .reaction = {{"Z", 5}}};
        QTest::newRow("no answer to F")
            << Cas{.attendus = jusquaF + QStringList{"F"}, .texte = Defaut, .cible = "F"};
        QTest::newRow("F alone, R after a gap") << Cas{
            .attendus = jusquaF, .texte = Defaut, .cible = "F", .reaction = {{"F", 5}, {"R", 900}}};
        QTest::newRow("record 15 with code 0") << Cas{.attendus = seize.mid(0, 2) + fin, .nul = 15};
        QTest::newRow("identified")
            << Cas{.attendus = complet, .versions = "LT840:V1.00 ", .questions = 1};
        QTest::newRow("case differs") << Cas{.attendus = complet, .versions = "lt840:V1.00 "};
        // A second board command must not start its own dialogue in the middle of the upload's.
        QTest::newRow("Programmation nested")
            << Cas{.attendus = complet, .imbriquee = &LT840::transmet_Click};
        QTest::newRow("TestCarte nested")
            << Cas{.attendus = complet, .imbriquee = &LT840::TestCarte_Click};
        QTest::newRow("Reset nested")
            << Cas{.attendus = complet, .imbriquee = &LT840::CmdRST_Click};
        QTest::newRow("count 0") << Cas{.texte3 = "0", .effaces = {}, .questions = 0};
        QTest::newRow("records 15 to 239 all timed")
            << Cas{.attendus = seize + fin.mid(2), .nombre = 250, .effaces = apres250};
        QTest::newRow("record 239 with code 0") << Cas{
            .attendus = seize.mid(0, 30) + fin, .nombre = 250, .nul = 239, .effaces = apres250};
        QTest::newRow("count 1022") << Cas{.attendus = seize + fin.mid(2),
                                           .nombre = 250,
                                           .texte3 = "1022",
                                           .effaces = {1023, 1024}};
        QTest::newRow("huge count") << Cas{
            .attendus = seize + fin.mid(2), .nombre = 250, .texte3 = "99999999999", .effaces = {}};
    }
    void televersement() {
        QFETCH(Cas, cas);
        Poste poste(cas.nombre);
        poste->Ctl.Versions = cas.versions;
        if (cas.nul >= 0)
            poste->TabTrames[cas.nul][LigneCode] = 0;
        if (!cas.texte3.isEmpty())
            poste->setText3(cas.texte3);
        auto attendu = std::make_unique<flux::Magasin>(poste->TabTrames);
        for (int r : cas.effaces)
            (*attendu)[r][LigneCode] = 0;
        const QByteArray octets = flux::construire(*attendu, poste->Ctl.List1Text());
        if (!cas.cible.isEmpty())
            poste.port.quand(echanges({cas.cible}, octets).first(), cas.reaction);
        poste.port.carteSaine();
        // Once only: a nested upload lets events run too.
        poste.evenements.pendant = [&, premiere = true]() mutable {
            if (cas.imbriquee && std::exchange(premiere, false))
                (poste.ed.*cas.imbriquee)();
        };

        poste->transmet_Click();

        QCOMPARE(poste.televersement(), echanges(cas.attendus, octets));
        QCOMPARE(poste.boites(), cas.texte.isEmpty()
                                     ? QStringList()
                                     : QStringList{boite(cas.texte, Msg::OK + Msg::Critique)});
        QVERIFY(poste->TabTrames == *attendu);
        QCOMPARE(poste.port.ouvertures.size(), cas.questions);
        QCOMPARE(poste.port.nombreEcrits("?"), cas.questions);
        QCOMPARE(poste.port.estOuvert(), !cas.texte.isEmpty()); // only a finished upload closes
        QVERIFY(poste->Ctl.HScroll1Visible && !poste->Ctl.ProgressBar1Visible);
        QVERIFY(!poste->Ctl.DialogVisible);
        poste->TestCarte_Click(); // the upload over, board commands work again
        QVERIFY(poste->Ctl.DialogVisible);
    }

    // Events run once while the first "P" is on the wire, with the bar shown; the bar moves on
    // as each block is written and the window repaints while it crosses the line, not after
    // its reply; input events never run in between.
    void progression() {
        Poste poste;
        poste.port.carteSaine();
        const auto vue = [&poste] {
            const auto& c = poste->Ctl;
            return QList<int>{c.ProgressBar1Visible,
                              c.ProgressBar1Value,
                              c.ProgressBar1Max,
                              c.HScroll1Visible,
                              int(poste.port.nombreEcrits("P")),
                              int(poste.port.ecrits.last().size()),
                              int(poste->ReponseCarte.size())};
        };
        QList<QList<int>> pendant;
        QList<QList<int>> repeintes;
        poste.evenements.pendant = [&] { pendant.append(vue()); };
        poste.evenements.repeinte = [&] { repeintes.append(vue()); };

        poste->transmet_Click();

        QCOMPARE(pendant, (QList<QList<int>>{{1, 0, 3, 0, 1, 1, 0}}));
        QCOMPARE(repeintes,
                 (QList<QList<int>>{
                     {1, 1, 3, 0, 1, 32, 0}, {1, 2, 3, 0, 2, 32, 0}, {1, 3, 3, 0, 3, 32, 0}}));
        QVERIFY(!poste->Ctl.ProgressBar1Visible);
        QVERIFY(poste->Ctl.HScroll1Visible);
    }
};

QTEST_GUILESS_MAIN(TestTeleversement)
#include "tst_televersement.moc"
