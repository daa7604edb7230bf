#include "Banc.h"
#include "Motifs.h"
#include "editor/ChangementMagasin.h"

#include <QtTest>
#include <functional>

using namespace Qt::StringLiterals;

namespace {

// Records 0..n-1 made at x2, record k lighting lamp k % 8.
void suite(LT840& ed, int n) {
    for (int k = 0; k < n; ++k) {
        peindre(ed, seule(k % 8));
        ed.CLICK();
    }
}

// Records 0..N-1 by the lamp each lights ('-' none), up to `n` of them.
QString sequence(const LT840& ed, int n = 8) {
    QString s;
    for (int r = 0; r < qMin(ed.HScroll1Max(), n); ++r)
        s += QString::number(enr(ed, r).indexOf(u'1')).replace(u"-1"_s, u"-"_s);
    return s;
}

// Record lines at x2, one per digit, each lighting that lamp.
QString lignes(const QString& lampes) {
    QString s;
    for (QChar c : lampes)
        s += u'2' + seule(c.digitValue()) + u"\r\n"_s;
    return s;
}

// What a step restores besides the store.
QStringList vue(const LT840& ed) {
    return {QString::number(ed.EnrCours),
            ed.Ctl.Text2,
            ed.Text3(),
            QString::number(ed.HScroll1Max()),
            QString::number(ed.HScroll1Value()),
            grille(ed),
            ed.Modifie};
}

QByteArray sauver(Banc& b) {
    const QString chemin = QDir(b.dossiers.programme.path()).filePath(u"s.dat"_s);
    b.fichiers.chemins << chemin;
    QFile f(chemin);
    return b->Sauvegarde() && f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
}

QStringList prompts(const FakeMessageBox& m) {
    QStringList l;
    for (const BoiteAffichee& a : m.affichees)
        l << a.prompt;
    return l;
}

struct Changement {
    const char* nom;
    std::function<void(LT840&)> faire;
    int position = 2; // the record shown when it begins
};
const Changement Changements[] = {
    {"lamp", [](LT840& ed) { ed.Frame1_MouseDown(1, 0, 300, 600); }},
    {"CLEAR", [](LT840& ed) { ed.Cmd9_MouseDown(1); }},
    {"record inside", [](LT840& ed) { ed.CLICK(); }},
    {"record at the end", [](LT840& ed) { ed.Cmd1_MouseDown(1); }, 5},
    {"Supp.", [](LT840& ed) { ed.CmdSUPP_Click(); }},
    {"mirror left", [](LT840& ed) { ed.Cmd5_MouseDown(1); }},
    {"mirror right", [](LT840& ed) { ed.Cmd7_MouseDown(1); }},
    {"shift left", [](LT840& ed) { ed.Cmd6_MouseDown(1); }},
    {"shift right", [](LT840& ed) { ed.Cmd8_MouseDown(1); }},
    {"rotate left", [](LT840& ed) { ed.Cmd10_MouseDown(1); }},
    {"invert", [](LT840& ed) { ed.Cmd12_MouseDown(1); }},
    {"rotate right, auto-record",
     [](LT840& ed) {
         ed.Ctl.Check1 = 1;
         ed.Cmd11_MouseDown(1);
     }},
    {"Maximum typed",
     [](LT840& ed) {
         ed.setText3(u"1"_s);
         ed.setText3(u""_s);
         ed.setText3(u"3"_s);
     }},
    {"cut", [](LT840& ed) { ed.Couper_Click(); }},
    {"paste", [](LT840& ed) { ed.Coller_Click(); }},
    {"paste at the end", [](LT840& ed) { ed.Coller_Click(); }, 5},
    {"insert", [](LT840& ed) { ed.Inserer_Click(); }},
    {"duplicate", [](LT840& ed) { ed.Dupliquer_Click(); }},
};

} // namespace

class TstEdition : public QObject {
    Q_OBJECT
private slots:
    void initTestCase() { QLocale::setDefault(QLocale::c()); }

    // Records 0..4 made and saved, records 1..2 copied, record 2 shown: one undo takes each
    // kind of change back to exactly what was saved, one redo brings it again.
    void annulerRetablir_data() {
        QTest::addColumn<int>("changement");
        for (int i = 0; i < int(std::size(Changements)); ++i)
            QTest::newRow(Changements[i].nom) << i;
    }
    void annulerRetablir() {
        QFETCH(int, changement);
        Banc b;
        suite(*b, 5);
        b->Ctl.Text1 = u"1"_s;
        b->Ctl.Text2 = u"2"_s;
        b->Copier_Click();
        b->setHScroll1Value(Changements[changement].position);
        const QByteArray fichier = sauver(b);
        const auto magasin = b->TabTrames;
        const QStringList avant = vue(*b);
        Changements[changement].faire(*b);
        const auto magasinApres = b->TabTrames;
        const QStringList apres = vue(*b);
        QVERIFY(magasinApres != magasin || apres != avant);
        for (int tour = 0; tour < 2; ++tour) {
            b->Annuler_Click();
            QCOMPARE(vue(*b), avant);
            QVERIFY(b->TabTrames == magasin);
            b->Retablir_Click();
            QCOMPARE(vue(*b), apres);
            QVERIFY(b->TabTrames == magasinApres);
        }
        b->Annuler_Click();
        QCOMPARE(sauver(b), fichier);
    }

    // Copy leaves the sequence as it is; cut removes the same records, as one step.
    void couperCopier_data() {
        QTest::addColumn<int>("nombre");
        QTest::addColumn<QString>("depart");
        QTest::addColumn<QString>("enCours");
        QTest::addColumn<QString>("copie");
        QTest::addColumn<QString>("reste");
        QTest::addColumn<int>("montre");
        QTest::newRow("first") << 4 << u"0"_s << u"0"_s << u"0"_s << u"123"_s << 0;
        QTest::newRow("last") << 4 << u"3"_s << u"3"_s << u"3"_s << u"012"_s << 3;
        QTest::newRow("reversed") << 4 << u"3"_s << u"1"_s << u"123"_s << u"0"_s << 1;
        QTest::newRow("all, working record") << 4 << u"0"_s << u"4"_s << u"0123"_s << u""_s << 0;
        QTest::newRow("empty sequence") << 0 << u"0"_s << u"0"_s << u""_s << u""_s << 0;
        QTest::newRow("start not a number") << 4 << u"a"_s << u"2"_s << u""_s << u"0123"_s << 4;
    }
    void couperCopier() {
        QFETCH(int, nombre);
        QFETCH(QString, copie);
        QFETCH(QString, reste);
        QFETCH(int, montre);
        Banc b;
        suite(*b, nombre);
        QFETCH(QString, depart);
        b->Ctl.Text1 = depart;
        QFETCH(QString, enCours);
        b->Ctl.Text2 = enCours;
        b->Historique.recommencer(*b);
        b->Copier_Click();
        QCOMPARE(b.pressePapiers.contenu, lignes(copie));
        QVERIFY(!b->Historique.peutAnnuler());
        b.pressePapiers.contenu.clear();
        b->Couper_Click();
        QCOMPARE(b->PressePapiers, lignes(copie));
        QCOMPARE(sequence(*b), reste);
        QCOMPARE(b->HScroll1Max(), int(reste.size()));
        QCOMPARE(int(b->EnrCours), montre);
        QCOMPARE(b->Historique.peutAnnuler(), !copie.isEmpty());
    }

    // Pasting before record `position`, which stays current after the records pasted.
    void coller_data() {
        QTest::addColumn<int>("nombre");
        QTest::addColumn<int>("position");
        QTest::addColumn<QString>("presse");
        QTest::addColumn<QString>("debut");
        QTest::addColumn<int>("nombreApres");
        QTest::addColumn<QString>("message");
        const QString pleine = u"Place insuffisante : la séquence est pleine, elle ne peut plus "
                               "recevoir aucun enregistrement (dernière adresse : 250)."_s;
        const QString pasDesLignes = u"Le presse-papiers ne contient pas d'enregistrements : il "
                                     "faut une ligne de 9 chiffres par enregistrement."_s;
        QTest::newRow("first") << 3 << 0 << lignes("7") << u"7012"_s << 4 << u""_s;
        QTest::newRow("working record") << 3 << 3 << lignes("45") << u"01245"_s << 5 << u""_s;
        QTest::newRow("another program's text")
            << 3 << 1 << u"200000001\n\n 200000010 \n"_s << u"07612"_s << 5 << u""_s;
        QTest::newRow("not records") << 3 << 1 << u"LT840"_s << u"012"_s << 3 << pasDesLignes;
        QTest::newRow("8 digits") << 3 << 1 << u"20000000\r\n"_s << u"012"_s << 3 << pasDesLignes;
        QTest::newRow("fits exactly") << 248 << 0 << lignes("66") << u"66012345"_s << 250 << u""_s;
        QTest::newRow("does not fit")
            << 249 << 0 << lignes("66") << u"01234567"_s << 249
            << u"Place insuffisante : 2 enregistrements à insérer, la séquence ne peut plus en "
               "recevoir que 1 (dernière adresse : 250)."_s;
        QTest::newRow("full") << 250 << 0 << lignes("6") << u"01234567"_s << 250 << pleine;
        QTest::newRow("nothing copied") << 3 << 0 << u""_s << u"012"_s << 3 << u""_s;
    }
    void coller() {
        QFETCH(int, nombre);
        QFETCH(int, position);
        QFETCH(QString, presse);
        QFETCH(QString, debut);
        QFETCH(int, nombreApres);
        QFETCH(QString, message);
        Banc b;
        suite(*b, nombre);
        b->setHScroll1Value(position);
        b.pressePapiers.contenu = presse;
        b->Historique.recommencer(*b);
        b->Coller_Click();
        QCOMPARE(sequence(*b), debut);
        QCOMPARE(b->HScroll1Max(), nombreApres);
        QCOMPARE(prompts(b.messages), message.isEmpty() ? QStringList() : QStringList{message});
        QCOMPARE(b->Historique.peutAnnuler(), nombreApres != nombre);
        QCOMPARE(int(b->EnrCours), position + nombreApres - nombre);
    }

    // At x10: an inserted record is unlit with that time base; a copy keeps its record's.
    void insererDupliquer_data() {
        QTest::addColumn<bool>("dupliquer");
        QTest::addColumn<int>("nombre");
        QTest::addColumn<int>("position");
        QTest::addColumn<QString>("debut");
        QTest::addColumn<int>("montre");
        QTest::addColumn<int>("code"); // of the record shown, when one came in
        QTest::newRow("insert first") << false << 3 << 0 << u"-012"_s << 0 << 4;
        QTest::newRow("insert at the working record") << false << 3 << 3 << u"012-"_s << 3 << 4;
        QTest::newRow("insert, full") << false << 250 << 0 << u"01234567"_s << 0 << 2;
        QTest::newRow("duplicate first") << true << 3 << 0 << u"0012"_s << 1 << 2;
        QTest::newRow("duplicate last") << true << 3 << 2 << u"0122"_s << 3 << 2;
        QTest::newRow("duplicate the working record") << true << 3 << 3 << u"012"_s << 3 << 2;
        QTest::newRow("duplicate, full") << true << 250 << 0 << u"01234567"_s << 0 << 2;
    }
    void insererDupliquer() {
        QFETCH(bool, dupliquer);
        QFETCH(int, nombre);
        QFETCH(int, position);
        QFETCH(QString, debut);
        QFETCH(int, montre);
        QFETCH(int, code);
        Banc b;
        suite(*b, nombre);
        b->setHScroll1Value(position);
        b->Option1_MouseDown(3, 1);
        dupliquer ? b->Dupliquer_Click() : b->Inserer_Click();
        QCOMPARE(sequence(*b), debut);
        QCOMPARE(int(b->EnrCours), montre);
        QCOMPARE(b.messages.affichees.size(), nombre == 250 ? 1 : 0);
        if (b->HScroll1Max() == nombre)
            return;
        QCOMPARE(grille(*b), enr(*b, montre));
        QCOMPARE(int(b->TabTrames[montre][8]), code);
    }

    // The oldest steps go beyond the bound; a setting is no step and keeps what may be redone,
    // a change drops it; New starts afresh.
    void historique() {
        Banc b;
        for (int k = 0; k < HistoriqueEdition::NombreEtapes + 2; ++k)
            b->Cmd12_MouseDown(1);
        int annules = 0;
        for (; b->Historique.peutAnnuler(); ++annules)
            b->Annuler_Click();
        QCOMPARE(annules, HistoriqueEdition::NombreEtapes);
        QCOMPARE(grille(*b), seule(-1));
        b->Retablir_Click();
        b->Option1_MouseDown(5, 1);
        QVERIFY(b->Historique.peutRetablir());
        b->Annuler_Click();
        QCOMPARE(b->IndTempo, qint16(5));
        b->Cmd12_MouseDown(1);
        QVERIFY(!b->Historique.peutRetablir());
        b.messages.reponses << Msg::RepOui;
        b->Nouveau_Click();
        QVERIFY(!b->Historique.peutAnnuler());
    }

    // Undoing past a save leaves unsaved work; coming back to it leaves none.
    void modifieApresSauvegarde() {
        Banc b;
        suite(*b, 1);
        QVERIFY(!sauver(b).isEmpty());
        b->Annuler_Click();
        QCOMPARE(b->Modifie, u"O"_s);
        b->Retablir_Click();
        QCOMPARE(b->Modifie, u"N"_s);
    }

    // A step keeps the records that came in or went out, not those the block moves.
    void changementCompact_data() {
        QTest::addColumn<int>("premier");
        QTest::addColumn<int>("decalage");
        QTest::addColumn<int>("gardes");
        QTest::newRow("3 inserted at 0") << 0 << 3 << 6;
        QTest::newRow("2 removed at 500") << 500 << -2 << 4;
        QTest::newRow("1 overwritten") << 7 << 0 << 2;
    }
    void changementCompact() {
        QFETCH(int, premier);
        QFETCH(int, decalage);
        QFETCH(int, gardes);
        auto avant = std::make_unique<Magasin>();
        for (int r = 0; r < int(avant->size()); ++r)
            (*avant)[r].fill(qint16(r));
        auto apres = std::make_unique<Magasin>(*avant);
        LT840::Enregistrement neuf;
        neuf.fill(-1);
        const auto debut = apres->begin() + premier;
        if (decalage < 0) {
            std::copy(debut - decalage, apres->end(), debut);
            std::fill(apres->end() + decalage, apres->end(), neuf);
        } else {
            std::copy_backward(debut, apres->end() - decalage, apres->end());
            std::fill(debut, debut + qMax(1, decalage), neuf);
        }
        const ChangementMagasin c = comparer(*avant, *apres, decalage);
        QCOMPARE(c.gardes(), gardes);
        auto m = std::make_unique<Magasin>(*apres);
        defaire(c, *m);
        QVERIFY(*m == *avant);
        refaire(c, *m);
        QVERIFY(*m == *apres);
    }
};

QTEST_GUILESS_MAIN(TstEdition)
#include "tst_edition.moc"
