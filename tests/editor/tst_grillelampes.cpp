#include "Motifs.h"

#include <QtTest>

using namespace Qt::StringLiterals;

namespace {

// Left presses, in twips from the grid's top left corner.
auto gauche(float x, float y) {
    return [=](LT840& ed) { ed.Frame1_MouseDown(Souris::Gauche, x, y); };
}

// Lamps 0 and 7 lit in record 0, then lamp 2 (CLEAR when `clear`) pressed with
// `bouton`.
auto ensuite(Souris bouton, bool clear = false, bool horsDuStock = false) {
    return [=](LT840& ed) {
        ed.Frame1_MouseDown(Souris::Gauche, 300, 600);
        ed.Frame1_MouseDown(Souris::Gauche, 4500, 600);
        if (horsDuStock)
            ed.EnrCours = -1;
        if (clear)
            ed.Cmd9_MouseDown(bouton);
        else
            ed.Frame1_MouseDown(bouton, 1500, 600);
    };
}

// Lamp 3 lit in record 0 but painted in a colour of no scheme, then pressed `n`
// times: the test is against the unlit colour, so it goes out first.
auto etrangere(int n) {
    return [=](LT840& ed) {
        ed.Ctl.Shape1[3].FillColor = 0x0000C000;
        ed.TabTrames[0][3] = 1;
        for (int i = 0; i < n; ++i)
            ed.Frame1_MouseDown(Souris::Gauche, 2100, 600);
    };
}

} // namespace

class TstGrilleLampes : public QObject {
    Q_OBJECT
private slots:
    // A right press records and leaves the grid; CLEAR unlights the grid but not
    // the record.
    void pressions_data() {
        QTest::addColumn<Scenario>("cas");
        scene("240,375: lamp 0", 0, gauche(240, 375), "0 0 0 0 0 0 10000000 O", "0:110000000");
        scene("690,600 excluded", 0, gauche(690, 600), "0 0 0 0 0 0 00000000 N", "0:100000000");
        scene("4889,825: lamp 7", 0, gauche(4889, 825), "0 0 0 0 0 0 00000001 O", "0:100000001");
        scene("4890,600 excluded", 0, gauche(4890, 600), ". . . . . . 00000000 N");
        scene("below the band", 0, gauche(300, 826), ". . . . . . 00000000 N");
        scene("above the band", 0, gauche(300, 374.9f), ". . . . . . 00000000 N");
        scene("840,600 before lamp 1", 0, gauche(840, 600), ". . . . . . 00000000 N",
              "0:100000000");
        scene("lamp, right", 0, ensuite(Souris::Droit), "1 . . . . . 10000001", "0:210000001");
        scene("lamp, middle", 0, ensuite(Souris::Milieu), "0 . . . . . 10000001", "0:110000001");
        scene("lamp, record outside the store", 0, ensuite(Souris::Gauche, false, true),
              "-1 . . . . . 10000001", "0:110000001");
        scene("CLEAR, right", 0, ensuite(Souris::Droit, true), "1 . . . . . 10000001",
              "0:210000001");
        scene("CLEAR, middle", 0, ensuite(Souris::Milieu, true), "0 . . . . . 00000000",
              "0:110000001");
        scene("colour of no scheme", 0, etrangere(1), ". . . . . . 00000000 O", "0:100000000");
        scene("colour of no scheme, twice", 0, etrangere(2), ". . . . . . 00010000", "0:100010000");
    }
    void pressions() { derouler(); }
};

QTEST_GUILESS_MAIN(TstGrilleLampes)
#include "tst_grillelampes.moc"
