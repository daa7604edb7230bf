#pragma once

#include "editor/Format.h"
#include "window/MenuEdition.h"

#include <array>

class QAction;
class QMainWindow;

// The menu items of the main window, named as designed.
struct MenusFenetre {
    QAction* Nouveau = nullptr;
    QAction* Lecture = nullptr;
    QAction* Sauvegarder = nullptr;
    QAction* Quitter = nullptr;
    MenuEdition Edition;
    std::array<QAction*, NombrePorts> COM{};
    QAction* Jaune = nullptr;
    QAction* Rouge = nullptr;
    QAction* Vert = nullptr;
    QAction* TestCarte = nullptr;
    QAction* transmet = nullptr;
    QAction* Version = nullptr;
};

// Builds the menu bar of `fenetre`; the items do nothing until they are connected.
MenusFenetre construireMenus(QMainWindow* fenetre);
