#pragma once

#include "platform/gui/InputBox.h"
#include "platform/gui/ListFilter.h"
#include "shell/EditorView.h"
#include "shell/EditorWindow.h"
#include "text_editors/items/ItemCommands.h"
#include "text_editors/items/ItemRecord.h"
#include "text_editors/items/ItemTables.h"
#include "text_editors/items/frmItemValueControls.h"

#include <optional>

class ComboBox;
class ItemMeshControls;
class ListBox;
class QAction;
class QGroupBox;
class QLabel;
class QPlainTextEdit;
class QPushButton;
class QTimer;
class ToggleList;

// The item editor of item_kinds1.txt: lists the items, filters them by text
// and by type, shows one with its meshes, flags, capabilities, modifiers,
// values, damages, factions and triggers, stores edits in the item tables,
// adds and deletes items and saves the file.
class frmTextItems : public EditorWindow {
    Q_OBJECT
public:
    explicit frmTextItems(QWidget* parent = nullptr);

    // Window fields; every opening starts from these values.
    int CurItem = NoItemShown;
    bool ItemAddMode = false;
    bool UnsavedItems = false;

    void FillItemList();
    void FillItemFactionList();
    // Shows item CurItem. An item that cannot be read completely fills no
    // control, is reported, and can be neither updated nor a template.
    void ShowItem();
    // Stores what the window shows as item CurItem or, in add mode, as a new
    // item in front of the last; a box that would break the record refuses it.
    void UpdateItem(bool showReport);
    void SetItemAddMode(bool adding);
    void StartAddItem();
    void DeleteItem();
    void SetScreenWidth(int width) { m_view.setScreenWidth(width); }
    void SetListFontSize(int size) { m_view.setListFontSize(size); }
    // Whether the type filter is still scanning the items.
    bool TypeFilterRunning() const { return m_scan.has_value(); }

protected:
    bool hasUnsavedData() const override { return UnsavedItems; }
    void buildControls() override;
    void buildMenus() override;
    void formLoad() override;
    void closeEvent(QCloseEvent* event) override;

private:
    void buildNames();
    void buildLists();
    void placeDesign();

    void lstItems_Click();
    void lstItemsFiltered_Click();
    void selectItem(int index);
    void cmdFilter_Click();
    void cmdFilerType_Click();
    void cmdResetFilter_Click();
    void cmdAddItem_Click();
    void cmdDeleteItem_Click();
    void lstFlags_Click(int focusRow);
    void lstCap_Click(int focusRow);
    void lstFactions_Click();

    void scanSlice();
    void finishTypeFilter();
    void cancelTypeFilter();
    void stopTypeFilter();
    void showScanControls(bool shown);
    // Brings the filtered list back in line with m_filtered after an add or
    // a delete changed the item numbers.
    void showFilteredRows();
    void setFullListCaption();
    void enableCommands();

    void fillControls(const ItemRecord& record);
    ItemForm readForm() const;

    // The item shown completely by the last show (the template while adding).
    std::optional<ItemRecord> m_shown;
    // The items of the filtered list's rows, in row order.
    QList<int> m_filtered;
    // The type filter while it scans; it runs a slice at a time from m_scanTimer.
    std::optional<ItemTypeScan> m_scan;
    QTimer* m_scanTimer = nullptr;

    EditorView m_view{this};
    ListFilter m_filter;

    QWidget* frameMain = nullptr;
    QLabel* lblItemEditor = nullptr;
    QLabel* lblItems = nullptr;
    ListBox* lstItems = nullptr;
    ListBox* lstItemsFiltered = nullptr;
    QLabel* lblTextFilter = nullptr;
    InputBox* txtFilter = nullptr;
    QPushButton* cmdFilter = nullptr;
    QLabel* lblTypeFilter = nullptr;
    ComboBox* cmbTypeFilter = nullptr;
    QPushButton* cmdFilerType = nullptr;
    QPushButton* cmdResetFilter = nullptr;
    QLabel* lblScan = nullptr;
    QLabel* lblFiltering = nullptr;
    QGroupBox* frameAdd = nullptr;
    QPushButton* cmdAddItem = nullptr;
    QPushButton* cmdDeleteItem = nullptr;
    QGroupBox* frameEdit = nullptr;
    QPushButton* cmdUpdate = nullptr;
    QPushButton* cmdSave = nullptr;

    QGroupBox* frameItem = nullptr;
    QGroupBox* frameNames = nullptr;
    InputBox* txtItemID = nullptr;
    InputBox* txtItemName = nullptr;
    InputBox* txtItemNamePl = nullptr;
    // The mesh controls beside the name boxes, the value and damage boxes below.
    ItemMeshControls* m_meshes = nullptr;
    ItemValueControls m_values;

    ToggleList* lstFlags = nullptr;
    ToggleList* lstCap = nullptr;
    ToggleList* lstModifiers = nullptr;
    QLabel* lblFactions = nullptr;
    InputBox* txtAnzFac = nullptr;
    ToggleList* lstFactions = nullptr;
    InputBox* txtAnzTrigger = nullptr;
    QPlainTextEdit* txtTrigger = nullptr;

    QAction* mnu_edit_delete = nullptr;
    QAction* mnu_edit_add = nullptr;
    QAction* mnu_edit_copy = nullptr;
};
