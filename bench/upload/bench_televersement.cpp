#include "CarteVirtuelle.h"
#include "PortCompteur.h"
#include "PosteReel.h"

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QTextStream>
#include <algorithm>
#include <ctime>

// Times "&Programmation" against the virtual board and compares it with the time the bytes
// that crossed the line need at 9600 baud, 10 bits a byte, both directions: no editor can
// beat that bound, so the ratio shows what the editor and the serial layer add to it.

namespace {

constexpr double SecondesParOctet = 10.0 / 9600.0;
constexpr int Passes = 5;

double tempsProcesseur() {
    timespec t{};
    clock_gettime(CLOCK_PROCESS_CPUTIME_ID, &t);
    return double(t.tv_sec) + double(t.tv_nsec) / 1e9;
}

struct Mesure {
    double mur = 0;
    double processeur = 0;
    double ouvertureFermeture = 0;
    qint64 octets = 0;
    QString echec;

    double borne() const { return double(octets) * SecondesParOctet; }
    double ratio() const { return mur / borne(); }
};

Mesure televerser(int trames) {
    Mesure m;
    CarteVirtuelle carte;
    m.echec = carte.demarrer();
    if (!m.echec.isEmpty())
        return m;
    SerialPortQt serie;
    PortCompteur port(serie);
    PosteReel poste(&port);
    poste.composer(trames);

    QElapsedTimer mur;
    const double processeur = tempsProcesseur();
    mur.start();
    poste.ed.transmet_Click();
    m.mur = double(mur.nsecsElapsed()) / 1e9;
    m.processeur = tempsProcesseur() - processeur;
    m.ouvertureFermeture = double(port.ouvertureFermetureNs) / 1e9;
    m.octets = port.envoyes + port.recus;
    if (!poste.messages.affichees.isEmpty())
        m.echec = poste.messages.affichees.first().prompt;
    return m;
}

QString ligne(const QString& nom, const QString& passe, const Mesure& m) {
    return QStringLiteral("%1 %2 %3 %4 %5 %6 %7 %8 %9%\n")
        .arg(nom, -8)
        .arg(passe, 6)
        .arg(m.mur * 1000, 9, 'f', 1)
        .arg(m.borne() * 1000, 9, 'f', 1)
        .arg(m.octets, 6)
        .arg(m.ratio(), 6, 'f', 3)
        .arg(m.ouvertureFermeture * 1000, 8, 'f', 1)
        .arg(m.processeur * 1000, 7, 'f', 1)
        .arg(100 * m.processeur / m.mur, 8, 'f', 2);
}

} // namespace

int main(int argc, char* argv[]) {
    QCoreApplication app(argc, argv);
    QTextStream out(stdout);
    out << "sequence    run   wall ms  bound ms  bytes  ratio  open/close ms  cpu ms  cpu/wall\n";
    bool ok = true;
    for (const auto& [nom, trames] : {std::pair{"full", 251}, std::pair{"short", 20}}) {
        QList<Mesure> mesures;
        for (int passe = 1; passe <= Passes; ++passe) {
            const Mesure m = televerser(trames);
            if (!m.echec.isEmpty()) {
                out << nom << ": upload failed: " << m.echec << Qt::endl;
                ok = false;
                continue;
            }
            out << ligne(QLatin1String(nom), QString::number(passe), m);
            mesures.append(m);
        }
        if (mesures.isEmpty())
            continue;
        std::sort(mesures.begin(), mesures.end(),
                  [](const Mesure& a, const Mesure& b) { return a.ratio() < b.ratio(); });
        out << ligne(QLatin1String(nom), QStringLiteral("median"), mesures.at(mesures.size() / 2));
    }
    out << "goal: ratio <= 1.05, cpu/wall <= 5%\n";
    return ok ? 0 : 1;
}
