#pragma once

#include "editing/Platform.h"

#include <QCoreApplication>
#include <QList>
#include <QPointer>
#include <QWidget>

#include <optional>

// The program's reports and questions as modal message boxes over the main window (over the
// screen before it exists): buttons in the interface's language whatever translations the
// desktop provides, a form feed shown as a line break, the report's icon. A question offers
// "Oui" (the default) and "Non"; Escape or its close button answers neither.
class MessageBoxes : public IQuestions {
    Q_DECLARE_TR_FUNCTIONS(MessageBoxes)

public:
    void setParentWindow(QWidget* window) { m_window = window; }

    Answer ask(const Report& question) override;
    // An "OK" box each, in order.
    void show(const Report& report);
    void show(const std::optional<Report>& report);
    void show(const QList<Report>& reports);

private:
    QPointer<QWidget> m_window;
};
