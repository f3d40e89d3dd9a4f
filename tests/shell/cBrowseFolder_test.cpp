#include "ShellTest.h"

#include "shell/cBrowseFolder.h"

namespace {
class FolderPicker : public ShellTest {};

TEST_F(FolderPicker, ArgumentsReplaceThePropertiesAndTheChoiceIsTrimmed) {
    cBrowseFolder picker;
    picker.sFolder = QStringLiteral("/ignored");
    // Only blanks are trimmed: the tab belongs to the folder's name.
    platform.answerFolder(QStringLiteral("  /home/mods\t  "));
    EXPECT_EQ(picker.ShowBrowse(std::nullopt, QStringLiteral("Pick"), QStringLiteral("/start")),
              QStringLiteral("/home/mods\t"));
    EXPECT_EQ(picker.sFolder, QStringLiteral("/home/mods\t"));
    EXPECT_EQ(picker.sTitle, QStringLiteral("Pick"));
    EXPECT_FALSE(picker.bCancelled);
    EXPECT_EQ(platform.folderDialogStarts, QStringList{QStringLiteral("/start")});
}

TEST_F(FolderPicker, CancelOrNoPathCountsAsCancelled) {
    for (const std::optional<QString>& answer :
         {std::optional<QString>(), std::optional<QString>(QStringLiteral("   "))}) {
        cBrowseFolder picker;
        picker.sFolder = QStringLiteral("/start");
        platform.answerFolder(answer);
        EXPECT_EQ(picker.ShowBrowse(), QString());
        EXPECT_TRUE(picker.bCancelled);
        EXPECT_EQ(picker.sFolder, QString());
    }
}
} // namespace
