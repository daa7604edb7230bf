#pragma once

#include "FakeSerialPort.h"
#include "editor/LT840.h"

#include <memory>

// An editor wired to fakes, started as the program starts it.
struct Banc {
    FakeMessageBox messages;
    FakeFileDialog fichiers;
    FakeTimer minuterie;
    FakeClock horloge;
    FakeEventPump evenements;
    FakeProgramFolder dossiers;
    FakeSerialPort sansCarte{horloge}; // the port when none is given: it never opens
    FakeClipboard pressePapiers;
    ISerialPort* serie = nullptr;
    std::unique_ptr<LT840> ed;

    explicit Banc(ISerialPort* port = nullptr, bool demarrer = true) : serie(port) {
        sansCarte.erreurOuverture = FakeSerialPort::ErreurPortAbsent;
        ed = std::make_unique<LT840>(plateforme());
        if (demarrer)
            ed->Form_Load();
    }
    Plateforme plateforme() {
        return {messages, fichiers,     minuterie, horloge, evenements, serie ? *serie : sansCarte,
                dossiers, pressePapiers};
    }
    LT840& operator*() { return *ed; }
    LT840* operator->() { return ed.get(); }
};
