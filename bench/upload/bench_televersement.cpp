#include "CarteVirtuelle.h"
#include "PortCompteur.h"
#include "PosteReel.h"

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QTextStream>
#include <algorithm>
#include <array>
#include <ctime>
#include <numeric>

// Times "&Programmation" against the virtual board, with the same exchanges as the window
// (identification included), and compares the time the exchanges take with the time the bytes
// that crossed the line need at 9600 baud, 10 bits a byte, both directions: no editor can beat
// that bound, so the ratio shows what the editor and the serial layer add to it. Opening and
// closing the port (a lock file, the line settings, the last bytes leaving) are timed apart.
// The turnaround is the editor's own time between a reply and its next message.

namespace {

constexpr double SecondesParOctet = 10.0 / 9600.0;
constexpr int Passes = 7;

double tempsProcesseur() {
    timespec t{};
    clock_gettime(CLOCK_PROCESS_CPUTIME_ID, &t);
    return double(t.tv_sec) + double(t.tv_nsec) / 1e9;
}

double mediane(QList<double> valeurs) {
    if (valeurs.isEmpty())
        return 0;
    std::sort(valeurs.begin(), valeurs.end());
    return valeurs.at(valeurs.size() / 2);
}

double maximum(const QList<double>& valeurs) {
    return valeurs.isEmpty() ? 0 : *std::max_element(valeurs.begin(), valeurs.end());
}

QList<double> millisecondes(const QList<qint64>& ns) {
    QList<double> ms;
    for (qint64 n : ns)
        ms.append(double(n) / 1e6);
    return ms;
}

// Times in milliseconds.
struct Mesure {
    double mur = 0;
    double ouvertureFermeture = 0;
    double borne = 0;
    double retournementTotal = 0;
    double retournementMedian = 0;
    double retournementMax = 0;
    double ligneMedian = 0;
    double ligneMax = 0;
    double processeur = 0;
    QString echec;

    double echanges() const { return mur - ouvertureFermeture; }
    double ratio() const { return echanges() / borne; }
};

// Records `n` frames as a user would: frame k lights the lamps of the bits of 37k + 1 and
// takes time-base button k % 6, on the base period "0.1".
void composer(LT840& ed, int n) {
    constexpr std::array<float, NombreLampes> Lampes{465, 1072, 1665, 2287, 2872, 3480, 4072, 4680};
    ed.Ctl.List1Index = 3;
    ed.List1_Click();
    for (int k = 0; k < n; ++k) {
        ed.Cmd9_MouseDown(Souris::Gauche);
        const int motif = (37 * k + 1) & 0xFF;
        for (int j = 0; j < NombreLampes; ++j)
            if (motif & (1 << j))
                ed.Frame1_MouseDown(Souris::Gauche, Lampes[j], 600);
        ed.Option1_MouseDown(k % 6, Souris::Gauche);
        ed.Cmd1_MouseDown(Souris::Gauche);
    }
}

Mesure televerser(int trames) {
    Mesure m;
    CarteVirtuelle carte;
    m.echec = carte.demarrer();
    if (!m.echec.isEmpty())
        return m;
    SerialPortQt serie;
    PortCompteur port(serie);
    PosteReel poste(&port);
    composer(poste.ed, trames);

    QElapsedTimer mur;
    const double processeur = tempsProcesseur();
    mur.start();
    poste.ed.transmet_Click();
    m.mur = double(mur.nsecsElapsed()) / 1e6;
    m.processeur = (tempsProcesseur() - processeur) * 1000;
    m.ouvertureFermeture = double(port.ouvertureFermetureNs) / 1e6;
    m.borne = double(port.envoyes + port.recus) * SecondesParOctet * 1000;
    const QList<double> retournements = millisecondes(port.retournementsNs);
    const QList<double> ligne = millisecondes(port.retournementsLigneNs);
    m.retournementTotal = std::accumulate(retournements.begin(), retournements.end(), 0.0);
    m.retournementMedian = mediane(retournements);
    m.retournementMax = maximum(retournements);
    m.ligneMedian = mediane(ligne);
    m.ligneMax = maximum(ligne);
    if (!poste.messages.affichees.isEmpty())
        m.echec = poste.messages.affichees.first().prompt;
    return m;
}

QString ligne(const QString& nom, const QString& passe, const Mesure& m, double ratio) {
    return QStringLiteral("%1 %2 %3 %4 %5 %6 %7 %8 %9 %10 %11 %12 %13%\n")
        .arg(nom, -6)
        .arg(passe, 6)
        .arg(m.mur, 8, 'f', 1)
        .arg(m.ouvertureFermeture, 7, 'f', 1)
        .arg(m.echanges(), 8, 'f', 1)
        .arg(m.borne, 7, 'f', 1)
        .arg(ratio, 6, 'f', 3)
        .arg(m.retournementTotal, 8, 'f', 2)
        .arg(m.retournementMedian, 7, 'f', 3)
        .arg(m.retournementMax, 7, 'f', 3)
        .arg(m.ligneMedian, 7, 'f', 3)
        .arg(m.ligneMax, 7, 'f', 3)
        .arg(100 * m.processeur / m.mur, 6, 'f', 2);
}

// Each figure's own median over the runs.
Mesure medianes(const QList<Mesure>& mesures) {
    const auto de = [&mesures](double Mesure::*champ) {
        QList<double> v;
        for (const Mesure& m : mesures)
            v.append(m.*champ);
        return mediane(v);
    };
    Mesure m;
    for (double Mesure::*champ :
         {&Mesure::mur, &Mesure::ouvertureFermeture, &Mesure::borne, &Mesure::retournementTotal,
          &Mesure::retournementMedian, &Mesure::retournementMax, &Mesure::ligneMedian,
          &Mesure::ligneMax, &Mesure::processeur})
        m.*champ = de(champ);
    return m;
}

} // namespace

int main(int argc, char* argv[]) {
    QCoreApplication app(argc, argv);
    QTextStream out(stdout);
    out << "(ms)      run     wall  open+cl exchanges  bound  ratio  turn sum turn med turn max "
           "line med line max cpu/wall\n";
    bool ok = true;
    for (const auto& [nom, trames] : {std::pair{"full", 251}, std::pair{"short", 20}}) {
        QList<Mesure> mesures;
        QList<double> ratios;
        for (int passe = 1; passe <= Passes; ++passe) {
            const Mesure m = televerser(trames);
            if (!m.echec.isEmpty()) {
                out << nom << ": upload failed: " << m.echec << Qt::endl;
                ok = false;
                continue;
            }
            out << ligne(QLatin1String(nom), QString::number(passe), m, m.ratio());
            mesures.append(m);
            ratios.append(m.ratio());
        }
        if (!mesures.isEmpty())
            out << ligne(QLatin1String(nom), QStringLiteral("median"), medianes(mesures),
                         mediane(ratios));
    }
    out << "ratio = exchanges / bound; goal: ratio <= 1.05, turnaround median < 1 ms and "
           "max < 3 ms, cpu/wall <= 5%\n"
           "turn: from the editor's first sight of a reply to its next write; line: from the "
           "reply's end on the wire by the line model, board and kernel wake-up included\n";
    return ok ? 0 : 1;
}
