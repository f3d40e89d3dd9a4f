#pragma once

#include "platform/gui/InputBox.h"
#include "platform/gui/ListFilter.h"
#include "shell/EditorView.h"
#include "shell/EditorWindow.h"
#include "shell/frmInventoryControls.h"
#include "text_editors/troops/TroopRecord.h"

#include <array>
#include <optional>

class CheckBox;
class ComboBox;
class ListBox;
class OptionButton;
class QAction;
class QFrame;
class QGroupBox;
class QLabel;
class QListWidgetItem;
class QPushButton;

// The troop editor of troops.txt: lists the troops, shows one field by field,
// stores edits in the troop tables and saves the file.
class frmTextTroops : public EditorWindow {
    Q_OBJECT
public:
    explicit frmTextTroops(QWidget* parent = nullptr);

    // Window fields; every opening starts from these values.
    int CurTroop = 9999;
    int InvItemCount = 0;
    bool TroopAddMode = false;
    bool UnsavedTroops = false;
    int TroopSkin = 0;

    void FillTroopList();
    void FillUpgradeCombos();
    // Brings the combos' row of `troop` in line with the tables after an
    // update or add, leaving the other rows alone.
    void RefreshUpgradeRow(int troop);
    void FillFactionCombo();
    void FillAvailableItems();
    void SetTroopAddMode(bool addMode);
    void SetScreenWidth(int width) { m_view.setScreenWidth(width); }
    void SetListFontSize(int size) { m_view.setListFontSize(size); }
    // Shows troop CurTroop and stores nothing. A record that cannot be shown
    // completely fills no control, is reported, and leaves the update button
    // disabled.
    void ShowTroop();
    // Stores what the window shows as troop CurTroop (or, in add mode, as a new
    // troop after the last); a box that would break the record refuses it.
    void UpdateTroop(bool showMessage);
    void AddTroop();
    void DeleteTroop();

protected:
    bool hasUnsavedData() const override { return UnsavedTroops; }
    void buildControls() override;
    void buildMenus() override;
    void formLoad() override;

private:
    void buildRecord();
    void buildAbilities();
    void buildItems();
    void connectControls();
    void placeDesign();
    void placeItems();

    void lstTroops_Click();
    void lstTroopsFiltered_Click();
    void selectTroop(int index);
    void cmdFilterTroops_Click();
    void optGender_Click(int index);
    void txtTroopID_LostFocus();
    void cmdAddTroop_Click();
    void cmdDeleteTroop_Click();
    void mnu_edit_copy_Click();

    void cmdFilterItems_Click();
    void cmdAddItem_Click();
    void cmdAddItemNr_Click();
    void cmdItemUp_Click();
    void cmdItemDown_Click();
    void mnu_edit_inv_clear_Click();

    void fillControls(const TroopRecord& record);
    std::optional<TroopRecord> readControls(const TroopRecord& base) const;
    std::array<InputBox*, 3> nameBoxes() const {
        return {txtTroopID, txtTroopName, txtTroopNamePl};
    }
    // The lists of TroopChoices::rows, in its order.
    std::array<ComboBox*, 3> choiceLists() const { return {cmbFactions, cmbUp1, cmbUp2}; }
    // The record's text boxes: filled by a show, read by an update.
    void showBoxTexts(const TroopBoxTexts& texts);
    TroopBoxTexts boxTexts() const;
    // An inventory row carries its slot's words beside its text.
    static void setSlotWords(QListWidgetItem* row, const QString& item, const QString& modifier);
    void addInventoryRowFrom(const QString& row);
    void enableUpdate(bool enabled);

    // The troop shown completely by the last show, and its lines as stored.
    std::optional<TroopRecord> m_shown;
    TroopLines m_shownLines;

    // The View menu with its settings, and the filters of the troop and item lists.
    EditorView m_view{this};
    ListFilter m_troopFilter;
    ListFilter m_itemFilter;

    QWidget* frameTroops = nullptr;
    QLabel* lblTroopEditor = nullptr;
    QGroupBox* frameTroopList = nullptr;
    QLabel* lblTroops = nullptr;
    ListBox* lstTroops = nullptr;
    ListBox* lstTroopsFiltered = nullptr;
    QLabel* Label43 = nullptr;
    InputBox* txtFilterTroops = nullptr;
    QPushButton* cmdFilterTroops = nullptr;
    QGroupBox* frameAdd = nullptr;
    QPushButton* cmdAddTroop = nullptr;
    QPushButton* cmdDeleteTroop = nullptr;
    QGroupBox* frameEdit = nullptr;
    QPushButton* cmdUpdateTroop = nullptr;
    QPushButton* cmdSave = nullptr;
    QGroupBox* frameMain = nullptr;

    QGroupBox* frameNames = nullptr;
    InputBox* txtTroopID = nullptr;
    InputBox* txtTroopName = nullptr;
    InputBox* txtTroopNamePl = nullptr;
    QGroupBox* frameFaction = nullptr;
    ComboBox* cmbFactions = nullptr;
    QGroupBox* frameUpgrade = nullptr;
    ComboBox* cmbUp1 = nullptr;
    ComboBox* cmbUp2 = nullptr;
    QGroupBox* frameFlags = nullptr;
    std::array<OptionButton*, 3> optGender{};
    ComboBox* CmbRace = nullptr;
    std::array<CheckBox*, TroopFlagBoxCount> chkFlags{};
    QGroupBox* frameStats = nullptr;
    std::array<InputBox*, 5> txtAttributes{};
    QGroupBox* frameSkills = nullptr;
    std::array<InputBox*, TroopSkillBoxCount> txtSkills{};
    QGroupBox* frameProf = nullptr;
    std::array<InputBox*, 7> txtProficiencies{};
    QGroupBox* frameFaceCode = nullptr;
    InputBox* txtFace1 = nullptr;
    InputBox* txtFace2 = nullptr;
    QPushButton* cmdFaceCode = nullptr;

    QGroupBox* frameItems = nullptr;
    // lstItems and the commands that move, delete and add its rows.
    InventoryControls m_inventory;
    QLabel* Label15 = nullptr;
    ListBox* lstAvailableItems = nullptr;
    ListBox* lstFilteredItems = nullptr;
    QLabel* lblFilterItems = nullptr;
    InputBox* txtItemFilter = nullptr;
    QPushButton* cmdFilterItems = nullptr;

    QAction* mnu_edit_troopadd = nullptr;
    QAction* mnu_edit_troopdelete = nullptr;
    QAction* mnu_edit_inv_clear = nullptr;
    QAction* mnu_edit_copy = nullptr;
};
