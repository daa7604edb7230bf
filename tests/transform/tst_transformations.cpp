#include "Banc.h"
#include "Motifs.h"

#include <QtTest>

using namespace Qt::StringLiterals;

namespace {

constexpr Couleur RougeOn = 0x000000FF;
constexpr Couleur RougeOff = 0x008080FF;
constexpr Couleur JauneOn = 0x0000FFFF;
constexpr Couleur JauneOff = CouleurSysteme::FondInfo;
constexpr Couleur VertOn = 0x0000C000;
constexpr Couleur VertOff = 0x00C0FFC0;
constexpr Couleur Etrangere = 0x00123456; // left over from no scheme

using Commande = void (LT840::*)(Souris);

// "lamps record": the lamps, '1' lit, '0' unlit, 'x' a colour of no scheme, then rows 0..7
// of record r.
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
    for (const Lampe& l : ed.Ctl.Shape1) {
        const Couleur c = l.FillColor;
        lampes += c == ed.CouleurOn    ? u'1'
                  : c == ed.CouleurOff ? u'0'
                  : c == Etrangere     ? u'x'
                                       : u'?';
    }
    return lampes + u' ' + enr(ed, r);
}

// The lamps and record 0, with time-base code 3; Text2 holds "-".
void preparer(LT840& ed, const QString& avant) {
    poser(ed, avant);
    ed.TabTrames[0][LigneCode] = 3;
    ed.Ctl.Text2 = u"-"_s;
}

// The lamps and record 0 before, then after a left and after a middle press, each followed by
// Modifie and Text2.
struct Famille {
    Commande commande;
    const char *avant, *gauche, *milieu;
};

struct Chase {
    Commande commande;
    int depart, pas;
    const char* lampesFinales;
};

} // namespace

class TstTransformations : public QObject {
    Q_OBJECT
private slots:
    void famille_data() {
        QTest::addColumn<Famille>("cas");
        using F = Famille;
        QTest::newRow("mirror left") << F{&LT840::Cmd5_MouseDown, "0000x011 00110011",
                                          "110xx011 00110011 O -", "0000x011 00110011 N -"};
        QTest::newRow("mirror right") << F{&LT840::Cmd7_MouseDown, "1x000000 00000000",
                                           "1x0000x1 00000000 N -", "1x0000x1 00000000 N -"};
        QTest::newRow("shift left") << F{&LT840::Cmd6_MouseDown, "10x00001 00110011",
                                         "0x000010 00110011 N 0", "10x00001 00110011 N -"};
        QTest::newRow("shift right") << F{&LT840::Cmd8_MouseDown, "10000001 00110011",
                                          "01000000 00110011 O -", "10000001 00110011 O -"};
        QTest::newRow("rotate left") << F{&LT840::Cmd10_MouseDown, "x1000000 20000003",
                                          "1000000x 00000032 O -", "x1000000 20000003 N -"};
        QTest::newRow("rotate right") << F{&LT840::Cmd11_MouseDown, "10000000 00000011",
                                           "01000000 10000001 O -", "10000000 00000011 O -"};
        QTest::newRow("invert") << F{&LT840::Cmd12_MouseDown, "1x010000 00110011",
                                     "01101111 00110011 N -", "01101111 00110011 N -"};
    }
    void famille() {
        QFETCH(Famille, cas);
        const QString avant = QString::fromLatin1(cas.avant);
        for (const auto& [bouton, apres] :
             {std::pair{Souris::Gauche, cas.gauche}, std::pair{Souris::Milieu, cas.milieu}}) {
            Banc b;
            preparer(*b, avant);
            (*b.*cas.commande)(bouton);
            const QString modifie = b->Modifie ? u"O"_s : u"N"_s;
            QCOMPARE(QStringList({etat(*b), modifie, b->Ctl.Text2}).join(u' '),
                     QString::fromLatin1(apres));
            QCOMPARE(b->TabTrames[0][LigneCode], qint16(3));
        }
        // A right press records the frame, even with "Mode Auto." ticked, and moves nothing.
        Banc b;
        preparer(*b, avant);
        b->Ctl.Check1 = 1;
        (*b.*cas.commande)(Souris::Droit);
        QCOMPARE(etat(*b), avant.left(9) + avant.left(8).replace(u'x', u'0'));
        QCOMPARE(b->EnrCours, qint16(1));
        QVERIFY(b->Modifie);
    }

    // At the end of records 0..3, eight presses with "Mode Auto." record every position of the
    // moving lamp in records 4..11.
    void chase_data() {
        QTest::addColumn<Chase>("cas");
        QTest::newRow("shift right") << Chase{&LT840::Cmd8_MouseDown, 0, 1, "00000000"};
        QTest::newRow("rotate right") << Chase{&LT840::Cmd11_MouseDown, 0, 1, "10000000"};
        QTest::newRow("shift left") << Chase{&LT840::Cmd6_MouseDown, 7, -1, "00000000"};
        QTest::newRow("rotate left") << Chase{&LT840::Cmd10_MouseDown, 7, -1, "00000001"};
    }
    void chase() {
        QFETCH(Chase, cas);
        Banc b;
        for (int i = 0; i < 4; ++i)
            b->CLICK();
        b->Ctl.Check1 = 1;
        poser(*b, seule(cas.depart) + u" 00000000"_s, 4); // the working record, overwritten first
        for (int i = 0; i < NombreLampes; ++i)
            (*b.*cas.commande)(Souris::Gauche);
        for (int i = 0; i < NombreLampes; ++i)
            QCOMPARE(enr(*b, 4 + i), seule(cas.depart + i * cas.pas));
        QCOMPARE(b->EnrCours, qint16(12));
        QCOMPARE(etat(*b).left(8), QString::fromLatin1(cas.lampesFinales));
    }

    // Inside the sequence the auto-record shows the next record, record 2, and the rotation
    // acts on those lamps and on that record.
    void autoDansLaSequence() {
        Banc b;
        for (int i = 0; i < 5; ++i)
            b->CLICK();
        b->setHScroll1Value(1);
        b->Ctl.Check1 = 1;
        poser(*b, u"10000000 00000011"_s, 2);
        b->Cmd11_MouseDown(Souris::Gauche);
        QCOMPARE(etat(*b, 2), u"10000001 10000001"_s);
    }

    // The menus chosen in turn, every question answered alike. Lamps 0 and 2 are lit and
    // lamp 4 has a colour of no scheme, which it keeps and which records as unlit.
    void couleurs_data() {
        QTest::addColumn<QString>("menus");
        QTest::addColumn<bool>("oui");
        QTest::addColumn<Couleur>("on");
        QTest::addColumn<Couleur>("off");
        QTest::newRow("yellow") << u"Jaune"_s << true << JauneOn << JauneOff;
        QTest::newRow("yellow refused") << u"Jaune"_s << false << RougeOn << RougeOff;
        QTest::newRow("green") << u"Vert"_s << true << VertOn << VertOff;
        QTest::newRow("red in force") << u"Rouge"_s << true << RougeOn << RougeOff;
        QTest::newRow("yellow, red") << u"Jaune Rouge"_s << true << RougeOn << RougeOff;
        QTest::newRow("yellow, green") << u"Jaune Vert"_s << true << VertOn << VertOff;
        QTest::newRow("green, yellow") << u"Vert Jaune"_s << true << JauneOn << JauneOff;
        QTest::newRow("green, red") << u"Vert Rouge"_s << true << RougeOn << RougeOff;
    }
    void couleurs() {
        QFETCH(QString, menus);
        QFETCH(bool, oui);
        QFETCH(Couleur, on);
        QFETCH(Couleur, off);
        // Each menu with the title of the question it asks first; red asks none.
        static const QHash<QString, std::pair<void (LT840::*)(), QString>> menu{
            {u"Jaune"_s, {&LT840::Jaune_Click, TitreCouleurs}},
            {u"Rouge"_s, {&LT840::Rouge_Click, QString()}},
            {u"Vert"_s, {&LT840::Vert_Click, Titre}}};
        Banc b;
        poser(*b, u"1010x000 00000000"_s);
        for (Lampe& l : b->Ctl.Shape1)
            l.BorderColor = Etrangere;
        QStringList attendus;
        for (const QString& m : menus.split(u' ')) {
            const auto& [clic, titre] = menu[m];
            if (!titre.isEmpty()) {
                attendus << titre;
                b.messages.reponses.enqueue(oui ? Msg::RepOui : Msg::RepNon);
            }
            ((*b).*clic)();
        }
        QStringList poses;
        for (const BoiteAffichee& boite : b.messages.affichees) {
            QCOMPARE(boite.prompt, u"Cette fonction n'est disponible que sur le logiciel. "
                                   u"Êtes-vous sûr de vouloir continuer?"_s);
            QCOMPARE(boite.boutons, Msg::OuiNon);
            poses << boite.titre;
        }
        QCOMPARE(poses, attendus);
        QCOMPARE(b->CouleurOn, on);
        QCOMPARE(b->CouleurOff, off);
        for (const Lampe& l : b->Ctl.Shape1)
            QCOMPARE(l.BorderColor, oui ? on : Etrangere);
        b->CLICK();
        QCOMPARE(etat(*b), u"1010x000 10100000"_s);
    }
};

QTEST_GUILESS_MAIN(TstTransformations)
#include "tst_transformations.moc"
