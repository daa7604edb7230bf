#pragma once

#include <QMainWindow>

class LT840;

// The main window: turns widget events into the editor's handlers and paints the editor's
// controls model after each of them.
class FenetrePrincipale : public QMainWindow {
public:
    explicit FenetrePrincipale(LT840& editeur, QWidget* parent = nullptr);
    void rafraichir();

private:
    LT840& m_ed;
};
