#pragma once

#include "platform/gui/Controls.h"
#include "shell/modMain.h"
#include "support/Scripted.h"

#include <QAction>
#include <QApplication>
#include <QLineEdit>
#include <QPointer>
#include <QPushButton>

#include <gtest/gtest.h>

// The faction or party-template editor opened on a copy of our fixture module:
// factions in the game's layout and hand-edited ones (a label word 2, colour
// bits above 24, a short relation line), templates likewise (a faction, icon
// and troop no list has a row for, member slots of the wrong shape, member
// flags beyond the prisoner bit), the
// sample's troops. factions.txt ends in "0 " without a line end. The boxes
// the load showed at open (the damage it told) are kept apart.
template <typename Window> class WorldEditorTest : public ::testing::Test {
protected:
    void SetUp() override {
        ModuleFolder = module.folder();
        ScreenWidth = 1024;
        ListFontSize = 8;
        window = new Window;
        openBoxes = platform.boxTexts();
        platform.boxes.clear();
    }
    void TearDown() override {
        delete window.data();
        // An editor a switch opened.
        QList<QPointer<QWidget>> editors;
        for (QWidget* top : QApplication::topLevelWidgets()) {
            if (top->inherits("EditorWindow"))
                editors.append(top);
        }
        for (const QPointer<QWidget>& editor : editors)
            delete editor.data();
    }

    template <typename T = QWidget> T* child(const char* name) const {
        T* found = window->template findChild<T*>(QLatin1String(name));
        EXPECT_NE(found, nullptr) << name;
        return found;
    }
    QLineEdit* box(const char* name) const { return child<QLineEdit>(name); }
    QPushButton* button(const char* name) const { return child<QPushButton>(name); }
    ListBox* list(const char* name) const { return child<ListBox>(name); }
    ComboBox* combo(const char* name) const { return child<ComboBox>(name); }
    QAction* action(const char* name) const { return child<QAction>(name); }
    QString lastBox() const {
        return platform.boxes.empty() ? QString() : platform.boxes.back().text;
    }
    // The names of the editor windows open besides this one.
    static QStringList otherEditors(const QWidget* self) {
        QStringList names;
        for (QWidget* top : QApplication::topLevelWidgets()) {
            if (top != self && top->inherits("EditorWindow") && top->isVisible())
                names.append(top->objectName());
        }
        return names;
    }

    ScriptedPlatform platform;
    QStringList openBoxes;
    ModuleCopy module{QStringLiteral(QE_TEST_DATA_DIR "/text_editors/world_editors")};
    QPointer<Window> window;
};
