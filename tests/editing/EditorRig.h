#pragma once

#include "FakePlatform.h"
#include "editing/SequenceEditor.h"
#include "model/TimeBase.h"

#include <QtTest>

using namespace Qt::StringLiterals;

// Lamps and records as digits, lamp 0 first; a record as a file line writes it: its code
// first.

inline QString lampText(const LampStates& lamps) {
    QString s;
    for (bool lit : lamps)
        s += lit ? u'1' : u'0';
    return s;
}

inline QString line(const Frame& f) {
    QString s = QString::number(f.code);
    for (qint16 lamp : f.lamps)
        s += QString::number(lamp);
    return s;
}

inline Frame frame(const QString& digits) {
    Frame f;
    f.code = qint16(digits[0].digitValue());
    for (int i = 0; i < Frame::LampCount; ++i)
        f.lamps[i] = qint16(digits[i + 1].digitValue());
    return f;
}

// Only lamp `lamp` lit (none when negative), at code `code`.
inline Frame alone(int lamp, int code = 2) {
    Frame f;
    if (lamp >= 0)
        f.lamps[lamp] = 1;
    f.code = qint16(code);
    return f;
}

// The grid set lamp by lamp, as clicks set it: the current record follows.
inline void paint(SequenceEditor& e, const QString& lamps) {
    for (int i = 0; i < Frame::LampCount; ++i)
        if (e.lamps()[i] != (lamps[i] == u'1'))
            e.toggleLamp(i);
}

// Records 0..n-1 made with "+" at the multiplier in force, record k lighting lamp k % 8.
inline void recordSome(SequenceEditor& e, int n) {
    for (int k = 0; k < n; ++k) {
        e.clearFrame();
        e.toggleLamp(k % Frame::LampCount);
        e.recordFrame();
    }
}

// The record shown, "En cours", "Départ", the count, the grid, unsaved changes (M or N), the
// multiplier, the button marked and the period.
inline QString view(const SequenceEditor& e) {
    return u"%1 %2 %3 %4 %5 %6 %7 %8 %9"_s.arg(e.currentRecord())
        .arg(e.currentEntry())
        .arg(e.startAddress())
        .arg(e.sequence().length())
        .arg(lampText(e.lamps()), e.isModified() ? u"M" : u"N")
        .arg(e.multiplierIndex())
        .arg(e.markedButton())
        .arg(e.framePeriod());
}

// The records `which` names, "r:line …".
inline QString records(const SequenceEditor& e, const QList<int>& which) {
    QStringList l;
    for (int r : which)
        l << QString::number(r) + u':' + line(e.sequence().at(r));
    return l.join(u' ');
}

using Action = std::function<void(SequenceEditor&)>;

struct EditorRig {
    FakeClipboard clipboard;
    SequenceEditor editor{clipboard};
};
