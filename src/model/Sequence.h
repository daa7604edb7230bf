#pragma once

#include "model/Frame.h"

#include <QList>

#include <span>

// A light sequence: a store of records 0..LastRecord and its length N, the number of records
// made. Records 0..N-1 are the sequence; record N is the working record where the next frame
// is recorded; the records after it keep whatever they held and are outside the sequence.
class Sequence {
public:
    static constexpr int LastRecord = 1024;
    static constexpr int Capacity = LastRecord + 1;
    // The board holds records 0..LastBoardRecord, and recording never goes past it.
    static constexpr int LastBoardRecord = 250;
    static constexpr int BoardCapacity = LastBoardRecord + 1;
    // After a load, the records past the sequence up to this one have all lamps lit.
    static constexpr int LastLitAfterLoad = 512;
    // New clears the codes of the records up to this one.
    static constexpr int LastClearedByNew = 255;

    // Record 0 with the code of the first multiplier, every other record empty, length 0.
    Sequence();

    static bool holds(int record) { return record >= 0 && record <= LastRecord; }

    int length() const { return m_length; }
    // Held within 0..LastRecord: the store has no record beyond.
    void setLength(int length);

    // `record` must be one the store holds.
    const Frame& at(int record) const;
    Frame& at(int record);
    std::span<const Frame, Capacity> frames() const { return m_frames; }
    std::span<Frame, Capacity> frames() { return m_frames; }

    // What a file brings: its records from 0 on and their count as the length (at most
    // LastRecord); past them, up to LastLitAfterLoad, records with every lamp lit and no code;
    // beyond, empty records.
    static Sequence loaded(std::span<const Frame> records);
    // What New leaves: record 0 given the first multiplier's code, the codes of records
    // 1..LastClearedByNew cleared, the lamps kept, length 0.
    void restart();

    // Records first..last (within the store), in order; none when the range is empty.
    QList<Frame> slice(int first, int last) const;
    // `block` goes in before `position`; the records from there to the working record move
    // on by its size, and the length grows by it. Nothing happens unless the working record
    // still fits in the store after the move.
    bool insert(int position, std::span<const Frame> block);
    // Records first..last (within the sequence) go; those after them up to the working record
    // move back onto `first`, the places they leave are emptied, and the length shrinks.
    bool remove(int first, int last);

    bool operator==(const Sequence&) const = default;

private:
    std::array<Frame, Capacity> m_frames{};
    int m_length = 0;
};
