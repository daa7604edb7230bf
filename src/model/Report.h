#pragma once

#include <QCoreApplication>
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

// The titles the program's windows and boxes carry. Each is translated whenever it is used as
// a text, not once at start-up, which comes before the translator is installed.
namespace titles {

class Title {
public:
    explicit constexpr Title(const char* source) : m_source(source) {}
    operator QString() const { return QCoreApplication::translate("Titles", m_source); }

private:
    const char* m_source;
};

inline constexpr Title Main{QT_TRANSLATE_NOOP("Titles", "* LT840 *")}; // most boxes, the window
inline constexpr Title FileNotOpened{
    QT_TRANSLATE_NOOP("Titles", "* LT840  V1.02 *")}; // a file not opened
inline constexpr Title Colours{QT_TRANSLATE_NOOP("Titles", " * LT840 V1.02 *")}; // yellow LEDs
inline constexpr Title Application{QT_TRANSLATE_NOOP("Titles", "LT840")}; // the serial line's
inline constexpr Title TestWindow{QT_TRANSLATE_NOOP("Titles", "TEST CARTE")};
inline constexpr Title FilePrefix{QT_TRANSLATE_NOOP("Titles", "FICHIER = ")}; // then the path

} // namespace titles
