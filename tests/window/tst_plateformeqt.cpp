#include "UtilisateurOrdinaire.h"
#include "editor/Plateforme.h"
#include "serial/UserSettings.h"
#include "storage/FichierDisque.h"
#include "window/FileDialogQt.h"
#include "window/MessageBoxQt.h"
#include "window/ProgramFolderQt.h"
#include "window/TimerQt.h"

#include <QApplication>
#include <QFileDialog>
#include <QLineEdit>
#include <QMessageBox>
#include <QPushButton>
#include <QTimer>
#include <QtTest>
#include <optional>

class TstPlateformeQt : public QObject {
    Q_OBJECT
    QTemporaryDir m_config; // ~/.config for the run, before Qt settles the settings' folder

private slots:
    void initTestCase() {
        qputenv("XDG_CONFIG_HOME", QFile::encodeName(m_config.path()));
        QCOMPARE(userSettings().fileName(), m_config.filePath("lt840/lt840.conf"));
    }

    // A name typed into the real dialog, or Escape: the dialog starts in the folder given,
    // shows the filters (several patterns under no label; a label whose pattern is missing
    // dropped rather than read past the end), adds the default extension to a bare name.
    void dialogueDeFichiers_data() {
        QTest::addColumn<bool>("ouverture");
        QTest::addColumn<QString>("tape"); // "": Escape
        QTest::addColumn<QString>("choisi");
        QTest::newRow("sauver seq") << false << "seq"
                                    << "seq.dat";
        QTest::newRow("annule") << false << ""
                                << "";
        QTest::newRow("ouvrir ld") << true << "ld"
                                   << "ld.dat";
    }
    void dialogueDeFichiers() {
        QFETCH(bool, ouverture);
        QFETCH(QString, tape);
        QTemporaryDir dossier;
        QFile existant(dossier.filePath("ld.dat"));
        QVERIFY(existant.open(QIODevice::WriteOnly));
        QString vu;
        QObject garde;
        QTimer::singleShot(0, &garde, [&] {
            auto* d = qobject_cast<QFileDialog*>(QApplication::activeModalWidget());
            QVERIFY(d);
            vu = d->directory().path() + u'|' + d->nameFilters().join(u';');
            auto* nom = d->findChild<QLineEdit*>(QStringLiteral("fileNameEdit"));
            QTest::keyClicks(nom, tape);
            QTest::keyClick(nom, tape.isEmpty() ? Qt::Key_Escape : Qt::Key_Return);
        });
        // A dialog that refused the name would wait for the user: close it rather than hang.
        QTimer::singleShot(5000, &garde, [] {
            while (QWidget* m = QApplication::activeModalWidget())
                m->close();
        });
        const ParametresDialogue p{"T",
                                   "Tous les fichiers (*.dat)|*.dat|Fichiers "
                                   "texte(*.txt)|*.txt|Tous (*.*)|*.*||*.a;*.b|Seul",
                                   dossier.path(), "*.dat", ""};
        const QString choisi = ouverture ? FileDialogQt().ouvrir(p) : FileDialogQt().sauvegarder(p);
        QCOMPARE(vu, dossier.path() +
                         "|Tous les fichiers (*.dat);Fichiers texte (*.txt);Tous (*);(*.a *.b)");
        QTEST(QFileInfo(choisi).fileName(), "choisi");
    }

    // Each box as "title|text|icon|answer": buttons, icon and the button pressed ("" for
    // Escape, which answers neither Yes nor No); a form feed breaks the line.
    void boiteDeMessage() {
        const std::tuple<int, const char*> cas[] = {{Msg::OK | Msg::Critique, "OK"},
                                                    {Msg::OuiNon | Msg::Question, "Oui"},
                                                    {Msg::OuiNon, "Non"},
                                                    {Msg::OuiNon | Msg::Information, ""}};
        QStringList vus;
        for (const auto& [boutons, clic] : cas) {
            QTimer::singleShot(0, [&, clic = QString::fromLatin1(clic)] {
                auto* b = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
                vus << b->windowTitle() + u'|' + b->text() + u'|' + QString::number(b->icon());
                for (QAbstractButton* bouton : b->buttons())
                    if (bouton->text() == clic)
                        return bouton->click();
                QTest::keyClick(b, Qt::Key_Escape);
            });
            const int reponse = MessageBoxQt().afficher(QStringLiteral("Q\f?"), boutons, "T");
            vus.last() += u'|' + QString::number(reponse);
        }
        QCOMPARE(vus, (QStringList{"T|Q\n?|3|1", "T|Q\n?|4|6", "T|Q\n?|0|7", "T|Q\n?|1|2"}));
    }

    // Whether the editor runs installed or from its build folder decides where its
    // configuration file and its file dialogs go. Each case: the program's folder in a
    // scratch tree, a desktop entry placed in the tree or "", the folder read-only.
    void installe() {
        const std::tuple<const char*, const char*, bool> cas[] = {
            {"build/src", "build/packaging/" LT840_APP_ID ".desktop", false},
            {"usr/bin", "usr/share/applications/" LT840_APP_ID ".desktop", false},
            {"opt/lt840", "", true}};
        QStringList vus;
        for (const auto& [programme, entree, lectureSeule] : cas) {
            QTemporaryDir arbre;
            const QDir racine(arbre.path());
            const QString dossier = racine.filePath(programme);
            QFile fichier(racine.filePath(entree));
            QVERIFY(racine.mkpath(programme) && racine.mkpath(QFileInfo(fichier).path()));
            QVERIFY(!*entree || fichier.open(QIODevice::WriteOnly));
            std::optional<UtilisateurOrdinaire> utilisateur;
            if (lectureSeule) {
                utilisateur.emplace(
                    QList<std::pair<QString, mode_t>>{{arbre.path(), 0755}, {dossier, 0555}});
                QVERIFY(utilisateur->pret());
            }
            vus << programme + QStringLiteral("=%1").arg(ProgramFolderQt::installe(dossier));
        }
        QCOMPARE(vus.join(u' '), u"build/src=0 usr/bin=1 opt/lt840=1");
    }

    void intervalleNulArreteLaMinuterie() {
        TimerQt t({});
        t.configurer(40, true);
        t.configurer(0, true);
        QVERIFY(!t.findChild<QTimer*>()->isActive());
    }

    // A build keeps lt840.cfg beside itself, its dialogs start there; the user's folder is the
    // settings' one. An lt840.cfg left in the earlier installations' folder comes over once,
    // bytes unchanged, and that folder goes; from then on the file already there wins.
    void dossiers() {
        QCOMPARE(ProgramFolderQt().dossierProgramme() + ProgramFolderQt::documentsSiInstalle(),
                 QCoreApplication::applicationDirPath());
        const QDir config(m_config.path());
        const QString ancien = config.filePath("LT840/lt840.cfg");
        QVERIFY(config.mkpath("LT840") && ecrireFichier(ancien, "3\r\n*.dat\r\n"));
        QCOMPARE(ProgramFolderQt().dossierConfiguration(), config.filePath("lt840"));
        QVERIFY(!config.exists("LT840") && config.mkpath("LT840") &&
                ecrireFichier(ancien, "1\r\n"));
        const QString cfg = ProgramFolderQt().dossierConfiguration() + "/lt840.cfg";
        QCOMPARE(lireFichier(cfg, 99).value_or(""), "3\r\n*.dat\r\n");
        QVERIFY(QFileInfo::exists(ancien));
    }
};

QTEST_MAIN(TstPlateformeQt)
#include "tst_plateformeqt.moc"
