#pragma once

#include "editor/Format.h"

#include <array>

class GrilleLampesWidget;
class QCheckBox;
class QComboBox;
class QGroupBox;
class QLineEdit;
class QProgressBar;
class QPushButton;
class QRadioButton;
class QScrollBar;
class QWidget;

// The widgets of the main window's client area, named as designed.
struct ControlesFenetre {
    QWidget* fond = nullptr; // the window's background
    QGroupBox* Frame3 = nullptr;
    QGroupBox* Frame4 = nullptr;
    QGroupBox* Frame5 = nullptr;
    QGroupBox* Frame6 = nullptr;
    QGroupBox* Frame7 = nullptr;
    GrilleLampesWidget* Frame1 = nullptr;

    // "Séquence"
    QLineEdit* Text1 = nullptr;
    QLineEdit* Text2 = nullptr;
    QLineEdit* Text3 = nullptr;
    QPushButton* CmdSUPP = nullptr;
    QPushButton* Cmd1 = nullptr;
    QPushButton* Cmd2 = nullptr;

    // Transforms and CLEAR
    QPushButton* Cmd5 = nullptr;
    QPushButton* Cmd6 = nullptr;
    QPushButton* Cmd7 = nullptr;
    QPushButton* Cmd8 = nullptr;
    QPushButton* Cmd10 = nullptr;
    QPushButton* Cmd11 = nullptr;
    QPushButton* Cmd12 = nullptr;
    QPushButton* Cmd9 = nullptr;

    QScrollBar* HScroll1 = nullptr;
    QProgressBar* ProgressBar1 = nullptr;

    // Options and board version
    QCheckBox* Check1 = nullptr;
    QLineEdit* Versions = nullptr;
    QPushButton* CmdRST = nullptr;

    // "Simulateur"
    QPushButton* Cmd3 = nullptr;
    QPushButton* Cmd4 = nullptr;

    // "Base de temps"
    QComboBox* List1 = nullptr;
    QLineEdit* Cpt2 = nullptr;
    std::array<QRadioButton*, NombreBoutonsTempo> Option1{};
};

// Builds every control of the client area at its designed place inside `fond`.
ControlesFenetre construireControles(QWidget* fond);
