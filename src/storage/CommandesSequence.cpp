#include "editor/LT840.h"
#include "storage/FichierDisque.h"
#include "storage/FichierSequence.h"

#include <functional>

namespace {

const QString FichierNonDisponible = QStringLiteral("Fichier non disponible ! ");

// Far beyond the 1,025 records a file can hold, even with long lines.
constexpr qint64 TailleMaxSequence = 1 << 20;

// After a load, the records past the sequence up to this one hold all lamps lit and no time
// base.
constexpr int DernierEnrAllume = 512;

// The dialog's settings; the first file command moves the starting folder from the one
// the dialog was designed with to the program's own.
ParametresDialogue preparerDialogue(LT840& ed) {
    if (ed.Ctl.ComDialog1InitDir == QStringLiteral("c:\\"))
        ed.Ctl.ComDialog1InitDir = ed.plateforme().dossiers.dossierProgramme();
    return {QStringLiteral("Dezudoziru"),
            QStringLiteral("Tous les fichiers (*.dat)|*.dat|Fichiers texte(*.txt)|*.txt|"
                           "Tous les Fichiers (*.*)|*.*|"),
            ed.Ctl.ComDialog1InitDir, QStringLiteral("*.dat"), ed.Ctl.ComDialog1FileName};
}

// Takes the dialog's answer into NomFichier; false when the user cancelled. A name without
// ".dat" anywhere in it (case counts) gets it appended.
bool prendreNom(LT840& ed, const QString& chemin, bool completer = true) {
    ed.NomFichier = chemin;
    if (chemin.isEmpty())
        return false;
    ed.Ctl.ComDialog1FileName = chemin;
    if (completer && !ed.NomFichier.contains(QStringLiteral(".dat")))
        ed.NomFichier += QStringLiteral(".dat");
    return true;
}

QList<CellulesEnr> enregistrementsASauver(const LT840& ed) {
    QList<CellulesEnr> enr(ed.HScroll1Max() + 1);
    for (int r = 0; r < enr.size(); ++r)
        std::copy_n(ed.TabTrames[r].begin(), enr[r].size(), enr[r].begin());
    return enr;
}

void remplirMagasin(LT840& ed, const Sequence& s) {
    for (auto& enr : ed.TabTrames)
        enr.fill(0);
    for (int r = 0; r <= DernierEnrAllume; ++r)
        std::fill_n(ed.TabTrames[r].begin(), NombreLampes, qint16(1));
    for (int r = 0; r < s.nombre; ++r)
        std::copy(s.enregistrements[r].begin(), s.enregistrements[r].end(),
                  ed.TabTrames[r].begin());
}

// The navigator takes the new range first, while the store still holds the old sequence;
// record 0 of the new one is then shown, also when the navigator already stood on 0, so that
// the grid and its multiplier never hold a frame of the sequence that was replaced.
void charger(LT840& ed, const Sequence& s) {
    ed.setHScroll1Max(s.nombre);
    remplirMagasin(ed, s);
    ed.setHScroll1Value(0);
    ed.EnrCours = 0;
    ed.VISU();
    ed.Ctl.Text2 = QStringLiteral("0");
    ed.setText3(QString::number(s.nombre));
    ed.Ctl.Caption = PrefixeTitreFichier + ed.NomFichier;
    ed.Modifie = false;
    ed.Historique.recommencer(ed);
}

void retenirFichier(LT840& ed) {
    ed.FichierTraite = ed.NomFichier;
}

// The open command with the file chosen by `choisir`, which is asked only once the user
// agreed to lose unsaved changes; true once the file is loaded. A name typed in the dialog
// gets ".dat"; a path given whole (command line, drop, recent list) is opened as it is.
bool ouvrir(LT840& ed, const std::function<QString()>& choisir, bool completer) {
    if (ed.Modifie &&
        ed.MsgBox(
            QStringLiteral(" Attention!!!    Désirez-vous effacer les données non enregistrées?"),
            Msg::Critique | Msg::OuiNon, Titre) != Msg::RepOui)
        return false;
    if (!prendreNom(ed, choisir(), completer)) {
        ed.MsgBox(QStringLiteral("Vous n'avez ouvert aucun fichier."), Msg::Critique | Msg::OK,
                  TitreFichier);
        return false;
    }
    const auto octets = lireFichier(ed.NomFichier, TailleMaxSequence);
    if (!octets) {
        ed.MsgBox(FichierNonDisponible, Msg::Critique | Msg::OK, Titre);
        return false;
    }
    const auto sequence = lireSequence(*octets);
    if (!sequence) {
        ed.MsgBox(QStringLiteral("Fichier non compatible."), Msg::Critique | Msg::OK, TitreFichier);
        return false;
    }
    charger(ed, *sequence);
    retenirFichier(ed);
    return true;
}

} // namespace

// Modifie is cleared only once the file is really on disk: a cancelled dialog or a failed
// write leaves the unsaved-changes flag as it was.
bool LT840::Sauvegarde() {
    Ctl.ComDialog1FileName.clear();
    const ParametresDialogue p = preparerDialogue(*this);
    if (!prendreNom(*this, m_p.fichiers.sauvegarder(p))) {
        MsgBox(QStringLiteral("Votre fichier n'a pas été sauvegardé."), Msg::Critique | Msg::OK,
               Titre);
        return false;
    }
    const QList<CellulesEnr> enr = enregistrementsASauver(*this);
    if (!ecrireFichier(NomFichier, ecrireSequence(qint16(HScroll1Max()), enr))) {
        MsgBox(FichierNonDisponible, Msg::Critique | Msg::OK, Titre);
        return false;
    }
    Modifie = false;
    Historique.sauvegarde();
    retenirFichier(*this);
    MsgBox(QStringLiteral(" Sauvegarde effectuée "), Msg::OK, Titre);
    return true;
}

void LT840::Sauvegarder_Click() {
    Sauvegarde();
}

// The whole file is read and checked before anything changes: a file that cannot be read or
// is malformed leaves the store, the counters and Modifie as they were.
void LT840::Lecture_Click() {
    ouvrir(
        *this, [this] { return m_p.fichiers.ouvrir(preparerDialogue(*this)); }, true);
}

bool LT840::OuvrirFichier(const QString& chemin) {
    return ouvrir(
        *this, [&chemin] { return chemin; }, false);
}
