#include "Banc.h"
#include "OutilsStockage.h"

#include <QtTest>
#include <csignal>
#include <optional>
#include <sys/resource.h>

namespace {

enum Panne { ParentAbsent, RepertoireALaPlace, EcritureRefusee };

// Makes every write past `octets` bytes fail in this process, as a full disk would.
class LimiteTaille {
public:
    explicit LimiteTaille(rlim_t octets) {
        getrlimit(RLIMIT_FSIZE, &m_avant);
        rlimit l = m_avant;
        l.rlim_cur = octets;
        setrlimit(RLIMIT_FSIZE, &l);
        std::signal(SIGXFSZ, SIG_IGN);
    }
    ~LimiteTaille() { setrlimit(RLIMIT_FSIZE, &m_avant); }

private:
    rlimit m_avant{};
};

void verifierBoite(const BoiteAffichee& b, const QString& prompt, int boutons) {
    QCOMPARE(b.prompt, prompt);
    QCOMPARE(b.boutons, boutons);
    QCOMPARE(b.titre, QStringLiteral("* LT840 *"));
}

} // namespace

class TstSauvegarde : public QObject {
    Q_OBJECT
private slots:
    void exempleOctetParOctet() {
        Banc b;
        enregistrer(*b, "10000000");
        enregistrer(*b, "01000000");
        b->Modifie = QStringLiteral("O");
        const QString f = chemin(b.dossiers.programme.path(), "seq.dat");
        b.fichiers.chemins << f;
        b->Sauvegarder_Click();
        QCOMPARE(contenu(f), Exemple);
        QCOMPARE(b->Modifie, QStringLiteral("N"));
        QCOMPARE(b->NomFichier, f);
        QCOMPARE(b.messages.affichees.size(), 1);
        verifierBoite(b.messages.affichees[0], QStringLiteral(" Sauvegarde effectuée "), Msg::OK);
    }

    void parametresDuDialogue() {
        Banc b;
        b->Ctl.ComDialog1FileName = QStringLiteral("ancien.dat");
        b->Sauvegarde();
        const ParametresDialogue p = b.fichiers.enregistrements.value(0);
        QCOMPARE(p.titre, QStringLiteral("Dezudoziru"));
        QCOMPARE(p.filtre, QStringLiteral("Tous les fichiers (*.dat)|*.dat|Fichiers texte(*.txt)|"
                                          "*.txt|Tous les Fichiers (*.*)|*.*|"));
        QCOMPARE(p.extensionParDefaut, QStringLiteral("*.dat"));
        QCOMPARE(p.nomFichier, QString());
        QCOMPARE(p.dossierInitial, b.dossiers.programme.path());
        // A folder other than the designed one is left alone.
        b->Ctl.ComDialog1InitDir = QStringLiteral("/ailleurs");
        b->Sauvegarde();
        QCOMPARE(b.fichiers.enregistrements.value(1).dossierInitial, QStringLiteral("/ailleurs"));
    }

    void extensionDat_data() {
        QTest::addColumn<QString>("choisi");
        QTest::addColumn<QString>("ecrit");
        QTest::newRow("sans extension") << "seq"
                                        << "seq.dat";
        QTest::newRow(".dat") << "seq.dat"
                              << "seq.dat";
        QTest::newRow(".DAT") << "seq.DAT"
                              << "seq.DAT.dat";
        QTest::newRow("a.data") << "a.data"
                                << "a.data";
        QTest::newRow(".txt") << "seq.txt"
                              << "seq.txt.dat";
        QTest::newRow(".dat au milieu") << "x.dat.txt"
                                        << "x.dat.txt";
    }
    void extensionDat() {
        QFETCH(QString, choisi);
        QFETCH(QString, ecrit);
        Banc b;
        const QString dossier = b.dossiers.programme.path();
        b.fichiers.chemins << chemin(dossier, choisi);
        QVERIFY(b->Sauvegarde());
        QCOMPARE(b->NomFichier, chemin(dossier, ecrit));
        QCOMPARE(contenu(chemin(dossier, ecrit)).left(14), QByteArray("LT840  V1.02\r\n"));
    }

    void annulation() {
        Banc b;
        b->Modifie = QStringLiteral("O");
        b->NomFichier = QStringLiteral("precedent.dat");
        QVERIFY(!b->Sauvegarde());
        QCOMPARE(b->Modifie, QStringLiteral("O"));
        QCOMPARE(b->NomFichier, QString());
        QCOMPARE(b.messages.affichees.size(), 1);
        verifierBoite(b.messages.affichees[0],
                      QStringLiteral("Votre fichier n'a pas été sauvegarder."),
                      Msg::Critique | Msg::OK);
    }

    // Whatever stood at the chosen path is still there, byte for byte, and nothing else was
    // left behind in the folder.
    void echec_data() {
        QTest::addColumn<int>("panne");
        QTest::newRow("dossier parent absent") << int(ParentAbsent);
        QTest::newRow("repertoire a la place") << int(RepertoireALaPlace);
        QTest::newRow("ecriture refusee") << int(EcritureRefusee);
    }
    void echec() {
        QFETCH(int, panne);
        Banc b;
        enregistrer(*b, "10000000");
        b->Modifie = QStringLiteral("O");
        const QString dossier = b.dossiers.programme.path();
        const QString ancien = "ancien contenu\r\n";
        QString f = chemin(dossier, "seq.dat");
        if (panne == ParentAbsent)
            f = chemin(dossier, "absent/seq.dat");
        if (panne == RepertoireALaPlace) {
            QVERIFY(QDir(dossier).mkdir("seq.dat"));
            QVERIFY(deposer(chemin(f, "dedans"), ancien.toLatin1()));
        }
        if (panne == EcritureRefusee)
            QVERIFY(deposer(f, ancien.toLatin1()));
        const QStringList avant = QDir(dossier).entryList(QDir::AllEntries | QDir::NoDotAndDotDot);
        b.fichiers.chemins << f;
        std::optional<LimiteTaille> limite;
        if (panne == EcritureRefusee)
            limite.emplace(8);
        QVERIFY(!b->Sauvegarde());
        limite.reset();
        QCOMPARE(b->Modifie, QStringLiteral("O"));
        QCOMPARE(b.messages.affichees.size(), 1);
        verifierBoite(b.messages.affichees[0], QStringLiteral("Fichier non disponible ! "),
                      Msg::Critique | Msg::OK);
        QCOMPARE(QDir(dossier).entryList(QDir::AllEntries | QDir::NoDotAndDotDot), avant);
        if (panne == RepertoireALaPlace)
            QCOMPARE(contenu(chemin(f, "dedans")), ancien.toLatin1());
        if (panne == EcritureRefusee)
            QCOMPARE(contenu(f), ancien.toLatin1());
    }
};

QTEST_GUILESS_MAIN(TstSauvegarde)
#include "tst_sauvegarde.moc"
