#include "window/FileDialogQt.h"

#include "window/FiltresFichiers.h"

#include <QDir>
#include <QFileDialog>

QString FileDialogQt::ouvrir(const ParametresDialogue& p) {
    return choisir(p, false);
}

QString FileDialogQt::enregistrer(const ParametresDialogue& p) {
    return choisir(p, true);
}

QString FileDialogQt::choisir(const ParametresDialogue& p, bool enregistrement) {
    QFileDialog dialogue(m_fenetre, p.titre);
    dialogue.setObjectName(QStringLiteral("ComDialog1"));
    dialogue.setAcceptMode(enregistrement ? QFileDialog::AcceptSave : QFileDialog::AcceptOpen);
    dialogue.setFileMode(enregistrement ? QFileDialog::AnyFile : QFileDialog::ExistingFile);
    const QStringList filtres = filtresQt(p.filtre);
    if (!filtres.isEmpty())
        dialogue.setNameFilters(filtres);
    // A folder that does not exist here (such as a drive letter) leaves Qt's own choice.
    if (!p.dossierInitial.isEmpty() && QDir(p.dossierInitial).exists())
        dialogue.setDirectory(p.dossierInitial);
    QString extension = p.extensionParDefaut;
    while (extension.startsWith(u'.'))
        extension.remove(0, 1);
    dialogue.setDefaultSuffix(extension);
    if (!p.nomFichier.isEmpty())
        dialogue.selectFile(p.nomFichier);
    if (dialogue.exec() != QDialog::Accepted || dialogue.selectedFiles().isEmpty())
        return QString();
    return dialogue.selectedFiles().constFirst();
}
