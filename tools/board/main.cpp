#include "board/FluxRecu.h"
#include "board/ServiceCarte.h"

#include <QCommandLineParser>
#include <QCoreApplication>
#include <QFile>
#include <QTextStream>

namespace {

constexpr int ErreurUsage = 2;

int erreurUsage(const QString& texte) {
    QTextStream(stderr) << "lt840-board: " << texte << Qt::endl;
    return ErreurUsage;
}

int decoderFichier(const QString& chemin) {
    QFile fichier(chemin);
    if (!fichier.open(QIODevice::ReadOnly))
        return erreurUsage(QStringLiteral("cannot read %1: %2").arg(chemin, fichier.errorString()));
    QString erreur;
    const auto flux = cartevirtuelle::decoderFlux(fichier.readAll(), &erreur);
    if (!flux)
        return erreurUsage(QStringLiteral("%1: %2").arg(chemin, erreur));
    QTextStream(stdout) << cartevirtuelle::decrireFlux(*flux);
    return 0;
}

} // namespace

int main(int argc, char* argv[]) {
    QCoreApplication app(argc, argv);
    QCoreApplication::setApplicationName(QStringLiteral("lt840-board"));

    QCommandLineParser analyseur;
    analyseur.setApplicationDescription(
        QStringLiteral("Virtual LT840 board on a pseudo-terminal, paced like a 9600-baud line.\n"
                       "Prints the device path as its first line of output."));
    const QCommandLineOption aide = analyseur.addHelpOption();
    const QCommandLineOption identification(
        QStringLiteral("ident"), QStringLiteral("Reply to \"?\" (default \"LT840:V1.02 \")."),
        QStringLiteral("TEXT"));
    const QCommandLineOption panne(
        QStringLiteral("fault"),
        QStringLiteral("Misbehave: %1.")
            .arg(cartevirtuelle::nomsPannes().join(QStringLiteral(", "))),
        QStringLiteral("MODE"));
    const QCommandLineOption journal(QStringLiteral("log"),
                                     QStringLiteral("Append every byte received, raw, to FILE."),
                                     QStringLiteral("FILE"));
    const QCommandLineOption sortieFlux(
        QStringLiteral("program-out"),
        QStringLiteral("Write each upload stream received, raw, to FILE."), QStringLiteral("FILE"));
    const QCommandLineOption lien(QStringLiteral("link"),
                                  QStringLiteral("Make PATH a symbolic link to the device."),
                                  QStringLiteral("PATH"));
    const QCommandLineOption decodage(QStringLiteral("decode"),
                                      QStringLiteral("Print the upload stream in FILE and exit."),
                                      QStringLiteral("FILE"));
    analyseur.addOptions({identification, panne, journal, sortieFlux, lien, decodage});
    if (!analyseur.parse(QCoreApplication::arguments()))
        return erreurUsage(analyseur.errorText());
    if (analyseur.isSet(aide))
        analyseur.showHelp();
    if (!analyseur.positionalArguments().isEmpty())
        return erreurUsage(
            QStringLiteral("unexpected argument %1").arg(analyseur.positionalArguments().first()));
    if (analyseur.isSet(decodage))
        return decoderFichier(analyseur.value(decodage));

    cartevirtuelle::OptionsCarte options;
    if (analyseur.isSet(identification))
        options.identification = analyseur.value(identification).toLatin1();
    if (analyseur.isSet(panne)) {
        const auto mode = cartevirtuelle::lirePanne(analyseur.value(panne));
        if (!mode)
            return erreurUsage(QStringLiteral("unknown fault %1").arg(analyseur.value(panne)));
        options.panne = *mode;
    }
    options.cheminJournal = analyseur.value(journal);
    options.cheminFlux = analyseur.value(sortieFlux);
    options.cheminLien = analyseur.value(lien);
    return cartevirtuelle::servirCarte(options);
}
