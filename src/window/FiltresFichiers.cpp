#include "window/FiltresFichiers.h"

namespace {

QString motifsQt(const QString& motifs) {
    QStringList liste = motifs.split(u';', Qt::SkipEmptyParts);
    for (QString& m : liste) {
        m = m.trimmed();
        if (m == QStringLiteral("*.*"))
            m = QStringLiteral("*");
    }
    liste.removeAll(QString());
    return liste.join(u' ');
}

QString libelleSansMotif(const QString& libelle, const QString& motifs) {
    const QString suffixe = u'(' + motifs + u')';
    if (!libelle.endsWith(suffixe))
        return libelle.trimmed();
    return libelle.chopped(suffixe.size()).trimmed();
}

} // namespace

QStringList filtresQt(const QString& filtre) {
    const QStringList elements = filtre.split(u'|');
    QStringList resultat;
    for (qsizetype i = 0; i + 1 < elements.size(); i += 2) {
        const QString motifs = motifsQt(elements.at(i + 1));
        if (motifs.isEmpty())
            continue;
        const QString libelle = libelleSansMotif(elements.at(i), elements.at(i + 1).trimmed());
        resultat.append(libelle.isEmpty() ? u'(' + motifs + u')'
                                          : libelle + QStringLiteral(" (") + motifs + u')');
    }
    return resultat;
}
