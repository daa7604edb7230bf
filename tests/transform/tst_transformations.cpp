#include "../editor/Gestes.h"

#include <QtTest>

using namespace Qt::StringLiterals;

namespace {

constexpr Couleur RougeOn = 0x000000FF, RougeOff = 0x008080FF, JauneOn = 0x0000FFFF,
                  JauneOff = CouleurSysteme::FondInfo, VertOn = 0x0000C000, VertOff = 0x00C0FFC0;
constexpr Couleur Etrangere = 0x00123456; // left over from no scheme

// "lamps record": the lamps, '1' lit, '0' unlit, 'x' a colour of no scheme, then rows 0..7 of
// record r.
void poser(LT840& ed, const QString& etat, int r = 0) {
    for (int i = 0; i < NombreLampes; ++i) {
        const QChar c = etat[i];
        ed.Ctl.Shape1[i].FillColor = c == u'1'   ? ed.CouleurOn
                                     : c == u'0' ? ed.CouleurOff
                                                 : Etrangere;
        ed.TabTrames[r][i] = qint16(etat[9 + i].digitValue());
    }
}

QString etat(const LT840& ed, int r = 0) {
    QString lampes;
    for (const Lampe& l : ed.Ctl.Shape1)
        lampes +=
            QString::number(QList{ed.CouleurOff, ed.CouleurOn, Etrangere}.indexOf(l.FillColor));
    return lampes.replace(u'2', u'x') + u' ' + enr(ed, r);
}

} // namespace

class TstTransformations : public QObject {
    Q_OBJECT
private slots:
    // Cmd5 mirrors left, Cmd7 right, Cmd6 and Cmd8 shift left and right, Cmd10 and Cmd11
    // rotate left and right, Cmd12 inverts. Each row: the command, the lamps and record 0
    // before (its time-base code 3, Text2 "-"), then after a left and after a middle press,
    // each followed by Modifie and Text2. A right press records the frame, even with "Mode
    // Auto." ticked, and moves nothing.
    void famille_data() {
        QTest::addColumn<QStringList>("cas");
        for (const char* l :
             {"Cmd5 0000x011 00110011|110xx011 00110011 O -|0000x011 00110011 N -",
              "Cmd7 1x000000 00000000|1x0000x1 00000000 N -|1x0000x1 00000000 N -",
              "Cmd6 10x00001 00110011|0x000010 00110011 N 0|10x00001 00110011 N -",
              "Cmd8 10000001 00110011|01000000 00110011 O -|10000001 00110011 O -",
              "Cmd10 x1000000 20000003|1000000x 00000032 O -|x1000000 20000003 N -",
              "Cmd11 10000000 00000011|01000000 10000001 O -|10000000 00000011 O -",
              "Cmd12 1x010000 00110011|01101111 00110011 N -|01101111 00110011 N -"})
            QTest::newRow(l) << QString::fromLatin1(l).split(u'|');
    }
    void famille() {
        QFETCH(QStringList, cas);
        const QString commande = cas[0].section(u' ', 0, 0), avant = cas[0].section(u' ', 1);
        const QString enregistre = avant.left(9) + avant.left(8).replace(u'x', u'0') + u" O 1"_s;
        for (const auto& [bouton, apres] :
             {std::pair{":g", cas[1]}, std::pair{":m", cas[2]}, std::pair{":d", enregistre}}) {
            const bool droit = bouton[1] == 'd';
            Banc b;
            poser(*b, avant);
            b->TabTrames[0][LigneCode] = 3;
            gestes(*b, u"Text2:- "_s + (droit ? u"auto "_s : QString()) + commande + bouton);
            QCOMPARE(u"%1 %2 %3"_s.arg(etat(*b), b->Modifie ? u"O" : u"N", b->Ctl.Text2), apres);
            QCOMPARE((QList<int>{b->TabTrames[0][LigneCode], b->EnrCours}),
                     (QList<int>{droit ? 2 : 3, droit}));
        }
    }

    // With "Mode Auto." a shift or a rotation records the frame, then moves it; a mirror or an
    // inversion records nothing. At the end of records 0..3, the command pressed eight times
    // from lamp 7 alone if the first record is to light it, else from lamp 0; then records
    // 4..11 by the lamp each lights, the record shown and the lamps.
    void chase_data() {
        QTest::addColumn<QString>("cas");
        for (const char* l :
             {"Cmd8 01234567 12 00000000", "Cmd11 01234567 12 10000000",
              "Cmd6 76543210 12 00000000", "Cmd10 76543210 12 00000001", "Cmd5 -------- 4 00000000",
              "Cmd7 -------- 4 10000001", "Cmd12 -------- 4 10000000"})
            QTest::newRow(l) << QString::fromLatin1(l);
    }
    void chase() {
        QFETCH(QString, cas);
        const QString commande = cas.section(u' ', 0, 0), apres = cas.section(u' ', 1);
        Banc b;
        gestes(*b, u"suite:4 auto"_s);
        poser(*b, seule(apres[0] == u'7' ? 7 : 0) + u" 00000000"_s, 4);
        gestes(*b, (commande + u' ').repeated(8));
        QString lampes;
        for (int r = 4; r < 12; ++r)
            lampes += QString::number(enr(*b, r).indexOf(u'1')).replace(u"-1"_s, u"-"_s);
        QCOMPARE(u"%1 %2 %3"_s.arg(lampes).arg(b->EnrCours).arg(etat(*b).left(8)), apres);
    }

    // The menus chosen in turn, every question answered alike. Lamps 0 and 2 are lit and lamp
    // 4 has a colour of no scheme, which it keeps and which records as unlit. Red asks nothing,
    // yellow and green ask first.
    void couleurs_data() {
        QTest::addColumn<QString>("menus");
        QTest::addColumn<bool>("oui");
        QTest::addColumn<Couleur>("on");
        QTest::addColumn<Couleur>("off");
        QTest::newRow("yellow") << u"Jaune"_s << true << JauneOn << JauneOff;
        QTest::newRow("yellow refused") << u"Jaune"_s << false << RougeOn << RougeOff;
        QTest::newRow("green") << u"Vert"_s << true << VertOn << VertOff;
        QTest::newRow("yellow, red") << u"Jaune Rouge"_s << true << RougeOn << RougeOff;
    }
    void couleurs() {
        QFETCH(QString, menus);
        QFETCH(bool, oui);
        Banc b;
        poser(*b, u"1010x000 00000000"_s);
        b.messages.reponses.fill(oui ? Msg::RepOui : Msg::RepNon, 2);
        gestes(*b, menus);
        QCOMPARE(b.boites().size(), menus.count(u"Jaune"_s) + menus.count(u"Vert"_s));
        QTEST(b->CouleurOn, "on");
        QTEST(b->CouleurOff, "off");
        b->CLICK();
        QCOMPARE(etat(*b), u"1010x000 10100000"_s);
    }
};

QTEST_GUILESS_MAIN(TstTransformations)
#include "tst_transformations.moc"
