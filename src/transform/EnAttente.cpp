#include "editor/LT840.h"

// Placeholders: these commands do nothing until the transformations land.
void LT840::Cmd5_MouseDown(int, int, float, float) {}
void LT840::Cmd6_MouseDown(int, int, float, float) {}
void LT840::Cmd7_MouseDown(int, int, float, float) {}
void LT840::Cmd8_MouseDown(int, int, float, float) {}
void LT840::Cmd10_MouseDown(int, int, float, float) {}
void LT840::Cmd11_MouseDown(int, int, float, float) {}
void LT840::Cmd12_MouseDown(int, int, float, float) {}
void LT840::Jaune_Click() {}
void LT840::Rouge_Click() {}
void LT840::Vert_Click() {}
