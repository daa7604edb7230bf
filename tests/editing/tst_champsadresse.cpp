#include "Banc.h"

#include <QtTest>

using namespace Qt::StringLiterals;

namespace {
constexpr int Entree = 13;
constexpr int PerteDuFocus = -1;
} // namespace

class TstChampsAdresse : public QObject {
    Q_OBJECT
private slots:
    void verification_data() {
        QTest::addColumn<int>("champ");
        QTest::addColumn<QString>("maximum");
        QTest::addColumn<QString>("texte");
        QTest::addColumn<int>("touche");
        QTest::addColumn<QString>("attendu");
        QTest::newRow("depart au-dessus") << 1 << u"5"_s << u"9"_s << Entree << u"5"_s;
        QTest::newRow("depart au-dessus, focus") << 1 << u"5"_s << u"9"_s << PerteDuFocus << u"5"_s;
        QTest::newRow("depart vide, focus") << 1 << u"5"_s << u""_s << PerteDuFocus << u"0"_s;
        QTest::newRow("depart vide") << 1 << u"5"_s << u""_s << Entree << u"0"_s;
        QTest::newRow("depart lettres") << 1 << u"5"_s << u"abc"_s << Entree << u"abc"_s;
        QTest::newRow("depart chiffres puis lettres")
            << 1 << u"5"_s << u"12ab"_s << Entree << u"5"_s;
        QTest::newRow("depart negatif") << 1 << u"5"_s << u"-3"_s << Entree << u"-3"_s;
        QTest::newRow("depart egal") << 1 << u"5"_s << u"5"_s << Entree << u"5"_s;
        QTest::newRow("depart autre touche") << 1 << u"5"_s << u"9"_s << int('A') << u"9"_s;
        QTest::newRow("depart, maximum avec blanc") << 1 << u" 4"_s << u"7"_s << Entree << u" 4"_s;
        QTest::newRow("en cours numerique") << 2 << u"10"_s << u"9"_s << Entree << u"9"_s;
        QTest::newRow("en cours au-dessus") << 2 << u"10"_s << u"12"_s << Entree << u"10"_s;
        QTest::newRow("en cours vide") << 2 << u"10"_s << u""_s << Entree << u"0"_s;
        QTest::newRow("en cours autre touche") << 2 << u"10"_s << u"12"_s << int('2') << u"12"_s;
    }
    // The check changes the text only: record, navigator and grid stay where they were.
    void verification() {
        QFETCH(int, champ);
        QFETCH(QString, maximum);
        QFETCH(QString, texte);
        QFETCH(int, touche);
        QFETCH(QString, attendu);
        Banc b;
        b->setText3(maximum);
        QString& texteChamp = champ == 1 ? b->Ctl.Text1 : b->Ctl.Text2;
        texteChamp = texte;
        int cle = touche;
        if (touche == PerteDuFocus)
            b->Text1_LostFocus();
        else if (champ == 1)
            b->Text1_KeyPress(cle);
        else
            b->Text2_KeyPress(cle);
        QCOMPARE(texteChamp, attendu);
        QCOMPARE(cle, touche);
        QCOMPARE(b->EnrCours, qint16(0));
        QCOMPARE(b->HScroll1Value(), 0);
    }

    void maximumDuNavigateur_data() {
        QTest::addColumn<QString>("texte");
        QTest::addColumn<int>("maximum");
        QTest::newRow("nombre") << u"7"_s << 7;
        QTest::newRow("blanc devant") << u" 7"_s << 7;
        QTest::newRow("chiffres puis lettres") << u"12abc"_s << 12;
        QTest::newRow("vide garde") << u""_s << 5;
        QTest::newRow("lettres gardent") << u"abc"_s << 5;
        QTest::newRow("signe seul garde") << u"-"_s << 5;
        QTest::newRow("point seul garde") << u"."_s << 5;
        QTest::newRow("negatif") << u"-5"_s << 0;
        QTest::newRow("au-dela du magasin") << u"1025"_s << 1024;
        QTest::newRow("au-dela de 16 bits") << u"99999"_s << 1024;
        QTest::newRow("tres grand") << u"123456789012345678901234567890"_s << 1024;
        QTest::newRow("fraction") << u"6.5"_s << 6;
    }
    void maximumDuNavigateur() {
        QFETCH(QString, texte);
        QFETCH(int, maximum);
        Banc b;
        b->setText3(QStringLiteral("5"));
        b->setText3(texte);
        QCOMPARE(b->HScroll1Max(), maximum);
        // The far end of the range is always a record of the store.
        b->setHScroll1Value(b->HScroll1Max());
        QCOMPARE(b->EnrCours, qint16(maximum));
    }

    // A maximum below the position brings the navigator back and shows that record.
    void maximumSousLaPosition() {
        Banc b;
        b->setText3(QStringLiteral("5"));
        b->TabTrames[2][3] = 1;
        b->setHScroll1Value(4);
        b->setText3(QStringLiteral("2"));
        QCOMPARE(b->HScroll1Value(), 2);
        QCOMPARE(b->EnrCours, qint16(2));
        QCOMPARE(b->Ctl.Text2, QStringLiteral("2"));
        QCOMPARE(b->Ctl.Shape1[3].FillColor, b->CouleurOn);
    }
};

QTEST_GUILESS_MAIN(TstChampsAdresse)
#include "tst_champsadresse.moc"
