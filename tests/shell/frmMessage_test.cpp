#include "ShellTest.h"

#include "shell/EditorFactories.h"
#include "shell/frmMessage.h"

#include <QLabel>
#include <QPlainTextEdit>
#include <QPushButton>

namespace {
class ResultWindow : public ShellTest {
protected:
    ResultWindow() {
        MsgTitle = QStringLiteral("Troop updated...");
        MsgText = QStringLiteral("Troop # 3 has been updated:");
        MsgEntry = QStringLiteral("trp_a A As 0 0\r\n  1 2 3\r\n  4 5");
        window = new frmMessage;
    }
    QPointer<frmMessage> window;
};

TEST_F(ResultWindow, ShowsTheThreeTexts) {
    EXPECT_EQ(window->windowTitle(), MsgTitle);
    EXPECT_EQ(Child<QLabel>(window, "lblMsg")->text(), MsgText);
    auto* entry = Child<QPlainTextEdit>(window, "txtEntry");
    EXPECT_EQ(entry->toPlainText(), QStringLiteral("trp_a A As 0 0\n  1 2 3\n  4 5"));
    EXPECT_TRUE(entry->isReadOnly());
    EXPECT_TRUE(entry->textInteractionFlags() & Qt::TextSelectableByMouse);
    EXPECT_EQ(Child<QPushButton>(window, "cmdOk")->text(), QStringLiteral("Ok"));
}

TEST_F(ResultWindow, OkHasTheFocusAfterAMomentAndEnterClosesFromItOrTheRecordBox) {
    window->show();
    Wait(60);
    EXPECT_EQ(window->focusWidget(), Child<QWidget>(window, "cmdOk"));
    PressEnter(Child<QWidget>(window, "cmdOk"));
    EXPECT_TRUE(Deleted(window));
    window = new frmMessage;
    window->show();
    PressEnter(Child<QWidget>(window, "txtEntry"));
    EXPECT_TRUE(Deleted(window));
}

TEST_F(ResultWindow, IsShownModally) {
    MsgEntry.clear();
    platform.onModal([](QWidget* shown) {
        EXPECT_EQ(Child<QPlainTextEdit>(shown, "txtEntry")->toPlainText(), QString());
    });
    ShowMessageWindow();
    EXPECT_EQ(platform.modalWindows, QStringList{QStringLiteral("frmMessage")});
}
} // namespace
