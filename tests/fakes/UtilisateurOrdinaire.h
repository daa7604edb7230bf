#pragma once

#include <QList>
#include <QString>
#include <pwd.h>
#include <sys/stat.h>
#include <unistd.h>

// The given paths take the given modes while this lives; root, which passes every permission
// check, runs meanwhile as "nobody" (the saved id stays root, which brings it back).
class UtilisateurOrdinaire {
public:
    explicit UtilisateurOrdinaire(const QList<std::pair<QString, mode_t>>& modes) {
        for (const auto& [chemin, mode] : modes) {
            struct stat s {};
            const QByteArray c = chemin.toLocal8Bit();
            if (stat(c.constData(), &s) != 0 || chmod(c.constData(), mode) != 0)
                return;
            m_anciens.append({c, s.st_mode & 07777});
        }
        const passwd* pw = getpwnam("nobody");
        const uid_t personne = pw ? pw->pw_uid : 65534;
        m_personne = getuid() == 0 && setresuid(personne, personne, 0) == 0;
        m_pret = m_anciens.size() == modes.size() && (m_personne || getuid() != 0);
    }
    ~UtilisateurOrdinaire() {
        if (m_personne && setresuid(0, 0, 0) != 0)
            _exit(99); // the tests after this one would run without their rights
        for (const auto& [chemin, mode] : m_anciens)
            chmod(chemin.constData(), mode);
    }
    Q_DISABLE_COPY(UtilisateurOrdinaire)
    // False when the modes or the user could not be changed: the test cannot stand.
    bool pret() const { return m_pret; }

private:
    QList<std::pair<QByteArray, mode_t>> m_anciens;
    bool m_personne = false;
    bool m_pret = false;
};
