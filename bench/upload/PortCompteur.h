#pragma once

#include "editor/Plateforme.h"

#include <QElapsedTimer>
#include <QList>

// Passes everything to a real port, counts the bytes that cross the line each way and the
// time spent opening and closing, which no byte on the line accounts for. It also times the
// editor's turnaround: from the moment a reply's last byte has become readable to the
// editor's next write. The same span counted from when the line model says the reply was
// complete (the message and the reply back to back at 9600 baud from the write) adds what the
// board process and the kernel take to wake up.
class PortCompteur : public ISerialPort {
public:
    explicit PortCompteur(ISerialPort& port) : m_port(port) { m_horloge.start(); }

    qint64 envoyes = 0;
    qint64 recus = 0;
    qint64 ouvertureFermetureNs = 0;
    QList<qint64> retournementsNs;      // one for each reply followed by a write
    QList<qint64> retournementsLigneNs; // the same, from the reply's end on the line

    int ouvrir(int numeroPort) override {
        const qint64 debut = m_horloge.nsecsElapsed();
        const int code = m_port.ouvrir(numeroPort);
        ouvertureFermetureNs += m_horloge.nsecsElapsed() - debut;
        return code;
    }
    int ouvrirPeripherique(const QString& peripherique) override {
        const qint64 debut = m_horloge.nsecsElapsed();
        const int code = m_port.ouvrirPeripherique(peripherique);
        ouvertureFermetureNs += m_horloge.nsecsElapsed() - debut;
        return code;
    }
    bool estOuvert() const override { return m_port.estOuvert(); }
    void fermer() override {
        const qint64 debut = m_horloge.nsecsElapsed();
        m_port.fermer();
        ouvertureFermetureNs += m_horloge.nsecsElapsed() - debut;
        m_arrivee = -1;
    }
    int ecrire(const QByteArray& octets) override {
        const qint64 maintenant = m_horloge.nsecsElapsed();
        if (m_arrivee >= 0) {
            retournementsNs.append(maintenant - m_arrivee);
            retournementsLigneNs.append(maintenant - m_finSurLigne);
        }
        m_arrivee = -1;
        m_ecriture = maintenant;
        m_longueurEcrite = int(octets.size());
        envoyes += octets.size();
        return m_port.ecrire(octets);
    }
    // The editor looks at the count as soon as a wait returns: the first look that sees more
    // bytes is when they became readable.
    int octetsEnAttente() override {
        const int n = m_port.octetsEnAttente();
        arrivee(n);
        return n;
    }
    void attendreDonnees(int ms) override { m_port.attendreDonnees(ms); }
    void viderReception() override {
        recus += m_port.octetsEnAttente();
        m_port.viderReception();
        m_vus = 0;
    }
    QByteArray lireTout() override {
        const QByteArray octets = m_port.lireTout();
        arrivee(int(octets.size()));
        m_vus = 0;
        recus += octets.size();
        return octets;
    }

private:
    void arrivee(int n) {
        if (n > m_vus) {
            m_arrivee = m_horloge.nsecsElapsed();
            m_finSurLigne = m_ecriture + qint64(m_longueurEcrite + n) * NsParOctet;
        }
        m_vus = n;
    }

    static constexpr qint64 NsParOctet = 1'041'667; // 10 bits at 9600 baud

    ISerialPort& m_port;
    QElapsedTimer m_horloge;
    int m_vus = 0;         // bytes already seen waiting
    qint64 m_arrivee = -1; // when the last of them was first seen, until the next write
    qint64 m_finSurLigne = 0;
    qint64 m_ecriture = 0;
    int m_longueurEcrite = 0;
};
