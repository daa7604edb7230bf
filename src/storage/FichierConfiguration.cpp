#include "storage/FichierConfiguration.h"

#include "editor/ValeurNumerique.h"
#include "storage/FormatTexte.h"

// The carried text goes through byte for byte: Latin-1 maps every byte to one character and
// back, whatever 8-bit character set wrote it.
QByteArray ecrireConfiguration(qint16 port, const QString& texte) {
    return texteNombre(port) + FinDeLigne + texte.toLatin1() + FinDeLigne;
}

LectureConfiguration lireConfiguration(const QByteArray& octets) {
    LectureConfiguration cfg;
    LecteurItems items(octets);
    const auto port = items.nombre();
    if (!port)
        return cfg;
    cfg.port = entier16(QString::fromLatin1(*port));
    if (!cfg.port)
        return cfg;
    if (const auto texte = items.texte())
        cfg.texte = QString::fromLatin1(*texte);
    return cfg;
}
