#include "../editor/Gestes.h"
#include "playback/DureeTour.h"

#include <QtTest>

using namespace Qt::StringLiterals;

namespace {

// Record r lights the lamps of the bits of r % 251 + 1: every record used here has a pattern
// of its own, and none is all lit.
int motifDe(int r) {
    return r % 251 + 1;
}

int affiche(const LT840& ed) {
    int motif = 0;
    for (int i = 0; i < NombreLampes; ++i)
        motif |= ed.Ctl.Shape1[i].FillColor == ed.CouleurOn ? 1 << i : 0;
    return motif;
}

// Records 0..n, the first ones with the given codes and the others with code 2, started from
// `depart`. The navigator is left on record 1, which a start from 0 does not move: the first
// step must show record 1 all the same.
void demarrer(Banc& b, const QList<int>& codes, const QString& n, const QString& periode,
              const QString& depart) {
    for (int r = 0; r <= DernierEnr; ++r) {
        for (int i = 0; i < NombreLampes; ++i)
            b->TabTrames[r][i] = qint16((motifDe(r) >> i) & 1);
        b->TabTrames[r][LigneCode] = qint16(r < codes.size() ? codes[r] : 2);
    }
    b->Ctl.List1[0] = periode;
    gestes(*b, u"Text3:%1 HScroll1:1 Text1:%2 Cmd3"_s.arg(n, depart));
}

// Playing, PLAY is red. Stopped, it is not, the record stays shown and the timer idles without
// ever being disabled.
void verifierEtat(Banc& b, bool joue) {
    QCOMPARE(b->EnLecture, joue);
    QCOMPARE(b->Ctl.Cmd3BackColor, joue ? b->Couleurs[0] : CouleurSysteme::FaceBouton);
    if (joue)
        return;
    QVERIFY(b.minuterie.actif);
    const int montre = b->EnrCours;
    b->Timer1_Timer();
    QCOMPARE(b.minuterie.intervalle, 10000);
    QCOMPARE(int(b->EnrCours), montre);
    QCOMPARE(affiche(*b), motifDe(montre));
}

// The run starts from the first record of `etapes` ("record:interval" for each record shown).
// A last interval of 0 means that no tick comes: playback holds its record. `marque`: the
// button marked and the period shown at the end.
struct Parcours {
    QList<int> codes;
    QString n, periode;
    const char *etapes, *marque;
};

} // namespace

class TstSimulateur : public QObject {
    Q_OBJECT
private slots:
    void initTestCase() { QLocale::setDefault(QLocale::c()); }

    void parcours_data() {
        QTest::addColumn<Parcours>("cas");
        const auto p = [](const char* nom, QList<int> codes, const char* n, const char* periode,
                          const char* etapes, const char* marque) {
            QTest::newRow(nom) << Parcours{codes, n, periode, etapes, marque};
        };
        p("0..3 at x2, 20 ms", {2, 2, 2, 2}, "3", "0.01", "0:20 1:20 2:20 3:20", "1 0.02");
        p("codes 1 and -1 keep x5", {3, 3, 1, -1}, "3", "0.01", "0:50 1:50 2:50 3:50", "0 0");
        p("from the middle", {2, 2, 3, 4, 5}, "4", "0.01", "2:50 3:100 4:150", "4 0.15");
        p("start rounds, step drops", {2, 2}, "1", "0.00675", "0:14 1:13", "1 0.0135");
        p("half to even", {2, 2}, "1", "0.00625", "0:12 1:12", "1 0.0125");
        p("period of the list", {5, 5}, "1", "0.35", "0:5250 1:5250", "4 5.25");
        p("code 0 never ticks", {0, 2, 2}, "2", "0.01", "0:0", "1 0");
        p("negative code at the start", {-1, 2}, "1", "0.01", "0:0", "1 0");
        p("code 9 holds the record", {2, 9, 2}, "2", "0.01", "0:20 1:0", "5 0");
        p("count past the store", {}, "2000", "0.01", "1023:20 1024:20", "1 0.02");
    }
    // Ticking as the timer would until playback ends or no tick would come, every record shown
    // must reach the grid and Text2.
    void parcours() {
        QFETCH(Parcours, cas);
        const QString etapes = QString::fromLatin1(cas.etapes);
        Banc b;
        demarrer(b, cas.codes, cas.n, cas.periode, etapes.section(u':', 0, 0));
        QStringList joue;
        for (int garde = 0; garde < DernierEnr && joue.size() <= etapes.count(u' '); ++garde) {
            QCOMPARE(affiche(*b), motifDe(b->EnrCours));
            QCOMPARE(b->Ctl.Text2, QString::number(b->EnrCours));
            joue << u"%1:%2"_s.arg(b->EnrCours).arg(b.minuterie.intervalle);
            if (!b.minuterie.tournerait())
                break;
            b->Timer1_Timer();
            if (!b->EnLecture)
                break;
        }
        QCOMPARE(joue.join(u' '), etapes);
        QCOMPARE(u"%1 %2"_s.arg(b->Ctl.Option1).arg(b->Ctl.Cpt2), QString::fromLatin1(cas.marque));
        verifierEtat(b, etapes.endsWith(u":0"_s));
    }

    // Records 0..n with code 2 at 0.01 s, started from "Départ", then the gestures; then Text1
    // and Text2, the record shown and whether it plays. Text2 keeps the address as typed; a
    // start outside the store shows nothing, and a refused one leaves record 1, where the
    // navigator is. Pressed while record 2 of 0..5 plays: PLAY starts again, STOP stops, right
    // records.
    void depart_data() {
        QTest::addColumn<QStringList>("cas");
        const auto d = [](const char* nom, const char* texte1, const char* n, const char* apres,
                          const char* gestes = "") {
            QTest::newRow(nom) << QStringList{texte1, n, gestes, apres};
        };
        d("equal to N", "3", "3", "3|3 3 0");
        d("beyond N", "5", "3", "0|5 5 0");
        d("empty", "", "3", "0| 0 1");
        d("1.5 to even", "1.5", "3", "1.5|1.5 2 1");
        d("2.5 to even", "2.5", "3", "2.5|2.5 2 1");
        d("last of the store", "1024", "2000", "1024|1024 1024 1");
        d("1025", "1025", "3", "0|1025 1 0");
        d("negative", "-3", "3", "-3|-3 1 0");
        d("PLAY left", "0", "5", "0|0 0 1", "Timer1 Timer1 Cmd3");
        d("PLAY middle", "0", "5", "0|2 2 1", "Timer1 Timer1 Cmd3:m");
        d("PLAY right", "0", "5", "0|3 3 1", "Timer1 Timer1 Cmd3:d");
        d("STOP left", "0", "5", "0|2 2 0", "Timer1 Timer1 Cmd4");
        d("STOP right", "0", "5", "0|3 3 1", "Timer1 Timer1 Cmd4:d");
    }
    void depart() {
        QFETCH(QStringList, cas);
        Banc b;
        demarrer(b, {}, cas[1], u"0.01"_s, cas[0]);
        gestes(*b, cas[2]);
        QCOMPARE(u"%1|%2 %3 %4"_s.arg(b->Ctl.Text1, b->Ctl.Text2)
                     .arg(b->EnrCours)
                     .arg(int(b->EnLecture)),
                 cas[3]);
        QCOMPARE(affiche(*b), motifDe(b->EnrCours));
        verifierEtat(b, b->EnLecture);
    }

    // "codes count base: records seconds". The codes fill records 0 onwards; the rest of the
    // store holds code 6, which must count only where the count reaches it.
    void dureeEtNombre_data() {
        QTest::addColumn<QString>("cas");
        for (const char* l :
             {"- 0 0.4: 0 0", "0,7,8,-1,300,1 6 0.1: 6 0.1", "1,2,3,4,5,6 6 0.35: 6 18.55",
              "- -3 0.4: 0 0", "- 5000 0.01: 1025 205"})
            QTest::newRow(l) << QString::fromLatin1(l);
    }
    void dureeEtNombre() {
        QFETCH(QString, cas);
        const QStringList e = cas.split(u' ');
        const QStringList codes = e[0] == u"-" ? QStringList() : e[0].split(u',');
        static std::array<LignesEnregistrement, DernierEnr + 1> magasin;
        for (int r = 0; r < int(magasin.size()); ++r)
            magasin[r][LigneCode] = qint16(r < codes.size() ? codes[r].toInt() : 6);
        const double base = e[2].chopped(1).toDouble();
        QCOMPARE(u"%1 %2 %3: %4 %5"_s.arg(e[0], e[1], e[2].chopped(1))
                     .arg(nombreEnregistrements(magasin, e[1].toInt()))
                     .arg(dureeTour(magasin, e[1].toInt(), base)),
                 cas);
    }
};

QTEST_GUILESS_MAIN(TstSimulateur)
#include "tst_simulateur.moc"
