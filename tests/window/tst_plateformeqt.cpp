#include "Banc.h"
#include "UtilisateurOrdinaire.h"
#include "window/FileDialogQt.h"
#include "window/FiltresFichiers.h"
#include "window/MessageBoxQt.h"
#include "window/ProgramFolderQt.h"
#include "window/TimerQt.h"

#include <QApplication>
#include <QFileDialog>
#include <QLineEdit>
#include <QMessageBox>
#include <QPushButton>
#include <QThread>
#include <QTimer>
#include <QtTest>
#include <optional>

class TstPlateformeQt : public QObject {
    Q_OBJECT
private slots:
    // A label whose pattern is missing is dropped rather than read past the end.
    void filtres_data() {
        QTest::addColumn<QString>("filtre");
        QTest::addColumn<QStringList>("attendu");
        QTest::newRow("liste de l'editeur")
            << "Tous les fichiers (*.dat)|*.dat|Fichiers texte(*.txt)|*.txt|Tous (*.*)|*.*|"
            << QStringList{"Tous les fichiers (*.dat)", "Fichiers texte (*.txt)", "Tous (*)"};
        QTest::newRow("plusieurs motifs, libelle vide")
            << "|*.dat;*.txt" << QStringList{"(*.dat *.txt)"};
        QTest::newRow("motif absent") << "Seul" << QStringList{};
    }
    void filtres() {
        QFETCH(QString, filtre);
        QFETCH(QStringList, attendu);
        QCOMPARE(filtresQt(filtre), attendu);
    }

    // A name typed into the real dialog, or Escape: the dialog adds the default extension to
    // a name without one, and the editor adds ".dat" to any name that lacks it in that case.
    void nomTapeDansLeDialogue_data() {
        QTest::addColumn<bool>("ouverture");
        QTest::addColumn<QString>("tape");    // "": Escape
        QTest::addColumn<QString>("fichier"); // the one sequence file in the folder afterwards
        QTest::addColumn<QString>("boite");
        const QString sauvee = QStringLiteral(" Sauvegarde effectuée ");
        QTest::newRow("seq") << false << "seq"
                             << "seq.dat" << sauvee;
        QTest::newRow("a.DAT") << false << "a.DAT"
                               << "a.DAT.dat" << sauvee;
        QTest::newRow("a.data") << false << "a.data"
                                << "a.data" << sauvee;
        QTest::newRow("annule") << false << ""
                                << ""
                                << "Votre fichier n'a pas été sauvegarder.";
        QTest::newRow("ouvrir ld") << true << "ld"
                                   << "ld.dat"
                                   << "";
    }
    void nomTapeDansLeDialogue() {
        QFETCH(bool, ouverture);
        QFETCH(QString, tape);
        QFETCH(QString, fichier);
        QFETCH(QString, boite);
        Banc banc(Banc::SansCarte, false);
        FileDialogQt dialogueQt;
        LT840 ed({banc.messages, dialogueQt, banc.minuterie, banc.horloge, banc.evenements,
                  banc.port, banc.dossiers, banc.pressePapiers});
        ed.Form_Load();
        const QDir dossier(banc.dossiers.dossierProgramme());
        QFile f(dossier.filePath(fichier));
        QVERIFY(!ouverture || (f.open(QIODevice::WriteOnly) &&
                               f.write("LT840  V1.02\r\n 1 \r\n210000000\r\n100000000\r\n") > 0));
        f.close();
        QObject garde;
        QTimer::singleShot(0, &garde, [&] {
            auto* d = qobject_cast<QFileDialog*>(QApplication::activeModalWidget());
            QVERIFY(d);
            auto* nom = d->findChild<QLineEdit*>(QStringLiteral("fileNameEdit"));
            QVERIFY(nom);
            QTest::keyClicks(nom, tape);
            QTest::keyClick(nom, tape.isEmpty() ? Qt::Key_Escape : Qt::Key_Return);
        });
        // A dialog that refused the name would wait for the user: close it rather than hang.
        QTimer::singleShot(5000, &garde, [] {
            while (QWidget* m = QApplication::activeModalWidget())
                m->close();
        });
        if (ouverture)
            ed.Lecture_Click();
        else
            ed.Sauvegarder_Click();
        QStringList presents = dossier.entryList(QDir::Files);
        presents.removeOne(QStringLiteral("lt840.cfg"));
        QCOMPARE(presents, fichier.isEmpty() ? QStringList() : QStringList{fichier});
        QCOMPARE(QFileInfo(ed.NomFichier).fileName(), fichier);
        QCOMPARE(banc.messages.affichees.value(0).prompt, boite);
        QCOMPARE(ed.TabTrames[0][0], qint16(ouverture ? 1 : 0));
    }

    void boiteDeMessage_data() {
        QTest::addColumn<int>("boutons");
        QTest::addColumn<QString>("clic"); // text of the button to press, "" for Escape
        QTest::addColumn<int>("icone");
        QTest::addColumn<int>("reponse");
        QTest::newRow("OK") << Msg::OK << "OK" << int(QMessageBox::NoIcon) << Msg::RepOK;
        QTest::newRow("OK critique")
            << (Msg::OK | Msg::Critique) << "OK" << int(QMessageBox::Critical) << Msg::RepOK;
        QTest::newRow("Oui") << (Msg::OuiNon | Msg::Question) << "Oui" << int(QMessageBox::Question)
                             << Msg::RepOui;
        QTest::newRow("Non") << (Msg::OuiNon | Msg::Exclamation) << "Non"
                             << int(QMessageBox::Warning) << Msg::RepNon;
        QTest::newRow("Echap vaut Non") << (Msg::OuiNon | Msg::Information) << ""
                                        << int(QMessageBox::Information) << Msg::RepNon;
    }
    void boiteDeMessage() {
        QFETCH(int, boutons);
        QFETCH(QString, clic);
        QFETCH(int, icone);
        QFETCH(int, reponse);
        QString vu;
        QTimer::singleShot(0, [&] {
            auto* b = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
            vu = b->windowTitle() + u'|' + b->text() + u'|' + QString::number(b->icon());
            for (QAbstractButton* bouton : b->buttons())
                if (bouton->text() == clic)
                    return bouton->click();
            QTest::keyClick(b, Qt::Key_Escape);
        });
        QCOMPARE(
            MessageBoxQt().afficher(QStringLiteral("Question ?"), boutons, QStringLiteral("* T *")),
            reponse);
        QCOMPARE(vu, QStringLiteral("* T *|Question ?|%1").arg(icone));
    }

    // The same settings again must not put off the next tick; no interval stops the timer.
    void minuterie() {
        int ticks = 0;
        TimerQt m([&] { ++ticks; });
        auto* t = m.findChild<QTimer*>();
        m.configurer(200, true);
        QThread::msleep(100);
        m.configurer(200, true);
        QVERIFY2(t->remainingTime() <= 150, qPrintable(QString::number(t->remainingTime())));
        QTRY_VERIFY(ticks > 0);
        m.configurer(0, true);
        QVERIFY(!t->isActive());
    }

    // Whether the editor runs installed or from its build folder decides where its
    // configuration file and its file dialogs go.
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

QTEST_MAIN(TstPlateformeQt)
#include "tst_plateformeqt.moc"
