#pragma once

#include "editor/Plateforme.h"

#include <QPointer>
#include <QWidget>

// Modal message boxes over the main window (or over the screen before it exists).
class MessageBoxQt : public IMessageBox {
public:
    void attacher(QWidget* fenetre) { m_fenetre = fenetre; }
    int afficher(const QString& prompt, int buttons, const QString& title) override;

private:
    QPointer<QWidget> m_fenetre;
};
