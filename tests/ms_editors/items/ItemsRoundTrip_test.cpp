// Rewriting every item as the editor shows and writes it must leave a file
// that defines the same items: checked by running both files through Python.
#include "ms_editors/items/PythonItemEntry.h"
#include "ms_editors/items/PythonItemLists.h"

#include "module_system/modPythonItems.h"
#include "shell/modMain.h"
#include "support/Scripted.h"

#include "SameItems.h"

#include <QFile>

#include <gtest/gtest.h>

#include <memory>

namespace {

struct RoundTripCase {
    const char* folder; // "sample", or a folder of tests/data/ms_editors
    int unreadable;     // entries that cannot be read completely and stay as they are
};

class ItemsRoundTrip : public ::testing::TestWithParam<RoundTripCase> {
protected:
    void SetUp() override {
        if (!HasPython())
            GTEST_SKIP() << "python3 is not installed";
        const QString folder = QString::fromLatin1(GetParam().folder);
        copy = std::make_unique<ModuleCopy>(folder == QStringLiteral("sample")
                                                ? SampleModuleSystem()
                                                : QStringLiteral(QE_TEST_DATA_DIR "/ms_editors/") +
                                                      folder);
        original = copy->file(QStringLiteral("original_items.py"));
        QFile::copy(copy->file(QStringLiteral("module_items.py")), original);
        ModuleSystemDirectory = copy->folder();
    }

    ScriptedPlatform plat;
    std::unique_ptr<ModuleCopy> copy;
    QString original;
};

TEST_P(ItemsRoundTrip, RewritingEveryItemKeepsTheItems) {
    ASSERT_TRUE(LoadPythonItems());
    const QStringList loaded = PyItemLines;
    const PythonEntryRows rows = BuildPythonItemRows(PyItemLines, PyItemMax);
    PythonItemNameLists lists = InitialPythonItemNameLists();
    int unreadable = 0;
    for (int row = 0; row < rows.count(); ++row) {
        QString& entry = PyItemLines[FindPythonEntryLine(rows, row, PyItemLines, ItemRows.opener)];
        const QString before = entry;
        if (!RewritePythonItemEntry(entry, lists)) {
            ++unreadable;
            EXPECT_EQ(entry, before);
        } else {
            // Written once in the editor's layout, an entry stays as it is.
            const QString written = entry;
            ASSERT_TRUE(RewritePythonItemEntry(entry, lists)) << written.toStdString();
            EXPECT_EQ(entry, written);
        }
    }
    EXPECT_EQ(unreadable, GetParam().unreadable);
    EXPECT_NE(PyItemLines, loaded);
    plat.answer(MsgAnswer::No); // no backup
    ASSERT_TRUE(SavePythonItems());
    EXPECT_EQ(ItemDifferences(original, copy->file(QStringLiteral("module_items.py"))), QString());
}

// rough_items: entries written the way real module files write them, with two
// that the editor cannot read completely (a flag term that must not change
// places, and a name continued over a line end); formatted: laid out by a
// code formatter; computed: a name that Python computes.
INSTANTIATE_TEST_SUITE_P(Files, ItemsRoundTrip,
                         ::testing::Values(RoundTripCase{"sample", 0},
                                           RoundTripCase{"rough_items", 2},
                                           RoundTripCase{"formatted", 0},
                                           RoundTripCase{"computed", 0}),
                         [](const auto& info) { return std::string(info.param.folder); });

} // namespace
