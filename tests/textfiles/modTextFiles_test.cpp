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
        std::optional<int> count;
    } rows[] = {
        {"12", 12},
        {"12 ", 12},
        {" 1 2", 12},
        {"0", 0},
        {"-1", -1},
        {"", std::nullopt},
        {"x", std::nullopt},
        {"1,5", std::nullopt},
        {"99999999999", std::nullopt},
    };
    for (const auto& row : rows) {
        EXPECT_EQ(CountValue(row.line), row.count) << row.line.toStdString();
        EXPECT_EQ(CountOrZero(row.line), row.count.value_or(0));
    }
}

} // namespace
