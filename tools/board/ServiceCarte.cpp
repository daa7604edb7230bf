#include "board/ServiceCarte.h"

#include "board/ChronologieCarte.h"
#include "board/PseudoTerminal.h"

#include <QFile>
#include <QFileInfo>
#include <QSaveFile>
#include <QTextStream>

#include <algorithm>
#include <cerrno>
#include <csignal>
#include <cstring>
#include <poll.h>
#include <unistd.h>

namespace cartevirtuelle {

namespace {

volatile std::sig_atomic_t arretDemande = 0;

void demanderArret(int) {
    arretDemande = 1;
}

// The stop signals stay blocked except while waiting in ppoll(), so one cannot slip in between
// the check of the flag and the wait. Returns the mask to wait with.
sigset_t capterSignauxArret() {
    struct sigaction action {};
    action.sa_handler = demanderArret;
    ::sigemptyset(&action.sa_mask);
    ::sigaction(SIGTERM, &action, nullptr);
    ::sigaction(SIGINT, &action, nullptr);
    sigset_t arrets;
    ::sigemptyset(&arrets);
    ::sigaddset(&arrets, SIGTERM);
    ::sigaddset(&arrets, SIGINT);
    sigset_t masqueAttente;
    ::sigprocmask(SIG_BLOCK, &arrets, &masqueAttente);
    ::sigdelset(&masqueAttente, SIGTERM);
    ::sigdelset(&masqueAttente, SIGINT);
    return masqueAttente;
}

void signaler(const QString& texte) {
    QTextStream(stderr) << "lt840-board: " << texte << Qt::endl;
}

QString erreurSysteme() {
    return QString::fromLocal8Bit(std::strerror(errno));
}

// Sleeps until the editor writes, the deadline passes or a stop signal comes. The result is
// poll's revents for the master, 0 when nothing was readable, -1 on failure.
int attendreLigne(int fd, std::optional<Instant> echeance, const sigset_t& masqueAttente) {
    timespec delai{};
    if (echeance) {
        const auto reste = std::max(*echeance - Horloge::now(), Horloge::duration::zero());
        const auto nanos = std::chrono::duration_cast<std::chrono::nanoseconds>(reste).count();
        delai.tv_sec = nanos / 1'000'000'000;
        delai.tv_nsec = nanos % 1'000'000'000;
    }
    pollfd ligne{fd, POLLIN, 0};
    const int prets = ::ppoll(&ligne, 1, echeance ? &delai : nullptr, &masqueAttente);
    if (prets < 0)
        return errno == EINTR ? 0 : -1;
    return prets == 0 ? 0 : ligne.revents;
}

// A receive buffer that is full because nobody reads it loses bytes, as a UART would.
void ecrireSalve(int fd, const QByteArray& octets) {
    qsizetype envoyes = 0;
    while (envoyes < octets.size()) {
        const ssize_t ecrits =
            ::write(fd, octets.constData() + envoyes, size_t(octets.size() - envoyes));
        if (ecrits < 0 && errno == EINTR)
            continue;
        if (ecrits <= 0) {
            signaler(QStringLiteral("reply bytes lost: %1").arg(erreurSysteme()));
            return;
        }
        envoyes += ecrits;
    }
}

void sauverFlux(const QString& chemin, const QByteArray& flux) {
    QSaveFile fichier(chemin);
    if (!fichier.open(QIODevice::WriteOnly) || fichier.write(flux) != flux.size() ||
        !fichier.commit())
        signaler(QStringLiteral("cannot write %1: %2").arg(chemin, fichier.errorString()));
}

bool creerLien(const QString& lien, const QString& cible) {
    if (QFileInfo(lien).isSymLink())
        QFile::remove(lien);
    return QFile::link(cible, lien);
}

void retirerLien(const QString& lien, const QString& cible) {
    if (QFileInfo(lien).symLinkTarget() == cible)
        QFile::remove(lien);
}

class Service {
public:
    Service(const OptionsCarte& options, PseudoTerminal& terminal)
        : m_options(options), m_terminal(terminal),
          m_chronologie(options.identification, options.panne) {}

    bool ouvrirJournal();
    int servir(const sigset_t& masqueAttente);

private:
    bool prendreEntree(int revents);
    void journaliser(const QByteArray& octets);

    const OptionsCarte& m_options;
    PseudoTerminal& m_terminal;
    ChronologieCarte m_chronologie;
    QFile m_journal;
};

bool Service::ouvrirJournal() {
    if (m_options.cheminJournal.isEmpty())
        return true;
    m_journal.setFileName(m_options.cheminJournal);
    if (m_journal.open(QIODevice::WriteOnly | QIODevice::Append | QIODevice::Unbuffered))
        return true;
    signaler(
        QStringLiteral("cannot open %1: %2").arg(m_options.cheminJournal, m_journal.errorString()));
    return false;
}

int Service::servir(const sigset_t& masqueAttente) {
    while (!arretDemande) {
        const int revents =
            attendreLigne(m_terminal.maitre(), m_chronologie.prochaineEcheance(), masqueAttente);
        if (revents < 0) {
            signaler(QStringLiteral("cannot wait for the line: %1").arg(erreurSysteme()));
            return 1;
        }
        if (!prendreEntree(revents))
            return 1;
        const SortieChronologie sortie = m_chronologie.avancer(Horloge::now());
        for (const QByteArray& flux : sortie.flux) {
            if (!m_options.cheminFlux.isEmpty())
                sauverFlux(m_options.cheminFlux, flux);
        }
        if (sortie.raccrochage) {
            m_terminal.fermer();
            return 0;
        }
        for (const QByteArray& salve : sortie.salves)
            ecrireSalve(m_terminal.maitre(), salve);
    }
    return 0;
}

// False when the line is gone. With the board's own slave descriptor open the master never
// hangs up, so a hang-up or an error here is fatal; carrying on would spin on a dead line.
bool Service::prendreEntree(int revents) {
    if ((revents & POLLIN) == 0) {
        if ((revents & (POLLHUP | POLLERR | POLLNVAL)) == 0)
            return true;
        signaler(QStringLiteral("the pseudo-terminal hung up"));
        return false;
    }
    char tampon[4096];
    const ssize_t lus = ::read(m_terminal.maitre(), tampon, sizeof tampon);
    if (lus <= 0) {
        if (lus < 0 && (errno == EAGAIN || errno == EINTR))
            return true;
        signaler(QStringLiteral("cannot read the pseudo-terminal: %1").arg(erreurSysteme()));
        return false;
    }
    const QByteArray octets(tampon, lus);
    journaliser(octets);
    m_chronologie.recevoir(octets, Horloge::now());
    return true;
}

void Service::journaliser(const QByteArray& octets) {
    if (m_journal.isOpen() && m_journal.write(octets) != octets.size())
        signaler(QStringLiteral("cannot log to %1: %2")
                     .arg(m_journal.fileName(), m_journal.errorString()));
}

} // namespace

int servirCarte(const OptionsCarte& options) {
    const sigset_t masqueAttente = capterSignauxArret();
    QString erreur;
    std::optional<PseudoTerminal> terminal = PseudoTerminal::ouvrir(&erreur);
    if (!terminal) {
        signaler(erreur);
        return 1;
    }
    Service service(options, *terminal);
    if (!service.ouvrirJournal())
        return 1;
    const QString& peripherique = terminal->cheminEsclave();
    if (!options.cheminLien.isEmpty() && !creerLien(options.cheminLien, peripherique)) {
        signaler(QStringLiteral("cannot link %1 to %2").arg(options.cheminLien, peripherique));
        return 1;
    }
    QTextStream(stdout) << peripherique << Qt::endl;
    const int statut = service.servir(masqueAttente);
    if (!options.cheminLien.isEmpty())
        retirerLien(options.cheminLien, peripherique);
    return statut;
}

} // namespace cartevirtuelle
