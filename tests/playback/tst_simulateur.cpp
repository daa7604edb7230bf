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

// The run starts from the first record of `etapes`. A last interval of 0 means that no tick
// comes: playback holds its record. `marque`: the button marked and the period shown at the end.
struct Parcours {
    QList<int> codes;
    QString n, periode;
    const char *etapes, *marque;
};

struct Depart {
    QString texte1, n, texte1Apres;
    int montre;
    bool joue;
};

struct Bouton {
    void (LT840::*commande)(Souris);
    Souris souris;
    int enrCours;
    bool joue;
};

} // namespace

class TstSimulateur : public QObject {
    Q_OBJECT
private slots:
    void initTestCase() { QLocale::setDefault(QLocale::c()); }

    void parcours_data() {
        QTest::addColumn<Parcours>("cas");
        using P = Parcours;
        QTest::newRow("0..3 at x2, 20 ms")
            << P{{2, 2, 2, 2}, "3", "0.01", "0:20 1:20 2:20 3:20", "1 0.02"};
        QTest::newRow("codes 1 and -1 keep x5")
            << P{{3, 3, 1, -1}, "3", "0.01", "0:50 1:50 2:50 3:50", "0 0"};
        QTest::newRow("from the middle")
            << P{{2, 2, 3, 4, 5}, "4", "0.01", "2:50 3:100 4:150", "4 0.15"};
        QTest::newRow("start rounds, step drops")
            << P{{2, 2}, "1", "0.00675", "0:14 1:13", "1 0.0135"};
        QTest::newRow("half to even") << P{{2, 2}, "1", "0.00625", "0:12 1:12", "1 0.0125"};
        QTest::newRow("period of the list") << P{{5, 5}, "1", "0.35", "0:5250 1:5250", "4 5.25"};
        QTest::newRow("code 0 never ticks") << P{{0, 2, 2}, "2", "0.01", "0:0", "1 0"};
        QTest::newRow("negative code at the start") << P{{-1, 2}, "1", "0.01", "0:0", "1 0"};
        QTest::newRow("code 9 holds the record") << P{{2, 9, 2}, "2", "0.01", "0:20 1:0", "5 0"};
        QTest::newRow("count past the store") << P{{}, "2000", "0.01", "1023:20 1024:20", "1 0.02"};
    }
    void parcours() {
        QFETCH(Parcours, cas);
        const QString etapes = QString::fromLatin1(cas.etapes);
        Banc b;
        demarrer(b, cas.codes, cas.n, cas.periode, etapes.section(u':', 0, 0));
        QStringList joue;
        jouer(b, joue);
        if (QTest::currentTestFailed())
            return;
        QCOMPARE(joue.join(u' '), etapes);
        QCOMPARE(u"%1 %2"_s.arg(b->Ctl.Option1).arg(b->Ctl.Cpt2), QString::fromLatin1(cas.marque));
        verifierEtat(b, etapes.endsWith(u":0"_s));
    }

    // Text2 keeps the address as typed; a start outside the store shows nothing, and a refused
    // one leaves record 1, where the navigator is.
    void adresseDeDepart_data() {
        QTest::addColumn<Depart>("cas");
        QTest::newRow("equal to N") << Depart{"3", "3", "3", 3, false};
        QTest::newRow("beyond N") << Depart{"5", "3", "0", 5, false};
        QTest::newRow("empty") << Depart{"", "3", "0", 0, true};
        QTest::newRow("1.5 to even") << Depart{"1.5", "3", "1.5", 2, true};
        QTest::newRow("2.5 to even") << Depart{"2.5", "3", "2.5", 2, true};
        QTest::newRow("last of the store") << Depart{"1024", "2000", "1024", 1024, true};
        QTest::newRow("1025") << Depart{"1025", "3", "0", 1, false};
        QTest::newRow("negative") << Depart{"-3", "3", "-3", 1, false};
    }
    void adresseDeDepart() {
        QFETCH(Depart, cas);
        Banc b;
        demarrer(b, {}, cas.n, u"0.01"_s, cas.texte1);
        QCOMPARE(b->Ctl.Text1 + u'|' + b->Ctl.Text2, cas.texte1Apres + u'|' + cas.texte1);
        QCOMPARE(int(b->EnrCours), cas.montre);
        QCOMPARE(grille(*b), motifDe(cas.montre));
        verifierEtat(b, cas.joue);
    }

    // Pressed while record 2 of 0..5 plays: PLAY starts again, STOP stops, right records.
    void boutons_data() {
        QTest::addColumn<Bouton>("cas");
        const auto play = &LT840::Cmd3_MouseDown, stop = &LT840::Cmd4_MouseDown;
        QTest::newRow("PLAY left") << Bouton{play, Souris::Gauche, 0, true};
        QTest::newRow("PLAY middle") << Bouton{play, Souris::Milieu, 2, true};
        QTest::newRow("PLAY right") << Bouton{play, Souris::Droit, 3, true};
        QTest::newRow("STOP left") << Bouton{stop, Souris::Gauche, 2, false};
        QTest::newRow("STOP right") << Bouton{stop, Souris::Droit, 3, true};
    }
    void boutons() {
        QFETCH(Bouton, cas);
        Banc b;
        demarrer(b, {}, u"5"_s, u"0.01"_s);
        b->Timer1_Timer();
        b->Timer1_Timer();
        (*b.*cas.commande)(cas.souris);
        QCOMPARE(int(b->EnrCours), cas.enrCours);
        QCOMPARE(grille(*b), motifDe(cas.enrCours));
        verifierEtat(b, cas.joue);
    }
};

QTEST_GUILESS_MAIN(TstSimulateur)
#include "tst_simulateur.moc"
