#include "window/EditeurQt.h"

#include <QApplication>
#include <QIcon>
#include <QLibraryInfo>
#include <QTranslator>
#include <cstdio>

namespace {

// Without a display Qt would abort with a long message; one line says what to do.
bool affichageDisponible() {
#if defined(Q_OS_UNIX) && !defined(Q_OS_MACOS)
    return qEnvironmentVariableIsSet("QT_QPA_PLATFORM") || qEnvironmentVariableIsSet("DISPLAY") ||
           qEnvironmentVariableIsSet("WAYLAND_DISPLAY");
#else
    return true;
#endif
}

// Qt's own dialogs speak the interface's language when the translation is installed.
void traduireQt(QApplication& app, QTranslator& traducteur) {
    if (traducteur.load(QLocale(QLocale::French), QStringLiteral("qtbase"), QStringLiteral("_"),
                        QLibraryInfo::path(QLibraryInfo::TranslationsPath)))
        app.installTranslator(&traducteur);
}

} // namespace

int main(int argc, char* argv[]) {
    if (!affichageDisponible()) {
        std::fputs("lt840: no display found (set DISPLAY, or QT_QPA_PLATFORM=offscreen)\n", stderr);
        return 1;
    }
    QApplication app(argc, argv);
    QApplication::setApplicationName(TitreApplication);
    // Lets the desktop match the window with the menu entry and its icon; an editor run from
    // its build folder finds no installed icon and keeps Qt's.
    QGuiApplication::setDesktopFileName(QStringLiteral(LT840_APP_ID));
    QApplication::setWindowIcon(QIcon::fromTheme(QStringLiteral(LT840_APP_ID)));
    QTranslator traducteur;
    traduireQt(app, traducteur);

    EditeurQt editeur;
    editeur.fenetre().show();
    return app.exec();
}
