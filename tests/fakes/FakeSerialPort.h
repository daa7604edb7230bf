#pragma once

#include "Fakes.h"

#include <algorithm>
#include <map>
#include <utility>

// A scripted board: the first rule matching a message written (with uses left) says what comes
// back and how many ms after, on the fake clock, which a wait moves on instead of sleeping.
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
    // The identification, "B" to "P", "FR" to "F", "?" to any block, nothing to "R" and "***…".
    FakeSerialPort& carteSaine() {
        repondre("?", IdentificationCarte).silence("R", -1).silence(QByteArray(32, '*'), -1);
        return repondre("P", "B").repondre("F", "FR").repondre({}, "?");
    }
    // Stale bytes, already waiting whatever is written.
    void deposer(const QByteArray& octets) { m_aLivrer.emplace(m_horloge.monotone, octets); }

    int erreurOuverture = 0;     // when not 0, every open fails with it
    QQueue<int> erreursEcriture; // one per write; a failed write does not reach the board
    QList<QByteArray> ecrits;    // every write, failed ones included
    QList<int> ouvertures;       // the port number of every open
    QStringList peripheriques;   // every device opened by its name
    QList<int> attentes;         // the bound of every wait, in ms
    int nombreEcrits(const QByteArray& m) const { return int(ecrits.count(m)); }

    int ouvrir(int numeroPort) override { return ouvertures.append(numeroPort), ouvrirLigne(); }
    int ouvrirPeripherique(const QString& nom) override {
        return peripheriques.append(nom), ouvrirLigne();
    }
    bool estOuvert() const override { return m_ouvert; }
    void fermer() override { m_ouvert = false; }
    int ecrire(const QByteArray& octets) override {
        ecrits.append(octets);
        const int code = erreursEcriture.isEmpty() ? 0 : erreursEcriture.dequeue();
        if (!m_ouvert || code != 0)
            return m_ouvert ? code : ErreurEtatPort;
        for (const Livraison& l : reactionA(octets))
            m_aLivrer.emplace(m_horloge.monotone + l.delaiMs, l.octets);
        return 0;
    }
    int octetsEnAttente() override { return int(livrer().size()); }
    void attendreDonnees(int ms) override {
        attentes.append(ms);
        const qint64 prochaine =
            m_aLivrer.empty() ? ms : m_aLivrer.begin()->first - m_horloge.monotone;
        if (ms > 0)
            m_horloge.avancer(std::clamp(prochaine, qint64(0), qint64(ms)));
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
    QByteArray& livrer() {
        for (auto e = m_aLivrer.begin(); e != m_aLivrer.end() && e->first <= m_horloge.monotone;)
            m_tampon += e->second, e = m_aLivrer.erase(e);
        return m_tampon;
    }
    int ouvrirLigne() {
        if (m_ouvert)
            return ErreurEtatPort;
        m_ouvert = erreurOuverture == 0;
        return erreurOuverture;
    }

    FakeClock& m_horloge;
    QList<Regle> m_regles;
    std::multimap<qint64, QByteArray> m_aLivrer; // by arrival time, first come first served
    QByteArray m_tampon;
    bool m_ouvert = false;
};
