// Draws the overview of 1,025 records into an image, whole and one column at a time, against
// a plain fill of the same area measured in the same run, and prints the median of each.

#include "model/Sequence.h"
#include "window/widgets/Overview.h"

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
OverviewImage fullStore() {
    OverviewImage image;
    image.lit = QColor(255, 0, 0);
    image.unlit = QColor(255, 128, 128);
    QRandomGenerator random(840);
    image.columns.resize(Sequence::Capacity);
    for (int r = 0; r < image.columns.size(); ++r) {
        OverviewColumn& c = image.columns[r];
        c.lamps = quint8(random.bounded(256));
        c.code = qint16(r % 9);
        c.inRange = r >= 100 && r < 200;
        c.current = c.played = r == 150;
    }
    image.columns.last().working = true;
    return image;
}

double medianMs(const std::function<void()>& f) {
    std::vector<double> times;
    for (int i = 0; i < Repetitions; ++i) {
        QElapsedTimer t;
        t.start();
        f();
        times.push_back(double(t.nsecsElapsed()) / 1e6);
    }
    std::nth_element(times.begin(), times.begin() + Repetitions / 2, times.end());
    return times[Repetitions / 2];
}

// The same painter settings for the overview and for the baseline.
double draw(QImage& target, const QRect& area, const std::function<void(QPainter&)>& f) {
    return medianMs([&] {
        QPainter p(&target);
        p.setClipRect(area);
        f(p);
    });
}

} // namespace

int main(int argc, char* argv[]) {
    QApplication app(argc, argv);
    Overview overview;
    overview.showImage(fullStore());
    const QRect whole(0, 0, Sequence::Capacity * Overview::ColumnWidth, Overview::StripHeight);
    const QRect column = Overview::columnRect(512);
    QImage target(whole.size(), QImage::Format_ARGB32_Premultiplied);
    const auto fill = [](const QRect& area) {
        return [area](QPainter& p) { p.fillRect(area, Qt::white); };
    };
    const auto overviewOn = [&overview](const QRect& area) {
        return [&overview, area](QPainter& p) { overview.paint(p, area); };
    };

    const double wholeOverview = draw(target, whole, overviewOn(whole));
    const double wholeFill = draw(target, whole, fill(whole));
    const double columnOverview = draw(target, column, overviewOn(column));
    const double columnFill = draw(target, column, fill(column));
    std::printf("overview of %d records, %dx%d pixels, median of %d draws\n", Sequence::Capacity,
                whole.width(), whole.height(), Repetitions);
    std::printf("  whole strip : %8.3f ms  (plain fill %8.3f ms, ratio %6.1f)\n", wholeOverview,
                wholeFill, wholeOverview / wholeFill);
    std::printf("  one column  : %8.3f ms  (plain fill %8.3f ms, ratio %6.1f)\n", columnOverview,
                columnFill, columnOverview / columnFill);
    std::printf("  a frame at 60 Hz lasts 16.7 ms: the whole strip takes %.1f %% of one\n",
                100.0 * wholeOverview / (1000.0 / 60.0));
    return 0;
}
