#include "cli/CommandLine.h"
#include "cli/CommandRunner.h"

#include <QCoreApplication>
#include <QLibraryInfo>
#include <QLocale>
#include <QTranslator>

int main(int argc, char* argv[]) {
    QCoreApplication app(argc, argv);
    QCoreApplication::setApplicationName(QStringLiteral("lt840-cli"));
    // The parser's own error messages ("Option inconnue …"), French where Qt's translations
    // are installed.
    QTranslator translator;
    if (translator.load(QLocale(QLocale::French), QStringLiteral("qtbase"), QStringLiteral("_"),
                        QLibraryInfo::path(QLibraryInfo::TranslationsPath)))
        QCoreApplication::installTranslator(&translator);

    const auto request = readCommandLine(QCoreApplication::arguments());
    if (const auto* status = std::get_if<ExitStatus>(&request))
        return int(*status);
    if (const auto* generation = std::get_if<Generation>(&request))
        return int(writeGeneration(*generation));
    CommandRunner runner(std::get<Request>(request));
    return int(runner.run());
}
