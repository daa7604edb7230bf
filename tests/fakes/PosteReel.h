#pragma once

#include "Fakes.h"
#include "editor/LT840.h"
#include "serial/ClockQt.h"
#include "serial/SerialPortQt.h"

#include <QStringList>

#include <array>

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

    // Records `n` frames as a user would: frame k lights the lamps of the bits of 37k + 1
    // and takes time-base button k % 6, on the base period "0.1".
    void composer(int n) {
        constexpr std::array<float, NombreLampes> Lampes{465,  1072, 1665, 2287,
                                                         2872, 3480, 4072, 4680};
        ed.Ctl.List1Index = 3;
        ed.List1_Click();
        for (int k = 0; k < n; ++k) {
            ed.Cmd9_MouseDown(Souris::Gauche);
            const int motif = (37 * k + 1) & 0xFF;
            for (int j = 0; j < NombreLampes; ++j) {
                if (motif & (1 << j))
                    ed.Frame1_MouseDown(Souris::Gauche, Lampes[j], 600);
            }
            ed.Option1_MouseDown(k % 6, Souris::Gauche);
            ed.Cmd1_MouseDown(Souris::Gauche);
        }
    }
};
