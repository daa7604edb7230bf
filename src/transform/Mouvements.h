#pragma once

#include <algorithm>
#include <span>

// The one-press moves of a row of lamps. They move values, not states: each place takes
// the value its source place held before the move began, whatever that value is.
enum class Mouvement {
    MiroirGauche,   // the left half becomes the mirror image of the right half
    MiroirDroit,    // the right half becomes the mirror image of the left half
    DecalageGauche, // the rightmost place becomes `eteint`
    DecalageDroite, // the leftmost place becomes `eteint`
    RotationGauche,
    RotationDroite,
    Inverse, // `allume` becomes `eteint`, any other value becomes `allume`
};

// The two rotations, which lose nothing and need no value of their own; false for another move.
template <typename T> bool tourner(Mouvement m, std::span<T> rangee) {
    if (rangee.empty() || (m != Mouvement::RotationGauche && m != Mouvement::RotationDroite))
        return false;
    if (m == Mouvement::RotationGauche)
        std::rotate(rangee.begin(), rangee.begin() + 1, rangee.end());
    else
        std::rotate(rangee.begin(), rangee.end() - 1, rangee.end());
    return true;
}

template <typename T> void deplacer(Mouvement m, std::span<T> rangee, T allume, T eteint) {
    if (rangee.empty() || tourner(m, rangee))
        return;
    const auto moitie = rangee.size() / 2;
    switch (m) {
    case Mouvement::MiroirGauche:
        std::reverse_copy(rangee.end() - moitie, rangee.end(), rangee.begin());
        break;
    case Mouvement::MiroirDroit:
        std::reverse_copy(rangee.begin(), rangee.begin() + moitie, rangee.end() - moitie);
        break;
    case Mouvement::DecalageGauche:
        std::shift_left(rangee.begin(), rangee.end(), 1);
        rangee.back() = eteint;
        break;
    case Mouvement::DecalageDroite:
        std::shift_right(rangee.begin(), rangee.end(), 1);
        rangee.front() = eteint;
        break;
    case Mouvement::Inverse:
        for (T& v : rangee)
            v = v == allume ? eteint : allume;
        break;
    default:
        break;
    }
}
