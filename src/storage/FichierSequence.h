#pragma once

#include "editor/Format.h"

#include <QByteArray>
#include <QList>
#include <array>
#include <optional>
#include <span>

// One record as the sequence file holds it: rows 0..7 the lamps, row 8 the time-base code.
using CellulesEnr = std::array<qint16, LignesUtiles>;

struct Sequence {
    qint16 nombre = 0;                  // the record count N
    QList<CellulesEnr> enregistrements; // records 0..N-1
};

// The highest record count a file may bring: both saving and playback use record N itself,
// which the store must hold.
inline constexpr int NombreMaxSequence = DernierEnr;

// The header, the count line, then one line per record given (the program gives records
// 0..N, one more than it reads back).
QByteArray ecrireSequence(qint16 nombre, std::span<const CellulesEnr> enregistrements);

// Nothing when the header item lacks "LT840", when the count is not a number within
// 0..NombreMaxSequence, or when the file ends before its N records. Record lines are never
// malformed: a column that is not a digit, or that the line is too short to hold, reads 0.
std::optional<Sequence> lireSequence(const QByteArray& octets);

// The record lines alone, as the clipboard carries them: one line per record, CR LF.
QByteArray ecrireLignes(std::span<const CellulesEnr> enregistrements);

// The records of a text made only of record lines of 9 digits, whatever ends its lines and
// with blank lines let through; nothing for any other text, or for a text without a record.
std::optional<QList<CellulesEnr>> lireLignes(const QByteArray& texte);
