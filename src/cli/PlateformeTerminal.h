#pragma once

#include "editor/DossiersTemporaires.h"
#include "editor/Plateforme.h"

#include <functional>

// The platform of the editor without a window: boxes become lines on stderr, repaints draw
// the upload's progress, and the files the editor keeps go to a scratch folder, so that the
// window's configuration is never touched from a script.

class MessagesTerminal : public IMessageBox {
public:
    // Every box is one line on stderr, and a question is answered No: a script is never
    // asked to lose anything.
    int afficher(const QString& prompt, int buttons, const QString& title) override;
    int nombre() const { return m_nombre; }

private:
    int m_nombre = 0;
};

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
    // Ends the bar's line, if one was drawn.
    void finir();

private:
    bool m_terminal;
    Lecture m_lecture;
    int m_montre = 0; // the block last shown
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
