// Whatever the editor writes must define the same troops and upgrade paths as
// the file it read: checked by running both files through Python.
#include "ms_editors/troops/frmPythonTroops.h"

#include "module_system/modPythonTroops.h"
#include "platform/gui/Controls.h"
#include "shell/modMain.h"
#include "support/Scripted.h"

#include "QtPrinters.h"

#include <QFile>
#include <QProcess>
#include <QPushButton>
#include <QStandardPaths>

#include <gtest/gtest.h>

namespace {

class TroopsRoundTrip : public ::testing::TestWithParam<const char*> {
protected:
    void SetUp() override {
        if (QStandardPaths::findExecutable(QStringLiteral("python3")).isEmpty())
            GTEST_SKIP() << "python3 is not installed";
        const QString param = QString::fromLatin1(GetParam());
        const QString source = param == QStringLiteral("sample")
                                   ? SampleModuleSystem()
                                   : QStringLiteral(QE_TEST_DATA_DIR "/ms_editors/") + param;
        copy = std::make_unique<ModuleCopy>(source);
        original = copy->file(QStringLiteral("original_troops.py"));
        QFile::copy(copy->file(QStringLiteral("module_troops.py")), original);
        ModuleSystemDirectory = copy->folder();
        ScreenWidth = 1024;
        ListFontSize = 8;
        window = std::make_unique<frmPythonTroops>();
    }

    void save() {
        plat.answer(MsgAnswer::No); // no backup
        window->findChild<QPushButton*>(QStringLiteral("cmdSave"))->click();
        ASSERT_FALSE(window->UnsavedTroops);
    }

    // Runs the comparison script; an empty result means the same troops.
    QString differences() {
        QProcess python;
        python.start(QStringLiteral("python3"),
                     {QStringLiteral(QE_TEST_DATA_DIR "/ms_editors/same_troops.py"), original,
                      copy->file(QStringLiteral("module_troops.py"))});
        if (!python.waitForFinished(60000))
            return QStringLiteral("python3 did not finish");
        if (python.exitCode() == 0)
            return QString();
        return QString::fromLocal8Bit(python.readAllStandardOutput() +
                                      python.readAllStandardError());
    }

    ScriptedPlatform plat;
    std::unique_ptr<ModuleCopy> copy;
    QString original;
    std::unique_ptr<frmPythonTroops> window;
};

TEST_P(TroopsRoundTrip, ShowingAndUpdatingEveryTroopKeepsTheTroops) {
    ListBox* troops = window->findChild<ListBox*>(QStringLiteral("lstTroops"));
    int updated = 0;
    for (int row = 0; row < troops->count(); ++row) {
        troops->setListIndex(row);
        if (window->findChild<QPushButton*>(QStringLiteral("cmdUpdate"))->isEnabled())
            updated += window->UpdatePythonTroop(true) ? 1 : 0;
    }
    // Each test module has one troop that cannot be read completely.
    EXPECT_GE(updated, troops->count() - 1);
    save();
    EXPECT_EQ(differences(), QString());
}

TEST_P(TroopsRoundTrip, ScanAndSaveKeepTheTroops) {
    plat.answer(MsgAnswer::Yes);
    window->ScanPythonTroops();
    save();
    EXPECT_EQ(differences(), QString());
}

// "": our small test module; real_shapes: entries and upgrade calls written the
// way real module files write them; formatted: laid out by a code formatter;
// computed: names and inventories that Python computes.
INSTANTIATE_TEST_SUITE_P(Files, TroopsRoundTrip,
                         ::testing::Values("sample", "", "real_shapes", "formatted", "computed"));

} // namespace
