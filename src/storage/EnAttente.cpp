#include "editor/LT840.h"

// Placeholders: these commands do nothing until storage lands.
void LT840::Sauvegarde() {}
void LT840::Sauvegarder_Click() {}
void LT840::Lecture_Click() {}
void LT840::LitCfg() {}
void LT840::SauveCfg() {}
