#include "text_editors/world/WorldWords.h"

#include <gtest/gtest.h>

namespace {

TEST(WorldWordsTest, TypedWordsMustStayOneWord) {
    const QString shift = QStringLiteral("'Box' must not be empty or hold blanks or line breaks!");
    const struct {
        QString text;
        QString problem;
    } rows[] = {
        {"p_town_1", QString()},
        {QString::fromLatin1("M\xfcller"), QString()},
        {"", shift},
        {"a b", shift},
        {"a\tb", shift},
        {"a\r\nb", shift},
        {"a\rb", shift},
        {QString::fromUtf8("1\u20ac"), QString()}, // the window asks the file's coding
    };
    for (const auto& row : rows)
        EXPECT_EQ(TypedWordProblem({"Box", row.text}), row.problem) << row.text.toStdString();
    EXPECT_EQ(TypedWordsProblem({{"A", "ok"}, {"B", ""}, {"C", "x y"}}),
              "'B' must not be empty or hold blanks or line breaks!");
}

} // namespace
