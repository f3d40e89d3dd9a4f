#pragma once

#include "shell/EditorView.h"
#include "shell/EditorWindow.h"
#include "text_editors/world/FactionRecord.h"

#include <QStringList>

#include <optional>

class CheckBox;
class InputBox;
class ListBox;
class QFrame;
class QGroupBox;
class QLabel;
class QLineEdit;
class QPushButton;
class QScrollBar;

// The faction editor of factions.txt: lists the factions, shows one with its
// colour as three bars and its relations to every other faction, stores edits
// in the faction tables and saves the file. Faction 0 is never edited.
class frmTextFactions : public EditorWindow {
    Q_OBJECT
public:
    explicit frmTextFactions(QWidget* parent = nullptr);

    // Window fields; every opening starts from these values.
    int CurFaction = 0;
    bool UnsavedFactions = false;
    // The shown faction's relations, index = faction (0 is carried as stored).
    QStringList FactionRel;

    void FillFactionList();
    void SetListFontSize(int size) { m_view.setListFontSize(size); }
    // Shows faction CurFaction. A faction whose lines cannot be read whole is
    // shown as far as they were read and cannot be updated; it is shown as
    // unreadable when the load told its damage, else reported (EndRecordShow).
    void ShowFaction();
    // Stores what the window shows as faction CurFaction; a box that would
    // break the record refuses it.
    void UpdateFactions();

protected:
    bool hasUnsavedData() const override { return UnsavedFactions; }
    void buildControls() override;
    void buildMenus() override;
    void formLoad() override;

private:
    void placeDesign();

    void lstFactions_Click();
    void lstRelations_Click();
    void cmdUpdRel_Click();
    void cmdUpdate_Click();
    void ScrollBar_Change();
    void UpdateColor();

    // The faction as the last show read it; the update starts from it.
    std::optional<FactionRead> m_shown;

    EditorView m_view{this};

    QGroupBox* frameParties = nullptr;
    QLabel* lblFactionsEditor = nullptr;
    QLabel* lblFactions = nullptr;
    ListBox* lstFactions = nullptr;
    QGroupBox* frameEdit = nullptr;
    QPushButton* cmdUpdate = nullptr;
    QPushButton* cmdSave = nullptr;

    QGroupBox* frameFaction = nullptr;
    QGroupBox* frameNames = nullptr;
    InputBox* txtFacID = nullptr;
    InputBox* txtFacName = nullptr;
    QGroupBox* frameFlags = nullptr;
    CheckBox* chkLabel = nullptr;
    QGroupBox* frameColor = nullptr;
    QScrollBar* ScrollBarR = nullptr;
    QScrollBar* ScrollBarG = nullptr;
    QScrollBar* ScrollBarB = nullptr;
    QFrame* shapeColor = nullptr;
    QLabel* Label5 = nullptr;
    QLabel* lblHex = nullptr;
    QLineEdit* txtFacColor = nullptr;
    QGroupBox* frameRelations = nullptr;
    ListBox* lstRelations = nullptr;
    InputBox* txtRel = nullptr;
    QPushButton* cmdUpdRel = nullptr;
    QLabel* lblMsg = nullptr;
};
