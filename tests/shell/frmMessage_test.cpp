#include "ShellTest.h"

#include "shell/EditorFactories.h"
#include "shell/frmMessage.h"

#include <QKeyEvent>
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
    void pressEnter(QWidget* target) {
        QKeyEvent press(QEvent::KeyPress, Qt::Key_Return, Qt::NoModifier, QStringLiteral("\r"));
        QCoreApplication::sendEvent(target, &press);
    }
    bool closed() {
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        return window.isNull();
    }
    QPointer<frmMessage> window;
};

TEST_F(ResultWindow, ShowsTheThreeTexts) {
    EXPECT_EQ(window->windowTitle(), MsgTitle);
    EXPECT_EQ(Child<QLabel>(window, "lblMsg")->text(), MsgText);
    auto* entry = Child<QPlainTextEdit>(window, "txtEntry");
    EXPECT_EQ(entry->toPlainText().split(u'\n'),
              (QStringList{QStringLiteral("trp_a A As 0 0"), QStringLiteral("  1 2 3"),
                           QStringLiteral("  4 5")}));
    EXPECT_TRUE(entry->isReadOnly());
    EXPECT_TRUE(entry->textInteractionFlags() & Qt::TextSelectableByMouse);
    EXPECT_EQ(Child<QPushButton>(window, "cmdOk")->text(), QStringLiteral("Ok"));
}

TEST_F(ResultWindow, OkHasTheFocusAfterAMomentAndEnterCloses) {
    window->show();
    Wait(60);
    QWidget* ok = Child<QWidget>(window, "cmdOk");
    EXPECT_EQ(window->focusWidget(), ok);
    pressEnter(ok);
    EXPECT_TRUE(closed());
}

TEST_F(ResultWindow, EnterInTheRecordBoxCloses) {
    window->show();
    pressEnter(Child<QWidget>(window, "txtEntry"));
    EXPECT_TRUE(closed());
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
