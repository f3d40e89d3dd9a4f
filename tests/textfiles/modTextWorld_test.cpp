// The loaders of factions.txt, parties.txt and party_templates.txt.
#include "TextFilesFixture.h"

#include "textfiles/modTextFactions.h"
#include "textfiles/modTextParties.h"
#include "textfiles/modTextPartyTemp.h"

#include <QFile>

namespace {

using WorldFiles = TextFilesTest;

const QString Rel = QStringLiteral(" 0.000000  0.000000  0.000000 ");

TEST_F(WorldFiles, SampleLoadsWhole) {
    EXPECT_TRUE(LoadTextFactions());
    EXPECT_EQ(FactionMax, 3);
    EXPECT_EQ(FactionID.at(0), QString());
    EXPECT_EQ(FactionID.at(2), "fac_order");
    EXPECT_EQ(FactionName.at(2), "Order_of_the_Lance");
    EXPECT_EQ(FactionsTail, QStringList{"0 "});

    EXPECT_TRUE(LoadTextParties());
    EXPECT_EQ(PartyCount, 4);
    ASSERT_EQ(PartyIDs.size(), 5);
    EXPECT_EQ(PartyIDs.at(3).Id, "p_bandit_camp");
    EXPECT_EQ(PartyIDs.at(3).Name, "Bandit_Camp");
    EXPECT_EQ(PartyLine.at(4), QString());

    EXPECT_TRUE(LoadTextPartyTemplates());
    EXPECT_EQ(PartyTempCount, 4);
    EXPECT_EQ(PartyTempIDs.at(2).Id, "pt_bandits");
    EXPECT_EQ(PartyTempIDs.at(2).Name, "Bandits");
    EXPECT_TRUE(FactionsComplete && PartiesComplete && PartyTempsComplete);
    EXPECT_TRUE(platform.boxes.empty());
}

TEST_F(WorldFiles, FactionIdsAreCutFromCharacterThree) {
    module.write("factions.txt",
                 lines({"h", "3", "0 fac_no_faction No_Faction 0 0 ", Rel, "0 fac_a Alpha 0 0 ",
                        Rel, "ab fac_b Beta 0 0 ", Rel, "0 ", "extra"}));
    EXPECT_TRUE(LoadTextFactions());
    EXPECT_EQ(FactionMax, 2);
    EXPECT_EQ(FactionID, (QStringList{"", "fac_a", ""}));
    // A two-character first word: the id comes out empty and the real id as name.
    EXPECT_EQ(FactionName, (QStringList{"", "Alpha", "fac_b"}));
    EXPECT_EQ(FactionRelLine.at(2), Rel);
    EXPECT_EQ(FactionsTail, (QStringList{"0 ", "extra"}));
    EXPECT_TRUE(platform.boxes.empty());
}

TEST_F(WorldFiles, FactionLineWithoutBlankAfterTheLeadWordIsReported) {
    module.write("factions.txt", lines({"h", "2", "0 none", Rel, "0 fac_a", Rel, "0 "}));
    EXPECT_TRUE(LoadTextFactions());
    EXPECT_EQ(FactionID.at(1), QString());
    EXPECT_EQ(FactionName.at(1), "0"); // the line's first character
    ASSERT_EQ(errors().size(), 1);
    EXPECT_TRUE(errors()[0].contains("LoadTextFactions"));
    EXPECT_TRUE(errors()[0].startsWith("Error #5 ")) << errors()[0].toStdString();
}

TEST_F(WorldFiles, PartyCountIsTheSecondWordOfLine2) {
    QStringList text = {"h", "7 5"};
    for (int i = 0; i < 5; ++i)
        text << QStringLiteral(" 1 0 0 p_%1 Party_%1 0 0 0 0 0 0 0 0 0 1 1 1 1 1 1 0 0 ").arg(i)
             << "0.0";
    text << "left over";
    module.write("parties.txt", lines(text));
    EXPECT_TRUE(LoadTextParties());
    EXPECT_EQ(PartyCount, 5);
    EXPECT_EQ(PartyIDs.at(4).Id, "p_4");
    EXPECT_EQ(PartyIDs.at(4).Name, "Party_4");
    EXPECT_EQ(PartyLine2.at(4), "0.0");
    EXPECT_EQ(PartiesTail, QStringList{"left over"});
}

TEST_F(WorldFiles, TemplateCountZeroLeavesOneEmptyElement) {
    module.write("party_templates.txt", lines({"h", "0"}));
    EXPECT_TRUE(LoadTextPartyTemplates());
    EXPECT_EQ(PartyTempCount, 0);
    EXPECT_EQ(PartyTempLine, QStringList{QString()});
    ASSERT_EQ(PartyTempIDs.size(), 1);
    EXPECT_TRUE(platform.boxes.empty());
}

struct Broken {
    const char* file;
    QStringList text;
    int failure;
    int held; // records held after the load
    QStringList tail;
};

// Files that end before their count says or whose count is no number: the
// failure is reported, the tables hold what could be read (a short file's
// missing records as empty ones) and remember that the load was incomplete.
TEST_F(WorldFiles, IncompleteFilesAreReportedAndMarked) {
    const Broken rows[] = {
        {"factions.txt", {"h", "3", "0 fac_n N 0 0 ", Rel, "0 fac_a A 0 0 "}, 62, 3, {}},
        {"factions.txt",
         {"h", "three", "0 fac_n N 0 0 ", Rel, "0 "},
         13,
         0,
         {"0 fac_n N 0 0 ", Rel, "0 "}},
        {"factions.txt", {"h", "-2", "0 "}, 9, 0, {"0 "}},
        {"factions.txt", {}, 13, 0, {}},
        {"parties.txt", {"h", "2 2", " 1 0 0 p_a A ", "x"}, 62, 2, {}},
        {"parties.txt", {"h", "2 x", " 1 0 0 p_a A ", "x"}, 13, 0, {" 1 0 0 p_a A ", "x"}},
        // Line 2 without its second word: that word is missing, not wrong.
        {"parties.txt", {"h", "2", " 1 0 0 p_a A ", "x"}, 9, 0, {" 1 0 0 p_a A ", "x"}},
        {"party_templates.txt", {"h", "2", "pt_a A 0 "}, 62, 2, {}},
        {"party_templates.txt", {"h", "2.x", "pt_a A 0 "}, 13, 0, {"pt_a A 0 "}},
    };
    for (const Broken& row : rows) {
        SCOPED_TRACE(row.text.join('|').toStdString());
        platform.boxes.clear();
        module.write(row.file, lines(row.text));
        const QString file = row.file;
        bool read = false;
        int held = -1;
        QStringList tail;
        QString proc;
        if (file == "factions.txt") {
            read = LoadTextFactions();
            held = FactionMax + 1;
            tail = FactionsTail;
            proc = "LoadTextFactions";
            EXPECT_EQ(FactionsComplete, read);
            EXPECT_EQ(FactionID.size(), held);
        } else if (file == "parties.txt") {
            read = LoadTextParties();
            held = PartyCount;
            tail = PartiesTail;
            proc = "LoadTextParties";
            EXPECT_EQ(PartiesComplete, read);
            EXPECT_EQ(PartyIDs.size(), held + 1);
        } else {
            read = LoadTextPartyTemplates();
            held = PartyTempCount;
            tail = PartyTempsTail;
            proc = "LoadTextPartyTemplates";
            EXPECT_EQ(PartyTempsComplete, read);
            EXPECT_EQ(PartyTempIDs.size(), held + 1);
        }
        EXPECT_FALSE(read);
        EXPECT_EQ(held, row.held);
        EXPECT_EQ(tail, row.tail);
        EXPECT_EQ(errors(), QStringList{errorText(row.failure, proc)});
    }
}

// Records the file lacks stay empty, so the indexes that troops, items and
// parties hold into these files still name a record; no id is cut from them.
TEST_F(WorldFiles, RecordsAShortFileLacksStayEmpty) {
    module.write("factions.txt", lines({"h", "4", "0 fac_n N 0 0 ", Rel, "0 fac_a Alpha 0 0 "}));
    EXPECT_FALSE(LoadTextFactions());
    EXPECT_EQ(FactionMax, 3);
    EXPECT_EQ(FactionLine, (QStringList{"0 fac_n N 0 0 ", "0 fac_a Alpha 0 0 ", "", ""}));
    EXPECT_EQ(FactionRelLine, (QStringList{Rel, "", "", ""}));
    EXPECT_EQ(FactionID, (QStringList{"", "fac_a", "", ""}));
    EXPECT_EQ(FactionName, (QStringList{"", "Alpha", "", ""}));
    EXPECT_EQ(errors(), QStringList{errorText(62, "LoadTextFactions")});

    module.write("party_templates.txt", lines({"h", "3", "pt_a A 0 "}));
    EXPECT_FALSE(LoadTextPartyTemplates());
    EXPECT_EQ(PartyTempCount, 3);
    EXPECT_EQ(PartyTempLine, (QStringList{"pt_a A 0 ", "", "", ""}));
    EXPECT_EQ(PartyTempIDs.at(0).Id, "pt_a");
    EXPECT_TRUE(PartyTempIDs.at(2).Id.isEmpty());

    // A count far beyond what the game's files can announce holds no more
    // empty records than a 16-bit count.
    module.write("party_templates.txt", lines({"h", "2000000000", "pt_a A 0 "}));
    EXPECT_FALSE(LoadTextPartyTemplates());
    EXPECT_EQ(PartyTempCount, 32767);
    EXPECT_EQ(PartyTempLine.size(), 32768);
}

TEST_F(WorldFiles, ShortRecordsAreReportedWith9) {
    module.write("parties.txt", lines({"h", "1 1", " 1 0 0 p_only", "x"}));
    EXPECT_TRUE(LoadTextParties());
    EXPECT_EQ(PartyIDs.at(0).Id, "p_only");
    EXPECT_EQ(PartyIDs.at(0).Name, QString());
    EXPECT_EQ(errors(), QStringList{errorText(9, "LoadTextParties")});

    platform.boxes.clear();
    module.write("party_templates.txt", lines({"h", "1", "pt_alone"}));
    EXPECT_TRUE(LoadTextPartyTemplates());
    EXPECT_EQ(PartyTempIDs.at(0).Id, "pt_alone");
    EXPECT_EQ(errors(), QStringList{errorText(9, "LoadTextPartyTemplates")});
}

TEST_F(WorldFiles, MissingFilesAreReported) {
    for (const char* name : {"factions.txt", "parties.txt", "party_templates.txt"})
        QFile::remove(module.file(name));
    EXPECT_FALSE(LoadTextFactions());
    EXPECT_FALSE(LoadTextParties());
    EXPECT_FALSE(LoadTextPartyTemplates());
    EXPECT_EQ(FactionMax, -1);
    EXPECT_EQ(PartyCount, 0);
    EXPECT_EQ(PartyTempCount, 0);
    const QStringList texts = errors();
    ASSERT_EQ(texts.size(), 3);
    EXPECT_TRUE(texts[0].contains("LoadTextFactions"));
    EXPECT_TRUE(texts[1].contains("LoadTextParties"));
    EXPECT_TRUE(texts[2].contains("LoadTextPartyTemplates"));
}

} // namespace
