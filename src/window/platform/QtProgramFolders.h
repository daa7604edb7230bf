#pragma once

#include "files/Configuration.h"

// Where the editor keeps its files. Run from its build folder it keeps them beside the
// program; installed, its folder belongs to the system, so the user's settings folder takes
// over (and adopts, once, the lt840.cfg of earlier installations).
class QtProgramFolders : public IProgramFolders {
public:
    QString programFolder() override;
    QString userFolder() override;

    // The folder the file dialogs start in for an installed editor, "" otherwise.
    static QString documentsIfInstalled();
    // The example sequences: installed beside the program's data, or in the sources of a build.
    static QString examplesFolder();
    // True when `folder` holds an installed program rather than a build.
    static bool isInstalled(const QString& folder);
};
