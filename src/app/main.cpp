#include "i18n/Language.h"
#include "model/Report.h"
#include "window/DesktopEditor.h"
#include "window/MainWindow.h"
#include "window/widgets/AfterFirstPaint.h"

#include <QApplication>
#include <QCommandLineParser>
#include <QIcon>
#include <QImageReader>
#include <QTimer>

#include <cstdio>
#include <thread>

#if defined(Q_OS_UNIX) && !defined(Q_OS_MACOS)
#include <dlfcn.h>
#endif

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

// The sequence file named on the command line, if any; --help and --version answer and end.
QString fileRequested(const QApplication& app) {
    QCommandLineParser options;
    options.setApplicationDescription(
        QCoreApplication::translate("main", "Éditeur et programmateur de la carte LT840"));
    options.addHelpOption();
    options.addVersionOption();
    options.addPositionalArgument(
        QCoreApplication::translate("main", "fichier"),
        QCoreApplication::translate("main", "Séquence (.dat) à ouvrir au démarrage."),
        QCoreApplication::translate("main", "[fichier]"));
    options.process(app);
    const QStringList files = options.positionalArguments();
    return files.isEmpty() ? QString() : files.first();
}

// Fontconfig's first initialisation (the desktop's font configuration and caches) costs more
// than building the whole window and needs nothing from Qt: a second thread runs it while Qt
// starts. Qt's Gui library brings fontconfig on Linux, so it is found by name, not linked.
std::jthread startFontconfig() {
#if defined(Q_OS_UNIX) && !defined(Q_OS_MACOS)
    using Init = int (*)();
    if (const auto init = reinterpret_cast<Init>(dlsym(RTLD_DEFAULT, "FcInit")))
        return std::jthread(init);
#endif
    return {};
}

} // namespace

int main(int argc, char* argv[]) {
    if (!displayAvailable()) {
        std::fputs("lt840: no display found (set DISPLAY, or QT_QPA_PLATFORM=offscreen)\n", stderr);
        return 1;
    }
    std::jthread fontconfig = startFontconfig();
    QApplication app(argc, argv);
    // Before any text is made: the interface speaks the language chosen in Option › Langue.
    installTranslations(app, interfaceLanguage(chosenLanguage()));
    QApplication::setApplicationName(titles::Application);
    QApplication::setApplicationVersion(QStringLiteral(LT840_VERSION));
    // Lets the desktop match the window with the menu entry and its icon.
    QGuiApplication::setDesktopFileName(QStringLiteral(LT840_APP_ID));
    const QString file = fileRequested(app);
    // While fontconfig finishes, the image plugins load: the window needs them before it shows
    // (the toolbar's extension button, the clipboard's formats).
    QImageReader::supportedImageFormats();
    // The window's first text would otherwise start fontconfig a second time.
    if (fontconfig.joinable())
        fontconfig.join();

    DesktopEditor editor;
    MainWindow& window = editor.window();
    // Searching the icon themes costs more than building the window: the program's icon is
    // looked up once the window is drawn. An editor run from its build folder finds no
    // installed icon and keeps Qt's.
    afterFirstPaint(&window, [] {
        QApplication::setWindowIcon(QIcon::fromTheme(QStringLiteral(LT840_APP_ID)));
    });
    window.show();
    // Opened once the window is up, so that its questions and reports have a window to sit on.
    if (!file.isEmpty())
        QTimer::singleShot(0, &window, [&window, file] { window.openFile(file); });
    if (qEnvironmentVariableIntValue("LT840_QUIT_WHEN_SHOWN") == 1)
        atFirstPaint(&window, [] { QCoreApplication::exit(0); });
    return app.exec();
}
