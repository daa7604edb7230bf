#include "Motifs.h"

#include <QtTest>

using namespace Qt::StringLiterals;

namespace {

// Records 0..249 made at x2, "Maximum" typed and the navigator set (a typed
// count or a longer file), then a frame composed at x20 and "+" pressed twice.
auto butee(const QString& maximum, int position) {
    return [=](LT840& ed) {
        suite(ed, 250);
        ed.setText3(maximum);
        ed.setHScroll1Value(position);
        ed.Option1_MouseDown(5, Souris::Gauche);
        peindre(ed, u"10101010"_s);
        ed.CLICK();
        ed.CLICK();
    };
}

// Codes outside 1..6 and lamp values other than 0 and 1 come only from files:
// record 0 gets them, with lamp 0 lit, lamp 1 at 2 and lamp 5 at -1, and is
// shown after x10 was chosen.
auto code(int c) {
    return [=](LT840& ed) {
        ed.Option1_MouseDown(3, Souris::Gauche);
        ed.TabTrames[0][LigneCode] = qint16(c);
        ed.TabTrames[0][1] = 2;
        ed.TabTrames[0][5] = -1;
        ed.setHScroll1Value(0);
    };
}

// "11000000" composed, then `commande` pressed (a multiplier button, x20, when null).
auto presser(void (LT840::*commande)(Souris), Souris bouton) {
    return [=](LT840& ed) {
        peindre(ed, u"11000000"_s);
        commande ? (ed.*commande)(bouton) : ed.Option1_MouseDown(5, bouton);
    };
}

void dedans(LT840& ed) {
    ed.setHScroll1Value(2);
    peindre(ed, u"11111111"_s);
    ed.CLICK();
}

void sansCode(LT840& ed) {
    ed.TabTrames[1][LigneCode] = 0;
    ed.setHScroll1Value(1);
    ed.CLICK();
}

auto moins(int fois) {
    return [=](LT840& ed) {
        for (int i = 0; i < fois; ++i)
            ed.Cmd2_Click();
    };
}

void surPlace(LT840& ed) {
    ed.setHScroll1Value(1);
    peindre(ed, u"11111111"_s);
    ed.setHScroll1Value(1);
}

auto naviguer(int avant, const QString& maximum, int apres) {
    return [=](LT840& ed) {
        ed.setHScroll1Value(avant);
        ed.setText3(maximum);
        if (apres >= 0)
            ed.setHScroll1Value(apres);
    };
}

} // namespace

class TstMemorisation : public QObject {
    Q_OBJECT
private slots:
    void initTestCase() { QLocale::setDefault(QLocale::c()); }

    // Recording at the end extends the sequence: each record takes the multiplier
    // in force, the next one inherits it, and the frame stays on the grid.
    // Recording inside overwrites the record and shows the next one. No press
    // changes the multiplier.
    void memorisation_data() {
        QTest::addColumn<Scenario>("cas");
        const char* fait = "1 0 1 1 1 1 11000000 O 1 0 0.02";
        const char* pasFait = "0 0 0 0 0 0 11000000 N 1 0 0.02";
        const auto plus = &LT840::Cmd1_MouseDown, droit = &LT840::RaccourciDroit_MouseDown;
        scene(
            "record at the end", 5, [](LT840&) {}, "5 0 5 5 5 5 00001000 O 1 0 0.02",
            "0:210000000 1:201000000 2:200100000 3:200010000 4:200001000 5:200000000");
        scene("record inside", 5, dedans, "3 0 3 5 5 3 00010000 O 1 1 0.02", "2:211111111");
        scene("+ left", 0, presser(plus, Souris::Gauche), fait, "0:211000000");
        scene("+ right", 0, presser(plus, Souris::Droit), fait);
        scene("+ middle", 0, presser(plus, Souris::Milieu), pasFait, "0:100000000");
        scene("shortcut right", 0, presser(droit, Souris::Droit), fait);
        scene("shortcut left", 0, presser(droit, Souris::Gauche), pasFait);
        scene("x20 right", 0, presser(nullptr, Souris::Droit), fait, "0:211000000");
        // The frame on the grid is the one recorded at 250, with the code of record 249.
        const char* a250 = "249:201000000 250:210101010 251:000000000";
        scene("at 250", 0, butee(u"250"_s, 250), "250 0 250 250 250 250 10101010 O 5 5 0.2", a250);
        scene("beyond 250", 0, butee(u"300"_s, 260), "250 0 250 250 250 250 10101010 O 5 5 0.2",
              a250);
        // A record shown without a time base passes "no code" on; the record made before it
        // is given the first multiplier so that it keeps a duration.
        scene("no code inherited", 2, sansCode, "2 0 2 2 2 2 00000000 O -1 . 0",
              "1:101000000 2:000000000");
        scene("- from the end", 2, moins(1), "1 0 1 2 2 1 01000000 O 1 1 0.02");
        scene("- down to 0 and no further", 2, moins(3), "0 0 0 2 2 0 10000000 O 1 1 0.02");
        scene("- with nothing made", 0, moins(1), "0 0 0 0 0 0 00000000 N 1 0 0.02");
        // Showing them reads and writes nothing outside the tables and keeps the code as the
        // file had it; only 1 shows lit and the other lamp values are written back as 0.
        scene("code 0", 2, code(0), "0 0 0 2 2 0 10000000 O -1 3 0", "0:010000000");
        scene("code 1", 2, code(1), "0 0 0 2 2 0 10000000 O 0 0 0.01", "0:110000000");
        scene("code 6", 2, code(6), "0 0 0 2 2 0 10000000 O 5 5 0.2", "0:610000000");
        scene("code 7", 2, code(7), "0 0 0 2 2 0 10000000 O 5 5 0.2", "0:710000000");
        scene("code 32767", 2, code(32767), "0 0 0 2 2 0 10000000 O 5 5 0.2", "0:3276710000000");
        scene("code -32768", 2, code(-32768), "0 0 0 2 2 0 10000000 O -1 3 0", "0:-3276810000000");
        // Setting the navigator where it stands shows nothing; a maximum below it moves it and
        // shows that record; neither goes past the store.
        scene("navigator where it stands", 4, surPlace, "1 0 1 4 4 1 11111111");
        scene("maximum below the navigator", 4, naviguer(3, u"2"_s, -1), "2 0 2 2 2 2 00100000");
        scene("past the store", 4, naviguer(0, u"5000"_s, 5000), "1024 0 1024 5000 1024 1024");
    }
    void memorisation() { derouler(); }
};

QTEST_GUILESS_MAIN(TstMemorisation)
#include "tst_memorisation.moc"
