#pragma once

#include "model/Sequence.h"

#include <QByteArray>
#include <QList>

#include <optional>
#include <span>

// The sequence file: the header "LT840  V1.02", the count N with a sign place, then one line
// per record: its code, then lamps 0..7, each as its decimal value.

// Records 0..N of the sequence, N being its length: one more than a file gives back.
QByteArray writeSequenceFile(const Sequence& sequence);

// Far beyond the 1,025 records a file can hold, even with long lines: a larger file is no
// sequence, and reading it whole would only stall the program.
constexpr qint64 SequenceFileSizeLimit = 1 << 20;

// The records 0..N-1 of a file, N being its count. Nothing when the header item lacks "LT840",
// when the count is not a number within 0..Sequence::LastRecord, or when the file ends before
// its N records. A record line is never refused: a column that is not a digit, or that the
// line is too short to hold, reads 0.
std::optional<QList<Frame>> readSequenceFile(const QByteArray& bytes);

// The record lines alone, as the clipboard carries them: one line of 9 digits per record.
QByteArray writeRecordLines(std::span<const Frame> records);

// The records of a text made only of record lines of 9 digits, whatever ends its lines and
// with blank lines let through; nothing for any other text, or for a text without a record.
std::optional<QList<Frame>> readRecordLines(const QByteArray& text);
