#include "text_editors/RecordRows.h"

#include <gtest/gtest.h>

namespace {

// A row of a filtered list names its record by the number in front of it; a
// row that names none (or one past the last record) selects nothing.
TEST(RecordRows, TheNumberInFrontOfARowNamesItsRecord) {
    const struct {
        const char* row;
        std::optional<int> record;
    } rows[] = {
        {"12.  trp_x  (X)", 12},
        {"0.  trp_player  (Player)", 0},
        {"9. itm_a  (A)", 9},
        {"13.  trp_y  (Y)", std::nullopt},                   // beyond the last record
        {"2 - Short_Sword (itm_short_sword)", std::nullopt}, // no point: "2" less a character
        {"-1.  x  (X)", std::nullopt},
        {"1a.  x  (X)", std::nullopt},
        {"", std::nullopt},
        {"123456.  x  (X)", std::nullopt},
    };
    for (const auto& [row, record] : rows)
        EXPECT_EQ(RecordOfRow(QLatin1String(row), 12), record) << row;
    EXPECT_EQ(RecordRow(3, "trp_knight", "Knight"), "3.  trp_knight  (Knight)");
    EXPECT_EQ(RecordOfRow(RecordRow(3, "trp_knight", "Knight"), 3), 3);
}

} // namespace
