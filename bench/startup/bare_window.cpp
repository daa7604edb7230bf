// The yardstick of the start-up benchmark: Qt's own cost of showing an empty main window, or,
// with the argument "label", one showing a single word: the least any window with text costs.
// Ends, as the editor does under LT840_QUIT_WHEN_SHOWN=1, once the window's first frame has
// been painted.

#include "window/widgets/AfterFirstPaint.h"

#include <QApplication>
#include <QLabel>
#include <QMainWindow>

int main(int argc, char* argv[]) {
    QApplication app(argc, argv);
    QMainWindow window;
    if (app.arguments().contains(QStringLiteral("label")))
        window.setCentralWidget(new QLabel(QStringLiteral("Séquence")));
    atFirstPaint(&window, [] { QCoreApplication::exit(0); });
    window.show();
    return app.exec();
}
