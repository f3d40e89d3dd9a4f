// Whatever the editor writes must define the same party templates as the file
// it read: every entry is parsed and built as an unchanged update would, the
// table saved, and both files run through Python.
#include "ms_editors/party_templates/PythonPTLists.h"
#include "ms_editors/party_templates/PythonPTTable.h"

#include "module_system/modPythonPartyTemp.h"
#include "shell/modMain.h"
#include "support/Scripted.h"

#include "../troops/QtPrinters.h"

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
    void SetUp() override {
        if (QStandardPaths::findExecutable(QStringLiteral("python3")).isEmpty())
            GTEST_SKIP() << "python3 is not installed";
        const QString folder = QString::fromLatin1(GetParam().folder);
        copy = std::make_unique<ModuleCopy>(folder == QStringLiteral("sample")
                                                ? SampleModuleSystem()
                                                : QStringLiteral(QE_TEST_DATA_DIR "/ms_editors/") +
                                                      folder);
        original = copy->file(QStringLiteral("original_party_templates.py"));
        QFile::copy(copy->file(QStringLiteral("module_party_templates.py")), original);
        savedDirectory = ModuleSystemDirectory;
        ModuleSystemDirectory = copy->folder();
    }
    void TearDown() override { ModuleSystemDirectory = savedDirectory; }

    // Runs the comparison script; an empty result means the same templates.
    QString differences() {
        QProcess python;
        python.setProcessChannelMode(QProcess::MergedChannels);
        python.start(QStringLiteral("python3"),
                     {QStringLiteral(QE_TEST_DATA_DIR "/ms_editors/same_party_templates.py"),
                      original, copy->file(QStringLiteral("module_party_templates.py"))});
        if (!python.waitForFinished(60000))
            return QStringLiteral("python3 did not finish");
        return python.exitCode() == 0 ? QString() : QString::fromLocal8Bit(python.readAll());
    }

    ScriptedPlatform plat;
    std::unique_ptr<ModuleCopy> copy;
    QString original;
    QString savedDirectory;
};

TEST_P(PTRoundTrip, BuildingEveryTemplateKeepsTheTemplates) {
    ASSERT_TRUE(LoadPythonPT());
    const PythonEntryRows rows = BuildPythonPTRows(PyPTLines, PyPTMax);
    ASSERT_GT(rows.count(), 9);
    int unreadable = 0;
    for (int line : rows.lines) {
        const std::optional<QString> entry = RewrittenPythonPTEntry(PyPTLines[line]);
        if (entry)
            PyPTLines[line] = *entry;
        else
            ++unreadable;
    }
    EXPECT_EQ(unreadable, GetParam().unreadable);
    plat.answer(MsgAnswer::No); // no backup
    ASSERT_TRUE(SavePythonPT());
    EXPECT_EQ(differences(), QString());
}

// real_shapes: entries written the way real module files write them.
INSTANTIATE_TEST_SUITE_P(Files, PTRoundTrip,
                         ::testing::Values(RoundTripCase{"sample", 0},
                                           RoundTripCase{"real_shapes", 1}),
                         [](const auto& info) { return std::string(info.param.folder); });

} // namespace
