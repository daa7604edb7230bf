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

// Records 0..n, the first ones with the given codes and the others with code 2, started from
// `depart`. The navigator is left on record 1, which a start from 0 does not move: the first
// step must show record 1 all the same.
void demarrer(Banc& b, const QString& premiers, const QString& n, const QString& periode,
              const QString& depart) {
    const QStringList codes = premiers.split(u',', Qt::SkipEmptyParts);
    for (int r = 0; r <= DernierEnr; ++r) {
        for (int i = 0; i < NombreLampes; ++i)
            b->TabTrames[r][i] = qint16((motifDe(r) >> i) & 1);
        b->TabTrames[r][LigneCode] = qint16(r < codes.size() ? codes[r].toInt() : 2);
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
    QCOMPARE(grille(*b), enr(*b, montre));
}

} // namespace

class TstSimulateur : public QObject {
    Q_OBJECT
private slots:
    void initTestCase() { QLocale::setDefault(QLocale::c()); }

    // "codes of the first records|count|period|steps|button marked and period shown". The
    // run starts from the first record of the steps ("record:interval" for each record shown);
    // a last interval of 0 means that no tick comes: playback holds its record.
    void parcours_data() {
        QTest::addColumn<QStringList>("cas");
        for (const char* l :
             {"2,2,2,2|3|0.01|0:20 1:20 2:20 3:20|1 0.02",
              "3,3,1,-1|3|0.01|0:50 1:50 2:50 3:50|-1 0", "2,2,3,4,5|4|0.01|2:50 3:100 4:150|4 0.15",
              "2,2|1|0.00675|0:14 1:13|1 0.0135", "2,2|1|0.00625|0:12 1:12|1 0.0125",
              "5,5|1|0.35|0:5250 1:5250|4 5.25", "0,2,2|2|0.01|0:0|-1 0", "-1,2|1|0.01|0:0|-1 0",
              "2,9,2|2|0.01|0:20 1:0|-1 0", "|2000|0.01|1023:20 1024:20|1 0.02"})
            QTest::newRow(l) << QString::fromLatin1(l).split(u'|');
    }
    // Ticking as the timer would until playback ends or no tick would come, every record shown
    // must reach the grid and Text2.
    void parcours() {
        QFETCH(QStringList, cas);
        const QString etapes = cas[3];
        Banc b;
        demarrer(b, cas[0], cas[1], cas[2], etapes.section(u':', 0, 0));
        QStringList joue;
        for (int garde = 0; garde < DernierEnr && joue.size() <= etapes.count(u' '); ++garde) {
            QCOMPARE(grille(*b), enr(*b, b->EnrCours));
            QCOMPARE(b->Ctl.Text2, QString::number(b->EnrCours));
            joue << u"%1:%2"_s.arg(b->EnrCours).arg(b.minuterie.intervalle);
            if (!b.minuterie.tournerait())
                break;
            b->Timer1_Timer();
            if (!b->EnLecture)
                break;
        }
        QCOMPARE(joue.join(u' '), etapes);
        QCOMPARE(u"%1 %2"_s.arg(b->boutonTempoMarque()).arg(b->Ctl.Cpt2), cas[4]);
        verifierEtat(b, etapes.endsWith(u":0"_s));
    }

    // "n Départ gestures|Text1|Text2, record shown, playing": records 0..n with code 2 at
    // 0.01 s, started from "Départ", then the gestures. Text2 keeps the address as typed; a
    // start outside the store shows nothing, a refused one leaves record 1, where the navigator
    // is. Pressed while record 2 of 0..5 plays: PLAY starts again, STOP stops, right records.
    void depart_data() {
        QTest::addColumn<QString>("cas");
        for (const char* l :
             {"3 3|3|3 3 0", "3 5|0|5 5 0", "3 |0| 0 1", "3 1.5|1.5|1.5 2 1", "3 2.5|2.5|2.5 2 1",
              "2000 1024|1024|1024 1024 1", "3 1025|0|1025 1 0", "3 -3|-3|-3 1 0",
              "5 0 Timer1 Timer1 Cmd3|0|0 0 1", "5 0 Timer1 Timer1 Cmd3:m|0|2 2 1",
              "5 0 Timer1 Timer1 Cmd3:d|0|3 3 1", "5 0 Timer1 Timer1 Cmd4|0|2 2 0"})
            QTest::newRow(l) << QString::fromLatin1(l);
    }
    void depart() {
        QFETCH(QString, cas);
        const QString avant = cas.section(u'|', 0, 0);
        Banc b;
        demarrer(b, {}, avant.section(u' ', 0, 0), u"0.01"_s, avant.section(u' ', 1, 1));
        gestes(*b, avant.section(u' ', 2));
        QCOMPARE(u"%1|%2 %3 %4"_s.arg(b->Ctl.Text1, b->Ctl.Text2)
                     .arg(b->EnrCours)
                     .arg(int(b->EnLecture)),
                 cas.section(u'|', 1));
        QCOMPARE(grille(*b), enr(*b, b->EnrCours));
        verifierEtat(b, b->EnLecture);
    }

    // "codes count base: records seconds". The codes fill records 0 onwards; the rest of the
    // store holds code 6, which must count only where the count reaches it.
    void dureeEtNombre_data() {
        QTest::addColumn<QString>("cas");
        for (const char* l : {"0,7,8,-1,300,1 6 0.1: 6 0.1", "1,2,3,4,5,6 6 0.35: 6 18.55",
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
        QCOMPARE(u"%1 %2 %3: %4 %5"_s.arg(e[0], e[1], e[2].chopped(1))
                     .arg(nombreEnregistrements(magasin, e[1].toInt()))
                     .arg(dureeTour(magasin, e[1].toInt(), e[2].chopped(1).toDouble())),
                 cas);
    }
};

QTEST_GUILESS_MAIN(TstSimulateur)
#include "tst_simulateur.moc"
