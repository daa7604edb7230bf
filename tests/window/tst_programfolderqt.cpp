#include "UtilisateurOrdinaire.h"
#include "window/ProgramFolderQt.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <QtTest>
#include <optional>

// Whether the editor runs from an installation or from its build folder decides where its
// configuration file and its file dialogs go.
class TstProgramFolderQt : public QObject {
    Q_OBJECT
private slots:
    void installe_data() {
        QTest::addColumn<QString>("programme"); // the program's folder, in a scratch tree
        QTest::addColumn<QString>("entree");    // a desktop entry placed in the tree, or ""
        QTest::addColumn<bool>("lectureSeule");
        QTest::addColumn<bool>("attendu");
        const QString entree = QStringLiteral("share/applications/" LT840_APP_ID ".desktop");
        QTest::newRow("construction")
            << "build/src"
            << "build/packaging/" LT840_APP_ID ".desktop" << false << false;
        QTest::newRow("prefixe systeme") << "usr/bin"
                                         << "usr/" + entree << false << true;
        QTest::newRow("prefixe utilisateur") << ".local/bin"
                                             << ".local/" + entree << false << true;
        QTest::newRow("entree d'un autre programme")
            << "usr/bin"
            << "usr/share/applications/autre.desktop" << false << false;
        QTest::newRow("dossier en lecture seule") << "opt/lt840"
                                                  << "" << true << true;
    }
    void installe() {
        QFETCH(QString, programme);
        QFETCH(QString, entree);
        QFETCH(bool, lectureSeule);
        QFETCH(bool, attendu);
        QTemporaryDir arbre;
        const QDir racine(arbre.path());
        QVERIFY(racine.mkpath(programme));
        if (!entree.isEmpty()) {
            QVERIFY(racine.mkpath(QFileInfo(entree).path()));
            QFile fichier(racine.filePath(entree));
            QVERIFY(fichier.open(QIODevice::WriteOnly));
        }
        const QString dossier = racine.filePath(programme);
        std::optional<UtilisateurOrdinaire> utilisateur;
        if (lectureSeule) {
            utilisateur.emplace(
                QList<std::pair<QString, mode_t>>{{arbre.path(), 0755}, {dossier, 0555}});
            QVERIFY(utilisateur->pret());
        }
        QCOMPARE(ProgramFolderQt::installe(dossier), attendu);
    }

    // A build keeps its configuration beside the program, and its dialogs start there too.
    void construction() {
        ProgramFolderQt dossiers;
        QCOMPARE(dossiers.dossierProgramme(), QCoreApplication::applicationDirPath());
        QCOMPARE(ProgramFolderQt::documentsSiInstalle(), QString());
    }
};

QTEST_GUILESS_MAIN(TstProgramFolderQt)
#include "tst_programfolderqt.moc"
