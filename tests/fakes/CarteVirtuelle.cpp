#include "CarteVirtuelle.h"

#include <QDeadlineTimer>
#include <QFile>
#include <QThread>

namespace {

const QString Journal = QStringLiteral("recus.bin");
const QString FluxRecu = QStringLiteral("flux.bin");
constexpr int DelaiProcessusMs = 5000;

} // namespace

CarteVirtuelle::~CarteVirtuelle() {
    qunsetenv("LT840_COM1");
    arreter();
}

QString CarteVirtuelle::demarrer(const QStringList& options) {
    m_processus.start(QStringLiteral(LT840_BOARD_EXE),
                      QStringList{QStringLiteral("--log"), m_dossier.filePath(Journal),
                                  QStringLiteral("--program-out"), m_dossier.filePath(FluxRecu)} +
                          options);
    if (!m_processus.waitForStarted(DelaiProcessusMs))
        return m_processus.errorString();
    while (!m_processus.canReadLine() && m_processus.waitForReadyRead(DelaiProcessusMs)) {
    }
    const QByteArray peripherique = m_processus.readLine().trimmed();
    if (!peripherique.startsWith("/dev/"))
        return QStringLiteral("no device: %1 %2")
            .arg(QString::fromLocal8Bit(peripherique),
                 QString::fromLocal8Bit(m_processus.readAllStandardError()));
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

QByteArray CarteVirtuelle::recus() const {
    return lire(Journal);
}

QByteArray CarteVirtuelle::fluxRecu() const {
    return lire(FluxRecu);
}

bool CarteVirtuelle::attendreFinRecus(const QByteArray& fin, int ms) const {
    const QDeadlineTimer limite(ms);
    while (!recus().endsWith(fin)) {
        if (limite.hasExpired())
            return false;
        QThread::msleep(5);
    }
    return true;
}

QByteArray CarteVirtuelle::lire(const QString& nom) const {
    QFile fichier(m_dossier.filePath(nom));
    return fichier.open(QIODevice::ReadOnly) ? fichier.readAll() : QByteArray();
}
