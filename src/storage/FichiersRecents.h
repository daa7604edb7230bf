#pragma once

#include <QStringList>
#include <functional>

// The files last opened or saved, newest first, as the "Fichier" menu lists them.

inline constexpr int NombreFichiersRecents = 6;

// The list once `chemin` has been opened or saved (none when it is empty): `chemin` comes
// first, each file appears once, files for which `existe` is false are gone, and only the
// six newest stay. Paths are compared once cleaned ("a/./b" is "a/b").
QStringList fichiersRecents(const QStringList& liste, const QString& chemin,
                            const std::function<bool(const QString&)>& existe);
