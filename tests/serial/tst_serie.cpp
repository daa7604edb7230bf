#include "Banc.h"
#include "serial/ListePorts.h"
#include "serial/TraceLiaison.h"

#include <QTest>

Q_DECLARE_METATYPE(QList<InfoPort>)

namespace {

const InfoPort Usb{"ttyUSB0", "/dev/ttyUSB0", "USB-Serial Controller", 0x1a86, {}};
const InfoPort Acm{"ttyACM0", "/dev/ttyACM0", "", 0x2341, 0x0043};
const InfoPort S10{"ttyS10", "/dev/ttyS10", "", {}, {}};
const InfoPort S2{"ttyS2", "/dev/ttyS2", "", {}, {}};
const QString LibelleUsb = "ttyUSB0 — USB-Serial Controller (USB 1a86) = /dev/ttyUSB0";

} // namespace

// The devices offered for the ports, and the trace of the exchanges in front of a scripted
// board on a fake clock, so that every line, times included, is known in advance.
class TestSerie : public QObject {
    Q_OBJECT

    enum Carte { Saine, Muette, SecondPMuet, DeuxCommandes };

private slots:
    // Every line when the board answers, else only the failures. Each sending waits until the
    // whole second after the next one: the sendings end on whole seconds of the fake clock.
    void trace_data() {
        QTest::addColumn<int>("carte");
        QTest::addColumn<QStringList>("attendues");
        const QString ouverture = QStringLiteral("     0 ms  ·  ouverture de COM1 (/dev/ttyS0)");
        QTest::newRow("identification answered")
            << int(Saine)
            << QStringList{ouverture, "     0 ms  →  identification     1 octet   3f  |?|",
                           "     5 ms  ←  identification    12 octets  4c 54 38 34 30 3a 56 31 "
                           "2e 30 32 20  |LT840:V1.02 |"};
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
        // The next command closes the port left open, counting from its start; a box of the
        // editor's own between the two is none of the line's failures.
        QTest::newRow("two commands")
            << int(DeuxCommandes) << QStringList{"     0 ms  ·  fermeture", ouverture};
    }
    void trace() {
        QFETCH(int, carte);
        Banc banc(Banc::CarteScriptee, false);
        qputenv("LT840_COM1", "/dev/ttyS0");
        QStringList lignes;
        TraceLiaison trace(
            banc.port, banc.horloge, [&lignes](const QString& l) { lignes << l; },
            TraceLiaison::Origine::ChaqueCommande);
        MessagesTraces messages(banc.messages);
        messages.suivre(&trace);
        Plateforme p = banc.plateforme();
        LT840 ed({messages, p.fichiers, p.minuterie, p.horloge, p.evenements, trace, p.dossiers,
                  p.pressePapiers});
        ed.Form_Load();
        if (carte != Muette)
            banc.port.repondre("?", IdentificationCarte);
        if (carte == SecondPMuet) {
            banc.port.repondre("P", "B", 1);
            banc.port.quand("P", {});
            banc.port.repondre({}, "?");
            for (int r = 0; r < 20; ++r)
                ed.TabTrames[r][LigneCode] = 1;
            ed.setText3(QStringLiteral("20"));
            ed.transmet_Click();
        } else if (carte == DeuxCommandes) {
            ed.TestCarte_Click();
            banc.horloge.avancer(5000);
            ed.MsgBox(QStringLiteral("Question ?"), Msg::OuiNon, Titre);
            ed.TestCarte_Click();
            lignes = lignes.mid(3, 2);
        } else {
            ed.DemandeVersionCarte();
        }
        qunsetenv("LT840_COM1");
        QTEST(carte == Saine || carte == DeuxCommandes ? lignes
                                                       : lignes.filter(QStringLiteral("✗")),
              "attendues");
    }

    // The devices under COM 1..4 in "Port série", from what a fake enumerator reports, with
    // the device in force.
    void entrees_data() {
        QTest::addColumn<QList<InfoPort>>("infos");
        QTest::addColumn<QString>("choisi");
        QTest::addColumn<QStringList>("attendues");
        QTest::newRow("USB ids in hex, zero-padded, a missing product left out, natural order")
            << QList<InfoPort>{S10, Usb, S2, Acm} << ""
            << QStringList{"[ ] ttyACM0 (USB 2341:0043) = /dev/ttyACM0", "[ ] ttyS2 = /dev/ttyS2",
                           "[ ] ttyS10 = /dev/ttyS10", "[ ] " + LibelleUsb};
        QTest::newRow("the device in force ticked, a device reported twice listed once")
            << QList<InfoPort>{Usb, S2, Usb} << "/dev/ttyUSB0"
            << QStringList{"[ ] ttyS2 = /dev/ttyS2", "[x] " + LibelleUsb};
        QTest::newRow("the device in force unplugged stays, ticked and marked absent")
            << QList<InfoPort>{S2} << "/dev/ttyUSB1"
            << QStringList{"[ ] ttyS2 = /dev/ttyS2", "[x] ttyUSB1 — absent = /dev/ttyUSB1"};
    }
    void entrees() {
        QFETCH(QList<InfoPort>, infos);
        QFETCH(QString, choisi);
        QStringList vues;
        for (const EntreePort& e : entreesPeripheriques(infos, choisi))
            vues << (e.coche ? "[x] " : "[ ] ") + e.libelle + " = " + e.peripherique;
        QTEST(vues, "attendues");
    }
};

QTEST_GUILESS_MAIN(TestSerie)
#include "tst_serie.moc"
