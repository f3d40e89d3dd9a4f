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
    for (const auto& row : rows)
        EXPECT_EQ(SplitWords(row.line), row.words) << row.line.toStdString();

    PendingFailure failure;
    const QStringList words = SplitWords("a b");
    EXPECT_EQ(WordAt(words, 1, failure), "b");
    EXPECT_FALSE(failure.pending());
    EXPECT_EQ(WordAt(words, 2, failure), QString());
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
