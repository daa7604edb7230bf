#include "window/DesignedControls.h"

#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

namespace designed {

void frame(QGroupBox* box, const char* role, const QRect& rect, const QString& title,
           const QString& accessibleName) {
    placed(box, role, rect);
    box->setTitle(title);
    box->setAccessibleName(accessibleName);
}

QPushButton* button(QWidget* parent, const char* role, const QRect& rect, const QString& caption,
                    const QString& toolTip) {
    auto* b = placed(new QPushButton(caption, parent), role, rect);
    b->setToolTip(toolTip);
    b->setAccessibleName(caption);
    return b;
}

// A file dropped on a field opens as one dropped on the window does.
QLineEdit* field(QWidget* parent, const char* role, const QRect& rect, const QString& text,
                 const QString& accessibleName, const QString& toolTip) {
    auto* f = placed(new QLineEdit(text, parent), role, rect);
    f->setToolTip(toolTip);
    f->setAccessibleName(accessibleName);
    f->setAcceptDrops(false);
    return f;
}

QLabel* label(QWidget* parent, const char* role, const QRect& rect, const QString& text,
              QWidget* buddy) {
    auto* l = placed(new QLabel(text, parent), role, rect);
    l->setBuddy(buddy);
    return l;
}

} // namespace designed
