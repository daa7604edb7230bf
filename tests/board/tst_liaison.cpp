#include "Banc.h"
#include "board/NomPort.h"

#include <QFile>
#include <QScopeGuard>
#include <QTest>

#include <functional>

namespace {

const QByteArray Id = IdentificationCarte;
const QString Indisponible =
    QStringLiteral(": n'est pas disponible. Changez dans la propriété Option pour un autre port.");

template <typename T> QString liste(const T& elements) {
    QStringList l;
    for (const auto& e : elements)
        l << QVariant(e).toString();
    return l.join(u',');
}

// What the line and the user saw: the state and reply of the last exchange, every write (32
// equal bytes as "32*c"), every box as "buttons[@ for the serial line's title]:text", and what
// the buffer holds once every byte has come in.
QString rendu(Banc& b) {
    QStringList ecrits, boites;
    for (const QByteArray& e : b.port.ecrits)
        ecrits << QString::fromLatin1(e.size() == 32 && e.count(e[0]) == 32 ? "32*" + e.left(1)
                                                                            : e);
    for (const BoiteAffichee& m : b.messages.affichees)
        boites << QStringLiteral("%1%2:%3").arg(m.boutons).arg(
            m.titre == TitreApplication ? QStringLiteral("@")
            : m.titre == Titre          ? QString()
                                        : m.titre,
            QString(m.prompt).replace(Indisponible, "~"));
    b.horloge.monotone += 5000;
    return QStringLiteral("%1 '%2' %3 [%4] '%5' ")
        .arg(int(b->EtatCom))
        .arg(QString::fromLatin1(b->ReponseCarte), ecrits.join(u','), boites.join(u';'),
             QString::fromLatin1(b.port.lireTout()));
}

// The row's action returns what else it looked at.
struct Cas {
    const char* nom;
    std::function<QString(Banc&)> action;
    QString attendu;
};

// A board that leaves the first `silences` queries unanswered (-1: all), or a port that does
// not open; the bar's colour is yellow until the port opens and back to grey at the end.
QString reset(Banc& b, int silences, int erreur = 0, EtatEchange avant = EtatEchange::Aucun) {
    b.port.carteSaine().silence("?", silences);
    b.port.erreurOuverture = erreur;
    b->EtatCom = avant;
    Couleur pendant = 0;
    b.evenements.pendant = [&] {
        if (b.port.ouvertures.isEmpty())
            pendant = b->Ctl.VersionsBackColor;
    };
    b->CmdRST_Click();
    return pendant == CouleurFixe::Jaune && b->Ctl.VersionsBackColor == CouleurFixe::GrisClair
               ? "yellow, then grey"
               : "colours?";
}

// A device chosen by its name is opened by that name, and no COM is ticked meanwhile.
QString ouvertureRatee(Banc& b, qint16 portCom, const QString& peripherique) {
    b.port.erreurOuverture = 8005;
    b->PortCom = portCom;
    b->Peripherique_Click(peripherique);
    b->OuvreCom();
    return QStringLiteral("%1 o%2 %3")
        .arg(b->Ctl.COM[0] ? "COM1 ticked" : "none ticked")
        .arg(liste(b.port.ouvertures), b.port.peripheriques.join(u','));
}

// The board answers the first "?" with `reponse`, then falls silent: Versions keeps the last
// identification; the test window shows only a reply that carries it.
QString testCarte(Banc& b, const QByteArray& reponse) {
    b.port.repondre("?", reponse, 1);
    QString vu;
    for (int fois = 0; fois < 2; ++fois) {
        b->TestCarte_Click();
        vu += QStringLiteral("%1 %2 '%3' ")
                  .arg(b->Ctl.Versions)
                  .arg(b->Ctl.DialogVisible ? "shown" : "hidden")
                  .arg(b->Ctl.DialogVisible ? b->Ctl.DialogText1 : QString());
        b->OKButton_Click();
    }
    return vu;
}

} // namespace

class TestLiaison : public QObject {
    Q_OBJECT

private slots:
    void liaison_data() {
        QTest::addColumn<Cas>("cas");
        // Every wait is bound by the deadline; "xy" already waits.
        const auto echange = [](const QByteArray& message, int attendus, FakeSerialPort::Reaction r,
                                double heure = 36000.5) {
            return [=](Banc& b) {
                b.horloge.heure = heure;
                b.port.quand(message.left(32), r, 1);
                b.port.ouvrir(1);
                b.port.deposer("xy");
                b->TxRx(message, attendus);
                return 'w' + liste(b.port.attentes);
            };
        };
        const Cas cas[] = {
            {"Nbre 0: what waits already, without waiting", echange("?", 0, {{"B", 5}}),
             "1 'xy' ? [] 'B' w"},
            {"reply in two parts, then one byte too many",
             echange("?", 14, {{"LT8", 5}, {"40:V1.02 ", 900}, {"F", 950}}),
             "1 'xyLT840:V1.02 ' ? [] 'F' w1500,1495"},
            // A silent board: each sending waits for its deadline, the even second after the
            // next one, on the monotonic clock, also when the time of day wraps at midnight.
            {"silent, half past to the even second above", echange("?", 12, {}),
             "2 '' ?,? [] 'xy' w1500,1000"},
            {"silent, half past to the even second below", echange("?", 12, {}, 36001.5),
             "2 '' ?,? [] 'xy' w500,1000"},
            {"silent, 23:59:59.7", echange("?", 12, {}, 86399.7), "2 '' ?,? [] 'xy' w1300,1000"},
            {"40 characters: 32 sent", echange(QByteArray(32, 'a') + "bbbbbbbb", 0, {}),
             "1 'xy' 32*a [] '' w"},
            // A failed write is told and the exchange goes on; on a closed port an exchange
            // only tells, leaving the outcome of the last one.
            {"write error, then a closed port",
             [](Banc& b) {
                 b.port.repondre("?", Id);
                 b.port.erreursEcriture.enqueue(8005);
                 b.port.ouvrir(1);
                 b->TxRx("?", 12);
                 b.port.fermer();
                 b->TxRx("P", 1);
                 return 'w' + liste(b.port.attentes);
             },
             "1 'LT840:V1.02 ' ?,? [16@:ERREUR :8005;0:PORT de communication non disponible] '' "
             "w1000,1000"},
            // A port that does not open is told whatever number the configuration holds;
            // numbers the serial layer cannot take are not offered to it.
            {"COM0", [](Banc& b) { return ouvertureRatee(b, -1, ""); },
             "0 'avant'  [0@:COM0~] '' none ticked o "},
            {"COM32768", [](Banc& b) { return ouvertureRatee(b, 32767, ""); },
             "0 'avant'  [0@:COM32768~] '' none ticked o32768 "},
            {"device by name", [](Banc& b) { return ouvertureRatee(b, 0, "/dev/ttyUSB9"); },
             "0 'avant'  [0@:/dev/ttyUSB9~] '' none ticked o /dev/ttyUSB9"},
            {"only a text that starts with T has no critical icon",
             [](Banc& b) {
                 for (const char* texte : {"Transfert terminé", "terminé", " Terminé"})
                     b->AfficheMessage(QString::fromUtf8(texte));
                 return QString();
             },
             "0 'avant'  [0:Transfert terminé;16:terminé;16: Terminé] '' "},
            // The open port stays until the next board command, which empties what waits in
            // the new one before it queries the board. COM n leads to the device LT840_COMn
            // names.
            {"choosing a port",
             [](Banc& b) {
                 b.port.carteSaine();
                 b->DemandeVersionCarte();
                 b->COM_Click(2);
                 QFile cfg(b.dossiers.dossierProgramme() + QStringLiteral("/lt840.cfg"));
                 QString vu = cfg.open(QIODevice::ReadOnly) ? cfg.readAll() : "-";
                 for (bool coche : b->Ctl.COM)
                     vu += coche ? u'x' : u'-';
                 vu += b.port.estOuvert() ? " open " : " closed ";
                 b.port.deposer("restes");
                 b->DemandeVersionCarte();
                 qputenv("LT840_COM3", "/dev/ttyUSB0");
                 const auto nettoyage = qScopeGuard([] { qunsetenv("LT840_COM3"); });
                 return vu + liste(b.port.ouvertures) + ' ' + nomPeripherique(3);
             },
             "1 'LT840:V1.02 ' ?,? [] ''  2 \r\n*.dat\r\n--x- open 1,3 /dev/ttyUSB0"},
            {"test: 20 bytes, signature fifth",
             [](Banc& b) { return testCarte(b, "\xe9xyzLT840:V2.00 abc\xff"); },
             QString::fromLatin1("2 '' ?,?,?,32**,?,? [16:DEFAUT DE DIALOGUE] '' LT840:V2.00  "
                                 "shown ' Carte    \xe9xyzLT840:V2.00 abc\xff' LT840:V2.00  "
                                 "hidden '' ")},
            {"test: signature in lower case", [](Banc& b) { return testCarte(b, "lt840:V1.02 "); },
             "2 '' ?,?,?,32**,?,? [16:DEFAUT DE DIALOGUE] '' ? hidden '' ? hidden '' "},
            {"reset, answering board", [](Banc& b) { return reset(b, 0); },
             "1 '' ?,?,R [] '' yellow, then grey"},
            {"reset, answers after the asterisks", [](Banc& b) { return reset(b, 2); },
             "1 '' ?,?,32**,?,?,R [] '' yellow, then grey"},
            {"reset, silent board: no R", [](Banc& b) { return reset(b, -1); },
             "2 '' ?,?,32**,?,? [16:DEFAUT DE DIALOGUE] '' yellow, then grey"},
            {"reset, port unavailable, no exchange before",
             [](Banc& b) { return reset(b, 0, 8002); },
             "0 'avant'  [0@:COM1~;0@:COM1~;0:PORT de communication non disponible] '' "
             "yellow, then grey"},
            {"reset, port unavailable after a missed exchange",
             [](Banc& b) { return reset(b, 0, 8002, EtatEchange::Muet); },
             "2 'avant'  [0@:COM1~] '' yellow, then grey"}};
        for (const Cas& c : cas)
            QTest::newRow(c.nom) << c;
    }
    void liaison() {
        QFETCH(Cas, cas);
        Banc b{Banc::CarteScriptee};
        b->ReponseCarte = "avant";
        const QString vu = cas.action(b);
        QCOMPARE(rendu(b) + vu, cas.attendu);
    }
};

QTEST_GUILESS_MAIN(TestLiaison)
#include "tst_liaison.moc"
