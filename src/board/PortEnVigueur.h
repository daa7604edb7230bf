#pragma once

#include <QString>

class LT840;

// The port the next board command opens: COM n, or a device the user chose by its name.
struct PortEnVigueur {
    QString nom;          // "COM1", or the device's name ("/dev/ttyUSB0")
    QString peripherique; // the device opened for it
};

PortEnVigueur portEnVigueur(const LT840& ed);

// What the user is told when that port does not open.
QString messagePortIndisponible(const QString& nomPort);
