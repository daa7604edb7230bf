#include "window/DossierQt.h"

#include <QCoreApplication>
#include <QDir>
#include <QStandardPaths>

QString DossierQt::dossierProgramme() {
    return QCoreApplication::applicationDirPath();
}

// Created on demand so that a file can be written there at once.
QString DossierQt::dossierConfiguration() {
    const QString dossier = QStandardPaths::writableLocation(QStandardPaths::AppConfigLocation);
    QDir().mkpath(dossier);
    return dossier;
}
