#pragma once

#include <QByteArray>

#include <optional>
#include <utility>

// The conventions of the program's text files, shared by the sequence file and the
// configuration file: lines end with CR LF, numbers are written with a sign place, and a
// file is read back item by item.

inline constexpr char LineEnd[] = "\r\n";

// A number as the files hold it: a blank in the sign place (or '-'), the digits, one blank.
QByteArray numberField(int n);

// Takes a file apart item by item. A text item ends at a comma or at the end of its line;
// a number item ends at a blank too. Blanks in front of an item are skipped. CR LF, a lone
// LF and a lone CR all end a line, so that a file edited elsewhere reads the same.
class ItemReader {
public:
    explicit ItemReader(QByteArray bytes) : m_bytes(std::move(bytes)) {}
    // Each gives nothing once the file is exhausted.
    std::optional<QByteArray> text() { return item(false); }
    std::optional<QByteArray> number() { return item(true); }

private:
    std::optional<QByteArray> item(bool blankEnds);
    void skipBlanks();
    void skipSeparator();

    QByteArray m_bytes;
    qsizetype m_pos = 0;
};
