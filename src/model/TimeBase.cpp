#include "model/TimeBase.h"

#include "model/NumericText.h"
#include "model/Sequence.h"

#include <cmath>
#include <limits>

namespace timebase {

namespace {

int toInterval(double ms) {
    return int(qBound(0.0, ms, double(std::numeric_limits<int>::max())));
}

} // namespace

int multiplier(int code) {
    return code >= 0 && code < int(Multipliers.size()) ? Multipliers[std::size_t(code)] : 0;
}

const QStringList& basePeriodTexts() {
    static const QStringList texts{"0.01", "0.02", "0.05", "0.1",  "0.15",
                                   "0.2",  "0.25", "0.3",  "0.35", "0.4"};
    return texts;
}

double basePeriod(int index) {
    const QStringList& texts = basePeriodTexts();
    return index >= 0 && index < texts.size() ? numericValue(texts.at(index)) : 0.0;
}

std::optional<int> basePeriodIndex(const QString& text) {
    const double wanted = numericValue(text);
    for (int i = 0; wanted > 0 && i < basePeriodTexts().size(); ++i)
        if (basePeriod(i) == wanted)
            return i;
    return std::nullopt;
}

double framePeriod(double basePeriod, int multiplierIndex) {
    return multiplier(multiplierIndex + 1) * basePeriod;
}

int startIntervalMs(double basePeriod, int multiplier) {
    return toInterval(roundHalfEven(basePeriod * multiplier * 1000));
}

int stepIntervalMs(double basePeriod, int multiplier) {
    return toInterval(std::trunc(basePeriod * multiplier * 1000));
}

// Only the separator is the locale's: a locale with digits of its own would show them.
QString periodText(double seconds, const QLocale& locale) {
    return QString::number(seconds, 'g', 15).replace(u'.', locale.decimalPoint());
}

// The multipliers are summed as integers first, so that 251 records at 0.01 s give 2.51 and
// not a sum of rounded hundredths.
double loopSeconds(const Sequence& sequence, double basePeriod) {
    qint64 factors = 0;
    for (const Frame& f : sequence.frames().first(std::size_t(sequence.length())))
        factors += multiplier(f.code);
    return double(factors) * basePeriod;
}

} // namespace timebase
