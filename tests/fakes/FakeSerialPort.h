#pragma once

#include "Fakes.h"
#include "editor/Format.h"

#include <QByteArray>
#include <QList>
#include <QQueue>
#include <QSet>

#include <algorithm>
#include <cmath>
#include <limits>
#include <utility>

// A scripted board behind a fake serial port. Each message the editor writes is matched
// against the rules, in the order they were given; the first rule that matches (and has uses
// left) says what comes back and when, measured on the fake clock from the moment of the
// write. A message no rule matches gets no answer. attendreDonnees() moves the fake clock on
// instead of sleeping, so an exchange that would last seconds runs in no time.
//
//   FakeSerialPort port(banc.horloge);
//   port.repondre("?", IdentificationCarte);          // every "?" answered after 5 ms
//   port.silence("?", 2);                              // but not the next two
//   port.quand("?", {{"LT8", 5}, {"40:V1.02 ", 900}}); // a reply in two parts
//   port.deposer("xy");                                // stale bytes already waiting
//   port.carteSaine();                                 // the whole protocol of a sound board
class FakeSerialPort : public ISerialPort {
public:
    // One piece of a reply: its bytes reach the receive buffer delaiMs after the write.
    struct Livraison {
        QByteArray octets;
        int delaiMs = 5;
    };
    using Reaction = QList<Livraison>; // empty: the board stays silent

    static constexpr int ErreurPortAbsent = 8002;
    static constexpr int ErreurPortFerme = 8012;

    explicit FakeSerialPort(FakeClock& horloge) : m_horloge(horloge) {}

    // --- The script ---

    // `message` empty matches any message. `fois` < 0: the rule never wears out.
    FakeSerialPort& quand(const QByteArray& message, Reaction reaction, int fois = -1) {
        m_regles.append({message, std::move(reaction), fois});
        return *this;
    }
    FakeSerialPort& repondre(const QByteArray& message, const QByteArray& reponse, int delaiMs = 5,
                             int fois = -1) {
        return quand(message, {{reponse, delaiMs}}, fois);
    }
    // The next `fois` times (for ever when negative) `message` is written, nothing comes
    // back. The rule goes ahead of the others, so it can be put on a board that otherwise
    // answers.
    FakeSerialPort& silence(const QByteArray& message, int fois) {
        m_regles.prepend({message, {}, fois});
        return *this;
    }
    // A board that answers every message as a sound one does: the identification, "B" to
    // "P", "FR" to "F", "?" to any block (the end block included), nothing to "R" and to the
    // asterisks.
    FakeSerialPort& carteSaine(const QByteArray& identification = IdentificationCarte) {
        repondre("?", identification);
        silence("R", -1);
        silence(QByteArray(32, '*'), -1);
        repondre("P", "B");
        repondre("F", "FR");
        return repondre({}, "?");
    }
    // Bytes that reach the receive buffer delaiMs from now whatever is written: stale or
    // late bytes.
    void deposer(const QByteArray& octets, int delaiMs = 0) {
        mettreEnRoute(m_horloge.monotone + delaiMs, octets);
        livrerEchues();
    }
    // Ports that exist on this machine; opening another fails with ErreurPortAbsent.
    QSet<int> portsExistants{1, 2, 3, 4};
    // When not 0, every open fails with this code.
    int erreurOuverture = 0;
    // Codes for the next writes, one per write; 0 or an empty queue: the write succeeds.
    // A failed write does not reach the board.
    QQueue<int> erreursEcriture;

    // --- What the editor did ---

    QList<QByteArray> ecrits; // every write, in order, failed ones included
    QList<int> ouvertures;    // the port number of every open asked for
    QList<int> attentes;      // the bound of every attendreDonnees, in ms

    int nombreEcrits(const QByteArray& message) const { return int(ecrits.count(message)); }
    // Everything that reached the board, end to end.
    QByteArray recus() const { return m_recus; }

    // --- ISerialPort ---

    int ouvrir(int numeroPort) override {
        ouvertures.append(numeroPort);
        return ouvrirSi(portsExistants.contains(numeroPort));
    }
    // Devices chosen by name that exist on this machine.
    QSet<QString> peripheriquesExistants;
    int ouvrirPeripherique(const QString& peripherique) override {
        return ouvrirSi(peripheriquesExistants.contains(peripherique));
    }
    int ouvrirSi(bool existe) {
        if (m_ouvert)
            return ErreurPortFerme;
        if (erreurOuverture != 0)
            return erreurOuverture;
        if (!existe)
            return ErreurPortAbsent;
        m_ouvert = true;
        return 0;
    }
    bool estOuvert() const override { return m_ouvert; }
    void fermer() override { m_ouvert = false; }
    int ecrire(const QByteArray& octets) override {
        ecrits.append(octets);
        const int code = erreursEcriture.isEmpty() ? 0 : erreursEcriture.dequeue();
        if (!m_ouvert)
            return ErreurPortFerme;
        if (code != 0)
            return code;
        m_recus += octets;
        programmer(reactionA(octets));
        return 0;
    }
    int octetsEnAttente() override {
        livrerEchues();
        return int(m_tampon.size());
    }
    void attendreDonnees(int ms) override {
        attentes.append(ms);
        if (ms <= 0)
            return;
        const qint64 fin = m_horloge.monotone + ms;
        const qint64 prochaine = prochaineLivraison();
        avancerJusqua(std::min(fin, prochaine));
        livrerEchues();
    }
    void viderReception() override {
        livrerEchues();
        m_tampon.clear();
    }
    QByteArray lireTout() override {
        livrerEchues();
        return std::exchange(m_tampon, {});
    }

private:
    struct Regle {
        QByteArray message;
        Reaction reaction;
        int fois;
    };
    struct EnRoute {
        qint64 instant;
        QByteArray octets;
    };

    Reaction reactionA(const QByteArray& message) {
        for (Regle& r : m_regles) {
            if (r.fois == 0 || (!r.message.isEmpty() && r.message != message))
                continue;
            if (r.fois > 0)
                --r.fois;
            return r.reaction;
        }
        return {};
    }
    void programmer(const Reaction& reaction) {
        for (const Livraison& l : reaction)
            mettreEnRoute(m_horloge.monotone + l.delaiMs, l.octets);
        livrerEchues();
    }
    // Keeps the bytes on their way in order of arrival, first come first served on a tie.
    void mettreEnRoute(qint64 instant, const QByteArray& octets) {
        const auto apres =
            std::upper_bound(m_aLivrer.begin(), m_aLivrer.end(), instant,
                             [](qint64 t, const EnRoute& e) { return t < e.instant; });
        m_aLivrer.insert(apres, {instant, octets});
    }
    qint64 prochaineLivraison() const {
        return m_aLivrer.isEmpty() ? std::numeric_limits<qint64>::max() : m_aLivrer.first().instant;
    }
    void livrerEchues() {
        while (!m_aLivrer.isEmpty() && m_aLivrer.first().instant <= m_horloge.monotone)
            m_tampon += m_aLivrer.takeFirst().octets;
    }
    // Both faces of the clock move together, the time of day wrapping at midnight.
    void avancerJusqua(qint64 instant) {
        const qint64 pas = instant - m_horloge.monotone;
        if (pas <= 0)
            return;
        m_horloge.monotone = instant;
        m_horloge.heure = std::fmod(m_horloge.heure + double(pas) / 1000.0, 86400.0);
    }

    FakeClock& m_horloge;
    QList<Regle> m_regles;
    QList<EnRoute> m_aLivrer; // by arrival time
    QByteArray m_tampon;
    QByteArray m_recus;
    bool m_ouvert = false;
};
