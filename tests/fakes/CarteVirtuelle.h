#pragma once

#include <QByteArray>
#include <QProcess>
#include <QString>
#include <QStringList>
#include <QTemporaryDir>

// The virtual board in a child process, on a pseudo-terminal of its own that COM 1 leads to
// while this object lives. It logs every byte it receives and keeps the last upload stream it
// took in.
class CarteVirtuelle {
public:
    CarteVirtuelle() = default;
    ~CarteVirtuelle();
    CarteVirtuelle(const CarteVirtuelle&) = delete;
    CarteVirtuelle& operator=(const CarteVirtuelle&) = delete;

    // Starts the board built with the tests, `options` added to its command line: "" once it
    // serves, otherwise why it does not.
    QString demarrer(const QStringList& options = {});
    // The board goes away as a pulled cable would take it: its end of the line closes, and
    // COM 1 still leads to the device that is gone. True when it ended cleanly on being asked.
    bool arreter();

    QByteArray recus() const;
    QByteArray fluxRecu() const;
    // Waits until what the board received ends with `fin`; false when it still does not
    // after `ms`.
    bool attendreFinRecus(const QByteArray& fin, int ms) const;

private:
    QByteArray lire(const QString& nom) const;

    QTemporaryDir m_dossier;
    QProcess m_processus;
};
