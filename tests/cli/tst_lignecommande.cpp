#include "CarteVirtuelle.h"

#include <QProcess>
#include <QRegularExpression>
#include <QTemporaryDir>
#include <QTest>

namespace {

// A run of lt840-cli: the virtual board's fault ("-": no board), the arguments (DEV for the
// board's device, SEQ for a sequence of three records with codes 1, 2 and 3, BAD for a file
// that is not one), the exit status, patterns for the output and the errors, the bytes the
// board received and the start of the upload stream it took in.
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
             "program SEQ --port DEV --base 0.05",
             0,
             "^bloc 1/2\nbloc 2/2\n3 enregistrements programmés, base 0.05, carte LT840:V1.02\n$",
             "^$",
             {},
             QByteArray::fromHex("a50601fe027d05fb")},
            {"", "reset --port DEV", 0, "^carte LT840:V1.02 réinitialisée\n$", "^$", "???R"},
            {"-", "check SEQ", 0, "^SEQ : 3 enregistrements, un tour dure 0.08 s à la base 0.01\n$",
             "^$"},
            {"silent", "identify --trace --port DEV", 4, "^$",
             "✗  identification : pas de réponse\n.*lt840-cli: DEFAUT DE DIALOGUE\n$", muette},
            {"silent", "program SEQ --port DEV", 4, "^$", "^lt840-cli: DEFAUT DE DIALOGUE\n$",
             muette},
            {"wrongack", "program SEQ --port DEV", 4, "", "DEFAUT DE DIALOGUE\n$"},
            {"-", "program nulle-part.dat --port DEV", 2, "^$",
             "^lt840-cli: Fichier non disponible ! \n$"},
            {"-", "check BAD", 2, "^$", "^lt840-cli: Fichier non compatible\\.\n$"},
            {"-", "reset --port /dev/lt840-absent", 3, "^$",
             "^lt840-cli: /dev/lt840-absent: n'est pas disponible\\. Changez dans la propriété "
             "Option pour un autre port\\.\n$"},
            {"-", "check SEQ --base 0.03", 1, "^$", "base de temps inconnue : 0.03"}};
        for (const Cas& c : lignes)
            QTest::addRow("%s %s", c.panne, c.arguments) << c;
    }
    void commande() {
        QFETCH(Cas, cas);
        QTemporaryDir dossier;
        const QString seq = dossier.filePath("seq.DAT"); // opened as named, no ".dat" added
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
        cli.start(LT840_CLI_EXE, QString(cas.arguments)
                                     .replace("DEV", dev)
                                     .replace("SEQ", seq)
                                     .replace("BAD", bad)
                                     .split(' ', Qt::SkipEmptyParts));
        QVERIFY(cli.waitForFinished(60000));
        const QString out = QString::fromUtf8(cli.readAllStandardOutput());
        const QString err = QString::fromUtf8(cli.readAllStandardError());
        QVERIFY2(cli.exitStatus() == QProcess::NormalExit && cli.exitCode() == cas.statut,
                 qPrintable(QString::number(cli.exitCode()) + "\n" + err));
        const auto correspond = [](const QString& motif, const QString& texte) {
            return QRegularExpression(motif, QRegularExpression::DotMatchesEverythingOption)
                .match(texte)
                .hasMatch();
        };
        QVERIFY2(
            correspond(QString(cas.sortie).replace("SEQ", QRegularExpression::escape(seq)), out),
            qPrintable(out));
        QVERIFY2(correspond(cas.erreurs, err), qPrintable(err));
        if (!cas.recus.isEmpty())
            QVERIFY2(carte.attendreFinRecus(cas.recus, 10000), carte.recus().toHex().constData());
        QCOMPARE(carte.fluxRecu().left(cas.flux.size()), cas.flux);
    }
};

QTEST_GUILESS_MAIN(TestLigneCommande)
#include "tst_lignecommande.moc"
