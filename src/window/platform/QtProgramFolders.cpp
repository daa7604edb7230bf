#include "window/platform/QtProgramFolders.h"

#include "serial/UserSettings.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QStandardPaths>

namespace {

const QString ConfigurationFileName = QStringLiteral("lt840.cfg");

// Earlier installations kept lt840.cfg apart from the settings, in the configuration folder
// Qt named after the application.
QDir earlierConfigurationFolder() {
    return QDir(QStandardPaths::writableLocation(QStandardPaths::GenericConfigLocation))
        .filePath(QStringLiteral("LT840"));
}

// The earlier file comes over once, so that its port and text are still read; a file already
// here wins and the earlier one is left alone. Once copied, the earlier file and its folder go
// when they can: one left behind (say, made by root) is ignored from then on.
void adoptEarlierFile(const QDir& folder) {
    const QDir earlier = earlierConfigurationFolder();
    if (QFile::copy(earlier.filePath(ConfigurationFileName),
                    folder.filePath(ConfigurationFileName)) &&
        QFile::remove(earlier.filePath(ConfigurationFileName)))
        QDir().rmdir(earlier.path());
}

} // namespace

// A folder the user cannot write to is the system's. Root writes anywhere, and a user may
// install into a prefix of their own (~/.local), so the desktop entry that the installation
// puts beside the programs' folder is the other sign.
bool QtProgramFolders::isInstalled(const QString& folder) {
    return !QFileInfo(folder).isWritable() ||
           QFileInfo::exists(QDir(folder).filePath(QStringLiteral(LT840_ENTRY_FROM_BIN)));
}

QString QtProgramFolders::programFolder() {
    const QString program = QCoreApplication::applicationDirPath();
    return isInstalled(program) ? userFolder() : program;
}

// The settings' folder, so that the user's files for the program are all in one place;
// created on demand so that a file can be written there at once.
QString QtProgramFolders::userFolder() {
    const QString folder = userSettingsFolder();
    if (QDir().mkpath(folder))
        adoptEarlierFile(QDir(folder));
    return folder;
}

QString QtProgramFolders::examplesFolder() {
    const QString program = QCoreApplication::applicationDirPath();
    if (isInstalled(program))
        return QDir(program).absoluteFilePath(QStringLiteral(LT840_EXAMPLES_FROM_BIN));
    return QStringLiteral(LT840_SOURCE_EXAMPLES);
}

// A documents folder the user has not created yet gives way to the home folder.
QString QtProgramFolders::documentsIfInstalled() {
    if (!isInstalled(QCoreApplication::applicationDirPath()))
        return {};
    const QString documents = QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation);
    return QFileInfo(documents).isDir() ? documents : QDir::homePath();
}
