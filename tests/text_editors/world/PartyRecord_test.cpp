#include "text_editors/world/PartyRecord.h"

#include "WorldTestSupport.h"

#include <gtest/gtest.h>

#include <functional>

namespace {

// Parties as the game writes them: the player's party, a town, a bandit camp
// with three members, a party with members beyond the fifth, and hand-edited
// ones (words after the members, a personality above 511, flag bits no row
// names, leading zeros, indexes no list has a row for).
const QString Main = QStringLiteral(
    " 1 0 0 p_main_party Main_Party 1048576 0 0 1 0 0 0 0 0 17.000000 52.500000 17.000000 "
    "52.500000 17.000000 52.500000 0.000000 1 0 1 0 0 ");
const QString Town = QStringLiteral(
    " 1 5 5 p_town_1 Sargoth 9228 0 0 3 0 0 0 0 0 -17.600000 -36.800000 -17.600000 -36.800000 "
    "-17.600000 -36.800000 0.000000 0 ");
const QString Camp = QStringLiteral(
    " 1 9 9 p_bandit_camp Bandit_Camp 1027 0 2 3 392 392 4 7 7 5.000000 -20.000000 5.000000 "
    "-20.000000 5.000000 -20.000000 0.000000 3 4 10 0 0 1 3 0 1 12 1 0 0 ");
const QString Seven = QStringLiteral(
    " 1 2 2 p_host Host 0 0 0 0 0 0 0 0 0 1.0 2.0 1.0 2.0 1.0 2.0 0.0 7 1 1 0 0 2 2 0 0 3 3 0 0 "
    "4 4 0 0 5 5 0 0 6 6 0 0 7 7 0 0 ");
const QString Rough = QStringLiteral(
    " 1 3 3 p_rough Rough 0034817 x 9999 -1 4660 17 11 300 6 1.5 2.5 9 9 9 9 0.0 2 4 10 5 2 "
    "9999 3 0 0 extra words 0 ");
// A community module's castle: six members and a line without its closing blank.
const QString Noldor = QStringLiteral(
    " 1 176 176 p_castle_noldor Elacrai 4199810 0 0 64 0 0 0 0 0 98.520000 -16.610000 98.520000 "
    "-16.610000 98.520000 -16.610000 0.0 6 266 50 0 0 264 50 0 0 265 100 0 0 261 300 0 0 263 500 "
    "0 0 269 100 0 1");

TEST(PartyRecordTest, UnchangedRecordsAreBuiltBackWordForWord) {
    QStringList lines = {Main, Town, Camp, Seven, Rough, Noldor, Noldor + ' '};
    const QStringList sample = SampleLines(QStringLiteral("parties.txt"));
    for (qsizetype i = 2; i < sample.size(); i += 2)
        lines << sample.at(i);
    ASSERT_GE(lines.size(), 9);
    for (const QString& line : lines) {
        SCOPED_TRACE(line.toStdString());
        PendingFailure failure;
        const PartyRead read = DecodeParty(line, failure);
        ASSERT_TRUE(read.complete);
        EXPECT_EQ(EncodeParty(read.record, line, failure), line);
        EXPECT_FALSE(failure.pending());
    }
}

// Each change writes its own words and leaves every other word as stored.
TEST(PartyRecordTest, ChangesWriteOnlyTheirWords) {
    using Edit = std::function<void(PartyRecord&)>;
    const struct {
        const char* what;
        QString stored;
        Edit edit;
        QString expected;
    } rows[] = {
        {"id and name", Main,
         [](PartyRecord& r) {
             r.id = "p_me";
             r.name = "Me";
         },
         QString(Main).replace("p_main_party Main_Party", "p_me Me")},
        {"personality, written twice", Camp, [](PartyRecord& r) { r.personality.courage = 9; },
         QString(Camp).replace(" 392 392 ", " 393 393 ")},
        {"position, written three times", Town, [](PartyRecord& r) { r.posX = "12.5"; },
         QString(Town).replace("-17.600000", "12.5")},
        {"flags and icon", Main,
         [](PartyRecord& r) {
             r.flags.rows[0] = true;
             r.flags.icon = 10;
         },
         QString(Main).replace(" 1048576 ", " 1048842 ")},
        {"lists", Camp,
         [](PartyRecord& r) {
             r.partyTemplate = 1;
             r.faction = 0;
             r.aiBehaviour = 11;
             r.aiTarget = 2;
         },
         QString(Camp).replace(" 2 3 392 392 4 7 7 ", " 1 0 392 392 11 2 7 ")},
        {"a member's troop, count and flag", Camp,
         [](PartyRecord& r) {
             r.members[1] = {5, "20", false};
         },
         QString(Camp).replace(" 1 3 0 1 ", " 5 20 0 0 ")},
        {"no members: the words after them stay", Rough, [](PartyRecord& r) { r.members.clear(); },
         QString(Rough).replace(" 2 4 10 5 2 9999 3 0 0 ", " 0 ")},
        {"a member added", Town,
         [](PartyRecord& r) {
             r.members.append({6, "40", true});
         },
         QString(Town).replace(" 0.000000 0 ", " 0.000000 1 6 40 0 1 ")},
        // Hand-edited words stay: the flag bits no row names and the zeros in
        // front, the personality above 511, member flag 2, the words 11, 14, 17-20.
        {"rough words untouched", Rough, [](PartyRecord& r) { r.menu = "7"; },
         QString(Rough).replace(" x ", " 7 ")},
        {"flag bits no row names", Rough, [](PartyRecord& r) { r.flags.rows[0] = true; },
         QString(Rough).replace(" 0034817 ", " 35073 ")},
    };
    for (const auto& row : rows) {
        PendingFailure failure;
        EXPECT_EQ(EditedLine(row.stored, DecodeParty, EncodeParty, row.edit, failure), row.expected)
            << row.what;
        EXPECT_FALSE(failure.pending());
    }
}

// A list without a row for the stored index shows no row; writing that back
// keeps the stored word instead of another party's value or -1.
TEST(PartyRecordTest, ListsWithoutARowKeepTheStoredIndex) {
    PendingFailure failure;
    PartyRecord r = DecodeParty(Rough, failure).record;
    r.partyTemplate = r.faction = r.aiBehaviour = r.aiTarget = -1;
    r.flags.icon = -1;
    for (PartyMember& member : r.members)
        member.troop = -1;
    EXPECT_EQ(EncodeParty(r, Rough, failure), Rough);
    r.flags.rows[0] = true; // a changed flag word keeps the stored icon 1
    EXPECT_EQ(EncodeParty(r, Rough, failure), QString(Rough).replace(" 0034817 ", " 35073 "));
    EXPECT_FALSE(failure.pending());
}

TEST(PartyRecordTest, MembersBeyondTheFifthAreKept) {
    PendingFailure failure;
    const PartyRead read = DecodeParty(Seven, failure);
    EXPECT_TRUE(read.complete);
    EXPECT_FALSE(failure.pending()); // the game knows such parties
    ASSERT_EQ(read.record.members.size(), 7);

    PartyRecord r = read.record;
    QList<PartyMember> shown = r.members.mid(0, PartyShownMembers);
    shown[0].count = "9";
    SetShownMembers(r, shown);
    EXPECT_EQ(EncodeParty(r, Seven, failure), QString(Seven).replace(" 7 1 1 0 0 ", " 7 1 9 0 0 "));

    // Fewer rows in use: the list ends with them.
    SetShownMembers(r, shown.mid(0, 2));
    const QString two = EncodeParty(r, Seven, failure).value_or(QString());
    EXPECT_TRUE(two.endsWith(" 0.0 2 1 9 0 0 2 2 0 0 ")) << two.toStdString();
}

TEST(PartyRecordTest, LinesThatCannotBeReadWholeAreNeverRebuilt) {
    const struct {
        QString line;
        int failure;
    } rows[] = {
        {" 1 0 0 p_a A 0 0 0 0", Err::SubscriptOutOfRange},
        {QString(Main).replace(" 1 0 1 0 0 ", " 2 0 1 0 0 "), Err::SubscriptOutOfRange},
        {QString(Main).replace(" 1 0 1 0 0 ", " -1 0 1 0 0 "), Err::SubscriptOutOfRange},
        {QString(Main).replace(" 1048576 ", " 1.5 "), Err::TypeMismatch},
        {QString(Main).replace(" 0 0 1 0 0 0 ", " 0 0 one 0 0 0 "), Err::TypeMismatch},
        // A member word lost: the closing blank's empty word takes its place.
        {QString(Main).replace(" 1 0 1 0 0 ", " 1 0 1 0 "), Err::TypeMismatch},
        // A count of fewer members than the line holds.
        {QString(Camp).replace(" 0.000000 3 4 ", " 0.000000 2 4 "), Err::SubscriptOutOfRange},
    };
    for (const auto& row : rows)
        ExpectNeverRebuilt(row.line, row.failure, DecodeParty, EncodeParty);
    // What could be read is still shown.
    PendingFailure failure;
    EXPECT_EQ(DecodeParty(" 1 0 0 p_a A 0 0 0 0", failure).record.id, "p_a");
}

// The boxes an update writes as typed are checked; a member row added without a
// troop chosen is refused, never written as -1.
TEST(PartyRecordTest, UpdatesThatWouldBreakTheLineAreRefused) {
    PendingFailure failure;
    const PartyRecord stored = DecodeParty(Camp, failure).record;
    PartyRecord r = stored;
    EXPECT_EQ(PartyProblem(r, stored), QString());
    r.members[2].count = "1\r\n2";
    EXPECT_EQ(PartyProblem(r, stored),
              "'Count of member 3' must not be empty or hold blanks or line breaks!");
    r = stored;
    r.members.append({-1, "1", false});
    EXPECT_EQ(PartyProblem(r, stored), "Choose a troop for member 4!");
    EXPECT_EQ(EncodeParty(r, Camp, failure), std::nullopt);
}

} // namespace
