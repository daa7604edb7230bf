#pragma once

#include <QObject>
#include <QString>

class QWidget;

// Keeps a secondary window off the main window's controls: the first time it shows, it opens
// beside the main window (on the side where the screen has room); afterwards it opens where
// the user last left it, in this run or an earlier one (the user's settings, key
// "fenetres/<nom>").
class PlacementFenetre : public QObject {
public:
    PlacementFenetre(QWidget* fenetre, const QWidget* principale, const QString& nom);

protected:
    bool eventFilter(QObject* objet, QEvent* evenement) override;

private:
    void placer();
    void placerACote();

    QWidget* m_fenetre;
    const QWidget* m_principale;
    QString m_cle;
};
