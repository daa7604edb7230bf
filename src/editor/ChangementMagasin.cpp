#include "editor/ChangementMagasin.h"

namespace {

constexpr int Taille = DernierEnr + 1;

QList<LT840::Enregistrement> extraire(const Magasin& m, int de, int a) {
    if (a < de)
        return {};
    return QList<LT840::Enregistrement>(m.begin() + de, m.begin() + a + 1);
}

void poser(Magasin& m, int de, const QList<LT840::Enregistrement>& enr) {
    std::copy(enr.begin(), enr.end(), m.begin() + de);
}

// Records were inserted at `debut` (or nothing moved, k = 0): apres[debut + k ..] repeats
// avant[debut ..] for as long as it can.
void comparerInsertion(ChangementMagasin& c, const Magasin& avant, const Magasin& apres) {
    const int k = c.decalage;
    int m = c.debut + k;
    while (m <= c.fin && apres[m] == avant[m - k])
        ++m;
    c.finBloc = m;
    c.arrivees = extraire(apres, c.debut, c.debut + k - 1);
    c.queueAvant = extraire(avant, m - k, c.fin);
    c.queueApres = extraire(apres, m, c.fin);
}

// Records were removed at `debut`: apres[debut ..] repeats avant[debut + r ..].
void comparerRetrait(ChangementMagasin& c, const Magasin& avant, const Magasin& apres) {
    const int r = -c.decalage;
    int m = c.debut;
    while (m <= c.fin && m + r < Taille && apres[m] == avant[m + r])
        ++m;
    c.finBloc = m;
    c.arrivees = extraire(avant, c.debut, c.debut + r - 1);
    c.queueAvant = extraire(avant, m + r, c.fin);
    c.queueApres = extraire(apres, m, c.fin);
}

} // namespace

ChangementMagasin comparer(const Magasin& avant, const Magasin& apres, int decalage) {
    ChangementMagasin c;
    int d = 0;
    while (d < Taille && avant[d] == apres[d])
        ++d;
    if (d == Taille)
        return c;
    int f = Taille - 1;
    while (avant[f] == apres[f])
        --f;
    c.debut = d;
    c.fin = f;
    // A move that does not fit the records that differ, or that finds no record moved, is
    // kept as a plain before and after.
    const bool insertion = decalage > 0 && d + decalage <= f + 1;
    const bool retrait = decalage < 0 && d - decalage < Taille && apres[d] == avant[d - decalage];
    c.decalage = insertion || retrait ? decalage : 0;
    if (c.decalage < 0)
        comparerRetrait(c, avant, apres);
    else
        comparerInsertion(c, avant, apres);
    return c;
}

void defaire(const ChangementMagasin& c, Magasin& m) {
    if (c.vide())
        return;
    const int k = c.decalage;
    if (k >= 0) {
        std::copy(m.begin() + c.debut + k, m.begin() + c.finBloc, m.begin() + c.debut);
        poser(m, c.finBloc - k, c.queueAvant);
        return;
    }
    std::copy_backward(m.begin() + c.debut, m.begin() + c.finBloc, m.begin() + c.finBloc - k);
    poser(m, c.debut, c.arrivees);
    poser(m, c.finBloc - k, c.queueAvant);
}

void refaire(const ChangementMagasin& c, Magasin& m) {
    if (c.vide())
        return;
    const int k = c.decalage;
    if (k >= 0) {
        std::copy_backward(m.begin() + c.debut, m.begin() + c.finBloc - k, m.begin() + c.finBloc);
        poser(m, c.debut, c.arrivees);
    } else {
        std::copy(m.begin() + c.debut - k, m.begin() + c.finBloc - k, m.begin() + c.debut);
    }
    poser(m, c.finBloc, c.queueApres);
}
