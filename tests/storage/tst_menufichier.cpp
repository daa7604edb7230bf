#include "OutilsStockage.h"
#include "UtilisateurOrdinaire.h"

#include <QtTest>
#include <csignal>
#include <optional>
#include <sys/resource.h>

namespace {

const QString Disponible = QStringLiteral("Fichier non disponible ! ");
const QString Effectuee = QStringLiteral(" Sauvegarde effectuée ");
const int Erreur = Msg::Critique | Msg::OK;
const QString QuestionQuitter =
    boite(QStringLiteral("Voulez-vous sauvegarder avant de quitter?"), Msg::OuiNon);
const QByteArray Annule = "<dialogue annule>";

enum Panne { Aucune, Annulee, DisquePlein, DossierLectureSeule };
enum Etat { Intact, Change, SupprimeApresSauvegarde };

// The name chosen, the file it names; `mode` that file's, unless 0.
struct Sauvegarde {
    Panne panne;
    QString choisi = "seq.dat", fichier = "seq.dat";
    int mode = 0;
    QString message = Disponible;
};

// The command, the answer to its question, what the file holds, the record shown; then the
// boxes shown and, unless nothing changed, the view, the title and the records named.
struct Remplacement {
    void (LT840::*commande)();
    int reponse;
    QByteArray octets;
    int position;
    QStringList boites;
    QString vue{}, titre{}, magasin{};
};

struct Quitter {
    bool fermer;
    Etat etat;
    int reponse;
    bool echec;
};

// A full disk: with RLIMIT_FSIZE, every write past 8 bytes fails in this process.
bool sauver(LT840& ed, bool disquePlein) {
    rlimit avant{};
    getrlimit(RLIMIT_FSIZE, &avant);
    const rlimit limite{disquePlein ? 8 : avant.rlim_cur, avant.rlim_max};
    std::signal(SIGXFSZ, SIG_IGN);
    setrlimit(RLIMIT_FSIZE, &limite);
    const bool ok = ed.Sauvegarde();
    setrlimit(RLIMIT_FSIZE, &avant);
    return ok;
}

// Three frames recorded at x10, not saved; a name left in the dialog.
void troisTrames(Banc& b) {
    b->Ctl.ComDialog1FileName = QStringLiteral("ancien.dat");
    b->Option1_MouseDown(3, Souris::Gauche);
    for (const char* lampes : {"11000000", "00110000", "00001100"})
        peindre(*b, QString::fromLatin1(lampes)), b->CLICK();
}

QString fenetre(const LT840& ed) {
    return vue(ed) + u' ' + ed.Ctl.Caption;
}

// Programme and Secours put a folder in the file's place; the read-only cases refuse the user
// writes to the program's file, or only to its folder.
enum Blocage { Aucun, Programme = 1, Secours = 2, FichierRO = 8, DossierRO = 16 };

// "port read|text read|ports ticked|the program's and the user's file after a save (+ written,
// = untouched)|port the next start reads"; the program's and the user's files before (null:
// none), the user's dated `ecart` seconds after the program's.
struct Cfg {
    QString attendu;
    QByteArray avant, avantSecours{};
    int ecart = 0, blocage = Aucun;
};

bool dater(const QString& chemin, const QDateTime& quand) {
    QFile f(chemin);
    return f.open(QIODevice::ReadOnly) && f.setFileTime(quand, QFileDevice::FileModificationTime);
}

} // namespace

class TstMenuFichier : public QObject {
    Q_OBJECT
private slots:
    // Whatever stood at the path saved to is still there byte for byte, and nothing was left
    // behind in the folder. A name gets ".dat" unless it holds it already, case counting. A
    // read-only folder saves in place into a writable file already there.
    void sauvegarde_data() {
        QTest::addColumn<Sauvegarde>("cas");
        QTest::newRow("a.DAT") << Sauvegarde{Aucune, "a.DAT", "a.DAT.dat", 0, Effectuee};
        QTest::newRow("a.data") << Sauvegarde{Aucune, "a.data", "a.data", 0, Effectuee};
        QTest::newRow("cancelled")
            << Sauvegarde{Annulee, {}, "seq.dat", 0, "Votre fichier n'a pas été sauvegardé."};
        QTest::newRow("full disk") << Sauvegarde{DisquePlein};
        QTest::newRow("read-only folder, writable file")
            << Sauvegarde{DossierLectureSeule, "seq.dat", "seq.dat", 0666, Effectuee};
        QTest::newRow("read-only folder and file")
            << Sauvegarde{DossierLectureSeule, "seq.dat", "seq.dat", 0444};
    }
    void sauvegarde() {
        QFETCH(Sauvegarde, cas);
        Banc b;
        troisTrames(b);
        const QString f = dansProgramme(b, cas.fichier);
        QVERIFY(deposer(f, "ancien") && (!cas.mode || chmod(qPrintable(f), cas.mode) == 0));
        const auto entrees = [&b] { return QDir(b.dossiers.programme.path()).entryList(); };
        const QStringList avant = entrees();
        std::optional<UtilisateurOrdinaire> u;
        if (cas.panne == DossierLectureSeule) {
            u.emplace(QList<std::pair<QString, mode_t>>{{b.dossiers.programme.path(), 0555}});
            QVERIFY(u->pret() && !QFile(dansProgramme(b, "sonde")).open(QIODevice::WriteOnly));
        }
        b.fichiers.chemins << (cas.panne == Annulee ? QString() : dansProgramme(b, cas.choisi));
        const bool sauve = cas.message == Effectuee;
        QCOMPARE(sauver(*b, cas.panne == DisquePlein), sauve);
        QCOMPARE(b.boites(), QStringList{boite(cas.message, sauve ? Msg::OK : Erreur)});
        QCOMPARE(b->Modifie, !sauve);
        QCOMPARE(contenu(f), sauve ? Entete + " 3 \r\n411000000\r\n400110000\r\n400001100\r\n"
                                              "400000000\r\n"
                                   : "ancien");
        QCOMPARE(entrees(), avant);
        // The name is cleared before saving; the dialog's answer becomes the next one.
        QCOMPARE(b.fichiers.sauvegardes.value(0).nomFichier + u'|' + b->Ctl.ComDialog1FileName,
                 u'|' + (cas.panne == Annulee ? QString() : dansProgramme(b, cas.choisi)));
    }

    // Open and New ask before they replace unsaved work; a refused or failed one changes
    // nothing. A load shows record 0 and its multiplier, wherever the navigator stood. New clears the
    // codes of records 1..255 and the grid, and keeps the lamp rows and the time base.
    void remplacement_data() {
        QTest::addColumn<Remplacement>("cas");
        const auto ouvrir = &LT840::Lecture_Click;
        const QString q = boite(" Attention!!!    Désirez-vous effacer les données non "
                                "enregistrées?",
                                Msg::Critique | Msg::OuiNon);
        const QString t = PrefixeTitreFichier + "seq.dat";
        const QString charge = "0:210000000 1:201000000 2:011111111 512:011111111 "
                               "513:000000000 700:000000000";
        QTest::newRow("navigateur deplace") << Remplacement{
            ouvrir, Msg::RepOui, Exemple, 3, {q}, ". . . 2 2 0 10000000 N 1 1", t, charge};
        QTest::newRow("navigateur deja a 0") << Remplacement{
            ouvrir, Msg::RepOui, Exemple, 0, {q}, ". . . 2 2 0 10000000 N 1 1", t, charge};
        QTest::newRow("question refusee") << Remplacement{ouvrir, Msg::RepNon, Exemple, 1, {q}};
        const auto echec = [&](const char* nom, const QByteArray& octets, const QString& erreur,
                               const QString& titre = TitreFichier) {
            QTest::newRow(nom) << Remplacement{
                ouvrir, Msg::RepOui, octets, 1, {q, boite(erreur, Erreur, titre)}};
        };
        echec("dialogue annule", Annule, "Vous n'avez ouvert aucun fichier.");
        echec("compte 2000", Entete + "2000\r\n" + QByteArray("1\r\n").repeated(2001),
              "Fichier non compatible.");
        echec("trop grand", Entete + " 1 \r\n" + QByteArray(1 << 21, '1'), Disponible, Titre);
        const auto nouveau = &LT840::Nouveau_Click;
        const QString qn = boite(" Attention!!! Désirez-vous effacer les données non enregistrées?",
                                 Msg::Critique | Msg::OuiNon);
        const QString vide = ". . . 0 0 0 00000000 N 3 3";
        const QString efface = "0:111000000 1:000110000 255:000000000 256:300000000";
        QTest::newRow("nouveau, oui, navigateur en fin")
            << Remplacement{nouveau, Msg::RepOui, {}, 3, {qn}, vide, Titre, efface};
        QTest::newRow("nouveau, non") << Remplacement{nouveau, Msg::RepNon, {}, 3, {qn}};
    }
    void remplacement() {
        QFETCH(Remplacement, cas);
        Banc b;
        troisTrames(b);
        b->TabTrames[700][3] = 5;
        b->TabTrames[255][LigneCode] = b->TabTrames[256][LigneCode] = 3;
        b->setHScroll1Value(cas.position);
        b->Ctl.Shape1[LedMax].FillColor = b->CouleurOn;
        const QString f = dansProgramme(b, "seq.dat");
        QVERIFY(deposer(f, cas.octets));
        b.fichiers.chemins << (cas.octets == Annule ? QString() : f);
        b.messages.reponses << cas.reponse;
        const auto magasin = b->TabTrames;
        const QString avant = fenetre(*b);
        (b.ed.*cas.commande)();
        QCOMPARE(b.boites(), cas.boites);
        if (cas.vue.isEmpty()) {
            QVERIFY(b->TabTrames == magasin);
            QCOMPARE(fenetre(*b), avant);
            return;
        }
        QCOMPARE(vue(*b, cas.vue) + b->Ctl.Caption.replace(f, "seq.dat"), cas.vue + cas.titre);
        QCOMPARE(::magasin(*b, cas.magasin), cas.magasin);
    }

    // Quit always asks; closing asks only when there is something to lose (a deletion after a
    // save is). "Yes" ends only once the save succeeded; a question left unanswered ends nothing.
    void quitter_data() {
        QTest::addColumn<Quitter>("cas");
        QTest::newRow("quit: no") << Quitter{false, Change, Msg::RepNon, false};
        QTest::newRow("quit: yes, failed") << Quitter{false, Change, Msg::RepOui, true};
        QTest::newRow("quit: escaped") << Quitter{false, Change, Msg::RepAnnuler, true};
        QTest::newRow("close: escaped") << Quitter{true, Change, Msg::RepAnnuler, true};
        QTest::newRow("close, nothing to lose") << Quitter{true, Intact, Msg::RepNon, false};
        QTest::newRow("close: yes, saved") << Quitter{true, Change, Msg::RepOui, false};
        QTest::newRow("close after a save and a deletion")
            << Quitter{true, SupprimeApresSauvegarde, Msg::RepNon, false};
    }
    void quitter() {
        QFETCH(Quitter, cas);
        Banc b;
        troisTrames(b);
        b->Modifie = cas.etat == Change;
        if (cas.etat == SupprimeApresSauvegarde) {
            b->setHScroll1Value(1);
            b.fichiers.chemins << dansProgramme(b, "seq.dat");
            QVERIFY(b->Sauvegarde());
            b->CmdSUPP_Click();
            b.messages.affichees.clear();
        }
        b.messages.reponses << cas.reponse;
        b.fichiers.chemins << dansProgramme(b, cas.echec ? "absent/f.dat" : "f.dat");
        if (cas.fermer)
            QCOMPARE(b->Form_QueryUnload(), !cas.echec);
        else
            b->Quitter_Click();
        QCOMPARE(b.evenements.termine, !cas.echec && !cas.fermer);
        const bool modifie = cas.etat != Intact;
        QCOMPARE(b.boites().value(0), !cas.fermer || modifie ? QuestionQuitter : QString());
        QCOMPARE(b->Modifie, modifie && (cas.reponse == Msg::RepNon || cas.echec));
        const auto n = b.messages.affichees.size(); // once the program ends, closing asks no more
        QVERIFY(!b.evenements.termine ||
                (b->Form_QueryUnload() && b.messages.affichees.size() == n));
    }

    // Port 1 before reading (a failed reading writes it back), then -2 saved with the text read.
    // The newer folder's file is read, the user's on a tie; the user's folder takes over when
    // the program's refuses the file, and with neither usable the program goes on silently.
    void demarrageSuivant_data() {
        QTest::addColumn<Cfg>("cas");
        const QByteArray p = " 3 \r\nprogramme\r\n", s = " 2 \r\nsecours\r\n";
        QTest::newRow("COM4") << Cfg{"3|autre texte|3|+=|-2", " 3 \r\nautre texte\r\n"};
        QTest::newRow("absent") << Cfg{"1|*.dat|1|+=|-2", {}};
        QTest::newRow("hors 16 bits") << Cfg{"1|*.dat|1|+=|-2", "70000\r\nx\r\n"};
        QTest::newRow("negatif, Latin-1, hors menu")
            << Cfg{QString::fromLatin1("-32768|\xe9t\xe9||+=|-2"), "-32768 \r\n\xe9t\xe9\r\n"};
        QTest::newRow("programme bloque") << Cfg{"1|*.dat|1|=+|-2", {}, {}, 0, Programme};
        QTest::newRow("aucun dossier") << Cfg{"1|*.dat|1|==|0", {}, {}, 0, Programme | Secours};
        QTest::newRow("secours plus recent") << Cfg{"2|secours|2|=+|-2", p, s, 60};
        QTest::newRow("secours du meme instant") << Cfg{"2|secours|2|=+|-2", p, s, 0};
        QTest::newRow("secours plus ancien") << Cfg{"3|programme|3|+=|-2", p, s, -60};
        QTest::newRow("secours illisible") << Cfg{"3|programme|3|+=|-2", p, {}, 0, Secours};
        QTest::newRow("fichier en lecture seule")
            << Cfg{"3|programme|3|=+|-2", p, {}, 0, FichierRO};
        QTest::newRow("dossier en lecture seule")
            << Cfg{"3|programme|3|+=|-2", p, {}, 0, DossierRO};
    }
    void demarrageSuivant() {
        QFETCH(Cfg, cas);
        Banc b(Banc::SansCarte, false);
        const QString programme = dansProgramme(b, "lt840.cfg");
        const QString secours = QDir(b.dossiers.configuration.path()).filePath("lt840.cfg");
        const QDateTime autrefois = QDateTime::currentDateTimeUtc().addSecs(-3600);
        QVERIFY(cas.avant.isNull() ||
                (deposer(programme, cas.avant) && dater(programme, autrefois)));
        QVERIFY(cas.avantSecours.isNull() || (deposer(secours, cas.avantSecours) &&
                                              dater(secours, autrefois.addSecs(cas.ecart))));
        QVERIFY(!(cas.blocage & Programme) || QDir().mkpath(programme));
        QVERIFY(!(cas.blocage & Secours) || QDir().mkpath(secours));
        std::optional<UtilisateurOrdinaire> utilisateur;
        if (cas.blocage & (FichierRO | DossierRO)) {
            const bool dossier = cas.blocage & DossierRO;
            utilisateur.emplace(QList<std::pair<QString, mode_t>>{
                {b.dossiers.programme.path(), dossier ? 0555 : 0777},
                {programme, dossier ? 0666 : 0444},
                {b.dossiers.configuration.path(), 0777}});
            QVERIFY(utilisateur->pret());
            QVERIFY(!QFile(dossier ? dansProgramme(b, "sonde") : programme)
                         .open(QIODevice::WriteOnly | QIODevice::Append));
        }
        b->PortCom = 1;
        b->Form_Load();
        QStringList l{QString::number(b->PortCom), b->TexteCfg, {}, {}};
        for (int i = 0; i < int(b->Ctl.COM.size()); ++i)
            l[2] += b->Ctl.COM[i] ? QString::number(i) : QString();
        const QByteArray avant[] = {contenu(programme), contenu(secours)};
        b->PortCom = -2;
        b->SauveCfg();
        const QByteArray ecrit = "-2 \r\n" + b->TexteCfg.toLatin1() + "\r\n";
        const auto etat = [&ecrit](const QString& f, const QByteArray& ancien) {
            return contenu(f) == ecrit ? u'+' : contenu(f) == ancien ? u'=' : u'?';
        };
        l[3] = QString(etat(programme, avant[0])) + etat(secours, avant[1]);
        LT840 suivant(b.plateforme());
        suivant.LitCfg();
        QCOMPARE((l << QString::number(suivant.PortCom)).join(u'|'), cas.attendu);
        QVERIFY(b.messages.affichees.isEmpty());
    }
};

QTEST_GUILESS_MAIN(TstMenuFichier)
#include "tst_menufichier.moc"
