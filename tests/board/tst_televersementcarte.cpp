#include "CarteVirtuelle.h"
#include "PosteReel.h"
#include "board/FluxRecu.h"

#include <QSerialPort>
#include <QTest>

// A sequence made through the window programs the virtual board over the real serial adapter,
// and the port closes only once the board has had the "R".
class TestTeleversementCarte : public QObject {
    Q_OBJECT

private slots:
    void programmeLaCarte_data() {
        QTest::addColumn<int>("frames");
        QTest::addColumn<int>("recus"); // records the board takes in
        // 20 records end in block 1: the board takes blocks 0 and 1, the head and 31 records.
        QTest::newRow("short") << 20 << 31;
        QTest::newRow("full") << 251 << 251;
    }
    void programmeLaCarte() {
        QFETCH(int, frames);
        QFETCH(int, recus);
        CarteVirtuelle carte;
        QCOMPARE(carte.demarrer(), QString());
        PosteReel poste;
        poste.composer(frames);

        poste->transmet_Click();

        QVERIFY(poste.messages.affichees.isEmpty());
        QVERIFY(!poste.port.estOuvert());
        QVERIFY(carte.attendreFinRecus("FR", 2000)); // "F", then the "R" that closes the port
        QString probleme;
        const auto flux = cartevirtuelle::decoderFlux(carte.fluxRecu(), &probleme);
        QVERIFY2(flux, qPrintable(probleme));
        QCOMPARE(flux->tempsBase, 12);
        QCOMPARE(flux->enregistrements.size(), recus);
        for (int k = 0; k < recus; ++k) { // past the sequence the store holds code 0, no lamp
            const auto& enr = poste->TabTrames[k];
            QCOMPARE(flux->enregistrements[k].duree, int(TabVitesse[enr[LigneCode]]));
            for (int j = 0; j < NombreLampes; ++j)
                QCOMPARE(flux->enregistrements[k].allumees[j], enr[j] == 1);
        }
    }

    // The board hangs up in the middle of the first block: the user is told once why the
    // line went, then that the dialogue failed.
    void ligneCoupee() {
        CarteVirtuelle carte;
        QCOMPARE(carte.demarrer({"--fault", "hangup"}), QString());
        PosteReel poste;
        poste.composer(20);

        poste->transmet_Click();

        QStringList boites;
        for (const BoiteAffichee& b : poste.messages.affichees)
            boites.append(b.titre + u'|' + b.prompt);
        QCOMPARE(boites.size(), 2);
        QVERIFY2(boites[0] == QStringLiteral("LT840|ERREUR :%1").arg(QSerialPort::ReadError) ||
                     boites[0] ==
                         QStringLiteral("LT840|ERREUR :%1").arg(QSerialPort::ResourceError),
                 qPrintable(boites[0]));
        QCOMPARE(boites[1], Titre + QStringLiteral("|DEFAUT DE DIALOGUE"));
    }
};

QTEST_GUILESS_MAIN(TestTeleversementCarte)
#include "tst_televersementcarte.moc"
