#pragma once

#include "editor/Plateforme.h"

#include <QPointer>
#include <QWidget>

// The file-selection dialog, modal over the main window.
class FileDialogQt : public IFileDialog {
public:
    void attacher(QWidget* fenetre) { m_fenetre = fenetre; }
    QString ouvrir(const ParametresDialogue& p) override;
    QString sauvegarder(const ParametresDialogue& p) override;

private:
    QString choisir(const ParametresDialogue& p, bool sauvegarde);
    QPointer<QWidget> m_fenetre;
};
