#include "cli/PosteTerminal.h"

#include "editor/ValeurNumerique.h"
#include "playback/AffichagePeriode.h"
#include "playback/DureeTour.h"

#include <QTextStream>

namespace {

void dire(const QString& texte) {
    QTextStream(stderr) << "lt840-cli: " << texte << Qt::endl;
}

// What the opening of the port and the identification query left: the port in force must
// have opened and the board must have said who it is.
Sortie etatCarte(PosteTerminal& p) {
    if (!p.portOuvert())
        return PortIndisponible;
    if (p.ed().EtatCom == EtatEchange::Muet)
        return CarteMuette;
    if (!p.ed().ReponseCarte.contains(SignatureCarte)) {
        dire(QStringLiteral("la réponse ne porte pas l'identification d'une carte LT840 : «%1»")
                 .arg(QString::fromLatin1(p.ed().ReponseCarte)));
        return CarteMuette;
    }
    return Fait;
}

Sortie interroger(PosteTerminal& p) {
    p.ed().DemandeVersionCarte();
    p.conclure();
    return etatCarte(p);
}

Sortie charger(PosteTerminal& p, const QString& fichier) {
    p.boites().nameFile(fichier);
    const bool ouvert = p.ed().OuvrirFichier(fichier);
    p.boites().forgetFile();
    return ouvert ? Fait : FichierRefuse;
}

} // namespace

PosteTerminal::PosteTerminal(const QString& peripherique, bool trace, bool terminal)
    : m_progression(terminal),
      m_ed({m_messagesTraces, m_fichiers, m_minuterie, m_horloge, m_progression,
            trace ? static_cast<ISerialPort&>(m_trace.emplace(
                        m_port, m_horloge,
                        [](const QString& ligne) { QTextStream(stderr) << ligne << Qt::endl; }))
                  : m_port,
            m_dossiers, m_pressePapiers}) {
    if (m_trace)
        m_messagesTraces.suivre(&*m_trace);
    m_ed.Form_Load();
    m_ed.Peripherique_Click(peripherique);
    m_progression.suivre(
        [this] { return std::pair(m_ed.Ctl.ProgressBar1Value, m_ed.Ctl.ProgressBar1Max); });
}

void PosteTerminal::conclure() {
    if (m_trace)
        m_trace->conclure();
}

bool choisirBase(LT840& ed, const QString& texte) {
    const double voulue = valeurNumerique(texte);
    for (int i = 0; i < ed.Ctl.List1.size(); ++i) {
        if (voulue > 0 && valeurNumerique(ed.Ctl.List1.at(i)) == voulue) {
            ed.Ctl.List1Index = i;
            ed.List1_Click();
            return true;
        }
    }
    return false;
}

Sortie identifier(PosteTerminal& p) {
    if (const Sortie s = interroger(p); s != Fait)
        return s;
    QTextStream(stdout) << p.ed().Ctl.Versions.trimmed() << Qt::endl;
    return Fait;
}

// The board is asked who it is before the upload, which asks again: a board that does not
// answer is thus told once, and the upload itself starts only with a board at the end.
Sortie programmer(PosteTerminal& p, const QString& fichier) {
    if (const Sortie s = charger(p, fichier); s != Fait)
        return s;
    const int nombre = nombreEnregistrements(p.ed().TabTrames, p.ed().HScroll1Max());
    if (nombre == 0) {
        dire(QStringLiteral("%1 : la séquence est vide, rien à programmer")
                 .arg(shownFileName(fichier)));
        return FichierRefuse;
    }
    if (const Sortie s = interroger(p); s != Fait)
        return s;
    const int avant = p.messages();
    p.ed().transmet_Click();
    p.progression().finir();
    p.conclure();
    if (p.messages() > avant)
        return p.portOuvert() ? CarteMuette : PortIndisponible; // a failed upload keeps it open
    // The board holds records 0..250; a longer sequence is cut there, as from the window.
    const int programmes = qMin(nombre, DernierEnrCarte + 1);
    if (programmes < nombre)
        dire(QStringLiteral("%1 : seuls les enregistrements 0 à %2 tiennent dans la carte")
                 .arg(shownFileName(fichier), QString::number(DernierEnrCarte)));
    QTextStream(stdout) << QStringLiteral("%1 enregistrements programmés, base %2, carte %3")
                               .arg(programmes)
                               .arg(p.ed().Ctl.List1Text(), p.ed().Ctl.Versions.trimmed())
                        << Qt::endl;
    return Fait;
}

Sortie reinitialiser(PosteTerminal& p) {
    if (const Sortie s = interroger(p); s != Fait)
        return s;
    const int avant = p.messages();
    p.ed().CmdRST_Click();
    p.conclure();
    if (p.messages() > avant)
        return CarteMuette;
    QTextStream(stdout)
        << QStringLiteral("carte %1 réinitialisée").arg(p.ed().Ctl.Versions.trimmed()) << Qt::endl;
    return Fait;
}

Sortie verifier(PosteTerminal& p, const QString& fichier) {
    if (const Sortie s = charger(p, fichier); s != Fait)
        return s;
    LT840& ed = p.ed();
    const int nombre = nombreEnregistrements(ed.TabTrames, ed.HScroll1Max());
    const double duree = dureeTour(ed.TabTrames, nombre, valeurNumerique(ed.Ctl.List1Text()));
    QTextStream(stdout) << QStringLiteral("%1 : %2 enregistrements, un tour dure %3 s à la base %4")
                               .arg(shownFileName(fichier), QString::number(nombre),
                                    textePeriode(duree), ed.Ctl.List1Text())
                        << Qt::endl;
    return Fait;
}
