#pragma once

#include "Fakes.h"
#include "editor/LT840.h"

#include <memory>

// An editor wired to fakes, started as the program starts it.
struct Banc {
    FakeMessageBox messages;
    FakeFileDialog fichiers;
    FakeTimer minuterie;
    FakeClock horloge;
    FakeEventPump evenements;
    FakeFolder dossiers;
    FakeClipboard pressePapiers;
    ISerialPort* serie = nullptr;
    std::unique_ptr<LT840> ed;

    explicit Banc(ISerialPort* port = nullptr, bool demarrer = true) : serie(port) {
        ed = std::make_unique<LT840>(plateforme());
        if (demarrer)
            ed->Form_Load();
    }
    Plateforme plateforme() {
        return {&messages,   &fichiers, &minuterie, &horloge,
                &evenements, serie,     &dossiers,  &pressePapiers};
    }
    LT840& operator*() { return *ed; }
    LT840* operator->() { return ed.get(); }
};
