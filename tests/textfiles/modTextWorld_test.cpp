// The loaders and savers of factions.txt, parties.txt and party_templates.txt.
#include "TextFilesFixture.h"

#include "platform/TextFile.h"
#include "platform/gui/Controls.h"
#include "text_editors/world/frmTextFactions.h"
#include "text_editors/world/frmTextParties.h"
#include "text_editors/world/frmTextPartyTemp.h"
#include "textfiles/modTextFactions.h"
#include "textfiles/modTextParties.h"
#include "textfiles/modTextPartyTemp.h"

#include <QPushButton>

#include <memory>

namespace {

using WorldFiles = TextFilesTest;

const QString Rel = QStringLiteral(" 0.000000  0.000000  0.000000 ");

TEST_F(WorldFiles, SampleLoadsWhole) {
    EXPECT_TRUE(LoadTextFactions());
    EXPECT_EQ(FactionID.size(), 4);
    EXPECT_EQ(FactionID.at(0), QString());
    EXPECT_EQ(FactionID.at(2), "fac_order");
    EXPECT_EQ(FactionName.at(2), "Order_of_the_Lance");
    EXPECT_EQ(FactionsTail, QStringList{"0 "});

    EXPECT_TRUE(LoadTextParties());
    ASSERT_EQ(PartyIDs.size(), 9);
    EXPECT_EQ(PartyIDs.at(3).Id, "p_bandit_camp");
    EXPECT_EQ(PartyIDs.at(3).Name, "Bandit_Camp");

    EXPECT_TRUE(LoadTextPartyTemplates());
    ASSERT_EQ(PartyTempIDs.size(), 7);
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
    EXPECT_EQ(FactionID, (QStringList{"", "fac_a", ""}));
    // A two-character first word: the id comes out empty and the real id as name.
    EXPECT_EQ(FactionName, (QStringList{"", "Alpha", "fac_b"}));
    EXPECT_EQ(FactionRelLine.at(2), Rel);
    // The closing line is the file's; a line after it belongs to no faction.
    EXPECT_EQ(FactionsTail, (QStringList{"0 ", "extra"}));
    expectOneBoxBeginning(
        "1 line of your factions.txt belongs to no faction; a save keeps it "
        "where it stands:\r\nLine 10, after faction # 2: extra\r\n\r\nPlease check");
}

// Some modules write each faction's rank word on a line of its own: each
// faction is read whole with its rank line, the last one's stays the tail. A
// relation line lost or put in is still told, and such a file is not saved.
TEST_F(WorldFiles, RankWordsOnLinesOfTheirOwnBelongToTheirFactions) {
    const QStringList ranked = {"h", "3",  "fac_n N 0 0 ",        Rel, "0 ", "fac_a Alpha 0 0 ",
                                Rel, "0 ", "fac_b Beta 33280 0 ", Rel, "0 "};
    module.write("factions.txt", lines(ranked));
    EXPECT_TRUE(LoadTextFactions());
    EXPECT_EQ(FactionID, (QStringList{"", "fac_a", "fac_b"}));
    EXPECT_EQ(FactionRankLine, (QStringList{"0 ", "0 ", ""}));
    EXPECT_EQ(FactionsTail, QStringList{"0 "});
    EXPECT_TRUE(platform.boxes.empty());

    const std::pair<QStringList, const char*> damaged[] = {
        {ranked.mid(0, 6) + ranked.mid(7),
         "Line 7 of your factions.txt, the relation line of faction 1, is no line of relation "
         "values:\r\n0 \r\n"},
        {ranked.mid(0, 7) + QStringList{Rel} + ranked.mid(7),
         "Line 8 of your factions.txt, the first line of faction 2, holds no faction id (fac_...) "
         "as its first or second word:"},
    };
    for (const auto& [text, told] : damaged) {
        platform.boxes.clear();
        module.write("factions.txt", lines(text));
        EXPECT_FALSE(LoadTextFactions());
        EXPECT_TRUE(platform.boxTexts().join('|').contains(told)) << told;
        EXPECT_FALSE(SaveTextFactions());
        EXPECT_EQ(module.read("factions.txt"), lines(text));
    }
}

TEST_F(WorldFiles, FactionLineWithoutBlankAfterTheLeadWordIsTold) {
    module.write("factions.txt", lines({"h", "2", "fac_none N 0 0 ", Rel, "0 fac_a", Rel, "0 "}));
    EXPECT_TRUE(LoadTextFactions());
    EXPECT_EQ(FactionID.at(1), QString());
    EXPECT_EQ(FactionName.at(1), "0"); // the line's first character
    // A box of its own says where, and no fault of the program is reported.
    EXPECT_TRUE(errors().isEmpty());
    ASSERT_EQ(platform.boxes.size(), 1u);
    EXPECT_TRUE(platform.boxes[0].text.startsWith(
        "Line 5 of your factions.txt, the first line of faction 1, is not as the game writes it "
        "(a lead word where the game writes one, the id, the name, the flag word and the colour, "
        "each followed by a blank): a word may have been lost, so the faction editor shows "
        "faction # 1 as unreadable and does not update it:\r\n0 fac_a\r\n\r\nPlease check "
        "your factions.txt before you hit the save button in the faction editor."));
}

TEST_F(WorldFiles, PartyCountIsTheSecondWordOfLine2) {
    const QString party = " 1 0 0 p_%1 Party_%1 0 0 0 0 0 0 0 0 0 1 1 1 1 1 1 0 0 ";
    module.write("parties.txt",
                 lines({"h", "7 2", party.arg(0), "0.0", party.arg(1), "1.0", "left over"}));
    EXPECT_TRUE(LoadTextParties());
    EXPECT_EQ(PartyCount, 2);
    EXPECT_EQ(PartyIDs.at(1).Id, "p_1");
    EXPECT_EQ(PartyIDs.at(1).Name, "Party_1");
    EXPECT_EQ(PartyLine2.at(1), "1.0");
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

struct Loader {
    const char* file;
    const char* proc;
    bool (*load)();
    const int* held; // records held after the load, less `offset`
    int offset;
    const bool* complete;
    const QStringList* tail;
};
const Loader Factions = {"factions.txt",    "LoadTextFactions", LoadTextFactions, &FactionMax, 1,
                         &FactionsComplete, &FactionsTail};
const Loader Parties = {"parties.txt",    "LoadTextParties", LoadTextParties, &PartyCount, 0,
                        &PartiesComplete, &PartiesTail};
const Loader Templates = {
    "party_templates.txt", "LoadTextPartyTemplates", LoadTextPartyTemplates, &PartyTempCount, 0,
    &PartyTempsComplete,   &PartyTempsTail};

// Files that are missing, end before their count says or whose count is no
// number: the damage is told (a missing file reported as a failure), the
// tables hold what could be read (a short file's missing records as empty
// ones) and remember that the load was incomplete.
TEST_F(WorldFiles, IncompleteFilesAreToldAndMarked) {
    const QStringList missing = {"<no file>"};
    const struct {
        const Loader& loader;
        QStringList text;
        int held;
        QStringList tail;
        const char* told = nullptr; // part of the box, where checked
    } rows[] = {
        // The second faction cut short: it does not count as read.
        {Factions, {"h", "3", "0 fac_n N 0 0 ", Rel, "0 fac_a A 0 0 "}, 3, {}, "after 1 of the 3"},
        {Factions, {"h", "three", "0 fac_n N 0 0 ", "0 "}, 0, {"0 fac_n N 0 0 ", "0 "}},
        {Factions, {"h", "-2", "0 "}, 0, {"0 "}, "the number of factions, reads '-2'."},
        {Factions, {}, 0, {}, "the number of factions, is missing."},
        {Factions, missing, 0, {}},
        {Parties, {"h", "2 2", " 1 0 0 p_a A ", "x"}, 2, {}, "ends after 1 of the 2 parties"},
        {Parties, {"h", "2 x", " 1 0 0 p_a A ", "x"}, 0, {" 1 0 0 p_a A ", "x"}},
        // Line 2 without its second word: that word is missing, not wrong.
        {Parties, {"h", "2", " 1 0 0 p_a A ", "x"}, 0, {" 1 0 0 p_a A ", "x"}, "reads '2'."},
        {Parties, missing, 0, {}},
        {Templates, {"h", "2", "pt_a A 0 "}, 2, {}, "ends after 1 of the 2 party templates"},
        {Templates, {"h", "2.x", "pt_a A 0 "}, 0, {"pt_a A 0 "}, "templates, reads '2.x'."},
        {Templates, missing, 0, {}},
    };
    for (const auto& row : rows) {
        SCOPED_TRACE(row.text.join('|').toStdString());
        platform.boxes.clear();
        const Loader& l = row.loader;
        if (row.text == missing)
            QFile::remove(module.file(l.file));
        else
            module.write(l.file, lines(row.text));
        EXPECT_FALSE(l.load());
        EXPECT_FALSE(*l.complete);
        EXPECT_EQ(*l.held + l.offset, row.held);
        EXPECT_EQ(*l.tail, row.tail);
        // A file that was read is told in one box that says what is wrong
        // and that the editor does not save the file, and nothing more.
        EXPECT_EQ(errors(),
                  row.text == missing ? QStringList{plainErrorText(53, l.proc)} : QStringList{});
        ASSERT_EQ(platform.boxes.size(), 1u);
        const QString told = platform.boxes[0].text;
        if (row.text != missing) {
            EXPECT_TRUE(told.contains(QLatin1String(" will not save this file, as that would cut "
                                                    "it short.\r\n\r\nPlease check your ") +
                                      l.file))
                << told.toStdString();
        }
        if (row.told) {
            EXPECT_TRUE(told.contains(QLatin1String(row.told))) << told.toStdString();
        }
    }
}

// Records the file lacks stay empty, so the indexes that troops, items and
// parties hold into these files still name a record; no id is cut from them.
TEST_F(WorldFiles, RecordsAShortFileLacksStayEmpty) {
    module.write("factions.txt", lines({"h", "4", "0 fac_n N 0 0 ", Rel, "0 fac_a Alpha 0 0 "}));
    EXPECT_FALSE(LoadTextFactions());
    EXPECT_EQ(FactionLine, (QStringList{"0 fac_n N 0 0 ", "0 fac_a Alpha 0 0 ", "", ""}));
    EXPECT_EQ(FactionRelLine, (QStringList{Rel, "", "", ""}));
    EXPECT_EQ(FactionID, (QStringList{"", "fac_a", "", ""}));
    EXPECT_EQ(FactionName, (QStringList{"", "Alpha", "", ""}));

    module.write("parties.txt", lines({"h", "2 2", " 1 0 0 p_a A ", "x"}));
    EXPECT_FALSE(LoadTextParties());
    ASSERT_EQ(PartyIDs.size(), 3);
    EXPECT_EQ(PartyIDs.at(0).Id, "p_a");
    EXPECT_TRUE(PartyIDs.at(1).Id.isEmpty());

    module.write("party_templates.txt", lines({"h", "3", "pt_a A 0 "}));
    EXPECT_FALSE(LoadTextPartyTemplates());
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

TEST_F(WorldFiles, ShortRecordsAreTold) {
    module.write("parties.txt", lines({"h", "1 1", " 1 0 0 p_only", "x"}));
    EXPECT_TRUE(LoadTextParties());
    EXPECT_EQ(PartyIDs.at(0).Id, "p_only");
    EXPECT_EQ(PartyIDs.at(0).Name, QString());
    module.write("party_templates.txt", lines({"h", "1", "pt_alone"}));
    EXPECT_TRUE(LoadTextPartyTemplates());
    EXPECT_EQ(PartyTempIDs.at(0).Id, "pt_alone");
    EXPECT_TRUE(errors().isEmpty());
    const QStringList texts = platform.boxTexts();
    ASSERT_EQ(texts.size(), 2);
    EXPECT_TRUE(texts[0].startsWith("Line 3 of your parties.txt, the first line of party 0, holds "
                                    "fewer words than a party's first line, whose words 4 and 5 "
                                    "(counting from 0) are the party's id and name:\r\n 1 0 0 "
                                    "p_only\r\n"));
    EXPECT_TRUE(texts[1].startsWith("Line 3 of your party_templates.txt, the line of template 0, "
                                    "holds fewer words than a template's line, which begins with "
                                    "the template's id and name:\r\npt_alone\r\n"));
}

// A count line smaller than the records after it: the editor lists what it
// announces and the save keeps the rest as it stands; the user is told the
// counts at load.
TEST_F(WorldFiles, CountLinesSmallerThanTheRecordsAreTold) {
    const struct {
        const char* file;
        bool (*load)();
        bool (*save)();
        const char *from, *to, *told;
        const int* held; // the last faction, the number of parties or templates
        int listed;
    } rows[] = {
        {"factions.txt", LoadTextFactions, SaveTextFactions, "\r\n4\r\n", "\r\n3\r\n",
         "Line 2 of your factions.txt says there are 3 factions. After loading all lines, 4 "
         "factions have been found!\r\n\r\nThe faction editor lists the first 3 only, and a "
         "save writes the others back as they stand. Correct line 2 of your factions.txt to edit "
         "them all.",
         &FactionMax, 2},
        {"parties.txt", LoadTextParties, SaveTextParties, "\r\n8 8\r\n", "\r\n7 7\r\n",
         "Line 2 of your parties.txt says there are 7 parties. After loading all lines, 8 parties "
         "have been found!\r\n\r\nThe party editor lists the first 7 only",
         &PartyCount, 7},
        {"party_templates.txt", LoadTextPartyTemplates, SaveTextPartyTemplates, "\r\n6\r\n",
         "\r\n5\r\n",
         "Line 2 of your party_templates.txt says there are 5 party templates. After loading all "
         "lines, 6 party templates have been found!\r\n\r\nThe party template editor lists the "
         "first 5 only",
         &PartyTempCount, 5},
    };
    for (const auto& row : rows) {
        SCOPED_TRACE(row.file);
        platform.boxes.clear();
        const QByteArray bytes = module.read(row.file).replace(row.from, row.to);
        module.write(row.file, bytes);
        ASSERT_TRUE(row.load());
        EXPECT_EQ(*row.held, row.listed);
        ASSERT_EQ(platform.boxes.size(), 1u);
        EXPECT_TRUE(platform.boxes[0].text.startsWith(row.told))
            << platform.boxes[0].text.toStdString();
        EXPECT_EQ(platform.boxes[0].title, ApplicationName());
        platform.answer(MsgAnswer::No);
        EXPECT_TRUE(row.save());
        EXPECT_EQ(module.read(row.file), bytes);
    }
}

// The three savers, run through the same checks.
struct WorldSaver {
    const char* file;
    const char* savedTitle;         // after a backup
    const char* savedNoBackupTitle; // without one
    bool (*load)();
    bool (*save)();
    QStringList* firstLines; // a line of every record
    const char* record;      // how the sample's second record begins
    const char* kinds;       // as the boxes name the records
    QWidget* (*open)();      // the editor of the file
    const char* list;        // its list of records
    const char* update;      // its update button
};
template <typename Window> QWidget* Open() {
    return new Window;
}
const WorldSaver FactionsSaver = {"factions.txt",   "Factions saved...", "Factions saved...",
                                  LoadTextFactions, SaveTextFactions,    &FactionLine,
                                  "0 fac_kingdom ", "factions",          Open<frmTextFactions>,
                                  "lstFactions",    "cmdUpdate"};
const WorldSaver PartiesSaver = {
    "parties.txt",        "Parties saved...", "Parties saved saved...",   LoadTextParties,
    SaveTextParties,      &PartyLine,         " 1 0 0 p_town_riverford ", "parties",
    Open<frmTextParties>, "lstParties",       "cmdUpdateParties"};
const WorldSaver TemplatesSaver = {"party_templates.txt",
                                   "Party templates saved...",
                                   "Party templates saved...",
                                   LoadTextPartyTemplates,
                                   SaveTextPartyTemplates,
                                   &PartyTempLine,
                                   "pt_village_farmers ",
                                   "party templates",
                                   Open<frmTextPartyTemp>,
                                   "lstPT",
                                   "cmdUpdatePT"};

void PrintTo(const WorldSaver& saver, std::ostream* os) {
    *os << saver.file;
}

class WorldSavers : public TextFilesTest, public ::testing::WithParamInterface<WorldSaver> {
protected:
    const WorldSaver& f = GetParam();
    const QString saved = QStringLiteral("Changes have been saved to %1 in your module directory.")
                              .arg(QLatin1String(f.file));
};

// The file goes back as it was read, but for the record changed: lines after
// the last record, the last line with or without its line end.
TEST_P(WorldSavers, FilesGoBackAsReadWithTheChangedRecord) {
    const QByteArray sample = module.read(f.file);
    const bool ended = sample.endsWith("\r\n");
    const QByteArray otherEnd = ended ? sample.chopped(2) : sample + "\r\n";
    const QByteArray more = (ended ? sample : sample + "\r\n") + "hand-made\r\n\r\nlast";
    const struct {
        const char* what;
        QByteArray before, after;
        MsgAnswer backup;
    } rows[] = {
        {"the sample", sample, sample, MsgAnswer::No},
        {"the last line's end the other way round", otherEnd, otherEnd, MsgAnswer::No},
        {"lines after the last record", more, more, MsgAnswer::Yes},
    };
    for (const auto& row : rows) {
        SCOPED_TRACE(row.what);
        platform.boxes.clear();
        module.write(f.file, row.before);
        ASSERT_TRUE(f.load());
        QStringList& records = *f.firstLines;
        const auto changed = std::find_if(records.begin(), records.end(), [this](const QString& r) {
            return r.startsWith(QLatin1String(f.record));
        });
        ASSERT_NE(changed, records.end());
        *changed += "changed";
        platform.answer(row.backup);
        EXPECT_TRUE(f.save());
        QByteArray after = row.after;
        after.insert(after.indexOf("\r\n", after.indexOf(f.record)), "changed");
        EXPECT_EQ(module.read(f.file), after);
        // Lines of no record were told at load.
        const std::size_t told = row.before == more ? 1 : 0;
        ASSERT_EQ(platform.boxes.size(), 2u + told);
        EXPECT_EQ(platform.boxes[0].text.contains(" belong to no "), told == 1);
        EXPECT_EQ(platform.boxes[1 + told].title,
                  row.backup == MsgAnswer::Yes ? f.savedTitle : f.savedNoBackupTitle);
        EXPECT_TRUE(platform.boxes[1 + told].text.endsWith(saved));
    }
}

// A file cut short or with a count that is no number was not read whole:
// writing what was read would cut the file. One with a line put in or lost
// was read shifted (told at load by line and record): writing it would put
// changed records over the wrong lines. Both are refused and left alone. The
// damage told at load is not reported again as a failure, not by the load nor
// by showing each record in the editor.
TEST_P(WorldSavers, HalfReadFilesAreNotSaved) {
    const QStringList sample = QString::fromLatin1(module.read(f.file)).split("\r\n");
    const QString shifted = " was read shifted", cut = " was not read completely", file = f.file;
    const QString kinds = f.kinds;
    const QString announced = sample.at(1).section(' ', -1);
    const struct {
        QByteArray bytes;
        QString why, told; // told: a part of the load's box that names the damage
        bool listed;       // whether the editor lists the records line 2 announces
    } variants[] = {
        // The file ends inside the first record (the first template is whole).
        {lines(sample.mid(0, 3)), cut,
         "Your " + file + " ends after " + (file == "party_templates.txt" ? "1" : "0") +
             " of the " + announced + ' ' + kinds + " its line 2 announces.",
         true},
        {lines(QStringList{sample.at(0), "many"} + sample.mid(2)), cut,
         "Line 2 of your " + file + ", which holds the number of " + kinds + ", reads 'many'.",
         false},
        {lines(sample.mid(0, 4) + QStringList{"hand-made line"} + sample.mid(4)), shifted,
         "Line 5 of your " + file, true},
        // The line after the last record (the faction file's closing line, or
        // the empty one after the last line end) is read into a record then.
        {lines(sample.mid(0, 3) + sample.mid(4)), shifted,
         file == "factions.txt" ? "Line 4 of your factions.txt, the relation line of faction 0, "
                                  "is no line of relation values:\r\n" +
                                      sample.at(4) + "\r\nA line may be missing or one too many"
                                : " of your " + file,
         true},
    };
    for (const auto& row : variants) {
        SCOPED_TRACE(row.bytes.toStdString());
        platform.boxes.clear();
        module.write(f.file, row.bytes);
        EXPECT_FALSE(f.load());
        EXPECT_TRUE(platform.boxTexts().join('|').contains(row.told))
            << platform.boxTexts().join('|').toStdString();
        const std::unique_ptr<QWidget> editor(f.open());
        auto* list = editor->findChild<ListBox*>(QLatin1String(f.list));
        ASSERT_NE(list, nullptr);
        // Every record listed is shown below; an empty list would show none.
        ASSERT_EQ(list->count() == announced.toInt(), row.listed) << list->count();
        for (int record = 0; record < list->count(); ++record)
            list->setListIndex(record);
        EXPECT_TRUE(errors().isEmpty()) << errors().join('|').toStdString();
        platform.boxes.clear();
        EXPECT_FALSE(f.save());
        EXPECT_EQ(module.read(f.file), row.bytes);
        ASSERT_EQ(platform.boxes.size(), 1u);
        EXPECT_EQ(platform.boxes[0].title, "Not saved...");
        EXPECT_TRUE(platform.boxes[0].text.startsWith(QStringLiteral("Your ") + f.file + row.why));
    }
}

// The other side: a record that no longer reads whole though the load told no
// damage (a change of the program's own) is the program's fault; its show
// reports it and does not pass it off as damage in the user's file.
TEST_P(WorldSavers, ARecordCutShortAfterAnUndamagedLoadIsReportedWhenShown) {
    const std::unique_ptr<QWidget> editor(f.open());
    ASSERT_TRUE(platform.boxes.empty()) << platform.boxTexts().join('|').toStdString();
    (*f.firstLines)[1] = f.record; // its first words only
    editor->findChild<ListBox*>(QLatin1String(f.list))->setListIndex(1);
    ASSERT_EQ(errors().size(), 1) << platform.boxTexts().join('|').toStdString();
    EXPECT_TRUE(errors()[0].startsWith("Error # 9 occured in function \"Show"));
    EXPECT_TRUE(platform.boxTexts().filter(" cannot be read whole ").isEmpty());
    EXPECT_FALSE(editor->findChild<QPushButton*>(QLatin1String(f.update))->isEnabled());
}

TEST_P(WorldSavers, FailedWriteLeavesTheOldFileAndClaimsNoSuccess) {
    ASSERT_TRUE(f.load());
    const QByteArray before = module.read(f.file);
    (*f.firstLines)[1] = "changed";
    FailNextSaveAfter(10);
    platform.answer(MsgAnswer::No);
    EXPECT_FALSE(f.save());
    EXPECT_EQ(module.read(f.file), before);
    EXPECT_FALSE(platform.boxTexts().contains(saved));
    EXPECT_EQ(errors().size(), 1);
}

INSTANTIATE_TEST_SUITE_P(TextFiles, WorldSavers,
                         ::testing::Values(FactionsSaver, PartiesSaver, TemplatesSaver),
                         [](const auto& info) {
                             return QString(info.param.file).remove(".txt").toStdString();
                         });

// Damage in a file the game reads, told at open by line and record as troops.txt
// tells it, and nothing else of it: a record that does not read whole shows as
// unreadable without a failure, every other record shows and updates, and a
// save without a change gives the file back as read (a file cut short is not
// written at all).
TEST_F(WorldFiles, DamageIsToldAtOpenAndTheFileGoesBackAsRead) {
    const auto with = [this](const char* file, const QByteArray& from, const QByteArray& to) {
        EXPECT_TRUE(module.read(file).contains(from)) << from.toStdString();
        return module.read(file).replace(from, to);
    };
    const QByteArray end = "the end\r\n";
    const struct {
        const WorldSaver& f;
        QByteArray bytes;
        const char* told; // how the load's box begins
        QList<int> unreadable = {};
    } rows[] = {
        // A word lost from a faction's first line, a template's, a party's member.
        {FactionsSaver,
         with("factions.txt", "Lance 0 65280 ", "Lance 65280 "),
         "Line 7 of your factions.txt, the first line of faction 2, is not as the game",
         {2}},
        {TemplatesSaver,
         with("party_templates.txt", " 392 4 4 12 0 ", " 392 4 12 0 "),
         "Line 5 of your party_templates.txt, the line of template 2, is not as the",
         {2}},
        {PartiesSaver,
         with("parties.txt", " 2 4 10 0 0 1 3 0 1 ", " 2 4 10 0 1 3 0 1 "),
         "Line 9 of your parties.txt, the first line of party 3, is not as the game",
         {3}},
        // A line after the last record.
        {FactionsSaver, module.read("factions.txt") + "\r\n" + end,
         "1 line of your factions.txt belongs to no faction; a save keeps it where it stands:"
         "\r\nLine 12, after fac_outlaws: the end"},
        {PartiesSaver, module.read("parties.txt") + end,
         "1 line of your parties.txt belongs to no party; a save keeps it where it stands:"
         "\r\nLine 19, after p_smugglers_den: the end"},
        {TemplatesSaver, module.read("party_templates.txt") + end,
         "1 line of your party_templates.txt belongs to no party template; a save keeps it "
         "where it stands:\r\nLine 9, after pt_sea_raiders: the end"},
        {PartiesSaver, with("parties.txt", "\n8 8", "\n11 8"),
         "Line 2 of your parties.txt, which holds the number of parties twice, holds two that "
         "disagree; the party editor lists the 8 parties the second announces, and a save keeps "
         "line 2 as it was read:\r\n11 8"},
        // Told as a file cut short, and only so; the factions it lacks are empty.
        {FactionsSaver,
         with("factions.txt", "\n4\r", "\n6\r"),
         "Your factions.txt ends after 4 of the 6 factions its line 2 announces.",
         {4, 5}},
    };
    for (const auto& row : rows) {
        SCOPED_TRACE(row.told);
        platform.boxes.clear();
        const QByteArray sample = module.read(row.f.file);
        module.write(row.f.file, row.bytes);
        const std::unique_ptr<QWidget> editor(row.f.open());
        expectOneBoxBeginning(row.told);
        auto* list = editor->findChild<ListBox*>(QLatin1String(row.f.list));
        auto* update = editor->findChild<QPushButton*>(QLatin1String(row.f.update));
        for (int record = 0; record < list->count(); ++record) {
            platform.boxes.clear();
            list->setListIndex(record);
            EXPECT_EQ(platform.boxTexts().filter(" cannot be read").size(),
                      row.unreadable.count(record))
                << record;
            if (update->isEnabled())
                update->click();
        }
        EXPECT_TRUE(errors().isEmpty()) << errors().join('|').toStdString();
        platform.answer(MsgAnswer::No);
        row.f.save();
        EXPECT_EQ(module.read(row.f.file), row.bytes);
        module.write(row.f.file, sample);
    }
}

// The game closes factions.txt with "0 "; a file that lacks it gets it back.
TEST_F(WorldFiles, FactionsWithoutTheirClosingLineGetIt) {
    const QStringList sample = QString::fromLatin1(module.read("factions.txt")).split("\r\n");
    ASSERT_EQ(sample.last(), "0 ");
    module.write("factions.txt", lines(sample.mid(0, sample.size() - 1)).chopped(2));
    ASSERT_TRUE(LoadTextFactions());
    platform.answer(MsgAnswer::No);
    EXPECT_TRUE(SaveTextFactions());
    EXPECT_EQ(module.read("factions.txt"), lines(sample));
}

} // namespace
