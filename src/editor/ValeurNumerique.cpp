#include "editor/ValeurNumerique.h"

#include <cmath>

namespace {

bool estChiffre(QChar c) {
    return c >= u'0' && c <= u'9';
}

bool estBlanc(QChar c) {
    return c == u' ' || c == u'\t' || c == u'\n' || c == u'\r';
}

} // namespace

double valeurNumerique(const QString& texte) {
    qsizetype i = 0;
    const qsizetype n = texte.size();
    while (i < n && estBlanc(texte.at(i)))
        ++i;
    QByteArray nombre;
    if (i < n && (texte.at(i) == u'-' || texte.at(i) == u'+'))
        nombre.append(char(texte.at(i++).unicode()));
    bool chiffres = false;
    for (bool point = false; i < n; ++i) {
        const QChar c = texte.at(i);
        if (estChiffre(c)) {
            chiffres = true;
        } else if (c == u'.' && !point) {
            point = true;
        } else {
            break;
        }
        nombre.append(char(c.unicode()));
    }
    return chiffres ? nombre.toDouble() : 0.0;
}

double arrondiPair(double v) {
    return std::nearbyint(v);
}

std::optional<qint16> entier16(const QString& texte) {
    const double v = arrondiPair(valeurNumerique(texte));
    if (v < -32768.0 || v > 32767.0)
        return std::nullopt;
    return static_cast<qint16>(v);
}
