#include "platform/BitWord.h"

#include <gtest/gtest.h>

namespace {
const QString Digits69 =
    QStringLiteral("123456789012345678901234567890123456789012345678901234567890123456789");

TEST(BitWord, ReadsAndWritesAnyLengthExactly) {
    const struct {
        const char* text;
        const char* printed; // nullptr: no value
        int bitLength;
    } rows[] = {
        {"0", "0", 0},
        {"000", "0", 0},
        {"00000000000001048576", "1048576", 21},
        {"18446744073709551615", "18446744073709551615", 64},
        {"18446744073709551616", "18446744073709551616", 65},
        {"792281625142643375935526535168", "792281625142643375935526535168", 100}, // 10 x 2^96
        {"1000000000000000000000000000000000000000", "1000000000000000000000000000000000000000",
         130},
        {"", nullptr, 0},
        {"-1", nullptr, 0},
        {"+1", nullptr, 0},
        {" 1", nullptr, 0},
        {"1.0", nullptr, 0},
        {"0x10", nullptr, 0},
    };
    for (const auto& row : rows) {
        const auto word = BitWord::parse(QString::fromLatin1(row.text));
        if (!row.printed) {
            EXPECT_FALSE(word) << row.text;
            continue;
        }
        ASSERT_TRUE(word) << row.text;
        EXPECT_EQ(word->toString(), QString::fromLatin1(row.printed)) << row.text;
        EXPECT_EQ(word->bitLength(), row.bitLength) << row.text;
    }
    EXPECT_EQ(BitWord::parse(Digits69)->toString(), Digits69);
    EXPECT_EQ(BitWord::fromU64(UINT64_MAX).toString(), QStringLiteral("18446744073709551615"));
    EXPECT_EQ(BitWord::parse(u"18446744073709551615")->toU64(), UINT64_MAX);
    EXPECT_FALSE(BitWord::parse(u"18446744073709551616")->toU64());
}

TEST(BitWord, SetsShownBitsAndKeepsEveryOther) {
    // A real troop's flags: 10 x 2^96 over boots, armor, horse and ranged;
    // the hero bit set, then cleared again.
    const BitWord flags = *BitWord::parse(u"792281625142643375935526535168");
    EXPECT_TRUE(flags.testBit(97));
    EXPECT_TRUE(flags.testBit(99));
    EXPECT_EQ(flags.bits(0, 64), 0x5300000u);
    EXPECT_EQ(flags.bits(96, 4), 10u);
    const BitWord hero = flags.withBit(4, true);
    EXPECT_EQ(hero.toString(), QStringLiteral("792281625142643375935526535184"));
    EXPECT_EQ(hero.withBit(4, false), flags);
    // Bits across the 32-bit limbs and beyond the highest one.
    const BitWord wide = BitWord::fromU64(0).withBits(28, 8, 0xFF).withBit(130, true);
    EXPECT_EQ(wide.bits(28, 8), 0xFFu);
    EXPECT_EQ(wide.bits(27, 10), 0xFFu << 1);
    EXPECT_EQ(wide.bitLength(), 131);
    EXPECT_EQ(wide.withBit(130, false).withBit(200, false), BitWord::fromU64(0xFFull << 28));
    const BitWord big = *BitWord::parse(Digits69);
    EXPECT_EQ(big.withBits(0, 64, big.bits(0, 64)), big);
    // Any run of bits, read and set, across the limbs and past the top.
    for (const int first : {0, 5, 31, 32, 60, 200})
        for (const int count : {1, 7, 33, 64}) {
            std::uint64_t read = 0;
            for (int i = count - 1; i >= 0; --i)
                read = (read << 1) | (big.testBit(first + i) ? 1u : 0u);
            EXPECT_EQ(big.bits(first, count), read) << first << "+" << count;
            const BitWord set = big.withBits(first, count, 0x5555555555555555u);
            const std::uint64_t low = count == 64 ? ~0ull : (1ull << count) - 1;
            EXPECT_EQ(set.bits(first, count), 0x5555555555555555u & low);
            EXPECT_EQ(set.withBits(first, count, read), big) << first << "+" << count;
        }
}

TEST(BitWord, KeepsTheStoredSpellingOfAnUnchangedValue) {
    const QString padded = QStringLiteral("00000000000001048576");
    EXPECT_EQ(BitWordText(padded, *BitWord::parse(padded)), padded);
    EXPECT_EQ(BitWordText(padded, BitWord::fromU64(1048577)), QStringLiteral("1048577"));
    EXPECT_EQ(BitWordText(QStringLiteral("junk"), BitWord::fromU64(0)), QStringLiteral("0"));
}
} // namespace
