#pragma once

#include "editor/Plateforme.h"

class DossierQt : public IProgramFolder {
public:
    QString dossierProgramme() override;
    QString dossierConfiguration() override;
};
