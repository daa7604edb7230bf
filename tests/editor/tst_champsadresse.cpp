#include "Banc.h"
#include "Motifs.h"

#include <QtTest>

using namespace Qt::StringLiterals;

namespace {

constexpr int PerteDuFocus = -1;

// Records 0..4 made with "+", record k with lamp k lit and time-base code k + 1; then junk
// in the working record 5 and in the store's last record, and every lamp lit.
void preparer(LT840& ed) {
    for (int k = 0; k < 5; ++k) {
        peindre(ed, seule(k));
        ed.IndTempo = qint16(k);
        ed.CLICK();
    }
    ed.TabTrames[5].fill(1);
    ed.TabTrames[DernierEnr].fill(3);
    peindre(ed, "11111111");
}

// k for record k as preparer made it, -1 for an emptied one (rows 0..8), -2 for anything else.
int signature(const LT840::Enregistrement& r) {
    const int k = r[LigneCode] - 1;
    LT840::Enregistrement attendu{};
    if (k >= 0 && k < NombreLampes) {
        attendu[k] = 1;
        attendu[LigneCode] = r[LigneCode];
    }
    return std::equal(r.begin(), r.begin() + 9, attendu.begin()) ? k : -2;
}

} // namespace

class TstChampsAdresse : public QObject {
    Q_OBJECT
private slots:
    void verification_data() {
        QTest::addColumn<int>("champ");
        QTest::addColumn<QString>("texte");
        QTest::addColumn<int>("touche");
        QTest::addColumn<QString>("attendu");
        QTest::newRow("start above") << 1 << u"12"_s << ToucheEntree << u"10"_s;
        QTest::newRow("start empty, focus") << 1 << u""_s << PerteDuFocus << u"0"_s;
        QTest::newRow("start above, focus") << 1 << u"12"_s << PerteDuFocus << u"10"_s;
        QTest::newRow("start letters") << 1 << u"abc"_s << ToucheEntree << u"abc"_s;
        QTest::newRow("start, other key") << 1 << u"12"_s << int('A') << u"12"_s;
        QTest::newRow("current below, numerically") << 2 << u"9"_s << ToucheEntree << u"9"_s;
        QTest::newRow("current above") << 2 << u"12"_s << ToucheEntree << u"10"_s;
        QTest::newRow("current, other key") << 2 << u"12"_s << int('2') << u"12"_s;
    }
    // Text3 shows 10. The check changes the text only: record, navigator and grid stay put.
    void verification() {
        QFETCH(int, champ);
        QFETCH(QString, texte);
        QFETCH(int, touche);
        QFETCH(QString, attendu);
        Banc b;
        b->setText3(u"10"_s);
        QString& texteChamp = champ == 1 ? b->Ctl.Text1 : b->Ctl.Text2;
        texteChamp = texte;
        if (touche == PerteDuFocus)
            b->Text1_LostFocus();
        else if (champ == 1)
            b->Text1_KeyPress(touche);
        else
            b->Text2_KeyPress(touche);
        QCOMPARE(texteChamp, attendu);
        QCOMPARE(b->EnrCours, qint16(0));
        QCOMPARE(b->HScroll1Value(), 0);
    }

    // The count typed into Text3 and the record into Text2. A count that names no number keeps
    // the navigator's range, any number is held within the store. "Supp." moves rows 0..8 of
    // the records after the deleted one down one place, the last record having been emptied
    // first, and writes the count less one after a blank: unsaved work. Unless both fields name
    // records of the store and the record lies within the sequence, it changes nothing (no
    // records given).
    void suppression_data() {
        QTest::addColumn<QString>("texte3");
        QTest::addColumn<int>("maximum");
        QTest::addColumn<QString>("texte2");
        QTest::addColumn<QList<int>>("attendus"); // records 0..5 afterwards
        QTest::addColumn<int>("enrCours");
        using L = QList<int>;
        const L refus;
        QTest::newRow("middle") << u"5"_s << 5 << u"2"_s << L{0, 1, 3, 4, -1, -1} << 2;
        QTest::newRow("last") << u"5"_s << 5 << u"4"_s << L{0, 1, 2, 3, -1, -1} << 4;
        QTest::newRow("working record") << u"5"_s << 5 << u"5"_s << L{0, 1, 2, 3, 4, -1} << 4;
        QTest::newRow("empty sequence") << u"0"_s << 0 << u"0"_s << L{-1, 1, 2, 3, 4, -2} << 0;
        QTest::newRow("blank before") << u" 7"_s << 7 << u"2"_s << L{0, 1, 3, 4, -2, -1} << 2;
        QTest::newRow("digits then letters")
            << u"5"_s << 5 << u"2abc"_s << L{0, 1, 3, 4, -1, -1} << 2;
        QTest::newRow("end of the store")
            << u"1024"_s << 1024 << u"1023"_s << L{0, 1, 2, 3, 4, -2} << 1023;
        QTest::newRow("fraction") << u"6.5"_s << 6 << u"2"_s << refus << 0;
        QTest::newRow("empty") << u""_s << 5 << u"0"_s << refus << 0;
        QTest::newRow("letters") << u"abc"_s << 5 << u"0"_s << refus << 0;
        QTest::newRow("sign alone") << u"-"_s << 5 << u"0"_s << refus << 0;
        QTest::newRow("negative") << u"-5"_s << 0 << u"0"_s << refus << 0;
        QTest::newRow("past the store") << u"1025"_s << 1024 << u"2"_s << refus << 0;
        QTest::newRow("past any integer")
            << u"123456789012345678901234567890"_s << 1024 << u"2"_s << refus << 0;
        QTest::newRow("record negative") << u"5"_s << 5 << u"-1"_s << refus << 0;
        QTest::newRow("record after the count") << u"5"_s << 5 << u"7"_s << refus << 0;
    }
    void suppression() {
        QFETCH(QString, texte3);
        QFETCH(int, maximum);
        QFETCH(QString, texte2);
        QFETCH(QList<int>, attendus);
        QFETCH(int, enrCours);
        Banc b;
        preparer(*b);
        b->TabTrames[3][9] = 77;
        b->setHScroll1Value(0); // lets a negative count stand: the navigator has nowhere to go
        b->setText3(texte3);
        QCOMPARE(b->HScroll1Max(), maximum);
        b->setHScroll1Value(texte2.toInt()); // where the user stands when deleting
        b->Ctl.Text2 = texte2;
        b->Modifie = false; // as after a save
        const auto magasin = b->TabTrames;
        b->CmdSUPP_Click();
        if (attendus.isEmpty()) {
            QVERIFY(b->TabTrames == magasin);
            QCOMPARE(b->Text3(), texte3);
            QVERIFY(!b->Modifie);
            return;
        }
        QCOMPARE(b->Text3(), maximum > 0 ? u" %1"_s.arg(maximum - 1) : u"0"_s);
        for (int r = 0; r < attendus.size(); ++r)
            QCOMPARE(signature(b->TabTrames[r]), attendus[r]);
        QCOMPARE(signature(b->TabTrames[maximum]), -1);
        QCOMPARE(b->TabTrames[3][9], qint16(77)); // rows past the code stay with their record
        QCOMPARE(b->EnrCours, qint16(enrCours));
        QCOMPARE(grille(*b), enr(*b, enrCours)); // the grid, all lit before, shows the record
        QVERIFY(b->Modifie);
    }
};

QTEST_GUILESS_MAIN(TstChampsAdresse)
#include "tst_champsadresse.moc"
