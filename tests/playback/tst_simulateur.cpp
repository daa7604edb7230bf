#include "Banc.h"

#include <QtTest>

using namespace Qt::StringLiterals;

namespace {

using L = QList<int>;

// Record r lights the lamps of the bits of r % 251 + 1: every record used here has a
// pattern of its own, and none is all lit.
int motifDe(int r) {
    return r % 251 + 1;
}

int grille(const LT840& ed) {
    int motif = 0;
    for (int i = 0; i < NombreLampes; ++i)
        motif |= ed.Ctl.Shape1[i].FillColor == ed.CouleurOn ? 1 << i : 0;
    return motif;
}

// Records 0..n, the first ones with the given codes and the others with code 2, started from
// `depart`. The navigator is left on record 1, which a start from 0 does not move: the first
// step must show record 1 all the same.
void demarrer(Banc& b, const QList<int>& codes, const QString& n, const QString& periode,
              const QString& depart = u"0"_s) {
    for (int r = 0; r <= DernierEnr; ++r) {
        for (int i = 0; i < NombreLampes; ++i)
            b->TabTrames[r][i] = qint16((motifDe(r) >> i) & 1);
        b->TabTrames[r][LigneCode] = qint16(r < codes.size() ? codes[r] : 2);
    }
    b->setText3(n);
    b->setHScroll1Value(1);
    b->Ctl.List1[0] = periode;
    b->Ctl.List1Index = 0;
    b->Ctl.Text1 = depart;
    b->Cmd3_MouseDown(Souris::Gauche);
}

// The run as "record:interval" for each record shown, from the start on, ticking as the timer
// would until playback ends or no tick would come. Every record must reach the grid and Text2.
void jouer(Banc& b, QStringList& etapes) {
    for (int garde = 0; garde < DernierEnr; ++garde) {
        QCOMPARE(grille(*b), motifDe(b->EnrCours));
        QCOMPARE(b->Ctl.Text2, QString::number(b->EnrCours));
        etapes << u"%1:%2"_s.arg(b->EnrCours).arg(b.minuterie.intervalle);
        if (!b.minuterie.tournerait())
            return;
        b->Timer1_Timer();
        if (!b->EnLecture)
            return;
    }
    QFAIL("playback never ends");
}

// Playing, PLAY is red. Stopped, it is not, the record stays shown and the timer idles
// without ever being disabled.
void verifierEtat(Banc& b, bool joue) {
    if (joue) {
        QVERIFY(b->EnLecture);
        QCOMPARE(b->Ctl.Cmd3BackColor, b->Couleurs[0]);
        return;
    }
    QVERIFY(!b->EnLecture);
    QCOMPARE(b->Ctl.Cmd3BackColor, CouleurSysteme::FaceBouton);
    QVERIFY(b.minuterie.actif);
    const int montre = b->EnrCours;
    b->Timer1_Timer();
    QCOMPARE(b.minuterie.intervalle, 10000);
    QCOMPARE(int(b->EnrCours), montre);
    QCOMPARE(grille(*b), motifDe(montre));
}

} // namespace

class TstSimulateur : public QObject {
    Q_OBJECT
private slots:
    void initTestCase() { QLocale::setDefault(QLocale::c()); }

    // The run starts from the first record of `etapes`. A last interval of 0 means that no
    // tick comes: playback holds its record.
    void parcours_data() {
        QTest::addColumn<QList<int>>("codes");
        QTest::addColumn<QString>("n");
        QTest::addColumn<QString>("periode");
        QTest::addColumn<QString>("etapes");
        QTest::addColumn<QString>("marque"); // the button marked and the period shown at the end
        QTest::newRow("0..3 at x2, 20 ms")
            << L{2, 2, 2, 2} << u"3"_s << u"0.01"_s << u"0:20 1:20 2:20 3:20"_s << u"1 0.02"_s;
        QTest::newRow("codes 1 and -1 keep x5")
            << L{3, 3, 1, -1} << u"3"_s << u"0.01"_s << u"0:50 1:50 2:50 3:50"_s << u"0 0"_s;
        QTest::newRow("from the middle")
            << L{2, 2, 3, 4, 5} << u"4"_s << u"0.01"_s << u"2:50 3:100 4:150"_s << u"4 0.15"_s;
        QTest::newRow("start rounds, step drops")
            << L{2, 2} << u"1"_s << u"0.00675"_s << u"0:14 1:13"_s << u"1 0.0135"_s;
        QTest::newRow("half to even")
            << L{2, 2} << u"1"_s << u"0.00625"_s << u"0:12 1:12"_s << u"1 0.0125"_s;
        QTest::newRow("period of the list")
            << L{5, 5} << u"1"_s << u"0.35"_s << u"0:5250 1:5250"_s << u"4 5.25"_s;
        QTest::newRow("code 0 never ticks")
            << L{0, 2, 2} << u"2"_s << u"0.01"_s << u"0:0"_s << u"1 0"_s;
        QTest::newRow("negative code at the start")
            << L{-1, 2} << u"1"_s << u"0.01"_s << u"0:0"_s << u"1 0"_s;
        QTest::newRow("code 9 holds the record")
            << L{2, 9, 2} << u"2"_s << u"0.01"_s << u"0:20 1:0"_s << u"5 0"_s;
        QTest::newRow("count past the store")
            << L{} << u"2000"_s << u"0.01"_s << u"1023:20 1024:20"_s << u"1 0.02"_s;
    }
    void parcours() {
        QFETCH(QList<int>, codes);
        QFETCH(QString, n);
        QFETCH(QString, periode);
        QFETCH(QString, etapes);
        QFETCH(QString, marque);
        Banc b;
        demarrer(b, codes, n, periode, etapes.section(u':', 0, 0));
        QStringList joue;
        jouer(b, joue);
        if (QTest::currentTestFailed())
            return;
        QCOMPARE(joue.join(u' '), etapes);
        QCOMPARE(u"%1 %2"_s.arg(b->Ctl.Option1).arg(b->Ctl.Cpt2), marque);
        verifierEtat(b, etapes.endsWith(u":0"_s));
    }

    // Text2 keeps the address as typed; a start outside the store shows nothing.
    void adresseDeDepart_data() {
        QTest::addColumn<QString>("texte1");
        QTest::addColumn<QString>("n");
        QTest::addColumn<QString>("texte1Apres");
        QTest::addColumn<int>("montre"); // a refused start leaves record 1, where the navigator is
        QTest::addColumn<bool>("joue");
        QTest::newRow("equal to N") << u"3"_s << u"3"_s << u"3"_s << 3 << false;
        QTest::newRow("beyond N") << u"5"_s << u"3"_s << u"0"_s << 5 << false;
        QTest::newRow("empty") << u""_s << u"3"_s << u"0"_s << 0 << true;
        QTest::newRow("1.5 to even") << u"1.5"_s << u"3"_s << u"1.5"_s << 2 << true;
        QTest::newRow("2.5 to even") << u"2.5"_s << u"3"_s << u"2.5"_s << 2 << true;
        QTest::newRow("last of the store") << u"1024"_s << u"2000"_s << u"1024"_s << 1024 << true;
        QTest::newRow("1025") << u"1025"_s << u"3"_s << u"0"_s << 1 << false;
        QTest::newRow("negative") << u"-3"_s << u"3"_s << u"-3"_s << 1 << false;
    }
    void adresseDeDepart() {
        QFETCH(QString, texte1);
        QFETCH(QString, n);
        QFETCH(QString, texte1Apres);
        QFETCH(int, montre);
        QFETCH(bool, joue);
        Banc b;
        demarrer(b, {}, n, u"0.01"_s, texte1);
        QCOMPARE(b->Ctl.Text1, texte1Apres);
        QCOMPARE(b->Ctl.Text2, texte1);
        QCOMPARE(int(b->EnrCours), montre);
        QCOMPARE(grille(*b), motifDe(montre));
        verifierEtat(b, joue);
    }

    // Pressed while record 2 of 0..5 plays: PLAY starts again, STOP stops, right records.
    void boutons_data() {
        QTest::addColumn<int>("commande");
        QTest::addColumn<int>("bouton");
        QTest::addColumn<int>("enrCours");
        QTest::addColumn<bool>("joue");
        QTest::newRow("PLAY left") << 3 << 1 << 0 << true;
        QTest::newRow("PLAY middle") << 3 << 4 << 2 << true;
        QTest::newRow("PLAY right") << 3 << 2 << 3 << true;
        QTest::newRow("STOP left") << 4 << 1 << 2 << false;
        QTest::newRow("STOP right") << 4 << 2 << 3 << true;
    }
    void boutons() {
        QFETCH(int, commande);
        QFETCH(int, bouton);
        QFETCH(int, enrCours);
        QFETCH(bool, joue);
        Banc b;
        demarrer(b, {}, u"5"_s, u"0.01"_s);
        b->Timer1_Timer();
        b->Timer1_Timer();
        if (commande == 3)
            b->Cmd3_MouseDown(Souris(bouton));
        else
            b->Cmd4_MouseDown(Souris(bouton));
        QCOMPARE(int(b->EnrCours), enrCours);
        QCOMPARE(grille(*b), motifDe(enrCours));
        verifierEtat(b, joue);
    }

    void stopAvantToutDepart() {
        Banc b;
        b->Cmd4_MouseDown(Souris::Gauche);
        QVERIFY(!b->EnLecture);
        QCOMPARE(b.minuterie.intervalle, 10000);
        QVERIFY(!b.minuterie.actif);
    }
};

QTEST_GUILESS_MAIN(TstSimulateur)
#include "tst_simulateur.moc"
