#pragma once

#include <QLocale>
#include <QString>
#include <QStringList>

#include <array>
#include <optional>

class Sequence;

// How long a frame stays on: a base period chosen from a list, times the multiplier of the
// frame's code. The multiplier in force is an index: the code a recording stores is the index
// plus 1.
namespace timebase {

// The multiplier of each code; codes 1..6 are the buttons x1..x20.
inline constexpr std::array<qint16, 9> Multipliers{0, 1, 2, 5, 10, 15, 20, 0, 0};
inline constexpr int ButtonCount = 6;
// Once started, the playback timer never stops; while playback is stopped it idles so.
inline constexpr int IdleIntervalMs = 10000;

// The multiplier of a code; a code outside the table, which only a damaged file can bring,
// has none, like codes 0, 7 and 8.
int multiplier(int code);

// The base periods offered, as the list shows them: "0.01" … "0.4".
const QStringList& basePeriodTexts();
// The period of entry `index` in seconds; 0 when no entry is chosen.
double basePeriod(int index);
// The entry whose period `text` names ("0.05", "0.050"), if any.
std::optional<int> basePeriodIndex(const QString& text);

// One frame's period at the multiplier in force (index -1..8): 0 without a multiplier.
double framePeriod(double basePeriod, int multiplierIndex);

// The timer interval for a frame. The start rounds to the nearest millisecond, an exact half
// going to the even neighbour; a step drops the fraction. Both are held within an int.
int startIntervalMs(double basePeriod, int multiplier);
int stepIntervalMs(double basePeriod, int multiplier);

// A period as the user reads it: at most 15 significant digits, no trailing zeros, western
// digits, and the decimal separator of the locale.
QString periodText(double seconds, const QLocale& locale = QLocale());

// How long one run through records 0..N-1 lasts at the base period given, in seconds.
double loopSeconds(const Sequence& sequence, double basePeriod);

} // namespace timebase
