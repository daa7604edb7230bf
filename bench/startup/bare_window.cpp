// The yardstick of the start-up benchmark: Qt's own cost of showing an empty main window.
// Ends, as the editor does under LT840_QUIT_WHEN_SHOWN=1, once the event loop has run once.

#include <QApplication>
#include <QMainWindow>
#include <QTimer>

int main(int argc, char* argv[]) {
    QApplication app(argc, argv);
    QMainWindow window;
    window.show();
    QTimer::singleShot(0, &app, [] { QCoreApplication::exit(0); });
    return app.exec();
}
