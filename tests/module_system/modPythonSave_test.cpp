#include "ModuleSystemFixture.h"

#include "module_system/modPythonItems.h"
#include "module_system/modPythonPartyTemp.h"
#include "module_system/modPythonTroops.h"
#include "platform/TextFile.h"

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

QByteArray WithCrLf(const QStringList& lines) {
    QByteArray bytes;
    for (const QString& line : lines)
        bytes += line.toLatin1() + "\r\n";
    return bytes;
}

class SaveFile : public ModuleSystemTest, public ::testing::WithParamInterface<Saver> {
protected:
    QString file() const { return QString::fromLatin1(GetParam().file); }
    QString saved() const {
        return QStringLiteral("Changes have been saved to ") + file() +
               QStringLiteral(" in your module system directory.");
    }
};

TEST_P(SaveFile, WithoutBackupWritesTheTable) {
    ASSERT_TRUE(GetParam().load());
    const QStringList before = files();
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
    if (file() != QStringLiteral("module_items.py")) {
        EXPECT_EQ(read(file()), WithCrLf(GetParam().table()));
    }
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

TEST_F(SaveWhatWasLoaded, ItemsGoBackWithTheLinesBehindTheList) {
    ASSERT_TRUE(LoadPythonItems());
    platform.answer(MsgAnswer::No);
    ASSERT_TRUE(SavePythonItems());
    EXPECT_EQ(read("module_items.py"), WithCrLf(PyItemLines + PyItemTail));
    EXPECT_TRUE(read("module_items.py")
                    .endsWith("]\r\n\r\n# modmerger_start version=201 type=2\r\ntry:\r\n    "
                              "component_name = \"items\"\r\n    extra_items = [[\"merged\", "
                              "\"Merged\"]]\r\nexcept:\r\n    raise\r\n# modmerger_end\r\n"));
}

TEST_F(SaveWhatWasLoaded, OnlyElementsUpToTheLastIndexAreWritten) {
    ASSERT_TRUE(LoadPythonTroops());
    PyTroopMax = 2;
    platform.answer(MsgAnswer::No);
    ASSERT_TRUE(SavePythonTroops());
    EXPECT_EQ(read("module_troops.py"), WithCrLf(PyTroopLines.mid(0, 3)));
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

} // namespace
