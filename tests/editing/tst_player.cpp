#include "EditorRig.h"
#include "editing/Player.h"
#include "model/TimeBase.h"

class TstPlayer : public QObject {
    Q_OBJECT
private slots:
    // "codes of records 0.. (else 2)|count|base period|start, ticks, then PLAY (+) or STOP (-)|
    // records shown:timer interval, '.' once stopped|button marked, period, Départ, playing".
    // Records light lamps of their own; record 1 is shown first.
    void run_data() {
        QTest::addColumn<QString>("cas");
        for (const char* l :
             {"2,2,2,2|3|0|0|0:20 1:20 2:20 3:20|1 0.02 0 0",
              "3,2,1,0|3|0|0|0:50 1:20 2:20 3:20|-1 0 0 0",
              "2,2,3,4,5|4|0|2|2:50 3:100 4:150|4 0.15 2 0", "5,5|1|8|0|0:5250 1:5250|4 5.25 0 0",
              "0,2,2|2|0|0|0:0|-1 0 0 1", "2,9,2|2|0|0|0:20 1:0|-1 0 0 1",
              "|1024|0|1023|1023:20 1024:20|-1 0 1023 0", "|3|0|3|3:20.|1 0.02 3 0",
              "|3|0|5|5:20.|1 0.02 0 0", "|3|0|1025|1:10000.|1 0.02 0 0",
              "|3|0|-1|1:10000.|1 0.02 -1 0", "|5|0|0 2+|0:20 1:20 2:20 3:20 4:20 5:20|1 0.02 0 0",
              "|5|0|0 2-|2:10000.|1 0.02 0 0"})
            QTest::newRow(l) << QString::fromLatin1(l);
    }
    void run() {
        QFETCH(QString, cas);
        const QStringList c = cas.split(u'|'), how = c[3].split(u' ');
        EditorRig rig;
        E& e = rig.editor;
        FakeTimer timer;
        Player player(e, timer);
        QVERIFY(timer.intervalMs == 500 && !timer.enabled);
        player.stop(); // before any start the timer stays disabled
        QStringList file;
        for (int r = 0; r < Sequence::LastRecord; ++r)
            file << c[0].split(u',', Qt::SkipEmptyParts).value(r, u"2"_s) +
                        QString::number(r % 251 + 1, 2).rightJustified(8, u'0');
        load(e, file);
        e.setLength(c[1].toInt()), e.chooseBasePeriod(c[2].toInt()), e.showRecord(1);
        e.setStartAddress(how[0].toInt()), player.start();
        for (int k = 0; k < how.value(1).left(1).toInt(); ++k)
            player.tick();
        if (how.value(1).endsWith(u'+'))
            player.start();
        else if (how.value(1).endsWith(u'-'))
            player.stop();
        QStringList shown;
        do {
            QVERIFY(gridShowsRecord(e) &&
                    (e.currentEntry() == e.currentRecord() || !Sequence::holds(how[0].toInt())));
            shown << u"%1:%2"_s.arg(e.currentRecord()).arg(timer.intervalMs) +
                         (player.isPlaying() ? "" : ".");
        } while (timer.ticks() && player.isPlaying() && (player.tick(), player.isPlaying()));
        QCOMPARE(
            u"%1|%2 %3 %4"_s
                .arg(shown.join(u' '), view(e).section(u' ', 7, 8), view(e).section(u' ', 2, 2))
                .arg(player.isPlaying()),
            cas.section(u'|', 4));
        const int last = e.currentRecord();
        player.tick(); // stopped, the timer idles without ever being disabled
        QVERIFY(player.isPlaying() ||
                (timer.enabled && timer.intervalMs == timebase::IdleIntervalMs &&
                 e.currentRecord() == last));
    }
};

QTEST_GUILESS_MAIN(TstPlayer)
#include "tst_player.moc"
