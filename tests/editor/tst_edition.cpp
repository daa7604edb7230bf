#include "Gestes.h"
#include "editor/BlocsTrames.h"
#include "editor/ChangementMagasin.h"
#include "editor/Edition.h"
#include "editor/ValeurNumerique.h"

#include <QtTest>

using namespace Qt::StringLiterals;

namespace {

// The first records made, by the lamp each lights ('-' none), '/', the record count.
QString sequence(LT840& ed) {
    QString s;
    for (int r = 0; r < qMin(ed.HScroll1Max(), 8); ++r)
        s += QString::number(enr(ed, r).indexOf(u'1')).replace(u"-1"_s, u"-"_s);
    return s + u'/' + ed.Text3();
}

// Record lines at x2, one per digit, each lighting that lamp.
QString lignes(const char* lampes) {
    QString s;
    for (const char* c = lampes; *c; ++c)
        s += u'2' + seule(*c - '0') + u"\r\n"_s;
    return s;
}

QByteArray sauver(Banc& b) {
    const QString chemin = QDir(b.dossiers.programme.path()).filePath(u"s.dat"_s);
    b.fichiers.chemins << chemin;
    QFile f(chemin);
    return b->Sauvegarde() && f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
}

// The opening words of what the editor says (the rest gives the store's last address).
const QString Pleine = u"Place insuffisante : la séquence est ple"_s;

// "n position départ command": records 0..n-1 made, record `position` shown, "Départ" given,
// x10 chosen, then the command; `presse`: the clipboard before a paste, after a copy or a cut;
// `apres`: sequence(), the record shown; `message`: what the editor said, if anything.
struct Commande {
    QString script, presse, apres, message{};
};

// k for a record that lights lamp k alone with time-base code k + 1, -1 for an emptied one
// (rows 0..8), -2 for anything else.
int signature(const LT840::Enregistrement& r) {
    const int k = r[LigneCode] - 1;
    LT840::Enregistrement attendu{};
    if (k >= 0 && k < NombreLampes) {
        attendu[k] = 1;
        attendu[LigneCode] = r[LigneCode];
    }
    return std::equal(r.begin(), r.begin() + 9, attendu.begin()) ? k : -2;
}

} // namespace

class TstEdition : public QObject {
    Q_OBJECT
private slots:
    // Records 0..4 made and saved, records 1..2 copied, "Mode Auto." ticked, record 2 shown
    // (or, before '|', another): one undo takes each kind of change back to exactly what was
    // saved, one redo brings it again.
    void annulerRetablir_data() {
        QTest::addColumn<QString>("cas");
        for (const char* l :
             {"lampe:300,600", "Cmd9", "CLICK", "HScroll1:5|Cmd1", "SUPP", "Cmd5", "Cmd11",
              "Text3:1 Text3:3", "Couper", "Coller", "HScroll1:5|Coller", "Dupliquer"})
            QTest::newRow(l) << QString::fromLatin1(l);
    }
    void annulerRetablir() {
        QFETCH(QString, cas);
        const QString montre = cas.contains(u'|') ? cas.section(u'|', 0, 0) : u"HScroll1:2"_s;
        const QString changement = cas.section(u'|', -1);
        Banc b;
        gestes(*b, u"suite:5 Text1:1 Text2:2 Copier auto "_s + montre);
        const QByteArray fichier = sauver(b);
        // The button marked is apart from the multiplier in force after start-up.
        const auto etat = [&] {
            return std::pair{vue(*b, u"= = = = = = = = = . ="_s), b->TabTrames};
        };
        const auto avant = etat();
        gestes(*b, changement);
        const auto apres = etat();
        QVERIFY(apres != avant);
        for (int tour = 0; tour < 2; ++tour) {
            b->Annuler_Click();
            QVERIFY(etat() == avant);
            b->Retablir_Click();
            QVERIFY(etat() == apres);
        }
        b->Annuler_Click();
        QCOMPARE(sauver(b), fichier);
    }

    // What pastes and cuts leave in place moves as a block. A command that changes the sequence
    // is one step that shows its record; one that cannot act changes nothing, and says why when
    // the sequence is full.
    void commandes_data() {
        QTest::addColumn<Commande>("cas");
        const auto c = [](const char* nom, const char* script, const QString& presse,
                          const char* apres, const QString& message = {}) {
            QTest::newRow(nom) << Commande{script, presse, apres, message};
        };
        c("copy reversed", "4 1 3 Copier", lignes("123"), "0123/4 1");
        c("cut last", "4 3 3 Couper", lignes("3"), "012/3 3");
        c("cut all, working record", "4 4 0 Couper", lignes("0123"), "/0 0");
        c("cut, start not a number", "4 2 a Couper", {}, "0123/4 2");
        c("paste first", "3 0 0 Coller", lignes("7"), "7012/4 1");
        c("paste at the working record", "3 3 0 Coller", lignes("45"), "01245/5 5");
        c("paste another program's text", "3 1 0 Coller", u"200000001\n\n 200000010 \n"_s,
          "07612/5 3");
        c("paste, 8 digits", "3 1 0 Coller", u"20000000"_s, "012/3 1",
          u"Le presse-papiers ne contient pas d'enre"_s);
        c("paste, fits exactly", "248 0 0 Coller", lignes("66"), "66012345/250 2");
        c("paste, does not fit", "249 0 0 Coller", lignes("66"), "01234567/249 0",
          u"Place insuffisante : 2 enregistrements à"_s);
        c("paste, full", "250 0 0 Coller", lignes("6"), "01234567/250 0", Pleine);
        c("insert at the working record", "3 3 0 Inserer", {}, "012-/4 3");
        c("insert, full", "250 0 0 Inserer", {}, "01234567/250 0", Pleine);
        c("duplicate last", "3 2 0 Dupliquer", {}, "0122/4 3");
        c("duplicate the working record", "3 3 0 Dupliquer", {}, "012/3 3");
        c("duplicate, full", "250 0 0 Dupliquer", {}, "01234567/250 0", Pleine);
    }
    void commandes() {
        QFETCH(Commande, cas);
        Banc b;
        const QStringList m = cas.script.split(u' ');
        gestes(*b, u"suite:%1 HScroll1:%2 Text1:%3 x:3"_s.arg(m[0], m[1], m[2]));
        const bool copie = m[3] == u"Copier" || m[3] == u"Couper";
        b.pressePapiers.contenu = copie ? QString() : cas.presse;
        b->Historique.recommencer(*b);
        gestes(*b, m[3]);
        QCOMPARE(b.pressePapiers.contenu, cas.presse);
        QCOMPARE(sequence(*b) + u' ' + QString::number(b->EnrCours), cas.apres);
        QCOMPARE(b.messages.affichees.value(0).prompt.left(40), cas.message);
        const bool change = b->HScroll1Max() != m[0].toInt();
        QCOMPARE(b->Historique.peutAnnuler(), change);
        if (change) {
            QCOMPARE(grille(*b), enr(*b, b->EnrCours));
            QVERIFY(m[3] != u"Inserer" || b->TabTrames[b->EnrCours][LigneCode] == 4);
        }
    }

    // The oldest steps go beyond the bound; a setting is no step and keeps what may be redone,
    // a change drops it. Undoing past a save leaves unsaved work; New starts afresh.
    void historique() {
        Banc b;
        for (int k = 0; k < HistoriqueEdition::NombreEtapes + 2; ++k)
            b->Cmd12_MouseDown(Souris::Gauche);
        int annules = 0;
        for (; b->Historique.peutAnnuler(); ++annules)
            b->Annuler_Click();
        QCOMPARE(annules, HistoriqueEdition::NombreEtapes);
        QCOMPARE(grille(*b), seule(-1));
        b->Retablir_Click();
        b->Option1_MouseDown(5, Souris::Gauche);
        QVERIFY(b->Historique.peutRetablir());
        b->Annuler_Click();
        QCOMPARE(b->IndTempo, qint16(5));
        suite(*b, 1);
        QVERIFY(!b->Historique.peutRetablir());
        QVERIFY(!sauver(b).isEmpty());
        b->Annuler_Click();
        QVERIFY(b->Modifie);
        b->Retablir_Click();
        QVERIFY(!b->Modifie);
        b->Nouveau_Click();
        QVERIFY(!b->Historique.peutAnnuler());
    }

    // A step keeps only the records that differ; a cut reaching past the records made is
    // refused whole; duplicating needs a record after the one shown.
    void bornesDuMagasin() {
        Banc b;
        suite(*b, 5);
        QVERIFY(editionPossible(*b).Inserer && !editionPossible(*b).Dupliquer);
        const Magasin avant = b->TabTrames;
        b->TabTrames[3][0] ^= 1;
        const ChangementMagasin c = comparer(avant, b->TabTrames, 0);
        QCOMPARE(QList<int>({c.debut, c.fin}), QList<int>({3, 3}));
        b->TabTrames = avant;
        retirerTrames(*b, 2, 5, 3);
        QVERIFY(b->TabTrames == avant);
    }

    // A French desktop writes numbers with a comma; list entries and files use a point. Each
    // row is "text|value|integer", the integer rounded half to even, "-" when it does not fit
    // 16 bits.
    void valeur_data() {
        QTest::addColumn<QStringList>("cas");
        for (const QString& l :
             {u"|0|0"_s, u"abc|0|0"_s, u"12abc|12|12"_s, u"\t 7 |7|7"_s, u".5|0.5|0"_s,
              u"1.2.3|1.2|1"_s, u"2,5|2|2"_s, u"2.5|2.5|2"_s, u"3.5|3.5|4"_s, u"+3|3|3"_s,
              u"- 5|0|0"_s, u"32767|32767|32767"_s, u"-32768|-32768|-32768"_s, u"32768|32768|-"_s,
              u"-32769|-32769|-"_s, QString(400, u'9') + u"|inf|-"_s})
            QTest::newRow(qPrintable(l.left(12))) << l.split(u'|');
    }
    void valeur() {
        QLocale::setDefault(QLocale(QLocale::French, QLocale::France));
        QFETCH(QStringList, cas);
        QCOMPARE(valeurNumerique(cas[0]), cas[1].toDouble());
        const auto v = entier16(cas[0]);
        QCOMPARE(v ? QString::number(*v) : u"-"_s, cas[2]);
    }

    // A count that names no number keeps the navigator's range, any number is held within the
    // store. "Supp." moves rows 0..8 of the records after the deleted one down one place, the
    // last record having been emptied first, and writes the count less one after a blank:
    // unsaved work. Unless both fields name records of the store and the record lies within
    // the sequence, it changes nothing.
    // "count typed|navigator's range|record typed|records 0..5 afterwards|record shown",
    // the last two only when the sequence may change.
    void suppression_data() {
        QTest::addColumn<QString>("cas");
        for (const char* l : {"5|5|2|0 1 3 4 -1 -1|2", "5|5|5|0 1 2 3 4 -1|4",
                              "0|0|0|-1 1 2 3 4 -2|0", "1024|1024|1023|0 1 2 3 4 -2|1023",
                              "6.5|6|2", "|5|0", "-5|0|0", "1025|1024|2", "5|5|-1", "5|5|7"})
            QTest::newRow(l) << QString::fromLatin1(l);
    }
    // Records 0..4 made with "+", record k lighting lamp k with time-base code k + 1, junk in
    // the working record 5 and in the store's last record, every lamp lit; the navigator at 0
    // lets a negative count stand; then the fields typed and the record to delete shown.
    void suppression() {
        QFETCH(QString, cas);
        const QStringList c = cas.split(u'|');
        const int maximum = c[1].toInt();
        Banc b;
        for (int k = 0; k < 5; ++k) {
            peindre(*b, seule(k));
            b->IndTempo = qint16(k);
            b->CLICK();
        }
        b->TabTrames[5].fill(1);
        b->TabTrames[DernierEnr].fill(3);
        peindre(*b, u"11111111"_s);
        b->TabTrames[3][9] = 77; // rows past the code stay with their record
        b->setHScroll1Value(0);
        b->setText3(c[0]);
        QCOMPARE(b->HScroll1Max(), maximum);
        b->setHScroll1Value(c[2].toInt());
        b->Ctl.Text2 = c[2];
        b->Modifie = false;
        const auto magasin = b->TabTrames;
        b->CmdSUPP_Click();
        const bool refus = c.size() < 4;
        QCOMPARE(b->Text3(), refus ? c[0] : maximum > 0 ? u" %1"_s.arg(maximum - 1) : u"0"_s);
        QCOMPARE(b->Modifie, !refus);
        if (refus) {
            QVERIFY(b->TabTrames == magasin);
            return;
        }
        QStringList signatures;
        for (int r = 0; r < 6; ++r)
            signatures << QString::number(signature(b->TabTrames[r]));
        QCOMPARE(signatures.join(u' '), c[3]);
        QCOMPARE(signature(b->TabTrames[maximum]), -1);
        QCOMPARE(b->TabTrames[3][9], qint16(77));
        QCOMPARE(QString::number(b->EnrCours), c[4]);
        QCOMPARE(grille(*b), enr(*b, b->EnrCours));
    }
};

QTEST_GUILESS_MAIN(TstEdition)
#include "tst_edition.moc"
