#include "board/ChronologieCarte.h"
#include "board/FluxRecu.h"

#include <QTest>

using namespace cartevirtuelle;
using namespace std::chrono_literals;

namespace {

const QByteArray identification = IdentificationCarte;
// Any fixed instant will do: the line model only looks at differences.
const Instant t0 = Instant{} + 1h;

// A full upload stream; no block starts with the 0 of the end block.
const QByteArray fluxComplet = QByteArray(1, OctetDebut) + QByteArray(TailleFlux - 1, '\1');

// "P" and one block of the stream for each of the first `nombre` blocks.
QByteArray blocs(const QByteArray& flux, int nombre) {
    QByteArray octets;
    for (int b = 0; b < nombre; ++b)
        octets += 'P' + flux.mid(b * TailleBloc, TailleBloc);
    return octets;
}

// What reaches the editor `offset` after t0.
QString arrivee(Horloge::duration offset, const QByteArray& quoi) {
    return QStringLiteral("%1us %2")
        .arg(std::chrono::round<std::chrono::microseconds>(offset).count())
        .arg(quoi);
}

struct Deroulement {
    QStringList salves; // stamped with the time they reach the editor
    QByteArray reponses;
    QByteArrayList flux;
};

// Writes `entree` at t0 and runs the board to quiet or to a hang-up. The loop wakes half a byte
// time after each deadline, as a loaded machine would: replies must still keep the line's times.
Deroulement derouler(Panne panne, const QByteArray& entree) {
    ChronologieCarte carte(identification, panne);
    carte.recevoir(entree, t0);
    Deroulement vu;
    while (const auto echeance = carte.prochaineEcheance()) {
        const SortieChronologie sortie = carte.avancer(*echeance + DureeOctet / 2);
        vu.flux += sortie.flux;
        for (const QByteArray& octets : sortie.salves) {
            vu.salves << arrivee(*echeance - t0, octets);
            vu.reponses += octets;
        }
        if (sortie.raccrochage) {
            vu.salves << arrivee(*echeance - t0, "hangup");
            break;
        }
    }
    return vu;
}

} // namespace

class TstCarteVirtuelle : public QObject {
    Q_OBJECT

private slots:
    void dialogue_data() {
        QTest::addColumn<Panne>("panne");
        QTest::addColumn<QByteArray>("entree");
        QTest::addColumn<QByteArray>("reponses");
        QTest::addColumn<QByteArrayList>("flux");

        QByteArray autreFlux = fluxComplet;
        autreFlux[5] = 'x';

        QTest::newRow("asterisks, unknown bytes and R unanswered, R discards the programming")
            << Panne::Aucune << blocs(fluxComplet, 1) + QByteArray("**Z\0R*F", 7)
            << QByteArray("B?FR") << QByteArrayList();
        QTest::newRow("a block is 32 bytes whatever they are, a last ? included")
            << Panne::Aucune << "P?***PFR" + QByteArray(24, '\1') + "??"
            << "B?" + identification << QByteArrayList();
        QTest::newRow("a 32-byte end block completes the program, F then hands nothing out")
            << Panne::Aucune << blocs(fluxComplet, 1) + 'P' + QByteArray(31, '\0') + "?F"
            << QByteArray("B?B?FR") << QByteArrayList{fluxComplet.first(TailleBloc)};
        QTest::newRow("the last block is 24 bytes, bytes past the stream are dropped")
            << Panne::Aucune
            << blocs(fluxComplet, 16) + 'P' + fluxComplet.mid(TailleBloc, TailleBloc) + 'F'
            << QByteArray("B?").repeated(17) + "FR" << QByteArrayList{fluxComplet};
        QTest::newRow("an upload after an aborted one starts over")
            << Panne::Aucune
            << blocs(fluxComplet, 2) + blocs(autreFlux, 1) + 'P' + QByteArray(32, '\0')
            << QByteArray("B?").repeated(4) << QByteArrayList{autreFlux.first(TailleBloc)};
        QTest::newRow("wrongack refuses the block")
            << Panne::MauvaisAccuse << QByteArray("P?F") << "X" + identification + "FR"
            << QByteArrayList();
        QTest::newRow("asterisks: silent until 32 have come")
            << Panne::Asterisques << "?" + QByteArray(31, '*') + "?*?" << identification
            << QByteArrayList();
        QTest::newRow("stale: stray bytes ahead of the first identification only")
            << Panne::Parasites << QByteArray("??") << "xy" + identification + identification
            << QByteArrayList();
    }

    void dialogue() {
        QFETCH(Panne, panne);
        QFETCH(QByteArray, entree);
        QFETCH(QByteArray, reponses);
        QFETCH(QByteArrayList, flux);

        const Deroulement vu = derouler(panne, entree);
        QCOMPARE(vu.reponses, reponses);
        QCOMPARE(vu.flux, flux);
    }

    void cadence_data() {
        QTest::addColumn<Panne>("panne");
        QTest::addColumn<QByteArray>("entree");
        QTest::addColumn<QStringList>("salves");

        const auto octet = DureeOctet;
        // Each "?" takes one byte time to arrive, its 12-byte answer twelve more.
        QTest::newRow("a second reply queues behind the first")
            << Panne::Aucune << QByteArray("??")
            << QStringList{arrivee(13 * octet, identification),
                           arrivee(25 * octet, identification)};
        QTest::newRow("silent") << Panne::Muette << QByteArray("?PF") << QStringList{};
        QTest::newRow("late") << Panne::Tardive << QByteArray("P")
                              << QStringList{arrivee(2 * octet + 2200ms, "B")};
        QTest::newRow("bytewise") << Panne::OctetParOctet << QByteArray("F")
                                  << QStringList{arrivee(2 * octet, "F"), arrivee(3 * octet, "R")};
        QTest::newRow("split, and a one-byte reply left whole")
            << Panne::Coupee << QByteArray("?P")
            << QStringList{arrivee(2 * octet, "L"),
                           arrivee(13 * octet + 300ms, identification.sliced(1)),
                           arrivee(14 * octet + 300ms, "B")};
        QTest::newRow("gapfr splits FR only")
            << Panne::PauseFR << QByteArray("F?")
            << QStringList{arrivee(2 * octet, "F"), arrivee(3 * octet + 300ms, "R"),
                           arrivee(15 * octet + 300ms, identification)};
        QTest::newRow("hangup after half the first block")
            << Panne::Raccrochage << "P" + QByteArray(1, OctetDebut) + QByteArray(31, '\1')
            << QStringList{arrivee(2 * octet, "B"), arrivee(17 * octet, "hangup")};
    }

    void cadence() {
        QFETCH(Panne, panne);
        QFETCH(QByteArray, entree);
        QFETCH(QStringList, salves);

        QCOMPARE(derouler(panne, entree).salves, salves);
    }

    // The board takes a stream only whole: the head, whole records, the start byte.
    void dispositionFlux() {
        const std::pair<QByteArray, const char*> cas[] = {
            {fluxComplet, ""},
            {fluxComplet + "\1\1", "longer than 504"},
            {fluxComplet.first(1), "shorter than its head"},
            {fluxComplet.first(3), "ends inside a record"},
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
