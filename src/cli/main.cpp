#include "cli/CommandLine.h"
#include "cli/CommandRunner.h"

#include "i18n/Language.h"

#include <QCoreApplication>

int main(int argc, char* argv[]) {
    QCoreApplication app(argc, argv);
    QCoreApplication::setApplicationName(QStringLiteral("lt840-cli"));
    // The language the window would speak: the one chosen in it, else the terminal's (LANG).
    // Qt's own texts (the parser's "Option inconnue …") follow where Qt's translations are
    // installed.
    installTranslations(app, interfaceLanguage(chosenLanguage()));

    const auto request = readCommandLine(QCoreApplication::arguments());
    if (const auto* status = std::get_if<ExitStatus>(&request))
        return int(*status);
    if (const auto* generation = std::get_if<Generation>(&request))
        return int(writeGeneration(*generation));
    CommandRunner runner(std::get<Request>(request));
    // Queued, so that a command that ends before the event loop runs still ends it.
    QObject::connect(
        &runner, &CommandRunner::finished, &app,
        [](ExitStatus status) { QCoreApplication::exit(int(status)); }, Qt::QueuedConnection);
    runner.start();
    return app.exec();
}
