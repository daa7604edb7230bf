#include "CarteVirtuelle.h"

#include <QDeadlineTimer>
#include <QFile>
#include <QThread>

namespace {

const QString Journal = QStringLiteral("recus.bin");
const QString Programme = QStringLiteral("programme.bin");
constexpr int DemarrageMs = 5000;

} // namespace

CarteVirtuelle::~CarteVirtuelle() {
    if (m_processus.state() == QProcess::NotRunning)
        return;
    m_processus.terminate();
    if (!m_processus.waitForFinished(DemarrageMs))
        m_processus.kill();
}

QString CarteVirtuelle::demarrer(const QString& executable, const QStringList& options) {
    m_processus.start(executable,
                      QStringList{QStringLiteral("--log"), m_dossier.filePath(Journal),
                                  QStringLiteral("--program-out"), m_dossier.filePath(Programme)} +
                          options);
    if (!m_processus.waitForStarted(DemarrageMs))
        return m_processus.errorString();
    while (!m_processus.canReadLine() && m_processus.waitForReadyRead(DemarrageMs)) {
    }
    const QByteArray peripherique = m_processus.readLine().trimmed();
    if (peripherique.isEmpty())
        return QStringLiteral("no device: %1")
            .arg(QString::fromLocal8Bit(m_processus.readAllStandardError()));
    qputenv("LT840_COM1", peripherique);
    return {};
}

QByteArray CarteVirtuelle::recus() const {
    return lire(Journal);
}

QByteArray CarteVirtuelle::programme() const {
    return lire(Programme);
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
