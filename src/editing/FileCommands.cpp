#include "editing/FileCommands.h"

#include "editing/Platform.h"
#include "editing/SequenceEditor.h"
#include "files/Configuration.h"
#include "files/DiskFile.h"
#include "files/SequenceFile.h"

namespace {

const QString DesignedFolder = QStringLiteral("c:\\");
const QString Extension = QStringLiteral(".dat");

// The two questions differ in their blanks, as they always have.
QString openQuestion() {
    return FileCommands::tr(" Attention!!!    Désirez-vous effacer les données non enregistrées?");
}

QString newQuestion() {
    return FileCommands::tr(" Attention!!! Désirez-vous effacer les données non enregistrées?");
}

QString quitQuestion() {
    return FileCommands::tr("Voulez-vous sauvegarder avant de quitter?");
}

FileCommands::Outcome failure(const QString& text, const QString& title = titles::Main) {
    return {false, Report{text, title, Report::Icon::Critical}};
}

FileCommands::Outcome notAvailable() {
    return failure(FileCommands::tr("Fichier non disponible ! "));
}

} // namespace

FileCommands::FileCommands(SequenceEditor& editor, IFileDialog& dialog, IQuestions& questions,
                           IProgramFolders& folders, QObject* parent)
    : QObject(parent), m_editor(editor), m_dialog(dialog), m_questions(questions),
      m_folders(folders) {}

// Escape, like No, keeps the work.
bool FileCommands::mayDropUnsavedWork(const QString& question) {
    return !m_editor.isModified() ||
           m_questions.ask({question, titles::Main, Report::Icon::Critical}) == Answer::Yes;
}

// The first dialog moves its folder from the one it was designed with to the program's own.
FileDialogSettings FileCommands::dialogSettings() {
    if (m_dialogFolder == DesignedFolder)
        m_dialogFolder = m_folders.programFolder();
    return {tr("Dezudoziru"),
            //: Pairs of a label and its pattern, each followed by a bar.
            tr("Tous les fichiers (*.dat)|*.dat|Fichiers texte(*.txt)|*.txt|"
               "Tous les Fichiers (*.*)|*.*|"),
            m_dialogFolder, QStringLiteral("*.dat"), m_dialogFileName};
}

// The file path takes what was chosen, even nothing; false when nothing was. A name typed in
// the dialog without ".dat" anywhere in it (case counts) gets it appended.
bool FileCommands::takeName(const QString& path, bool completeName) {
    m_filePath = path;
    if (path.isEmpty())
        return false;
    m_dialogFileName = path;
    if (completeName && !path.contains(Extension))
        m_filePath += Extension;
    return true;
}

FileCommands::Outcome FileCommands::openSequence() {
    if (!mayDropUnsavedWork(openQuestion()))
        return {};
    return load(m_dialog.chooseToOpen(dialogSettings()), true);
}

FileCommands::Outcome FileCommands::openPath(const QString& path) {
    if (!mayDropUnsavedWork(openQuestion()))
        return {};
    return load(path, false);
}

// The whole file is read and checked before anything changes: a file that cannot be read or
// is malformed leaves the sequence and its unsaved changes as they were.
FileCommands::Outcome FileCommands::load(const QString& path, bool completeName) {
    if (!takeName(path, completeName))
        return failure(tr("Vous n'avez ouvert aucun fichier."), titles::FileNotOpened);
    const std::optional<QByteArray> bytes = readWholeFile(m_filePath, SequenceFileSizeLimit);
    if (!bytes)
        return notAvailable();
    const std::optional<QList<Frame>> records = readSequenceFile(*bytes);
    if (!records)
        return failure(tr("Fichier non compatible."), titles::FileNotOpened);
    m_editor.replaceSequence(Sequence::loaded(*records));
    emit titleChanged(QString(titles::FilePrefix) + m_filePath);
    emit fileUsed(m_filePath);
    return {true, std::nullopt};
}

// The unsaved-changes flag clears only once the file is really on disk: a cancelled dialog or
// a failed write leaves it as it was.
FileCommands::Outcome FileCommands::saveSequence() {
    m_dialogFileName.clear();
    if (!takeName(m_dialog.chooseToSave(dialogSettings()), true))
        return failure(tr("Votre fichier n'a pas été sauvegardé."));
    if (!writeWholeFile(m_filePath, writeSequenceFile(m_editor.sequence())))
        return notAvailable();
    m_editor.markSaved();
    emit fileUsed(m_filePath);
    return {true, Report{tr(" Sauvegarde effectuée "), titles::Main}};
}

bool FileCommands::newSequence() {
    if (!mayDropUnsavedWork(newQuestion()))
        return false;
    m_editor.newSequence();
    return true;
}

// "Yes" ends the program only once the sequence is safely saved; a cancelled or failed save
// returns to the editor with the work still there, and so does Escape.
FileCommands::Outcome FileCommands::quit(bool alwaysAsk) {
    if (!alwaysAsk && !m_editor.isModified())
        return {true, std::nullopt};
    switch (m_questions.ask({quitQuestion(), titles::Main})) {
    case Answer::Yes:
        return saveSequence();
    case Answer::No:
        return {true, std::nullopt};
    case Answer::Dismissed:
        break;
    }
    return {};
}
