#include "platform/Convert.h"

namespace {
bool isAsciiDigit(QChar c) {
    return c.unicode() >= u'0' && c.unicode() <= u'9';
}

// The whole number nearest to the decimal text, an exact half to the even one.
std::optional<std::int64_t> roundedValue(QStringView text) {
    text = text.trimmed();
    qsizetype i = 0;
    bool negative = false;
    if (i < text.size() && (text[i] == u'-' || text[i] == u'+')) {
        negative = text[i] == u'-';
        ++i;
    }
    std::int64_t value = 0;
    int digits = 0;
    for (; i < text.size() && isAsciiDigit(text[i]); ++i, ++digits) {
        value = value * 10 + (text[i].unicode() - u'0');
        if (value > (std::int64_t(1) << 40))
            return std::nullopt; // far outside every range asked for
    }
    int fractionDigits = 0;
    int firstFraction = 0;
    bool restNonZero = false;
    if (i < text.size() && text[i] == u'.') {
        for (++i; i < text.size() && isAsciiDigit(text[i]); ++i, ++fractionDigits) {
            const int d = text[i].unicode() - u'0';
            if (fractionDigits == 0)
                firstFraction = d;
            else if (d != 0)
                restNonZero = true;
        }
    }
    if (i != text.size() || digits + fractionDigits == 0)
        return std::nullopt;
    const bool roundUp =
        firstFraction > 5 || (firstFraction == 5 && (restNonZero || (value % 2) == 1));
    if (roundUp)
        ++value;
    return negative ? -value : value;
}

template <typename T> std::optional<T> inRange(QStringView text, std::int64_t lo, std::int64_t hi) {
    const auto value = roundedValue(text);
    if (!value || *value < lo || *value > hi)
        return std::nullopt;
    return static_cast<T>(*value);
}
} // namespace

std::optional<std::int16_t> ToInt16(QStringView text) {
    return inRange<std::int16_t>(text, INT16_MIN, INT16_MAX);
}

std::optional<std::int32_t> ToInt32(QStringView text) {
    return inRange<std::int32_t>(text, INT32_MIN, INT32_MAX);
}
