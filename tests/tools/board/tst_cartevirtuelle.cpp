#include "board/ChronologieCarte.h"
#include "board/FluxRecu.h"

#include <QTest>

using namespace cartevirtuelle;
using namespace std::chrono_literals;

namespace {

const QByteArray id = IdentificationCarte;
const Instant t0 = Instant{} + 1h; // the line model only looks at differences
// A full upload stream; no block starts with the 0 of the end block.
const QByteArray complet = QByteArray(1, OctetDebut) + QByteArray(TailleFlux - 1, '\1');

// "P" and one block of the stream for each of the first `nombre` blocks.
QByteArray blocs(const QByteArray& flux, int nombre) {
    QByteArray octets;
    for (int b = 0; b < nombre; ++b)
        octets += 'P' + flux.mid(b * TailleBloc, TailleBloc);
    return octets;
}

// `entree` written at t0: the board's replies, each burst followed by "@<byte times after t0>"
// when `temps`, and the streams it took in.
struct Cas {
    const char* nom;
    Panne panne;
    bool temps;
    QByteArray entree;
    QByteArray reponses;
    QByteArray flux{}; // one a line
};

} // namespace

class TstCarteVirtuelle : public QObject {
    Q_OBJECT

private slots:
    void deroulement_data() {
        QTest::addColumn<Cas>("cas");
        QByteArray autre = complet;
        autre[5] = 'x';
        using enum Panne;
        const Cas cas[] = {
            {"**, unknown bytes, R unanswered; R drops the program", Aucune, false,
             blocs(complet, 1) + QByteArray("**Z\0R*F", 7), "B?FR"},
            {"a block is 32 bytes of anything", Aucune, false,
             "P?***PFR" + QByteArray(24, '\1') + "??", "B?" + id},
            {"32-byte end block, then F hands nothing out", Aucune, false,
             blocs(complet, 1) + 'P' + QByteArray(31, '\0') + "?F", "B?B?FR",
             complet.first(TailleBloc)},
            {"last block of 24 bytes, bytes past the stream dropped", Aucune, false,
             blocs(complet, 16) + 'P' + complet.mid(TailleBloc, TailleBloc) + 'F',
             QByteArray("B?").repeated(17) + "FR", complet},
            {"an upload after an aborted one starts over", Aucune, false,
             blocs(complet, 2) + blocs(autre, 1) + 'P' + QByteArray(32, '\0'),
             QByteArray("B?").repeated(4), autre.first(TailleBloc)},
            {"wrongack", MauvaisAccuse, false, "P?F", "X" + id + "FR"},
            {"asterisks: silent until 32 have come", Asterisques, false,
             "?" + QByteArray(31, '*') + "?*?", id},
            {"stale: stray bytes before the first reply only", Parasites, false, "??",
             "xy" + id + id},
            {"silent", Muette, false, "?PF", ""},
            // A "?" takes one byte time to arrive, its answer twelve more; 300 ms and 2.2 s
            // are 288 and 2112 byte times.
            {"replies queue", Aucune, true, "??", id + "@13 " + id + "@25"},
            {"late", Tardive, true, "P", "B@2114"},
            {"bytewise", OctetParOctet, true, "F", "F@2 R@3"},
            {"split, a one-byte reply whole", Coupee, true, "?P", "L@2 T840:V1.02 @301 B@302"},
            {"gapfr splits FR only", PauseFR, true, "F?", "F@2 R@291 " + id + "@303"},
            {"hangup halfway through a block", Raccrochage, true,
             "P" + QByteArray(1, OctetDebut) + QByteArray(31, '\1'), "B@2 hangup@17"}};
        for (const Cas& c : cas)
            QTest::newRow(c.nom) << c;
    }
    // The loop wakes half a byte time after each deadline, as a loaded machine would: replies
    // must still keep the line's times.
    void deroulement() {
        QFETCH(Cas, cas);
        ChronologieCarte carte(id, cas.panne);
        carte.recevoir(cas.entree, t0);
        QByteArrayList salves, flux;
        while (const auto echeance = carte.prochaineEcheance()) {
            const SortieChronologie sortie = carte.avancer(*echeance + DureeOctet / 2);
            const QByteArray quand =
                cas.temps ? "@" + QByteArray::number(std::chrono::duration<double>(*echeance - t0) /
                                                     DureeOctet)
                          : QByteArray();
            flux += sortie.flux;
            for (const QByteArray& octets : sortie.salves)
                salves << octets + quand;
            if (sortie.raccrochage) {
                salves << "hangup" + quand;
                break;
            }
        }
        QCOMPARE(salves.join(cas.temps ? " " : ""), cas.reponses);
        QCOMPARE(flux.join('\n'), cas.flux);
    }

    // The board takes a stream only whole: the head, whole records, the start byte; a record
    // is its duration, then its lamps, a lamp lit where its bit is 0.
    void fluxRecu() {
        QByteArray un = complet.first(4);
        un[1] = 12;
        un[2] = 5;
        un[3] = char(0x7E);
        QCOMPARE(decrireFlux(*decoderFlux(un)),
                 "time base 12 (96 ms)\nrecord   0  duration  5  lamps #......#\n");
        const std::pair<QByteArray, const char*> cas[] = {
            {complet, ""},
            {complet + "\1\1", "longer than 504"},
            {complet.first(1), "shorter than its head"},
            {complet.first(3), "ends inside a record"},
            {QByteArray("\x5A\1\1\xFF"), "start byte is 0x5a"}};
        for (const auto& [brut, erreur] : cas) {
            QString probleme;
            QCOMPARE(decoderFlux(brut, &probleme).has_value(), !*erreur);
            QVERIFY2(probleme.contains(QLatin1String(erreur)), qPrintable(probleme));
        }
    }
};

QTEST_GUILESS_MAIN(TstCarteVirtuelle)
#include "tst_cartevirtuelle.moc"
