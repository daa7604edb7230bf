#pragma once

#include <QRect>
#include <QString>
#include <QWidget>

class QGroupBox;
class QLabel;
class QLineEdit;
class QPushButton;

// The controls of the main window as designed: each at its place (twipsRect), named by its
// role, with its caption, its tooltip and the name a screen reader gives it.
namespace designed {

template <class W> W* placed(W* widget, const char* role, const QRect& rect) {
    widget->setObjectName(QLatin1String(role));
    widget->setGeometry(rect);
    return widget;
}

// A frame of controls; `title` is drawn on it, `accessibleName` names it for a screen reader.
void frame(QGroupBox* box, const char* role, const QRect& rect, const QString& title,
           const QString& accessibleName);
// A button is named for a screen reader by its caption.
QPushButton* button(QWidget* parent, const char* role, const QRect& rect, const QString& caption,
                    const QString& toolTip = QString());
QLineEdit* field(QWidget* parent, const char* role, const QRect& rect, const QString& text,
                 const QString& accessibleName, const QString& toolTip = QString());
// A label that names `buddy`, if any, for a screen reader and gives it the focus.
QLabel* label(QWidget* parent, const char* role, const QRect& rect, const QString& text,
              QWidget* buddy = nullptr);

} // namespace designed
