#include "model/Report.h"
#include "window/DesktopEditor.h"
#include "window/MainWindow.h"

#include <QApplication>
#include <QCommandLineParser>
#include <QIcon>
#include <QLibraryInfo>
#include <QTimer>
#include <QTranslator>

#include <cstdio>

namespace {

// Without a display Qt would abort with a long message; one line says what to do.
bool displayAvailable() {
#if defined(Q_OS_UNIX) && !defined(Q_OS_MACOS)
    return qEnvironmentVariableIsSet("QT_QPA_PLATFORM") || qEnvironmentVariableIsSet("DISPLAY") ||
           qEnvironmentVariableIsSet("WAYLAND_DISPLAY");
#else
    return true;
#endif
}

// Qt's own dialogs speak the interface's language when the translation is installed.
void translateQt(QApplication& app, QTranslator& translator) {
    if (translator.load(QLocale(QLocale::French), QStringLiteral("qtbase"), QStringLiteral("_"),
                        QLibraryInfo::path(QLibraryInfo::TranslationsPath)))
        app.installTranslator(&translator);
}

// The sequence file named on the command line, if any; --help and --version answer and end.
QString fileRequested(const QApplication& app) {
    QCommandLineParser options;
    options.setApplicationDescription(QStringLiteral("Éditeur et programmateur de la carte LT840"));
    options.addHelpOption();
    options.addVersionOption();
    options.addPositionalArgument(QStringLiteral("fichier"),
                                  QStringLiteral("Séquence (.dat) à ouvrir au démarrage."),
                                  QStringLiteral("[fichier]"));
    options.process(app);
    const QStringList files = options.positionalArguments();
    return files.isEmpty() ? QString() : files.first();
}

} // namespace

int main(int argc, char* argv[]) {
    if (!displayAvailable()) {
        std::fputs("lt840: no display found (set DISPLAY, or QT_QPA_PLATFORM=offscreen)\n", stderr);
        return 1;
    }
    QApplication app(argc, argv);
    QApplication::setApplicationName(titles::Application);
    QApplication::setApplicationVersion(QStringLiteral(LT840_VERSION));
    // Lets the desktop match the window with the menu entry and its icon; an editor run from
    // its build folder finds no installed icon and keeps Qt's.
    QGuiApplication::setDesktopFileName(QStringLiteral(LT840_APP_ID));
    QApplication::setWindowIcon(QIcon::fromTheme(QStringLiteral(LT840_APP_ID)));
    QTranslator translator;
    translateQt(app, translator);

    const QString file = fileRequested(app);

    DesktopEditor editor;
    MainWindow& window = editor.window();
    window.show();
    // Opened once the window is up, so that its questions and reports have a window to sit on.
    if (!file.isEmpty())
        QTimer::singleShot(0, &window, [&window, file] { window.openFile(file); });
    // The start-up benchmark times the editor up to its first pass of the event loop.
    if (qEnvironmentVariableIntValue("LT840_QUIT_WHEN_SHOWN") == 1)
        QTimer::singleShot(0, &app, [] { QCoreApplication::exit(0); });
    return app.exec();
}
