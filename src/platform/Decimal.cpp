#include "platform/Decimal.h"

#include <algorithm>

namespace {
constexpr Decimal::Magnitude kLimit = Decimal::Magnitude(1) << 127;

Decimal normalised(Decimal::Magnitude magnitude, bool negative) {
    return Decimal::fromMagnitude(magnitude, negative && magnitude != 0);
}
} // namespace

Decimal Decimal::fromI64(std::int64_t value) {
    if (value >= 0)
        return fromMagnitude(static_cast<Magnitude>(value));
    // -(value + 1) cannot overflow, even for the most negative value.
    return fromMagnitude(static_cast<Magnitude>(-(value + 1)) + 1, true);
}

Decimal Decimal::fromMagnitude(Magnitude magnitude, bool negative) {
    Decimal d;
    d.m_magnitude = magnitude;
    d.m_negative = negative && magnitude != 0;
    return d;
}

std::optional<Decimal> Decimal::parse(QStringView text) {
    text = text.trimmed();
    bool negative = false;
    qsizetype i = 0;
    if (i < text.size() && (text[i] == u'-' || text[i] == u'+')) {
        negative = text[i] == u'-';
        ++i;
    }
    Magnitude value = 0;
    int digits = 0;
    for (; i < text.size() && text[i].isDigit() && text[i].unicode() < 128; ++i, ++digits) {
        value = value * 10 + static_cast<unsigned>(text[i].unicode() - u'0');
        if (value >= kLimit)
            return std::nullopt;
    }
    int fractionDigits = 0;
    if (i < text.size() && text[i] == u'.') {
        for (++i; i < text.size() && text[i].isDigit() && text[i].unicode() < 128; ++i)
            ++fractionDigits;
    }
    if (i != text.size() || digits + fractionDigits == 0)
        return std::nullopt;
    return normalised(value, negative);
}

QString Decimal::toString() const {
    if (m_magnitude == 0)
        return QStringLiteral("0");
    char buffer[48];
    int pos = 0;
    for (Magnitude v = m_magnitude; v != 0; v /= 10)
        buffer[pos++] = static_cast<char>('0' + static_cast<int>(v % 10));
    if (m_negative)
        buffer[pos++] = '-';
    std::reverse(buffer, buffer + pos);
    return QString::fromLatin1(buffer, pos);
}

std::optional<std::uint64_t> Decimal::toU64() const {
    if (m_negative || m_magnitude > Magnitude(UINT64_MAX))
        return std::nullopt;
    return static_cast<std::uint64_t>(m_magnitude);
}

bool Decimal::testBit(int bit) const {
    return bit >= 0 && bit < 127 && ((m_magnitude >> bit) & 1) != 0;
}

Decimal Decimal::withBit(int bit, bool on) const {
    if (bit < 0 || bit >= 127)
        return *this;
    const Magnitude mask = Magnitude(1) << bit;
    return normalised(on ? (m_magnitude | mask) : (m_magnitude & ~mask), m_negative);
}

Decimal operator+(const Decimal& a, const Decimal& b) {
    if (a.m_negative == b.m_negative)
        return normalised(a.m_magnitude + b.m_magnitude, a.m_negative);
    if (a.m_magnitude >= b.m_magnitude)
        return normalised(a.m_magnitude - b.m_magnitude, a.m_negative);
    return normalised(b.m_magnitude - a.m_magnitude, b.m_negative);
}

Decimal operator-(const Decimal& a, const Decimal& b) {
    return a + Decimal::fromMagnitude(b.m_magnitude, !b.m_negative);
}

Decimal operator*(const Decimal& a, const Decimal& b) {
    return normalised(a.m_magnitude * b.m_magnitude, a.m_negative != b.m_negative);
}

bool operator==(const Decimal& a, const Decimal& b) {
    return a.m_magnitude == b.m_magnitude && a.m_negative == b.m_negative;
}

std::strong_ordering operator<=>(const Decimal& a, const Decimal& b) {
    if (a.m_negative != b.m_negative)
        return a.m_negative ? std::strong_ordering::less : std::strong_ordering::greater;
    if (a.m_magnitude == b.m_magnitude)
        return std::strong_ordering::equal;
    const bool smaller = a.m_magnitude < b.m_magnitude;
    // For negative values the larger magnitude is the smaller number.
    return (smaller != a.m_negative) ? std::strong_ordering::less : std::strong_ordering::greater;
}
