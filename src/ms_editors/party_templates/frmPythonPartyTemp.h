#pragma once

#include "module_system/PythonEntryLists.h"
#include "ms_editors/party_templates/PythonPTEntry.h"
#include "shell/EditorView.h"
#include "shell/EditorWindow.h"

#include <array>

class CheckBox;
class ComboBox;
class InputBox;
class ListBox;
class QAction;
class QGroupBox;
class QLabel;
class QLineEdit;
class QPushButton;

// The party-template editor of module_party_templates.py: lists the templates,
// shows the selected entry field by field, writes it back, adds, deletes and
// rewrites templates. The window only moves fields between the table and its
// controls; reading and writing entries is done by PythonPTEntry.
class frmPythonPartyTemp : public EditorWindow {
    Q_OBJECT
public:
    explicit frmPythonPartyTemp(QWidget* parent = nullptr);

    // Table index of the shown template; -1 while none is shown.
    int CurPTLine = -1;
    // Where the template being added goes; -1 while there is none to add.
    int InsertPTLine = -1;
    int KeepListIndex = 0;
    bool PTAddMode = false;
    // The party-template lines hold changes that are not written to the file yet.
    bool UnsavedPT = false;

    void SetListFontSize(int size) { m_view.setListFontSize(size); }
    void SetPTAddMode(bool adding);

    void FillPTTroopCombos();
    void FillPTList();
    void ShowPythonPT();
    // Stores the form as the shown template (or as the new one in add mode);
    // returns false when it refused the form. A form that changes nothing of
    // the shown template stores nothing: its entry stays as read.
    bool UpdatePythonPT(bool showMessage);
    void AddPythonPT();
    void DeletePythonPT();
    void ScanPythonPT();

private:
    void buildMemberRows();
    void placeDesign();
    void wireControls();

    void lstPT_Click();
    void cmdDelete_Click();
    void cmdShowPython_Click();

    void clearPTFields();
    void showPTFields(const PythonPT& pt);
    // A name or member list that Python computes is shown as written, read-only.
    void showComputedFields(const PythonPT& pt);
    PythonPT formPT() const;
    bool formAcceptable();
    // Refuses the first member number that holds more than digits, or an
    // empty maximum of a member, with its box focused.
    bool memberNumbersAcceptable(const PythonPT& pt);

    EditorView m_view{this};
    PythonEntryRows m_ptRows;
    QStringList m_flagVocabulary;
    QStringList m_iconVocabulary;
    QStringList m_persVocabulary;
    // The shown template as read (a new one's model in add mode): what the
    // form does not show is written back from it. Whether it read completely.
    PythonPT m_shownPT;
    bool m_ptReadable = false;

    QGroupBox* frameParties = nullptr;
    QLabel* lblPartyTemplates = nullptr;
    ListBox* lstPT = nullptr;
    QLabel* lblPartiyTemplatesEditor = nullptr;
    QGroupBox* frameAdd = nullptr;
    QPushButton* cmdAdd = nullptr;
    QPushButton* cmdDelete = nullptr;
    QGroupBox* framePython = nullptr;
    QPushButton* cmdShowPython = nullptr;
    QGroupBox* frameEdit = nullptr;
    QPushButton* cmdUpdate = nullptr;
    QPushButton* cmdSave = nullptr;
    QGroupBox* framePT = nullptr;
    QGroupBox* Frame12 = nullptr;
    InputBox* txtPTID = nullptr;
    InputBox* txtPTName = nullptr;
    QLabel* lblMenu = nullptr;
    InputBox* txtMenu = nullptr;
    QGroupBox* Frame13 = nullptr;
    InputBox* txtFaction = nullptr;
    QGroupBox* Frame1 = nullptr;
    ComboBox* cmbFlags = nullptr;
    ComboBox* cmbIcon = nullptr;
    QLineEdit* txtFlag = nullptr;
    QPushButton* cmdFlagAdd = nullptr;
    QPushButton* cmdFlagChange = nullptr;
    QPushButton* cmdFlagDel = nullptr;
    ListBox* lstFlags = nullptr;
    QGroupBox* Frame4 = nullptr;
    ComboBox* cmbPers = nullptr;
    QLineEdit* txtPers = nullptr;
    QPushButton* cmdPersAdd = nullptr;
    QPushButton* cmdPersChange = nullptr;
    QPushButton* cmdPersDel = nullptr;
    ListBox* lstPers = nullptr;
    QGroupBox* Frame5 = nullptr;
    std::array<ComboBox*, PythonPTMemberRows> cmbPTTroops{};
    std::array<InputBox*, PythonPTMemberRows> txtPTMin{};
    std::array<InputBox*, PythonPTMemberRows> txtPTMax{};
    std::array<CheckBox*, PythonPTMemberRows> chkPTPrisoner{};

    QAction* mnu_edit_add = nullptr;
    QAction* mnu_edit_del = nullptr;
    QAction* mnu_edit_scan = nullptr;

protected:
    bool hasUnsavedData() const override { return UnsavedPT; }
    void buildControls() override;
    void buildMenus() override;
    void formLoad() override;
};
