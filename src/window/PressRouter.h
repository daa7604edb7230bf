#pragma once

#include <QHash>
#include <QObject>

#include <functional>

class QKeyEvent;
class QMouseEvent;
class QWidget;
class SequenceEditor;
enum class Press;

// The mouse presses of the designed controls: the right button records the frame on every
// control watched here, and nowhere else; the left and middle buttons do what each control's
// handler says. A frame or the background (a container) counts only the presses on its own
// surface, not those that a control on it left unused. Space and Enter on a control with a
// handler act as its left press.
class PressRouter : public QObject {
    Q_OBJECT

public:
    using Handler = std::function<void(Press)>;

    explicit PressRouter(SequenceEditor& editor, QObject* parent = nullptr);

    void watch(QWidget* control, Handler handler = {});
    void watchContainer(QWidget* container);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    struct Watched {
        Handler handler;
        bool container = false;
    };

    void listen(QWidget* widget, const Watched& watched);
    bool press(QWidget* widget, const Watched& watched, QMouseEvent* event);
    static bool pressKey(const Watched& watched, QKeyEvent* event);

    SequenceEditor& m_editor;
    QHash<QObject*, Watched> m_watched;
};
