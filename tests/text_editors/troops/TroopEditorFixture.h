#pragma once

#include "TroopTestSupport.h"

#include "platform/gui/Controls.h"
#include "shell/modMain.h"
#include "support/Scripted.h"
#include "text_editors/troops/TroopTables.h"
#include "text_editors/troops/frmTextTroops.h"
#include "textfiles/modTextTroops.h"

#include <QAction>
#include <QGroupBox>
#include <QLineEdit>
#include <QPointer>
#include <QPushButton>

#include <gtest/gtest.h>

// The troop editor opened on a copy of our fixture module: ten troops (one of
// them with a path to no troop, one with a faction no list has), eight items,
// four factions.
class TroopEditorTest : public ::testing::Test {
protected:
    void SetUp() override {
        ModuleFolder = module.folder();
        ScreenWidth = 1024;
        ListFontSize = 8;
        window = new frmTextTroops;
        for (int i = 0; i <= TroopMax; ++i)
            original.append(StoredTroop(i));
    }
    void TearDown() override { delete window.data(); }

    template <typename T = QWidget> T* child(const char* name) const {
        T* found = window->findChild<T*>(QLatin1String(name));
        EXPECT_NE(found, nullptr) << name;
        return found;
    }
    QLineEdit* box(const char* name) const { return child<QLineEdit>(name); }
    QPushButton* button(const char* name) const { return child<QPushButton>(name); }
    ListBox* list(const char* name) const { return child<ListBox>(name); }
    QAction* action(const char* name) const { return child<QAction>(name); }
    QString itemsTitle() const { return child<QGroupBox>("frameItems")->title(); }
    QString lastBox() const {
        return platform.boxes.empty() ? QString() : platform.boxes.back().text;
    }

    void select(int troop) const { list("lstTroops")->setListIndex(troop); }
    void update() const { button("cmdUpdateTroop")->click(); }
    QStringList inventory() const {
        QStringList rows;
        for (int i = 0; i < list("lstItems")->count(); ++i)
            rows.append(list("lstItems")->item(i)->text());
        return rows;
    }
    QString word(int troop, int line, int index) const {
        return TroopWords(StoredTroop(troop)[static_cast<std::size_t>(line)]).value(index);
    }

    ScriptedPlatform platform;
    ModuleCopy module{QStringLiteral(QE_TEST_DATA_DIR "/text_editors/troops")};
    QPointer<frmTextTroops> window;
    QList<TroopLines> original;
};
