#pragma once

struct MenusFenetre;
class QToolBar;

// Puts the frequent commands of the menus on the toolbar, as the same actions: a button is
// greyed when its item is, and its tooltip says the item's caption and shortcut.
void garnirBarreOutils(QToolBar* barre, const MenusFenetre& m);
