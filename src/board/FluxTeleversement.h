#pragma once

#include "editor/LT840.h"

#include <QByteArray>
#include <QString>

// The upload stream: a start byte, the time-base byte, then a duration byte and a lamp byte
// for each record the board holds. It travels in blocks of 32 bytes, the last one shorter.
namespace flux {

inline constexpr int DernierEnrCarte = 250;
inline constexpr int NombreLampes = 8;                       // rows 0..7 of a record
inline constexpr int LigneCode = 8;                          // the time-base code follows the lamps
inline constexpr int Taille = 2 + 2 * (DernierEnrCarte + 1); // 504
inline constexpr int TailleBloc = 32;
inline constexpr int NombreBlocs = (Taille + TailleBloc - 1) / TailleBloc; // 16
inline constexpr char OctetDebut = char(0xA5);

using Magasin = decltype(LT840::TabTrames);
using TableVitesses = decltype(LT840::TabVitesse);

// The base period in whole units of 8 ms; a decimal entry such as "0.344" gives exactly 43.
quint8 octetTempsBase(const QString& periodeBase);

// The multiplier of a time-base code; a code the table does not hold gives 0, an end mark.
quint8 octetDuree(qint16 code, const TableVitesses& tabVitesse);

// Active low, lamp 0 in the most significant bit: a lamp reads lit for any value but 0.
quint8 octetLampes(const LT840::Enregistrement& enr);

QByteArray construire(const Magasin& tabTrames, const TableVitesses& tabVitesse,
                      const QString& periodeBase);

// Block b (0 to NombreBlocs - 1) of a stream.
QByteArray bloc(const QByteArray& flux, int b);

// How many blocks the handshake sends: those before the first that begins with 0, plus the
// end block sent in its place.
int blocsAEnvoyer(const QByteArray& flux);

} // namespace flux
