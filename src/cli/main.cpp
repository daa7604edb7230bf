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

// Lines of the help stay within a terminal's customary 80 columns.
constexpr int HelpWidth = 79;

struct Commande {
    QString nom;
    bool fichier; // takes a sequence file
    bool port;    // talks to the board
    QString role;
};

const Commande Commandes[] = {
    {QStringLiteral("identify"), false, true,
     QStringLiteral("affiche l'identification de la carte")},
    {QStringLiteral("program"), true, true,
     QStringLiteral("programme la séquence, puis réinitialise la carte")},
    {QStringLiteral("reset"), false, true, QStringLiteral("réinitialise la carte")},
    {QStringLiteral("check"), true, false,
     QStringLiteral("vérifie le fichier, affiche le nombre d'enregistrements et la durée d'un "
                    "tour")}};

using HelpRows = QList<std::pair<QString, QString>>;

const HelpRows Arguments = {
    {QStringLiteral("commande"), QStringLiteral("identify, program, reset ou check.")},
    {QStringLiteral("fichier"), QStringLiteral("La séquence (.dat) de program et check.")}};

const HelpRows ExitStatuses = {
    {QString::number(Fait), QStringLiteral("fait")},
    {QString::number(Usage), QStringLiteral("usage")},
    {QString::number(FichierRefuse), QStringLiteral("fichier absent ou non compatible")},
    {QString::number(PortIndisponible), QStringLiteral("port non disponible")},
    {QString::number(CarteMuette),
     QStringLiteral("la carte n'a pas répondu (défaut de dialogue)")}};

// `text` cut into lines of at most HelpWidth columns, every line after the first indented
// by `indent`; the French space before ":", ";" or "…" never ends a line.
QString wrapped(const QString& text, int indent) {
    QStringList units;
    for (const QString& word : text.split(u' ')) {
        if (!units.isEmpty() && (word == u":" || word == u";" || word == u"…"))
            units.last() += u' ' + word;
        else
            units += word;
    }
    QString result, line;
    for (const QString& unit : units) {
        if (!line.isEmpty() && indent + line.size() + 1 + unit.size() > HelpWidth) {
            result += line + u'\n' + QString(indent, u' ');
            line.clear();
        }
        line += (line.isEmpty() ? QString() : QStringLiteral(" ")) + unit;
    }
    return result + line + u'\n';
}

// Two columns, the first as wide as its longest entry, the second wrapped beside it.
QString columns(const HelpRows& rows) {
    qsizetype width = 0;
    for (const auto& [left, right] : rows)
        width = qMax(width, left.size());
    QString text;
    for (const auto& [left, right] : rows)
        text +=
            QStringLiteral("  ") + left.leftJustified(width + 2) + wrapped(right, int(width) + 4);
    return text;
}

QString syntax(const Commande& c) {
    return c.nom + (c.fichier ? QStringLiteral(" FICHIER.dat") : QString()) +
           (c.port ? QStringLiteral(" --port PÉRIPHÉRIQUE") : QString());
}

QString syntax(const QCommandLineOption& option) {
    QStringList names;
    for (const QString& name : option.names())
        names += (name.size() == 1 ? QStringLiteral("-") : QStringLiteral("--")) + name;
    const QString value = option.valueName();
    return names.join(QStringLiteral(", ")) +
           (value.isEmpty() ? QString() : QStringLiteral(" <%1>").arg(value));
}

QString section(const QString& heading, const HelpRows& rows) {
    return u'\n' + heading + QStringLiteral(" :\n") + columns(rows);
}

// The whole help is composed here rather than by QCommandLineParser, whose headings and
// built-in options are English wherever Qt's own French translation is missing.
QString helpText(const QList<QCommandLineOption>& options) {
    HelpRows commands, optionRows;
    for (const Commande& c : Commandes)
        commands += {syntax(c), c.role};
    for (const QCommandLineOption& option : options)
        optionRows += {syntax(option), option.description()};
    return QStringLiteral("Utilisation : lt840-cli [options] commande [FICHIER.dat]\n"
                          "Programme une carte chenillard LT840 par sa liaison série, sans "
                          "fenêtre.\n") +
           section(QStringLiteral("Commandes"), commands) + u'\n' +
           wrapped(QStringLiteral("Sans --port : la variable LT840_PORT, sinon le port choisi en "
                                  "dernier dans la fenêtre."),
                   0) +
           section(QStringLiteral("Options"), optionRows) +
           section(QStringLiteral("Arguments"), Arguments) +
           section(QStringLiteral("Codes de sortie"), ExitStatuses);
}

int usage(const QString& texte) {
    QTextStream(stderr) << "lt840-cli: " << texte << Qt::endl
                        << "lt840-cli --help en dit plus." << Qt::endl;
    return Usage;
}

bool surTerminal() {
#ifdef Q_OS_UNIX
    return isatty(fileno(stderr)) != 0;
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
    // The parser's own error messages ("Option inconnue …"), French where Qt's translations
    // are installed.
    QTranslator traducteur;
    if (traducteur.load(QLocale(QLocale::French), QStringLiteral("qtbase"), QStringLiteral("_"),
                        QLibraryInfo::path(QLibraryInfo::TranslationsPath)))
        QCoreApplication::installTranslator(&traducteur);

    const QCommandLineOption aide({QStringLiteral("h"), QStringLiteral("help")},
                                  QStringLiteral("Affiche cette aide."));
    const QCommandLineOption version({QStringLiteral("v"), QStringLiteral("version")},
                                     QStringLiteral("Affiche la version."));
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
    const QList<QCommandLineOption> options{aide, version, port, base, trace};
    QCommandLineParser analyseur;
    analyseur.addOptions(options);
    if (!analyseur.parse(QCoreApplication::arguments()))
        return usage(analyseur.errorText());
    if (analyseur.isSet(aide)) {
        QTextStream(stdout) << helpText(options);
        return Fait;
    }
    if (analyseur.isSet(version)) {
        QTextStream(stdout) << "lt840-cli " << LT840_VERSION << Qt::endl;
        return Fait;
    }

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

    // The trace's lines would break into a bar drawn in place on the same stream.
    PosteTerminal poste(peripherique, analyseur.isSet(trace),
                        surTerminal() && !analyseur.isSet(trace));
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
