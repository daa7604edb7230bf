#pragma once

// How long a record stays on during playback.

// Once started, the timer never stops; while playback is stopped it idles at this interval.
inline constexpr int IntervalleReposMs = 10000;

// The multiplier of a time-base code. A code outside the table, which only a damaged file
// can bring, counts as 0 like codes 7 and 8: a record without a duration.
int facteurDuCode(int code);

// The interval for a base period in seconds and a multiplier. The start rounds to the
// nearest millisecond, an exact half going to the even neighbour; a step drops the fraction.
// The two agree for every period of the list and differ only for other ones.
int intervalleDepartMs(double periode, int facteur);
int intervalleEtapeMs(double periode, int facteur);
