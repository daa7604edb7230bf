#include "CarteVirtuelle.h"
#include "PosteReel.h"
#include "board/FluxRecu.h"

#include <QTest>

// A sequence made as a user makes it programs the virtual board over the real serial adapter,
// and the port closes only once the board has had the "R". What each reply does to the upload
// is pinned on the scripted port.
class TestTeleversementCarte : public QObject {
    Q_OBJECT

private slots:
    void programmeLaCarte() {
        CarteVirtuelle carte;
        QCOMPARE(carte.demarrer(), QString());
        PosteReel poste;
        poste.composer(20);

        poste->transmet_Click();

        QVERIFY(poste.messages.affichees.isEmpty());
        QVERIFY(!poste.port.estOuvert());
        QVERIFY(carte.attendreFinRecus("FR", 10000)); // "F", then the "R" that closes the port
        QString probleme;
        const auto flux = cartevirtuelle::decoderFlux(carte.fluxRecu(), &probleme);
        QVERIFY2(flux, qPrintable(probleme));
        QCOMPARE(flux->tempsBase, 12);
        // 20 records end in block 1: the board takes blocks 0 and 1, the head and 31 records;
        // past the sequence the store holds code 0, no lamp.
        QCOMPARE(flux->enregistrements.size(), 31);
        for (int k = 0; k < 31; ++k) {
            const auto& enr = poste->TabTrames[k];
            QCOMPARE(flux->enregistrements[k].duree, int(TabVitesse[enr[LigneCode]]));
            for (int j = 0; j < NombreLampes; ++j)
                QCOMPARE(flux->enregistrements[k].allumees[j], enr[j] == 1);
        }
    }
};

QTEST_GUILESS_MAIN(TestTeleversementCarte)
#include "tst_televersementcarte.moc"
