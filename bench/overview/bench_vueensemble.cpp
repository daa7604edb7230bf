// Draws the overview of 1,025 records into an image, whole and one column at a time, against
// a plain fill of the same area measured in the same run, and prints the median of each.

#include "editor/Format.h"
#include "window/VueEnsemble.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QImage>
#include <QPainter>
#include <QRandomGenerator>
#include <algorithm>
#include <cstdio>
#include <functional>
#include <vector>

namespace {

constexpr int Repetitions = 41;

// Every record different, every code from 0 to 8, a few records in the shaded range.
ImageSequence sequenceComplete() {
    ImageSequence image;
    image.allumee = QColor(255, 0, 0);
    image.eteinte = QColor(255, 128, 128);
    QRandomGenerator hasard(840);
    image.colonnes.resize(DernierEnr + 1);
    for (int r = 0; r < image.colonnes.size(); ++r) {
        ColonneVue& c = image.colonnes[r];
        c.lampes = quint8(hasard.bounded(256));
        c.code = qint16(r % 9);
        c.dansPlage = r >= 100 && r < 200;
        c.courante = c.jouee = r == 150;
    }
    return image;
}

double medianeMs(const std::function<void()>& f) {
    std::vector<double> temps;
    for (int i = 0; i < Repetitions; ++i) {
        QElapsedTimer t;
        t.start();
        f();
        temps.push_back(double(t.nsecsElapsed()) / 1e6);
    }
    std::nth_element(temps.begin(), temps.begin() + Repetitions / 2, temps.end());
    return temps[Repetitions / 2];
}

// The same painter settings for the overview and for the baseline.
double dessiner(QImage& cible, const QRect& zone, const std::function<void(QPainter&)>& f) {
    return medianeMs([&] {
        QPainter p(&cible);
        p.setClipRect(zone);
        f(p);
    });
}

} // namespace

int main(int argc, char* argv[]) {
    QApplication app(argc, argv);
    VueEnsemble vue(nullptr);
    vue.montrer(sequenceComplete());
    const QRect tout(0, 0, (DernierEnr + 1) * VueEnsemble::LargeurColonne, VueEnsemble::Hauteur);
    const QRect colonne = VueEnsemble::rectColonne(512);
    QImage cible(tout.size(), QImage::Format_ARGB32_Premultiplied);
    const auto remplir = [](const QRect& z) {
        return [z](QPainter& p) { p.fillRect(z, Qt::white); };
    };
    const auto vueSur = [&vue](const QRect& z) {
        return [&vue, z](QPainter& p) { vue.peindre(p, z); };
    };

    const double toutVue = dessiner(cible, tout, vueSur(tout));
    const double toutFond = dessiner(cible, tout, remplir(tout));
    const double colVue = dessiner(cible, colonne, vueSur(colonne));
    const double colFond = dessiner(cible, colonne, remplir(colonne));
    std::printf("overview of %d records, %dx%d pixels, median of %d draws\n", DernierEnr + 1,
                tout.width(), tout.height(), Repetitions);
    std::printf("  whole strip : %8.3f ms  (plain fill %8.3f ms, ratio %6.1f)\n", toutVue, toutFond,
                toutVue / toutFond);
    std::printf("  one column  : %8.3f ms  (plain fill %8.3f ms, ratio %6.1f)\n", colVue, colFond,
                colVue / colFond);
    std::printf("  a frame at 60 Hz lasts 16.7 ms: the whole strip takes %.1f %% of one\n",
                100.0 * toutVue / (1000.0 / 60.0));
    return 0;
}
