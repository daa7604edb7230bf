#include "editor/LT840.h"
#include "storage/FichierConfiguration.h"
#include "storage/FichierDisque.h"

#include <QDir>
#include <QFileInfo>

namespace {

constexpr qint64 TailleMaxConfiguration = 4096;
const QString TexteParDefaut = QStringLiteral("*.dat");

QString dossierCfg(const LT840& ed, bool secours) {
    IProgramFolder& d = ed.plateforme().dossiers;
    return secours ? d.dossierConfiguration() : d.dossierProgramme();
}

QString cheminCfg(const QString& dossier) {
    return dossier.isEmpty() ? QString() : QDir(dossier).filePath(QStringLiteral("lt840.cfg"));
}

// Takes whatever the file yields, even when it stops short: a port read before the failure
// is the one the recovery writes back.
bool lire(LT840& ed, const QString& dossier) {
    const auto octets = lireFichier(cheminCfg(dossier), TailleMaxConfiguration);
    if (!octets)
        return false;
    const LectureConfiguration cfg = lireConfiguration(*octets);
    if (cfg.port)
        ed.PortCom = *cfg.port;
    if (cfg.texte)
        ed.TexteCfg = *cfg.texte;
    return cfg.complete();
}

bool ecrire(const LT840& ed, const QString& dossier) {
    return !dossier.isEmpty() && QDir().mkpath(dossier) &&
           ecrireFichier(cheminCfg(dossier), ecrireConfiguration(ed.PortCom, ed.TexteCfg));
}

// One rewrite at most: a file that still cannot be read back ends the attempts here.
bool lireOuRecreer(LT840& ed, const QString& dossier) {
    if (lire(ed, dossier))
        return true;
    ed.TexteCfg = TexteParDefaut;
    return ecrire(ed, dossier) && lire(ed, dossier);
}

// The newer file wins, the user's on a tie: whichever folder the last save reached is read
// at the next start. Timestamps rather than a fixed order, so that the program's file,
// once it can be written again or is edited by hand, takes over again.
bool secoursDAbord(const LT840& ed) {
    const QFileInfo secours(cheminCfg(dossierCfg(ed, true)));
    const QFileInfo programme(cheminCfg(dossierCfg(ed, false)));
    return secours.isFile() &&
           (!programme.isFile() || secours.lastModified() >= programme.lastModified());
}

} // namespace

// The newer of the program's folder and the user's configuration folder first, the other
// when it cannot hold the file. When neither works the program goes on with PortCom as it
// is, without a word: the port can still be chosen in the menu.
void LT840::LitCfg() {
    CfgSecours = secoursDAbord(*this);
    if (!lireOuRecreer(*this, dossierCfg(*this, CfgSecours))) {
        CfgSecours = !CfgSecours;
        lireOuRecreer(*this, dossierCfg(*this, CfgSecours));
    }
    for (int i = 0; i < int(Ctl.COM.size()); ++i)
        Ctl.COM[i] = PortCom == i;
}

// The folder read from first; when it refuses the file, the other one, which the next start
// then reads as the newer.
void LT840::SauveCfg() {
    if (ecrire(*this, dossierCfg(*this, CfgSecours)))
        return;
    if (ecrire(*this, dossierCfg(*this, !CfgSecours)))
        CfgSecours = !CfgSecours;
}
