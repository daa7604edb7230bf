#include "editor/LT840.h"
#include "storage/FichierConfiguration.h"
#include "storage/FichierDisque.h"

#include <QDir>

namespace {

constexpr qint64 TailleMaxConfiguration = 4096;
const QString TexteParDefaut = QStringLiteral("*.dat");

QString dossierCfg(const LT840& ed, bool secours) {
    IProgramFolder* d = ed.plateforme().dossiers;
    if (!d)
        return {};
    return secours ? d->dossierConfiguration() : d->dossierProgramme();
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

} // namespace

// The program's folder first; when it cannot hold the file, the user's configuration folder,
// where an earlier run may have left the port chosen then. When neither works the program
// goes on with PortCom as it is, without a word: the port can still be chosen in the menu.
void LT840::LitCfg() {
    CfgSecours = false;
    if (!lireOuRecreer(*this, dossierCfg(*this, false))) {
        CfgSecours = true;
        lireOuRecreer(*this, dossierCfg(*this, true));
    }
    for (int i = 0; i < int(Ctl.COM.size()); ++i)
        Ctl.COM[i] = PortCom == i;
}

void LT840::SauveCfg() {
    if (ecrire(*this, dossierCfg(*this, CfgSecours)) || CfgSecours)
        return;
    CfgSecours = true;
    ecrire(*this, dossierCfg(*this, true));
}
