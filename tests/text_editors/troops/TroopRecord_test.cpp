#include "text_editors/troops/TroopRecord.h"

#include "TroopTestSupport.h"

#include <gtest/gtest.h>

#include <span>

namespace {

// The inventory line as the game writes it: the given item/modifier pairs, then
// empty slots up to 64.
QString ItemLine(const QStringList& pairs) {
    QString line = QStringLiteral("  ");
    for (const QString& pair : pairs)
        line += pair + u' ';
    return line + QStringLiteral("-1 0 ").repeated(64 - pairs.size());
}

// A plain troop in the game's layout with some of its lines replaced.
TroopLines Troop(std::initializer_list<std::pair<int, QString>> replaced = {}) {
    TroopLines lines = {"trp_a A As 0 0 0 0 1 0 0", ItemLine({}),   "  14 12 6 5 18",
                        " 150 130 120 80 60 90 0",  "0 0 0 0 0 0 ", "  0 0 0 0 0 0 0 0 "};
    for (const auto& [line, text] : replaced)
        lines[static_cast<std::size_t>(line)] = text;
    return lines;
}

TEST(TroopRecordTest, RecordsGoBackUnchangedThroughTheBoxTexts) {
    // Item words that are no item of the list, or no number, are not in the
    // generated troops.
    std::vector<TroopLines> troops = {
        Troop({{TroopItemsLine, ItemLine({"9999 3", "abc 0", "-7 1"})}}),
        // Faction and upgrade numbers beyond 32 bits, as builds write them.
        Troop({{TroopHeadLine,
                "trp_a A As 0 0 0 0 -2147483648 1" + QString(68, u'0') + " 4294967296"}}),
        // Flag, skill and face words beyond their controls' bits, spelt as read.
        Troop({{TroopHeadLine, "trp_a A As 0 792281625142643375935526535168 0 0 18 0 0"},
               {TroopSkillsLine, "18446744073709551616 0 00017 0 0 0 "},
               {TroopFacesLine, "  1 2 3 4 5 6 79228162514264337593543950336 8 "}})};
    TroopGenerator generate(20110403, {5000, 500, 5000});
    for (int n = 0; n < 5000; ++n)
        troops.push_back(generate.next());
    for (const TroopLines& lines : troops) {
        SCOPED_TRACE(lines[TroopHeadLine].toStdString());
        PendingFailure failure;
        std::optional<TroopRecord> record = DecodeTroop(lines, failure);
        ASSERT_TRUE(record.has_value()) << failure.number();
        // What the boxes and lists show, read back the way an update reads it.
        record =
            WithChoices(WithBoxTexts(*record, TroopBoxTextsOf(*record)), TroopChoicesOf(*record));
        ASSERT_EQ(EncodeTroop(*record, failure), lines);
        EXPECT_FALSE(failure.pending());
    }
}

TEST(TroopRecordTest, RecordsThatCannotBeShownRaiseTheirFailure) {
    const struct {
        int line;
        const char* text;
        int failure;
    } rows[] = {
        {TroopHeadLine, "trp_a A As 0 0 0 0 1 0", 9},      // nine words
        {TroopHeadLine, "trp_a A As 0 1e3 0 0 1 0 0", 13}, // flag word no number
        {TroopHeadLine, "trp_a A As 0 -1 0 0 1 0 0", 6},
        {TroopHeadLine, "trp_a A As 0 0 0 0 x 0 0", 13}, // faction no number
        {TroopHeadLine, "trp_a A As 0 0 0 0 1  0", 13},  // empty upgrade word
        {TroopAttribsLine, "  1 2 3 4", 9},
        {TroopSkillsLine, "1.5 0 0 0 0 0 ", 13},
        {TroopSkillsLine, "0 0 0 0", 9},
        {TroopFacesLine, "  0 0 0 -5 0 0 0 0 ", 6},
        {TroopFacesLine, "  0 0 0 0 0 0 0", 9},
    };
    for (const auto& row : rows) {
        SCOPED_TRACE(row.text);
        PendingFailure failure;
        EXPECT_FALSE(DecodeTroop(Troop({{row.line, row.text}}), failure).has_value());
        EXPECT_EQ(failure.number(), row.failure);
    }
}

TEST(TroopRecordTest, FieldsComeFromTheirWords) {
    PendingFailure failure;
    const std::optional<TroopRecord> r =
        DecodeTroop(Troop({{TroopHeadLine, "trp_x Xa Xb 3 1048595 5 6 7 8 9"},
                           {TroopItemsLine, ItemLine({"-1 0", "0 5", "12 3", "-1 0", "7 0"})},
                           {TroopSkillsLine, "1342178162 0 2882338816 0 0 4 "},
                           {TroopFacesLine, "  1 2 3 4 5 6 7 8 "}}),
                    failure);
    ASSERT_TRUE(r.has_value());
    EXPECT_EQ(r->id, "trp_x");
    EXPECT_EQ(r->word3, "3");
    EXPECT_EQ(r->faction, 7);
    EXPECT_EQ(r->upgrade2, 9);
    // 1048595 is hexadecimal 100013: skin 3, Hero and Boots.
    EXPECT_EQ(r->skin(), 3);
    for (const TroopFlagBox& box : TroopFlagBoxes)
        EXPECT_EQ(r->hasFlag(box.mask), box.mask == 0x10 || box.mask == 0x100000) << box.caption;
    // Empty slots and item 0 are no rows; modifier words stay with their items.
    EXPECT_EQ(r->items, (QList<TroopSlot>{{"12", "3"}, {"7", "0"}}));
    EXPECT_EQ(r->attributes[4], "18");
    EXPECT_EQ(r->proficiencies[6], "0");
    // Word 0 is hexadecimal 50000372: Persuasion 5, Prisoner mgmt 3, Leadership 7.
    EXPECT_EQ((std::array{r->skill(0), r->skill(1), r->skill(2)}), (std::array{5, 3, 7}));
    EXPECT_EQ(r->skillWord5, "4");
    EXPECT_EQ(r->faces[0].text, "1");
    EXPECT_EQ(r->faces[7].text, "8");
}

TEST(TroopRecordTest, ShortOrEmptyInventoryLinesShowTheirItems) {
    PendingFailure failure;
    EXPECT_TRUE(DecodeTroop(Troop({{TroopItemsLine, ""}}), failure)->items.isEmpty());
    const auto r = DecodeTroop(Troop({{TroopItemsLine, "  5 1 6"}}), failure);
    EXPECT_EQ(r->items, (QList<TroopSlot>{{"5", "1"}, {"6", ""}}));
    // A slot added without a modifier word is written with "0".
    EXPECT_TRUE(EncodeTroop(*r, failure)->at(TroopItemsLine).startsWith("  5 1 6 0 -1 0 "));
}

TEST(TroopRecordTest, UnchangedLinesAreKeptAsStored) {
    // Items with a gap before the last one and a face line without its closing
    // blank: not the game's layout, but an update that changes neither keeps them.
    const TroopLines stored =
        Troop({{TroopItemsLine, "  12 0 -1 0 7 2" + QString(" -1 0").repeated(61) + " "},
               {TroopFacesLine, "  1 2 3 4 5 6 7 8"}});
    PendingFailure failure;
    TroopRecord r = *DecodeTroop(stored, failure);
    EXPECT_EQ(*EncodeTroop(r, stored, failure), stored);

    r.setSkill(3, 4);
    TroopLines expected = stored;
    expected[TroopSkillsLine] = "4 0 0 0 0 0 ";
    EXPECT_EQ(*EncodeTroop(r, stored, failure), expected);

    r.items.removeFirst();
    EXPECT_EQ(EncodeTroop(r, stored, failure)->at(TroopItemsLine), ItemLine({"7 2"}));

    for (int k = 0; k < 64; ++k)
        r.items.append({QString::number(k + 1), "0"});
    EXPECT_FALSE(EncodeTroop(r, failure).has_value()); // 65 slots
    EXPECT_EQ(failure.number(), 9);
}

TEST(TroopRecordTest, SkillAndFaceBoxes) {
    const struct {
        const char* text;
        std::optional<int> level;
    } rows[] = {{"", 0},    {"0", 0},    {"9", 9},   {"10", 10}, {"11", 11}, {"15", 15},
                {"05", 5},  {"A", 10},   {"B", 11},  {"f", 15},  {"16", {}}, {"G", {}},
                {" 5", {}}, {"100", {}}, {"-1", {}}, {"1A", {}}};
    for (const auto& row : rows)
        EXPECT_EQ(SkillLevelFromBox(QString::fromLatin1(row.text)), row.level) << row.text;
    // Level 10 shows in decimal, the others above 9 as letters.
    QStringList shown;
    for (int level = 0; level < 16; ++level)
        shown.append(SkillBoxText(level));
    EXPECT_EQ(shown.join(u' '), "0 1 2 3 4 5 6 7 8 9 10 B C D E F");

    EXPECT_EQ(FaceBoxText({0xFFFFFFFFFFFFFFFFull, 1, 0x1DB6DB, 0xABC}), "0xffffffffffffffff"
                                                                        "0000000000000001"
                                                                        "00000000001db6db"
                                                                        "0000000000000abc");
    EXPECT_EQ(FaceWordsFromBox("0x12"), (std::array<std::uint64_t, 4>{18, 0, 0, 0}));
    // The first two characters are never looked at.
    EXPECT_EQ(FaceWordsFromBox("zz" + QString(15, u'0') + "F"),
              (std::array<std::uint64_t, 4>{15, 0, 0, 0}));
}

TEST(TroopRecordTest, BoxesThatWouldBreakTheRecordAreRefused) {
    enum Part { Name, Attribute, Proficiency, Skill, Face };
    const auto box = [](TroopBoxTexts& t, Part part, std::size_t i) -> QString& {
        const std::span<QString> parts[] = {t.names, t.attributes, t.proficiencies, t.skills,
                                            t.faces};
        return parts[part][i];
    };
    const QString digitsOnly = "' may hold digits only, so nothing was stored. Please correct it!";
    const QString face = "' must be \"0x\" followed by 64 hexadecimal digits, as the game shows "
                         "a face code!";
    const struct {
        Part part;
        std::size_t box;
        QString typed;
        bool asShown; // the show put the same text there
        TextCoding coding;
        QString message;
    } rows[] = {
        {Name, 2, "", false, TextCoding::Bytes, "'Plural' must not be empty!"},
        {Name, 0, "trp_\u20AC", false, TextCoding::Bytes,
         "'Troop ID' holds the character \"\u20AC\", which troops.txt can't store, so nothing "
         "was stored. Please correct it!"},
        {Name, 0, "trp_\u20AC", false, TextCoding::Utf8, ""},
        {Attribute, 0, "1 2", false, TextCoding::Bytes, "'STR' must not be empty or hold blanks!"},
        {Proficiency, 6, "", false, TextCoding::Bytes,
         "'Firearms' must not be empty or hold blanks!"},
        {Attribute, 4, "1x", false, TextCoding::Bytes, "'Level" + digitsOnly},
        {Attribute, 4, "1x", true, TextCoding::Bytes, ""}, // a word as read goes back
        {Skill, 2, "16", false, TextCoding::Bytes,
         "Value of 'Leadership' must be a number between 0 and 15!"},
        {Skill, 19, "b", false, TextCoding::Bytes, "'Riding" + digitsOnly},
        {Skill, 19, "B", true, TextCoding::Bytes, ""},
        {Face, 1, "0x" + QString(63, u'0'), false, TextCoding::Bytes, "'Face code 2" + face},
    };
    PendingFailure failure;
    const TroopRecord record = *DecodeTroop(Troop(), failure);
    for (const auto& row : rows) {
        SCOPED_TRACE(row.typed.toStdString());
        TroopBoxTexts shown = TroopBoxTextsOf(record);
        TroopBoxTexts typed = shown;
        box(typed, row.part, row.box) = row.typed;
        if (row.asShown)
            box(shown, row.part, row.box) = row.typed;
        EXPECT_EQ(TroopProblem(typed, shown, row.coding), row.message);
    }
}

TEST(TroopRecordTest, Conversions) {
    EXPECT_EQ(CHex(255), "000000FF");
    EXPECT_EQ(CHex(0x100000000ull), "00000000");
    EXPECT_EQ(CHex(4294967295ull), "FFFFFFFF");

    EXPECT_EQ(CHex_2(Decimal::fromU64(0)), "");
    EXPECT_EQ(CHex_2(Decimal::fromU64(~0ull)), "FFFFFFFFFFFFFFFF");
    EXPECT_EQ(CHex_2(Decimal::fromMagnitude(Decimal::Magnitude(1) << 70)), "4" + QString(17, u'0'));

    for (const auto& [hex, decimal] : {std::pair{QString(), "0"},
                                       {QString(16, u'f'), "18446744073709551615"},
                                       {QString("&hFF"), "255"},
                                       {QString("1G"), "16"},
                                       {QString(23, u'F'), "4951760157141521099596496895"}})
        EXPECT_EQ(Hex2Dec(hex)->toString(), decimal) << hex.toStdString();
    EXPECT_FALSE(Hex2Dec(QString(24, u'0')).has_value());

    EXPECT_EQ(CheckTroopFlag(19, 16), 1);
    EXPECT_EQ(CheckTroopFlag(19, 3), 1);
    EXPECT_EQ(CheckTroopFlag(19, 32), 0);
    EXPECT_EQ(CheckTroopFlag(17, 3), 2);
    EXPECT_EQ(CheckTroopFlag(0x80000000u, 0x80000000u), 1);

    EXPECT_EQ(TroopWords(" a  b ").size(), 5);
    PendingFailure failure;
    EXPECT_EQ(ParseTroopU64(u"18446744073709551615", failure), ~0ull);
    EXPECT_FALSE(ParseTroopU64(u"-1", failure).has_value());
    EXPECT_EQ(failure.number(), 6);
    EXPECT_FALSE(ParseTroopInt(u"+1", 0, 9, failure).has_value());
    EXPECT_EQ(failure.number(), 13);
    EXPECT_EQ(ParseTroopInt(u"-1", -1, 9, failure), -1);
}

} // namespace
