#pragma once

// What the user's input brings to the handlers.

// The mouse button of a press, as every `..._MouseDown` handler receives it.
enum class Souris { Gauche = 1, Droit = 2, Milieu = 4 };

// The key code of Enter, as the `..._KeyPress` handlers receive it.
inline constexpr int ToucheEntree = 13;
