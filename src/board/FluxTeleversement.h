#pragma once

#include "editor/LT840.h"

#include <QByteArray>
#include <QString>

// Building the upload stream and cutting it into blocks, the last one shorter.
namespace flux {

inline constexpr int NombreBlocs = (TailleFlux + TailleBloc - 1) / TailleBloc; // 16

using Magasin = decltype(LT840::TabTrames);

// The base period in whole units of 8 ms; a decimal entry such as "0.344" gives exactly 43.
quint8 octetTempsBase(const QString& periodeBase);

// The multiplier of a time-base code; a code the table does not hold gives 0, an end mark.
quint8 octetDuree(qint16 code);

// Active low, lamp 0 in the most significant bit: a lamp reads lit for any value but 0.
quint8 octetLampes(const LT840::Enregistrement& enr);

QByteArray construire(const Magasin& tabTrames, const QString& periodeBase);

// Block b (0 to NombreBlocs - 1) of a stream.
QByteArray bloc(const QByteArray& flux, int b);

// How many blocks the handshake sends: those before the first that begins with 0, plus the
// end block sent in its place.
int blocsAEnvoyer(const QByteArray& flux);

} // namespace flux
