#include "window/ProgramFolderQt.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QStandardPaths>

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

// Created on demand so that a file can be written there at once.
QString ProgramFolderQt::dossierConfiguration() {
    const QString dossier = QStandardPaths::writableLocation(QStandardPaths::AppConfigLocation);
    QDir().mkpath(dossier);
    return dossier;
}

// A documents folder the user has not created yet gives way to the home folder.
QString ProgramFolderQt::documentsSiInstalle() {
    if (!installe(QCoreApplication::applicationDirPath()))
        return {};
    const QString documents = QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation);
    return QFileInfo(documents).isDir() ? documents : QDir::homePath();
}
