#include "editor/LT840.h"

// Placeholders: these commands do nothing until playback lands.
void LT840::Cmd3_MouseDown(int, int, float, float) {}
void LT840::Cmd4_MouseDown(int, int, float, float) {}
void LT840::Timer1_Timer() {}
