#include "ModuleSystemFixture.h"

#include "module_system/PythonEntryLists.h"
#include "module_system/PythonEntryTable.h"
#include "module_system/modPythonItems.h"
#include "module_system/modPythonPartyTemp.h"
#include "module_system/modPythonTroops.h"
#include "platform/TextFile.h"

#include <QDir>

namespace {

struct Saver {
    const char* file;
    bool (*load)();
    bool (*save)();
    const QStringList& (*table)();
    const char* backup; // the backup's name at the scripted clock, 9:05:07 on 3 April 2011
    const char* title;
};

const Saver Savers[] = {
    {"module_troops.py", LoadPythonTroops, SavePythonTroops,
     []() -> const QStringList& { return PyTroopLines; }, "module_troops_4-3-2011_9h5m7s.py",
     "Troops saved..."},
    {"module_items.py", LoadPythonItems, SavePythonItems,
     []() -> const QStringList& { return PyItemLines; }, "module_items_4-3-2011_9h5m7s.py",
     "Items saved..."},
    {"module_party_templates.py", LoadPythonPT, SavePythonPT,
     []() -> const QStringList& { return PyPTLines; }, "module_party_templates4-3-2011_9h5m7s.py",
     "Party Templates saved..."},
};

class SaveFile : public ModuleSystemTest, public ::testing::WithParamInterface<Saver> {
protected:
    QString file() const { return QString::fromLatin1(GetParam().file); }
    QString saved() const {
        return QStringLiteral("Changes have been saved to ") + file() +
               QStringLiteral(" in your module system directory.");
    }
};

TEST_P(SaveFile, WithoutBackupWritesTheFileBack) {
    ASSERT_TRUE(GetParam().load());
    const QStringList before = files();
    const QByteArray old = read(file());
    platform.answer(MsgAnswer::No);
    EXPECT_TRUE(GetParam().save());

    ASSERT_EQ(platform.boxes.size(), 2u);
    EXPECT_EQ(platform.boxes[0].text, QStringLiteral("Do you want to create a time stamped "
                                                     "backup of '") +
                                          file() + QStringLiteral("'?"));
    EXPECT_EQ(platform.boxes[0].title, QStringLiteral("Create backup...?"));
    EXPECT_EQ(platform.boxes[0].buttons, MsgButtons::YesNo);
    EXPECT_EQ(platform.boxes[0].icon, MsgIcon::None);
    EXPECT_EQ(platform.boxes[1].text, saved());
    EXPECT_EQ(platform.boxes[1].title, QString::fromLatin1(GetParam().title));
    EXPECT_EQ(platform.boxes[1].icon, MsgIcon::Information);
    EXPECT_EQ(files(), before) << "no backup";
    EXPECT_EQ(read(file()), old);
}

TEST_P(SaveFile, WithBackupCopiesTheOldFileFirst) {
    ASSERT_TRUE(GetParam().load());
    const QByteArray old = read(file());
    platform.answer(MsgAnswer::Yes);
    EXPECT_TRUE(GetParam().save());

    const QString backup = QString::fromLatin1(GetParam().backup);
    EXPECT_EQ(read(backup), old);
    ASSERT_EQ(platform.boxes.size(), 2u);
    EXPECT_EQ(platform.boxes[1].text, QStringLiteral("Backup created of old ") + file() +
                                          QStringLiteral(" to ") + copy.folder() + backup +
                                          QStringLiteral("\r\n\r\n") + saved());
}

TEST_P(SaveFile, BackupNeverReplacesAnEarlierOne) {
    ASSERT_TRUE(GetParam().load());
    const QString backup = QString::fromLatin1(GetParam().backup);
    write(backup, "an earlier backup");
    platform.answer(MsgAnswer::Yes);
    EXPECT_TRUE(GetParam().save());
    EXPECT_EQ(read(backup), QByteArray("an earlier backup"));
    EXPECT_FALSE(
        read(QString(backup).replace(QStringLiteral(".py"), QStringLiteral("_2.py"))).isEmpty());
}

TEST_P(SaveFile, FailedWriteKeepsTheFileAndClaimsNoSuccess) {
    ASSERT_TRUE(GetParam().load());
    const QByteArray old = read(file());
    platform.answer(MsgAnswer::No);
    FailNextSaveAfter(10);
    EXPECT_FALSE(GetParam().save());
    EXPECT_EQ(read(file()), old);
    ASSERT_EQ(platform.boxes.size(), 2u);
    EXPECT_EQ(platform.boxes[1].title, QStringLiteral("Error..."));
    EXPECT_EQ(platform.boxes[1].icon, MsgIcon::Critical);
}

TEST_P(SaveFile, FailedBackupIsReportedAfterTheSave) {
    ASSERT_TRUE(GetParam().load());
    QFile::remove(copy.file(file())); // nothing to copy
    platform.answer(MsgAnswer::Yes);
    EXPECT_TRUE(GetParam().save());
    ASSERT_EQ(platform.boxes.size(), 3u);
    EXPECT_EQ(platform.boxes[1].text, saved()) << "no backup is claimed";
    EXPECT_EQ(platform.boxes[2].title, QStringLiteral("Error..."));
    EXPECT_FALSE(read(file()).isEmpty());
}

INSTANTIATE_TEST_SUITE_P(, SaveFile, ::testing::ValuesIn(Savers), [](const auto& info) {
    return QString::fromLatin1(info.param.file).section(QLatin1Char('.'), 0, 0).toStdString();
});

class SaveWhatWasLoaded : public ModuleSystemTest {
protected:
    SaveWhatWasLoaded() : ModuleSystemTest(TestDataFolder() + QStringLiteral("/files")) {}
};

TEST_F(SaveWhatWasLoaded, OnlyElementsUpToTheLastIndexAreWritten) {
    ASSERT_TRUE(LoadPythonTroops());
    PyTroopMax = 2;
    platform.answer(MsgAnswer::No);
    ASSERT_TRUE(SavePythonTroops());
    EXPECT_EQ(read("module_troops.py"),
              "from header_common import *\nfrom header_troops import *\n\n");
}

TEST_F(SaveWhatWasLoaded, ALoadOfTheSavedFileGivesTheSameTable) {
    for (const Saver& saver : Savers) {
        ASSERT_TRUE(saver.load());
        const QStringList first = saver.table();
        platform.answer(MsgAnswer::No);
        ASSERT_TRUE(saver.save());
        const QByteArray bytes = read(saver.file);
        ASSERT_TRUE(saver.load());
        EXPECT_EQ(saver.table(), first) << saver.file;
        platform.answer(MsgAnswer::No);
        ASSERT_TRUE(saver.save());
        EXPECT_EQ(read(saver.file), bytes) << saver.file;
    }
}

// ---- Every byte the user did not change goes back as it was read

// The line ends a file may have.
enum class Shape { Lf, CrLf, Mixed, Cr, NoFinalLineEnd };

QByteArray InShape(QByteArray bytes, Shape shape) {
    if (shape == Shape::NoFinalLineEnd) {
        bytes.chop(bytes.endsWith("\r\n") ? 2 : 1);
        return bytes;
    }
    bytes.replace("\r\n", "\n").replace('\r', '\n');
    if (shape == Shape::CrLf)
        bytes.replace("\n", "\r\n");
    else if (shape == Shape::Cr)
        bytes.replace('\n', '\r');
    if (shape != Shape::Mixed)
        return bytes;
    QByteArray mixed;
    int line = 0;
    for (char c : bytes) {
        if (c != '\n')
            mixed += c;
        else
            mixed += ++line % 3 == 0 ? "\r" : line % 3 == 1 ? "\r\n" : "\n";
    }
    return mixed;
}

QByteArray Fixture(const char* folder, const char* file) {
    return ReadFile(TestDataFolder() + u'/' + QLatin1String(folder) + u'/' + QLatin1String(file));
}

// Our fixtures hold comments inside entries, an entry over twelve lines,
// tabs, bytes above ASCII, a list closing on its last entry's line and code
// behind the list.
TEST_F(SaveWhatWasLoaded, ALoadAndASaveWithoutAnEditGiveTheFileBackByteForByte) {
    for (const Shape shape :
         {Shape::Lf, Shape::CrLf, Shape::Mixed, Shape::Cr, Shape::NoFinalLineEnd}) {
        for (const char* folder : {"files", "rough", "shapes"}) {
            for (const Saver& saver : Savers) {
                SCOPED_TRACE(std::string(folder) + '/' + saver.file + ", shape " +
                             std::to_string(int(shape)));
                const QByteArray file = InShape(Fixture(folder, saver.file), shape);
                write(saver.file, file);
                ASSERT_TRUE(saver.load());
                platform.answer(MsgAnswer::No);
                ASSERT_TRUE(saver.save());
                EXPECT_EQ(read(saver.file), file);
            }
        }
    }
    EXPECT_EQ(platform.errors(), QStringList());
}

// The table index of the entry with this id.
int Entry(const QStringList& lines, const char* id) {
    for (int i = 0; i < lines.size(); ++i) {
        if ((IsPythonEntry(lines[i], u'[') || IsPythonEntry(lines[i], u'(')) &&
            PythonEntryId(lines[i]) == QString::fromLatin1(id))
            return i;
    }
    ADD_FAILURE() << "no entry " << id;
    return 0;
}
// Entries as the editors write them.
const char* const Temp = " [\"temp_troop\", \"Temp Troop\", \"Temp Troop\", tf_hero, no_scene, "
                         "reserved, fac_commoners, [], def_attrib, 0, knows_common, 1 ],";
const char* const Last =
    " [\"last\", \"Last\", \"Lasts\", 0, no_scene, reserved, fac_commoners, [], "
    "def_attrib, wp(30), knows_common, 0 ],";
const char* const Bard =
    " [\"bard\", \"Bard\", \"Bards\", 0, no_scene, reserved, fac_commoners, [], "
    "def_attrib, wp(30), knows_common, 0 ],";
QString Text(const char* latin1) {
    return QString::fromLatin1(latin1);
}

struct EditCase {
    const char* name;
    const char* file; // of tests/data/module_system/rough
    void (*edit)();
    QByteArray before; // lines of the fixture (LF) that the edit touches
    QByteArray after;  // what the save writes in their place, before the shape is applied
    const char* folder = "rough";
};
const char* const Court = " [\"court_dress\",\"Court Gown\", [(\"court_dress\",0)], "
                          "itp_type_body_armor, 0, 348, weight(4), imodbits_cloth],";

const EditCase EditCases[] = {
    {"EditedEntryKeepsItsRemarkBehind", "module_troops.py",
     [] { PyTroopLines[Entry(PyTroopLines, "temp_troop")] = Text(Temp); },
     "  [\"temp_troop\",\"Temp Troop\",\"Temp Troop\",tf_hero,no_scene,reserved,fac_commoners,[],"
     "def_attrib,0,knows_common,0], # hard-wired\n",
     QByteArray(Temp) + " # hard-wired\n"},
    {"EditedLastEntryLeavesTheListsClosing", "module_troops.py",
     [] { PyTroopLines[Entry(PyTroopLines, "last")] = Text(Last); },
     "  [\"last\",\"Last\",\"Lasts\",0,no_scene,reserved,fac_commoners,[],def_attrib,wp(20),"
     "knows_common,0]] # the end\n",
     QByteArray(Last) + "\n] # the end\n"},
    {"AddedEntryTakesTheFilesLineEnd", "module_troops.py",
     [] {
         InsertPythonEntry(PyTroopLines, PyTroopMax, Entry(PyTroopLines, "temp_troop") + 1,
                           Text(Bard), &PyTroopLastEntry);
     },
     " # hard-wired\n\n", QByteArray(" # hard-wired\n") + Bard + "\n\n"},
    {"AddedBehindTheLastEntryLeavesItsLines", "module_troops.py",
     [] {
         InsertPythonEntry(PyTroopLines, PyTroopMax, PyTroopLastEntry + 1, Text(Bard),
                           &PyTroopLastEntry);
     },
     "knows_common,0]] # the end\n", QByteArray("knows_common,0],\n") + Bard + "\n] # the end\n"},
    {"ChangedUpgradeLineKeepsItsRemark", "module_troops.py",
     [] {
         const int call = PyTroopLines.indexOf(QStringLiteral(
             "upgrade(troops,\"lute_player\",\"jaeger\") # minstrels learn to hunt"));
         ASSERT_GT(call, 0);
         PyTroopLines[call] = QStringLiteral("upgrade(troops,\"lute_player\",\"last\")");
     },
     "upgrade(troops,\"lute_player\",\"jaeger\") # minstrels learn to hunt\n",
     "upgrade(troops,\"lute_player\",\"last\") # minstrels learn to hunt\n"},
    {"AppendedLineEndsAsTheFileEnded", "module_troops.py",
     [] {
         PyTroopLines.append(QStringLiteral("upgrade(troops,\"last\",\"player\")"));
         ++PyTroopMax;
     },
     "upgrade2(troops,\"jaeger\",\"last\",\"player\")\n",
     "upgrade2(troops,\"jaeger\",\"last\",\"player\")\nupgrade(troops,\"last\",\"player\")\n"},
    {"DeletedTemplateTakesItsComments", "module_party_templates.py",
     [] {
         EXPECT_TRUE(DeletePythonEntry(PyPTLines, PyPTMax, Entry(PyPTLines, "war_party"), u'(',
                                       &PyPTLastEntry));
     },
     "  (\"war_party\",\"War Party\",icon_flagbearer_a|pf_show_faction,0,fac_commoners,soldier_"
     "personality,\n   [\n    # the lord's men\n    (trp_a,4,12),\n    # his retinue\n    "
     "(trp_b,0,5),\n    # TODO: more\n   ]),\n",
     ""},
    // Of two entries on one line, the one edited or deleted takes its part of
    // the line; an entry added behind one without a comma gives it one.
    {"DeletedOneOfALineAndEditedTheOther", "module_items.py",
     [] {
         DeletePythonEntry(PyItemLines, PyItemMax, Entry(PyItemLines, "green_dress"), u'[');
         PyItemLines[Entry(PyItemLines, "court_dress")] = Text(Court);
     },
     " [\"green_dress\",\"Green Dress\", [(\"green_dress\",0)], itp_type_body_armor, 0, 100, "
     "weight(3), imodbits_cloth], [\"court_dress\",\"Court Dress\", [(\"court_dress\",0)], "
     "itp_type_body_armor, 0, 348, weight(4), imodbits_cloth],\n",
     QByteArray(Court) + "\n", "shapes"},
    {"DeletedFirstOfALine", "module_items.py",
     [] {
         EXPECT_TRUE(DeletePythonEntry(PyItemLines, PyItemMax, Entry(PyItemLines, "green_dress"),
                                       u'[', nullptr));
     },
     " [\"green_dress\",\"Green Dress\", [(\"green_dress\",0)], itp_type_body_armor, 0, 100, "
     "weight(3), imodbits_cloth], ",
     " ", "shapes"},
    {"AddedBehindTheLastEntryOfASplicedList", "module_troops.py",
     [] {
         InsertPythonEntry(PyTroopLines, PyTroopMax, Entry(PyTroopLines, "townsman") + 1,
                           Text(Bard), &PyTroopLastEntry);
     },
     "knows_common,0]\n] + [", QByteArray("knows_common,0],\n") + Bard + "\n] + [", "shapes"},
    {"AddedBehindALastEntryWithoutAComma", "module_troops.py",
     [] {
         InsertPythonEntry(PyTroopLines, PyTroopMax, PyTroopLastEntry + 1, Text(Bard),
                           &PyTroopLastEntry);
     },
     "knows_common,0]\n]\n", QByteArray("knows_common,0],\n") + Bard + "\n]\n", "shapes"},
};

class SaveEdits : public ModuleSystemTest, public ::testing::WithParamInterface<EditCase> {};

// In an LF file, a CR LF file and one without a line end at its end.
TEST_P(SaveEdits, ChangeOnlyTheLinesOfWhatWasEdited) {
    const EditCase& c = GetParam();
    const QByteArray original = Fixture(c.folder, c.file);
    QByteArray expected = original;
    ASSERT_TRUE(expected.contains(c.before));
    expected.replace(c.before, c.after);
    for (const Shape shape : {Shape::Lf, Shape::CrLf, Shape::NoFinalLineEnd}) {
        SCOPED_TRACE(int(shape));
        write(c.file, InShape(original, shape));
        for (const Saver& saver : Savers) {
            if (QByteArray(saver.file) != c.file)
                continue;
            ASSERT_TRUE(saver.load());
            c.edit();
            platform.answer(MsgAnswer::No);
            ASSERT_TRUE(saver.save());
        }
        EXPECT_EQ(read(c.file), InShape(expected, shape));
    }
}

INSTANTIATE_TEST_SUITE_P(, SaveEdits, ::testing::ValuesIn(EditCases),
                         [](const auto& info) { return std::string(info.param.name); });

// What could not be read goes back as it was read, and a file that was not
// read whole is never written over.
TEST_F(SaveWhatWasLoaded, DamagedFilesAreNeverWrittenOver) {
    const QByteArray damaged =
        "x\ntroops = [\n [\"a\",0],\n [\"b\",[itm_x,\n  0],\n [\"c\",0],\n]\nup\n";
    write("module_troops.py", damaged);
    EXPECT_FALSE(LoadPythonTroops());
    PyTroopLines[Entry(PyTroopLines, "c")] = QStringLiteral(" [\"c\", 1 ],");
    platform.answer(MsgAnswer::No);
    ASSERT_TRUE(SavePythonTroops());
    EXPECT_EQ(read("module_troops.py"),
              QByteArray(damaged).replace(" [\"c\",0],\n", " [\"c\", 1 ],\n"));

    const QByteArray open =
        "x\nparty_templates = [\n (\"a\",0,[]),\n (\"b\",0,[(trp_a,1,2)],\n]\ny = 1\n";
    write("module_party_templates.py", open);
    EXPECT_FALSE(LoadPythonPT());
    PyPTLines[Entry(PyPTLines, "a")] = QStringLiteral(" (\"a\", 1, [] ),");
    platform.boxes.clear();
    EXPECT_FALSE(SavePythonPT());
    // No backup is offered either.
    ExpectOneBox(
        platform, QStringLiteral("Not saved..."), MsgIcon::Exclamation,
        QStringLiteral("Your module_party_templates.py was not read whole when the editor "
                       "opened: the list \"party_templates = [\" on line 2 does not close "
                       "before the end of the file. Saving would write over what the editor "
                       "could not read, so nothing has been saved. Correct the file in a "
                       "text editor and open the editor again."));
    EXPECT_EQ(read("module_party_templates.py"), open);

    // A file that could not be read at all.
    QFile::remove(copy.file("module_items.py"));
    ASSERT_TRUE(QDir(copy.folder()).mkdir("module_items.py"));
    EXPECT_FALSE(LoadPythonItems());
    platform.boxes.clear();
    EXPECT_FALSE(SavePythonItems());
    ASSERT_EQ(platform.boxes.size(), 1u);
    EXPECT_EQ(platform.boxes[0].title, QStringLiteral("Not saved..."));
    EXPECT_TRUE(platform.boxes[0].text.startsWith(
        QStringLiteral("Your module_items.py could not be read when the editor opened.")));
}

} // namespace
