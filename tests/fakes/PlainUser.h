#pragma once

#include <QList>
#include <QString>

#include <sys/stat.h>
#include <unistd.h>

// While this lives the paths take the modes given and root, which passes every check, is "nobody".
class PlainUser {
public:
    explicit PlainUser(const QList<std::pair<QString, mode_t>>& modes) {
        for (const auto& [path, mode] : modes) {
            struct stat status {};
            const QByteArray p = path.toLocal8Bit();
            if (stat(p.constData(), &status) != 0 || chmod(p.constData(), mode) != 0)
                return;
            m_previousModes.append({p, status.st_mode & 07777});
        }
        const uid_t nobody = 65534; // root may take any id, listed or not
        m_asNobody = getuid() == 0 && setresuid(nobody, nobody, 0) == 0;
        m_ready = m_previousModes.size() == modes.size() && (m_asNobody || getuid() != 0);
    }
    ~PlainUser() {
        if (m_asNobody && setresuid(0, 0, 0) != 0)
            _exit(99); // the tests after this one would run without their rights
        for (const auto& [path, mode] : m_previousModes)
            chmod(path.constData(), mode);
    }
    Q_DISABLE_COPY(PlainUser)
    // False when the modes or the user could not be changed: the test cannot stand.
    bool ready() const { return m_ready; }

private:
    QList<std::pair<QByteArray, mode_t>> m_previousModes;
    bool m_asNobody = false;
    bool m_ready = false;
};
