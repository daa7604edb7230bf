#pragma once

#include <QProcess>
#include <QStringList>
#include <QTemporaryDir>

// The virtual board in a child process, on a pseudo-terminal of its own that COM 1 leads to
// while this object lives. It logs every byte it receives and keeps the last upload stream it
// took in.
class CarteVirtuelle {
public:
    ~CarteVirtuelle();

    // Starts the board built with the tests, `options` added to its command line: "" once it
    // serves, otherwise why it does not.
    QString demarrer(const QStringList& options = {});
    // Its end of the line closes as a pulled cable's would, COM 1 still leading to the device
    // that is gone. True when it ended cleanly on being asked.
    bool arreter();

    QByteArray recus() const { return lire(Journal); }
    QByteArray fluxRecu() const { return lire(Flux); }
    // False when what the board received still does not end with `fin` after `ms`.
    bool attendreFinRecus(const QByteArray& fin, int ms) const;

private:
    static constexpr char Journal[] = "recus.bin", Flux[] = "flux.bin";
    QByteArray lire(const char* nom) const;

    QTemporaryDir m_dossier;
    QProcess m_processus;
};
