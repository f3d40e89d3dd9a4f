#pragma once

#include "shell/EditorView.h"
#include "shell/EditorWindow.h"
#include "text_editors/world/PartyTemplateRecord.h"

#include <array>
#include <optional>

class CheckBox;
class ComboBox;
class InputBox;
class ListBox;
class QGroupBox;
class QLabel;
class QPushButton;
class ToggleList;
struct PartyFlagControls;

// The party-template editor of party_templates.txt: lists the templates, shows
// one with its flags, icon, loot, personality, faction and six member slots,
// stores edits in the template tables and saves the file.
class frmTextPartyTemp : public EditorWindow {
    Q_OBJECT
public:
    explicit frmTextPartyTemp(QWidget* parent = nullptr);

    // Window fields; every opening starts from these values.
    int CurrentTemplate = 0;
    bool UnsavedTemplates = false;

    void FillTemplateList();
    void FillTemplateTroopCombos();
    void FillFactionCombo();
    void SetListFontSize(int size) { m_view.setListFontSize(size); }
    // Shows template CurrentTemplate. A value a list has no row for shows no
    // row (and is stored back as it was), reported but for a faction, troop or
    // icon beyond its list (ShowOtherFileRow); a line that cannot be read whole
    // is shown as far as it was read and cannot be updated, shown as
    // unreadable when the load told its damage, else reported (EndRecordShow).
    void ShowPartyTemplate();
    // Stores what the window shows as template CurrentTemplate; a box that
    // would break the line refuses it.
    void UpdatePT();

protected:
    bool hasUnsavedData() const override { return UnsavedTemplates; }
    void buildControls() override;
    void buildMenus() override;
    void formLoad() override;

private:
    void placeDesign();
    void lstPT_Click();
    void capLoot(InputBox* box);
    PartyFlagControls flagControls() const;

    // The template as the last show read it; the update starts from it.
    std::optional<PartyTemplateRead> m_shown;

    EditorView m_view{this};

    QLabel* lblPartiyTemplatesEditor = nullptr;
    QLabel* lblPartyTemplates = nullptr;
    ListBox* lstPT = nullptr;
    QGroupBox* frameEdit = nullptr;
    QPushButton* cmdUpdatePT = nullptr;
    QPushButton* cmdSave = nullptr;

    QGroupBox* framePT = nullptr;
    InputBox* txtPTID = nullptr;
    InputBox* txtPTName = nullptr;
    QGroupBox* frameIcon = nullptr;
    ComboBox* cmbIcon = nullptr;
    QGroupBox* frameFlags = nullptr;
    ToggleList* lstFlags = nullptr;
    QGroupBox* frameLoot = nullptr;
    InputBox* txtGold = nullptr;
    InputBox* txtGoods = nullptr;
    QGroupBox* framePersonality = nullptr;
    CheckBox* chkPTBanditness = nullptr;
    ComboBox* cmbPTAgressiveness = nullptr;
    ComboBox* cmbPTCourage = nullptr;
    QGroupBox* frameFaction = nullptr;
    ComboBox* cmbPTFactions = nullptr;
    QGroupBox* frameMenu = nullptr;
    InputBox* txtPTMenu = nullptr;
    QGroupBox* frameMembers = nullptr;
    std::array<ComboBox*, TemplateSlotCount> cmbPTTroops{};
    std::array<InputBox*, TemplateSlotCount> txtPTMin{};
    std::array<InputBox*, TemplateSlotCount> txtPTMax{};
    std::array<CheckBox*, TemplateSlotCount> chkPTPrisoner{};
};
