#pragma once

#include <QByteArray>
#include <optional>
#include <utility>

// The conventions of the program's text files, shared by the sequence file and the
// configuration file: lines end with CR LF, numbers are written with a sign place, and a
// file is read back item by item.

inline constexpr char FinDeLigne[] = "\r\n";

// A number as the files hold it: a blank in the sign place (or '-'), the digits, one blank.
QByteArray texteNombre(int n);

// Takes a file apart item by item. A text item ends at a comma or at the end of its line;
// a number item ends at a blank too. Blanks in front of an item are skipped. CR LF, a lone
// LF and a lone CR all end a line, so a file edited elsewhere reads the same.
class LecteurItems {
public:
    explicit LecteurItems(QByteArray octets) : m_octets(std::move(octets)) {}
    // Each returns nothing once the file is exhausted.
    std::optional<QByteArray> texte() { return item(false); }
    std::optional<QByteArray> nombre() { return item(true); }

private:
    std::optional<QByteArray> item(bool blancTermine);
    void sauterBlancs();
    void passerSeparateur();

    QByteArray m_octets;
    qsizetype m_pos = 0;
};
