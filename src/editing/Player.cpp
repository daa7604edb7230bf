#include "editing/Player.h"

#include "editing/Platform.h"
#include "editing/SequenceEditor.h"
#include "model/TimeBase.h"

namespace {

double basePeriod(const SequenceEditor& editor) {
    return timebase::basePeriod(editor.basePeriodIndex());
}

int codeShown(const SequenceEditor& editor) {
    return editor.sequence().at(editor.currentRecord()).code;
}

} // namespace

Player::Player(SequenceEditor& editor, ITimer& timer, QObject* parent)
    : QObject(parent), m_editor(editor), m_timer(timer) {
    setTimer(500, false);
}

// "En cours" takes the start address as it was; only "Départ" is corrected, so that the
// next start from an address past the sequence begins at 0. A start address outside the
// store has no record to show: playback stops at once, the timer started and idling as after
// any start. Disabling the timer first restarts its count, so the first record lasts its
// whole interval.
void Player::start() {
    const int start = m_editor.startAddress();
    const int end = m_editor.sequence().length();
    m_editor.setCurrentEntry(start);
    if (start > end)
        m_editor.setStartAddress(0);
    if (!m_editor.showStoredRecord(start)) {
        setPlaying(false);
        setTimer(timebase::IdleIntervalMs, true);
        return;
    }
    const int multiplier = timebase::multiplier(codeShown(m_editor));
    setTimer(m_intervalMs, false);
    setTimer(timebase::startIntervalMs(basePeriod(m_editor), multiplier), true);
    m_editor.computeFramePeriod();
    setPlaying(start < end);
}

void Player::stop() {
    setPlaying(false);
    setTimer(timebase::IdleIntervalMs, m_timerEnabled);
}

// Codes below 2 keep the time base in force, so a run of x1 records never touches the timer
// and its ticks stay evenly spaced. A code past x20 has no multiplier: no button is marked,
// and the period shown is 0 like its interval.
void Player::tick() {
    if (!m_playing) {
        setTimer(timebase::IdleIntervalMs, m_timerEnabled);
        return;
    }
    if (m_editor.currentRecord() >= m_editor.sequence().length()) {
        setPlaying(false);
        return;
    }
    m_editor.showStoredRecord(m_editor.currentRecord() + 1);
    const int code = codeShown(m_editor);
    if (code < 2)
        return;
    m_editor.setMultiplierIndex(code - 1);
    setTimer(timebase::stepIntervalMs(basePeriod(m_editor), timebase::multiplier(code)), true);
    m_editor.computeFramePeriod();
}

void Player::setPlaying(bool playing) {
    if (playing == m_playing)
        return;
    m_playing = playing;
    emit playingChanged(playing);
}

void Player::setTimer(int intervalMs, bool enabled) {
    m_intervalMs = intervalMs;
    m_timerEnabled = enabled;
    m_timer.configure(intervalMs, enabled);
}
