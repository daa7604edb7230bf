#pragma once

#include <QString>

// What the program tells the user: a message box's text, title and icon. The window shows it
// as a box, the command line as a line on stderr. A question is a report asked with Yes and No.
struct Report {
    enum class Icon { None, Critical, Warning };

    QString text;
    QString title;
    Icon icon = Icon::None;

    bool operator==(const Report&) const = default;
};

// Escape or the box's close button answers neither Yes nor No.
enum class Answer { Yes, No, Dismissed };

// The titles the program's windows and boxes carry.
namespace titles {
inline const QString Main = QStringLiteral("* LT840 *");                 // most boxes, the window
inline const QString FileNotOpened = QStringLiteral("* LT840  V1.02 *"); // a file not opened
inline const QString Colours = QStringLiteral(" * LT840 V1.02 *");       // yellow LEDs
inline const QString Application = QStringLiteral("LT840");              // the serial line's
inline const QString TestWindow = QStringLiteral("TEST CARTE");
inline const QString FilePrefix = QStringLiteral("FICHIER = "); // then the file's path
} // namespace titles
