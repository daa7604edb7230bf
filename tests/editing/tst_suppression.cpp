#include "Banc.h"

#include <QtTest>

using namespace Qt::StringLiterals;

namespace {

// Records 0..4, record k with lamp k lit and time-base code k + 1; record 5 is the working
// record, with no lamp and the code of record 4.
void cinqEnregistrements(LT840& ed) {
    for (int k = 0; k < 5; ++k) {
        for (int i = 0; i < 8; ++i)
            ed.Ctl.Shape1[i].FillColor = i == k ? ed.CouleurOn : ed.CouleurOff;
        ed.IndTempo = qint16(k);
        ed.CLICK();
    }
}

// k for a record made by cinqEnregistrements, -1 for an emptied record, -2 for anything else.
int signature(const LT840::Enregistrement& r) {
    if (std::all_of(r.begin(), r.begin() + 9, [](qint16 v) { return v == 0; }))
        return -1;
    for (int k = 0; k < 8; ++k) {
        bool conforme = r[8] == k + 1;
        for (int i = 0; i < 8; ++i)
            conforme = conforme && r[i] == (i == k ? 1 : 0);
        if (conforme)
            return k;
    }
    return -2;
}

QString grille(const LT840& ed) {
    QString motif;
    for (const Lampe& l : ed.Ctl.Shape1)
        motif += l.FillColor == ed.CouleurOn ? u'1' : u'0';
    return motif;
}

} // namespace

class TstSuppression : public QObject {
    Q_OBJECT
private slots:
    void suppression_data() {
        QTest::addColumn<int>("a");
        QTest::addColumn<QList<int>>("attendus"); // records 0..5 afterwards
        QTest::addColumn<int>("enrCours");
        QTest::addColumn<QString>("grilleApres");
        QTest::newRow("premier") << 0 << QList<int>{1, 2, 3, 4, -1, -1} << 0 << u"01000000"_s;
        QTest::newRow("milieu") << 2 << QList<int>{0, 1, 3, 4, -1, -1} << 2 << u"00010000"_s;
        QTest::newRow("dernier") << 4 << QList<int>{0, 1, 2, 3, -1, -1} << 4 << u"00000000"_s;
        QTest::newRow("enregistrement de travail")
            << 5 << QList<int>{0, 1, 2, 3, 4, -1} << 4 << u"00001000"_s;
    }
    void suppression() {
        QFETCH(int, a);
        QFETCH(QList<int>, attendus);
        QFETCH(int, enrCours);
        QFETCH(QString, grilleApres);
        Banc b;
        cinqEnregistrements(*b);
        b->TabTrames[3][9] = 77;
        b->setHScroll1Value(a);
        b->CmdSUPP_Click();
        for (int r = 0; r < attendus.size(); ++r)
            QCOMPARE(signature(b->TabTrames[r]), attendus[r]);
        QCOMPARE(b->TabTrames[3][9], qint16(77)); // rows past the code stay with their record
        QCOMPARE(b->TabTrames[2][9], qint16(0));
        QCOMPARE(b->Text3(), QStringLiteral(" 4"));
        QCOMPARE(b->HScroll1Max(), 4);
        QCOMPARE(b->EnrCours, qint16(enrCours));
        QCOMPARE(b->Ctl.Text2, QString::number(enrCours));
        QCOMPARE(grille(*b), grilleApres);
        QCOMPARE(b->Modifie, QStringLiteral("N"));
    }

    void sequenceVide() {
        Banc b;
        b->TabTrames[0][2] = 1;
        b->Ctl.Shape1[2].FillColor = b->CouleurOn;
        b->CmdSUPP_Click();
        QCOMPARE(signature(b->TabTrames[0]), -1);
        QCOMPARE(b->Text3(), QStringLiteral("0"));
        QCOMPARE(b->EnrCours, qint16(0));
        QCOMPARE(grille(*b), QStringLiteral("00000000"));
    }

    // Fields that name no record of the sequence make "Supp." do nothing at all.
    void saisieRefusee_data() {
        QTest::addColumn<QString>("texte2");
        QTest::addColumn<QString>("texte3");
        QTest::newRow("compte negatif") << u"0"_s << u"-1"_s;
        QTest::newRow("compte au-dela du magasin") << u"2"_s << u"1025"_s;
        QTest::newRow("compte au-dela de 16 bits") << u"2"_s << u"99999"_s;
        QTest::newRow("compte en lettres") << u"2"_s << u"abc"_s;
        QTest::newRow("compte vide") << u"2"_s << u""_s;
        QTest::newRow("compte fractionnaire") << u"2"_s << u"4.5"_s;
        QTest::newRow("enregistrement negatif") << u"-1"_s << u"5"_s;
        QTest::newRow("enregistrement en lettres") << u"abc"_s << u"5"_s;
        QTest::newRow("enregistrement vide") << u""_s << u"5"_s;
        QTest::newRow("signe seul") << u"-"_s << u"5"_s;
        QTest::newRow("enregistrement fractionnaire") << u"2.5"_s << u"5"_s;
        QTest::newRow("enregistrement apres le compte") << u"7"_s << u"5"_s;
        QTest::newRow("enregistrement au-dela de 16 bits") << u"70000"_s << u"5"_s;
    }
    void saisieRefusee() {
        QFETCH(QString, texte2);
        QFETCH(QString, texte3);
        Banc b;
        cinqEnregistrements(*b);
        b->setHScroll1Value(0); // lets a negative count stand: the navigator has nowhere to go
        b->setText3(texte3);
        b->Ctl.Text2 = texte2;
        const auto magasin = b->TabTrames;
        const int maximum = b->HScroll1Max();
        const qint16 enrCours = b->EnrCours;
        const QString grilleAvant = grille(*b);
        b->CmdSUPP_Click();
        QVERIFY(b->TabTrames == magasin);
        QCOMPARE(b->Text3(), texte3);
        QCOMPARE(b->Ctl.Text2, texte2);
        QCOMPARE(b->HScroll1Max(), maximum);
        QCOMPARE(b->EnrCours, enrCours);
        QCOMPARE(grille(*b), grilleAvant);
    }

    // Counts up to the store's last record are accepted and stay inside the store.
    void saisieAcceptee_data() {
        QTest::addColumn<QString>("texte2");
        QTest::addColumn<QString>("texte3");
        QTest::addColumn<QString>("texte3Apres");
        QTest::addColumn<int>("enrCours");
        QTest::addColumn<int>("videApres"); // the record that the emptied one moved into
        QTest::newRow("fin du magasin") << u"1023"_s << u"1024"_s << u" 1023"_s << 1023 << 1023;
        QTest::newRow("tout le magasin") << u"0"_s << u"1024"_s << u" 1023"_s << 0 << 1023;
        QTest::newRow("chiffres puis lettres") << u"2abc"_s << u"5"_s << u" 4"_s << 2 << 4;
        QTest::newRow("blancs devant") << u" 2"_s << u" 5"_s << u" 4"_s << 2 << 4;
    }
    void saisieAcceptee() {
        QFETCH(QString, texte2);
        QFETCH(QString, texte3);
        QFETCH(QString, texte3Apres);
        QFETCH(int, enrCours);
        QFETCH(int, videApres);
        Banc b;
        cinqEnregistrements(*b);
        b->TabTrames[LT840::DernierEnr].fill(3);
        b->setHScroll1Value(0);
        b->setText3(texte3);
        b->Ctl.Text2 = texte2;
        b->CmdSUPP_Click();
        QCOMPARE(b->Text3(), texte3Apres);
        QCOMPARE(b->EnrCours, qint16(enrCours));
        QCOMPARE(signature(b->TabTrames[videApres]), -1);
    }
};

QTEST_GUILESS_MAIN(TstSuppression)
#include "tst_suppression.moc"
