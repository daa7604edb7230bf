#include "editor/LT840.h"

// Placeholders: these commands do nothing until New and Quit land.
void LT840::Nouveau_Click() {}
void LT840::Quitter_Click() {}
bool LT840::Form_QueryUnload() { return true; }
