#include "Banc.h"
#include "transform/SchemasCouleur.h"

#include <QtTest>

using namespace Qt::StringLiterals;

namespace {

constexpr Couleur RougeOn = 0x000000FF;
constexpr Couleur RougeOff = 0x008080FF;
constexpr Couleur JauneOn = 0x0000FFFF;
constexpr Couleur JauneOff = CouleurSysteme::FondInfo;
constexpr Couleur VertOn = 0x0000C000;
constexpr Couleur VertOff = 0x00C0FFC0;
constexpr Couleur Etrangere = 0x00123456;

const QString Avertissement = QStringLiteral(
    "Cette fonction n'est disponible que sur le logiciel. Êtes-vous sûr de vouloir continuer?");

void choisir(LT840& ed, const QString& menu) {
    if (menu == u"Jaune")
        ed.Jaune_Click();
    else if (menu == u"Vert")
        ed.Vert_Click();
    else
        ed.Rouge_Click();
}

// Lamps 0 and 2 lit, lamp 4 in a colour of no scheme, the others unlit.
void poserGrille(LT840& ed) {
    for (int i = 0; i < 8; ++i)
        ed.Ctl.Shape1[i].FillColor = i == 0 || i == 2 ? ed.CouleurOn : ed.CouleurOff;
    ed.Ctl.Shape1[4].FillColor = Etrangere;
}

void verifierGrille(const LT840& ed, Couleur on, Couleur off, Couleur bordure) {
    for (int i = 0; i < 8; ++i) {
        const Couleur attendu = i == 4 ? Etrangere : i == 0 || i == 2 ? on : off;
        QCOMPARE(ed.Ctl.Shape1[i].FillColor, attendu);
        QCOMPARE(ed.Ctl.Shape1[i].BorderColor, bordure);
    }
}

} // namespace

class TstCouleursLed : public QObject {
    Q_OBJECT
private slots:
    void conversion_data() {
        QTest::addColumn<int>("schema");
        QTest::addColumn<Couleur>("avant");
        QTest::addColumn<Couleur>("apres");
        const int jaune = int(Schema::Jaune), rouge = int(Schema::Rouge), vert = int(Schema::Vert);
        QTest::newRow("jaune: rouge allume") << jaune << RougeOn << JauneOn;
        QTest::newRow("jaune: rouge eteint") << jaune << RougeOff << JauneOff;
        QTest::newRow("jaune: vert allume") << jaune << VertOn << JauneOn;
        QTest::newRow("jaune: vert eteint") << jaune << VertOff << JauneOff;
        QTest::newRow("jaune: deja jaune") << jaune << JauneOn << JauneOn;
        QTest::newRow("jaune: deja jaune eteint") << jaune << JauneOff << JauneOff;
        QTest::newRow("rouge: jaune allume") << rouge << JauneOn << RougeOn;
        QTest::newRow("rouge: jaune eteint") << rouge << JauneOff << RougeOff;
        QTest::newRow("rouge: vert allume") << rouge << VertOn << RougeOn;
        QTest::newRow("rouge: vert eteint") << rouge << VertOff << RougeOff;
        QTest::newRow("rouge: deja rouge") << rouge << RougeOff << RougeOff;
        QTest::newRow("vert: rouge allume") << vert << RougeOn << VertOn;
        QTest::newRow("vert: rouge eteint") << vert << RougeOff << VertOff;
        QTest::newRow("vert: jaune allume") << vert << JauneOn << VertOn;
        QTest::newRow("vert: jaune eteint") << vert << JauneOff << VertOff;
        QTest::newRow("vert: deja vert") << vert << VertOn << VertOn;
        QTest::newRow("vert: etrangere") << vert << Etrangere << Etrangere;
        QTest::newRow("rouge: etrangere") << rouge << Etrangere << Etrangere;
    }
    void conversion() {
        QFETCH(int, schema);
        QFETCH(Couleur, avant);
        QFETCH(Couleur, apres);
        Banc b;
        QCOMPARE(convertirCouleur(avant, Schema(schema), b->Couleurs), apres);
    }

    void menu_data() {
        QTest::addColumn<QString>("menu");
        QTest::addColumn<int>("reponse");
        QTest::addColumn<QString>("titre"); // empty: no question
        QTest::addColumn<Couleur>("on");
        QTest::addColumn<Couleur>("off");
        QTest::addColumn<Couleur>("bordure");
        QTest::newRow("jaune oui")
            << u"Jaune"_s << Msg::RepOui << u" * LT840 V1.02 *"_s << JauneOn << JauneOff << JauneOn;
        QTest::newRow("jaune non")
            << u"Jaune"_s << Msg::RepNon << u" * LT840 V1.02 *"_s << RougeOn << RougeOff << RougeOn;
        QTest::newRow("vert oui") << u"Vert"_s << Msg::RepOui << u"* LT840 *"_s << VertOn << VertOff
                                  << VertOn;
        QTest::newRow("vert non") << u"Vert"_s << Msg::RepNon << u"* LT840 *"_s << RougeOn
                                  << RougeOff << RougeOn;
        QTest::newRow("rouge deja en force")
            << u"Rouge"_s << 0 << u""_s << RougeOn << RougeOff << RougeOn;
    }
    void menu() {
        QFETCH(QString, menu);
        QFETCH(int, reponse);
        QFETCH(QString, titre);
        QFETCH(Couleur, on);
        QFETCH(Couleur, off);
        QFETCH(Couleur, bordure);
        Banc b;
        poserGrille(*b);
        for (Lampe& l : b->Ctl.Shape1)
            l.BorderColor = Etrangere;
        if (reponse)
            b.messages.reponses.enqueue(reponse);
        choisir(*b, menu);
        QCOMPARE(b.messages.affichees.size(), titre.isEmpty() ? 0 : 1);
        if (!titre.isEmpty()) {
            QCOMPARE(b.messages.affichees[0].prompt, Avertissement);
            QCOMPARE(b.messages.affichees[0].titre, titre);
            QCOMPARE(b.messages.affichees[0].boutons, Msg::OuiNon);
        }
        QCOMPARE(b->CouleurOn, on);
        QCOMPARE(b->CouleurOff, off);
        verifierGrille(*b, on, off, reponse == Msg::RepNon ? Etrangere : bordure);
    }

    void changementsSuccessifs_data() {
        QTest::addColumn<QStringList>("menus");
        QTest::addColumn<Couleur>("on");
        QTest::addColumn<Couleur>("off");
        QTest::newRow("jaune puis rouge")
            << QStringList{u"Jaune"_s, u"Rouge"_s} << RougeOn << RougeOff;
        QTest::newRow("jaune puis vert") << QStringList{u"Jaune"_s, u"Vert"_s} << VertOn << VertOff;
        QTest::newRow("vert puis jaune")
            << QStringList{u"Vert"_s, u"Jaune"_s} << JauneOn << JauneOff;
    }
    void changementsSuccessifs() {
        QFETCH(QStringList, menus);
        QFETCH(Couleur, on);
        QFETCH(Couleur, off);
        Banc b;
        poserGrille(*b);
        for (const QString& m : menus) {
            b.messages.reponses.enqueue(Msg::RepOui);
            choisir(*b, m);
        }
        verifierGrille(*b, on, off, on);
    }

    // Records hold states, not colours: a new scheme records the same pattern.
    void enregistrementApresChangement() {
        Banc b;
        poserGrille(*b);
        b.messages.reponses.enqueue(Msg::RepOui);
        b->Jaune_Click();
        b->CLICK();
        const LT840::Enregistrement& r = b->TabTrames[0];
        const std::array<qint16, 8> attendu{1, 0, 1, 0, 0, 0, 0, 0};
        QVERIFY(std::equal(attendu.begin(), attendu.end(), r.begin()));
    }
};

QTEST_GUILESS_MAIN(TstCouleursLed)
#include "tst_couleursled.moc"
