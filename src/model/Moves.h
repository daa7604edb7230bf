#pragma once

#include <algorithm>
#include <span>

// The one-press moves of a row of lamps. They move values: each place takes the value its
// source place held before the move began, whatever that value is.
enum class Move {
    MirrorLeft,  // the left half becomes the mirror image of the right half
    MirrorRight, // the right half becomes the mirror image of the left half
    ShiftLeft,   // the rightmost place becomes `unlit`
    ShiftRight,  // the leftmost place becomes `unlit`
    RotateLeft,
    RotateRight,
    Invert, // `lit` becomes `unlit`, any other value becomes `lit`
};

// The two rotations, which lose nothing and need no value of their own; false for another move.
template <typename T> bool rotate(Move m, std::span<T> row) {
    if (row.empty() || (m != Move::RotateLeft && m != Move::RotateRight))
        return false;
    if (m == Move::RotateLeft)
        std::rotate(row.begin(), row.begin() + 1, row.end());
    else
        std::rotate(row.begin(), row.end() - 1, row.end());
    return true;
}

template <typename T> void applyMove(Move m, std::span<T> row, T lit, T unlit) {
    if (row.empty() || rotate(m, row))
        return;
    const auto half = row.size() / 2;
    switch (m) {
    case Move::MirrorLeft:
        std::reverse_copy(row.end() - half, row.end(), row.begin());
        break;
    case Move::MirrorRight:
        std::reverse_copy(row.begin(), row.begin() + half, row.end() - half);
        break;
    case Move::ShiftLeft:
        std::shift_left(row.begin(), row.end(), 1);
        row.back() = unlit;
        break;
    case Move::ShiftRight:
        std::shift_right(row.begin(), row.end(), 1);
        row.front() = unlit;
        break;
    case Move::Invert:
        for (T& v : row)
            v = v == lit ? unlit : lit;
        break;
    default:
        break;
    }
}
