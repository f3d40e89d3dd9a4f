#include "TextFilesFixture.h"

#include "module_system/modPythonTroops.h"
#include "platform/TextFile.h"
#include "textfiles/modTextFactions.h"
#include "textfiles/modTextFiles.h"
#include "textfiles/modTextItems.h"
#include "textfiles/modTextParties.h"
#include "textfiles/modTextPartyTemp.h"
#include "textfiles/modTextTroops.h"

#include <QDateTime>

namespace {

TEST(TextFileWords, SplitAtEverySingleBlank) {
    const struct {
        QString line;
        QStringList words;
    } rows[] = {
        {"a b", {"a", "b"}}, {" a b ", {"", "a", "b", ""}}, {"a  b", {"a", "", "b"}}, {"", {""}},
        {"a\tb", {"a\tb"}}, // only the blank separates
    };
    for (const auto& row : rows) {
        for (int i = 0; i < row.words.size(); ++i)
            EXPECT_EQ(LineWord(row.line, i), row.words.at(i)) << row.line.toStdString() << i;
        EXPECT_EQ(LineWord(row.line, int(row.words.size())), std::nullopt);
    }

    PendingFailure failure;
    EXPECT_EQ(WordAt("a b", 1, failure), "b");
    EXPECT_FALSE(failure.pending());
    EXPECT_EQ(WordAt("a b", 2, failure), QString());
    EXPECT_EQ(failure.number(), Err::SubscriptOutOfRange);
}

TEST(TextFileWords, CountsReadTheSameEverywhere) {
    const struct {
        QString line;
        std::optional<int> count; // as line 2
        int perRecord;            // as an item's faction or trigger count (16-bit in the game)
    } rows[] = {{"12", 12, 12},
                {"12 ", 12, 12},
                {" 1 2", 12, 12},
                {"0", 0, 0},
                {"-1", -1, -1},
                {"", std::nullopt, 0},
                {"x", std::nullopt, 0},
                {"1,5", std::nullopt, 0},
                {"32767", 32767, 32767},
                {"40000", 40000, 0},
                {"99999999999", std::nullopt, 0}};
    for (const auto& row : rows) {
        EXPECT_EQ(CountValue(row.line), row.count) << row.line.toStdString();
        EXPECT_EQ(CountOrZero(row.line), row.perRecord) << row.line.toStdString();
    }
}

// The two module files this program writes back, run through the same checks.
struct SavedFile {
    QString file, kind, said; // said: the count line 2 of the mixed test file gives
    bool (*load)();
    bool (*save)();
    int* max;
    QStringList* records; // the first line of every record, as the saver writes it
};
const SavedFile Troops = {"troops.txt",   "Troop",   "10",      LoadTextTroops,
                          SaveTextTroops, &TroopMax, &TroopLine};
const SavedFile Items = {"item_kinds1.txt", "Item",   "500",    LoadTextItems,
                         SaveTextItems,     &ItemMax, &ItemLine};

class SavedFiles : public TextFilesTest, public ::testing::WithParamInterface<SavedFile> {
protected:
    const SavedFile& f = GetParam();
    const QString kind = f.kind.toLower(), title = f.kind + "s saved...",
                  proc = "SaveText" + f.kind + "s", mixed = kind + "s_mixed";
    const QString saved =
        QStringLiteral("Changes have been saved to %1 in your module directory.").arg(f.file);

    bool saveAnswering(MsgAnswer backup) {
        platform.answer(backup);
        return f.save();
    }
    QString backupMessage(const QString& backup) const {
        return "Backup created of old " + f.file + " to " + module.file(backup) + "\r\n\r\n" +
               saved;
    }
};

TEST_P(SavedFiles, UnchangedSampleGoesBackByteForByte) {
    const QByteArray before = module.read(f.file);
    ASSERT_TRUE(f.load());
    EXPECT_TRUE(platform.boxes.empty());
    ASSERT_TRUE(saveAnswering(MsgAnswer::No));
    EXPECT_EQ(module.read(f.file), before);
    ASSERT_EQ(platform.boxes.size(), 2u);
    EXPECT_EQ(platform.boxes[0].title, "Create backup...?");
    EXPECT_EQ(platform.boxes[0].text, "Do you want to create a time stamped backup of '" + f.file +
                                          "' before saving your data?");
    EXPECT_EQ(platform.boxes[1].title, title);
    EXPECT_EQ(platform.boxes[1].icon, MsgIcon::Information);
    EXPECT_EQ(platform.boxes[1].text, saved);
}

// LF line ends (and one CR LF), blank and comment lines between records,
// non-ASCII bytes and a wrong count: the save corrects line 2 (in its own
// style) and gives back every other byte.
TEST_P(SavedFiles, GameLayoutIsKeptAndTheCountCorrected) {
    module.write(f.file, testData(mixed + ".txt"));
    ASSERT_TRUE(f.load());
    EXPECT_EQ(*f.max, 2);
    // The troops' comment line is told first: the save keeps it.
    ASSERT_EQ(platform.boxes.size(), f.kind == "Troop" ? 2u : 1u);
    EXPECT_EQ(platform.boxes.back().text,
              QStringLiteral("Line 2 of your %1 says there are %2 %3s. After loading all lines, 3 "
                             "%3s have been found!\r\n\r\nThe editor will correct the %3 count "
                             "(line 2) in your %1 next time you hit the save button in the %3 "
                             "editor.")
                  .arg(f.file, f.said, kind));
    EXPECT_EQ(platform.boxes.back().title, ApplicationName());
    EXPECT_EQ(platform.boxes.back().buttons, MsgButtons::Ok);
    ASSERT_TRUE(saveAnswering(MsgAnswer::No));
    EXPECT_EQ(module.read(f.file), testData(mixed + ".expected.txt"));
}

TEST_P(SavedFiles, BackupIsNamedFromTheClockAndNeverOverwritten) {
    const QByteArray original = module.read(f.file);
    ASSERT_TRUE(f.load());
    platform.setClock(QDateTime(QDate(2011, 8, 12), QTime(23, 59, 1)));
    const QString stem = QString(f.file).replace(".txt", "_8-12-2011_23h59m1s");
    (*f.records)[0] = "changed";
    ASSERT_TRUE(saveAnswering(MsgAnswer::Yes));
    EXPECT_EQ(platform.boxes.back().text, backupMessage(stem + ".txt"));
    EXPECT_EQ(platform.boxes.back().title, title);
    // A second save within the same second keeps the first backup.
    const QByteArray afterFirst = module.read(f.file);
    ASSERT_NE(afterFirst, original);
    ASSERT_TRUE(saveAnswering(MsgAnswer::Yes));
    EXPECT_EQ(platform.boxes.back().text, backupMessage(stem + "_2.txt"));
    EXPECT_EQ(module.read(stem + ".txt"), original);
    EXPECT_EQ(module.read(stem + "_2.txt"), afterFirst);
}

TEST_P(SavedFiles, FailedBackupIsReportedButDoesNotStopTheSave) {
    ASSERT_TRUE(f.load());
    const QByteArray expected = module.read(f.file);
    QFile::remove(module.file(f.file)); // nothing left to copy
    ASSERT_TRUE(saveAnswering(MsgAnswer::Yes));
    EXPECT_EQ(module.read(f.file), expected);
    ASSERT_EQ(platform.boxes.size(), 3u);
    EXPECT_EQ(platform.boxes[1].text, saved); // no claim of a backup
    EXPECT_EQ(platform.boxes[2].title, "Error...");
    EXPECT_TRUE(platform.boxes[2].text.contains(proc));
}

// An injected write failure and a read-only file: the old file stays as it was.
TEST_P(SavedFiles, FailedWriteLeavesTheOldFileAndClaimsNoSuccess) {
    ASSERT_TRUE(f.load());
    const QByteArray before = module.read(f.file);
    (*f.records)[0] = "changed";
    for (const bool readOnly : {false, true}) {
        platform.boxes.clear();
        if (readOnly)
            QFile::setPermissions(module.file(f.file), QFile::ReadOwner | QFile::ReadGroup);
        else
            FailNextSaveAfter(10);
        EXPECT_FALSE(saveAnswering(MsgAnswer::No));
        EXPECT_EQ(module.read(f.file), before);
        EXPECT_FALSE(platform.boxTexts().contains(saved));
        EXPECT_EQ(errors(), QStringList{readOnly ? errorText(75, proc) : plainErrorText(61, proc)});
        // The system's reason on a line of its own, and what became of the file.
        EXPECT_TRUE(platform.boxes.back().text.endsWith(
            QString(readOnly ? "" : "Thank you.\r\n\r\nNo space left on device\r\n") + f.file +
            " was not saved and is unchanged."))
            << platform.boxes.back().text.toStdString();
    }
}

// A record added to the tables without telling the lines kept for the save
// (a fault of the program): nothing is written, and the failure is reported.
TEST_P(SavedFiles, ARecordTheKeptLinesWereNotToldOfStopsTheSave) {
    ASSERT_TRUE(f.load());
    const QByteArray before = module.read(f.file);
    f.records->append(f.records->last());
    ++*f.max;
    EXPECT_FALSE(f.save());
    EXPECT_EQ(module.read(f.file), before);
    EXPECT_EQ(errors(), QStringList{errorText(9, proc)});
    EXPECT_TRUE(platform.boxes.back().text.endsWith(f.file + " was not saved and is unchanged."));
}

TEST_P(SavedFiles, MissingFileIsReportedAndLeavesEmptyTables) {
    ASSERT_TRUE(f.load());
    QFile::remove(module.file(f.file));
    EXPECT_FALSE(f.load());
    EXPECT_EQ(*f.max, -1);
    EXPECT_TRUE(f.records->isEmpty());
    EXPECT_EQ(errors(), QStringList{plainErrorText(53, "LoadText" + f.kind + "s")});
}

INSTANTIATE_TEST_SUITE_P(TextFiles, SavedFiles, ::testing::Values(Troops, Items),
                         [](const auto& info) { return info.param.kind.toStdString(); });

using TextFileLineEnds = TextFilesTest;

// Each text file goes back with the line ends it was read with: LF, a lone
// CR, none after the last line, and a mix (CR LF, as the sample has them, is
// the savers' own test), each line with its own.
TEST_F(TextFileLineEnds, LoadAndSaveGiveTheFileBack) {
    const struct {
        const char* file;
        bool (*load)();
        bool (*save)();
    } files[] = {
        {"troops.txt", LoadTextTroops, SaveTextTroops},
        {"item_kinds1.txt", LoadTextItems, SaveTextItems},
        {"factions.txt", LoadTextFactions, SaveTextFactions},
        {"parties.txt", LoadTextParties, SaveTextParties},
        {"party_templates.txt", LoadTextPartyTemplates, SaveTextPartyTemplates},
    };
    for (const auto& f : files) {
        const QByteArray lf = module.read(f.file).replace("\r\n", "\n");
        QByteArray unended = lf;
        while (unended.endsWith('\n'))
            unended.chop(1);
        const qsizetype header = lf.indexOf('\n');
        const qsizetype count = lf.indexOf('\n', header + 1);
        // Line 1 ends in CR LF, line 2 in a lone CR, the rest in LF.
        const QByteArray mixed = QByteArray(lf).replace(count, 1, "\r").insert(header, '\r');
        const std::pair<const char*, QByteArray> shapes[] = {
            {"LF", lf},
            {"lone CR", QByteArray(lf).replace('\n', '\r')},
            {"none at the end", unended},
            {"mixed", mixed}};
        for (const auto& [style, bytes] : shapes) {
            SCOPED_TRACE(std::string(f.file) + ", " + style);
            platform.boxes.clear();
            module.write(f.file, bytes);
            ASSERT_TRUE(f.load());
            platform.answer(MsgAnswer::No);
            ASSERT_TRUE(f.save());
            EXPECT_EQ(module.read(f.file), bytes);
            EXPECT_EQ(platform.boxes.size(), 2u) << platform.boxTexts().join('|').toStdString();
        }
    }
}

// A file whose line 1 names another version than the editor reads, or whose
// line 2 holds no count (line 1 lost in a hand edit, or line 2 of other
// text), is told at open in one box, and nothing else of it: no failure of the
// program. No troop or item of it is shown, and a save does not happen, so
// line 2 is never written over. A line 1 that names no version is no other
// version.
TEST_F(TextFileLineEnds, AFileOfAnotherVersionOrWithoutItsCountIsToldOnceAndNotSaved) {
    const struct {
        const char* file;
        const char* read; // the version line the editor reads
        const char* other;
        const char* kinds;
        bool (*load)();
        bool (*save)();
        bool (*shows)(int); // whether record 0 is shown, for troops and items
    } files[] = {
        {"troops.txt", "troopsfile version 2", "troopsfile version 1", "troops", LoadTextTroops,
         SaveTextTroops, TroopHasSoundShape},
        {"item_kinds1.txt", "itemsfile version 3", "itemsfile version 2", "items", LoadTextItems,
         SaveTextItems, ItemHasSoundShape},
        {"factions.txt", "factionsfile version 1", "factionsfile version 0", "factions",
         LoadTextFactions, SaveTextFactions, nullptr},
        {"parties.txt", "partiesfile version 1", "itemsfile version 3", "parties", LoadTextParties,
         SaveTextParties, nullptr},
        {"party_templates.txt", "partytemplatesfile version 1", "partytemplatesfile version 2 ",
         "party templates", LoadTextPartyTemplates, SaveTextPartyTemplates, nullptr},
    };
    for (const auto& f : files) {
        const QByteArray sample = module.read(f.file);
        const QList<QByteArray> line = sample.split('\n');
        const QByteArray body = sample.mid(line[0].size() - 1);
        const QString file = f.file;
        // The troop and item editors name lines 1 and 2 and what they expect there.
        const QString lost = !f.shows ? QString()
                                      : "Your " + file +
                                            " does not begin as the editor reads it: its line 1 "
                                            "reads '" +
                                            line[1].chopped(1) + "', where the editor expects '" +
                                            f.read + "', and line 2 reads '" + line[2].chopped(1) +
                                            "', where it expects the number of " + f.kinds +
                                            ". Line 1 may have been lost in an edit";
        const struct {
            const char* name;
            QByteArray bytes;
            QString told; // how the box begins; empty for no box
        } shapes[] = {
            {"another version", f.other + body,
             "Your " + file +
                 " is a file of another version than the editor reads: its line 1 reads '" +
                 f.other + "', and the editor reads '" + f.read + "' only."},
            {"the version read", f.read + body, {}},
            {"a line 1 of any text", "any text" + body, {}},
            {"line 1 lost", sample.mid(line[0].size() + 1), lost},
            {"line 2 of text",
             QByteArray(f.read) + "\r\nabout 900 " + f.kinds + body.mid(line[1].size() + 1),
             f.shows
                 ? "Your " + file + " does not begin as the editor reads it: its line 1 reads '" +
                       f.read + "', as the editor expects, and line 2 reads 'about 900 " + f.kinds +
                       "', where it expects the number of " + f.kinds + ". The " + f.kinds +
                       " are listed"
                 : QString()},
        };
        for (const auto& shape : shapes) {
            SCOPED_TRACE(std::string(f.file) + ", " + shape.name);
            const bool damaged = shape.bytes != f.read + body && shape.bytes != "any text" + body;
            module.write(f.file, shape.bytes);
            platform.boxes.clear();
            f.load();
            EXPECT_TRUE(errors().isEmpty());
            if (!shape.told.isEmpty() || !damaged) {
                expectOneBoxBeginning(shape.told);
            } else { // the faction, party and template editors' own words
                ASSERT_EQ(platform.boxes.size(), 1u) << platform.boxTexts().join('|').toStdString();
                EXPECT_TRUE(platform.boxes[0].text.contains(" will not save this file"));
            }
            if (f.shows) {
                EXPECT_EQ(f.shows(0), !damaged);
            }
            platform.boxes.clear();
            if (!damaged) {
                platform.answer(MsgAnswer::No);
            }
            EXPECT_EQ(f.save(), !damaged);
            EXPECT_EQ(platform.boxes.at(0).title, damaged ? "Not saved..." : "Create backup...?");
            EXPECT_EQ(module.read(f.file), shape.bytes);
        }
    }
}

// A file changed on disk after the load (edited beside this program) is
// replaced only when the user says so; No saves nothing. A file that did not
// change, and one this program saved itself, is saved without the question.
// The text files and the module-system files share the check.
TEST_F(TextFileLineEnds, AFileChangedOnDiskIsOverwrittenOnlyWhenTheUserAgrees) {
    ModuleCopy python(SampleModuleSystem());
    ModuleSystemDirectory = python.folder();
    const QString question =
        QStringLiteral("'%1' was changed on disk after this editor loaded it. Overwrite it with "
                       "the editor's data?");
    const struct {
        const char* file;
        const ModuleCopy& folder;
        bool (*load)();
        bool (*save)();
    } savers[] = {
        {"factions.txt", module, LoadTextFactions, SaveTextFactions},
        {"module_troops.py", python, LoadPythonTroops, SavePythonTroops},
    };
    for (const auto& saver : savers) {
        SCOPED_TRACE(saver.file);
        platform.boxes.clear();
        ASSERT_TRUE(saver.load());
        // The same bytes written anew count as unchanged.
        saver.folder.write(saver.file, saver.folder.read(saver.file));
        platform.answer(MsgAnswer::No); // no backup
        ASSERT_TRUE(saver.save());
        ASSERT_EQ(platform.boxes.size(), 2u);
        const QByteArray ours = saver.folder.read(saver.file);
        const QByteArray elsewhere = ours + "# edited elsewhere\r\n";
        saver.folder.write(saver.file, elsewhere);
        for (const MsgAnswer answer : {MsgAnswer::No, MsgAnswer::Yes}) {
            platform.boxes.clear();
            platform.answer(answer);
            if (answer == MsgAnswer::Yes)
                platform.answer(MsgAnswer::No); // no backup
            EXPECT_EQ(saver.save(), answer == MsgAnswer::Yes);
            ASSERT_EQ(platform.boxes.size(), answer == MsgAnswer::Yes ? 3u : 1u);
            EXPECT_EQ(platform.boxes[0].text, question.arg(QLatin1String(saver.file)));
            EXPECT_EQ(platform.boxes[0].buttons, MsgButtons::YesNo);
            EXPECT_EQ(saver.folder.read(saver.file), answer == MsgAnswer::Yes ? ours : elsewhere);
        }
        // What this program wrote is what it knows to be on disk.
        platform.boxes.clear();
        platform.answer(MsgAnswer::No);
        EXPECT_TRUE(saver.save());
        EXPECT_EQ(platform.boxes.size(), 2u);
    }
    ModuleSystemDirectory.clear();
}

} // namespace
