#include "window/platform/MessageBoxes.h"

#include <QMessageBox>
#include <QPushButton>

namespace {

QMessageBox::Icon boxIcon(Report::Icon icon) {
    switch (icon) {
    case Report::Icon::Critical:
        return QMessageBox::Critical;
    case Report::Icon::Warning:
        return QMessageBox::Warning;
    case Report::Icon::None:
        break;
    }
    return QMessageBox::NoIcon;
}

// A form feed in a message stands for a line break.
QString boxText(const Report& report) {
    QString text = report.text;
    text.replace(QChar(12), u'\n');
    return text;
}

} // namespace

// The button texts are set here so that the answers read in the interface's language whatever
// translations the desktop provides. Escape and the title bar's close button answer neither Yes nor
// No: a hidden button takes them, so that each question can treat them as the answer that loses
// nothing.
Answer MessageBoxes::ask(const Report& question) {
    QMessageBox box(boxIcon(question.icon), question.title, boxText(question),
                    QMessageBox::NoButton, m_window);
    QPushButton* yes = box.addButton(QMessageBox::Yes);
    QPushButton* no = box.addButton(QMessageBox::No);
    yes->setText(tr("Oui"));
    no->setText(tr("Non"));
    QPushButton* escape = box.addButton(QMessageBox::Cancel);
    escape->hide();
    box.setDefaultButton(yes);
    box.setEscapeButton(escape);
    box.exec();
    if (box.clickedButton() == yes)
        return Answer::Yes;
    return box.clickedButton() == no ? Answer::No : Answer::Dismissed;
}

void MessageBoxes::show(const Report& report) {
    QMessageBox box(boxIcon(report.icon), report.title, boxText(report), QMessageBox::NoButton,
                    m_window);
    box.addButton(QMessageBox::Ok)->setText(tr("OK"));
    box.exec();
}

void MessageBoxes::show(const std::optional<Report>& report) {
    if (report)
        show(*report);
}

void MessageBoxes::show(const QList<Report>& reports) {
    for (const Report& report : reports)
        show(report);
}
