#pragma once

// The mouse button of a press, as every `..._MouseDown` handler receives it.
enum class Souris { Gauche = 1, Droit = 2, Milieu = 4 };
