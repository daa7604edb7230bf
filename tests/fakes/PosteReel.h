#pragma once

#include "Fakes.h"
#include "editor/LT840.h"
#include "serial/ClockQt.h"
#include "serial/SerialPortQt.h"

#include <QStringList>

// An editor on the real serial adapter and the real clock, started on COM 1, the port a fresh
// configuration chooses; the dialogs are fakes.
struct PosteReel {
    FakeMessageBox messages;
    FakeFileDialog fichiers;
    FakeTimer minuterie;
    ClockQt horloge;
    FakeEventPump evenements;
    FakeProgramFolder dossiers;
    FakeClipboard pressePapiers;
    SerialPortQt port;
    LT840 ed;

    // `intercale`, when given, stands between the editor and the line, e.g. to count bytes; it
    // then has its own real port behind it.
    explicit PosteReel(ISerialPort* intercale = nullptr)
        : ed({messages, fichiers, minuterie, horloge, evenements, intercale ? *intercale : port,
              dossiers, pressePapiers}) {
        ed.Form_Load();
    }
    LT840* operator->() { return &ed; }

    QStringList textesAffiches() const {
        QStringList textes;
        for (const BoiteAffichee& b : messages.affichees)
            textes.append(b.prompt);
        return textes;
    }
};
