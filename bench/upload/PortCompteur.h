#pragma once

#include "editor/Plateforme.h"

#include <QElapsedTimer>

// Passes everything to a real port, counts the bytes that cross the line each way and the
// time spent opening and closing, which no byte on the line accounts for.
class PortCompteur : public ISerialPort {
public:
    explicit PortCompteur(ISerialPort& port) : m_port(port) {}

    qint64 envoyes = 0;
    qint64 recus = 0;
    qint64 ouvertureFermetureNs = 0;

    int ouvrir(int numeroPort) override {
        QElapsedTimer t;
        t.start();
        const int code = m_port.ouvrir(numeroPort);
        ouvertureFermetureNs += t.nsecsElapsed();
        return code;
    }
    bool estOuvert() const override { return m_port.estOuvert(); }
    void fermer() override {
        QElapsedTimer t;
        t.start();
        m_port.fermer();
        ouvertureFermetureNs += t.nsecsElapsed();
    }
    int ecrire(const QByteArray& octets) override {
        envoyes += octets.size();
        return m_port.ecrire(octets);
    }
    int octetsEnAttente() override { return m_port.octetsEnAttente(); }
    void attendreDonnees(int ms) override { m_port.attendreDonnees(ms); }
    void viderReception() override {
        recus += m_port.octetsEnAttente();
        m_port.viderReception();
    }
    QByteArray lireTout() override {
        const QByteArray octets = m_port.lireTout();
        recus += octets.size();
        return octets;
    }

private:
    ISerialPort& m_port;
};
