#include "ModuleSystemFixture.h"

#include "module_system/modPythonItems.h"
#include "module_system/modPythonPartyTemp.h"
#include "module_system/modPythonTroops.h"

#include <QProcess>
#include <QStandardPaths>

namespace {

struct SourceFile {
    const char* name;
    bool (*load)();
    bool (*save)();
};

const SourceFile SourceFiles[] = {
    {"module_troops.py", LoadPythonTroops, SavePythonTroops},
    {"module_items.py", LoadPythonItems, SavePythonItems},
    {"module_party_templates.py", LoadPythonPT, SavePythonPT},
};

// A load and a save without any edit must leave a file that Python reads as
// the same lists: same entries, same strings, same code behind the lists.
// tests/data/module_system/same_lists.py runs both files with every unknown
// name standing for a symbol of its own and compares the lists.
void ExpectSameLists(const QString& source, ScriptedPlatform& platform, const ModuleCopy& copy) {
    const QString python = QStandardPaths::findExecutable(QStringLiteral("python3"));
    if (python.isEmpty())
        GTEST_SKIP() << "python3 is not installed";
    for (const SourceFile& file : SourceFiles) {
        SCOPED_TRACE(file.name);
        ASSERT_TRUE(file.load());
        platform.answer(MsgAnswer::No);
        ASSERT_TRUE(file.save());

        QProcess process;
        process.setProcessChannelMode(QProcess::MergedChannels);
        process.start(python, {TestDataFolder() + QStringLiteral("/same_lists.py"),
                               source + QLatin1Char('/') + QLatin1String(file.name),
                               copy.file(QLatin1String(file.name))});
        ASSERT_TRUE(process.waitForFinished(60000));
        EXPECT_EQ(process.exitCode(), 0) << process.readAll().toStdString();
    }
}

class RoundTrip : public ModuleSystemTest {
protected:
    RoundTrip() : ModuleSystemTest(TestDataFolder() + QStringLiteral("/files")) {}
};

TEST_F(RoundTrip, OurNastyFilesDefineTheSameLists) {
    ExpectSameLists(TestDataFolder() + QStringLiteral("/files"), platform, copy);
}

class ShapesRoundTrip : public ModuleSystemTest {
protected:
    ShapesRoundTrip() : ModuleSystemTest(TestDataFolder() + QStringLiteral("/shapes")) {}
};

TEST_F(ShapesRoundTrip, RealShapesDefineTheSameLists) {
    ExpectSameLists(TestDataFolder() + QStringLiteral("/shapes"), platform, copy);
}

class BlocksRoundTrip : public ModuleSystemTest {
protected:
    BlocksRoundTrip() : ModuleSystemTest(TestDataFolder() + QStringLiteral("/blocks")) {}
};

TEST_F(BlocksRoundTrip, ListsInBlocksDefineTheSameLists) {
    ExpectSameLists(TestDataFolder() + QStringLiteral("/blocks"), platform, copy);
}

class SampleRoundTrip : public ModuleSystemTest {};

TEST_F(SampleRoundTrip, TheSampleDefinesTheSameLists) {
    ExpectSameLists(SampleModuleSystem(), platform, copy);
}

} // namespace
