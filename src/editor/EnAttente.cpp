#include "editor/LT840.h"

// Placeholders: these commands do nothing until their part of the editor lands.
void LT840::Text1_KeyPress(int&) {}
void LT840::Text1_LostFocus() {}
void LT840::Text2_KeyPress(int&) {}
void LT840::CmdSUPP_Click() {}
void LT840::Nouveau_Click() {}
void LT840::Quitter_Click() {}
bool LT840::Form_QueryUnload() { return true; }
