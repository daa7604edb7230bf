#include "editor/Edition.h"

#include "editor/BlocsTrames.h"
#include "editor/ValeurNumerique.h"

#include <optional>

namespace {

struct Plage {
    int premier = 0;
    int dernier = -1;
    bool vide() const { return dernier < premier; }
    int taille() const { return dernier - premier + 1; }
};

// From "Départ" to "En cours", in either order, within the records made.
Plage plageChoisie(const LT840& ed) {
    const std::optional<int> a = numeroEnregistrement(ed.Ctl.Text1);
    const std::optional<int> b = numeroEnregistrement(ed.Ctl.Text2);
    if (!a || !b)
        return {};
    return {qMin(*a, *b), qMin(qMax(*a, *b), ed.HScroll1Max() - 1)};
}

// How many records may still come in: the record after the last one made never goes
// beyond the last record the editor records into.
int place(const LT840& ed) {
    return qMax(0, DernierEnrCarte - ed.HScroll1Max());
}

bool surLaSequence(const LT840& ed) {
    return ed.EnrCours >= 0 && ed.EnrCours <= ed.HScroll1Max();
}

QString quantite(int n) {
    return n == 1 ? QStringLiteral("1 enregistrement")
                  : QStringLiteral("%1 enregistrements").arg(n);
}

QString textePlace(int demandes, int libres) {
    const QString butee = QStringLiteral(" (dernière adresse : %1).").arg(DernierEnrCarte);
    if (libres == 0)
        return QStringLiteral("Place insuffisante : la séquence est pleine, elle ne peut plus "
                              "recevoir aucun enregistrement") +
               butee;
    return QStringLiteral("Place insuffisante : %1 à insérer, la séquence ne peut plus en "
                          "recevoir que %2")
               .arg(quantite(demandes))
               .arg(libres) +
           butee;
}

// A block that does not fit changes nothing; the user is told how many records still do.
bool tient(LT840& ed, int n) {
    if (n <= place(ed))
        return true;
    ed.MsgBox(textePlace(n, place(ed)), Msg::Exclamation | Msg::OK, Titre);
    return false;
}

// The sequence takes its new count, and record r is shown as the navigator shows it.
void montrer(LT840& ed, int nombre, int r) {
    ed.setText3(QString::number(nombre));
    ed.setHScroll1Max(nombre);
    ed.setHScroll1Value(r);
    ed.EnrCours = qint16(r);
    ed.Ctl.Text2 = QString::number(r);
    ed.VISU();
}

void garder(LT840& ed, const QList<CellulesEnr>& trames) {
    ed.PressePapiers = QString::fromLatin1(ecrireLignes(trames));
    ed.plateforme().pressePapiers.placer(ed.PressePapiers);
}

// The desktop's clipboard first, so that records copied in another editor or typed
// elsewhere come in; the editor's own copy when the desktop holds no text.
QString texteAColler(const LT840& ed) {
    IClipboard& p = ed.plateforme().pressePapiers;
    const QString texte = p.contientTexte() ? p.texte() : QString();
    return texte.isEmpty() ? ed.PressePapiers : texte;
}

// `bloc` goes in before record `position`; record `montre` is then shown.
void inserer(LT840& ed, int position, const QList<CellulesEnr>& bloc, int montre) {
    const EtapeEdition etape(ed);
    const int fin = ed.HScroll1Max();
    insererTrames(ed, position, fin, bloc);
    ed.Modifie = true;
    montrer(ed, fin + int(bloc.size()), montre);
}

} // namespace

EditionPossible editionPossible(const LT840& ed) {
    const bool copie = !plageChoisie(ed).vide();
    const bool ajout = surLaSequence(ed) && place(ed) > 0;
    const bool contenu =
        !ed.PressePapiers.isEmpty() || ed.plateforme().pressePapiers.contientTexte();
    return {ed.Historique.peutAnnuler(),
            ed.Historique.peutRetablir(),
            copie,
            copie,
            ajout && contenu,
            ajout,
            ajout && ed.EnrCours < ed.HScroll1Max()};
}

void LT840::Annuler_Click() {
    Historique.annuler(*this);
}

void LT840::Retablir_Click() {
    Historique.retablir(*this);
}

void LT840::Copier_Click() {
    const Plage p = plageChoisie(*this);
    if (!p.vide())
        garder(*this, copierTrames(*this, p.premier, p.dernier));
}

// As "Supp." does for one record, the records that follow move back and the count shrinks;
// the record that takes the place of the first one cut is shown.
void LT840::Couper_Click() {
    const Plage p = plageChoisie(*this);
    if (p.vide())
        return;
    const EtapeEdition etape(*this);
    garder(*this, copierTrames(*this, p.premier, p.dernier));
    const int fin = HScroll1Max();
    retirerTrames(*this, p.premier, p.dernier, fin);
    Modifie = true;
    montrer(*this, fin - p.taille(), p.premier);
}

// The record that was current stays current, after the records pasted: pasting again
// repeats the phrase in order.
void LT840::Coller_Click() {
    if (!surLaSequence(*this))
        return;
    const QString texte = texteAColler(*this);
    if (texte.isEmpty())
        return;
    const std::optional<QList<CellulesEnr>> bloc = lireLignes(texte.toLatin1());
    if (!bloc) {
        MsgBox(QStringLiteral("Le presse-papiers ne contient pas d'enregistrements : il faut une "
                              "ligne de 9 chiffres par enregistrement."),
               Msg::Exclamation | Msg::OK, Titre);
        return;
    }
    if (tient(*this, int(bloc->size())))
        inserer(*this, EnrCours, *bloc, EnrCours + int(bloc->size()));
}

// An unlit frame with the time base in force, shown to be composed.
void LT840::Inserer_Click() {
    if (!surLaSequence(*this) || !tient(*this, 1))
        return;
    CellulesEnr vierge{};
    vierge[LigneCode] = qint16(IndTempo + 1);
    inserer(*this, EnrCours, {vierge}, EnrCours);
}

void LT840::Dupliquer_Click() {
    if (EnrCours < 0 || EnrCours >= HScroll1Max() || !tient(*this, 1))
        return;
    inserer(*this, EnrCours + 1, copierTrames(*this, EnrCours, EnrCours), EnrCours + 1);
}
