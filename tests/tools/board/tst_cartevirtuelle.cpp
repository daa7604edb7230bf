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

QByteArray blocs(const QByteArray& flux, int nombre) {
    QByteArray octets;
    for (int b = 0; b < nombre; ++b)
        octets += 'P' + flux.mid(b * TailleBloc, TailleBloc);
    return octets;
}

// `entree` written at t0: the replies, each burst "@<byte times after t0>" when `temps`.
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
            {"32-byte end block, then F hands nothing out", Aucune, false,
             blocs(complet, 1) + 'P' + QByteArray(31, '\0') + "?F", "B?B?FR",
             complet.first(TailleBloc)},
            {"last block of 24 bytes, bytes past the stream dropped", Aucune, false,
             blocs(complet, 16) + 'P' + complet.mid(TailleBloc, TailleBloc) + 'F',
             QByteArray("B?").repeated(17) + "FR", complet},
            {"an upload after an aborted one starts over", Aucune, false,
             blocs(complet, 2) + blocs(autre, 1) + 'P' + QByteArray(32, '\0'),
             QByteArray("B?").repeated(4), autre.first(TailleBloc)},
            {"asterisks: silent until 32 have come", Asterisques, false,
             "?" + QByteArray(31, '*') + "?*?", id},
            {"silent", Muette, false, "?PF", ""},
            // A "?" takes one byte time to arrive, its answer twelve more; 300 ms is 288.
            {"replies queue", Aucune, true, "??", id + "@13 " + id + "@25"},
            {"split, a one-byte reply whole", Coupee, true, "?P", "L@2 T840:V1.02 @301 B@302"},
            {"hangup halfway through a block", Raccrochage, true,
             "P" + QByteArray(1, OctetDebut) + QByteArray(31, '\1'), "B@2 hangup@17"}};
        for (const Cas& c : cas)
            QTest::newRow(c.nom) << c;
    }
    // Woken half a byte time late, as on a loaded machine, replies keep the line's times.
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

    // A stream that ends inside a record is refused; a whole one is decoded.
    void disposition() { QVERIFY(!decoderFlux(complet.chopped(1)) && decoderFlux(complet)); }
};

QTEST_GUILESS_MAIN(TstCarteVirtuelle)
#include "tst_cartevirtuelle.moc"
