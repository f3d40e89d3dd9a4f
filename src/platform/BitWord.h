#pragma once

#include <QString>
#include <QStringView>

#include <cstdint>
#include <optional>
#include <vector>

// A whole number written in decimal digits of any length. A module's build
// writes Python's integers as they come, and those have no limit: a flags word
// of 10 x 2^96 or a word of 69 digits stands in files the game reads. A control
// that shows some bits of such a word reads and sets only those, and every
// other bit, known or not, stays as read.
class BitWord {
public:
    BitWord() = default;
    static BitWord fromU64(std::uint64_t value);
    // Decimal digits only (leading zeros allowed; no sign, no blank, no
    // fraction); anything else, the empty text included, gives no value.
    static std::optional<BitWord> parse(QStringView digits);

    bool isZero() const { return m_limbs.empty(); }
    // The number of bits up to the highest one set; 0 for zero.
    int bitLength() const;
    // The value when it fits 64 bits.
    std::optional<std::uint64_t> toU64() const;
    // Decimal digits without leading zeros ("0" for zero).
    QString toString() const;

    bool testBit(int bit) const;
    BitWord withBit(int bit, bool on) const;
    // The `count` bits (at most 64) from bit `first` up, as a number.
    std::uint64_t bits(int first, int count) const;
    // The word with those bits replaced by the low `count` bits of `value`.
    BitWord withBits(int first, int count, std::uint64_t value) const;

    bool operator==(const BitWord&) const = default;

private:
    void trim();
    std::vector<std::uint32_t> m_limbs; // least significant first, no zero on top
};

// The word to write for `value` where `stored` was read: `stored` itself while
// it names that very value (so leading zeros and the rest of its spelling
// stay), otherwise the value's digits.
QString BitWordText(const QString& stored, const BitWord& value);
