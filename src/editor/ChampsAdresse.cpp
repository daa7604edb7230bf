#include "editor/LT840.h"
#include "editor/ValeurNumerique.h"

// Text that does not begin with a number keeps the navigator's range as it was; a number
// beyond the store is held at the store's end by the navigator itself.
void LT840::Text3_Change() {
    const QString texte = Text3().trimmed();
    if (texte.isEmpty() || !(texte.at(0).isDigit() || texte.at(0) == u'-' || texte.at(0) == u'+' ||
                             texte.at(0) == u'.'))
        return;
    const double v = arrondiPair(valeurNumerique(texte));
    setHScroll1Max(int(qBound(0.0, v, double(DernierEnr))));
}
