#include "platform/Convert.h"
#include "platform/Decimal.h"

#include <gtest/gtest.h>

namespace {
struct ParseRow {
    const char* text;
    const char* printed; // nullptr: no value
};

TEST(Decimal, ParsesAndPrintsExactly) {
    const ParseRow rows[] = {
        {"0", "0"},
        {"  42 ", "42"},
        {"-10", "-10"},
        {"+7", "7"},
        {"10.9", "10"},
        {"-0", "0"},
        {"18446744073709551615", "18446744073709551615"},                 // 2^64-1
        {"4951760157141521099596496895", "4951760157141521099596496895"}, // 2^92-1
        {"170141183460469231731687303715884105727", "170141183460469231731687303715884105727"},
        {"170141183460469231731687303715884105728", nullptr}, // 2^127
        {"", nullptr},
        {"abc", nullptr},
        {"1,5", nullptr},
        {"1e3", nullptr},
        {".", nullptr},
    };
    for (const auto& row : rows) {
        const auto value = Decimal::parse(QString::fromLatin1(row.text));
        if (!row.printed) {
            EXPECT_FALSE(value.has_value()) << row.text;
            continue;
        }
        ASSERT_TRUE(value.has_value()) << row.text;
        EXPECT_EQ(value->toString(), QString::fromLatin1(row.printed)) << row.text;
    }
}

TEST(Decimal, BitsAndArithmetic) {
    const Decimal big = Decimal::fromU64(UINT64_MAX);
    EXPECT_TRUE(big.testBit(63));
    EXPECT_FALSE(big.testBit(64));
    EXPECT_EQ(big.withBit(63, false).toString(), QStringLiteral("9223372036854775807"));
    EXPECT_EQ((big + Decimal::fromU64(1)).toString(), QStringLiteral("18446744073709551616"));
    EXPECT_EQ((Decimal::fromU64(3) - Decimal::fromU64(5)).toString(), QStringLiteral("-2"));
    EXPECT_EQ(Decimal::fromI64(INT64_MIN).toString(), QStringLiteral("-9223372036854775808"));
    EXPECT_LT(Decimal::fromI64(-5), Decimal::fromI64(-4));
    EXPECT_GT(Decimal::fromU64(5), Decimal::fromI64(-6));
    EXPECT_EQ(big.toU64(), UINT64_MAX);
    EXPECT_FALSE((big + Decimal::fromU64(1)).toU64().has_value());
    EXPECT_FALSE(Decimal::fromI64(-1).toU64().has_value());
}

TEST(Convert, RoundsHalfToEvenIndependentOfLocale) {
    EXPECT_EQ(ToInt16(u"7.5"), 8);
    EXPECT_EQ(ToInt16(u"8.5"), 8);
    EXPECT_EQ(ToInt16(u"9.5"), 10);
    EXPECT_EQ(ToInt16(u"8.51"), 9);
    EXPECT_EQ(ToInt16(u"-2.5"), -2);
    EXPECT_EQ(ToInt16(u"930 "), 930);
    EXPECT_EQ(ToInt16(u"32767"), 32767);
    EXPECT_EQ(ToInt16(u"-32768"), -32768);
    EXPECT_FALSE(ToInt16(u"32768").has_value());
    EXPECT_FALSE(ToInt16(u"32767.5").has_value());
    EXPECT_FALSE(ToInt16(u"abc").has_value());
    EXPECT_FALSE(ToInt16(u"").has_value());
    EXPECT_FALSE(ToInt16(u"1,5").has_value());
    EXPECT_EQ(ToInt32(u"2147483647"), 2147483647);
    EXPECT_FALSE(ToInt32(u"2147483648").has_value());
}
} // namespace
