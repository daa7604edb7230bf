#include "editor/Historique.h"

#include "editor/ChangementMagasin.h"

#include <deque>

namespace {

// What a step restores besides the store.
struct Instantane {
    qint16 enrCours = 0;
    QString text2;
    QString text3;
    int maximum = 0;
    int position = 0;
    quint8 lampes = 0; // bit i: lamp i lit, whatever the colour scheme
    bool modifie = false;
};

struct Etape {
    ChangementMagasin magasin;
    Instantane avant;
    Instantane apres;
};

Instantane instantane(const LT840& ed) {
    Instantane i{ed.EnrCours, ed.Ctl.Text2, ed.Text3(), ed.HScroll1Max(), ed.HScroll1Value(),
                 0,           ed.Modifie};
    for (std::size_t l = 0; l < ed.Ctl.Shape1.size(); ++l)
        if (ed.Ctl.Shape1[l].FillColor == ed.CouleurOn)
            i.lampes |= quint8(1u << l);
    return i;
}

// The record is shown as the navigator shows it; then the store, the grid and the flag are
// put back exactly, and the time base the user chose stays in force.
void restaurer(LT840& ed, const Instantane& i, const Magasin& magasin) {
    const qint16 indTempo = ed.IndTempo;
    ed.setText3(i.text3);
    ed.setHScroll1Max(i.maximum);
    ed.setHScroll1Value(i.position);
    ed.TabTrames = magasin;
    ed.EnrCours = i.enrCours;
    ed.Ctl.Text2 = i.text2;
    for (std::size_t l = 0; l < ed.Ctl.Shape1.size(); ++l)
        ed.Ctl.Shape1[l].FillColor = i.lampes & (1u << l) ? ed.CouleurOn : ed.CouleurOff;
    ed.Modifie = i.modifie;
    if (ed.IndTempo != indTempo) {
        ed.IndTempo = indTempo;
        ed.AfficheValTempo();
    }
}

} // namespace

struct HistoriqueEdition::Donnees {
    std::deque<Etape> etapes;
    std::size_t position = 0;           // the steps before it are done, those after undone
    std::unique_ptr<Magasin> reference; // the store as the last step left it
    int profondeur = 0;                 // handlers under way, one inside another
    Instantane avant;
    bool saisieMaximum = false;
    bool fusion = false; // the last step is typing into "Maximum" and may take in more
};

HistoriqueEdition::HistoriqueEdition() : d(std::make_unique<Donnees>()) {}
HistoriqueEdition::~HistoriqueEdition() = default;

void HistoriqueEdition::commencer(const LT840& ed, bool saisieMaximum) {
    if (d->profondeur++ > 0)
        return;
    if (!d->reference)
        d->reference = std::make_unique<Magasin>(ed.TabTrames);
    d->avant = instantane(ed);
    d->saisieMaximum = saisieMaximum;
}

// The store is compared with the reference, not with a copy taken when the handler began:
// what changed it since the last step (a record shown normalises its lamps) belongs to this
// step, so that every step leads exactly from one recorded store to the next.
void HistoriqueEdition::terminer(LT840& ed) {
    if (--d->profondeur > 0)
        return;
    const Instantane apres = instantane(ed);
    ChangementMagasin c = comparer(*d->reference, ed.TabTrames, apres.maximum - d->avant.maximum);
    // Recording a frame over the same frame changes nothing but the current record, and that
    // is still something to take back.
    if (c.vide() && apres.maximum == d->avant.maximum && apres.lampes == d->avant.lampes &&
        apres.enrCours == d->avant.enrCours)
        return;
    *d->reference = ed.TabTrames;
    d->etapes.erase(d->etapes.begin() + qsizetype(d->position), d->etapes.end());
    const bool saisie = d->saisieMaximum && c.vide();
    if (saisie && d->fusion) {
        d->etapes.back().apres = apres;
    } else {
        d->etapes.push_back({std::move(c), d->avant, apres});
        if (d->etapes.size() > std::size_t(NombreEtapes))
            d->etapes.pop_front();
    }
    d->position = d->etapes.size();
    d->fusion = saisie;
}

void HistoriqueEdition::recommencer(const LT840& ed) {
    d->etapes.clear();
    d->position = 0;
    d->reference = std::make_unique<Magasin>(ed.TabTrames);
    d->fusion = false;
}

// Only the state just saved is unsaved-free; any other, even one that was after an earlier
// save or open, differs from what is now on disk.
void HistoriqueEdition::sauvegarde() {
    for (std::size_t i = 0; i < d->etapes.size(); ++i) {
        d->etapes[i].avant.modifie = i != d->position;
        d->etapes[i].apres.modifie = i + 1 != d->position;
    }
    d->fusion = false;
}

bool HistoriqueEdition::peutAnnuler() const {
    return d->position > 0;
}

bool HistoriqueEdition::peutRetablir() const {
    return d->position < d->etapes.size();
}

void HistoriqueEdition::annuler(LT840& ed) {
    if (!peutAnnuler())
        return;
    const Etape& e = d->etapes[--d->position];
    defaire(e.magasin, *d->reference);
    ++d->profondeur; // the handlers that showing the record runs are no steps
    restaurer(ed, e.avant, *d->reference);
    --d->profondeur;
    d->fusion = false;
}

void HistoriqueEdition::retablir(LT840& ed) {
    if (!peutRetablir())
        return;
    const Etape& e = d->etapes[d->position++];
    refaire(e.magasin, *d->reference);
    ++d->profondeur;
    restaurer(ed, e.apres, *d->reference);
    --d->profondeur;
    d->fusion = false;
}

EtapeEdition::EtapeEdition(LT840& ed, bool saisieMaximum) : m_ed(ed) {
    m_ed.Historique.commencer(m_ed, saisieMaximum);
}

EtapeEdition::~EtapeEdition() {
    m_ed.Historique.terminer(m_ed);
}
