#pragma once

#include <QByteArray>
#include <QProcess>
#include <QString>
#include <QStringList>
#include <QTemporaryDir>

// The virtual board in a child process, on a pseudo-terminal of its own that COM 1 leads to.
// It logs every byte it receives and keeps the last upload stream it took in.
class CarteVirtuelle {
public:
    CarteVirtuelle() = default;
    ~CarteVirtuelle();
    CarteVirtuelle(const CarteVirtuelle&) = delete;
    CarteVirtuelle& operator=(const CarteVirtuelle&) = delete;

    // "" once the board serves, otherwise why it does not.
    QString demarrer(const QString& executable, const QStringList& options = {});

    QByteArray recus() const;
    QByteArray programme() const;
    // Waits until what the board received ends with `fin`; false when it still does not
    // after `ms`.
    bool attendreFinRecus(const QByteArray& fin, int ms) const;

private:
    QByteArray lire(const QString& nom) const;

    QTemporaryDir m_dossier;
    QProcess m_processus;
};
