#pragma once

#include "FakeSerialPort.h"
#include "editor/LT840.h"

// An editor wired to fakes, started as the program starts it. Its serial port is a scripted
// board that says nothing until a test scripts it, or, by default, a port that never opens.
struct Banc : Dialogues {
    enum Carte { SansCarte, CarteScriptee };

    FakeClock horloge;
    FakeSerialPort port{horloge};
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
};
