#include "window/widgets/WindowPlacement.h"

#include "serial/UserSettings.h"

#include <QEvent>
#include <QScreen>
#include <QSettings>
#include <QWidget>

namespace {

constexpr int Gap = 8;

} // namespace

WindowPlacement::WindowPlacement(QWidget* window, const QWidget* mainWindow, const QString& name)
    : QObject(window), m_window(window), m_mainWindow(mainWindow),
      m_key(QStringLiteral("fenetres/") + name) {
    window->installEventFilter(this);
}

// The window's own showing and hiding only, not the desktop's (minimising the main window).
bool WindowPlacement::eventFilter(QObject* watched, QEvent* event) {
    if (watched != m_window || event->spontaneous())
        return false;
    if (event->type() == QEvent::Show)
        place();
    else if (event->type() == QEvent::Hide)
        userSettings().setValue(m_key, m_window->saveGeometry());
    return false;
}

void WindowPlacement::place() {
    const QByteArray remembered = userSettings().value(m_key).toByteArray();
    if (remembered.isEmpty() || !m_window->restoreGeometry(remembered))
        placeBeside();
}

// On the side of the main window where the screen has more room; a window wider than that
// room is made narrower when it can be, and only otherwise overlaps.
void WindowPlacement::placeBeside() {
    const QRect main = m_mainWindow->frameGeometry();
    const QScreen* screen = m_mainWindow->screen();
    const QRect free = screen ? screen->availableGeometry() : main;
    const int frame = m_window->frameGeometry().width() - m_window->width();
    const int right = free.right() - main.right() - Gap;
    const int left = main.left() - free.left() - Gap;
    const int room = qMax(right, left) - frame;
    if (m_window->width() > room && room >= m_window->minimumSizeHint().width())
        m_window->resize(room, m_window->height());
    const int width = m_window->frameGeometry().width();
    QPoint corner(right >= left ? main.right() + Gap : main.left() - Gap - width, main.top());
    corner.setX(qBound(free.left(), corner.x(), qMax(free.left(), free.right() - width)));
    corner.setY(qBound(free.top(), corner.y(),
                       qMax(free.top(), free.bottom() - m_window->frameGeometry().height())));
    m_window->move(corner);
}
