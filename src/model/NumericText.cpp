#include "model/NumericText.h"

#include "model/Sequence.h"

#include <QByteArray>

#include <cmath>
#include <limits>

namespace {

bool isDigit(QChar c) {
    return c >= u'0' && c <= u'9';
}

bool isBlank(QChar c) {
    return c == u' ' || c == u'\t' || c == u'\n' || c == u'\r';
}

} // namespace

std::optional<double> leadingNumber(const QString& text) {
    qsizetype i = 0;
    const qsizetype n = text.size();
    while (i < n && isBlank(text.at(i)))
        ++i;
    QByteArray number;
    if (i < n && (text.at(i) == u'-' || text.at(i) == u'+'))
        number.append(char(text.at(i++).unicode()));
    bool digits = false;
    for (bool point = false; i < n; ++i) {
        const QChar c = text.at(i);
        if (isDigit(c))
            digits = true;
        else if (c == u'.' && !point)
            point = true;
        else
            break;
        number.append(char(c.unicode()));
    }
    if (!digits)
        return std::nullopt;
    // The text is a well-formed number here, so a failed conversion can only be an overflow:
    // it must read as huge, not as 0, or a count of a thousand digits would pass as empty.
    bool ok = false;
    const double v = number.toDouble(&ok);
    if (ok)
        return v;
    return number.startsWith('-') ? -std::numeric_limits<double>::infinity()
                                  : std::numeric_limits<double>::infinity();
}

double numericValue(const QString& text) {
    return leadingNumber(text).value_or(0.0);
}

double roundHalfEven(double value) {
    return std::nearbyint(value);
}

std::optional<qint16> toInt16(const QString& text) {
    const double v = roundHalfEven(numericValue(text));
    if (v < -32768.0 || v > 32767.0)
        return std::nullopt;
    return qint16(v);
}

int typedAddress(const QString& text) {
    return int(qBound(-1.0, roundHalfEven(numericValue(text)), double(Sequence::Capacity)));
}

std::optional<int> typedLength(const QString& text) {
    const std::optional<double> n = leadingNumber(text);
    if (!n)
        return std::nullopt;
    return int(qBound(0.0, roundHalfEven(*n), double(Sequence::LastRecord)));
}
