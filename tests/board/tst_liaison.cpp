#include "Banc.h"
#include "board/FluxTeleversement.h"

#include <QFile>
#include <QTest>

#include <functional>
#include <utility>

namespace {

const QString Indisponible =
    QStringLiteral(": n'est pas disponible. Changez dans la propriété Option pour un autre port.");

template <typename T> QString liste(const T& elements) {
    QStringList l;
    for (const auto& e : elements)
        l << QVariant(e).toString();
    return l.join(u',');
}

// State, reply, writes, boxes ("buttons[@: the line's title]:text"), what is left to read.
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

struct Cas { // the action returns what else it looked at
    const char* nom;
    std::function<QString(Banc&)> action;
    QString attendu;
};

// A board that leaves the first `silences` queries unanswered (-1: all).
QString reset(Banc& b, int silences) {
    b.port.carteSaine().silence("?", silences);
    b->CmdRST_Click();
    return {};
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

using Lampes = std::array<qint16, NombreLampes>;
struct Ligne {
    const char* periode;
    int k; // the one record made
    Lampes lampes;
    int code;
    const char* octets; // time base, duration, lamps
};

const QString Defaut = QStringLiteral("DEFAUT DE DIALOGUE");
const QString Cordon = Defaut + QChar(12) + QStringLiteral(" Vérifiez le cordon");

// An upload to a sound board but for `cible`, a word of echanges(), which gets `reaction`.
struct Envoi {
    QString attendus = "P2 P fin F R"; // the exchanges from the first "P" on
    QString texte{};                   // the box shown; empty: none
    QString cible{};
    FakeSerialPort::Reaction reaction{};
    int nombre = 27;
    int nul = -1; // a record given code 0
    QString texte3{};
    QList<int> effaces{28, 29, 30, 31}; // the records whose code the upload clears
    bool imbriquee = false;             // an upload clicked while events run
};

// Records 0 .. n - 1 as recording leaves them (lamp k % 8 lit, codes 1..6), record n with the
// code of record n - 1, the count n in Text3; the records after n hold code 3.
void enregistrer(LT840& ed, int n) {
    for (int k = 0; k <= DernierEnr; ++k) {
        ed.TabTrames[k].fill(0);
        ed.TabTrames[k][k % NombreLampes] = qint16(k < n);
        ed.TabTrames[k][LigneCode] = qint16(k > n ? 3 : 1 + qMin(k, n - 1) % 6);
    }
    ed.setText3(QString::number(n));
}

// Exchanges: "P", "F", "R", "fin" (end block), "b<k>" (block k), "P<n>" (P, b0..b<n-1>).
QList<QByteArray> echanges(const QString& mots, const QByteArray& octets) {
    QList<QByteArray> liste;
    for (const QString& mot : mots.split(u' ', Qt::SkipEmptyParts)) {
        if (mot == u"fin")
            liste.append(QByteArray(32, '\0'));
        else if (mot.startsWith(u'b'))
            liste.append(octets.mid(32 * mot.mid(1).toInt(), 32));
        else if (mot.size() > 1 && mot.startsWith(u'P'))
            for (int b = 0; b < mot.mid(1).toInt(); ++b)
                liste << "P" << octets.mid(32 * b, 32);
        else
            liste.append(mot.toLatin1());
    }
    return liste;
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
            // Silent: each sending waits until the even second after the next, also at midnight.
            {"silent, half past to the even second above", echange("?", 12, {}),
             "2 '' ?,? [] 'xy' w1500,1000"},
            {"silent, 23:59:59.7", echange("?", 12, {}, 86399.7), "2 '' ?,? [] 'xy' w1300,1000"},
            {"40 characters: 32 sent", echange(QByteArray(32, 'a') + "bbbbbbbb", 0, {}),
             "1 'xy' 32*a [] '' w"},
            // A failed write is told and the exchange goes on; a closed port is only told.
            {"write error, then a closed port",
             [](Banc& b) {
                 b.port.repondre("?", IdentificationCarte);
                 b.port.erreursEcriture.enqueue(8005);
                 b.port.ouvrir(1);
                 b->TxRx("?", 12);
                 b.port.fermer();
                 b->TxRx("P", 1);
                 return 'w' + liste(b.port.attentes);
             },
             "1 'LT840:V1.02 ' ?,? [16@:ERREUR :8005;0:PORT de communication non disponible] '' "
             "w1000,1000"},
            // A port that does not open is told; COM0 never reaches the serial layer.
            {"COM0", [](Banc& b) { return ouvertureRatee(b, -1, ""); },
             "0 'avant'  [0@:COM0~] '' none ticked o "},
            {"device by name", [](Banc& b) { return ouvertureRatee(b, 0, "/dev/ttyUSB9"); },
             "0 'avant'  [0@:/dev/ttyUSB9~] '' none ticked o /dev/ttyUSB9"},
            // The open port stays until the next board command, which empties the new one.
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
                 return vu + liste(b.port.ouvertures);
             },
             "1 'LT840:V1.02 ' ?,? [] ''  2 \r\n*.dat\r\n--x- open 1,3"},
            // Answered once: Versions keeps it; the window shows only a reply that carries it.
            {"test: 20 bytes, signature fifth",
             [](Banc& b) {
                 b.port.repondre("?", "\xe9xyzLT840:V2.00 abc\xff", 1);
                 QString vu;
                 for (int fois = 0; fois < 2; ++fois) {
                     b->TestCarte_Click();
                     vu += b->Ctl.Versions + (b->Ctl.DialogVisible ? b->Ctl.DialogText1 : "-");
                     b->OKButton_Click();
                 }
                 return vu;
             },
             QString::fromLatin1("2 '' ?,?,?,32**,?,? [16:DEFAUT DE DIALOGUE] '' LT840:V2.00 "
                                 " Carte    \xe9xyzLT840:V2.00 abc\xffLT840:V2.00 -")},
            {"reset, answering board", [](Banc& b) { return reset(b, 0); }, "1 '' ?,?,R [] '' "},
            {"reset, silent board: no R", [](Banc& b) { return reset(b, -1); },
             "2 '' ?,?,32**,?,? [16:DEFAUT DE DIALOGUE] '' "}};
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

    // Record k made, the others never recorded: code 0, no lamp lit.
    void flux_data() {
        QTest::addColumn<Ligne>("ligne");
        const Lampes lampe0{1, 0, 0, 0, 0, 0, 0, 0};
        const Ligne lignes[]{
            {"0.01", 0, {}, 0, "\x01\x00\xFF"},
            {"0.1", 14, {0, 0, 0, 0, 0, 0, 0, 1}, 3, "\x0C\x05\xFE"},
            {"0.25", 250, {2, -1, 0, 0, 0, 0, 0, 0}, 6, "\x1F\x14\x3F"}, // any value but 0 is lit
            {"0.35", 3, lampe0, 9, "\x2B\x00\x7F"},
            {"0.344", 4, lampe0, -1, "\x2B\x00\x7F"}, // 43 units of 8 ms, not a hair under
            {"3", 5, lampe0, 32767, "\xFF\x00\x7F"},
            {"-0.1", 6, lampe0, -32768, "\x00\x00\x7F"}};
        for (const Ligne& l : lignes)
            QTest::addRow("%s, record %d, code %d", l.periode, l.k, l.code) << l;
    }
    void flux() {
        QFETCH(Ligne, ligne);
        auto magasin = std::make_unique<flux::Magasin>();
        auto& enr = (*magasin)[ligne.k];
        std::copy(ligne.lampes.begin(), ligne.lampes.end(), enr.begin());
        enr[LigneCode] = qint16(ligne.code);
        const QByteArray octets(ligne.octets, 3);
        QByteArray attendu = "\xA5" + octets.left(1);
        for (int r = 0; r <= DernierEnrCarte; ++r)
            attendu += r == ligne.k ? octets.mid(1) : QByteArray("\x00\xFF", 2);
        QCOMPARE(flux::construire(*magasin, QString::fromLatin1(ligne.periode)), attendu);
    }

    // The codes of the four records after the count are cleared, never outside the store.
    void televersement_data() {
        QTest::addColumn<Envoi>("cas");
        const QList<int> apres250{251, 252, 253, 254};
        QTest::newRow("sound board") << Envoi{};
        QTest::newRow("no answer to P") << Envoi{.attendus = "P P", .texte = Cordon, .cible = "P"};
        QTest::newRow("P answered B and one more byte")
            << Envoi{.attendus = "P", .texte = Defaut, .cible = "P", .reaction = {{"Bx", 5}}};
        QTest::newRow("block answered !")
            << Envoi{.attendus = "P b0", .texte = Defaut, .cible = "b0", .reaction = {{"!", 5}}};
        QTest::newRow("end block answered anything")
            << Envoi{.cible = "fin", .reaction = {{"Z", 5}}};
        QTest::newRow("F, R after a gap") << Envoi{.attendus = "P2 P fin F",
                                                   .texte = Defaut,
                                                   .cible = "F",
                                                   .reaction = {{"F", 5}, {"R", 900}}};
        QTest::newRow("Programmation nested") << Envoi{.imbriquee = true};
        QTest::newRow("count 0") << Envoi{.attendus = "", .texte3 = "0", .effaces = {}};
        QTest::newRow("record 239 with code 0")
            << Envoi{.attendus = "P15 P fin F R", .nombre = 250, .nul = 239, .effaces = apres250};
        QTest::newRow("count 1022") << Envoi{
            .attendus = "P16 F R", .nombre = 250, .texte3 = "1022", .effaces = {1023, 1024}};
    }
    void televersement() {
        QFETCH(Envoi, cas);
        Banc poste{Banc::CarteScriptee};
        enregistrer(*poste, cas.nombre);
        if (cas.nul >= 0)
            poste->TabTrames[cas.nul][LigneCode] = 0;
        if (!cas.texte3.isEmpty())
            poste->setText3(cas.texte3);
        auto attendu = std::make_unique<flux::Magasin>(poste->TabTrames);
        for (int r : cas.effaces)
            (*attendu)[r][LigneCode] = 0;
        const QByteArray octets = flux::construire(*attendu, poste->Ctl.List1Text());
        if (!cas.cible.isEmpty())
            poste.port.quand(echanges(cas.cible, octets).first(), cas.reaction);
        poste.port.carteSaine();
        poste.evenements.pendant = [&, premiere = true]() mutable {
            if (cas.imbriquee && std::exchange(premiere, false)) // the nested one runs events too
                poste->transmet_Click();
        };

        poste->transmet_Click();

        const auto& ecrits = poste.port.ecrits;
        QCOMPARE(ecrits.mid(ecrits.indexOf("P")), echanges(cas.attendus, octets));
        QCOMPARE(poste.boites(), cas.texte.isEmpty()
                                     ? QStringList()
                                     : QStringList{boite(cas.texte, Msg::OK + Msg::Critique)});
        QVERIFY(poste->TabTrames == *attendu);
        // One "?" per opening: a second one as Versions lacks the signature.
        const int questions = cas.attendus.isEmpty() ? 0 : 2;
        QCOMPARE(poste.port.ouvertures.size(), questions);
        QCOMPARE(poste.port.nombreEcrits("?"), questions);
        QCOMPARE(poste.port.estOuvert(), !cas.texte.isEmpty()); // only a finished upload closes
        QVERIFY(poste->Ctl.HScroll1Visible && !poste->Ctl.ProgressBar1Visible &&
                !poste->Ctl.DialogVisible);
        poste->TestCarte_Click(); // the upload over, board commands work again
        QVERIFY(poste->Ctl.DialogVisible);
    }

    // The bar moves on as each block is written, and the window repaints while the block
    // crosses the line: bar value, maximum, "P" written, the last write's size, the reply's.
    void progression() {
        Banc poste{Banc::CarteScriptee};
        enregistrer(*poste, 27);
        poste.port.carteSaine();
        QList<QList<int>> vues;
        poste.evenements.repeinte = [&] {
            vues.append({poste->Ctl.ProgressBar1Value, poste->Ctl.ProgressBar1Max,
                         int(poste.port.nombreEcrits("P")), int(poste.port.ecrits.last().size()),
                         int(poste->ReponseCarte.size())});
        };
        poste->transmet_Click();
        QCOMPARE(vues, (QList<QList<int>>{{1, 3, 1, 32, 0}, {2, 3, 2, 32, 0}, {3, 3, 3, 32, 0}}));
    }
};

QTEST_GUILESS_MAIN(TestLiaison)
#include "tst_liaison.moc"
