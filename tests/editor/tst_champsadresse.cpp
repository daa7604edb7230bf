#include "Motifs.h"

#include <QtTest>

using namespace Qt::StringLiterals;

namespace {

constexpr int PerteDuFocus = -1;

// Text3 shows 10, then Text1 or Text2 is given `texte` and `touche`.
auto saisir(int champ, const QString& texte, int touche = ToucheEntree) {
    return [=](LT840& ed) {
        ed.setText3(u"10"_s);
        (champ == 1 ? ed.Ctl.Text1 : ed.Ctl.Text2) = texte;
        if (touche == PerteDuFocus)
            ed.Text1_LostFocus();
        else if (champ == 1)
            ed.Text1_KeyPress(touche);
        else
            ed.Text2_KeyPress(touche);
    };
}

// Records 0..4 made with "+", record k with lamp k lit and time-base code k +
// 1; then junk in the working record 5 and in the store's last record, and
// every lamp lit.
void preparer(LT840& ed) {
    for (int k = 0; k < 5; ++k) {
        peindre(ed, seule(k));
        ed.IndTempo = qint16(k);
        ed.CLICK();
    }
    ed.TabTrames[5].fill(1);
    ed.TabTrames[DernierEnr].fill(3);
    peindre(ed, u"11111111"_s);
}

// k for record k as preparer made it, -1 for an emptied one (rows 0..8), -2 for
// anything else.
int signature(const LT840::Enregistrement& r) {
    const int k = r[LigneCode] - 1;
    LT840::Enregistrement attendu{};
    if (k >= 0 && k < NombreLampes) {
        attendu[k] = 1;
        attendu[LigneCode] = r[LigneCode];
    }
    return std::equal(r.begin(), r.begin() + 9, attendu.begin()) ? k : -2;
}

// The count typed into Text3 and the record into Text2; `attendus`: records
// 0..5 afterwards, none when nothing may change.
struct Suppression {
    QString texte3;
    int maximum;
    QString texte2;
    QList<int> attendus{};
    int enrCours = 0;
};

} // namespace

class TstChampsAdresse : public QObject {
    Q_OBJECT
private slots:
    // The check changes the text only: record, navigator and grid stay put.
    void verification_data() {
        QTest::addColumn<Scenario>("cas");
        scene("start above", 0, saisir(1, u"12"_s), "0 10 0 10 10 0 00000000");
        scene("start empty, focus", 0, saisir(1, u""_s, PerteDuFocus), "0 0 0 10 10 0 00000000");
        scene("start above, focus", 0, saisir(1, u"12"_s, PerteDuFocus), "0 10 0 10 10 0 00000000");
        scene("start letters", 0, saisir(1, u"abc"_s), "0 abc 0 10 10 0 00000000");
        scene("start, other key", 0, saisir(1, u"12"_s, 'A'), "0 12 0 10 10 0 00000000");
        scene("current below, numerically", 0, saisir(2, u"9"_s), "0 0 9 10 10 0 00000000");
        scene("current above", 0, saisir(2, u"12"_s), "0 0 10 10 10 0 00000000");
        scene("current, other key", 0, saisir(2, u"12"_s, '2'), "0 0 12 10 10 0 00000000");
    }
    void verification() { derouler(); }

    // A count that names no number keeps the navigator's range, any number is
    // held within the store. "Supp." moves rows 0..8 of the records after the
    // deleted one down one place, the last record having been emptied first, and
    // writes the count less one after a blank: unsaved work. Unless both fields
    // name records of the store and the record lies within the sequence, it
    // changes nothing.
    void suppression_data() {
        QTest::addColumn<Suppression>("cas");
        using S = Suppression;
        QTest::newRow("middle") << S{u"5"_s, 5, u"2"_s, {0, 1, 3, 4, -1, -1}, 2};
        QTest::newRow("last") << S{u"5"_s, 5, u"4"_s, {0, 1, 2, 3, -1, -1}, 4};
        QTest::newRow("working record") << S{u"5"_s, 5, u"5"_s, {0, 1, 2, 3, 4, -1}, 4};
        QTest::newRow("empty sequence") << S{u"0"_s, 0, u"0"_s, {-1, 1, 2, 3, 4, -2}, 0};
        QTest::newRow("blank before") << S{u" 7"_s, 7, u"2"_s, {0, 1, 3, 4, -2, -1}, 2};
        QTest::newRow("digits then letters") << S{u"5"_s, 5, u"2abc"_s, {0, 1, 3, 4, -1, -1}, 2};
        QTest::newRow("end of the store")
            << S{u"1024"_s, 1024, u"1023"_s, {0, 1, 2, 3, 4, -2}, 1023};
        QTest::newRow("fraction") << S{u"6.5"_s, 6, u"2"_s};
        QTest::newRow("empty") << S{u""_s, 5, u"0"_s};
        QTest::newRow("letters") << S{u"abc"_s, 5, u"0"_s};
        QTest::newRow("sign alone") << S{u"-"_s, 5, u"0"_s};
        QTest::newRow("negative") << S{u"-5"_s, 0, u"0"_s};
        QTest::newRow("past the store") << S{u"1025"_s, 1024, u"2"_s};
        QTest::newRow("past any integer") << S{u"123456789012345678901234567890"_s, 1024, u"2"_s};
        QTest::newRow("record negative") << S{u"5"_s, 5, u"-1"_s};
        QTest::newRow("record after the count") << S{u"5"_s, 5, u"7"_s};
    }
    void suppression() {
        QFETCH(Suppression, cas);
        Banc b;
        preparer(*b);
        b->TabTrames[3][9] = 77; // rows past the code stay with their record
        b->setHScroll1Value(0);  // lets a negative count stand: the navigator has nowhere to go
        b->setText3(cas.texte3);
        QCOMPARE(b->HScroll1Max(), cas.maximum);
        b->setHScroll1Value(cas.texte2.toInt()); // where the user stands when deleting
        b->Ctl.Text2 = cas.texte2;
        b->Modifie = false; // as after a save
        const auto magasin = b->TabTrames;
        b->CmdSUPP_Click();
        const bool refus = cas.attendus.isEmpty();
        QCOMPARE(b->Text3(), refus             ? cas.texte3
                             : cas.maximum > 0 ? u" %1"_s.arg(cas.maximum - 1)
                                               : u"0"_s);
        QCOMPARE(b->Modifie, !refus);
        if (refus) {
            QVERIFY(b->TabTrames == magasin);
            return;
        }
        QList<int> signatures;
        for (int r = 0; r < cas.attendus.size(); ++r)
            signatures << signature(b->TabTrames[r]);
        QCOMPARE(signatures, cas.attendus);
        QCOMPARE(signature(b->TabTrames[cas.maximum]), -1);
        QCOMPARE(b->TabTrames[3][9], qint16(77));
        QCOMPARE(b->EnrCours, qint16(cas.enrCours));
        QCOMPARE(grille(*b), enr(*b, cas.enrCours)); // all lit before
    }
};

QTEST_GUILESS_MAIN(TstChampsAdresse)
#include "tst_champsadresse.moc"
