#include "editor/LT840.h"

// Placeholders: these commands do nothing until the upload lands.
void LT840::transmet_Click() {}
void LT840::Transmettre() {}
