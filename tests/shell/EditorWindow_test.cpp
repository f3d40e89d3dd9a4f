#include "ShellTest.h"

#include "shell/EditorFactories.h"
#include "shell/EditorWindow.h"

#include <QAction>

namespace {
int g_shown = 0;
QWidget* ShowOther() {
    ++g_shown;
    auto* other = new QWidget;
    other->show();
    return other;
}
QWidget* ShowThisEditor() {
    ADD_FAILURE() << "this editor's own entry shows nothing";
    return nullptr;
}

class TestEditor : public EditorWindow {
public:
    TestEditor() {
        addFileMenu(QStringLiteral("mnu_file_main"), QStringLiteral("mnu_file_blank2"));
        addEditorSwitchMenu("mnu_select", QStringLiteral("&Select editor"),
                            {{"mnu_select_own", "&own", ShowThisEditor},
                             {"mnu_select_other", "&other", ShowOther},
                             {"mnu_select_none", "&none", nullptr}},
                            ShowThisEditor);
        show();
    }
    bool unsaved = false;

protected:
    bool hasUnsavedData() const override { return unsaved; }
};

class EditorClose : public ShellTest {
protected:
    EditorClose() { g_shown = 0; }
    bool menuShown() { return OpenWindow(QStringLiteral("frmMain")) != nullptr; }
    void expectQuestion() {
        expectOnlyBox(QStringLiteral("You have unsaved data in the memory. Do you really want to "
                                     "close this editor?"),
                      QStringLiteral("Continue?"), MsgIcon::None, MsgButtons::YesNo);
    }
    QPointer<TestEditor> editor{new TestEditor};
};

TEST_F(EditorClose, WithoutUnsavedDataNothingIsAskedAndOnlyBackToMainShowsTheMenu) {
    editor->close();
    EXPECT_TRUE(editor->UnloadGranted);
    EXPECT_FALSE(menuShown());
    editor = new TestEditor;
    Child<QAction>(editor, "mnu_file_main")->trigger();
    EXPECT_FALSE(editor->isVisible());
    EXPECT_TRUE(menuShown());
    EXPECT_TRUE(platform.boxes.empty());
}

TEST_F(EditorClose, AnAcceptedBackToMainShowsTheMenu) {
    editor->unsaved = true;
    platform.answer(MsgAnswer::Yes);
    EXPECT_TRUE(editor->closeEditor(true));
    expectQuestion();
    EXPECT_TRUE(menuShown());
}

TEST_F(EditorClose, ARefusedBackToMainIsForgotten) {
    editor->unsaved = true;
    platform.answer(MsgAnswer::No);
    Child<QAction>(editor, "mnu_file_main")->trigger();
    expectQuestion();
    EXPECT_TRUE(editor->isVisible());
    EXPECT_FALSE(editor->UnloadGranted);
    EXPECT_FALSE(editor->BackToMain);
    // A later close by the close box shows no menu.
    platform.answer(MsgAnswer::Yes);
    editor->close();
    EXPECT_FALSE(editor->isVisible());
    EXPECT_TRUE(editor->UnloadGranted);
    EXPECT_FALSE(menuShown());
}

TEST_F(EditorClose, ExitWithUnsavedDataAsksAndNoKeepsTheEditor) {
    editor->unsaved = true;
    platform.answer(MsgAnswer::No);
    Child<QAction>(editor, "mnu_file_exit")->trigger();
    expectQuestion();
    EXPECT_EQ(platform.programEnds, 0);
    EXPECT_TRUE(editor->isVisible());
}

TEST_F(EditorClose, SwitchingOpensTheOtherEditorOnlyAfterTheClose) {
    editor->unsaved = true;
    platform.answer(MsgAnswer::No);
    editor->switchTo(ShowOther);
    EXPECT_EQ(g_shown, 0);
    EXPECT_TRUE(editor->isVisible());
    platform.answer(MsgAnswer::Yes);
    editor->switchTo(ShowOther);
    EXPECT_EQ(g_shown, 1);
    EXPECT_FALSE(editor->isVisible());
    EXPECT_FALSE(menuShown());
}

TEST_F(EditorClose, TheSwitchMenuKeepsThisEditorTickedDisablesMissingEditorsAndSwitches) {
    QAction* own = Child<QAction>(editor, "mnu_select_own");
    own->trigger();
    EXPECT_TRUE(own->isChecked());
    EXPECT_TRUE(editor->isVisible());
    EXPECT_FALSE(Child<QAction>(editor, "mnu_select_none")->isEnabled());
    Child<QAction>(editor, "mnu_select_other")->trigger();
    EXPECT_EQ(g_shown, 1);
    EXPECT_FALSE(editor->isVisible());
}
} // namespace
