#include "window/widgets/AfterFirstPaint.h"

#include <QEvent>
#include <QTimer>
#include <QWidget>

namespace {

class FirstPaintWatch : public QObject {
public:
    FirstPaintWatch(QWidget* widget, std::function<void()> task)
        : QObject(widget), m_task(std::move(task)) {
        widget->installEventFilter(this);
    }

protected:
    bool eventFilter(QObject* watched, QEvent* event) override {
        if (event->type() == QEvent::Paint) {
            watched->removeEventFilter(this);
            QTimer::singleShot(0, parent(), std::move(m_task));
            deleteLater();
        }
        return false;
    }

private:
    std::function<void()> m_task;
};

} // namespace

void afterFirstPaint(QWidget* widget, std::function<void()> task) {
    new FirstPaintWatch(widget, std::move(task));
}
