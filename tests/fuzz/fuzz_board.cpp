#include "FakeSerialLine.h"
#include "board/BoardSession.h"
#include "model/Sequence.h"

#include <cstdint>
#include <cstdlib>

// Whatever the board sends back (a reply per write, split at '|', the first byte setting its
// delay), the commands end inside the tables and show only an identification it carried.
extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    FakeClock clock;
    FakeSerialLine line(clock);
    BoardSession session(line, clock);
    for (const QByteArray& reply :
         QByteArray(reinterpret_cast<const char*>(data), qsizetype(size)).split('|'))
        line.when({}, {{reply.mid(1), reply.isEmpty() ? 5 : (quint8(reply[0]) % 8) * 250}}, 1);
    const QLatin1String signature(boardformat::Signature);
    QString testText;
    int changing = 0; // uploads and resets begun and not ended
    const auto count = [&](bool on) { changing += on ? 1 : -1; };
    QObject::connect(&session, &BoardSession::testAnswered, [&](auto t) { testText = t; });
    QObject::connect(&session, &BoardSession::uploadingChanged, count);
    QObject::connect(&session, &BoardSession::resettingChanged, count);
    const auto identified = [&session, signature] {
        const QString id = session.identification();
        return id == u"?" ||
               (id.startsWith(signature) && id.size() <= boardformat::IdentificationLength);
    };
    session.testBoard();
    clock.run();
    if (!identified() || (!testText.isNull() &&
                          !(testText.startsWith(u" Carte    ") && testText.contains(signature))))
        std::abort();
    Sequence sequence;
    for (int k = 0; k < 20; ++k)
        sequence.at(k).code = 1;
    sequence.setLength(20);
    session.upload(sequence, 0);
    clock.run();
    session.resetBoard();
    clock.run();
    if (!identified() || changing != 0)
        std::abort();
    return 0;
}
