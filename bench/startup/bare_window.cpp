// The yardstick of the start-up benchmark: Qt's own cost of showing an empty main window, or,
// with the argument "label", one showing a single word: the least any window with text costs.
// Ends, as the editor does under LT840_QUIT_WHEN_SHOWN=1, once the window's first frame has
// been painted.

#include <QApplication>
#include <QLabel>
#include <QMainWindow>

namespace {

// The loop ends once the paint, which has only begun, is over.
class QuitAfterFirstFrame : public QObject {
public:
    explicit QuitAfterFirstFrame(QWidget* window) : QObject(window) {
        window->installEventFilter(this);
    }

protected:
    bool eventFilter(QObject* watched, QEvent* event) override {
        if (event->type() == QEvent::Paint) {
            watched->removeEventFilter(this);
            QCoreApplication::exit(0);
        }
        return false;
    }
};

} // namespace

int main(int argc, char* argv[]) {
    QApplication app(argc, argv);
    QMainWindow window;
    if (app.arguments().contains(QStringLiteral("label")))
        window.setCentralWidget(new QLabel(QStringLiteral("Séquence")));
    new QuitAfterFirstFrame(&window);
    window.show();
    return app.exec();
}
