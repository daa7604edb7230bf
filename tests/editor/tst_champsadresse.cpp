#include "Motifs.h"
#include "editor/ValeurNumerique.h"

#include <QtTest>

using namespace Qt::StringLiterals;

namespace {

// k for a record that lights lamp k alone with time-base code k + 1, -1 for an emptied one
// (rows 0..8), -2 for anything else.
int signature(const LT840::Enregistrement& r) {
    const int k = r[LigneCode] - 1;
    LT840::Enregistrement attendu{};
    if (k >= 0 && k < NombreLampes) {
        attendu[k] = 1;
        attendu[LigneCode] = r[LigneCode];
    }
    return std::equal(r.begin(), r.begin() + 9, attendu.begin()) ? k : -2;
}

// The count typed into Text3 and the record into Text2; `attendus`: records 0..5 afterwards,
// none when nothing may change.
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
    // A French desktop writes numbers with a comma; list entries and files use a point. Each
    // row is "text|value|integer", the integer rounded half to even, "-" when it does not fit
    // 16 bits.
    void valeur_data() {
        QTest::addColumn<QStringList>("cas");
        for (const QString& l :
             {u"|0|0"_s, u"abc|0|0"_s, u"12abc|12|12"_s, u"\t 7 |7|7"_s, u".5|0.5|0"_s,
              u"1.2.3|1.2|1"_s, u"2,5|2|2"_s, u"2.5|2.5|2"_s, u"3.5|3.5|4"_s, u"+3|3|3"_s,
              u"- 5|0|0"_s, u"32767|32767|32767"_s, u"-32768|-32768|-32768"_s, u"32768|32768|-"_s,
              u"-32769|-32769|-"_s, QString(400, u'9') + u"|inf|-"_s})
            QTest::newRow(qPrintable(l.left(12))) << l.split(u'|');
    }
    void valeur() {
        QLocale::setDefault(QLocale(QLocale::French, QLocale::France));
        QFETCH(QStringList, cas);
        QCOMPARE(valeurNumerique(cas[0]), cas[1].toDouble());
        const auto v = entier16(cas[0]);
        QCOMPARE(v ? QString::number(*v) : u"-"_s, cas[2]);
    }

    // A count that names no number keeps the navigator's range, any number is held within the
    // store. "Supp." moves rows 0..8 of the records after the deleted one down one place, the
    // last record having been emptied first, and writes the count less one after a blank:
    // unsaved work. Unless both fields name records of the store and the record lies within
    // the sequence, it changes nothing.
    void suppression_data() {
        QTest::addColumn<Suppression>("cas");
        using S = Suppression;
        QTest::newRow("middle") << S{u"5"_s, 5, u"2"_s, {0, 1, 3, 4, -1, -1}, 2};
        QTest::newRow("working record") << S{u"5"_s, 5, u"5"_s, {0, 1, 2, 3, 4, -1}, 4};
        QTest::newRow("empty sequence") << S{u"0"_s, 0, u"0"_s, {-1, 1, 2, 3, 4, -2}, 0};
        QTest::newRow("blank before") << S{u" 7"_s, 7, u"2"_s, {0, 1, 3, 4, -2, -1}, 2};
        QTest::newRow("digits then letters") << S{u"5"_s, 5, u"2abc"_s, {0, 1, 3, 4, -1, -1}, 2};
        QTest::newRow("end of the store")
            << S{u"1024"_s, 1024, u"1023"_s, {0, 1, 2, 3, 4, -2}, 1023};
        QTest::newRow("fraction") << S{u"6.5"_s, 6, u"2"_s};
        QTest::newRow("empty") << S{u""_s, 5, u"0"_s};
        QTest::newRow("negative") << S{u"-5"_s, 0, u"0"_s};
        QTest::newRow("past the store") << S{u"1025"_s, 1024, u"2"_s};
        QTest::newRow("past any integer") << S{QString(30, u'9'), 1024, u"2"_s};
        QTest::newRow("record negative") << S{u"5"_s, 5, u"-1"_s};
        QTest::newRow("record after the count") << S{u"5"_s, 5, u"7"_s};
    }
    // Records 0..4 made with "+", record k lighting lamp k with time-base code k + 1, junk in
    // the working record 5 and in the store's last record, every lamp lit; the navigator at 0
    // lets a negative count stand; then the fields typed and the record to delete shown.
    void suppression() {
        QFETCH(Suppression, cas);
        Banc b;
        for (int k = 0; k < 5; ++k) {
            peindre(*b, seule(k));
            b->IndTempo = qint16(k);
            b->CLICK();
        }
        b->TabTrames[5].fill(1);
        b->TabTrames[DernierEnr].fill(3);
        peindre(*b, u"11111111"_s);
        b->TabTrames[3][9] = 77; // rows past the code stay with their record
        b->setHScroll1Value(0);
        b->setText3(cas.texte3);
        QCOMPARE(b->HScroll1Max(), cas.maximum);
        b->setHScroll1Value(cas.texte2.toInt());
        b->Ctl.Text2 = cas.texte2;
        b->Modifie = false;
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
        QCOMPARE(grille(*b), enr(*b, cas.enrCours));
    }
};

QTEST_GUILESS_MAIN(TstChampsAdresse)
#include "tst_champsadresse.moc"
