#pragma once

#include <QString>
#include <QStringList>

// What the program writes: the commands' results alone on standard output, so that they can
// be piped; the progress of an upload, the messages and the trace on standard error.
class ConsoleOutput {
public:
    // The progress is a bar redrawn in place, or a plain line per block (a log, a pipe).
    explicit ConsoleOutput(bool barInPlace) : m_barInPlace(barInPlace) {}

    void result(const QString& line);
    // One board among several: "<device> : <text>".
    void boardResult(const QString& device, const QString& text);
    // "lt840-cli: <text>", on a line of its own, control characters as blanks.
    void tell(const QString& text);
    // The same, about the file named: "lt840-cli: <file> : <text>".
    void tellAbout(const QString& file, const QString& text);
    void traceLine(const QString& line);
    // The block that just left; 0 (the bar appearing) shows nothing.
    void showProgress(int blocksSent, int blocks);
    // The same for one board among `boards`: a line "<device> : bloc n/N" per block, or every
    // board's last count on one line redrawn in place.
    void showProgress(int board, int boards, const QString& device, int blocksSent, int blocks);
    // Ends the bar's line, if one is open, so that what follows starts on a line of its own.
    void endBar();

private:
    void drawBar(int blocksSent, int blocks);

    bool m_barInPlace;
    bool m_barOpen = false;
    QStringList m_counts; // each board's "n/N" on the line in place
};

// A file as the messages name it: as it was given, on one line; «» when the name is empty.
QString shownFileName(const QString& file);
