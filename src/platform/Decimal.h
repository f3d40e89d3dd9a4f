#pragma once

#include <QString>
#include <QStringView>

#include <compare>
#include <cstdint>
#include <optional>

// An exact signed integer with up to 127 bits of magnitude. Flag words of the
// module files reach 64 bits and hexadecimal texts of 23 digits 92 bits, so a
// double would silently lose the low bits; this never does.
class Decimal {
public:
    __extension__ typedef unsigned __int128 Magnitude;

    Decimal() = default;
    static Decimal fromU64(std::uint64_t value) { return fromMagnitude(value); }
    static Decimal fromI64(std::int64_t value);
    static Decimal fromMagnitude(Magnitude magnitude, bool negative = false);

    // Reads an optional sign, decimal digits and an optional fraction ("12.9"),
    // with blanks around it allowed. The fraction is dropped (toward zero).
    // Anything else, or a magnitude of 2^127 and more, gives no value.
    static std::optional<Decimal> parse(QStringView text);

    QString toString() const;
    Magnitude magnitude() const { return m_magnitude; }
    bool isNegative() const { return m_negative; }
    bool isZero() const { return m_magnitude == 0; }
    // The value when it is a whole number from 0 to 2^64-1.
    std::optional<std::uint64_t> toU64() const;

    bool testBit(int bit) const;
    Decimal withBit(int bit, bool on) const;

    friend Decimal operator+(const Decimal& a, const Decimal& b);
    friend Decimal operator-(const Decimal& a, const Decimal& b);
    friend Decimal operator*(const Decimal& a, const Decimal& b);
    friend bool operator==(const Decimal& a, const Decimal& b);
    friend std::strong_ordering operator<=>(const Decimal& a, const Decimal& b);

private:
    Magnitude m_magnitude = 0;
    bool m_negative = false;
};
