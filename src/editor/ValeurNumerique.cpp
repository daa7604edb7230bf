#include "editor/ValeurNumerique.h"

#include "editor/Format.h"

#include <cmath>
#include <limits>

namespace {

bool estChiffre(QChar c) {
    return c >= u'0' && c <= u'9';
}

bool estBlanc(QChar c) {
    return c == u' ' || c == u'\t' || c == u'\n' || c == u'\r';
}

} // namespace

std::optional<double> nombreEnTete(const QString& texte) {
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
    if (!chiffres)
        return std::nullopt;
    // The text is a well-formed number here, so a failed conversion can only be an overflow:
    // it must read as huge, not as 0, or a count of a thousand digits would pass as empty.
    bool ok = false;
    const double v = nombre.toDouble(&ok);
    if (ok)
        return v;
    return nombre.startsWith('-') ? -std::numeric_limits<double>::infinity()
                                  : std::numeric_limits<double>::infinity();
}

double arrondiPair(double v) {
    return std::nearbyint(v);
}

double valeurNumerique(const QString& texte) {
    return nombreEnTete(texte).value_or(0.0);
}

std::optional<qint16> entier16(const QString& texte) {
    const double v = arrondiPair(valeurNumerique(texte));
    if (v < -32768.0 || v > 32767.0)
        return std::nullopt;
    return static_cast<qint16>(v);
}

std::optional<int> numeroEnregistrement(const QString& texte) {
    const std::optional<double> v = nombreEnTete(texte);
    if (!v || *v != std::trunc(*v) || *v < 0 || *v > DernierEnr)
        return std::nullopt;
    return int(*v);
}
