#include "storage/FichierSequence.h"

#include "editor/ValeurNumerique.h"
#include "storage/FormatTexte.h"

#include <algorithm>

namespace {

constexpr char Entete[] = "LT840  V1.02";

bool estChiffre(char c) {
    return c >= '0' && c <= '9';
}

QByteArray ligneEnregistrement(const CellulesEnr& enr) {
    QByteArray ligne = QByteArray::number(enr[LigneCode]);
    for (int i = 0; i < LigneCode; ++i)
        ligne += QByteArray::number(enr[i]);
    return ligne;
}

// Column c (0-based) of a record line, as a digit.
qint16 colonne(const QByteArray& ligne, int c) {
    return c < ligne.size() && estChiffre(ligne.at(c)) ? qint16(ligne.at(c) - '0') : 0;
}

CellulesEnr cellules(const QByteArray& ligne) {
    CellulesEnr enr{};
    enr[LigneCode] = colonne(ligne, 0);
    for (int i = 0; i < LigneCode; ++i)
        enr[i] = colonne(ligne, i + 1);
    return enr;
}

std::optional<qint16> nombreEnregistrements(const QByteArray& item) {
    const std::optional<double> nombre = nombreEnTete(QString::fromLatin1(item));
    if (!nombre)
        return std::nullopt;
    const double n = arrondiPair(*nombre);
    if (!(n >= 0.0 && n <= NombreMaxSequence))
        return std::nullopt;
    return qint16(n);
}

} // namespace

QByteArray ecrireSequence(qint16 nombre, std::span<const CellulesEnr> enregistrements) {
    return Entete + QByteArray(FinDeLigne) + texteNombre(nombre) + FinDeLigne +
           ecrireLignes(enregistrements);
}

std::optional<Sequence> lireSequence(const QByteArray& octets) {
    LecteurItems items(octets);
    const auto entete = items.texte();
    if (!entete || !entete->contains("LT840"))
        return std::nullopt;
    const auto compte = items.texte();
    const auto nombre = compte ? nombreEnregistrements(*compte) : std::nullopt;
    if (!nombre)
        return std::nullopt;
    Sequence s{*nombre, {}};
    s.enregistrements.reserve(*nombre);
    for (int r = 0; r < *nombre; ++r) {
        const auto ligne = items.texte();
        if (!ligne)
            return std::nullopt;
        s.enregistrements.append(cellules(*ligne));
    }
    return s;
}

QByteArray ecrireLignes(std::span<const CellulesEnr> enregistrements) {
    QByteArray octets;
    for (const CellulesEnr& enr : enregistrements)
        octets += ligneEnregistrement(enr) + FinDeLigne;
    return octets;
}

std::optional<QList<CellulesEnr>> lireLignes(const QByteArray& texte) {
    QList<CellulesEnr> enr;
    for (const QByteArray& brute : texte.split('\n')) {
        const QByteArray ligne = brute.trimmed();
        if (ligne.isEmpty())
            continue;
        if (ligne.size() != LigneCode + 1 || !std::all_of(ligne.begin(), ligne.end(), estChiffre))
            return std::nullopt;
        enr.append(cellules(ligne));
    }
    if (enr.isEmpty())
        return std::nullopt;
    return enr;
}
