#include "CarteVirtuelle.h"

#include <QDeadlineTimer>
#include <QFile>
#include <QThread>

static constexpr int DelaiProcessusMs = 5000;

CarteVirtuelle::~CarteVirtuelle() {
    qunsetenv("LT840_COM1");
    arreter();
}

QString CarteVirtuelle::demarrer(const QStringList& options) {
    m_processus.start(QStringLiteral(LT840_BOARD_EXE),
                      QStringList{"--log", m_dossier.filePath(Journal), "--program-out",
                                  m_dossier.filePath(Flux)} +
                          options);
    if (!m_processus.waitForStarted(DelaiProcessusMs))
        return m_processus.errorString();
    while (!m_processus.canReadLine() && m_processus.waitForReadyRead(DelaiProcessusMs)) {
    }
    const QByteArray peripherique = m_processus.readLine().trimmed();
    if (!peripherique.startsWith("/dev/"))
        return "no device: " + peripherique + ' ' + m_processus.readAllStandardError();
    qputenv("LT840_COM1", peripherique);
    return {};
}

bool CarteVirtuelle::arreter() {
    if (m_processus.state() == QProcess::NotRunning)
        return false;
    m_processus.terminate();
    if (m_processus.waitForFinished(DelaiProcessusMs))
        return m_processus.exitStatus() == QProcess::NormalExit && m_processus.exitCode() == 0;
    m_processus.kill();
    m_processus.waitForFinished(DelaiProcessusMs);
    return false;
}

bool CarteVirtuelle::attendreFinRecus(const QByteArray& fin, int ms) const {
    const QDeadlineTimer limite(ms);
    while (!recus().endsWith(fin) && !limite.hasExpired())
        QThread::msleep(5);
    return recus().endsWith(fin);
}

QByteArray CarteVirtuelle::lire(const char* nom) const {
    QFile fichier(m_dossier.filePath(nom));
    return fichier.open(QIODevice::ReadOnly) ? fichier.readAll() : QByteArray();
}
