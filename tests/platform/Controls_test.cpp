#include "platform/gui/Controls.h"
#include "platform/gui/Dialogs.h"
#include "platform/gui/Modal.h"
#include "support/Scripted.h"

#include <QApplication>
#include <QKeyEvent>
#include <QPointer>
#include <QPushButton>

#include <gtest/gtest.h>

namespace {
TEST(Controls, SelectingFromCodeRunsTheClickHandlerEvenForTheSameRow) {
    ListBox list;
    int clicks = 0;
    QObject::connect(&list, &ListBox::click, [&] { ++clicks; });
    list.setRows({"a", "b", "c"});
    EXPECT_EQ(clicks, 0);
    EXPECT_EQ(list.listIndex(), -1);
    list.setListIndex(1);
    list.setListIndex(1);
    EXPECT_EQ(clicks, 2);
    list.setListIndex(7); // no such row: nothing selected
    EXPECT_EQ(list.listIndex(), -1);
    EXPECT_EQ(clicks, 3);

    ComboBox combo;
    int comboClicks = 0;
    QObject::connect(&combo, &ComboBox::click, [&] { ++comboClicks; });
    combo.setRows({"x", "y"});
    combo.setListIndex(0);
    combo.setListIndex(0);
    EXPECT_EQ(comboClicks, 2);

    OptionButton a("a"), b("b");
    int optionClicks = 0;
    QObject::connect(&a, &OptionButton::click, [&] { ++optionClicks; });
    a.setValue(true);
    a.setValue(true);
    EXPECT_EQ(optionClicks, 2);

    CheckBox check("c");
    int checkClicks = 0;
    QObject::connect(&check, &CheckBox::click, [&] { ++checkClicks; });
    check.setValue(true);
    check.setValue(true);
    check.setValue(false);
    EXPECT_EQ(checkClicks, 2);
}

TEST(Controls, OddSettingsLayOutWithTheNearestOfferedValue) {
    EXPECT_EQ(OfferedFontSize(3), 7);
    EXPECT_EQ(OfferedFontSize(9), 9);
    EXPECT_EQ(OfferedFontSize(40), 10);
    EXPECT_EQ(OfferedScreenWidth(800), 1024);
    EXPECT_EQ(OfferedScreenWidth(1200), 1280);
    EXPECT_EQ(Tw(1440), 96);
}

TEST(Controls, EnterPressesAFocusedButtonOnceTheWindowSystemIsInstalled) {
    InstallWindowSystem();
    ScriptedPlatform platform; // takes the message boxes back from the real ones
    QPushButton button("Go");
    int clicks = 0;
    QObject::connect(&button, &QPushButton::clicked, [&] { ++clicks; });
    QKeyEvent enter(QEvent::KeyPress, Qt::Key_Return, Qt::NoModifier);
    QApplication::sendEvent(&button, &enter);
    EXPECT_EQ(clicks, 1);
    button.setEnabled(false);
    QApplication::sendEvent(&button, &enter);
    EXPECT_EQ(clicks, 1);
}

TEST(Modal, ScriptedWindowsAreHandedToTheTestAndDeleted) {
    ScriptedPlatform platform;
    QPointer<QWidget> window = new QWidget;
    window->setObjectName("frmSomething");
    bool seen = false;
    platform.onModal([&](QWidget* w) {
        seen = true;
        EXPECT_TRUE(ModalWindowOpen());
        w->close();
    });
    ShowModal(window);
    EXPECT_TRUE(seen);
    EXPECT_FALSE(ModalWindowOpen());
    EXPECT_TRUE(window.isNull());
    EXPECT_EQ(platform.modalWindows, QStringList{"frmSomething"});
}
} // namespace
