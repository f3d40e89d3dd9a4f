#pragma once

#include <QDialog>

#include <array>
#include <functional>

class CheckBox;
class ListBox;
class QPushButton;

// The batch copy of the troop editor: chosen parts of one source troop go into
// every selected target troop, in the troop tables only.
class frmTextTroopsCopy : public QDialog {
    Q_OBJECT
public:
    // `copied` runs after every copy (the editor marks its data unsaved).
    explicit frmTextTroopsCopy(std::function<void()> copied, QWidget* parent = nullptr);

    int SourceTroop = 0;
    bool SourceChosen = false;
    bool TargetChosen = false;

    void FillCopyLists();

private:
    void lstSource_Click();
    void lstTarget_Click();
    void cmdCopy_Click();

    std::function<void()> m_copied;
    ListBox* lstSource = nullptr;
    ListBox* lstTarget = nullptr;
    QPushButton* cmdCopy = nullptr;
    QPushButton* cmdAbort = nullptr;
    CheckBox* chkFaction = nullptr;
    CheckBox* chkStats = nullptr;
    CheckBox* chkProf = nullptr;
    CheckBox* chkSkills = nullptr;
    CheckBox* chkItems = nullptr;
    CheckBox* chkFlags = nullptr;
    CheckBox* chkFaces = nullptr;
};
