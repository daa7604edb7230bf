#include "Banc.h"

#include <QtTest>

namespace {

const QString Oui = QStringLiteral("oui");
const QString Non = QStringLiteral("non");
constexpr int ToutAllume = 0xFF;

// Record r lights the lamps of the bits of r % 251 + 1: every record used here has a
// pattern of its own, and none is all lit.
int motifDe(int r) {
    return r % 251 + 1;
}

int grille(const LT840& ed) {
    int motif = 0;
    for (int i = 0; i < 8; ++i)
        motif |= ed.Ctl.Shape1[i].FillColor == ed.CouleurOn ? 1 << i : 0;
    return motif;
}

void peindre(LT840& ed, int motif) {
    for (int i = 0; i < 8; ++i)
        ed.Ctl.Shape1[i].FillColor = (motif >> i) & 1 ? ed.CouleurOn : ed.CouleurOff;
}

// Every record gets its own pattern and code 2; the first ones take the given codes.
void remplir(LT840& ed, const QList<int>& codes) {
    for (int r = 0; r <= LT840::DernierEnr; ++r) {
        for (int i = 0; i < 8; ++i)
            ed.TabTrames[r][i] = qint16((motifDe(r) >> i) & 1);
        ed.TabTrames[r][8] = qint16(r < codes.size() ? codes[r] : 2);
    }
}

void choisirPeriode(LT840& ed, const QString& periode) {
    int i = int(ed.Ctl.List1.indexOf(periode));
    if (i < 0) {
        ed.Ctl.List1[0] = periode;
        i = 0;
    }
    ed.Ctl.List1Index = i;
}

// Records 0..N with the given codes (N = the last one), started from `depart`.
void demarrer(Banc& b, const QList<int>& codes, const QString& periode,
              const QString& depart = QStringLiteral("0")) {
    remplir(*b, codes);
    b->setText3(QString::number(codes.size() - 1));
    choisirPeriode(*b, periode);
    b->Ctl.Text1 = depart;
    b->Cmd3_MouseDown(1);
}

struct Parcours {
    QList<int> montres;     // the record shown after each step
    QList<int> intervalles; // the interval after the start, then after each step
};

// Delivers ticks as the timer would, until playback ends or no tick would come. Every step
// must show its record on the grid and in Text2.
void jouer(Banc& b, Parcours& p) {
    p.intervalles << b.minuterie.intervalle;
    for (int garde = 0; garde < 2 * LT840::DernierEnr; ++garde) {
        if (!b.minuterie.tournerait() || b->EnLecture != Oui)
            return;
        b->Timer1_Timer();
        if (b->EnLecture != Oui)
            return;
        QCOMPARE(grille(*b), motifDe(b->EnrCours));
        QCOMPARE(b->Ctl.Text2, QString::number(b->EnrCours));
        p.montres << b->EnrCours;
        p.intervalles << b.minuterie.intervalle;
    }
    QFAIL("playback never ends");
}

void verifierArrete(Banc& b) {
    QCOMPARE(b->EnLecture, Non);
    QCOMPARE(b->Ctl.Cmd3BackColor, CouleurSysteme::FaceBouton);
    QVERIFY(b.minuterie.actif);
}

} // namespace

class TstLecture : public QObject {
    Q_OBJECT
private slots:
    void initTestCase() { QLocale::setDefault(QLocale::c()); }

    void parcours_data() {
        QTest::addColumn<QList<int>>("codes");
        QTest::addColumn<QString>("periode");
        QTest::addColumn<QString>("depart");
        QTest::addColumn<QList<int>>("montres");
        QTest::addColumn<QList<int>>("intervalles");
        QTest::addColumn<bool>("finit");
        using L = QList<int>;
        QTest::newRow("0..3 at x2, 20 ms") << L{2, 2, 2, 2} << "0.01"
                                           << "0" << L{1, 2, 3} << L{20, 20, 20, 20} << true;
        QTest::newRow("code 1 keeps x5") << L{3, 3, 1, 1} << "0.01"
                                         << "0" << L{1, 2, 3} << L{50, 50, 50, 50} << true;
        QTest::newRow("code 1 first, then x10")
            << L{1, 4, 1, 2} << "0.1"
            << "0" << L{1, 2, 3} << L{100, 1000, 1000, 200} << true;
        QTest::newRow("from the middle") << L{2, 2, 3, 4, 5} << "0.01"
                                         << "2" << L{3, 4} << L{50, 100, 150} << true;
        QTest::newRow("x20 at 0.4") << L{6, 6} << "0.4"
                                    << "0" << L{1} << L{8000, 8000} << true;
        QTest::newRow("code 0 at the start never ticks") << L{0, 2, 2} << "0.01"
                                                         << "0" << L{} << L{0} << false;
        QTest::newRow("code 7 holds the record") << L{2, 7, 2} << "0.01"
                                                 << "0" << L{1} << L{20, 0} << false;
        QTest::newRow("code 9 holds the record") << L{2, 9, 2} << "0.01"
                                                 << "0" << L{1} << L{20, 0} << false;
        QTest::newRow("code 9 at the start") << L{9, 2} << "0.01"
                                             << "0" << L{} << L{0} << false;
        QTest::newRow("negative code at the start") << L{-1, 2} << "0.01"
                                                    << "0" << L{} << L{0} << false;
        QTest::newRow("negative code keeps the time base")
            << L{2, -1, 2} << "0.01"
            << "0" << L{1, 2} << L{20, 20, 20} << true;
    }
    void parcours() {
        QFETCH(QList<int>, codes);
        QFETCH(QString, periode);
        QFETCH(QString, depart);
        QFETCH(QList<int>, montres);
        QFETCH(QList<int>, intervalles);
        QFETCH(bool, finit);
        Banc b;
        demarrer(b, codes, periode, depart);
        QCOMPARE(grille(*b), motifDe(depart.toInt()));
        Parcours p;
        jouer(b, p);
        if (QTest::currentTestFailed())
            return;
        QCOMPARE(p.montres, montres);
        QCOMPARE(p.intervalles, intervalles);
        if (!finit) {
            QCOMPARE(b->EnLecture, Oui);
            QCOMPARE(b->Ctl.Cmd3BackColor, b->Couleurs[0]);
            return;
        }
        verifierArrete(b);
        QCOMPARE(b.minuterie.intervalle, intervalles.last());
        const int dernier = b->EnrCours;
        b->Timer1_Timer();
        QCOMPARE(b.minuterie.intervalle, 10000);
        QCOMPARE(int(b->EnrCours), dernier);
    }

    void adresseDeDepart_data() {
        QTest::addColumn<QString>("texte1");
        QTest::addColumn<QString>("texte3");
        QTest::addColumn<QString>("texte1Apres");
        QTest::addColumn<QString>("texte2Apres");
        QTest::addColumn<int>("montre"); // -1: nothing shown
        QTest::addColumn<bool>("joue");
        QTest::newRow("within") << "1"
                                << "3"
                                << "1"
                                << "1" << 1 << true;
        QTest::newRow("equal to N") << "3"
                                    << "3"
                                    << "3"
                                    << "3" << 3 << false;
        QTest::newRow("beyond N") << "5"
                                  << "3"
                                  << "0"
                                  << "5" << 5 << false;
        QTest::newRow("empty") << ""
                               << "3"
                               << "0"
                               << "" << 0 << true;
        QTest::newRow("letters") << "abc"
                                 << "3"
                                 << "abc"
                                 << "abc" << 0 << true;
        QTest::newRow("1.5 to even") << "1.5"
                                     << "3"
                                     << "1.5"
                                     << "1.5" << 2 << true;
        QTest::newRow("2.5 to even") << "2.5"
                                     << "3"
                                     << "2.5"
                                     << "2.5" << 2 << true;
        QTest::newRow("-0.5 to 0") << "-0.5"
                                   << "3"
                                   << "-0.5"
                                   << "-0.5" << 0 << true;
        QTest::newRow("1024.5 to 1024") << "1024.5"
                                        << "3"
                                        << "0"
                                        << "1024.5" << 1024 << false;
        QTest::newRow("1025") << "1025"
                              << "3"
                              << "0"
                              << "1025" << -1 << false;
        QTest::newRow("99999") << "99999"
                               << "3"
                               << "0"
                               << "99999" << -1 << false;
        QTest::newRow("-3") << "-3"
                            << "3"
                            << "-3"
                            << "-3" << -1 << false;
        QTest::newRow("-0.6") << "-0.6"
                              << "3"
                              << "-0.6"
                              << "-0.6" << -1 << false;
        QTest::newRow("1024, N 2000") << "1024"
                                      << "2000"
                                      << "1024"
                                      << "1024" << 1024 << true;
        QTest::newRow("1500, N 2000") << "1500"
                                      << "2000"
                                      << "0"
                                      << "1500" << -1 << false;
    }
    void adresseDeDepart() {
        QFETCH(QString, texte1);
        QFETCH(QString, texte3);
        QFETCH(QString, texte1Apres);
        QFETCH(QString, texte2Apres);
        QFETCH(int, montre);
        QFETCH(bool, joue);
        Banc b;
        remplir(*b, {});
        b->setText3(texte3);
        b->setHScroll1Value(2);
        peindre(*b, ToutAllume);
        b->Ctl.Text1 = texte1;
        b->Cmd3_MouseDown(1);
        QCOMPARE(b->Ctl.Text1, texte1Apres);
        QCOMPARE(b->Ctl.Text2, texte2Apres);
        QCOMPARE(int(b->EnrCours), montre < 0 ? 2 : montre);
        QCOMPARE(grille(*b), montre < 0 ? ToutAllume : motifDe(montre));
        QCOMPARE(b->EnLecture, joue ? Oui : Non);
        QCOMPARE(b->Ctl.Cmd3BackColor, joue ? b->Couleurs[0] : CouleurSysteme::FaceBouton);
        QVERIFY(b.minuterie.actif);
        QCOMPARE(b.minuterie.intervalle, montre < 0 ? 10000 : 20);
    }

    // A count from a file may pass the store; playback still ends at its last record.
    void finAuBoutDeLaReserve() {
        Banc b;
        remplir(*b, {});
        b->setText3(QStringLiteral("2000"));
        b->Ctl.Text1 = QStringLiteral("1023");
        b->Cmd3_MouseDown(1);
        Parcours p;
        jouer(b, p);
        if (QTest::currentTestFailed())
            return;
        QCOMPARE(p.montres, QList<int>{1024});
        verifierArrete(b);
    }

    void arrondis_data() {
        QTest::addColumn<QString>("periode");
        QTest::addColumn<int>("code");
        QTest::addColumn<int>("auDepart");
        QTest::addColumn<int>("aLEtape");
        QTest::newRow("12.5") << "0.00625" << 2 << 12 << 12;
        QTest::newRow("13.5") << "0.00675" << 2 << 14 << 13;
        QTest::newRow("13.8") << "0.0069" << 2 << 14 << 13;
        QTest::newRow("1.5") << "0.00075" << 2 << 2 << 1;
        QTest::newRow("0.5") << "0.00025" << 2 << 0 << 0;
        QTest::newRow("17.5 at x5") << "0.0035" << 3 << 18 << 17;
        QTest::newRow("whole") << "0.35" << 5 << 5250 << 5250;
    }
    void arrondis() {
        QFETCH(QString, periode);
        QFETCH(int, code);
        QFETCH(int, auDepart);
        QFETCH(int, aLEtape);
        Banc b;
        demarrer(b, {code, code}, periode);
        QCOMPARE(b.minuterie.intervalle, auDepart);
        b->Timer1_Timer();
        QCOMPARE(int(b->EnrCours), 1);
        QCOMPARE(b.minuterie.intervalle, aLEtape);
    }

    void boutonMarque_data() {
        QTest::addColumn<int>("code");
        QTest::addColumn<int>("bouton");
        QTest::addColumn<int>("indTempo");
        QTest::addColumn<QString>("periode");
        QTest::newRow("x5") << 3 << 2 << 2 << "0.05";
        QTest::newRow("x1") << 1 << 0 << 0 << "0.01";
        QTest::newRow("code 7") << 7 << 5 << 6 << "0";
        QTest::newRow("code 300") << 300 << 5 << 299 << "0";
    }
    void boutonMarque() {
        QFETCH(int, code);
        QFETCH(int, bouton);
        QFETCH(int, indTempo);
        QFETCH(QString, periode);
        Banc b;
        demarrer(b, {2, code, 2}, QStringLiteral("0.01"));
        b->Timer1_Timer();
        QCOMPARE(b->Ctl.Option1, bouton);
        QCOMPARE(int(b->IndTempo), indTempo);
        QCOMPARE(b->Ctl.Cpt2, periode);
    }

    void stop_data() {
        QTest::addColumn<int>("bouton");
        QTest::addColumn<bool>("arrete");
        QTest::newRow("left") << 1 << true;
        QTest::newRow("middle") << 4 << true;
        QTest::newRow("right records") << 2 << false;
    }
    void stop() {
        QFETCH(int, bouton);
        QFETCH(bool, arrete);
        Banc b;
        demarrer(b, {2, 2, 2, 2}, QStringLiteral("0.01"));
        b->Timer1_Timer();
        b->Timer1_Timer();
        b->Cmd4_MouseDown(bouton);
        if (!arrete) {
            QCOMPARE(b->EnLecture, Oui);
            QCOMPARE(int(b->EnrCours), 3);
            QCOMPARE(b.minuterie.intervalle, 20);
            return;
        }
        verifierArrete(b);
        QCOMPARE(b.minuterie.intervalle, 10000);
        b->Timer1_Timer();
        QCOMPARE(int(b->EnrCours), 2);
        QCOMPARE(b->Ctl.Text2, QStringLiteral("2"));
        QCOMPARE(grille(*b), motifDe(2));
        QCOMPARE(b.minuterie.intervalle, 10000);
    }

    void stopAvantToutDepart() {
        Banc b;
        b->Cmd4_MouseDown(1);
        QCOMPARE(b->EnLecture, Non);
        QCOMPARE(b.minuterie.intervalle, 10000);
        QVERIFY(!b.minuterie.actif);
    }

    void boutonsDePlay_data() {
        QTest::addColumn<int>("bouton");
        QTest::addColumn<QString>("enLecture");
        QTest::addColumn<int>("enrCours");
        QTest::newRow("left plays") << 1 << Oui << 0;
        QTest::newRow("right records") << 2 << QString() << 1;
        QTest::newRow("middle does nothing") << 4 << QString() << 0;
    }
    void boutonsDePlay() {
        QFETCH(int, bouton);
        QFETCH(QString, enLecture);
        QFETCH(int, enrCours);
        Banc b;
        b->setText3(QStringLiteral("3"));
        b->Cmd3_MouseDown(bouton);
        QCOMPARE(b->EnLecture, enLecture);
        QCOMPARE(int(b->EnrCours), enrCours);
        QCOMPARE(b.minuterie.actif, enLecture == Oui);
    }

    // The start leaves the navigator where the user put it, possibly on the next record.
    void navigateurDejaSurLeSuivant() {
        Banc b;
        remplir(*b, {});
        b->setText3(QStringLiteral("3"));
        b->setHScroll1Value(1);
        b->Ctl.Text1 = QStringLiteral("0");
        b->Cmd3_MouseDown(1);
        QCOMPARE(grille(*b), motifDe(0));
        b->Timer1_Timer();
        QCOMPARE(int(b->EnrCours), 1);
        QCOMPARE(b->Ctl.Text2, QStringLiteral("1"));
        QCOMPARE(grille(*b), motifDe(1));
    }

    void nouveauDepartEnCours() {
        Banc b;
        demarrer(b, {2, 3, 2, 2}, QStringLiteral("0.01"));
        b->Timer1_Timer();
        b->Timer1_Timer();
        b->Cmd3_MouseDown(1);
        QCOMPARE(int(b->EnrCours), 0);
        QCOMPARE(grille(*b), motifDe(0));
        QCOMPARE(b->EnLecture, Oui);
        b->Timer1_Timer();
        QCOMPARE(int(b->EnrCours), 1);
        QCOMPARE(b.minuterie.intervalle, 50);
    }
};

QTEST_GUILESS_MAIN(TstLecture)
#include "tst_lecture.moc"
