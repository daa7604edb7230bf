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
const QString Cordon = Defaut + QChar(12) + QStringLiteral(" Vérifiez le cordon");

// One upload of `nombre` records to a board that answers as a sound one but to `cible`, a word
// of echanges(), which gets `reaction`.
struct Cas {
    QString attendus = "P2 P fin F R"; // the exchanges from the first "P" on
    QString texte{};                   // the box shown; empty: none
    QString cible{};
    FakeSerialPort::Reaction reaction{};
    int nombre = 27;
    int nul = -1; // a record given code 0
    QString texte3{};
    QList<int> effaces{28, 29, 30, 31}; // the records whose code the upload clears
    QString versions{"?"};
    int questions = 2; // "?" asked, one per opening: a second one when Versions lacks "LT840:"
    void (LT840::*imbriquee)() = nullptr; // a board command clicked while events run
};

// Records 0 .. n - 1 as recording leaves them: lamp k % NombreLampes lit in record k, codes
// cycling through 1..6, record n with the code of record n - 1 and the count n in Text3. The
// records after n hold code 3, as a file may leave them.
void enregistrer(LT840& ed, int n) {
    for (int k = 0; k <= DernierEnr; ++k) {
        ed.TabTrames[k].fill(0);
        ed.TabTrames[k][k % NombreLampes] = qint16(k < n);
        ed.TabTrames[k][LigneCode] = qint16(k > n ? 3 : 1 + qMin(k, n - 1) % 6);
    }
    ed.setText3(QString::number(n));
}

// Exchanges written as words: "P", "F", "R", "fin" for the end block, "b<k>" for bytes 32k to
// 32k + 31 of the stream, "P<n>" for "P" and each of the first n blocks.
QList<QByteArray> echanges(const QString& mots, const QByteArray& octets) {
    QList<QByteArray> liste;
    for (const QString& mot : mots.split(u' ', Qt::SkipEmptyParts)) {
        if (mot == u"fin")
            liste.append(QByteArray(32, '\0'));
        else if (mot.startsWith(u'b'))
            liste.append(octets.mid(32 * mot.mid(1).toInt(), 32));
        else if (mot.size() > 1 && mot.startsWith(u'P'))
            for (int b = 0; b < mot.mid(1).toInt(); ++b)
                liste << "P" << octets.mid(32 * b, 32);
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
            {"0.05", 1, {1, 1, 1, 1, 1, 1, 1, 1}, 1, "\x06\x01\x00"},
            {"0.1", 14, {0, 0, 0, 0, 0, 0, 0, 1}, 3, "\x0C\x05\xFE"},
            {"0.25", 250, {2, -1, 0, 0, 0, 0, 0, 0}, 6, "\x1F\x14\x3F"}, // any value but 0 is lit
            {"0.35", 3, lampe0, 9, "\x2B\x00\x7F"},
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
        const QList<int> apres250{251, 252, 253, 254};
        QTest::newRow("sound board") << Cas{};
        QTest::newRow("no answer to P") << Cas{.attendus = "P P", .texte = Cordon, .cible = "P"};
        QTest::newRow("P answered B and one more byte")
            << Cas{.attendus = "P", .texte = Defaut, .cible = "P", .reaction = {{"Bx", 5}}};
        QTest::newRow("block answered !")
            << Cas{.attendus = "P b0", .texte = Defaut, .cible = "b0", .reaction = {{"!", 5}}};
        QTest::newRow("end block answered anything") << Cas{.cible = "fin", .reaction = {{"Z", 5}}};
        QTest::newRow("F alone, R after a gap") << Cas{.attendus = "P2 P fin F",
                                                       .texte = Defaut,
                                                       .cible = "F",
                                                       .reaction = {{"F", 5}, {"R", 900}}};
        QTest::newRow("identified") << Cas{.versions = "LT840:V1.00 ", .questions = 1};
        QTest::newRow("Programmation nested") << Cas{.imbriquee = &LT840::transmet_Click};
        QTest::newRow("TestCarte nested") << Cas{.imbriquee = &LT840::TestCarte_Click};
        QTest::newRow("Reset nested") << Cas{.imbriquee = &LT840::CmdRST_Click};
        QTest::newRow("count 0") << Cas{
            .attendus = "", .texte3 = "0", .effaces = {}, .questions = 0};
        QTest::newRow("record 239 with code 0")
            << Cas{.attendus = "P15 P fin F R", .nombre = 250, .nul = 239, .effaces = apres250};
        QTest::newRow("count 1022")
            << Cas{.attendus = "P16 F R", .nombre = 250, .texte3 = "1022", .effaces = {1023, 1024}};
        QTest::newRow("huge count")
            << Cas{.attendus = "P16 F R", .nombre = 250, .texte3 = "99999999999", .effaces = {}};
    }
    void televersement() {
        QFETCH(Cas, cas);
        Banc poste{Banc::CarteScriptee};
        enregistrer(*poste, cas.nombre);
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
            poste.port.quand(echanges(cas.cible, octets).first(), cas.reaction);
        poste.port.carteSaine();
        // Once only: a nested upload lets events run too.
        poste.evenements.pendant = [&, premiere = true]() mutable {
            if (cas.imbriquee && std::exchange(premiere, false))
                (poste.ed.*cas.imbriquee)();
        };

        poste->transmet_Click();

        const auto& ecrits = poste.port.ecrits;
        QCOMPARE(ecrits.mid(ecrits.indexOf("P")), echanges(cas.attendus, octets));
        QCOMPARE(poste.boites(), cas.texte.isEmpty()
                                     ? QStringList()
                                     : QStringList{boite(cas.texte, Msg::OK + Msg::Critique)});
        QVERIFY(poste->TabTrames == *attendu);
        QCOMPARE(poste.port.ouvertures.size(), cas.questions);
        QCOMPARE(poste.port.nombreEcrits("?"), cas.questions);
        QCOMPARE(poste.port.estOuvert(), !cas.texte.isEmpty()); // only a finished upload closes
        QVERIFY(poste->Ctl.HScroll1Visible && !poste->Ctl.ProgressBar1Visible &&
                !poste->Ctl.DialogVisible);
        poste->TestCarte_Click(); // the upload over, board commands work again
        QVERIFY(poste->Ctl.DialogVisible);
    }

    // Events run once while the first "P" is on the wire, with the bar shown; the bar moves on
    // as each block is written and the window repaints while it crosses the line, not after
    // its reply; input events never run in between.
    void progression() {
        Banc poste{Banc::CarteScriptee};
        enregistrer(*poste, 27);
        poste.port.carteSaine();
        QList<QList<int>> vues; // bar shown, value, maximum, navigator shown, "P" written, the
                                // last write's size, the reply's; a repaint is marked 1
        const auto vue = [&](int repeinte) {
            const auto& c = poste->Ctl;
            vues.append({repeinte, c.ProgressBar1Visible, c.ProgressBar1Value, c.ProgressBar1Max,
                         c.HScroll1Visible, int(poste.port.nombreEcrits("P")),
                         int(poste.port.ecrits.last().size()), int(poste->ReponseCarte.size())});
        };
        poste.evenements.pendant = [&] { vue(0); };
        poste.evenements.repeinte = [&] { vue(1); };
        poste->transmet_Click();
        QCOMPARE(vues, (QList<QList<int>>{{0, 1, 0, 3, 0, 1, 1, 0},
                                          {1, 1, 1, 3, 0, 1, 32, 0},
                                          {1, 1, 2, 3, 0, 2, 32, 0},
                                          {1, 1, 3, 3, 0, 3, 32, 0}}));
    }
};

QTEST_GUILESS_MAIN(TestTeleversement)
#include "tst_televersement.moc"
