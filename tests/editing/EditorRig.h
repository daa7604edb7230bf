#pragma once

#include "FakePlatform.h"
#include "editing/SequenceEditor.h"
#include "files/SequenceFile.h"

#include <QtTest>

using namespace Qt::StringLiterals;
using E = SequenceEditor;
using Action = std::function<void(SequenceEditor&)>;

// A record as a file line writes it: the code, then lamps 0..7.
inline QString line(const Frame& f) {
    return QString::fromLatin1(writeRecordLines({&f, 1})).trimmed();
}

inline QString grid(const E& e) {
    QString s;
    for (bool lit : e.lamps())
        s += lit ? u'1' : u'0';
    return s;
}

inline bool gridShowsRecord(const E& e) {
    return grid(e) == line(e.sequence().at(e.currentRecord())).mid(1);
}

// A file's records, one line each; every lamp is lit past them, up to record 512.
inline void load(E& e, const QStringList& lines) {
    e.replaceSequence(Sequence::loaded(*readRecordLines(lines.join(u'\n').toLatin1())));
}

// Lamps set as clicks set them: the current record follows.
inline void paint(E& e, const QString& lamps) {
    for (int i = 0; i < Frame::LampCount; ++i)
        if (e.lamps()[i] != (lamps[i] == u'1'))
            e.toggleLamp(i);
}

// Records 0..n-1 made at the multiplier in force, record k lighting lamp k % 8.
inline void recordSome(E& e, int n) {
    for (int k = 0; k < n; ++k)
        e.clearFrame(), e.toggleLamp(k % Frame::LampCount), e.recordFrame();
}

// The record shown, "En cours", "Départ", the count, the grid, unsaved work (M or N), the
// multiplier, the button marked and the period; then the records `named` ("r:line …").
inline QString view(const E& e, const QString& named = {}) {
    QString s = u"%1 %2 %3 %4 %5 %6 %7 %8 %9"_s.arg(e.currentRecord())
                    .arg(e.currentEntry())
                    .arg(e.startAddress())
                    .arg(e.sequence().length())
                    .arg(grid(e), e.isModified() ? u"M" : u"N")
                    .arg(e.multiplierIndex())
                    .arg(e.markedButton())
                    .arg(e.framePeriod());
    for (const QString& r : named.split(u' ', Qt::SkipEmptyParts))
        s += u' ' + r.section(u':', 0, 0) + u':' +
             line(e.sequence().at(r.section(u':', 0, 0).toInt()));
    return s;
}

struct EditorRig {
    FakeClipboard clipboard;
    SequenceEditor editor{clipboard};
};
