#pragma once

#include "editor/Couleur.h"
#include "editor/Format.h"

#include <QString>
#include <QStringList>
#include <array>

// The state of the window's controls that the handlers read and write. Controls whose
// changes notify a handler (Text3, the record navigator, the timer) live in LT840 behind
// setters instead.
// As designed: pale red fill, red border.
struct Lampe {
    Couleur FillColor = 0x008080FF;
    Couleur BorderColor = 0x000000FF;
};

struct Controles {
    QString Caption = Titre;

    // "Séquence"
    QString Text1 = QStringLiteral("0");
    QString Text2 = QStringLiteral("0");
    bool HScroll1Visible = true;

    // The lamp grid
    std::array<Lampe, NombreLampes> Shape1{};

    // "Base de temps"
    QStringList List1{QStringLiteral("0.01"), QStringLiteral("0.02"), QStringLiteral("0.05"),
                      QStringLiteral("0.1"),  QStringLiteral("0.15"), QStringLiteral("0.2"),
                      QStringLiteral("0.25"), QStringLiteral("0.3"),  QStringLiteral("0.35"),
                      QStringLiteral("0.4")};
    int List1Index = -1;
    QString Cpt2 = QStringLiteral("0.02");
    // How many times the period was computed: each computation is shown, even one that gives
    // the text already there, while a text typed into the display stays until the next one.
    int Cpt2Calculs = 0;

    // "Mode Auto."
    int Check1 = 0;

    // "Simulateur"
    Couleur Cmd3BackColor = CouleurSysteme::FaceBouton;

    // Board version and progress
    QString Versions = QStringLiteral("?");
    Couleur VersionsBackColor = CouleurSysteme::FondFenetre;
    bool ProgressBar1Visible = false;
    int ProgressBar1Value = 0;
    int ProgressBar1Max = 16;

    // Port menu tick marks
    std::array<bool, NombrePorts> COM{};

    // The file dialog's remembered settings
    QString ComDialog1InitDir = QStringLiteral("c:\\");
    QString ComDialog1FileName;

    // The test window
    bool DialogVisible = false;
    QString DialogText1;

    QString List1Text() const {
        return List1Index >= 0 && List1Index < List1.size() ? List1.at(List1Index) : QString();
    }
};
