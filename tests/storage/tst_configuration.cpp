#include "OutilsStockage.h"
#include "UtilisateurOrdinaire.h"

#include <QtTest>
#include <optional>

namespace {

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

class TstConfiguration : public QObject {
    Q_OBJECT
private slots:
    // From one start to the next: PortCom holds 1 before the file is read (a failed reading
    // writes back what it holds), then port -2 is saved with the text read. The newer of the two
    // folders' files is read, the user's on a tie; the user's folder takes over when the
    // program's refuses the file, and with neither usable the program goes on without a word.
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
        QTest::newRow("secours seul") << Cfg{"2|secours|2|=+|-2", {}, s};
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

QTEST_GUILESS_MAIN(TstConfiguration)
#include "tst_configuration.moc"
