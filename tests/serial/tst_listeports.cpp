#include "serial/ListePorts.h"

#include <QTest>

Q_DECLARE_METATYPE(QList<InfoPort>)

namespace {

const InfoPort Usb{"ttyUSB0", "/dev/ttyUSB0", "USB-Serial Controller", 0x1a86, 0x7523};
const InfoPort Acm{"ttyACM0", "/dev/ttyACM0", "", 0x2341, {}};
const InfoPort S10{"ttyS10", "/dev/ttyS10", "", {}, {}};
const InfoPort S2{"ttyS2", "/dev/ttyS2", "", {}, {}};
const QString LibelleUsb = "ttyUSB0 — USB-Serial Controller (USB 1a86:7523) = /dev/ttyUSB0";

} // namespace

// The devices under COM 1..4 in "Port série", from what a fake enumerator reports, with the
// device in force.
class TestListePorts : public QObject {
    Q_OBJECT

private slots:
    void entrees_data() {
        QTest::addColumn<QList<InfoPort>>("infos");
        QTest::addColumn<QString>("choisi");
        QTest::addColumn<QStringList>("attendues");
        QTest::newRow("nothing plugged in") << QList<InfoPort>{} << "" << QStringList{};
        QTest::newRow("USB ids in hex, a missing product left out, natural order")
            << QList<InfoPort>{S10, Usb, S2, Acm} << ""
            << QStringList{"[ ] ttyACM0 (USB 2341) = /dev/ttyACM0", "[ ] ttyS2 = /dev/ttyS2",
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

QTEST_GUILESS_MAIN(TestListePorts)
#include "tst_listeports.moc"
