#pragma once

#include <QString>

// The device the user last chose by name, kept between runs in the user's settings
// (userSettings()), never in lt840.cfg. The command line falls back on it when given no port.
namespace portmemorise {

QString lire();                           // "" when a COM is in force
void ecrire(const QString& peripherique); // "" forgets the device: a COM is in force again

} // namespace portmemorise
