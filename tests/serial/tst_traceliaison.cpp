#include "Banc.h"
#include "serial/TraceLiaison.h"

#include <QTest>

// The trace of the exchanges, in front of a scripted board on a fake clock, so that every
// line, times included, is known in advance.
class TestTraceLiaison : public QObject {
    Q_OBJECT

private slots:
    void trace_data() {
        QTest::addColumn<int>("carte");
        QTest::addColumn<QStringList>("attendues"); // every line, or only the failures
        const QString id = QStringLiteral("4c 54 38 34 30 3a 56 31 2e 30 32 20  |LT840:V1.02 |");
        QTest::newRow("identification answered")
            << int(Saine)
            << QStringList{"     0 ms  ·  ouverture de COM1 (/dev/ttyS0)",
                           "     0 ms  →  identification     1 octet   3f  |?|",
                           "     5 ms  ←  identification    12 octets  " + id};
        // Each sending waits until the whole second after the next one: the sendings end on
        // whole seconds of the fake clock.
        QTest::newRow("silent board: each sending, then the query, then the box")
            << int(Muette)
            << QStringList{"  1000 ms  ✗  identification : pas de réponse, second envoi",
                           "  2000 ms  ✗  identification : pas de réponse",
                           "  3000 ms  ✗  identification : pas de réponse, second envoi",
                           "  4000 ms  ✗  identification : pas de réponse",
                           "  4000 ms  ✗  identification : DEFAUT DE DIALOGUE"};
        QTest::newRow("second P unanswered names its block")
            << int(SecondPMuet)
            << QStringList{"  1000 ms  ✗  P (bloc 2) : pas de réponse, second envoi",
                           "  2000 ms  ✗  P (bloc 2) : pas de réponse",
                           "  2000 ms  ✗  P (bloc 2) : DEFAUT DE DIALOGUE  Vérifiez le cordon"};
    }
    void trace() {
        QFETCH(int, carte);
        QFETCH(QStringList, attendues);
        Banc banc(Banc::CarteScriptee, false);
        qputenv("LT840_COM1", "/dev/ttyS0");
        QStringList lignes;
        TraceLiaison trace(banc.port, banc.horloge,
                           [&lignes](const QString& l) { lignes.append(l); });
        MessagesTraces messages(banc.messages);
        messages.suivre(&trace);
        Plateforme p = banc.plateforme();
        LT840 ed({messages, p.fichiers, p.minuterie, p.horloge, p.evenements, trace, p.dossiers,
                  p.pressePapiers});
        ed.Form_Load();
        scripter(banc.port, Carte(carte));
        if (carte == SecondPMuet) {
            for (int r = 0; r < 20; ++r)
                ed.TabTrames[r][LigneCode] = 1;
            ed.setText3(QStringLiteral("20"));
            ed.transmet_Click();
        } else {
            ed.DemandeVersionCarte();
        }
        qunsetenv("LT840_COM1");
        if (carte != Saine)
            lignes = lignes.filter(QStringLiteral("✗"));
        QCOMPARE(lignes, attendues);
    }

private:
    enum Carte { Saine, Muette, SecondPMuet };
    static void scripter(FakeSerialPort& port, Carte carte) {
        if (carte == Muette)
            return;
        port.repondre("?", IdentificationCarte);
        if (carte == SecondPMuet) {
            port.repondre("P", "B", 1);
            port.quand("P", {});
            port.repondre({}, "?");
        }
    }
};

QTEST_GUILESS_MAIN(TestTraceLiaison)
#include "tst_traceliaison.moc"
