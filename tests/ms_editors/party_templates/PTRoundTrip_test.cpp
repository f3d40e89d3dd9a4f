// Whatever the editor writes must define the same party templates as the file
// it read: every entry is parsed and built as an unchanged update would, the
// table saved, and both files run through Python.
#include "module_system/PythonEntryLists.h"
#include "ms_editors/party_templates/PythonPTTable.h"

#include "module_system/modPythonPartyTemp.h"
#include "shell/modMain.h"
#include "support/Scripted.h"

#include <QFile>
#include <QProcess>
#include <QStandardPaths>

#include <gtest/gtest.h>

namespace {

struct RoundTripCase {
    const char* folder; // "sample", or a folder of tests/data/ms_editors
    int unreadable;     // entries that cannot be read completely
};

class PTRoundTrip : public ::testing::TestWithParam<RoundTripCase> {
protected:
    void TearDown() override { ModuleSystemDirectory = savedDirectory; }
    ScriptedPlatform plat;
    QString savedDirectory = ModuleSystemDirectory;
};

TEST_P(PTRoundTrip, BuildingEveryTemplateKeepsTheTemplates) {
    if (QStandardPaths::findExecutable("python3").isEmpty())
        GTEST_SKIP() << "python3 is not installed";
    const QString folder = GetParam().folder;
    const ModuleCopy copy(folder == "sample" ? SampleModuleSystem()
                                             : QE_TEST_DATA_DIR "/ms_editors/" + folder);
    const QString original = copy.file("original_party_templates.py");
    QFile::copy(copy.file("module_party_templates.py"), original);
    ModuleSystemDirectory = copy.folder();

    ASSERT_TRUE(LoadPythonPT());
    int unreadable = 0;
    for (int line : BuildPythonEntryRows(PyPTLines, PyPTMax, PartyTemplateRows).lines) {
        const std::optional<QString> entry = RewrittenPythonPTEntry(PyPTLines[line]);
        unreadable += entry ? 0 : 1;
        PyPTLines[line] = entry.value_or(PyPTLines[line]);
    }
    EXPECT_EQ(unreadable, GetParam().unreadable);
    plat.answer(MsgAnswer::No); // no backup
    ASSERT_TRUE(SavePythonPT());

    QProcess python;
    python.setProcessChannelMode(QProcess::MergedChannels);
    python.start("python3", {QE_TEST_DATA_DIR "/ms_editors/same_party_templates.py", original,
                             copy.file("module_party_templates.py")});
    ASSERT_TRUE(python.waitForFinished(60000));
    EXPECT_EQ(python.exitCode(), 0) << python.readAll().toStdString();
}

// real_shapes: entries written the way real module files write them;
// formatted: laid out by a code formatter; computed: names and member lists
// that Python computes.
INSTANTIATE_TEST_SUITE_P(Files, PTRoundTrip,
                         ::testing::Values(RoundTripCase{"sample", 0},
                                           RoundTripCase{"real_shapes", 1},
                                           RoundTripCase{"formatted", 0},
                                           RoundTripCase{"computed", 0}));

} // namespace
