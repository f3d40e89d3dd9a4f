#include "text_editors/world/WorldWords.h"

#include <gtest/gtest.h>

namespace {

TEST(WorldWordsTest, TypedWordsMustStayOneWordTheFileCanHold) {
    const QString shift = QStringLiteral("'Box' must not be empty or hold blanks or line breaks!");
    const struct {
        QString text;
        QString problem;
    } rows[] = {
        {"p_town_1", QString()},
        {QString::fromLatin1("M\xfcller"), QString()}, // the file's 8-bit code holds it
        {"", shift},
        {"a b", shift},
        {"a\tb", shift},
        {"a\r\nb", shift},
        {"a\rb", shift},
        {QString::fromUtf8("1\u20ac"),
         "'Box' holds a character that cannot be written to the module file!"},
    };
    for (const auto& row : rows)
        EXPECT_EQ(TypedWordProblem({"Box", row.text}), row.problem) << row.text.toStdString();
    EXPECT_EQ(TypedWordsProblem({{"A", "ok"}, {"B", ""}, {"C", "x y"}}),
              "'B' must not be empty or hold blanks or line breaks!");
}

} // namespace
