#pragma once

#include "editor/Plateforme.h"

#include <QTemporaryDir>

// The files the editor keeps go to a scratch folder of their own, so that a run without the
// window (a script, a benchmark) never touches the window's configuration.
class DossiersTemporaires : public IProgramFolder {
public:
    QString dossierProgramme() override { return m_dossier.path(); }
    QString dossierConfiguration() override { return m_dossier.path(); }

private:
    QTemporaryDir m_dossier;
};
