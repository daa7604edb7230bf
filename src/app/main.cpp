#include "editor/LT840.h"
#include "window/ClipboardQt.h"
#include "window/DossierQt.h"
#include "window/FenetrePrincipale.h"
#include "window/FileDialogQt.h"
#include "window/HorlogeQt.h"
#include "window/MessageBoxQt.h"
#include "window/MinuterieQt.h"
#include "window/PompeQt.h"
#include "window/PortSerieQt.h"

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
    QApplication::setApplicationName(QStringLiteral("LT840"));
    // Lets the desktop match the window with the menu entry and its icon; an editor run from
    // its build folder finds no installed icon and keeps Qt's.
    QGuiApplication::setDesktopFileName(QStringLiteral(LT840_APP_ID));
    QApplication::setWindowIcon(QIcon::fromTheme(QStringLiteral(LT840_APP_ID)));
    QTranslator traducteur;
    traduireQt(app, traducteur);

    LT840* editeur = nullptr;
    FenetrePrincipale* fenetre = nullptr;
    MessageBoxQt messages;
    FileDialogQt fichiers;
    HorlogeQt horloge;
    PompeQt evenements;
    DossierQt dossiers;
    ClipboardQt pressePapiers;
    MinuterieQt minuterie([&] {
        if (fenetre)
            fenetre->executer([&] { editeur->Timer1_Timer(); });
    });

    Plateforme plateforme;
    plateforme.messages = &messages;
    plateforme.fichiers = &fichiers;
    plateforme.minuterie = &minuterie;
    plateforme.horloge = &horloge;
    plateforme.evenements = &evenements;
    plateforme.dossiers = &dossiers;
    plateforme.pressePapiers = &pressePapiers;
    PortSerieQt serie;
    plateforme.serie = &serie;

    LT840 ed(plateforme);
    editeur = &ed;
    ed.Form_Load();
    FenetrePrincipale fen(ed);
    fenetre = &fen;
    messages.attacher(&fen);
    fichiers.attacher(&fen);
    evenements.attacher(&fen);
    fen.show();
    return app.exec();
}
