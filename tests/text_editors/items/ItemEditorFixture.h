#pragma once

#include "ms_editors/troops/QtPrinters.h"
#include "platform/gui/Controls.h"
#include "platform/gui/ToggleList.h"
#include "shell/modMain.h"
#include "support/Scripted.h"
#include "text_editors/items/ItemTables.h"
#include "text_editors/items/frmTextItems.h"
#include "textfiles/modTextItems.h"

#include <QAction>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPointer>
#include <QPushButton>
#include <QTest>

#include <gtest/gtest.h>

// The item editor opened on a copy of the sample module: 19 items (0 no_item,
// 1 bread, 2 short sword, 3 round shield, 4 leather jerkin, 5 iron helmet,
// 6 saddle horse, 7 hunting bow, 8 war spear, 9 throwing axes, 10 kite shield,
// 11 matchlock musket, 12 lead bullets, 13 leather boots, 14 leather gloves,
// 15 sumpter horse, 16 travel pack, 17 book of tactics, 18 arrows), four
// factions.
class ItemEditorTest : public ::testing::Test {
protected:
    void SetUp() override { open(); }
    void TearDown() override { delete window.data(); }

    void open() {
        delete window.data();
        ModuleFolder = module.folder();
        ScreenWidth = 1024;
        ListFontSize = 8;
        window = new frmTextItems;
        original.clear();
        for (int i = 0; i <= ItemMax; ++i)
            original.append(StoredItem(i));
    }

    template <typename T = QWidget> T* child(const char* name) const {
        T* found = window->findChild<T*>(QLatin1String(name));
        EXPECT_NE(found, nullptr) << name;
        return found;
    }
    QLineEdit* box(const char* name) const { return child<QLineEdit>(name); }
    QPushButton* button(const char* name) const { return child<QPushButton>(name); }
    ListBox* list(const char* name) const { return child<ListBox>(name); }
    ComboBox* combo(const char* name) const { return child<ComboBox>(name); }
    QString label(const char* name) const { return child<QLabel>(name)->text(); }
    QAction* action(const char* name) const { return child<QAction>(name); }
    QString lastBox() const {
        return platform.boxes.empty() ? QString() : platform.boxes.back().text;
    }
    QStringList rows(const char* name) const {
        QStringList texts;
        for (int i = 0; i < list(name)->count(); ++i)
            texts.append(list(name)->item(i)->text());
        return texts;
    }
    // The rows of a toggle list that are on, as "0 3 7".
    QString selected(const char* name) const {
        QStringList on;
        const QList<bool> rows = child<ToggleList>(name)->values();
        for (int i = 0; i < rows.size(); ++i) {
            if (rows[i])
                on.append(QString::number(i));
        }
        return on.join(u' ');
    }

    void select(int item) const { list("lstItems")->setListIndex(item); }
    void update() const { button("cmdUpdate")->click(); }
    void filterByType(int typeRow) const {
        combo("cmbTypeFilter")->setCurrentIndex(typeRow);
        button("cmdFilerType")->click();
        EXPECT_TRUE(QTest::qWaitFor([this] { return !window->TypeFilterRunning(); }));
    }
    // Every row of the filtered list names its item by the item's own number.
    void expectFilteredRowsNameTheirItems() const {
        for (const QString& row : rows("lstItemsFiltered"))
            EXPECT_EQ(ItemRowText(ItemNumberOfRow(row).value_or(-1)), row);
    }

    ScriptedPlatform platform;
    ModuleCopy module;
    QPointer<frmTextItems> window;
    QList<ItemLines> original;
};
