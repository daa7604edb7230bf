#include "board/FluxTeleversement.h"

#include <QTest>
#include <memory>

namespace {

using Lampes = std::array<qint16, 8>;

LT840::Enregistrement enregistrement(const Lampes& lampes, qint16 code) {
    LT840::Enregistrement enr{};
    std::copy(lampes.begin(), lampes.end(), enr.begin());
    enr[8] = code;
    return enr;
}

constexpr flux::TableVitesses Vitesses{0, 1, 2, 5, 10, 15, 20, 0, 0};

quint8 octetA(const QByteArray& octets, int i) {
    return quint8(octets.at(i));
}

} // namespace

class TestFluxTeleversement : public QObject {
    Q_OBJECT

private slots:
    void tempsBase_data();
    void tempsBase();
    void lampes_data();
    void lampes();
    void duree_data();
    void duree();
    void disposition();
    void seulsLesEnregistrementsDeLaCarte();
    void blocs();
    void blocsAEnvoyer_data();
    void blocsAEnvoyer();
};

void TestFluxTeleversement::tempsBase_data() {
    QTest::addColumn<QString>("periode");
    QTest::addColumn<int>("octet");
    const QList<std::pair<const char*, int>> liste{
        {"0.01", 1}, {"0.02", 2},  {"0.05", 6}, {"0.1", 12},  {"0.15", 18},
        {"0.2", 25}, {"0.25", 31}, {"0.3", 37}, {"0.35", 43}, {"0.4", 50}};
    for (const auto& [texte, octet] : liste)
        QTest::newRow(texte) << QString::fromLatin1(texte) << octet;
    // Whole multiples of 8 ms whose binary quotient falls just short of the whole number.
    QTest::newRow("0.344") << QStringLiteral("0.344") << 43;
    QTest::newRow("1.4") << QStringLiteral("1.4") << 175;
    QTest::newRow("just under one unit") << QStringLiteral("0.0079") << 0;
    QTest::newRow("no entry selected") << QString() << 0;
    QTest::newRow("beyond a byte") << QStringLiteral("3") << 255;
    QTest::newRow("negative") << QStringLiteral("-0.1") << 0;
}

void TestFluxTeleversement::tempsBase() {
    QFETCH(QString, periode);
    QFETCH(int, octet);
    QCOMPARE(int(flux::octetTempsBase(periode)), octet);
}

void TestFluxTeleversement::lampes_data() {
    QTest::addColumn<Lampes>("lampes");
    QTest::addColumn<int>("octet");
    QTest::newRow("none lit") << Lampes{0, 0, 0, 0, 0, 0, 0, 0} << 0xFF;
    QTest::newRow("all lit") << Lampes{1, 1, 1, 1, 1, 1, 1, 1} << 0x00;
    QTest::newRow("lamp 0") << Lampes{1, 0, 0, 0, 0, 0, 0, 0} << 0x7F;
    QTest::newRow("lamp 7") << Lampes{0, 0, 0, 0, 0, 0, 0, 1} << 0xFE;
    QTest::newRow("lamps 0 and 7") << Lampes{1, 0, 0, 0, 0, 0, 0, 1} << 0x7E;
    QTest::newRow("lamp 2 alone unlit") << Lampes{1, 1, 0, 1, 1, 1, 1, 1} << 0x20;
    QTest::newRow("any value but 0 is lit") << Lampes{2, -1, 0, 0, 0, 0, 0, 0} << 0x3F;
}

void TestFluxTeleversement::lampes() {
    QFETCH(Lampes, lampes);
    QFETCH(int, octet);
    auto enr = enregistrement(lampes, 1);
    enr[9] = 1; // rows past the code are not lamps
    QCOMPARE(int(flux::octetLampes(enr)), octet);
}

void TestFluxTeleversement::duree_data() {
    QTest::addColumn<int>("code");
    QTest::addColumn<int>("octet");
    const QList<std::pair<int, int>> codes{{0, 0},  {1, 1},    {2, 2},      {3, 5},    {4, 10},
                                           {5, 15}, {6, 20},   {7, 0},      {8, 0},    {9, 0},
                                           {-1, 0}, {1000, 0}, {-32768, 0}, {32767, 0}};
    for (const auto& [code, octet] : codes)
        QTest::addRow("code %d", code) << code << octet;
}

void TestFluxTeleversement::duree() {
    QFETCH(int, code);
    QFETCH(int, octet);
    QCOMPARE(int(flux::octetDuree(qint16(code), Vitesses)), octet);
}

// The three records of a short sequence, then unrecorded ones: code 0, no lamp lit.
void TestFluxTeleversement::disposition() {
    auto magasin = std::make_unique<flux::Magasin>();
    (*magasin)[0] = enregistrement({1, 0, 0, 0, 0, 0, 0, 0}, 1);
    (*magasin)[1] = enregistrement({0, 0, 0, 0, 0, 0, 0, 1}, 2);
    (*magasin)[2] = enregistrement({1, 1, 0, 1, 1, 1, 1, 1}, 3);
    (*magasin)[250] = enregistrement({1, 1, 1, 1, 1, 1, 1, 1}, 6);

    const QByteArray octets = flux::construire(*magasin, Vitesses, QStringLiteral("0.1"));

    QCOMPARE(octets.size(), 504);
    QCOMPARE(octetA(octets, 0), 0xA5);
    QCOMPARE(octetA(octets, 1), 12);
    const QList<std::pair<int, int>> attendus{{1, 0x7F}, {2, 0xFE}, {5, 0x20}, {0, 0xFF}};
    for (int k = 0; k < attendus.size(); ++k) {
        QCOMPARE(octetA(octets, 2 + 2 * k), attendus[k].first);
        QCOMPARE(octetA(octets, 3 + 2 * k), attendus[k].second);
    }
    for (int k = 4; k < 250; ++k)
        QCOMPARE(octets.mid(2 + 2 * k, 2), QByteArray("\x00\xFF", 2));
    QCOMPARE(octets.right(2), QByteArray("\x14\x00", 2));
}

void TestFluxTeleversement::seulsLesEnregistrementsDeLaCarte() {
    auto magasin = std::make_unique<flux::Magasin>();
    const QByteArray avant = flux::construire(*magasin, Vitesses, QStringLiteral("0.02"));
    for (int k = 251; k <= LT840::DernierEnr; ++k)
        (*magasin)[k] = enregistrement({1, 1, 1, 1, 1, 1, 1, 1}, 6);
    QCOMPARE(flux::construire(*magasin, Vitesses, QStringLiteral("0.02")), avant);
}

void TestFluxTeleversement::blocs() {
    auto magasin = std::make_unique<flux::Magasin>();
    for (int k = 0; k <= 250; ++k)
        (*magasin)[k] = enregistrement({}, qint16(1 + k % 6));
    const QByteArray octets = flux::construire(*magasin, Vitesses, QStringLiteral("0.2"));

    QByteArray recompose;
    for (int b = 0; b < flux::NombreBlocs; ++b) {
        const QByteArray bloc = flux::bloc(octets, b);
        QCOMPARE(bloc.size(), b < 15 ? 32 : 24);
        if (b > 0) // each block after the head begins with the duration of record 16b - 1
            QCOMPARE(int(quint8(bloc.at(0))), int(Vitesses[1 + (16 * b - 1) % 6]));
        recompose += bloc;
    }
    QCOMPARE(recompose, octets);
}

void TestFluxTeleversement::blocsAEnvoyer_data() {
    QTest::addColumn<QList<int>>("enregistrementsNuls");
    QTest::addColumn<int>("blocs");
    QTest::newRow("record 15 ends it") << QList<int>{15} << 2;
    QTest::newRow("record 16 is inside block 1") << QList<int>{16} << 16;
    QTest::newRow("first of two end marks") << QList<int>{127, 47} << 4;
    QTest::newRow("record 239 ends the last block") << QList<int>{239} << 16;
    QTest::newRow("record 250 is no block's first") << QList<int>{250} << 16;
    QTest::newRow("none") << QList<int>{} << 16;
}

void TestFluxTeleversement::blocsAEnvoyer() {
    QFETCH(QList<int>, enregistrementsNuls);
    QFETCH(int, blocs);
    auto magasin = std::make_unique<flux::Magasin>();
    for (int k = 0; k <= 250; ++k)
        (*magasin)[k][8] = 4;
    for (int k : enregistrementsNuls)
        (*magasin)[k][8] = 0;
    const QByteArray octets = flux::construire(*magasin, Vitesses, QStringLiteral("0.1"));
    QCOMPARE(flux::blocsAEnvoyer(octets), blocs);
}

QTEST_GUILESS_MAIN(TestFluxTeleversement)
#include "tst_fluxteleversement.moc"
