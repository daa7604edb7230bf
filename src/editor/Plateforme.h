#pragma once

#include <QByteArray>
#include <QString>

// What the editor asks of the world outside the process. The window layer supplies Qt
// implementations, the tests supply fakes; the core only ever sees these interfaces.

// Message box buttons, icons and answers, with the values the handlers store in MsgBoutons
// and MsgReponse.
namespace Msg {
inline constexpr int MasqueBoutons = 0x07; // the buttons part of a box's style
inline constexpr int OK = 0;
inline constexpr int OuiNon = 4;
inline constexpr int Critique = 16;
inline constexpr int Question = 32;
inline constexpr int Exclamation = 48;
inline constexpr int Information = 64;
inline constexpr int RepOK = 1;
inline constexpr int RepAnnuler = 2; // Escape or the title bar's close button: no answer
inline constexpr int RepOui = 6;
inline constexpr int RepNon = 7;
} // namespace Msg

class IMessageBox {
public:
    virtual ~IMessageBox() = default;
    // buttons: Msg::OK or Msg::OuiNon plus one icon value; returns RepOK, RepOui or RepNon,
    // or RepAnnuler when the user dismissed a question without answering it.
    virtual int afficher(const QString& prompt, int buttons, const QString& title) = 0;
    // A failure of the board link; a box like any other, which a trace of the line also
    // writes under the exchange that caused it.
    virtual int afficherLiaison(const QString& prompt, int buttons, const QString& title) {
        return afficher(prompt, buttons, title);
    }
};

struct ParametresDialogue {
    QString titre;
    QString filtre; // "label|pattern|label|pattern|..."
    QString dossierInitial;
    QString extensionParDefaut;
    QString nomFichier;
};

class IFileDialog {
public:
    virtual ~IFileDialog() = default;
    // Each returns the chosen path, or "" when the user cancels.
    virtual QString ouvrir(const ParametresDialogue& p) = 0;
    virtual QString sauvegarder(const ParametresDialogue& p) = 0;
};

class ITimer {
public:
    virtual ~ITimer() = default;
    virtual void configurer(int intervalleMs, bool actif) = 0;
};

class IClock {
public:
    virtual ~IClock() = default;
    virtual double heureDuJour() = 0; // seconds since midnight, with fractions
    virtual qint64 monotoneMs() = 0;  // never goes back, not even at midnight
};

class IEventPump {
public:
    virtual ~IEventPump() = default;
    virtual void laisserPasser() = 0; // repaint from the model and run pending events once
    // Repaint the window from the model now, without running any input event.
    virtual void repeindre() = 0;
    virtual void terminer() = 0; // end the program at once
};

class ISerialPort {
public:
    virtual ~ISerialPort() = default;
    // 0 when the port opened, otherwise an error code; the port stays closed on error.
    virtual int ouvrir(int numeroPort) = 0;
    // The same for a device named as the system names it ("/dev/ttyUSB0", "COM7").
    virtual int ouvrirPeripherique(const QString& peripherique) = 0;
    virtual bool estOuvert() const = 0;
    // Waits until every queued byte has left the computer, then releases the port.
    virtual void fermer() = 0;
    // Queues the bytes; 0 on success, otherwise an error code.
    virtual int ecrire(const QByteArray& octets) = 0;
    virtual int octetsEnAttente() = 0;
    // Blocks (without spinning) until more data arrives or the time is up.
    virtual void attendreDonnees(int ms) = 0;
    virtual void viderReception() = 0;
    virtual QByteArray lireTout() = 0;
    // A board command begins: what the line does from now on belongs to it.
    virtual void debutCommande() {}
};

class IProgramFolder {
public:
    virtual ~IProgramFolder() = default;
    virtual QString dossierProgramme() = 0;
    virtual QString dossierConfiguration() = 0; // the user's fallback when the former is read-only
};

// The desktop's clipboard, as plain text.
class IClipboard {
public:
    virtual ~IClipboard() = default;
    virtual bool contientTexte() = 0; // asked at every repaint, so it must be cheap
    virtual QString texte() = 0;
    virtual void placer(const QString& texte) = 0;
};

// Every interface is there for the editor's whole life.
struct Plateforme {
    IMessageBox& messages;
    IFileDialog& fichiers;
    ITimer& minuterie;
    IClock& horloge;
    IEventPump& evenements;
    ISerialPort& serie;
    IProgramFolder& dossiers;
    IClipboard& pressePapiers;
};
