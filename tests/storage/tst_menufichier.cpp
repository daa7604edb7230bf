#include "OutilsStockage.h"
#include "UtilisateurOrdinaire.h"

#include <QtTest>
#include <csignal>
#include <optional>
#include <sys/resource.h>

namespace {

const QString Disponible = QStringLiteral("Fichier non disponible ! ");
const int Erreur = Msg::Critique | Msg::OK;
const QString QuestionOuvrir =
    boite(QStringLiteral(" Attention!!!    Désirez-vous effacer les données non enregistrées?"),
          Msg::Critique | Msg::OuiNon);
const QString QuestionNouveau =
    boite(QStringLiteral(" Attention!!! Désirez-vous effacer les données non enregistrées?"),
          Msg::Critique | Msg::OuiNon);
const QString QuestionQuitter =
    boite(QStringLiteral("Voulez-vous sauvegarder avant de quitter?"), Msg::OuiNon);
const QByteArray Annule = "<dialogue annule>";
const QByteArray Dossier = "<un dossier a la place>";

const QString Effectuee = QStringLiteral(" Sauvegarde effectuée ");
const QString Annulation = QStringLiteral("Votre fichier n'a pas été sauvegarder.");

enum Panne { Annulee, ParentAbsent, RepertoireALaPlace, DisquePlein, DossierLectureSeule };
enum Choix { Non, OuiSauve, OuiEchec };
enum Etat { Intact, Change, SupprimeApresSauvegarde };

struct Quitter {
    bool fermer;
    Etat etat;
    Choix choix;
    bool fin;
};

// `avant`: the file at the chosen path (null: none), given `mode` unless 0.
struct Sauvegarde {
    Panne panne;
    QByteArray avant;
    int mode = 0;
    QString message = Disponible;
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

QStringList entrees(Banc& b) {
    return QDir(b.dossiers.programme.path()).entryList(QDir::AllEntries | QDir::NoDotAndDotDot);
}

} // namespace

class TstMenuFichier : public QObject {
    Q_OBJECT
private slots:
    // Saving what was loaded gives the same lines again but record N, lit as every record past
    // the sequence is after a load. A name gets ".dat" unless it holds it already, case counting.
    void sauverChargerSauver_data() {
        QTest::addColumn<QString>("choisi");
        QTest::addColumn<QString>("fichier");
        QTest::newRow(".DAT") << QStringLiteral("a.DAT") << "a.DAT.dat";
        QTest::newRow("a.data") << QStringLiteral("a.data") << "a.data";
    }
    void sauverChargerSauver() {
        QFETCH(QString, choisi);
        QFETCH(QString, fichier);
        Banc b;
        suite(*b, 2);
        b->Ctl.ComDialog1FileName = QStringLiteral("ancien.dat");
        const QString c = dansProgramme(b, "c.dat");
        b.fichiers.chemins << dansProgramme(b, choisi) << dansProgramme(b, choisi) << c;
        b->Sauvegarder_Click();
        QCOMPARE(contenu(dansProgramme(b, fichier)), Exemple);
        QVERIFY(!b->Modifie);
        b->Lecture_Click();
        QCOMPARE(b->Ctl.Caption, PrefixeTitreFichier + dansProgramme(b, fichier));
        QVERIFY(b->Sauvegarde());
        QCOMPARE(contenu(c), Entete + " 2 \r\n210000000\r\n201000000\r\n011111111\r\n");
        QCOMPARE(b.boites(), QStringList(2, boite(Effectuee, Msg::OK)));
        const ParametresDialogue p = b.fichiers.sauvegardes.value(0);
        QCOMPARE(p.titre, QStringLiteral("Dezudoziru"));
        QCOMPARE(p.filtre, QStringLiteral("Tous les fichiers (*.dat)|*.dat|Fichiers texte(*.txt)|"
                                          "*.txt|Tous les Fichiers (*.*)|*.*|"));
        QCOMPARE(p.extensionParDefaut, QStringLiteral("*.dat"));
        QCOMPARE(p.dossierInitial, b.dossiers.programme.path());
        QCOMPARE(p.nomFichier, QString()); // cleared before saving, not before opening
        QCOMPARE(b.fichiers.ouvertures.value(0).nomFichier, dansProgramme(b, choisi));
    }

    // Whatever stood at the chosen path is still there byte for byte, and nothing was left
    // behind in the folder. A folder that takes no new file saves in place into a file already
    // there that may be written, and fails as any other failure otherwise.
    void sauvegarde_data() {
        QTest::addColumn<Sauvegarde>("cas");
        const QByteArray ancien = "ancien\r\n";
        QTest::newRow("cancelled") << Sauvegarde{Annulee, ancien, 0, Annulation};
        QTest::newRow("no parent folder") << Sauvegarde{ParentAbsent, ancien};
        QTest::newRow("a folder in its place") << Sauvegarde{RepertoireALaPlace, ancien};
        QTest::newRow("full disk") << Sauvegarde{DisquePlein, ancien};
        QTest::newRow("read-only folder, writable file")
            << Sauvegarde{DossierLectureSeule, ancien, 0666, Effectuee};
        QTest::newRow("read-only folder and file") << Sauvegarde{DossierLectureSeule, ancien, 0444};
        QTest::newRow("read-only folder, no file") << Sauvegarde{DossierLectureSeule, {}};
    }
    void sauvegarde() {
        QFETCH(Sauvegarde, cas);
        Banc b;
        troisTrames(b);
        const QString f = dansProgramme(b, "seq.dat");
        const QString ancien = cas.panne == RepertoireALaPlace ? f + "/dedans" : f;
        if (cas.panne == RepertoireALaPlace)
            QVERIFY(QDir().mkdir(f));
        if (!cas.avant.isNull())
            QVERIFY(deposer(ancien, cas.avant) &&
                    (!cas.mode || chmod(qPrintable(f), mode_t(cas.mode)) == 0));
        const QStringList avant = entrees(b);
        std::optional<UtilisateurOrdinaire> u;
        if (cas.panne == DossierLectureSeule) {
            u.emplace(QList<std::pair<QString, mode_t>>{{b.dossiers.programme.path(), 0555}});
            QVERIFY(u->pret());
            QVERIFY(!QFile(dansProgramme(b, "sonde")).open(QIODevice::WriteOnly));
        }
        b.fichiers.chemins << (cas.panne == Annulee        ? QString()
                               : cas.panne == ParentAbsent ? dansProgramme(b, "absent/seq.dat")
                                                           : f);
        const bool sauve = cas.message == Effectuee;
        QCOMPARE(sauver(*b, cas.panne == DisquePlein), sauve);
        QCOMPARE(b.boites(), QStringList{boite(cas.message, sauve ? Msg::OK : Erreur)});
        QCOMPARE(b->Modifie, !sauve);
        const QByteArray sequence = Entete + " 3 \r\n411000000\r\n400110000\r\n400001100\r\n"
                                             "400000000\r\n";
        QCOMPARE(contenu(ancien), sauve                ? sequence
                                  : cas.avant.isNull() ? "<illisible>"
                                                       : cas.avant);
        QCOMPARE(entrees(b), avant);
    }

    // A load fills the store and shows the loaded record 0 only when the navigator had to move
    // to it; a refused one changes nothing, in the store or in the window.
    void ouverture_data() {
        QTest::addColumn<int>("reponse");
        QTest::addColumn<QByteArray>("octets");
        QTest::addColumn<int>("position");
        QTest::addColumn<QStringList>("erreur"); // the box after the question, if any
        QTest::addColumn<QString>("grille");     // empty: nothing loaded
        auto cas = [](const char* nom, int reponse, const QByteArray& octets, int position,
                      const QStringList& erreur, const QString& grille = {}) {
            QTest::newRow(nom) << reponse << octets << position << erreur << grille;
        };
        const QByteArray compte2000 = Entete + "2000\r\n" + QByteArray("1\r\n").repeated(2001);
        const QByteArray tropGrand = Entete + " 1 \r\n" + QByteArray(1 << 21, '1');
        cas("navigateur deplace", Msg::RepOui, Exemple, 3, {}, "10000000");
        cas("navigateur deja a 0", Msg::RepOui, Exemple, 0, {}, "11000000");
        cas("question refusee", Msg::RepNon, Exemple, 1, {});
        cas("dialogue annule", Msg::RepOui, Annule, 1,
            {boite("Vous n'avez ouvert aucun fichier.", Erreur, TitreFichier)});
        cas("compte 2000", Msg::RepOui, compte2000, 1,
            {boite("Fichier non compatible.", Erreur, TitreFichier)});
        cas("trop grand", Msg::RepOui, tropGrand, 1, {boite(Disponible, Erreur)});
        cas("illisible", Msg::RepOui, Dossier, 1, {boite(Disponible, Erreur)});
    }
    void ouverture() {
        QFETCH(int, reponse);
        QFETCH(QByteArray, octets);
        QFETCH(int, position);
        QFETCH(QStringList, erreur);
        QFETCH(QString, grille);
        Banc b;
        troisTrames(b);
        b->TabTrames[0][12] = 7;
        b->TabTrames[700][3] = 5;
        b->setHScroll1Value(position);
        const QString f = dansProgramme(b, "seq.dat");
        QVERIFY(octets == Dossier ? QDir().mkdir(f) : deposer(f, octets));
        b.fichiers.chemins << (octets == Annule ? QString() : f);
        b.messages.reponses << reponse;
        const auto magasin = b->TabTrames;
        const QString avant = fenetre(*b);
        b->Lecture_Click();
        QCOMPARE(b.boites(), QStringList{QuestionOuvrir} + erreur);
        if (grille.isEmpty()) {
            QVERIFY(b->TabTrames == magasin);
            QCOMPARE(fenetre(*b), avant);
            return;
        }
        QCOMPARE(ligne(b->TabTrames[0]), QStringLiteral("210000000"));
        QCOMPARE(ligne(b->TabTrames[1]), QStringLiteral("201000000"));
        for (int r = 2; r <= 512; ++r)
            QCOMPARE(ligne(b->TabTrames[r]), QStringLiteral("011111111"));
        for (int r = 0; r <= DernierEnr; ++r)
            for (int l = r > 512 ? 0 : 9; l <= DerniereLigne; ++l)
                QCOMPARE(b->TabTrames[r][l], qint16(0));
        const QString charge = ". . . 2 2 0 " + grille + " N";
        QCOMPARE(vue(*b, charge) + b->Ctl.Caption, charge + PrefixeTitreFichier + f);
    }

    // New keeps the lamp rows and clears the codes of records 1..255; the grid is unlit whatever
    // record the navigator showed, and the time base in force (x10) stays.
    void nouveau_data() {
        QTest::addColumn<bool>("modifie");
        QTest::addColumn<int>("reponse");
        QTest::addColumn<int>("position");
        QTest::newRow("oui, navigateur en fin") << true << Msg::RepOui << 3;
        QTest::newRow("rien a perdre, navigateur a 0") << false << Msg::RepNon << 0;
        QTest::newRow("non") << true << Msg::RepNon << 3;
    }
    void nouveau() {
        QFETCH(bool, modifie);
        QFETCH(int, reponse);
        QFETCH(int, position);
        Banc b;
        troisTrames(b);
        b->Modifie = modifie;
        b->setHScroll1Value(position);
        b->TabTrames[256][LigneCode] = 3;
        b.messages.reponses << reponse;
        const auto magasin = b->TabTrames;
        const QString avant = fenetre(*b);
        b->Nouveau_Click();
        QCOMPARE(b.boites(), QStringList(modifie ? 1 : 0, QuestionNouveau));
        if (modifie && reponse == Msg::RepNon) {
            QVERIFY(b->TabTrames == magasin);
            QCOMPARE(fenetre(*b), avant);
            return;
        }
        QCOMPARE(vue(*b, ". . . 0 0 0 00000000 N 3") + b->Ctl.Caption,
                 ". . . 0 0 0 00000000 N 3" + Titre);
        QCOMPARE(ligne(b->TabTrames[0]), QStringLiteral("111000000"));
        QCOMPARE(ligne(b->TabTrames[1]), QStringLiteral("000110000"));
        QCOMPARE(b->TabTrames[255][LigneCode], qint16(0));
        QCOMPARE(b->TabTrames[256][LigneCode], qint16(3));
        b->CLICK();
        QCOMPARE(b->TabTrames[0][LigneCode], qint16(4));
    }

    // Quit always asks; closing the window asks only when there is something to lose (a
    // deletion after a save is), and leaves the program's ending to the window.
    void quitter_data() {
        QTest::addColumn<Quitter>("cas");
        QTest::newRow("quit: no") << Quitter{false, Change, Non, true};
        QTest::newRow("quit: yes, saved") << Quitter{false, Change, OuiSauve, true};
        QTest::newRow("quit: yes, failed") << Quitter{false, Change, OuiEchec, false};
        QTest::newRow("quit, nothing to lose") << Quitter{false, Intact, Non, true};
        QTest::newRow("close, nothing to lose") << Quitter{true, Intact, Non, true};
        QTest::newRow("close: no") << Quitter{true, Change, Non, true};
        QTest::newRow("close: yes, saved") << Quitter{true, Change, OuiSauve, true};
        QTest::newRow("close: yes, failed") << Quitter{true, Change, OuiEchec, false};
        QTest::newRow("close after a save and a deletion")
            << Quitter{true, SupprimeApresSauvegarde, Non, true};
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
        b.messages.reponses << (cas.choix == Non ? Msg::RepNon : Msg::RepOui);
        b.fichiers.chemins << dansProgramme(b, cas.choix == OuiEchec ? "absent/f.dat" : "f.dat");
        if (cas.fermer)
            QCOMPARE(b->Form_QueryUnload(), cas.fin);
        else
            b->Quitter_Click();
        QCOMPARE(b.evenements.termine, cas.fin && !cas.fermer);
        const bool modifie = cas.etat != Intact;
        QCOMPARE(b.boites().value(0), !cas.fermer || modifie ? QuestionQuitter : QString());
        QCOMPARE(b->Modifie, cas.choix != OuiSauve && modifie);
        // The window closing as the program ends must not ask a second time.
        const qsizetype boitesAvant = b.messages.affichees.size();
        if (b.evenements.termine)
            QVERIFY(b->Form_QueryUnload());
        QCOMPARE(b.messages.affichees.size(), boitesAvant);
    }
};

QTEST_GUILESS_MAIN(TstMenuFichier)
#include "tst_menufichier.moc"
