#pragma once

#include "module_system/PythonEntryLists.h"
#include "ms_editors/items/PythonItemEntry.h"
#include "ms_editors/items/PythonItemLists.h"
#include "ms_editors/items/PythonItemVocabulary.h"
#include "platform/gui/ListFilter.h"
#include "shell/EditorView.h"
#include "shell/EditorWindow.h"

#include <array>

class ComboBox;
class InputBox;
class ListBox;
class QAction;
class QFrame;
class QGroupBox;
class QLabel;
class QLineEdit;
class QPushButton;

// The item editor of module_items.py: lists the items, shows the selected
// entry field by field, writes it back, adds, deletes and rewrites items. The
// window only moves fields between the table and its controls; reading and
// writing entries is done by PythonItemEntry, listing and checking them by
// PythonItemLists.
class frmPythonItems : public EditorWindow {
    Q_OBJECT
public:
    explicit frmPythonItems(QWidget* parent = nullptr);

    // Table index of the shown item; -1 while none is shown.
    int CurItemLine = -1;
    // Where the item being added will be inserted.
    int InsertItemLine = 0;
    bool ItemAddMode = false;
    bool ItemFilterOn = false;
    // The list row chosen when an add or a delete began.
    int KeepListIndex = 0;
    // The item lines hold changes that are not written to the file yet.
    bool UnsavedItems = false;

    void SetScreenWidth(int width) { m_view.setScreenWidth(width); }
    void SetListFontSize(int size) { m_view.setListFontSize(size); }
    void SetItemAddMode(bool adding);

    void FillPythonItemList();
    void ShowPythonItem();
    // Stores the form as the shown item (or as the new one while adding);
    // returns false when it refused the form. A form that changes nothing of
    // the shown item stores nothing: its entry stays as read.
    bool UpdatePythonItem(bool showMessage);
    void AddPythonItem();
    void DeletePythonItem();
    void ScanPythonItems();

private:
    void buildItemFrame();
    void connectControls();
    void placeDesign();

    void lstItems_Click();
    void lstFlags_Click();
    void cmdFilter_Click();
    void cmdFilerType_Click();
    void cmdResetFilter_Click();
    void cmdDeleteItem_Click();
    void cmdShowPython_Click();
    void txtItemID_LostFocus();

    void clearItemFields();
    void showItemFields(const PythonItem& item, const PythonItemChoice& rows);
    void showNewListRows();
    PythonItem formItem() const;
    bool formAcceptable();
    void listNewItem();
    // Says why the chosen entry may not serve as a template (or be deleted);
    // returns whether it may.
    bool entryUsable(PythonItemRefusal check, bool asTemplate);
    void selectShownRowQuietly();
    void reportFlagsNotFound();

    EditorView m_view{this};
    ListFilter m_filter;

    PythonEntryRows m_rows;
    // The rows of the flag, capability and modifier lists.
    PythonItemNameLists m_lists;
    // The shown item as the form shows it, and whether it was read completely:
    // what no control shows is taken from it when the form is stored.
    PythonItem m_shownItem;
    bool m_itemReadable = false;
    // The stats of the shown item that the value boxes show, box by box.
    QList<int> m_statBoxes;
    // Where the item being added goes (1 at the end of the list, 2 behind the template).
    int m_addChoice = 0;

    QFrame* frameMain = nullptr;
    QLabel* lblItems = nullptr;
    ListBox* lstItems = nullptr;
    QLabel* Label43 = nullptr;
    InputBox* txtFilter = nullptr;
    QPushButton* cmdFilter = nullptr;
    QLabel* lblFilterType = nullptr;
    ComboBox* cmbTypeFilter = nullptr;
    QPushButton* cmdFilerType = nullptr;
    QPushButton* cmdResetFilter = nullptr;
    QLabel* lblItemEditor = nullptr;
    QLabel* lblFiltering = nullptr;
    QLabel* lblScan = nullptr;
    QGroupBox* frameAdd = nullptr;
    QPushButton* cmdAddItem = nullptr;
    QPushButton* cmdDeleteItem = nullptr;
    QGroupBox* framePython = nullptr;
    QPushButton* cmdShowPython = nullptr;
    QGroupBox* frameEdit = nullptr;
    QPushButton* cmdUpdate = nullptr;
    QPushButton* cmdSave = nullptr;
    QGroupBox* frameItem = nullptr;
    InputBox* txtItemID = nullptr;
    InputBox* txtItemName = nullptr;
    InputBox* txtMeshes = nullptr;
    InputBox* txtCost = nullptr;
    ListBox* lstFlags = nullptr;
    ListBox* lstCap = nullptr;
    ListBox* lstModifiers = nullptr;
    std::array<QLabel*, PythonItemStatBoxCount> lblStat{};
    std::array<InputBox*, PythonItemStatBoxCount> txtStat{};
    InputBox* txtTrigger = nullptr;
    InputBox* txtFaction = nullptr;

    QAction* mnu_edit_delete = nullptr;
    QAction* mnu_edit_add = nullptr;
    QAction* mnu_edit_hardtest = nullptr;

protected:
    bool hasUnsavedData() const override { return UnsavedItems; }
    void buildControls() override;
    void buildMenus() override;
    void formLoad() override;
};
