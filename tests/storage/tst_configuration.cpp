#include "OutilsStockage.h"
#include "UtilisateurOrdinaire.h"

#include <QtTest>
#include <optional>

namespace {

// Programme, Secours and ProgrammeEnCours (once the file was read) put a directory in the
// file's place; the read-only cases leave the program's file readable and refuse the user
// writes to the file, or only to its folder.
enum Blocage {
    Aucun = 0,
    Programme = 1,
    Secours = 2,
    ProgrammeEnCours = 4,
    FichierProgrammeLectureSeule = 8,
    DossierProgrammeLectureSeule = 16,
};
enum Destination { DansProgramme, DansSecours, NullePart };

// The program's and the user's files before (null: none), the user's dated `ecart` seconds
// after the program's; then what the start reads, the ticked port and where a save goes.
struct Cfg {
    QByteArray avant, avantSecours;
    int ecart, blocage, port;
    QString texte;
    int coche;
    Destination destination;
};

// A directory in the file's place keeps the folder from holding it.
void bloquer(const QString& cfg) {
    QVERIFY(QDir().mkpath(cfg));
}

bool dater(const QString& chemin, const QDateTime& quand) {
    QFile f(chemin);
    return f.open(QIODevice::ReadOnly) && f.setFileTime(quand, QFileDevice::FileModificationTime);
}

} // namespace

class TstConfiguration : public QObject {
    Q_OBJECT
private slots:
    // From one start to the next: PortCom holds 1 before the file is read (a failed reading
    // writes back what it holds), then port -2 is saved with the text read, and the next start
    // reads it back. The newer of the two folders' files is read, the user's on a tie; the
    // user's folder takes over when the program's refuses the file, and with neither usable
    // the program goes on without a word.
    void demarrageSuivant_data() {
        QTest::addColumn<Cfg>("cas");
        auto cas = [](const char* nom, const QByteArray& avant, int blocage, int port,
                      const QString& texte, int coche, Destination destination,
                      const QByteArray& avantSecours = {}, int ecart = 0) {
            QTest::newRow(nom) << Cfg{avant, avantSecours, ecart, blocage,
                                      port,  texte,        coche, destination};
        };
        const QString dat = "*.dat";
        cas("COM4 et autre texte", " 3 \r\nautre texte\r\n", Aucun, 3, "autre texte", 3,
            DansProgramme);
        cas("une seule ligne", " 2 \r\n", Aucun, 2, dat, 2, DansProgramme);
        cas("absent", {}, Aucun, 1, dat, 1, DansProgramme);
        cas("hors 16 bits", "70000\r\nx\r\n", Aucun, 1, dat, 1, DansProgramme);
        cas("negatif, Latin-1, hors menu", "-32768 \r\n\xe9t\xe9\r\n", Aucun, -32768,
            QString::fromLatin1("\xe9t\xe9"), -1, DansProgramme);
        cas("dossier du programme bloque", {}, Programme, 1, dat, 1, DansSecours);
        cas("bloque apres la lecture", {}, ProgrammeEnCours, 1, dat, 1, DansSecours);
        cas("aucun dossier", {}, Programme | Secours, 1, dat, 1, NullePart);
        const QByteArray p = " 3 \r\nprogramme\r\n";
        const QByteArray s = " 2 \r\nsecours\r\n";
        cas("secours plus recent", p, Aucun, 2, "secours", 2, DansSecours, s, 60);
        cas("secours du meme instant", p, Aucun, 2, "secours", 2, DansSecours, s, 0);
        cas("secours plus ancien", p, Aucun, 3, "programme", 3, DansProgramme, s, -60);
        cas("secours seul", {}, Aucun, 2, "secours", 2, DansSecours, s);
        cas("secours illisible", p, Secours, 3, "programme", 3, DansProgramme);
        cas("fichier du programme en lecture seule", p, FichierProgrammeLectureSeule, 3,
            "programme", 3, DansSecours);
        cas("dossier du programme en lecture seule", p, DossierProgrammeLectureSeule, 3,
            "programme", 3, DansProgramme);
    }
    void demarrageSuivant() {
        QFETCH(Cfg, cas);
        const auto& [avant, avantSecours, ecart, blocage, port, texte, coche, destination] = cas;
        Banc b(Banc::SansCarte, false);
        const QString programme = dansProgramme(b, "lt840.cfg");
        const QString secours = QDir(b.dossiers.configuration.path()).filePath("lt840.cfg");
        const QDateTime autrefois = QDateTime::currentDateTimeUtc().addSecs(-3600);
        if (!avant.isNull())
            QVERIFY(deposer(programme, avant) && dater(programme, autrefois));
        if (!avantSecours.isNull())
            QVERIFY(deposer(secours, avantSecours) && dater(secours, autrefois.addSecs(ecart)));
        if (blocage & Programme)
            bloquer(programme);
        if (blocage & Secours)
            bloquer(secours);
        std::optional<UtilisateurOrdinaire> utilisateur;
        if (blocage & (FichierProgrammeLectureSeule | DossierProgrammeLectureSeule)) {
            const bool dossierSeul = blocage & DossierProgrammeLectureSeule;
            utilisateur.emplace(QList<std::pair<QString, mode_t>>{
                {b.dossiers.programme.path(), dossierSeul ? 0555 : 0777},
                {programme, dossierSeul ? 0666 : 0444},
                {b.dossiers.configuration.path(), 0777}});
            QVERIFY(utilisateur->pret());
            QVERIFY(!QFile(dossierSeul ? dansProgramme(b, "sonde") : programme)
                         .open(QIODevice::WriteOnly | QIODevice::Append));
        }
        b->PortCom = 1;
        b->Form_Load();
        QCOMPARE(b->PortCom, qint16(port));
        QCOMPARE(b->TexteCfg, texte);
        for (int i = 0; i < int(b->Ctl.COM.size()); ++i)
            QCOMPARE(b->Ctl.COM[i], i == coche);
        if (blocage & ProgrammeEnCours) {
            QVERIFY(QFile::remove(programme));
            bloquer(programme);
        }
        const QByteArray programmeAvant = contenu(programme);
        const QByteArray secoursAvant = contenu(secours);
        b->PortCom = -2;
        b->SauveCfg();
        const QByteArray attendu = "-2 \r\n" + texte.toLatin1() + "\r\n";
        QCOMPARE(contenu(programme), destination == DansProgramme ? attendu : programmeAvant);
        QCOMPARE(contenu(secours), destination == DansSecours ? attendu : secoursAvant);
        LT840 suivant(b.plateforme());
        suivant.LitCfg();
        QCOMPARE(suivant.PortCom, qint16(destination == NullePart ? 0 : -2));
        QVERIFY(b.messages.affichees.isEmpty());
    }
};

QTEST_GUILESS_MAIN(TstConfiguration)
#include "tst_configuration.moc"
