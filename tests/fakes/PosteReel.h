#pragma once

#include "Fakes.h"
#include "editor/LT840.h"
#include "serial/ClockQt.h"
#include "serial/SerialPortQt.h"

// An editor on the real serial adapter and the real clock, started on COM 1, the port a fresh
// configuration chooses. `intercale`, when given, stands between the editor and the line, e.g.
// to count bytes; it then has its own real port behind it.
struct PosteReel : Dialogues {
    ClockQt horloge;
    SerialPortQt port;
    LT840 ed;

    explicit PosteReel(ISerialPort* intercale = nullptr)
        : ed({messages, fichiers, minuterie, horloge, evenements, intercale ? *intercale : port,
              dossiers, pressePapiers}) {
        ed.Form_Load();
    }
    LT840* operator->() { return &ed; }
};
