#pragma once

#include "editor/Format.h"
#include "window/MenuEdition.h"

#include <array>

#include <QKeySequence>
#include <QString>

class QAction;
class QMainWindow;
class QMenu;
class QWidget;

// A menu and a menu item, named after their design names for the tests and the window.
QMenu* menuNomme(QWidget* parent, const char* nom, const QString& titre);
QAction* elementNomme(QWidget* menu, const char* nom, const QString& titre,
                      const QKeySequence& raccourci = QKeySequence());

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
