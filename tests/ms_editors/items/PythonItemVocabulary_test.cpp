#include "ms_editors/items/PythonItemVocabulary.h"

#include "../troops/QtPrinters.h"

#include <gtest/gtest.h>

namespace {

TEST(PythonItemVocabulary, ListsTheGroupsInTheirRows) {
    const QStringList flags = PythonItemFlagVocabulary();
    const QStringList caps = PythonItemCapabilityVocabulary();
    const QStringList mods = PythonItemModifierVocabulary();
    ASSERT_EQ(flags.size(), 60);
    ASSERT_EQ(caps.size(), 93);
    ASSERT_EQ(mods.size(), 65);
    EXPECT_EQ(PythonItemTypes(), flags.mid(0, PythonItemTypeCount));
    EXPECT_EQ(flags[19], QStringLiteral("itp_type_book"));
    EXPECT_EQ(flags[20], QStringLiteral("itp_force_attach_left_hand"));
    EXPECT_EQ(flags[58], QStringLiteral("itp_ignore_friction"));
    EXPECT_EQ(caps[19], QStringLiteral("itc_musket_melee"));
    EXPECT_EQ(caps[91], QStringLiteral("itcf_force_64_bits"));
    EXPECT_EQ(mods[19], QStringLiteral("imodbits_bad"));
    EXPECT_EQ(mods[63], QStringLiteral("imodbit_large_bag"));
    // The separators, and only they, are separator rows.
    const std::pair<const QStringList&, QList<int>> separators[] = {
        {flags, {59}}, {caps, {20, 92}}, {mods, {20, 64}}};
    for (const auto& [rows, expected] : separators) {
        QList<int> found;
        for (int r = 0; r < rows.size(); ++r) {
            if (IsPythonItemSeparator(rows[r]))
                found.append(r);
        }
        EXPECT_EQ(found, expected);
    }
    EXPECT_EQ(flags[59], QString(76, u'-'));
    EXPECT_EQ(mods[64], QString(52, u'-'));
}

// Rows chosen before the click (by the click itself too), the row clicked, and
// the rows chosen afterwards, with whether the capability list is enabled.
TEST(ApplyPythonItemFlagRules, KeepsOneTypeAndOneAttachmentAtMost) {
    struct Case {
        QList<int> before;
        int clicked;
        QList<int> after;
        bool capabilities;
    };
    const Case cases[] = {
        {{3, 7, 30}, 7, {7, 30}, true},   // another type moves the choice
        {{30}, 3, {3, 30}, true},         // a click that cleared the type chooses it again
        {{0, 30}, 0, {0, 30}, false},     // itp_type_horse disables the capabilities
        {{0, 21, 22}, 22, {0, 22}, true}, // one attachment flag at most
        {{0}, 21, {0}, true},             // a cleared attachment flag stays cleared
        {{5, 59, 30}, 30, {5, 30}, true}, // the separator never stays chosen
        {{5, 60}, 60, {5, 60}, true},     // a row appended behind the vocabulary
    };
    QStringList rows = PythonItemFlagVocabulary();
    rows.append(QStringLiteral("itp_new"));
    for (const Case& c : cases) {
        QList<bool> chosen(rows.size(), false);
        for (int r : c.before)
            chosen[r] = true;
        EXPECT_EQ(ApplyPythonItemFlagRules(rows, chosen, c.clicked), c.capabilities) << c.clicked;
        QList<int> after;
        for (int r = 0; r < chosen.size(); ++r) {
            if (chosen[r])
                after.append(r);
        }
        EXPECT_EQ(after, c.after) << c.clicked;
    }
}

} // namespace
