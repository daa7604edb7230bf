#include "window/FiltresFichiers.h"
#include "window/MessageBoxQt.h"
#include "window/MinuterieQt.h"

#include <QApplication>
#include <QMessageBox>
#include <QPushButton>
#include <QThread>
#include <QTimer>
#include <QtTest>

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
        MinuterieQt m([&] { ++ticks; });
        auto* t = m.findChild<QTimer*>();
        m.configurer(200, true);
        QThread::msleep(100);
        m.configurer(200, true);
        QVERIFY2(t->remainingTime() <= 150, qPrintable(QString::number(t->remainingTime())));
        QTRY_VERIFY(ticks > 0);
        m.configurer(0, true);
        QVERIFY(!t->isActive());
    }
};

QTEST_MAIN(TstPlateformeQt)
#include "tst_plateformeqt.moc"
