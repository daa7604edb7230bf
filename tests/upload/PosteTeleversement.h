#pragma once

#include "Banc.h"
#include "FakeSerie.h"
#include "board/FluxTeleversement.h"

// An editor, started, wired to a scripted board. The board's script is empty until the test
// gives its own rules and then carteQuiRepond(), whose rules only answer what those left.
struct PosteTeleversement {
    Banc banc{nullptr, false};
    FakeSerie port{banc.horloge};

    PosteTeleversement() {
        banc.serie = &port;
        banc.ed = std::make_unique<LT840>(banc.plateforme());
        banc->Form_Load();
    }

    // The replies of a sound board.
    void carteQuiRepond() {
        port.repondre("?", "LT840:V1.02 ");
        port.quand(QByteArray(32, '*'), {});
        port.quand("R", {});
        port.repondre("P", "B");
        port.repondre("F", "FR");
        port.repondre({}, "?"); // a block or the end block
    }

    // Records 0 .. n - 1 with codes cycling through 1..6, lamp k % 8 lit in record k, and the
    // count n in Text3, as recording them would leave the store.
    void sequence(int n) {
        for (int k = 0; k < n; ++k) {
            auto& enr = banc->TabTrames[k];
            enr.fill(0);
            enr[k % 8] = 1;
            enr[8] = qint16(1 + k % 6);
        }
        banc->TabTrames[n][8] = banc->TabTrames[n - 1][8];
        banc->setText3(QString::number(n));
    }

    QByteArray fluxAttendu() const {
        return flux::construire(banc.ed->TabTrames, banc.ed->TabVitesse, banc.ed->Ctl.List1Text());
    }

    // What the editor wrote from the first "P" on.
    QList<QByteArray> echangesTeleversement() const {
        const qsizetype debut = port.ecrits.indexOf("P");
        return debut < 0 ? QList<QByteArray>{} : port.ecrits.mid(debut);
    }
};
