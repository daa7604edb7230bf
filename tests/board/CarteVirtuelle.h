#pragma once

#include "Fakes.h"
#include "editor/LT840.h"
#include "window/HorlogeQt.h"
#include "window/PortSerieQt.h"

#include <QFile>
#include <QProcess>
#include <QTemporaryDir>

#include <memory>

// The virtual board in a process of its own, on a pseudo-terminal that COM 1 leads to.
// Every byte it receives is kept in a file the test can read.
class CarteVirtuelle {
public:
    explicit CarteVirtuelle(const QStringList& options = {}) {
        m_processus.start(QStringLiteral(LT840_BOARD),
                          options + QStringList{QStringLiteral("--log"), journal()});
        while (m_processus.waitForStarted() && !m_processus.canReadLine() &&
               m_processus.waitForReadyRead(5000)) {
        }
        m_peripherique = QString::fromLocal8Bit(m_processus.readLine().trimmed());
        qputenv("LT840_COM1", m_peripherique.toLocal8Bit());
    }
    ~CarteVirtuelle() {
        qunsetenv("LT840_COM1");
        arreter();
    }

    // The board goes away as a pulled cable would take it: its end of the line closes.
    void arreter() {
        m_processus.terminate();
        m_processus.waitForFinished(5000);
    }

    bool prete() const { return m_peripherique.startsWith(u"/dev/"); }
    const QString& peripherique() const { return m_peripherique; }
    QByteArray recus() const {
        QFile f(journal());
        return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
    }

private:
    QString journal() const { return m_dossier.filePath(QStringLiteral("recus.bin")); }

    QTemporaryDir m_dossier;
    QProcess m_processus;
    QString m_peripherique;
};

// An editor on the real serial adapter and the real clock; the dialogs are fakes.
struct PosteReel {
    FakeMessageBox messages;
    FakeFileDialog fichiers;
    FakeTimer minuterie;
    HorlogeQt horloge;
    FakeEventPump evenements;
    FakeFolder dossiers;
    PortSerieQt port;
    std::unique_ptr<LT840> ed;

    PosteReel() {
        ed = std::make_unique<LT840>(
            Plateforme{&messages, &fichiers, &minuterie, &horloge, &evenements, &port, &dossiers});
        ed->Form_Load();
    }
    LT840* operator->() { return ed.get(); }

    QStringList textesAffiches() const {
        QStringList textes;
        for (const BoiteAffichee& b : messages.affichees)
            textes.append(b.prompt);
        return textes;
    }
};
