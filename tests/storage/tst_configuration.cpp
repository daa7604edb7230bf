#include "OutilsStockage.h"

#include <QtTest>

namespace {

enum Blocage { Aucun = 0, Programme = 1, Secours = 2, ProgrammeEnCours = 4 };
enum Destination { DansProgramme, DansSecours, NullePart };

// A directory in the file's place keeps the folder from holding it.
void bloquer(const QString& cfg) {
    QVERIFY(QDir().mkpath(cfg));
}

} // namespace

class TstConfiguration : public QObject {
    Q_OBJECT
private slots:
    // From one start to the next: PortCom holds 1 before the file is read (a failed reading
    // writes back what it holds), then port -2 is saved with the text read. The user's folder
    // takes over from the program's; with neither usable the program goes on without a word.
    void demarrageSuivant_data() {
        QTest::addColumn<QByteArray>("avant"); // null: no file
        QTest::addColumn<int>("blocage");
        QTest::addColumn<int>("port");
        QTest::addColumn<QString>("texte");
        QTest::addColumn<int>("coche"); // the ticked item of the port menu
        QTest::addColumn<int>("destination");
        auto cas = [](const char* nom, const QByteArray& avant, int blocage, int port,
                      const QString& texte, int coche, Destination destination) {
            QTest::newRow(nom) << avant << blocage << port << texte << coche << int(destination);
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
    }
    void demarrageSuivant() {
        QFETCH(QByteArray, avant);
        QFETCH(int, blocage);
        QFETCH(int, port);
        QFETCH(QString, texte);
        QFETCH(int, coche);
        QFETCH(int, destination);
        Banc b(nullptr, false);
        const QString programme = dansProgramme(b, "lt840.cfg");
        const QString secours = QDir(b.dossiers.configuration.path()).filePath("lt840.cfg");
        if (!avant.isNull())
            QVERIFY(deposer(programme, avant));
        if (blocage & Programme)
            bloquer(programme);
        if (blocage & Secours)
            bloquer(secours);
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
        b->PortCom = -2;
        b->SauveCfg();
        const QByteArray attendu = "-2 \r\n" + texte.toLatin1() + "\r\n";
        QCOMPARE(contenu(programme), destination == DansProgramme ? attendu : "<illisible>");
        QCOMPARE(contenu(secours), destination == DansSecours ? attendu : "<illisible>");
        LT840 suivant(b.plateforme());
        suivant.LitCfg();
        QCOMPARE(suivant.PortCom, qint16(destination == NullePart ? 0 : -2));
        QVERIFY(b.messages.affichees.isEmpty());
    }
};

QTEST_GUILESS_MAIN(TstConfiguration)
#include "tst_configuration.moc"
