#pragma once

#include "platform/gui/InputBox.h"
#include "shell/EditorView.h"
#include "shell/EditorWindow.h"
#include "text_editors/world/PartyRecord.h"

#include <array>
#include <optional>

class CheckBox;
class ComboBox;
class ListBox;
class QGroupBox;
class QLabel;
class QPushButton;
class QScrollBar;
class ToggleList;
struct PartyFlagControls;

// The party editor of parties.txt: lists the parties, shows one with its
// flags, map icon, personality, AI and members, stores edits in the party
// tables and saves the file. Parties are neither added nor removed.
class frmTextParties : public EditorWindow {
    Q_OBJECT
public:
    explicit frmTextParties(QWidget* parent = nullptr);

    // Window fields; every opening starts from these values.
    int CurParty = 0;
    bool UnsavedParties = false;

    void SetListFontSize(int size) { m_view.setListFontSize(size); }
    // Shows party CurParty. A stored index its list has no row for shows no
    // row and stays stored; it is reported at the end, unless it lies beyond
    // the list of another file (a faction, template, troop or icon of files
    // out of step, ShowOtherFileRow) or beyond every list (BeyondEveryRow). A
    // line that cannot be read whole is shown as far as read and cannot be
    // updated; it is shown as unreadable when the load told its damage, else
    // reported (EndRecordShow).
    void ShowParty();
    // Stores what the window shows as party CurParty; a box whose text would
    // shift the record's words refuses it with a message.
    void UpdateParty();

protected:
    bool hasUnsavedData() const override { return UnsavedParties; }
    void buildControls() override;
    void buildMenus() override;
    void formLoad() override;

private:
    void buildRecordFields();
    void buildMembers();
    void placeDesign();
    void lstParties_Click();
    void scrMember_Change();

    void fillControls(const PartyRecord& r, PendingFailure& failure);
    PartyRecord readControls(const PartyRecord& shown) const;
    PartyFlagControls flagControls() const;

    // The party as the last show read it, from the line stored then.
    std::optional<PartyRead> m_shown;

    EditorView m_view{this};

    QWidget* content = nullptr;
    QGroupBox* frameParties = nullptr;
    QLabel* lblPartiesEditor = nullptr;
    QLabel* lblParties = nullptr;
    ListBox* lstParties = nullptr;
    QGroupBox* frameEdit = nullptr;
    QPushButton* cmdUpdateParties = nullptr;
    QPushButton* cmdSave = nullptr;

    QGroupBox* frameParty = nullptr;
    QGroupBox* frameNames = nullptr;
    InputBox* txtPartiesID = nullptr;
    InputBox* txtPartiesName = nullptr;
    QGroupBox* frameFaction = nullptr;
    ComboBox* cmbFactions = nullptr;
    QGroupBox* frameTemplate = nullptr;
    ComboBox* cmbTemplates = nullptr;
    QGroupBox* frameMenu = nullptr;
    InputBox* txtMenu = nullptr;
    QGroupBox* framePosition = nullptr;
    InputBox* txtPosX = nullptr;
    InputBox* txtPosY = nullptr;
    QGroupBox* frameIcon = nullptr;
    ComboBox* cmbIcon = nullptr;
    QGroupBox* frameAI = nullptr;
    ComboBox* cmbAI = nullptr;
    ComboBox* cmbTarget = nullptr;
    QGroupBox* frameFlags = nullptr;
    ToggleList* lstFlags = nullptr;
    QGroupBox* framePersonality = nullptr;
    ComboBox* cmbPTCourage = nullptr;
    ComboBox* cmbPTAgressiveness = nullptr;
    CheckBox* chkPTBanditness = nullptr;
    QGroupBox* frameMembers = nullptr;
    QScrollBar* scrMember = nullptr;
    QLabel* lblMember = nullptr;
    QLabel* lblMsg = nullptr;
    std::array<ComboBox*, PartyShownMembers> cmbTroops{};
    std::array<QLabel*, PartyShownMembers> lblCount{};
    std::array<InputBox*, PartyShownMembers> txtPTMin{};
    std::array<CheckBox*, PartyShownMembers> chkPTPrisoner{};
};
