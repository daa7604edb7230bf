#include "editor/BlocsTrames.h"

namespace {

bool dansLeMagasin(int premier, int dernier) {
    return premier >= 0 && premier <= dernier && LT840::enregistrementValide(dernier);
}

void ecrire(LT840& ed, int r, const CellulesEnr& c) {
    std::copy(c.begin(), c.end(), ed.TabTrames[r].begin());
}

CellulesEnr lire(const LT840& ed, int r) {
    CellulesEnr c{};
    std::copy_n(ed.TabTrames[r].begin(), LignesUtiles, c.begin());
    return c;
}

} // namespace

QList<CellulesEnr> copierTrames(const LT840& ed, int premier, int dernier) {
    QList<CellulesEnr> bloc;
    if (!dansLeMagasin(premier, dernier))
        return bloc;
    for (int r = premier; r <= dernier; ++r)
        bloc.append(lire(ed, r));
    return bloc;
}

void insererTrames(LT840& ed, int position, int fin, std::span<const CellulesEnr> bloc) {
    const int n = int(bloc.size());
    if (!dansLeMagasin(position, fin + n))
        return;
    for (int r = fin; r >= position; --r)
        ecrire(ed, r + n, lire(ed, r));
    for (int i = 0; i < n; ++i)
        ecrire(ed, position + i, bloc[i]);
}

void retirerTrames(LT840& ed, int premier, int dernier, int fin) {
    if (!dansLeMagasin(premier, dernier) || !dansLeMagasin(dernier, fin))
        return;
    const int n = dernier - premier + 1;
    for (int r = dernier + 1; r <= fin; ++r)
        ecrire(ed, r - n, lire(ed, r));
    for (int r = fin - n + 1; r <= fin; ++r)
        ecrire(ed, r, CellulesEnr{});
}
