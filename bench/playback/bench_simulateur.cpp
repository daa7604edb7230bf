// Plays 250 records at "0.01" x1 through the window's timer and the window itself, offscreen,
// and compares the timing with a bare precise QTimer measured in the same run.

#include "EcartsTicks.h"
#include "editor/DossiersTemporaires.h"
#include "window/EditeurQt.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QTimer>
#include <cstdio>

namespace {

constexpr int Enregistrements = 250;
constexpr int PeriodeMs = 10;
constexpr int DelaiMaxMs = 30000;

void attendre(QEventLoop& boucle) {
    QTimer::singleShot(DelaiMaxMs, &boucle, [&] {
        std::fputs("timed out\n", stderr);
        boucle.exit(1);
    });
    boucle.exec();
}

QList<qint64> mesurerBase() {
    QElapsedTimer horloge;
    QList<qint64> instants;
    QEventLoop boucle;
    QTimer minuterie;
    minuterie.setTimerType(Qt::PreciseTimer);
    QObject::connect(&minuterie, &QTimer::timeout, [&] {
        instants << horloge.nsecsElapsed();
        if (instants.size() > Enregistrements) {
            minuterie.stop();
            boucle.quit();
        }
    });
    horloge.start();
    instants << horloge.nsecsElapsed();
    minuterie.start(PeriodeMs);
    attendre(boucle);
    return instants;
}

// Records 0..249 at x1 with the "+" button; record 250 follows as the working record.
void memoriserSequence(LT840& ed) {
    ed.Option1_MouseDown(0, Souris::Gauche);
    for (int r = 0; r < Enregistrements; ++r)
        ed.Cmd1_MouseDown(Souris::Gauche);
    ed.Ctl.List1Index = 0;
    ed.Ctl.Text1 = QStringLiteral("0");
}

QList<qint64> mesurerSimulation() {
    QElapsedTimer horloge;
    QList<qint64> instants;
    QEventLoop boucle;
    DossiersTemporaires dossier;
    EditeurQt poste(&dossier);
    LT840& ed = poste.editeur();
    poste.surTick = [&] {
        if (ed.EnLecture)
            instants << horloge.nsecsElapsed();
        poste.tick();
        if (!ed.EnLecture)
            boucle.quit();
    };
    poste.fenetre().show();
    poste.fenetre().executer([&] { memoriserSequence(ed); });
    horloge.start();
    instants << horloge.nsecsElapsed();
    poste.fenetre().executer([&] { ed.Cmd3_MouseDown(Souris::Gauche); });
    attendre(boucle);
    // The tick that ends playback comes after the last record's period: not a step.
    return instants.mid(0, Enregistrements + 1);
}

} // namespace

int main(int argc, char* argv[]) {
    if (!qEnvironmentVariableIsSet("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    const QList<qint64> instantsBase = mesurerBase();
    const QList<qint64> instantsSimulation = mesurerSimulation();
    if (instantsBase.size() != Enregistrements + 1 ||
        instantsSimulation.size() != Enregistrements + 1) {
        std::fputs("incomplete run: not every record was reached\n", stderr);
        return 1;
    }
    const EcartsTicks base = mesurerEcarts(instantsBase, PeriodeMs);
    const EcartsTicks simulation = mesurerEcarts(instantsSimulation, PeriodeMs);
    std::printf("%d records at 0.01 x1, ideal %.1f s\n", Enregistrements,
                Enregistrements * PeriodeMs / 1000.0);
    std::printf("%s\n", qPrintable(decrire(QStringLiteral("bare QTimer (baseline)"), base)));
    std::printf("%s\n", qPrintable(decrire(QStringLiteral("playback"), simulation)));
    std::printf("playback / baseline duration: %.4f\n", simulation.dureeS / base.dureeS);
    return 0;
}
