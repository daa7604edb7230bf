#pragma once

#include <QObject>
#include <QString>

class QWidget;

// Keeps a secondary window off the main window's controls: the first time it shows, it opens
// beside the main window (on the side where the screen has room); afterwards it opens where
// the user last left it, in this run or an earlier one (the user's settings, key
// "fenetres/<name>").
class WindowPlacement : public QObject {
    Q_OBJECT

public:
    WindowPlacement(QWidget* window, const QWidget* mainWindow, const QString& name);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void place();
    void placeBeside();

    QWidget* m_window;
    const QWidget* m_mainWindow;
    QString m_key;
};
