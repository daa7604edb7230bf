#include "Banc.h"
#include "OutilsStockage.h"

#include <QtTest>

namespace {

QString cfgProgramme(Banc& b) {
    return chemin(b.dossiers.programme.path(), "lt840.cfg");
}
QString cfgSecours(Banc& b) {
    return chemin(b.dossiers.configuration.path(), "lt840.cfg");
}

// Makes a folder unable to hold the file: a directory stands in its place.
void bloquer(const QString& cfg) {
    QVERIFY(QDir().mkpath(cfg));
}

QList<bool> marques(const LT840& ed) {
    return QList<bool>(ed.Ctl.COM.begin(), ed.Ctl.COM.end());
}

} // namespace

class TstConfiguration : public QObject {
    Q_OBJECT
private slots:
    void premierDemarrage() {
        Banc b;
        QCOMPARE(contenu(cfgProgramme(b)), QByteArray(" 0 \r\n*.dat\r\n"));
        QCOMPARE(b->PortCom, qint16(0));
        QCOMPARE(marques(*b), (QList<bool>{true, false, false, false}));
        QVERIFY(b.messages.affichees.isEmpty());
    }

    void lecture_data() {
        QTest::addColumn<QByteArray>("avant");
        QTest::addColumn<int>("port");
        QTest::addColumn<QString>("texte");
        QTest::addColumn<QByteArray>("apres");
        QTest::addColumn<QList<bool>>("marques");
        const QByteArray autre = " 3 \r\nautre texte\r\n";
        QTest::newRow("COM4 et autre texte")
            << autre << 3 << "autre texte" << autre << QList<bool>{false, false, false, true};
        QTest::newRow("une seule ligne")
            << QByteArray(" 2 \r\n") << 2 << "*.dat" << QByteArray(" 2 \r\n*.dat\r\n")
            << QList<bool>{false, false, true, false};
        QTest::newRow("vide") << QByteArray() << 1 << "*.dat" << QByteArray(" 1 \r\n*.dat\r\n")
                              << QList<bool>{false, true, false, false};
        QTest::newRow("hors 16 bits")
            << QByteArray("70000\r\nx\r\n") << 1 << "*.dat" << QByteArray(" 1 \r\n*.dat\r\n")
            << QList<bool>{false, true, false, false};
        QTest::newRow("port hors menu")
            << QByteArray(" 7 \r\nx\r\n") << 7 << "x" << QByteArray(" 7 \r\nx\r\n")
            << QList<bool>{false, false, false, false};
    }
    // PortCom holds 1 before the file is read: a failed reading writes back what it holds.
    void lecture() {
        QFETCH(QByteArray, avant);
        QFETCH(int, port);
        QFETCH(QString, texte);
        QFETCH(QByteArray, apres);
        QFETCH(QList<bool>, marques);
        Banc b(nullptr, false);
        QVERIFY(deposer(cfgProgramme(b), avant));
        b->PortCom = 1;
        b->LitCfg();
        QCOMPARE(b->PortCom, qint16(port));
        QCOMPARE(b->TexteCfg, texte);
        QCOMPARE(contenu(cfgProgramme(b)), apres);
        QCOMPARE(::marques(*b), marques);
        QVERIFY(!QFile::exists(cfgSecours(b)));
    }

    void texteRecopie() {
        Banc b(nullptr, false);
        QVERIFY(deposer(cfgProgramme(b), " 3 \r\nautre texte\r\n"));
        b->LitCfg();
        b->PortCom = 1;
        b->SauveCfg();
        QCOMPARE(contenu(cfgProgramme(b)), QByteArray(" 1 \r\nautre texte\r\n"));
    }

    // The user's folder takes over, and keeps the port from one run to the next.
    void dossierProgrammeBloque() {
        Banc b(nullptr, false);
        bloquer(cfgProgramme(b));
        b->LitCfg();
        QVERIFY(b->CfgSecours);
        QCOMPARE(contenu(cfgSecours(b)), QByteArray(" 0 \r\n*.dat\r\n"));
        b->PortCom = 2;
        b->SauveCfg();
        QCOMPARE(contenu(cfgSecours(b)), QByteArray(" 2 \r\n*.dat\r\n"));
        LT840 suivant(b.plateforme());
        suivant.LitCfg();
        QCOMPARE(suivant.PortCom, qint16(2));
        QCOMPARE(marques(suivant), (QList<bool>{false, false, true, false}));
        QVERIFY(b.messages.affichees.isEmpty());
    }

    // A port choice that cannot be written in the program's folder goes to the user's.
    void ecritureDeplacee() {
        Banc b;
        QVERIFY(QFile::remove(cfgProgramme(b)));
        bloquer(cfgProgramme(b));
        b->PortCom = 3;
        b->SauveCfg();
        QCOMPARE(contenu(cfgSecours(b)), QByteArray(" 3 \r\n*.dat\r\n"));
    }

    void aucunDossier() {
        Banc b(nullptr, false);
        bloquer(cfgProgramme(b));
        bloquer(cfgSecours(b));
        b->PortCom = 2;
        b->TexteCfg = QStringLiteral("x");
        b->Form_Load();
        QCOMPARE(b->PortCom, qint16(2));
        QCOMPARE(b->TexteCfg, QStringLiteral("*.dat"));
        QCOMPARE(marques(*b), (QList<bool>{false, false, true, false}));
        QVERIFY(b.messages.affichees.isEmpty());
        b->SauveCfg(); // still nowhere to write: nothing happens
        QVERIFY(QFileInfo(cfgSecours(b)).isDir());
    }
};

QTEST_GUILESS_MAIN(TstConfiguration)
#include "tst_configuration.moc"
