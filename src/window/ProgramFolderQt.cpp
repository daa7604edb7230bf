#include "window/ProgramFolderQt.h"

#include "serial/UserSettings.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QStandardPaths>

namespace {

const QString NomCfg = QStringLiteral("lt840.cfg");

// Earlier installations kept lt840.cfg apart from the settings, in the configuration folder
// Qt named after the application.
QDir oldConfigurationFolder() {
    return QDir(QStandardPaths::writableLocation(QStandardPaths::GenericConfigLocation))
        .filePath(QStringLiteral("LT840"));
}

// The old file comes over once, so that its port and text are still read; a file already here
// wins and the old one is left alone. Once copied, the old file and its folder go when they
// can: one left behind (say, made by root) is ignored from then on.
void adoptOldFile(const QDir& dossier) {
    const QDir ancien = oldConfigurationFolder();
    if (QFile::copy(ancien.filePath(NomCfg), dossier.filePath(NomCfg)) &&
        QFile::remove(ancien.filePath(NomCfg)))
        QDir().rmdir(ancien.path());
}

} // namespace

// A folder the user cannot write to is the system's. Root writes anywhere, and a user may
// install into a prefix of their own (~/.local), so the desktop entry that the installation
// puts beside the programs' folder is the other sign.
bool ProgramFolderQt::installe(const QString& dossier) {
    return !QFileInfo(dossier).isWritable() ||
           QFileInfo::exists(QDir(dossier).filePath(QStringLiteral(LT840_ENTREE_DEPUIS_BIN)));
}

QString ProgramFolderQt::dossierProgramme() {
    const QString programme = QCoreApplication::applicationDirPath();
    return installe(programme) ? dossierConfiguration() : programme;
}

// The settings' folder, so that the user's files for the program are all in one place;
// created on demand so that a file can be written there at once.
QString ProgramFolderQt::dossierConfiguration() {
    const QString dossier = userSettingsFolder();
    if (QDir().mkpath(dossier))
        adoptOldFile(QDir(dossier));
    return dossier;
}

// A documents folder the user has not created yet gives way to the home folder.
QString ProgramFolderQt::documentsSiInstalle() {
    if (!installe(QCoreApplication::applicationDirPath()))
        return {};
    const QString documents = QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation);
    return QFileInfo(documents).isDir() ? documents : QDir::homePath();
}
