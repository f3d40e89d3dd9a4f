#pragma once

#include "support/Scripted.h"

#include "platform/AppFolder.h"
#include "shell/modMain.h"

#include <QApplication>
#include <QEventLoop>
#include <QFile>
#include <QKeyEvent>
#include <QPointer>
#include <QTimer>
#include <QWidget>

#include <gtest/gtest.h>

#include <ostream>

// Readable failure messages.
inline void PrintTo(const QString& text, std::ostream* os) {
    *os << '"' << text.toStdString() << '"';
}

// Runs the event loop for `ms` milliseconds, so timers of the windows fire.
inline void Wait(int ms) {
    QEventLoop loop;
    QTimer::singleShot(ms, &loop, &QEventLoop::quit);
    loop.exec();
}

inline void PressEnter(QWidget* target) {
    QKeyEvent press(QEvent::KeyPress, Qt::Key_Return, Qt::NoModifier, QStringLiteral("\r"));
    QCoreApplication::sendEvent(target, &press);
}

// The open top-level window of that name, or nullptr.
inline QWidget* OpenWindow(const QString& name) {
    for (QWidget* w : QApplication::topLevelWidgets()) {
        if (w->objectName() == name && w->isVisible())
            return w;
    }
    return nullptr;
}

// Whether a window that closed itself is gone (it is deleted once events run).
template <class T> bool Deleted(const QPointer<T>& window) {
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    return window.isNull();
}

template <class T> T* Child(QWidget* window, const char* name) {
    T* child = window->findChild<T*>(QLatin1String(name));
    EXPECT_NE(child, nullptr) << name;
    return child;
}

// Every shell test starts from the settings of a fresh start under scripted
// seams and leaves no window behind.
class ShellTest : public ::testing::Test {
protected:
    ShellTest() {
        SetupMode = QStringLiteral("0");
        ModuleFolder.clear();
        ModuleSystemDirectory.clear();
        ListFontSize = 8;
        ScreenWidth = 1024;
        SetupRequired = false;
    }
    ~ShellTest() override {
        QList<QPointer<QWidget>> windows;
        for (QWidget* w : QApplication::topLevelWidgets()) {
            if (!w->parentWidget())
                windows.append(w);
        }
        for (const QPointer<QWidget>& w : windows)
            delete w.data();
    }

    void writeConfig(const QByteArray& text) const {
        QFile file(ConfigFilePath());
        ASSERT_TRUE(file.open(QIODevice::WriteOnly));
        file.write(text);
    }
    QByteArray readConfig() const {
        QFile file(ConfigFilePath());
        return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
    }

    void expectOnlyBox(const QString& text, const QString& title, MsgIcon icon,
                       MsgButtons buttons = MsgButtons::Ok) const {
        ASSERT_EQ(platform.boxes.size(), 1u);
        EXPECT_EQ(platform.boxes[0].text, text);
        EXPECT_EQ(platform.boxes[0].title, title);
        EXPECT_EQ(platform.boxes[0].icon, icon);
        EXPECT_EQ(platform.boxes[0].buttons, buttons);
    }

    ScriptedPlatform platform;
};
