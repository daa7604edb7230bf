#include "cli/PosteTerminal.h"
#include "serial/PortMemorise.h"

#include <QCommandLineParser>
#include <QCoreApplication>
#include <QLibraryInfo>
#include <QTextStream>
#include <QTranslator>

#include <algorithm>
#include <cstdio>
#ifdef Q_OS_UNIX
#include <unistd.h>
#endif

namespace {

const QString Description = QStringLiteral(
    "Programme une carte chenillard LT840 par sa liaison série, sans fenêtre.\n"
    "\n"
    "Commandes :\n"
    "  identify --port PÉRIPHÉRIQUE            affiche l'identification de la carte\n"
    "  program FICHIER.dat --port PÉRIPHÉRIQUE  programme la séquence, puis réinitialise "
    "la carte\n"
    "  reset --port PÉRIPHÉRIQUE               réinitialise la carte\n"
    "  check FICHIER.dat                       vérifie le fichier, affiche le nombre "
    "d'enregistrements et la durée d'un tour\n"
    "\n"
    "Sans --port : la variable LT840_PORT, sinon le port choisi en dernier dans la fenêtre.\n"
    "\n"
    "Code de sortie : 0 fait ; 1 usage ; 2 fichier absent ou non compatible ; 3 port non "
    "disponible ; 4 la carte n'a pas répondu (défaut de dialogue).");

struct Commande {
    QString nom;
    bool fichier; // takes a sequence file
    bool port;    // talks to the board
};

const Commande Commandes[] = {{QStringLiteral("identify"), false, true},
                              {QStringLiteral("program"), true, true},
                              {QStringLiteral("reset"), false, true},
                              {QStringLiteral("check"), true, false}};

int usage(const QString& texte) {
    QTextStream(stderr) << "lt840-cli: " << texte << Qt::endl
                        << "lt840-cli --help en dit plus." << Qt::endl;
    return Usage;
}

bool surTerminal() {
#ifdef Q_OS_UNIX
    return isatty(fileno(stdout)) != 0;
#else
    return false;
#endif
}

QString portDemande(const QCommandLineParser& analyseur, const QCommandLineOption& port) {
    if (analyseur.isSet(port))
        return analyseur.value(port);
    const QString variable = qEnvironmentVariable("LT840_PORT");
    return variable.isEmpty() ? portmemorise::lire() : variable;
}

} // namespace

int main(int argc, char* argv[]) {
    QCoreApplication app(argc, argv);
    QCoreApplication::setApplicationName(QStringLiteral("lt840-cli"));
    QCoreApplication::setApplicationVersion(QStringLiteral(LT840_VERSION));
    QTranslator traducteur;
    if (traducteur.load(QLocale(QLocale::French), QStringLiteral("qtbase"), QStringLiteral("_"),
                        QLibraryInfo::path(QLibraryInfo::TranslationsPath)))
        QCoreApplication::installTranslator(&traducteur);

    QCommandLineParser analyseur;
    analyseur.setApplicationDescription(Description);
    analyseur.addHelpOption();
    analyseur.addVersionOption();
    const QCommandLineOption port(QStringLiteral("port"),
                                  QStringLiteral("Le port série de la carte (/dev/ttyUSB0, COM7)."),
                                  QStringLiteral("PÉRIPHÉRIQUE"));
    const QCommandLineOption base(
        QStringLiteral("base"),
        QStringLiteral("La base de temps : 0.01 (par défaut), 0.02, 0.05, 0.1 … 0.4."),
        QStringLiteral("PÉRIODE"), QStringLiteral("0.01"));
    const QCommandLineOption trace(
        QStringLiteral("trace"),
        QStringLiteral("Montre chaque échange avec la carte sur la sortie d'erreur."));
    analyseur.addOptions({port, base, trace});
    analyseur.addPositionalArgument(QStringLiteral("commande"),
                                    QStringLiteral("identify, program, reset ou check."));
    analyseur.addPositionalArgument(QStringLiteral("fichier"),
                                    QStringLiteral("La séquence (.dat) de program et check."),
                                    QStringLiteral("[FICHIER.dat]"));
    if (!analyseur.parse(QCoreApplication::arguments()))
        return usage(analyseur.errorText());
    if (analyseur.isSet(QStringLiteral("help")))
        analyseur.showHelp(Fait);
    if (analyseur.isSet(QStringLiteral("version")))
        analyseur.showVersion();

    const QStringList arguments = analyseur.positionalArguments();
    if (arguments.isEmpty())
        return usage(QStringLiteral("aucune commande"));
    const auto c = std::find_if(std::begin(Commandes), std::end(Commandes),
                                [&](const Commande& c) { return c.nom == arguments.first(); });
    if (c == std::end(Commandes))
        return usage(QStringLiteral("commande inconnue : %1").arg(arguments.first()));
    if (arguments.size() != (c->fichier ? 2 : 1))
        return usage(c->fichier ? QStringLiteral("%1 attend un fichier .dat").arg(c->nom)
                                : QStringLiteral("%1 n'attend pas de fichier").arg(c->nom));
    const QString peripherique = c->port ? portDemande(analyseur, port) : QString();
    if (c->port && peripherique.isEmpty())
        return usage(QStringLiteral("aucun port : donnez --port PÉRIPHÉRIQUE, ou LT840_PORT"));

    PosteTerminal poste(peripherique, analyseur.isSet(trace), surTerminal());
    if (!choisirBase(poste.ed(), analyseur.value(base)))
        return usage(QStringLiteral("base de temps inconnue : %1").arg(analyseur.value(base)));
    if (c->nom == QLatin1String("identify"))
        return identifier(poste);
    if (c->nom == QLatin1String("reset"))
        return reinitialiser(poste);
    if (c->nom == QLatin1String("program"))
        return programmer(poste, arguments.at(1));
    return verifier(poste, arguments.at(1));
}
