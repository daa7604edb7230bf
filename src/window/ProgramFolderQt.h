#pragma once

#include "editor/Plateforme.h"

// Where the editor keeps its files. Run from its build folder it keeps them beside the
// program; installed, its folder belongs to the system, so the user's folders take over.
class ProgramFolderQt : public IProgramFolder {
public:
    QString dossierProgramme() override;
    QString dossierConfiguration() override;

    // The folder the file dialogs start in for an installed editor, "" otherwise.
    static QString documentsSiInstalle();
    // True when `dossier` holds an installed program rather than a build.
    static bool installe(const QString& dossier);
};
