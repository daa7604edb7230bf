#pragma once

#include "FakeSerialPort.h"
#include "editor/LT840.h"

#include <QStringList>

// An editor wired to fakes, started as the program starts it. Its serial port is a scripted
// board that says nothing until a test scripts it, or, by default, a port that never opens.
struct Banc {
    enum Carte { SansCarte, CarteScriptee };

    FakeMessageBox messages;
    FakeFileDialog fichiers;
    FakeTimer minuterie;
    FakeClock horloge;
    FakeEventPump evenements;
    FakeProgramFolder dossiers;
    FakeSerialPort port{horloge};
    FakeClipboard pressePapiers;
    LT840 ed{plateforme()};

    explicit Banc(Carte carte = SansCarte, bool demarrer = true) {
        if (carte == SansCarte)
            port.erreurOuverture = FakeSerialPort::ErreurPortAbsent;
        if (demarrer)
            ed.Form_Load();
    }
    Plateforme plateforme() {
        return {messages, fichiers, minuterie, horloge, evenements, port, dossiers, pressePapiers};
    }
    LT840& operator*() { return ed; }
    LT840* operator->() { return &ed; }

    // Every box shown, in order, so that a test checks a whole exchange at once.
    QStringList boites() const;
};

// A message box as "title|buttons and icon|text".
inline QString boite(const QString& prompt, int boutons, const QString& titre = Titre) {
    return titre + u'|' + QString::number(boutons) + u'|' + prompt;
}

inline QStringList Banc::boites() const {
    QStringList l;
    for (const BoiteAffichee& b : messages.affichees)
        l << boite(b.prompt, b.boutons, b.titre);
    return l;
}
