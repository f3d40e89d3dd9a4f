#include "text_editors/world/FactionRecord.h"

#include "WorldTestSupport.h"

#include <gtest/gtest.h>

#include <functional>

namespace {

const QString Kingdom = QStringLiteral("0 fac_kingdom Kingdom_of_Varr 0 11184810 ");
const QString Relations = QStringLiteral(" 0.050000  0.100000  -0.200000 ");

TEST(FactionRecordTest, UnchangedFactionsAreBuiltBackAsStored) {
    struct Faction {
        QString line1, relations;
        int count; // factions in the file
    };
    QList<Faction> factions = {
        {Kingdom, Relations, 3},
        // Hand-edited: single blanks, a label word 2, colour bits above 24 and
        // leading zeros, words after the colour and after the relations.
        {"0 fac_rough Rough 2 004278233855 extra 7 ", " 0.0 1.0 -0.5 0.25 ", 3},
        // The game's first faction line, and every line where the rank word
        // stands on a line of its own, has no lead word.
        {"fac_commoners Commoners 0 10027161 ", Relations, 3},
    };
    const QStringList sample = SampleLines(QStringLiteral("factions.txt"));
    for (qsizetype i = 2; i + 1 < sample.size(); i += 2)
        factions.append({sample.at(i), sample.at(i + 1), sample.at(1).toInt()});
    ASSERT_GE(factions.size(), 6);
    for (const Faction& f : factions) {
        SCOPED_TRACE(f.line1.toStdString());
        PendingFailure failure;
        const FactionRead read = DecodeFaction(f.line1, f.relations, f.count, failure);
        ASSERT_TRUE(read.complete);
        EXPECT_EQ(EncodeFaction(read.record, f.line1, f.relations, f.count, failure),
                  std::pair(f.line1, f.relations));
        EXPECT_FALSE(failure.pending());
    }
}

TEST(FactionRecordTest, ChangesWriteOnlyTheirWords) {
    using Edit = std::function<void(FactionRecord&)>;
    const struct {
        const char* what;
        QString line1, relations;
        Edit edit;
        QString expected1, expectedRelations;
    } rows[] = {
        {"id, name, label", Kingdom, Relations,
         [](FactionRecord& r) {
             r.id = "fac_k";
             r.name = "K";
             r.hideLabel = true;
         },
         "0 fac_k K 1 11184810 ", Relations},
        // The label flag is bit 0 of a word whose other bits stay.
        {"label ticked", "0 fac_outlaws Outlaws 33280 8947848 ", Relations,
         [](FactionRecord& r) { r.hideLabel = true; }, "0 fac_outlaws Outlaws 33281 8947848 ",
         Relations},
        {"label cleared", "0 fac_a A 33281 0 ", Relations,
         [](FactionRecord& r) { r.hideLabel = false; }, "0 fac_a A 33280 0 ", Relations},
        {"a line without a lead word", "fac_a A 33280 10027161 ", Relations,
         [](FactionRecord& r) { r.hideLabel = true; }, "fac_a A 33281 10027161 ", Relations},
        {"colour: the bits above 24 stay", "0 fac_a A 0 4278233855 x ", Relations,
         [](FactionRecord& r) { r.blue = 0; }, "0 fac_a A 0 4278233600 x ", Relations},
        // The relation to faction 0 stays as stored; the line takes the
        // game's layout, words after the relations included.
        {"a relation", Kingdom, " 0.050000 0.100000 -0.200000 more ",
         [](FactionRecord& r) { r.relations[2] = "0.300000"; }, Kingdom,
         " 0.050000  0.100000  0.300000  more "},
    };
    for (const auto& row : rows) {
        SCOPED_TRACE(row.what);
        PendingFailure failure;
        FactionRecord r = DecodeFaction(row.line1, row.relations, 3, failure).record;
        row.edit(r);
        EXPECT_EQ(EncodeFaction(r, row.line1, row.relations, 3, failure),
                  std::pair(row.expected1, row.expectedRelations));
        EXPECT_FALSE(failure.pending());
    }
}

// The colour word follows the bars of the faction shown, never one shown before.
TEST(FactionRecordTest, ColourWordComesFromTheStoredWordAndTheBars) {
    EXPECT_EQ(ColourWord("0065280", 0, 255, 0), "0065280");
    EXPECT_EQ(ColourWord("65280", 16, 0, 0), "1048576");
    EXPECT_EQ(ColourWord("4278233855", 0, 0, 0), "4278190080");
    EXPECT_EQ(ColourWord("", 1, 2, 3), "66051");
}

TEST(FactionRecordTest, LinesThatCannotBeReadWholeAreNeverRebuilt) {
    const struct {
        QString line1, relations;
        int failure;
    } rows[] = {
        {"0 fac_a A 0", Relations, Err::SubscriptOutOfRange},
        {"0 fac_a A 0 red ", Relations, Err::TypeMismatch},
        {Kingdom, " 0.050000  0.100000 ", Err::SubscriptOutOfRange},
        {Kingdom, "0.050000  0.100000  -0.200000 ", Err::SubscriptOutOfRange},
    };
    for (const auto& row : rows) {
        SCOPED_TRACE(row.line1.toStdString() + "|" + row.relations.toStdString());
        PendingFailure failure;
        const FactionRead read = DecodeFaction(row.line1, row.relations, 3, failure);
        EXPECT_FALSE(read.complete);
        EXPECT_EQ(failure.number(), row.failure);
        PendingFailure update;
        EXPECT_EQ(EncodeFaction(read.record, row.line1, row.relations, 3, update), std::nullopt);
        EXPECT_EQ(update.number(), Err::SubscriptOutOfRange);
    }
}

TEST(FactionRecordTest, TypedWordsThatWouldShiftTheLinesAreRefused) {
    PendingFailure failure;
    FactionRecord r = DecodeFaction(Kingdom, Relations, 3, failure).record;
    EXPECT_EQ(FactionProblem(r), QString());
    r.relations[2] = "0.5 0.6";
    EXPECT_EQ(FactionProblem(r),
              "'Relation to faction 2' must not be empty or hold blanks or line breaks!");
    // The loader tells a faction, and its lead word from its id, by "fac_".
    r.relations[2] = "0.5";
    r.id = "kingdom";
    EXPECT_EQ(FactionProblem(r), "'Faction ID' must begin with fac_!");
}

} // namespace
