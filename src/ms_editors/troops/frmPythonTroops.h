#pragma once

#include "module_system/PythonEntryLists.h"
#include "ms_editors/troops/PythonTroopEntry.h"
#include "platform/gui/ListFilter.h"
#include "shell/EditorView.h"
#include "shell/EditorWindow.h"
#include "shell/frmInventoryControls.h"

class ComboBox;
class InputBox;
class ListBox;
class QAction;
class QFrame;
class QGroupBox;
class QLabel;
class QLineEdit;
class QPushButton;

// The troop editor of module_troops.py: lists the troops, shows the selected
// entry field by field, writes it back with its upgrade line, adds, deletes and
// rewrites troops. The window only moves fields between the table and its
// controls: reading and writing entries is done by PythonTroopEntry, changing
// the table by PythonTroopTable, and checking the form and telling what was
// refused by PythonTroopForm.
class frmPythonTroops : public EditorWindow {
    Q_OBJECT
public:
    explicit frmPythonTroops(QWidget* parent = nullptr);

    // Table index of the shown troop; -1 while none is shown.
    int CurTroopLine = -1;
    int InsertTroopLine = 0;
    int TemplateTroopRow = 0;
    bool TroopFilterActive = false;
    bool TroopAddMode = false;
    int InvItemCount = 0;
    // The troop lines hold changes that are not written to the file yet.
    bool UnsavedTroops = false;

    void SetScreenWidth(int width) { m_view.setScreenWidth(width); }
    void SetListFontSize(int size) { m_view.setListFontSize(size); }
    void EnableTroopButtons(bool addMode);

    void FillPythonTroopList();
    void FillUpgradeCombos();
    void FillAvailableItems();
    void ShowPythonTroop();
    // Stores the form as the shown troop (or as the new one in add mode);
    // returns false when it refused the form. A form that changes nothing of
    // the shown troop stores nothing: its entry stays as read, and so does
    // its upgrade line while the paths are unchanged.
    bool UpdatePythonTroop(bool showMessage);
    void AddPythonTroop();
    void DeletePythonTroop();
    void ScanPythonTroops();

private:
    void buildFields();
    void buildItems();
    void buildTerms();
    void buildFaces();
    void connectControls();
    void placeDesign();
    void placeFields();
    void placeItems();

    void lstTroops_Click();
    void cmdFilterTroops_Click();
    void cmdFilterItems_Click();
    void cmdDeleteTroop_Click();
    void cmdShowPython_Click();
    void cmdAddItem_Click();
    void cmdAddItemNr_Click();
    void cmbProfi_Click();
    void txtTroopID_LostFocus();
    void txtTroopImage_LostFocus();

    void clearTroopFields();
    void showTroopFields(const PythonTroop& troop, const QList<int>& flagRows);
    PythonTroop formTroop() const;
    // The upgrade paths as the form holds them, under the id it holds.
    PythonUpgrade formPaths() const;
    bool formTextsAcceptable();
    // Adds the item of row `row` of the available items to the inventory.
    void addInventoryItem(int row);
    // Names and inventory that Python computes are shown read-only.
    void showComputedFields(const PythonTroop& troop);
    void showItemCount();
    void selectShownRowQuietly();
    void listNewTroop();

    // The View menu with its settings, and the filters of the troop and item lists.
    EditorView m_view{this};
    ListFilter m_troopFilter;
    ListFilter m_itemFilter;

    PythonEntryRows m_troopRows;
    PythonEntryRows m_itemRows;
    QStringList m_flagRows;
    // The shown troop and its upgrade paths as read, and whether the troop was
    // read completely.
    PythonTroop m_shownTroop;
    PythonUpgrade m_shownPaths;
    bool m_troopReadable = false;

    QFrame* frameTroops = nullptr;
    QGroupBox* frameTroopList = nullptr;
    QLabel* lblTroops = nullptr;
    ListBox* lstTroops = nullptr;
    QLabel* Label43 = nullptr;
    InputBox* txtFilterTroops = nullptr;
    QPushButton* cmdFilterTroops = nullptr;
    QLabel* lblTroopEditor = nullptr;
    QGroupBox* frameAdd = nullptr;
    QPushButton* cmdAddTroop = nullptr;
    QPushButton* cmdDeleteTroop = nullptr;
    QGroupBox* framePython = nullptr;
    QPushButton* cmdShowPython = nullptr;
    QGroupBox* frameEdit = nullptr;
    QPushButton* cmdUpdate = nullptr;
    QPushButton* cmdSave = nullptr;
    QGroupBox* frameTroop = nullptr;
    QGroupBox* frameNames = nullptr;
    InputBox* txtTroopID = nullptr;
    InputBox* txtTroopName = nullptr;
    InputBox* txtTroopNamePl = nullptr;
    QGroupBox* FrameFlags = nullptr;
    ListBox* lstFlags = nullptr;
    QGroupBox* frameScene = nullptr;
    InputBox* txtScene = nullptr;
    InputBox* txtReserved = nullptr;
    QGroupBox* frameFactions = nullptr;
    InputBox* txtFaction = nullptr;
    QGroupBox* frameItems = nullptr;
    // lstItems and the commands that move, delete and add its rows.
    InventoryControls m_inventory;
    ListBox* lstAvailableItems = nullptr;
    QLabel* lblItems = nullptr;
    QLabel* Label17 = nullptr;
    InputBox* txtItemFilter = nullptr;
    QPushButton* cmdFilterItems = nullptr;
    QGroupBox* frameStats = nullptr;
    ComboBox* cmbAttrib = nullptr;
    QLineEdit* txtAttrib = nullptr;
    ListBox* lstAttrib = nullptr;
    QPushButton* cmdAttribAdd = nullptr;
    QPushButton* cmdAttribChange = nullptr;
    QPushButton* cmdAttribDel = nullptr;
    QPushButton* cmdHelpAttrib = nullptr;
    QGroupBox* frameProfiencies = nullptr;
    ComboBox* cmbProfi = nullptr;
    QLineEdit* txtProfi = nullptr;
    QPushButton* cmdHelpProfi = nullptr;
    QGroupBox* FrameSkills = nullptr;
    ComboBox* cmbSkills = nullptr;
    QLineEdit* txtSkills = nullptr;
    ListBox* lstSkills = nullptr;
    QPushButton* cmdSkillsAdd = nullptr;
    QPushButton* cmdSkillsChange = nullptr;
    QPushButton* cmdSkillsDel = nullptr;
    QPushButton* cmdHelpSkills = nullptr;
    QGroupBox* frameFaceCode = nullptr;
    InputBox* txtFace1 = nullptr;
    InputBox* txtFace2 = nullptr;
    InputBox* txtTroopImage = nullptr;
    QPushButton* cmdFaceCode = nullptr;
    QGroupBox* framePgrade = nullptr;
    ComboBox* cmbUpgrade1 = nullptr;
    ComboBox* cmbUpgrade2 = nullptr;

    QAction* mnu_edit_add = nullptr;
    QAction* mnu_edit_del = nullptr;
    QAction* mnu_edit_scan = nullptr;

protected:
    bool hasUnsavedData() const override { return UnsavedTroops; }
    void buildControls() override;
    void buildMenus() override;
    void formLoad() override;
};
