#include "textfiles/modTextFiles.h"

#include <gtest/gtest.h>

namespace {

TEST(TextFileWords, SplitAtEverySingleBlank) {
    const struct {
        QString line;
        QStringList words;
    } rows[] = {
        {"a b", {"a", "b"}}, {" a b ", {"", "a", "b", ""}}, {"a  b", {"a", "", "b"}}, {"", {""}},
        {"a\tb", {"a\tb"}}, // only the blank separates
    };
    for (const auto& row : rows) {
        for (int i = 0; i < row.words.size(); ++i)
            EXPECT_EQ(LineWord(row.line, i), row.words.at(i)) << row.line.toStdString() << i;
        EXPECT_EQ(LineWord(row.line, int(row.words.size())), std::nullopt);
    }

    PendingFailure failure;
    EXPECT_EQ(WordAt("a b", 1, failure), "b");
    EXPECT_FALSE(failure.pending());
    EXPECT_EQ(WordAt("a b", 2, failure), QString());
    EXPECT_EQ(failure.number(), Err::SubscriptOutOfRange);
}

TEST(TextFileWords, CountsReadTheSameEverywhere) {
    const struct {
        QString line;
        std::optional<int> count; // as line 2
        int perRecord;            // as an item's faction or trigger count
    } rows[] = {
        {"12", 12, 12},
        {"12 ", 12, 12},
        {" 1 2", 12, 12},
        {"0", 0, 0},
        {"-1", -1, -1},
        {"", std::nullopt, 0},
        {"x", std::nullopt, 0},
        {"1,5", std::nullopt, 0},
        {"32767", 32767, 32767},
        {"40000", 40000, 0}, // beyond the game's 16-bit per-record counts
        {"99999999999", std::nullopt, 0},
    };
    for (const auto& row : rows) {
        EXPECT_EQ(CountValue(row.line), row.count) << row.line.toStdString();
        EXPECT_EQ(CountOrZero(row.line), row.perRecord) << row.line.toStdString();
    }
}

} // namespace
