#include "CarteVirtuelle.h"

#include <QProcess>
#include <QRegularExpression>
#include <QTemporaryDir>
#include <QTest>

namespace {

// Three records with codes 1, 2 and 3: one block of data, then the end block.
const QByteArray Sequence = "LT840\r\n 3 \r\n100000001\r\n210000010\r\n300000100\r\n";

} // namespace

// Exit statuses and what lt840-cli prints, on a board that answers, one that stays silent,
// files that cannot be used and ports that are not there.
class TestLigneCommande : public QObject {
    Q_OBJECT

private slots:
    void commande_data() {
        QTest::addColumn<QString>("panne");     // of the virtual board; "-" for no board at all
        QTest::addColumn<QString>("arguments"); // DEV for the board's device, SEQ for a sequence
        QTest::addColumn<int>("statut");
        QTest::addColumn<QString>("sortie"); // patterns the output and the errors must match
        QTest::addColumn<QString>("erreurs");
        QTest::addColumn<QByteArray>("recus"); // by the board, when it is up
        QTest::addColumn<QByteArray>("flux");  // the start of the upload stream it took in

        const QByteArray id3 = "???";
        QTest::newRow("identify") << ""
                                  << "identify --port DEV" << 0 << "^LT840:V1.02\n$"
                                  << "^$" << QByteArray("?") << QByteArray();
        QTest::newRow("program, piped: one line per block, then the board reset")
            << ""
            << "program SEQ --port DEV --base 0.05" << 0
            << "^bloc 1/2\nbloc 2/2\n3 enregistrements programmés, base 0.05, carte LT840:V1.02\n$"
            << "^$" << QByteArray()
            << QByteArray::fromHex("a506"
                                   "01fe"
                                   "027d"
                                   "05fb");
        QTest::newRow("reset") << ""
                               << "reset --port DEV" << 0 << "^carte LT840:V1.02 réinitialisée\n$"
                               << "^$" << id3 + "R" << QByteArray();
        QTest::newRow("check needs no board")
            << "-"
            << "check SEQ" << 0 << "^SEQ : 3 enregistrements, un tour dure 0.08 s à la base 0.01\n$"
            << "^$" << QByteArray() << QByteArray();
        QTest::newRow("silent board: identify")
            << "silent"
            << "identify --port DEV" << 4 << "^$"
            << "^lt840-cli: DEFAUT DE DIALOGUE\n$" << QByteArray("??") + QByteArray(32, '*') + "??"
            << QByteArray();
        QTest::newRow("silent board: program stops before any block")
            << "silent"
            << "program SEQ --port DEV" << 4 << "^$"
            << "^lt840-cli: DEFAUT DE DIALOGUE\n$" << QByteArray("??") + QByteArray(32, '*') + "??"
            << QByteArray();
        QTest::newRow("silent board, traced: the failed exchange is named")
            << "silent"
            << "identify --trace --port DEV" << 4 << "^$"
            << "✗  identification : pas de réponse\n.*lt840-cli: DEFAUT DE DIALOGUE\n$"
            << QByteArray() << QByteArray();
        QTest::newRow("no reply to P") << "wrongack"
                                       << "program SEQ --port DEV" << 4 << ""
                                       << "DEFAUT DE DIALOGUE\n$" << QByteArray() << QByteArray();
        QTest::newRow("missing file")
            << "-"
            << "program nulle-part.dat --port DEV" << 2 << "^$"
            << "^lt840-cli: Fichier non disponible ! \n$" << QByteArray() << QByteArray();
        QTest::newRow("not a sequence")
            << "-"
            << "check BAD" << 2 << "^$"
            << "^lt840-cli: Fichier non compatible\\.\n$" << QByteArray() << QByteArray();
        QTest::newRow("port not there")
            << "-"
            << "reset --port /dev/lt840-absent" << 3 << "^$"
            << "^lt840-cli: /dev/lt840-absent: n'est pas disponible\\. Changez dans la propriété "
               "Option pour un autre port\\.\n$"
            << QByteArray() << QByteArray();
        QTest::newRow("no port given") << "-"
                                       << "identify" << 1 << "^$"
                                       << "aucun port" << QByteArray() << QByteArray();
        QTest::newRow("no command") << "-"
                                    << "" << 1 << "^$"
                                    << "aucune commande" << QByteArray() << QByteArray();
        QTest::newRow("unknown command") << "-"
                                         << "flash SEQ" << 1 << "^$"
                                         << "commande inconnue" << QByteArray() << QByteArray();
        QTest::newRow("check without its file")
            << "-"
            << "check" << 1 << "^$"
            << "check attend un fichier" << QByteArray() << QByteArray();
        QTest::newRow("a base not in the list")
            << "-"
            << "check SEQ --base 0.03" << 1 << "^$"
            << "base de temps inconnue : 0.03" << QByteArray() << QByteArray();
    }
    void commande() {
        QFETCH(QString, panne);
        QFETCH(QString, arguments);
        QFETCH(int, statut);
        QFETCH(QString, sortie);
        QFETCH(QString, erreurs);
        QFETCH(QByteArray, recus);
        QFETCH(QByteArray, flux);

        QTemporaryDir dossier;
        const QString seq = dossier.filePath("seq.DAT"); // opened as named, no ".dat" added
        const QString bad = dossier.filePath("bad.dat");
        ecrire(seq, Sequence);
        ecrire(bad, "pas une séquence\r\n");
        CarteVirtuelle carte;
        QString dev = "/dev/lt840-absent";
        if (panne != "-") {
            QCOMPARE(
                carte.demarrer(panne.isEmpty() ? QStringList{} : QStringList{"--fault", panne}),
                QString());
            dev = qEnvironmentVariable("LT840_COM1");
        }
        arguments.replace("DEV", dev).replace("SEQ", seq).replace("BAD", bad);

        QProcess cli;
        QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
        env.insert("XDG_CONFIG_HOME", dossier.filePath("config")); // never the user's settings
        env.remove("LT840_PORT");
        env.insert("LC_ALL", "C.UTF-8");
        cli.setProcessEnvironment(env);
        cli.start(LT840_CLI_EXE, arguments.split(' ', Qt::SkipEmptyParts));
        QVERIFY(cli.waitForFinished(60000));
        const QString out = QString::fromUtf8(cli.readAllStandardOutput());
        const QString err = QString::fromUtf8(cli.readAllStandardError());
        QVERIFY2(cli.exitStatus() == QProcess::NormalExit, qPrintable(err));
        QVERIFY2(cli.exitCode() == statut,
                 qPrintable(QString::number(cli.exitCode()) + "\n" + err));
        const QString sortieAttendue =
            QString(sortie).replace("SEQ", QRegularExpression::escape(seq));
        const auto correspond = [](const QString& motif, const QString& texte) {
            return QRegularExpression(motif, QRegularExpression::DotMatchesEverythingOption)
                .match(texte)
                .hasMatch();
        };
        QVERIFY2(correspond(sortieAttendue, out), qPrintable(out));
        QVERIFY2(correspond(erreurs, err), qPrintable(err));
        if (!recus.isEmpty())
            QVERIFY2(carte.attendreFinRecus(recus, 10000), carte.recus().toHex().constData());
        QCOMPARE(carte.fluxRecu().left(flux.size()), flux);
    }

private:
    static void ecrire(const QString& chemin, const QByteArray& octets) {
        QFile f(chemin);
        QVERIFY(f.open(QIODevice::WriteOnly));
        f.write(octets);
    }
};

QTEST_GUILESS_MAIN(TestLigneCommande)
#include "tst_lignecommande.moc"
