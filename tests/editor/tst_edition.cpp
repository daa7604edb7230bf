#include "Motifs.h"

#include <QtTest>
#include <functional>

using namespace Qt::StringLiterals;

namespace {

// The first records made, by the lamp each lights ('-' none).
QString sequence(const LT840& ed) {
    QString s;
    for (int r = 0; r < qMin(ed.HScroll1Max(), 8); ++r)
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

QByteArray sauver(Banc& b) {
    const QString chemin = QDir(b.dossiers.programme.path()).filePath(u"s.dat"_s);
    b.fichiers.chemins << chemin;
    QFile f(chemin);
    return b->Sauvegarde() && f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
}

// The view less the button marked, which start-up leaves apart from the
// multiplier in force.
const QString Etape = u"= = = = = = = = = . ="_s;
const QString Fin = u" (dernière adresse : 250)."_s;
const QString Pleine = u"Place insuffisante : la séquence est pleine, elle ne "
                       u"peut plus recevoir aucun "
                       "enregistrement"_s +
                       Fin;
const QString PasDesLignes = u"Le presse-papiers ne contient pas d'enregistrements : il faut "
                             "une ligne de 9 chiffres par enregistrement."_s;

// `presse`: the clipboard before a paste, after a copy or a cut; `apres`: the
// first records made, '/', the record count.
struct Commande {
    void (LT840::*commande)();
    int nombre;
    int position;
    QString depart;
    QString presse;
    const char* apres;
    int montre;
    QString message{};
};

struct Changement {
    const char* nom;
    std::function<void(LT840&)> faire;
    int position = 2; // the record shown when it begins
};
// "Mode Auto." is ticked: a shift or a rotation records, then moves.
const Changement Changements[] = {
    {"lamp", [](LT840& ed) { ed.Frame1_MouseDown(Souris::Gauche, 300, 600); }},
    {"CLEAR", [](LT840& ed) { ed.Cmd9_MouseDown(Souris::Gauche); }},
    {"record inside", [](LT840& ed) { ed.CLICK(); }},
    {"record at the end", [](LT840& ed) { ed.Cmd1_MouseDown(Souris::Gauche); }, 5},
    {"Supp.", [](LT840& ed) { ed.CmdSUPP_Click(); }},
    {"mirror left", [](LT840& ed) { ed.Cmd5_MouseDown(Souris::Gauche); }},
    {"mirror right", [](LT840& ed) { ed.Cmd7_MouseDown(Souris::Gauche); }},
    {"shift left", [](LT840& ed) { ed.Cmd6_MouseDown(Souris::Gauche); }},
    {"shift right", [](LT840& ed) { ed.Cmd8_MouseDown(Souris::Gauche); }},
    {"rotate left", [](LT840& ed) { ed.Cmd10_MouseDown(Souris::Gauche); }},
    {"rotate right", [](LT840& ed) { ed.Cmd11_MouseDown(Souris::Gauche); }},
    {"invert", [](LT840& ed) { ed.Cmd12_MouseDown(Souris::Gauche); }},
    {"Maximum typed, 1 then 3", [](LT840& ed) { ed.setText3(u"1"_s), ed.setText3(u"3"_s); }},
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
    // Records 0..4 made and saved, records 1..2 copied: one undo takes each kind
    // of change back to exactly what was saved, one redo brings it again.
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
        b->Ctl.Check1 = 1;
        b->setHScroll1Value(Changements[changement].position);
        const QByteArray fichier = sauver(b);
        const auto magasin = b->TabTrames;
        const QString avant = vue(*b, Etape);
        Changements[changement].faire(*b);
        const auto magasinApres = b->TabTrames;
        const QString apres = vue(*b, Etape);
        QVERIFY(magasinApres != magasin || apres != avant);
        for (int tour = 0; tour < 2; ++tour) {
            b->Annuler_Click();
            QCOMPARE(vue(*b, Etape), avant);
            QVERIFY(b->TabTrames == magasin);
            b->Retablir_Click();
            QCOMPARE(vue(*b, Etape), apres);
            QVERIFY(b->TabTrames == magasinApres);
        }
        b->Annuler_Click();
        QCOMPARE(sauver(b), fichier);
    }

    // Records 0..n-1 made, one shown, "Départ" given, time base x10. A copy or a
    // cut puts the records on the clipboard, a paste takes them from it; what
    // pastes and cuts leave in place moves as a block. A command that changes the
    // sequence is one step; one that cannot act changes nothing, and says why
    // when the sequence is full.
    void commandes_data() {
        QTest::addColumn<Commande>("cas");
        using C = Commande;
        const auto copier = &LT840::Copier_Click, couper = &LT840::Couper_Click,
                   coller = &LT840::Coller_Click, inserer = &LT840::Inserer_Click,
                   dupliquer = &LT840::Dupliquer_Click;
        QTest::newRow("copy reversed") << C{copier, 4, 1, u"3"_s, lignes("123"), "0123/4", 1};
        QTest::newRow("copy, empty sequence") << C{copier, 0, 0, u"0"_s, {}, "/0", 0};
        QTest::newRow("cut first") << C{couper, 4, 0, u"0"_s, lignes("0"), "123/3", 0};
        QTest::newRow("cut last") << C{couper, 4, 3, u"3"_s, lignes("3"), "012/3", 3};
        QTest::newRow("cut reversed") << C{couper, 4, 1, u"3"_s, lignes("123"), "0/1", 1};
        QTest::newRow("cut all, from the working record")
            << C{couper, 4, 4, u"0"_s, lignes("0123"), "/0", 0};
        QTest::newRow("cut, start not a number") << C{couper, 4, 2, u"a"_s, {}, "0123/4", 2};
        QTest::newRow("paste first") << C{coller, 3, 0, u"0"_s, lignes("7"), "7012/4", 1};
        QTest::newRow("paste at the working record")
            << C{coller, 3, 3, u"0"_s, lignes("45"), "01245/5", 5};
        QTest::newRow("paste another program's text")
            << C{coller, 3, 1, u"0"_s, u"200000001\n\n 200000010 \n"_s, "07612/5", 3};
        QTest::newRow("paste, not records")
            << C{coller, 3, 1, u"0"_s, u"LT840"_s, "012/3", 1, PasDesLignes};
        QTest::newRow("paste, 8 digits")
            << C{coller, 3, 1, u"0"_s, u"20000000"_s, "012/3", 1, PasDesLignes};
        QTest::newRow("paste, nothing copied") << C{coller, 3, 1, u"0"_s, {}, "012/3", 1};
        QTest::newRow("paste, fits exactly")
            << C{coller, 248, 0, u"0"_s, lignes("66"), "66012345/250", 2};
        QTest::newRow("paste, does not fit")
            << C{coller,
                 249,
                 0,
                 u"0"_s,
                 lignes("66"),
                 "01234567/249",
                 0,
                 u"Place insuffisante : 2 enregistrements à insérer, la séquence "
                 u"ne peut plus "
                 "en recevoir que 1"_s +
                     Fin};
        QTest::newRow("paste, full")
            << C{coller, 250, 0, u"0"_s, lignes("6"), "01234567/250", 0, Pleine};
        QTest::newRow("insert first") << C{inserer, 3, 0, u"0"_s, {}, "-012/4", 0};
        QTest::newRow("insert at the working record") << C{inserer, 3, 3, u"0"_s, {}, "012-/4", 3};
        QTest::newRow("insert, full") << C{inserer, 250, 0, u"0"_s, {}, "01234567/250", 0, Pleine};
        QTest::newRow("duplicate first") << C{dupliquer, 3, 0, u"0"_s, {}, "0012/4", 1};
        QTest::newRow("duplicate last") << C{dupliquer, 3, 2, u"0"_s, {}, "0122/4", 3};
        QTest::newRow("duplicate the working record") << C{dupliquer, 3, 3, u"0"_s, {}, "012/3", 3};
        QTest::newRow("duplicate, full")
            << C{dupliquer, 250, 0, u"0"_s, {}, "01234567/250", 0, Pleine};
    }
    void commandes() {
        QFETCH(Commande, cas);
        Banc b;
        suite(*b, cas.nombre);
        b->setHScroll1Value(cas.position);
        b->Ctl.Text1 = cas.depart;
        b->Option1_MouseDown(3, Souris::Gauche);
        const bool copie =
            cas.commande == &LT840::Copier_Click || cas.commande == &LT840::Couper_Click;
        b.pressePapiers.contenu = copie ? QString() : cas.presse;
        b->Historique.recommencer(*b);
        (*b.*cas.commande)();
        QCOMPARE(b.pressePapiers.contenu, cas.presse);
        QCOMPARE(sequence(*b) + u'/' + b->Text3(), QString::fromLatin1(cas.apres));
        QCOMPARE(int(b->EnrCours), cas.montre);
        QCOMPARE(b.messages.affichees.value(0).prompt, cas.message);
        const bool change = b->HScroll1Max() != cas.nombre;
        QCOMPARE(b->Historique.peutAnnuler(), change);
        if (change)
            QCOMPARE(grille(*b), enr(*b, cas.montre));
        if (change && cas.commande == &LT840::Inserer_Click)
            QCOMPARE(b->TabTrames[cas.montre][LigneCode], qint16(4));
    }

    // The oldest steps go beyond the bound; a setting is no step and keeps what
    // may be redone, a change drops it. Undoing past a save leaves unsaved work;
    // New starts afresh.
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
};

QTEST_GUILESS_MAIN(TstEdition)
#include "tst_edition.moc"
