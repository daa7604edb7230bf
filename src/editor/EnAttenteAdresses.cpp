#include "editor/LT840.h"

// Placeholders: these commands do nothing until the address fields land.
void LT840::Text1_KeyPress(int&) {}
void LT840::Text1_LostFocus() {}
void LT840::Text2_KeyPress(int&) {}
void LT840::CmdSUPP_Click() {}
