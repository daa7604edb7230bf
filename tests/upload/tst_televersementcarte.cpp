#include "CarteVirtuelle.h"
#include "PosteReel.h"
#include "UploadStream.h"

#include <QTest>

class TestTeleversementCarte : public QObject {
    Q_OBJECT

private slots:
    void programmeLaCarte_data();
    void programmeLaCarte();
};

void TestTeleversementCarte::programmeLaCarte_data() {
    QTest::addColumn<int>("frames");
    QTest::addColumn<int>("recus"); // records the board takes in
    // 20 records end in block 1: the board takes blocks 0 and 1, the head and 31 records.
    QTest::newRow("short") << 20 << 31;
    QTest::newRow("full") << 251 << 251;
}

void TestTeleversementCarte::programmeLaCarte() {
    QFETCH(int, frames);
    QFETCH(int, recus);
    CarteVirtuelle carte;
    QCOMPARE(carte.demarrer(), QString());
    PosteReel poste;
    poste.composer(frames);
    LT840& ed = poste.ed;

    ed.transmet_Click();

    QVERIFY(poste.messages.affichees.isEmpty());
    QVERIFY(!poste.port.estOuvert());
    QVERIFY(carte.attendreFinRecus("FR", 2000)); // "F", then the "R" that closes the port
    QString probleme;
    const auto programme = vboard::decodeUpload(carte.programme(), &probleme);
    QVERIFY2(programme, qPrintable(probleme));
    QCOMPARE(programme->timeBase, 12);
    QCOMPARE(programme->records.size(), recus);
    const int maximum = qMin(frames, 250);
    for (int k = 0; k < recus; ++k) {
        const auto& enr = ed.TabTrames[k];
        const auto& recu = programme->records[k];
        QCOMPARE(recu.duration, k <= maximum ? int(ed.TabVitesse[enr[8]]) : 0);
        QVERIFY(k > maximum || recu.duration > 0);
        for (int j = 0; j < 8; ++j)
            QCOMPARE(recu.lit[j], enr[j] == 1);
    }
}

QTEST_GUILESS_MAIN(TestTeleversementCarte)
#include "tst_televersementcarte.moc"
