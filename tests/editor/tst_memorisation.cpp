#include "Gestes.h"

#include <QtTest>

using namespace Qt::StringLiterals;

class TstMemorisation : public QObject {
    Q_OBJECT
private slots:
    void init() { QLocale::setDefault(QLocale::c()); }

    // The multiplier in force at start is x2, and its button is the one marked.
    void etatInitial() {
        Banc b;
        QCOMPARE(vue(*b) + u' ' + b->Ctl.Caption + ligne(b->TabTrames[0]),
                 u"0 0 0 0 0 0 00000000 N 1 1 0.02 * LT840 *100000000"_s);
    }

    // A left press lights or unlights a lamp inside its square (bounds included); a right press
    // records and leaves the grid; CLEAR unlights the grid but not the record. A lamp of a
    // colour of no scheme goes out first. Recording at the end extends the sequence: each
    // record takes the multiplier in force, the next one inherits it, and the frame stays on
    // the grid. Recording inside overwrites the record and shows the next one. No press changes
    // the multiplier. The decimal separator is the desktop's, the digits are western everywhere.
    void scenarios_data() {
        QTest::addColumn<Scenario>("cas");
        geste("240,375: lamp 0", "lampe:240,375", "0 0 0 0 0 0 10000000 O", "0:110000000");
        geste("690 and 840 between lamps 0 and 1", "lampe:690,600 lampe:840,600",
              "0 0 0 0 0 0 00000000 N", "0:100000000");
        geste("4889,825: lamp 7, 4890 past it", "lampe:4889,825 lampe:4890,600",
              "0 0 0 0 0 0 00000001 O", "0:100000001");
        geste("374.9 and 826 off the band", "lampe:300,826 lampe:300,374.9",
              ". . . . . . 00000000 N");
        const QString deux = u"lampe:300,600 lampe:4500,600 "_s;
        geste("lamp, right", deux + "lampe:1500,600,d", "1 . . . . . 10000001", "0:210000001");
        geste("lamp, record outside the store", deux + "EnrCours:-1 lampe:1500,600",
              "-1 . . . . . 10000001", "0:110000001");
        geste("CLEAR, middle", deux + "Cmd9:m", "0 . . . . . 00000000", "0:110000001");
        geste("colour of no scheme", "terne:3 R0:0,0,0,1 lampe:2100,600", ". . . . . . 00000000 O",
              "0:100000000");

        const char* fait = "1 0 1 1 1 1 11000000 O 1 1 0.02";
        geste("record at the end", "suite:5", "5 0 5 5 5 5 00001000 O 1 1 0.02",
              "0:210000000 1:201000000 2:200100000 3:200010000 4:200001000 5:200000000");
        geste("record inside", "suite:5 HScroll1:2 peindre:11111111 CLICK",
              "3 0 3 5 5 3 00010000 O 1 1 0.02", "2:211111111");
        geste("+ left", "peindre:11000000 Cmd1", fait, "0:211000000");
        geste("shortcut left", "peindre:11000000 Raccourci", "0 0 0 0 0 0 11000000 N 1 1 0.02");
        geste("+ middle", "peindre:11000000 Cmd1:m", "0 0 0 0 0 0 11000000 N 1 1 0.02");
        geste("x20 right", "peindre:11000000 x:5,d", fait, "0:211000000");
        // The frame on the grid is the one recorded at 250, with the code of record 249.
        const char* a250 = "249:201000000 250:210101010 251:000000000";
        const char* v250 = "250 0 250 250 250 250 10101010 O 5 5 0.2";
        geste("at 250", "suite:250 Text3:250 HScroll1:250 x:5 peindre:10101010 CLICK CLICK", v250,
              a250);
        geste("beyond 250", "suite:250 Text3:300 HScroll1:260 x:5 peindre:10101010 CLICK CLICK",
              v250, a250);
        // A record shown without a time base passes "no code" on; the record made before it is
        // given the first multiplier so that it keeps a duration.
        geste("no code inherited", "suite:2 R1:0,1,0,0,0,0,0,0,0 HScroll1:1 CLICK",
              "2 0 2 2 2 2 00000000 O -1 -1 0", "1:101000000 2:000000000");
        geste("- down to 0 and no further", "suite:2 Cmd2 Cmd2 Cmd2",
              "0 0 0 2 2 0 10000000 O 1 1 0.02");
        // Codes outside 1..6 and lamp values but 0 and 1 come only from files: showing them stays
        // inside the tables, keeps the file's code, lights only 1, writes other values back as 0.
        const auto code = [](const char* c, const char* vue) {
            geste(c, u"suite:2 x:3 R0:1,2,0,0,0,-1,0,0,%1 HScroll1:0"_s.arg(c),
                  u"0 0 0 2 2 0 10000000 O "_s + vue, u"0:"_s + c + u"10000000"_s);
        };
        code("0", "-1 -1 0");
        code("1", "0 0 0.01");
        code("6", "5 5 0.2");
        code("7", "5 5 0.2");
        // Setting the navigator where it stands shows nothing; a maximum below it moves it and
        // shows that record; neither goes past the store.
        geste("navigator where it stands", "suite:4 HScroll1:1 peindre:11111111 HScroll1:1",
              "1 0 1 4 4 1 11111111");
        geste("maximum below the navigator", "suite:4 HScroll1:3 Text3:2", "2 0 2 2 2 2 00100000");
        geste("past the store", "suite:4 Text3:5000 HScroll1:5000", "1024 0 1024 5000 1024 1024");

        // Checking "Départ" and the record against "Maximum" changes the text only.
        geste("start above", "Text3:10 Text1:12 Touche1:13", "0 10 0 10 10 0 00000000");
        geste("start empty, focus", "Text3:10 Text1: Focus1", "0 0 0 10 10 0 00000000");
        geste("current below, numerically", "Text3:10 Text2:9 Touche2:13",
              "0 0 9 10 10 0 00000000");
        geste("current above", "Text3:10 Text2:12 Touche2:13", "0 0 10 10 10 0 00000000");
        geste("current, other key", "Text3:10 Text2:12 Touche2:50", "0 0 12 10 10 0 00000000");

        geste("fr 0.35 x15", "langue:fr_FR List1:8 x:4", ". . . . . . . . 4 4 5,25");
        geste("fr 0.3 x1, not 0,29999999999999999", "langue:fr_FR List1:7 x:0",
              ". . . . . . . . 0 0 0,3");
        geste("fr no entry selected", "langue:fr_FR List1:-1 x:3", ". . . . . . . . 3 3 0");
        geste("ar 0.01 x2", "langue:ar_EG List1:0 x:1", ". . . . . . . . 1 1 0٫02");
    }
    void scenarios() { derouler(); }
};

QTEST_GUILESS_MAIN(TstMemorisation)
#include "tst_memorisation.moc"
