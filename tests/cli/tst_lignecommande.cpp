#include "CarteVirtuelle.h"

#include <QProcess>
#include <QRegularExpression>
#include <QTemporaryDir>
#include <QTest>

namespace {

// A run of lt840-cli in a folder holding seq%2.DAT, a sequence of three records with codes
// 1, 2 and 3 (opened as named, no ".dat" added; told as named, "%2" never taken for a
// placeholder), and bad.dat, a file that is not one: the virtual board's fault ("-": no
// board), the arguments (DEV for the board's device), the exit status, patterns for the
// output and the errors, the bytes the board received and the start of the upload stream it
// took in. Results alone go to the output, progress and messages to the errors.
struct Cas {
    const char *panne, *arguments;
    int statut;
    const char *sortie, *erreurs;
    QByteArray recus = {}, flux = {};
};

} // namespace

Q_DECLARE_METATYPE(Cas)

class TestLigneCommande : public QObject {
    Q_OBJECT

private slots:
    void commande_data() {
        QTest::addColumn<Cas>("cas");
        const QByteArray muette = "??" + QByteArray(32, '*') + "??"; // sent to a silent board
        const Cas lignes[] = {
            {"", "identify --port DEV", 0, "^LT840:V1.02\n$", "^$"},
            {"",
             "program seq%2.DAT --port DEV --base 0.05",
             0,
             "^3 enregistrements programmés, base 0.05, carte LT840:V1.02\n$",
             "^bloc 1/2\nbloc 2/2\n$",
             {},
             QByteArray::fromHex("a50601fe027d05fb")},
            {"", "reset --port DEV", 0, "^carte LT840:V1.02 réinitialisée\n$", "^$", "???R"},
            {"-", "check seq%2.DAT", 0,
             "^seq%2\\.DAT : 3 enregistrements, un tour dure 0.08 s à la base 0.01\n$", "^$"},
            {"silent", "identify --trace --port DEV", 4, "^$",
             "✗  identification : pas de réponse\n.*lt840-cli: DEFAUT DE DIALOGUE\n$", muette},
            {"silent", "program seq%2.DAT --port DEV", 4, "^$", "^lt840-cli: DEFAUT DE DIALOGUE\n$",
             muette},
            {"wrongack", "program seq%2.DAT --port DEV", 4, "", "DEFAUT DE DIALOGUE\n$"},
            {"-", "program nulle-part.dat --port DEV", 2, "^$",
             "^lt840-cli: nulle-part\\.dat : Fichier non disponible ! \n$"},
            {"-", "check bad.dat", 2, "^$", "^lt840-cli: bad\\.dat : Fichier non compatible\\.\n$"},
            {"-", "reset --port /dev/lt840-absent", 3, "^$",
             "^lt840-cli: /dev/lt840-absent: n'est pas disponible\\. Changez dans la propriété "
             "Option pour un autre port\\.\n$"},
            {"-", "check seq%2.DAT --base 0.03", 1, "^$", "base de temps inconnue : 0.03"},
            {"-", "--help", 0, // no English heading or description, whatever Qt translates
             "^(?!.*(Usage:|Options:|Arguments:|Displays))Utilisation : .*-h, --help +Affiche.*"
             "-v, --version +Affiche.*--port <PÉRIPHÉRIQUE> +Le port",
             "^$"}};
        for (const Cas& c : lignes)
            QTest::addRow("%s %s", c.panne, c.arguments) << c;
    }
    void commande() {
        QFETCH(Cas, cas);
        QTemporaryDir dossier;
        const QString seq = dossier.filePath("seq%2.DAT");
        const QString bad = dossier.filePath("bad.dat");
        for (const auto& [chemin, octets] :
             {std::pair{seq, QByteArray("LT840\r\n 3 \r\n100000001\r\n210000010\r\n300000100\r\n")},
              std::pair{bad, QByteArray("pas une séquence\r\n")}}) {
            QFile f(chemin);
            QVERIFY(f.open(QIODevice::WriteOnly) && f.write(octets) == octets.size());
        }
        CarteVirtuelle carte;
        QString dev = "/dev/lt840-absent";
        if (QString(cas.panne) != "-") {
            QCOMPARE(carte.demarrer(*cas.panne ? QStringList{"--fault", cas.panne} : QStringList{}),
                     QString());
            dev = qEnvironmentVariable("LT840_COM1");
        }
        QProcess cli;
        QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
        env.insert("XDG_CONFIG_HOME", dossier.filePath("config")); // never the user's settings
        env.remove("LT840_PORT");
        env.insert("LC_ALL", "C.UTF-8");
        cli.setProcessEnvironment(env);
        cli.setWorkingDirectory(dossier.path());
        cli.start(LT840_CLI_EXE,
                  QString(cas.arguments).replace("DEV", dev).split(' ', Qt::SkipEmptyParts));
        QVERIFY(cli.waitForFinished(60000));
        const QString out = QString::fromUtf8(cli.readAllStandardOutput());
        const QString err = QString::fromUtf8(cli.readAllStandardError());
        QVERIFY2(cli.exitStatus() == QProcess::NormalExit && cli.exitCode() == cas.statut,
                 qPrintable(QString::number(cli.exitCode()) + "\n" + err));
        const auto correspond = [](const char* motif, const QString& texte) {
            return QRegularExpression(motif, QRegularExpression::DotMatchesEverythingOption)
                .match(texte)
                .hasMatch();
        };
        QVERIFY2(correspond(cas.sortie, out), qPrintable(out));
        QVERIFY2(correspond(cas.erreurs, err), qPrintable(err));
        if (!cas.recus.isEmpty())
            QVERIFY2(carte.attendreFinRecus(cas.recus, 10000), carte.recus().toHex().constData());
        QCOMPARE(carte.fluxRecu().left(cas.flux.size()), cas.flux);
    }
};

QTEST_GUILESS_MAIN(TestLigneCommande)
#include "tst_lignecommande.moc"
