#include "window/FileDialogQt.h"

#include "window/FiltresFichiers.h"
#include "window/ProgramFolderQt.h"

#include <QFileDialog>

namespace {

// The editor names its default extension as a pattern ("*.dat"); the dialog appends its
// suffix after a dot of its own to a name typed without one, so it wants "dat".
QString suffixeQt(const QString& extension) {
    qsizetype debut = 0;
    while (debut < extension.size() && (extension[debut] == u'*' || extension[debut] == u'.'))
        ++debut;
    return extension.mid(debut);
}

} // namespace

QString FileDialogQt::ouvrir(const ParametresDialogue& p) {
    return choisir(p, false);
}

QString FileDialogQt::sauvegarder(const ParametresDialogue& p) {
    return choisir(p, true);
}

QString FileDialogQt::choisir(const ParametresDialogue& p, bool sauvegarde) {
    QFileDialog dialogue(m_fenetre, p.titre);
    dialogue.setObjectName(QStringLiteral("ComDialog1"));
    dialogue.setAcceptMode(sauvegarde ? QFileDialog::AcceptSave : QFileDialog::AcceptOpen);
    dialogue.setFileMode(sauvegarde ? QFileDialog::AnyFile : QFileDialog::ExistingFile);
    const QStringList filtres = filtresQt(p.filtre);
    if (!filtres.isEmpty())
        dialogue.setNameFilters(filtres);
    // The dialog ignores a folder that does not exist here (such as a drive letter) and keeps
    // its own choice.
    if (!p.dossierInitial.isEmpty())
        dialogue.setDirectory(p.dossierInitial);
    // An installed editor's own folder holds no sequences: start where the user keeps files.
    if (const QString documents = ProgramFolderQt::documentsSiInstalle(); !documents.isEmpty())
        dialogue.setDirectory(documents);
    dialogue.setDefaultSuffix(suffixeQt(p.extensionParDefaut));
    if (!p.nomFichier.isEmpty())
        dialogue.selectFile(p.nomFichier);
    if (dialogue.exec() != QDialog::Accepted || dialogue.selectedFiles().isEmpty())
        return QString();
    return dialogue.selectedFiles().constFirst();
}
