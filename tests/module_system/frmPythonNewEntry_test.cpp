#include "ModuleSystemFixture.h"

#include "module_system/frmPythonNewEntry.h"
#include "platform/gui/Controls.h"

#include <QLabel>
#include <QPushButton>

namespace {

// What a mouse click on the option does (OptionButton's own click() is the
// signal that such a click raises).
void Pick(OptionButton* option) {
    static_cast<QAbstractButton*>(option)->click();
}

class NewEntryDialog : public ::testing::Test {
protected:
    NewEntryDialog() {
        NewEntryChoice = 0;
        NewEntryTitle = QStringLiteral("Add new troop?");
        NewEntryText = QStringLiteral("The form will be filled with data from troop # 5!\r\n\r\n"
                                      "Where do you want to add the new troop?");
    }

    // Shows the dialog and hands it to `answer`.
    void show(std::function<void(frmPythonNewEntry*)> answer) {
        platform.onModal([answer](QWidget* window) {
            auto* dialog = qobject_cast<frmPythonNewEntry*>(window);
            ASSERT_NE(dialog, nullptr);
            answer(dialog);
        });
        ShowPythonNewEntry();
    }

    ScriptedPlatform platform;
};

TEST_F(NewEntryDialog, ShowsTheCallersCaptionAndQuestion) {
    show([](frmPythonNewEntry* dialog) {
        EXPECT_EQ(dialog->windowTitle(), QStringLiteral("Add new troop?"));
        EXPECT_EQ(dialog->lblMsg->text(),
                  QStringLiteral("The form will be filled with data from troop # 5!\n\n"
                                 "Where do you want to add the new troop?"));
        EXPECT_TRUE(dialog->optEnd->isChecked());
        EXPECT_FALSE(dialog->optBehind->isChecked());
        dialog->cmdAbort->click();
    });
    EXPECT_EQ(platform.modalWindows, QStringList{QStringLiteral("frmPythonNewEntry")});
}

TEST_F(NewEntryDialog, ContinueWithoutTouchingTheOptionsAddsAtTheEnd) {
    show([](frmPythonNewEntry* dialog) { dialog->cmdAdd->click(); });
    EXPECT_EQ(NewEntryChoice, 1);
}

TEST_F(NewEntryDialog, BehindTheSelectedEntry) {
    show([](frmPythonNewEntry* dialog) {
        Pick(dialog->optBehind);
        dialog->cmdAdd->click();
    });
    EXPECT_EQ(NewEntryChoice, 2);
}

TEST_F(NewEntryDialog, EachShowingStartsAtTheEndOption) {
    show([](frmPythonNewEntry* dialog) {
        Pick(dialog->optBehind);
        dialog->cmdAdd->click();
    });
    show([](frmPythonNewEntry* dialog) { dialog->cmdAdd->click(); });
    EXPECT_EQ(NewEntryChoice, 1);
}

TEST_F(NewEntryDialog, AbortOrClosingAnswersNothing) {
    show([](frmPythonNewEntry* dialog) {
        Pick(dialog->optBehind);
        dialog->cmdAbort->click();
    });
    EXPECT_EQ(NewEntryChoice, 0);
    show([](frmPythonNewEntry* dialog) { dialog->close(); });
    EXPECT_EQ(NewEntryChoice, 0);
}

TEST_F(NewEntryDialog, ContinueHasTheFocusAndEnterPressesIt) {
    show([](frmPythonNewEntry* dialog) {
        EXPECT_TRUE(dialog->cmdAdd->isDefault());
        EXPECT_EQ(dialog->focusWidget(), dialog->cmdAdd);
        EXPECT_EQ(dialog->cmdAdd->nextInFocusChain(), dialog->cmdAbort);
        dialog->cmdAdd->click();
    });
}

} // namespace
