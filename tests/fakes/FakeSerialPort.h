#pragma once

#include "Fakes.h"
#include "editor/Format.h"

#include <QByteArray>
#include <QList>
#include <QQueue>
#include <QStringList>

#include <algorithm>
#include <cmath>
#include <utility>

// A scripted board behind a fake serial port. Each message written is matched against the
// rules in order; the first one that matches (and has uses left) says what comes back, and
// how many ms after the write, on the fake clock. attendreDonnees() moves that clock on instead
// of sleeping, so an exchange that would last seconds runs in no time.
class FakeSerialPort : public ISerialPort {
public:
    struct Livraison {
        QByteArray octets;
        int delaiMs = 5;
    };
    using Reaction = QList<Livraison>; // empty: the board stays silent

    static constexpr int ErreurPortAbsent = 8002;
    static constexpr int ErreurEtatPort = 8012; // opening an open port, writing to a closed one

    explicit FakeSerialPort(FakeClock& horloge) : m_horloge(horloge) {}

    // `message` empty matches any message; `fois` < 0: the rule never wears out.
    FakeSerialPort& quand(const QByteArray& message, Reaction reaction, int fois = -1) {
        m_regles.append({message, std::move(reaction), fois});
        return *this;
    }
    FakeSerialPort& repondre(const QByteArray& message, const QByteArray& reponse, int fois = -1) {
        return quand(message, {{reponse}}, fois);
    }
    // Put ahead of the other rules, so that an answering board falls silent `fois` times.
    FakeSerialPort& silence(const QByteArray& message, int fois) {
        m_regles.prepend({message, {}, fois});
        return *this;
    }
    // A sound board: the identification, "B" to "P", "FR" to "F", "?" to any block, nothing
    // to "R" and to the asterisks.
    FakeSerialPort& carteSaine() {
        repondre("?", IdentificationCarte);
        silence("R", -1);
        silence(QByteArray(32, '*'), -1);
        repondre("P", "B");
        repondre("F", "FR");
        return repondre({}, "?");
    }
    // Stale bytes, already waiting whatever is written.
    void deposer(const QByteArray& octets) { mettreEnRoute(m_horloge.monotone, octets); }

    int erreurOuverture = 0;     // when not 0, every open fails with it
    QQueue<int> erreursEcriture; // one per write; a failed write does not reach the board
    QList<QByteArray> ecrits;    // every write, failed ones included
    QList<int> ouvertures;       // the port number of every open
    QStringList peripheriques;   // every device opened by its name
    QList<int> attentes;         // the bound of every wait, in ms
    int nombreEcrits(const QByteArray& m) const { return int(ecrits.count(m)); }

    int ouvrir(int numeroPort) override {
        ouvertures.append(numeroPort);
        return ouvrirLigne();
    }
    int ouvrirPeripherique(const QString& peripherique) override {
        peripheriques.append(peripherique);
        return ouvrirLigne();
    }
    bool estOuvert() const override { return m_ouvert; }
    void fermer() override { m_ouvert = false; }
    int ecrire(const QByteArray& octets) override {
        ecrits.append(octets);
        const int code = erreursEcriture.isEmpty() ? 0 : erreursEcriture.dequeue();
        if (!m_ouvert || code != 0)
            return m_ouvert ? code : ErreurEtatPort;
        for (const Livraison& l : reactionA(octets))
            mettreEnRoute(m_horloge.monotone + l.delaiMs, l.octets);
        return 0;
    }
    int octetsEnAttente() override { return int(livrer().size()); }
    void attendreDonnees(int ms) override {
        attentes.append(ms);
        if (ms > 0 && m_aLivrer.isEmpty())
            avancer(ms);
        else if (ms > 0)
            avancer(
                std::clamp(m_aLivrer.first().first - m_horloge.monotone, qint64(0), qint64(ms)));
    }
    void viderReception() override { livrer().clear(); }
    QByteArray lireTout() override { return std::exchange(livrer(), {}); }

private:
    struct Regle {
        QByteArray message;
        Reaction reaction;
        int fois;
    };

    Reaction reactionA(const QByteArray& message) {
        for (Regle& r : m_regles) {
            if (r.fois == 0 || (!r.message.isEmpty() && r.message != message))
                continue;
            r.fois -= r.fois > 0;
            return r.reaction;
        }
        return {};
    }
    // In order of arrival, first come first served on a tie.
    void mettreEnRoute(qint64 instant, const QByteArray& octets) {
        const auto apres = std::upper_bound(
            m_aLivrer.begin(), m_aLivrer.end(), instant,
            [](qint64 t, const std::pair<qint64, QByteArray>& e) { return t < e.first; });
        m_aLivrer.insert(apres, {instant, octets});
    }
    QByteArray& livrer() {
        while (!m_aLivrer.isEmpty() && m_aLivrer.first().first <= m_horloge.monotone)
            m_tampon += m_aLivrer.takeFirst().second;
        return m_tampon;
    }
    // Both faces of the clock move together, the time of day wrapping at midnight.
    void avancer(qint64 pas) {
        m_horloge.monotone += pas;
        m_horloge.heure = std::fmod(m_horloge.heure + double(pas) / 1000.0, 86400.0);
    }

    FakeClock& m_horloge;
    QList<Regle> m_regles;
    QList<std::pair<qint64, QByteArray>> m_aLivrer; // by arrival time
    int ouvrirLigne() {
        if (m_ouvert)
            return ErreurEtatPort;
        m_ouvert = erreurOuverture == 0;
        return erreurOuverture;
    }

    QByteArray m_tampon;
    bool m_ouvert = false;
};
