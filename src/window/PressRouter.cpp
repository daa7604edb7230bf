#include "window/PressRouter.h"

#include "editing/SequenceEditor.h"

#include <QGuiApplication>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QWidget>

PressRouter::PressRouter(SequenceEditor& editor, QObject* parent)
    : QObject(parent), m_editor(editor) {}

void PressRouter::watch(QWidget* control, Handler handler) {
    listen(control, {std::move(handler), false});
}

void PressRouter::watchContainer(QWidget* container) {
    listen(container, {{}, true});
}

void PressRouter::listen(QWidget* widget, const Watched& watched) {
    m_watched.insert(widget, watched);
    widget->installEventFilter(this);
}

bool PressRouter::eventFilter(QObject* watched, QEvent* event) {
    // The second press of a double click counts as well.
    const bool mouse =
        event->type() == QEvent::MouseButtonPress || event->type() == QEvent::MouseButtonDblClick;
    if (!mouse && event->type() != QEvent::KeyPress)
        return false;
    const auto it = m_watched.constFind(watched);
    if (it == m_watched.constEnd())
        return false;
    const Watched copy = *it; // a handler may run a nested event loop
    if (!mouse)
        return pressKey(copy, static_cast<QKeyEvent*>(event));
    return press(static_cast<QWidget*>(watched), copy, static_cast<QMouseEvent*>(event));
}

// Space, Enter or Return on a control that acts on a press acts as a left press does, once
// per stroke; the control's own handling of the key is then skipped, so that it never acts
// twice. Controls whose action is their click keep the keys.
bool PressRouter::pressKey(const Watched& watched, QKeyEvent* event) {
    const QList<int> keys{Qt::Key_Space, Qt::Key_Return, Qt::Key_Enter};
    if (!watched.handler || !keys.contains(event->key()) ||
        (event->modifiers() & ~Qt::KeypadModifier) != Qt::NoModifier)
        return false;
    if (!event->isAutoRepeat())
        watched.handler(Press::Left);
    return true;
}

// A press that a control left unused travels up to the frame beneath it, where it must not
// count a second time. Buttons keep their own left press so that they still look pressed,
// unless the button was released meanwhile (in a message box the handler showed), which
// would leave them stuck down; no other press goes further than here.
bool PressRouter::press(QWidget* widget, const Watched& watched, QMouseEvent* event) {
    const bool fromControl =
        watched.container && widget->childAt(event->position().toPoint()) != nullptr;
    if (!fromControl) {
        const Handler& handler = watched.handler;
        switch (event->button()) {
        case Qt::RightButton:
            m_editor.recordFrame();
            break;
        case Qt::LeftButton:
            if (handler)
                handler(Press::Left);
            break;
        case Qt::MiddleButton:
            if (handler)
                handler(Press::Middle);
            break;
        default:
            break;
        }
    }
    if (!watched.container && event->button() == Qt::LeftButton &&
        (QGuiApplication::mouseButtons() & Qt::LeftButton))
        return false;
    event->accept();
    return true;
}
