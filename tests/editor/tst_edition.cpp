#include "Banc.h"
#include "Motifs.h"
#include "editor/ChangementMagasin.h"

#include <QtTest>
#include <functional>
#include <map>

using namespace Qt::StringLiterals;

namespace {

// Records 0..n-1 made at x2, record k lighting lamp k % 8.
void suite(Banc& b, int n) {
    for (int k = 0; k < n; ++k) {
        peindre(*b, seule(k % 8));
        b->CLICK();
    }
}

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

QString vue(const LT840& ed) {
    return u"%1 %2 %3 %4 %5 %6 %7"_s.arg(ed.EnrCours)
        .arg(ed.Ctl.Text2, ed.Text3())
        .arg(ed.HScroll1Max())
        .arg(ed.HScroll1Value())
        .arg(grille(ed))
        .arg(ed.Modifie);
}

QByteArray sauver(Banc& b) {
    const QString chemin = QDir(b.dossiers.programme.path()).filePath(u"s.dat"_s);
    b.fichiers.chemins << chemin;
    QFile f(chemin);
    return b->Sauvegarde() && f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
}

const QString Fin = u" (dernière adresse : 250)."_s;
const QString Pleine =
    u"Place insuffisante : la séquence est pleine, elle ne peut plus recevoir aucun "
    "enregistrement"_s +
    Fin;
const QString PasDesLignes = u"Le presse-papiers ne contient pas d'enregistrements : il faut "
                             "une ligne de 9 chiffres par enregistrement."_s;

const std::map<QString, void (LT840::*)()> Commandes{{u"Copier"_s, &LT840::Copier_Click},
                                                     {u"Couper"_s, &LT840::Couper_Click},
                                                     {u"Coller"_s, &LT840::Coller_Click},
                                                     {u"Inserer"_s, &LT840::Inserer_Click},
                                                     {u"Dupliquer"_s, &LT840::Dupliquer_Click}};

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
    // Records 0..4 made and saved, records 1..2 copied: one undo takes each kind of change
    // back to exactly what was saved, one redo brings it again.
    void annulerRetablir_data() {
        QTest::addColumn<int>("changement");
        for (int i = 0; i < int(std::size(Changements)); ++i)
            QTest::newRow(Changements[i].nom) << i;
    }
    void annulerRetablir() {
        QFETCH(int, changement);
        Banc b;
        suite(b, 5);
        b->Ctl.Text1 = u"1"_s;
        b->Ctl.Text2 = u"2"_s;
        b->Copier_Click();
        b->Ctl.Check1 = 1;
        b->setHScroll1Value(Changements[changement].position);
        const QByteArray fichier = sauver(b);
        const auto magasin = b->TabTrames;
        const QString avant = vue(*b);
        Changements[changement].faire(*b);
        const auto magasinApres = b->TabTrames;
        const QString apres = vue(*b);
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

    // Records 0..n-1 made, one shown, "Départ" given, time base x10. A copy or a cut puts the
    // records on the clipboard, a paste takes them from it; what pastes and cuts leave in
    // place moves as a block. A command that changes the sequence is one step; one that
    // cannot act changes nothing, and says why when the sequence is full.
    void commandes_data() {
        QTest::addColumn<QString>("commande");
        QTest::addColumn<int>("nombre");
        QTest::addColumn<int>("position");
        QTest::addColumn<QString>("depart");
        QTest::addColumn<QString>("presse");
        QTest::addColumn<QString>("apres"); // the first records made, '/', the record count
        QTest::addColumn<int>("montre");
        QTest::addColumn<QString>("message");
        const auto ligne = [](const char* nom, const char* commande, int nombre, int position,
                              const QString& depart, const QString& presse, const char* apres,
                              int montre, const QString& message = {}) {
            QTest::newRow(nom) << QString::fromLatin1(commande) << nombre << position << depart
                               << presse << QString::fromLatin1(apres) << montre << message;
        };
        ligne("copy reversed", "Copier", 4, 1, u"3"_s, lignes("123"), "0123/4", 1);
        ligne("copy, empty sequence", "Copier", 0, 0, u"0"_s, u""_s, "/0", 0);
        ligne("cut first", "Couper", 4, 0, u"0"_s, lignes("0"), "123/3", 0);
        ligne("cut last", "Couper", 4, 3, u"3"_s, lignes("3"), "012/3", 3);
        ligne("cut reversed", "Couper", 4, 1, u"3"_s, lignes("123"), "0/1", 1);
        ligne("cut all, from the working record", "Couper", 4, 4, u"0"_s, lignes("0123"), "/0", 0);
        ligne("cut, start not a number", "Couper", 4, 2, u"a"_s, u""_s, "0123/4", 2);
        ligne("paste first", "Coller", 3, 0, u"0"_s, lignes("7"), "7012/4", 1);
        ligne("paste at the working record", "Coller", 3, 3, u"0"_s, lignes("45"), "01245/5", 5);
        ligne("paste another program's text", "Coller", 3, 1, u"0"_s,
              u"200000001\n\n 200000010 \n"_s, "07612/5", 3);
        ligne("paste, not records", "Coller", 3, 1, u"0"_s, u"LT840"_s, "012/3", 1, PasDesLignes);
        ligne("paste, 8 digits", "Coller", 3, 1, u"0"_s, u"20000000"_s, "012/3", 1, PasDesLignes);
        ligne("paste, nothing copied", "Coller", 3, 1, u"0"_s, u""_s, "012/3", 1);
        ligne("paste, fits exactly", "Coller", 248, 0, u"0"_s, lignes("66"), "66012345/250", 2);
        ligne("paste, does not fit", "Coller", 249, 0, u"0"_s, lignes("66"), "01234567/249", 0,
              u"Place insuffisante : 2 enregistrements à insérer, la séquence ne peut plus en "
              "recevoir que 1"_s +
                  Fin);
        ligne("paste, full", "Coller", 250, 0, u"0"_s, lignes("6"), "01234567/250", 0, Pleine);
        ligne("insert first", "Inserer", 3, 0, u"0"_s, u""_s, "-012/4", 0);
        ligne("insert at the working record", "Inserer", 3, 3, u"0"_s, u""_s, "012-/4", 3);
        ligne("insert, full", "Inserer", 250, 0, u"0"_s, u""_s, "01234567/250", 0, Pleine);
        ligne("duplicate first", "Dupliquer", 3, 0, u"0"_s, u""_s, "0012/4", 1);
        ligne("duplicate last", "Dupliquer", 3, 2, u"0"_s, u""_s, "0122/4", 3);
        ligne("duplicate the working record", "Dupliquer", 3, 3, u"0"_s, u""_s, "012/3", 3);
        ligne("duplicate, full", "Dupliquer", 250, 0, u"0"_s, u""_s, "01234567/250", 0, Pleine);
    }
    void commandes() {
        QFETCH(QString, commande);
        QFETCH(int, nombre);
        QFETCH(int, position);
        QFETCH(QString, presse);
        QFETCH(int, montre);
        Banc b;
        suite(b, nombre);
        b->setHScroll1Value(position);
        QFETCH(QString, depart);
        b->Ctl.Text1 = depart;
        b->Option1_MouseDown(3, Souris::Gauche);
        const bool copie = commande == u"Copier" || commande == u"Couper";
        b.pressePapiers.contenu = copie ? QString() : presse;
        b->Historique.recommencer(*b);
        (*b.*Commandes.at(commande))();
        QCOMPARE(b.pressePapiers.contenu, presse);
        QTEST(sequence(*b) + u'/' + b->Text3(), "apres");
        QCOMPARE(int(b->EnrCours), montre);
        QTEST(b.messages.affichees.value(0).prompt, "message");
        const bool change = b->HScroll1Max() != nombre;
        QCOMPARE(b->Historique.peutAnnuler(), change);
        if (change)
            QCOMPARE(grille(*b), enr(*b, montre));
        if (change && commande == u"Inserer")
            QCOMPARE(b->TabTrames[montre][LigneCode], qint16(4));
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
        suite(b, 1);
        QVERIFY(!b->Historique.peutRetablir());
        QVERIFY(!sauver(b).isEmpty());
        b->Annuler_Click();
        QVERIFY(b->Modifie);
        b->Retablir_Click();
        QVERIFY(!b->Modifie);
        b->Nouveau_Click();
        QVERIFY(!b->Historique.peutAnnuler());
    }

    // A step keeps the records that came in or went out, not those the block moved.
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
        auto avant = std::make_unique<Magasin>();
        for (int r = 0; r < int(avant->size()); ++r)
            (*avant)[r].fill(qint16(r));
        auto apres = std::make_unique<Magasin>(*avant);
        const auto debut = apres->begin() + premier;
        if (decalage < 0)
            std::copy(debut - decalage, apres->end(), debut);
        else
            std::copy_backward(debut, apres->end() - decalage, apres->end());
        const auto neufs = decalage < 0 ? apres->end() + decalage : debut;
        std::fill(neufs, neufs + qMax(1, qAbs(decalage)), LT840::Enregistrement{-1});
        const ChangementMagasin c = comparer(*avant, *apres, decalage);
        QTEST(int(c.gardes()), "gardes");
        auto m = std::make_unique<Magasin>(*apres);
        defaire(c, *m);
        QVERIFY(*m == *avant);
        refaire(c, *m);
        QVERIFY(*m == *apres);
    }
};

QTEST_GUILESS_MAIN(TstEdition)
#include "tst_edition.moc"
