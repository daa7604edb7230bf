#pragma once

#include "editor/Plateforme.h"

#include <QByteArray>
#include <QString>

#include <functional>

// A message as one line: control characters, which may break it, become blanks.
QString surUneLigne(QString s);

// Stands between the editor and its serial port and tells every exchange, one line each, to
// `sortie`:
//
//     1046 ms  →  bloc 7           32 octets  01 fe …  |....|
//     1079 ms  ←  bloc 7            1 octet   3f       |?|
//     4121 ms  ✗  bloc 8 : pas de réponse
//
// the time since the command started, the direction, the exchange, the length, the bytes in
// hex and as text (a dot for a byte that does not print). The exchanges are named from the
// messages themselves: the board's protocol has no other framing. A message written twice
// with no reading of the reply between went unanswered the first time; one not read when
// the next thing happens on the line, or when conclure() is called, went unanswered for good.
// Only installed while someone looks, so a line without a trace pays nothing for it.
class TraceLiaison : public ISerialPort {
public:
    using Sortie = std::function<void(const QString& ligne)>;
    enum class Origine { Creation, ChaqueCommande };

    // The times count from now, or from the start of each board command.
    TraceLiaison(ISerialPort& port, IClock& horloge, Sortie sortie,
                 Origine origine = Origine::Creation);

    // Tells the exchange still awaiting its reply as failed, then `echec` (a message the
    // user is about to be shown) against the last exchange, when given.
    void conclure(const QString& echec = {});

    int ouvrir(int numeroPort) override;
    int ouvrirPeripherique(const QString& peripherique) override;
    bool estOuvert() const override { return m_port.estOuvert(); }
    void fermer() override;
    int ecrire(const QByteArray& octets) override;
    int octetsEnAttente() override { return m_port.octetsEnAttente(); }
    void attendreDonnees(int ms) override { m_port.attendreDonnees(ms); }
    void viderReception() override;
    QByteArray lireTout() override;
    void debutCommande() override;

private:
    int ouverture(const QString& nom, int code);
    QString nommer(const QByteArray& message);
    void noter(const QString& sens, const QString& texte);
    void noterOctets(const QString& sens, const QString& nom, const QByteArray& octets);

    ISerialPort& m_port;
    IClock& m_horloge;
    Sortie m_sortie;
    Origine m_origine;
    qint64 m_debut;
    QByteArray m_message;     // the last message written
    QString m_nom;            // its name
    bool m_enAttente = false; // written, reply not read yet
    int m_blocs = 0;          // data blocks announced by "P" since the last identification
};

// Swaps the port the editor talks through: the bare line, or a trace in front of it.
class AiguillageSerie : public ISerialPort {
public:
    explicit AiguillageSerie(ISerialPort& port) : m_cible(&port) {}
    void diriger(ISerialPort& cible) { m_cible = &cible; }

    int ouvrir(int n) override { return m_cible->ouvrir(n); }
    int ouvrirPeripherique(const QString& p) override { return m_cible->ouvrirPeripherique(p); }
    bool estOuvert() const override { return m_cible->estOuvert(); }
    void fermer() override { m_cible->fermer(); }
    int ecrire(const QByteArray& octets) override { return m_cible->ecrire(octets); }
    int octetsEnAttente() override { return m_cible->octetsEnAttente(); }
    void attendreDonnees(int ms) override { m_cible->attendreDonnees(ms); }
    void viderReception() override { m_cible->viderReception(); }
    QByteArray lireTout() override { return m_cible->lireTout(); }
    void debutCommande() override { m_cible->debutCommande(); }

private:
    ISerialPort* m_cible;
};

// Message boxes whose failures of the link first close the trace's account of the line, so
// that the failure the user is shown stands under the exchange that caused it. The editor's
// other boxes are not the line's business.
class MessagesTraces : public IMessageBox {
public:
    explicit MessagesTraces(IMessageBox& messages) : m_messages(messages) {}
    void suivre(TraceLiaison* trace) { m_trace = trace; }
    int afficher(const QString& prompt, int buttons, const QString& title) override {
        return m_messages.afficher(prompt, buttons, title);
    }
    int afficherLiaison(const QString& prompt, int buttons, const QString& title) override {
        if (m_trace)
            m_trace->conclure(prompt);
        return m_messages.afficherLiaison(prompt, buttons, title);
    }

private:
    IMessageBox& m_messages;
    TraceLiaison* m_trace = nullptr;
};
