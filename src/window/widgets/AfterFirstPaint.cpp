#include "window/widgets/AfterFirstPaint.h"

#include <QEvent>
#include <QTimer>
#include <QWidget>

namespace {

// Runs its task when the widget's first paint begins, or queued for once that paint is over.
class FirstPaintWatch : public QObject {
public:
    FirstPaintWatch(QWidget* widget, std::function<void()> task, bool afterPaint)
        : QObject(widget), m_task(std::move(task)), m_afterPaint(afterPaint) {
        widget->installEventFilter(this);
    }

protected:
    bool eventFilter(QObject* watched, QEvent* event) override {
        if (event->type() == QEvent::Paint) {
            watched->removeEventFilter(this);
            if (m_afterPaint)
                QTimer::singleShot(0, parent(), std::move(m_task));
            else
                m_task();
            deleteLater();
        }
        return false;
    }

private:
    std::function<void()> m_task;
    bool m_afterPaint;
};

} // namespace

void afterFirstPaint(QWidget* widget, std::function<void()> task) {
    new FirstPaintWatch(widget, std::move(task), true);
}

void atFirstPaint(QWidget* widget, std::function<void()> task) {
    new FirstPaintWatch(widget, std::move(task), false);
}
