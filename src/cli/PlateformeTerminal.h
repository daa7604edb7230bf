#pragma once

#include "editor/DossiersTemporaires.h"
#include "editor/Plateforme.h"

#include <functional>

// The platform of the editor without a window: boxes become lines on stderr, repaints draw
// the upload's progress there too, and the files the editor keeps go to a scratch folder, so
// that the window's configuration is never touched from a script. Standard output is left
// to the commands' results.

// A file as the messages name it: as it was given, on one line; «» when the name is empty.
QString shownFileName(const QString& file);

// Each repaint of the editor's model shows the progress of the upload once it moves: a bar
// redrawn in place on a terminal, a plain line per block otherwise (a log, a pipe).
class ProgressionTerminal : public IEventPump {
public:
    using Lecture = std::function<std::pair<int, int>()>; // the bar's value and maximum

    explicit ProgressionTerminal(bool terminal) : m_terminal(terminal) {}
    void suivre(Lecture lecture) { m_lecture = std::move(lecture); }
    void laisserPasser() override { repeindre(); }
    void repeindre() override;
    void terminer() override {}
    // Ends the bar's line, if one is open, so that what follows starts on a line of its own.
    void endLine();
    // The upload is over: the bar's line ends, and the next upload starts from its first block.
    void finir();

private:
    bool m_terminal;
    Lecture m_lecture;
    int m_montre = 0; // the block last shown
    bool m_lineOpen = false;
};

class MessagesTerminal : public IMessageBox {
public:
    explicit MessagesTerminal(ProgressionTerminal& progression) : m_progression(progression) {}
    // Every box is one line on stderr, and a question is answered No: a script is never
    // asked to lose anything.
    int afficher(const QString& prompt, int buttons, const QString& title) override;
    int nombre() const { return m_nombre; }
    // While a file is being opened, every box is about it and names it first.
    void nameFile(const QString& file) { m_file = file, m_fileNamed = true; }
    void forgetFile() { m_fileNamed = false; }

private:
    ProgressionTerminal& m_progression;
    QString m_file;
    bool m_fileNamed = false;
    int m_nombre = 0;
};

class FichiersAucun : public IFileDialog {
public:
    QString ouvrir(const ParametresDialogue&) override { return {}; }
    QString sauvegarder(const ParametresDialogue&) override { return {}; }
};

class MinuterieInerte : public ITimer {
public:
    void configurer(int, bool) override {}
};

class PressePapiersAucun : public IClipboard {
public:
    bool contientTexte() override { return false; }
    QString texte() override { return {}; }
    void placer(const QString&) override {}
};
