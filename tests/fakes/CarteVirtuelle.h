#pragma once

#include <QProcess>
#include <QStringList>
#include <QTemporaryDir>

// The virtual board in a child process, on a pseudo-terminal that COM 1 leads to while this
// lives; it logs every byte received and keeps the last upload stream.
class CarteVirtuelle {
public:
    ~CarteVirtuelle();

    // "" once the board serves, otherwise why it does not.
    QString demarrer(const QStringList& options = {});
    // Closes as a pulled cable would, COM 1 still leading there; true on a clean end.
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
