#include "editing/ColourQuestion.h"

#include <QCoreApplication>

std::optional<Report> colourQuestion(LedColour scheme) {
    if (scheme == LedColour::Red)
        return std::nullopt;
    return Report{QCoreApplication::translate("ColourQuestion",
                                              "Cette fonction n'est disponible que sur le "
                                              "logiciel. Êtes-vous sûr de vouloir continuer?"),
                  scheme == LedColour::Yellow ? titles::Colours : titles::Main};
}
