#include "Banc.h"

#include <QtTest>

using namespace Qt::StringLiterals;

namespace {

constexpr Couleur Etrangere = 0x00123456; // left over from no scheme

using Gestionnaire = void (LT840::*)(int, int, float, float);

Gestionnaire gestionnaire(const QString& nom) {
    static const QHash<QString, Gestionnaire> table{
        {"Cmd5", &LT840::Cmd5_MouseDown},   {"Cmd6", &LT840::Cmd6_MouseDown},
        {"Cmd7", &LT840::Cmd7_MouseDown},   {"Cmd8", &LT840::Cmd8_MouseDown},
        {"Cmd10", &LT840::Cmd10_MouseDown}, {"Cmd11", &LT840::Cmd11_MouseDown},
        {"Cmd12", &LT840::Cmd12_MouseDown}};
    return table.value(nom);
}

void presser(LT840& ed, const QString& commande, int bouton) {
    (ed.*gestionnaire(commande))(bouton, 0, 0, 0);
}

// '1' lit, '0' unlit, 'x' a colour of no scheme.
void poserLampes(LT840& ed, const QString& motif) {
    for (int i = 0; i < 8; ++i)
        ed.Ctl.Shape1[i].FillColor = motif[i] == u'1'   ? ed.CouleurOn
                                     : motif[i] == u'0' ? ed.CouleurOff
                                                        : Etrangere;
}

QString lampes(const LT840& ed) {
    QString motif;
    for (const Lampe& l : ed.Ctl.Shape1)
        motif += l.FillColor == ed.CouleurOn    ? u'1'
                 : l.FillColor == ed.CouleurOff ? u'0'
                 : l.FillColor == Etrangere     ? u'x'
                                                : u'?';
    return motif;
}

void poserLignes(LT840::Enregistrement& e, const QString& motif) {
    for (int i = 0; i < 8; ++i)
        e[i] = qint16(motif[i].digitValue());
}

QString lignes(const LT840::Enregistrement& e) {
    QString motif;
    for (int i = 0; i < 8; ++i)
        motif += QString::number(e[i]);
    return motif;
}

} // namespace

class TstTransformations : public QObject {
    Q_OBJECT
private slots:
    void famille_data() {
        QTest::addColumn<QString>("commande");
        QTest::addColumn<int>("bouton");
        QTest::addColumn<QString>("lampesAvant");
        QTest::addColumn<QString>("enrAvant");
        QTest::addColumn<QString>("lampesApres");
        QTest::addColumn<QString>("enrApres");
        QTest::addColumn<QString>("modifie");
        QTest::addColumn<QString>("text2");
        // Left presses: every member transforms.
        QTest::newRow("miroir gauche") << u"Cmd5"_s << 1 << u"0000x011"_s << u"00110011"_s
                                       << u"110xx011"_s << u"00110011"_s << u"O"_s << u"abc"_s;
        QTest::newRow("miroir droit motif") << u"Cmd7"_s << 1 << u"1x000000"_s << u"00000000"_s
                                            << u"1x0000x1"_s << u"00000000"_s << u"N"_s << u"abc"_s;
        QTest::newRow("decalage gauche") << u"Cmd6"_s << 1 << u"10000001"_s << u"00110011"_s
                                         << u"00000010"_s << u"00110011"_s << u"N"_s << u"0"_s;
        QTest::newRow("decalage gauche couleur")
            << u"Cmd6"_s << 1 << u"0x000001"_s << u"00000000"_s << u"x0000010"_s << u"00000000"_s
            << u"N"_s << u"0"_s;
        QTest::newRow("decalage droite") << u"Cmd8"_s << 1 << u"10000001"_s << u"00110011"_s
                                         << u"01000000"_s << u"00110011"_s << u"O"_s << u"abc"_s;
        QTest::newRow("rotation gauche") << u"Cmd10"_s << 1 << u"10000000"_s << u"10000000"_s
                                         << u"00000001"_s << u"00000001"_s << u"N"_s << u"abc"_s;
        QTest::newRow("rotation gauche valeurs")
            << u"Cmd10"_s << 1 << u"x0000000"_s << u"20000003"_s << u"0000000x"_s << u"00000032"_s
            << u"N"_s << u"abc"_s;
        QTest::newRow("rotation droite") << u"Cmd11"_s << 1 << u"10000000"_s << u"10000000"_s
                                         << u"01000000"_s << u"01000000"_s << u"O"_s << u"abc"_s;
        QTest::newRow("rotation independante")
            << u"Cmd11"_s << 1 << u"10000000"_s << u"00000011"_s << u"01000000"_s << u"10000001"_s
            << u"O"_s << u"abc"_s;
        QTest::newRow("inverse") << u"Cmd12"_s << 1 << u"1x010000"_s << u"00110011"_s
                                 << u"01101111"_s << u"00110011"_s << u"N"_s << u"abc"_s;
        // Middle presses: mirror right and invert transform, shift and rotate right only mark.
        QTest::newRow("milieu miroir gauche")
            << u"Cmd5"_s << 4 << u"00001111"_s << u"00000000"_s << u"00001111"_s << u"00000000"_s
            << u"N"_s << u"abc"_s;
        QTest::newRow("milieu miroir droit")
            << u"Cmd7"_s << 4 << u"00001111"_s << u"00000000"_s << u"00000000"_s << u"00000000"_s
            << u"N"_s << u"abc"_s;
        QTest::newRow("milieu decalage gauche")
            << u"Cmd6"_s << 4 << u"10000001"_s << u"00000000"_s << u"10000001"_s << u"00000000"_s
            << u"N"_s << u"abc"_s;
        QTest::newRow("milieu decalage droite")
            << u"Cmd8"_s << 4 << u"10000001"_s << u"00000000"_s << u"10000001"_s << u"00000000"_s
            << u"O"_s << u"abc"_s;
        QTest::newRow("milieu rotation gauche")
            << u"Cmd10"_s << 4 << u"10000000"_s << u"10000000"_s << u"10000000"_s << u"10000000"_s
            << u"N"_s << u"abc"_s;
        QTest::newRow("milieu rotation droite")
            << u"Cmd11"_s << 4 << u"10000000"_s << u"10000000"_s << u"10000000"_s << u"10000000"_s
            << u"O"_s << u"abc"_s;
        QTest::newRow("milieu inverse") << u"Cmd12"_s << 4 << u"10000000"_s << u"00000000"_s
                                        << u"01111111"_s << u"00000000"_s << u"N"_s << u"abc"_s;
    }
    void famille() {
        QFETCH(QString, commande);
        QFETCH(int, bouton);
        QFETCH(QString, lampesAvant);
        QFETCH(QString, enrAvant);
        QFETCH(QString, lampesApres);
        QFETCH(QString, enrApres);
        QFETCH(QString, modifie);
        QFETCH(QString, text2);
        Banc b;
        poserLampes(*b, lampesAvant);
        poserLignes(b->TabTrames[0], enrAvant);
        b->TabTrames[0][8] = 3;
        b->Ctl.Text2 = QStringLiteral("abc");
        presser(*b, commande, bouton);
        QCOMPARE(lampes(*b), lampesApres);
        QCOMPARE(lignes(b->TabTrames[0]), enrApres);
        QCOMPARE(b->TabTrames[0][8], qint16(3));
        QCOMPARE(b->Modifie, modifie);
        QCOMPARE(b->Ctl.Text2, text2);
        QCOMPARE(b->EnrCours, qint16(0));
    }

    // A right press records the frame, even with "Mode Auto." ticked, and transforms nothing.
    void boutonDroit_data() {
        QTest::addColumn<QString>("commande");
        for (const char* c : {"Cmd5", "Cmd6", "Cmd7", "Cmd8", "Cmd10", "Cmd11", "Cmd12"})
            QTest::newRow(c) << c;
    }
    void boutonDroit() {
        QFETCH(QString, commande);
        Banc b;
        b->Ctl.Check1 = 1;
        poserLampes(*b, QStringLiteral("10100000"));
        presser(*b, commande, 2);
        QCOMPARE(lignes(b->TabTrames[0]), QStringLiteral("10100000"));
        QCOMPARE(b->EnrCours, qint16(1));
        QCOMPARE(b->Text3(), QStringLiteral("1"));
        QCOMPARE(lampes(*b), QStringLiteral("10100000"));
        QCOMPARE(b->Modifie, QStringLiteral("N"));
    }

    // Eight presses with "Mode Auto." record every position of the moving lamp.
    void chase_data() {
        QTest::addColumn<QString>("commande");
        QTest::addColumn<int>("depart");
        QTest::addColumn<int>("pas");
        QTest::addColumn<QString>("lampesFinales");
        QTest::newRow("decalage droite") << u"Cmd8"_s << 0 << 1 << u"00000000"_s;
        QTest::newRow("rotation droite") << u"Cmd11"_s << 0 << 1 << u"10000000"_s;
        QTest::newRow("decalage gauche") << u"Cmd6"_s << 7 << -1 << u"00000000"_s;
        QTest::newRow("rotation gauche") << u"Cmd10"_s << 7 << -1 << u"00000001"_s;
    }
    void chase() {
        QFETCH(QString, commande);
        QFETCH(int, depart);
        QFETCH(int, pas);
        QFETCH(QString, lampesFinales);
        Banc b;
        for (int i = 0; i < 4; ++i)
            b->CLICK();
        b->Ctl.Check1 = 1;
        QString motif(8, u'0');
        motif[depart] = u'1';
        poserLampes(*b, motif);
        for (int i = 0; i < 8; ++i)
            presser(*b, commande, 1);
        for (int i = 0; i < 8; ++i) {
            QString attendu(8, u'0');
            attendu[depart + i * pas] = u'1';
            QCOMPARE(lignes(b->TabTrames[4 + i]), attendu);
            QCOMPARE(b->TabTrames[4 + i][8], qint16(2));
        }
        QCOMPARE(b->EnrCours, qint16(12));
        QCOMPARE(b->Text3(), QStringLiteral("12"));
        QCOMPARE(lampes(*b), lampesFinales);
    }

    // Inside the sequence the auto-record shows the next record, and the move acts on it.
    void autoDansLaSequence_data() {
        QTest::addColumn<QString>("commande");
        QTest::addColumn<QString>("lampesApres");
        QTest::addColumn<QString>("enr2Apres");
        QTest::newRow("rotation droite") << u"Cmd11"_s << u"10000001"_s << u"10000001"_s;
        QTest::newRow("decalage droite") << u"Cmd8"_s << u"00000001"_s << u"00000011"_s;
        QTest::newRow("decalage gauche") << u"Cmd6"_s << u"00000110"_s << u"00000011"_s;
    }
    void autoDansLaSequence() {
        QFETCH(QString, commande);
        QFETCH(QString, lampesApres);
        QFETCH(QString, enr2Apres);
        Banc b;
        for (int i = 0; i < 5; ++i)
            b->CLICK();
        poserLignes(b->TabTrames[2], QStringLiteral("00000011"));
        b->setHScroll1Value(1);
        b->Ctl.Check1 = 1;
        poserLampes(*b, QStringLiteral("10000000"));
        presser(*b, commande, 1);
        QCOMPARE(lignes(b->TabTrames[1]), QStringLiteral("10000000"));
        QCOMPARE(b->EnrCours, qint16(2));
        QCOMPARE(lampes(*b), lampesApres);
        QCOMPARE(lignes(b->TabTrames[2]), enr2Apres);
        QCOMPARE(b->Text3(), QStringLiteral("5"));
    }
};

QTEST_GUILESS_MAIN(TstTransformations)
#include "tst_transformations.moc"
