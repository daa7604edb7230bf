#include "window/FileDialogQt.h"
#include "window/FiltresFichiers.h"
#include "window/MessageBoxQt.h"
#include "window/MinuterieQt.h"

#include <QApplication>
#include <QFileDialog>
#include <QMessageBox>
#include <QPushButton>
#include <QTemporaryDir>
#include <QThread>
#include <QTimer>
#include <QtTest>
#include <functional>

namespace {

// Runs `action` on the modal dialog once it is open.
template <class D> void quandOuvert(std::function<void(D*)> action) {
    QTimer::singleShot(0, [action] {
        auto* d = qobject_cast<D*>(QApplication::activeModalWidget());
        QVERIFY(d);
        action(d);
    });
}

} // namespace

class TstPlateformeQt : public QObject {
    Q_OBJECT
private slots:
    void filtres_data() {
        QTest::addColumn<QString>("filtre");
        QTest::addColumn<QStringList>("attendu");
        QTest::newRow("liste de l'editeur")
            << "Tous les fichiers (*.dat)|*.dat|Fichiers texte(*.txt)|*.txt|Tous les Fichiers "
               "(*.*)|*.*|"
            << QStringList{"Tous les fichiers (*.dat)", "Fichiers texte (*.txt)",
                           "Tous les Fichiers (*)"};
        QTest::newRow("libelle sans motif")
            << "Sequences|*.dat" << QStringList{"Sequences (*.dat)"};
        QTest::newRow("plusieurs motifs")
            << "Donnees|*.dat;*.txt" << QStringList{"Donnees (*.dat *.txt)"};
        QTest::newRow("libelle vide") << "|*.dat" << QStringList{"(*.dat)"};
        QTest::newRow("motif absent") << "Seul" << QStringList{};
        QTest::newRow("vide") << "" << QStringList{};
    }
    void filtres() {
        QFETCH(QString, filtre);
        QFETCH(QStringList, attendu);
        QCOMPARE(filtresQt(filtre), attendu);
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
        QTest::newRow("Echap sur OK") << Msg::OK << "" << int(QMessageBox::NoIcon) << Msg::RepOK;
    }
    void boiteDeMessage() {
        QFETCH(int, boutons);
        QFETCH(QString, clic);
        QFETCH(int, icone);
        QFETCH(int, reponse);
        MessageBoxQt boites;
        QString titre;
        QString texte;
        int iconeVue = -1;
        quandOuvert<QMessageBox>([&](QMessageBox* b) {
            titre = b->windowTitle();
            texte = b->text();
            iconeVue = b->icon();
            QPushButton* cible = nullptr;
            for (QAbstractButton* bouton : b->buttons())
                if (bouton->text() == clic)
                    cible = qobject_cast<QPushButton*>(bouton);
            if (cible)
                cible->click();
            else
                QTest::keyClick(b, Qt::Key_Escape);
        });
        QCOMPARE(boites.afficher(QStringLiteral("Question ?"), boutons, QStringLiteral("* T *")),
                 reponse);
        QCOMPARE(titre, QStringLiteral("* T *"));
        QCOMPARE(texte, QStringLiteral("Question ?"));
        QCOMPARE(iconeVue, icone);
    }

    void dialogueDeFichiers_data() {
        QTest::addColumn<bool>("enregistrement");
        QTest::addColumn<QString>("choix"); // "" cancels
        QTest::addColumn<QString>("attendu");
        QTest::newRow("ouvrir") << false << "a.dat"
                                << "a.dat";
        QTest::newRow("enregistrer sans extension") << true << "essai"
                                                    << "essai.dat";
        QTest::newRow("annuler") << false << ""
                                 << "";
    }
    void dialogueDeFichiers() {
        QFETCH(bool, enregistrement);
        QFETCH(QString, choix);
        QFETCH(QString, attendu);
        QTemporaryDir dossier;
        QFile(dossier.filePath(QStringLiteral("a.dat"))).open(QIODevice::WriteOnly);
        FileDialogQt dialogues;
        const ParametresDialogue p{QStringLiteral("Titre"),
                                   QStringLiteral("Seq (*.dat)|*.dat|Tout|*.*"), dossier.path(),
                                   QStringLiteral(".dat"), QString()};
        quandOuvert<QFileDialog>([&](QFileDialog* d) {
            QCOMPARE(d->windowTitle(), QStringLiteral("Titre"));
            QCOMPARE(d->nameFilters(), (QStringList{"Seq (*.dat)", "Tout (*)"}));
            QCOMPARE(d->directory().absolutePath(), QDir(dossier.path()).absolutePath());
            QCOMPARE(d->acceptMode() == QFileDialog::AcceptSave, enregistrement);
            d->selectFile(choix);
            if (choix.isEmpty())
                d->reject();
            else
                static_cast<QDialog*>(d)->accept(); // as its Open or Save button does
        });
        const QString chemin = enregistrement ? dialogues.enregistrer(p) : dialogues.ouvrir(p);
        QCOMPARE(chemin, attendu.isEmpty() ? QString() : dossier.filePath(attendu));
    }

    void minuterie_data() {
        QTest::addColumn<int>("intervalle");
        QTest::addColumn<bool>("actif");
        QTest::addColumn<bool>("tourne");
        QTest::newRow("active") << 20 << true << true;
        QTest::newRow("intervalle nul") << 0 << true << false;
        QTest::newRow("intervalle negatif") << -5 << true << false;
        QTest::newRow("arretee") << 20 << false << false;
    }
    void minuterie() {
        QFETCH(int, intervalle);
        QFETCH(bool, actif);
        QFETCH(bool, tourne);
        int ticks = 0;
        MinuterieQt m([&] { ++ticks; });
        m.configurer(intervalle, actif);
        auto* t = m.findChild<QTimer*>();
        QCOMPARE(t->isActive(), tourne);
        QCOMPARE(t->timerType(), Qt::PreciseTimer);
        QTest::qWait(120);
        QCOMPARE(ticks > 0, tourne);
    }

    // The same settings again must not put off the next tick.
    void memesReglagesNeRelancentPas() {
        MinuterieQt m([] {});
        m.configurer(1000, true);
        auto* t = m.findChild<QTimer*>();
        QThread::msleep(100);
        m.configurer(1000, true);
        QVERIFY2(t->remainingTime() <= 920, qPrintable(QString::number(t->remainingTime())));
        m.configurer(500, true);
        QCOMPARE(t->interval(), 500);
        QVERIFY(t->isActive());
        m.configurer(500, false);
        QVERIFY(!t->isActive());
    }
};

QTEST_MAIN(TstPlateformeQt)
#include "tst_plateformeqt.moc"
