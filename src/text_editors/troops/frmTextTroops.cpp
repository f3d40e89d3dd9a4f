#include "text_editors/troops/frmTextTroops.h"

#include "platform/Convert.h"
#include "platform/MessageBox.h"
#include "platform/TextFile.h"
#include "platform/gui/Controls.h"
#include "platform/gui/Layout.h"
#include "platform/gui/Modal.h"
#include "shell/EditorFactories.h"
#include "shell/EditorMessages.h"
#include "shell/modMain.h"
#include "text_editors/RecordRows.h"
#include "text_editors/troops/TroopTables.h"
#include "text_editors/troops/frmTextTroopsCopy.h"
#include "textfiles/modTextFactions.h"
#include "textfiles/modTextItems.h"
#include "textfiles/modTextTroops.h"

#include <QGroupBox>
#include <QLabel>
#include <QMenu>
#include <QPushButton>

#include <algorithm>

namespace {

// A list asked for a row it does not have is reported as an invalid property
// value.
constexpr int InvalidPropertyValue = 380;
constexpr int NoTroop = 9999;
// Height of the window's content below the menu bar, in twips: with the menu
// bar and a window manager's frame the window fits a screen 768 pixels high
// that a panel shares.
constexpr int FormHeight = 10320;
// The troop lists, shorter than their design height of 8835 twips so that the
// window fits that screen.
constexpr int TroopListHeight = 8540;

// Inventory rows carry the slot's words beside the row text, so a row of an
// item the item list does not know, and every modifier word, go back unchanged.
constexpr int ItemWordRole = Qt::UserRole;
constexpr int ModifierRole = Qt::UserRole + 1;

const QString LineBreak = QStringLiteral("\r\n");
const QString Paragraph = QStringLiteral("\r\n\r\n");

// "Leadership:" or "(Firearms:)" as a message names the box.
QString BoxName(const char* caption) {
    QString name = QLatin1String(caption);
    name.remove(u':').remove(u'(').remove(u')');
    return name;
}

} // namespace

frmTextTroops::frmTextTroops(QWidget* parent) : EditorWindow(parent) {
    build("frmTextTroops");
}

void frmTextTroops::buildControls() {
    frameTroops = Named(new QWidget(this), "frameTroops");
    setCentralWidget(frameTroops);
    using Keys = InputBox::Keys;

    lblTroopEditor = AddHeading(frameTroops, "lblTroopEditor", 120, 60, 6840, 660);

    frameAdd = AddAddDeleteFrame(frameTroops, QStringLiteral("Add/Delete Troop"), "cmdAddTroop",
                                 cmdAddTroop, "cmdDeleteTroop", cmdDeleteTroop);
    frameEdit = AddUpdateSaveFrame(frameTroops, "cmdUpdateTroop", QStringLiteral("Update Troop "),
                                   cmdUpdateTroop, cmdSave);

    frameTroopList = AddFrame(frameTroops, "frameTroopList", QString());
    lblTroops = AddLabel(frameTroopList, "lblTroops", QString(), 120, 240, 3600);
    lstTroops = Named(new ListBox(frameTroopList), "lstTroops");
    lstTroopsFiltered = Named(new ListBox(frameTroopList), "lstTroopsFiltered");
    lstTroopsFiltered->hide();
    Label43 = AddLabel(frameTroopList, "Label43", QStringLiteral("Filter troops:"), 60, 9135, 1110);
    txtFilterTroops = AddInputBox(frameTroopList, "txtFilterTroops");
    cmdFilterTroops = AddButton(frameTroopList, "cmdFilterTroops", QStringLiteral("Go"));

    frameMain = AddFrame(frameTroops, "frameMain", QStringLiteral("Troop"));

    frameNames = AddFrame(frameMain, "frameNames", QStringLiteral("Name"));
    const char* nameLabels[] = {"Troop ID:", "Single:", "Plural:"};
    const char* nameBoxes[] = {"txtTroopID", "txtTroopName", "txtTroopNamePl"};
    std::array<InputBox*, 3> names{};
    for (int i = 0; i < 3; ++i) {
        AddLabel(frameNames, "", QLatin1String(nameLabels[i]), 120, 300 + 420 * i, 900);
        names[i] = AddInputBox(frameNames, nameBoxes[i], Keys::BlankToUnderscore);
        Place(names[i], 1050, 270 + 420 * i, 2430, 315);
    }
    txtTroopID = names[0];
    txtTroopName = names[1];
    txtTroopNamePl = names[2];

    frameFaction = AddFrame(frameMain, "frameFaction", QStringLiteral("Faction"));
    cmbFactions = Named(new ComboBox(frameFaction), "cmbFactions");
    Place(cmbFactions, 120, 240, 3240, 315);

    frameUpgrade = AddFrame(frameMain, "frameUpgrade", QStringLiteral("Upgrade path"));
    AddLabel(frameUpgrade, "", QStringLiteral("Path 1:"), 120, 280, 700);
    cmbUp1 = Named(new ComboBox(frameUpgrade), "cmbUp1");
    Place(cmbUp1, 840, 250, 2520, 315);
    AddLabel(frameUpgrade, "", QStringLiteral("Path 2:"), 120, 640, 700);
    cmbUp2 = Named(new ComboBox(frameUpgrade), "cmbUp2");
    Place(cmbUp2, 840, 610, 2520, 315);

    frameFlags = AddFrame(frameMain, "frameFlags", QStringLiteral("Flags"));
    const char* genders[] = {" Male", "Female", "Other"};
    for (int i = 0; i < 3; ++i) {
        optGender[i] = Named(new OptionButton(QLatin1String(genders[i]), frameFlags), "optGender");
        Place(optGender[i], 120 + 930 * i, 260, 930, 255);
    }
    CmbRace = Named(new ComboBox(frameFlags), "CmbRace");
    Place(CmbRace, 2940, 230, 1500, 315);
    for (std::size_t i = 0; i < chkFlags.size(); ++i) {
        const TroopFlagBox& box = TroopFlagBoxes[i];
        chkFlags[i] = Named(new CheckBox(QLatin1String(box.caption), frameFlags), box.control);
        const int column = static_cast<int>(i) / 5;
        const int row = static_cast<int>(i) % 5;
        Place(chkFlags[i], 120 + 1470 * column, 640 + 270 * row, 1440, 255);
    }

    frameStats = AddFrame(frameMain, "frameStats", QStringLiteral("Stats"));
    for (std::size_t i = 0; i < txtAttributes.size(); ++i) {
        const int top = 300 + 330 * static_cast<int>(i);
        AddLabel(frameStats, "", QLatin1String(TroopAttributeBoxes[i].caption), 120, top, 900);
        txtAttributes[i] = AddInputBox(frameStats, TroopAttributeBoxes[i].control, Keys::Digits);
        Place(txtAttributes[i], 1080, top - 30, 1200, 300);
    }

    frameSkills = AddFrame(frameMain, "frameSkills", QStringLiteral("Skills"));
    for (std::size_t i = 0; i < txtSkills.size(); ++i) {
        const int left = 120 + 2340 * (static_cast<int>(i) / 8);
        const int top = 240 + 270 * (static_cast<int>(i) % 8);
        AddLabel(frameSkills, "", QLatin1String(TroopSkillBoxes[i].caption), left, top + 15, 1650);
        txtSkills[i] = AddInputBox(frameSkills, TroopSkillBoxes[i].control, Keys::Digits, 2);
        Place(txtSkills[i], left + 1680, top, 480, 270);
    }

    frameProf = AddFrame(frameMain, "frameProf", QStringLiteral("Proficiencies"));
    for (std::size_t i = 0; i < txtProficiencies.size(); ++i) {
        const int left = 120 + 1770 * (static_cast<int>(i) % 4);
        const int top = 270 + 360 * (static_cast<int>(i) / 4);
        AddLabel(frameProf, "", QLatin1String(TroopProficiencyBoxes[i].caption), left, top + 15,
                 1170);
        txtProficiencies[i] =
            AddInputBox(frameProf, TroopProficiencyBoxes[i].control, Keys::Digits, 3);
        Place(txtProficiencies[i], left + 1170, top, 540, 300);
    }

    frameFaceCode = AddFrame(frameMain, "frameFaceCode", QStringLiteral("Face codes"));
    AddLabel(frameFaceCode, "", QStringLiteral("Face code 1:"), 120, 300, 1110);
    AddLabel(frameFaceCode, "", QStringLiteral("Face code 2:"), 120, 720, 1110);
    txtFace1 = AddInputBox(frameFaceCode, "txtFace1");
    txtFace2 = AddInputBox(frameFaceCode, "txtFace2");
    txtFace1->setFont(FixedPitchFont());
    txtFace2->setFont(FixedPitchFont());
    cmdFaceCode = AddWrappingButton(frameFaceCode, "cmdFaceCode",
                                    QStringLiteral("How can I get this code from the game?"));

    frameItems = AddFrame(frameMain, "frameItems", QStringLiteral("Items"));
    lstItems = Named(new ListBox(frameItems), "lstItems");
    cmdItemUp = AddButton(frameItems, "cmdItemUp", QStringLiteral("Up"));
    cmdItemDown = AddButton(frameItems, "cmdItemDown", QStringLiteral("Down"));
    cmdRemoveItem =
        AddButton(frameItems, "cmdRemoveItem", QStringLiteral("Delete Item from inventory"));
    Label15 = AddLabel(frameItems, "Label15", QStringLiteral("Available Items:"), 135, 3075, 2000);
    lstAvailableItems = Named(new ListBox(frameItems), "lstAvailableItems");
    lstFilteredItems = Named(new ListBox(frameItems), "lstFilteredItems");
    lstFilteredItems->hide();
    lblFilterItems =
        AddLabel(frameItems, "lblFilterItems", QStringLiteral("Filter items:"), 135, 6195, 900);
    txtItemFilter = AddInputBox(frameItems, "txtItemFilter");
    cmdFilterItems = AddButton(frameItems, "cmdFilterItems", QStringLiteral("Go"));
    cmdAddItem =
        AddButton(frameItems, "cmdAddItem", QStringLiteral("Add selected item to inventory"));
    lblAddItem =
        AddLabel(frameItems, "lblAddItem", QStringLiteral("Add item via number:"), 120, 6930, 3300);
    txtItemNr = AddInputBox(frameItems, "txtItemNr", Keys::Digits, 4);
    cmdAddItemNr = AddButton(frameItems, "cmdAddItemNr", QStringLiteral("Add item"));

    for (InputBox* box : txtAttributes)
        box->setText(QStringLiteral("0"));
    for (InputBox* box : txtSkills)
        box->setText(QStringLiteral("0"));
    for (InputBox* box : txtProficiencies)
        box->setText(QStringLiteral("0"));
    txtItemNr->setText(QStringLiteral("0"));
    m_troopFilter = ListFilter(txtFilterTroops, lstTroops, lstTroopsFiltered);
    m_itemFilter = ListFilter(txtItemFilter, lstAvailableItems, lstFilteredItems);

    connect(lstTroops, &ListBox::click, this, &frmTextTroops::lstTroops_Click);
    connect(lstTroopsFiltered, &ListBox::click, this, &frmTextTroops::lstTroopsFiltered_Click);
    connect(cmdFilterTroops, &QPushButton::clicked, this, &frmTextTroops::cmdFilterTroops_Click);
    txtFilterTroops->onEnter = [this] { cmdFilterTroops_Click(); };
    connect(cmdUpdateTroop, &QPushButton::clicked, this, [this] { UpdateTroop(true); });
    connect(cmdSave, &QPushButton::clicked, this,
            [this] { saveFile(SaveTextTroops, UnsavedTroops); });
    connect(cmdFaceCode, &QPushButton::clicked, this, [] { ShowFaceCodeHelp(); });
    for (int i = 0; i < 3; ++i)
        connect(optGender[i], &OptionButton::click, this, [this, i] { optGender_Click(i); });
    txtTroopID->onLostFocus = [this] { txtTroopID_LostFocus(); };
    connect(cmdAddTroop, &QPushButton::clicked, this, &frmTextTroops::cmdAddTroop_Click);
    connect(cmdDeleteTroop, &QPushButton::clicked, this, &frmTextTroops::cmdDeleteTroop_Click);
    connect(cmdFilterItems, &QPushButton::clicked, this, &frmTextTroops::cmdFilterItems_Click);
    txtItemFilter->onEnter = [this] { cmdFilterItems_Click(); };
    connect(cmdAddItem, &QPushButton::clicked, this, &frmTextTroops::cmdAddItem_Click);
    connect(cmdAddItemNr, &QPushButton::clicked, this, &frmTextTroops::cmdAddItemNr_Click);
    connect(cmdItemUp, &QPushButton::clicked, this, &frmTextTroops::cmdItemUp_Click);
    connect(cmdItemDown, &QPushButton::clicked, this, &frmTextTroops::cmdItemDown_Click);
    connect(cmdRemoveItem, &QPushButton::clicked, this, &frmTextTroops::cmdRemoveItem_Click);
    placeDesign();
}

void frmTextTroops::buildMenus() {
    addFileMenu(QStringLiteral("mnu_file_back"), QStringLiteral("mnu_file_blank2"));
    QMenu* edit = addMenu("mnu_edit", QStringLiteral("&Edit"));
    mnu_edit_troopadd = addMenuEntry(edit, "mnu_edit_troopadd", QStringLiteral("&Add new troop"),
                                     [this] { cmdAddTroop_Click(); });
    mnu_edit_troopdelete =
        addMenuEntry(edit, "mnu_edit_troopdelete", QStringLiteral("&Delete last troop in list"),
                     [this] { cmdDeleteTroop_Click(); });
    Named(edit->addSeparator(), "mnu_edit_blank1");
    mnu_edit_inv_clear =
        addMenuEntry(edit, "mnu_edit_inv_clear", QStringLiteral("Clear &inventory"),
                     [this] { mnu_edit_inv_clear_Click(); });
    Named(edit->addSeparator(), "mnu_edit_blank2");
    mnu_edit_copy = addMenuEntry(edit, "mnu_edit_copy", QStringLiteral("&Copy functions..."),
                                 [this] { mnu_edit_copy_Click(); });
    m_view.addMenu(true);
    addEditorSwitchMenu("mnu_select", QStringLiteral("&Select editor"), TextEditorSwitch(),
                        ShowTextTroops);
    addHelpMenu();
}

// Positions that do not depend on the screen width, then the width rules by
// which SetScreenWidth sets the others.
void frmTextTroops::placeDesign() {
    Place(frameAdd, 7050, 0, 2200, 720);
    Place(cmdAddTroop, 120, 270, 930, 375);
    Place(cmdDeleteTroop, 1140, 270, 930, 375);
    Place(frameEdit, 9345, 0, 5865, 720);
    Place(cmdUpdateTroop, 120, 270, 2940, 375);
    Place(cmdSave, 3180, 270, 2580, 375);

    Place(frameTroopList, 0, 780, 3825, 9480);
    Place(lstTroops, 30, 520, 3765, TroopListHeight);
    Place(lstTroopsFiltered, 30, 520, 3765, TroopListHeight);
    Place(txtFilterTroops, 1200, 9105, 1905, 300);
    Place(cmdFilterTroops, 3165, 9105, 600, 300);

    // The frames of the record stand below the caption "Troop".
    Place(frameMain, 3915, 780, 11250, 9360);
    Place(frameNames, 120, 240, 3600, 1620);
    Place(frameFaction, 3840, 240, 3480, 600);
    Place(frameUpgrade, 3840, 900, 3480, 960);
    Place(frameFlags, 120, 1920, 4560, 2040);
    Place(frameStats, 4800, 1920, 2520, 2040);
    Place(frameSkills, 120, 4020, 7200, 2520);
    Place(frameProf, 120, 6600, 7200, 1020);
    Place(frameFaceCode, 120, 7980, 11025, 1200);
    Place(txtFace1, 1260, 270, 8295, 330);
    Place(txtFace2, 1260, 690, 8295, 330);
    Place(cmdFaceCode, 9690, 240, 1215, 840);

    Place(frameItems, 7425, 240, 3705, 7680);
    Place(lstItems, 135, 240, 3435, 2400);
    Place(cmdItemUp, 135, 2700, 600, 330);
    Place(cmdItemDown, 780, 2700, 600, 330);
    Place(cmdRemoveItem, 1455, 2700, 2190, 330);
    Place(lstAvailableItems, 135, 3330, 3435, 2790);
    Place(lstFilteredItems, 135, 3330, 3435, 2790);
    Place(txtItemFilter, 1050, 6165, 1965, 300);
    Place(cmdFilterItems, 3045, 6165, 525, 300);
    Place(cmdAddItem, 135, 6540, 3435, 330);
    Place(txtItemNr, 1710, 7215, 660, 300);
    Place(cmdAddItemNr, 2445, 7200, 1125, 330);

    m_view.setLists({lstItems, lstAvailableItems, lstFilteredItems, lstTroops, lstTroopsFiltered});
    using enum WidthRule::Edge;
    m_view.setLayout(
        frameTroops, 15270, 19110, FormHeight,
        {
            {frameTroopList, Width, 3825, 5745},    {lstTroops, Width, 3765, 5685},
            {lstTroopsFiltered, Width, 3765, 5685}, {txtFilterTroops, Width, 1905, 3810},
            {cmdFilterTroops, Left, 3165, 5100},    {frameMain, Left, 3915, 5860},
            {frameMain, Width, 11250, 13185},       {lblTroopEditor, Width, 6840, 10695},
            {frameAdd, Left, 7050, 10950},          {frameEdit, Left, 9345, 13245},
            {frameItems, Width, 3705, 5655},        {lstItems, Width, 3435, 5400},
            {lstAvailableItems, Width, 3435, 5400}, {lstFilteredItems, Width, 3435, 5400},
            {cmdAddItem, Width, 3435, 5400},        {cmdRemoveItem, Left, 1455, 3390},
            {lblAddItem, Left, 120, 2055},          {txtItemNr, Left, 1710, 3645},
            {cmdAddItemNr, Left, 2445, 4380},       {txtItemFilter, Width, 1965, 3900},
            {cmdFilterItems, Left, 3045, 5025},     {frameFaceCode, Width, 11025, 12975},
            {cmdFaceCode, Left, 9690, 11610},       {txtFace1, Width, 8295, 10200},
            {txtFace2, Width, 8295, 10200},
        });
}

void frmTextTroops::formLoad() {
    setWindowTitle(WindowCaption(QStringLiteral("  - Troop Editor")));
    SetScreenWidth(ScreenWidth);
    SetListFontSize(ListFontSize);
    CurTroop = NoTroop;
    frameMain->setEnabled(false);
    frameTroopList->setEnabled(false);
    frameEdit->setEnabled(false);
    QStringList skins;
    for (int skin = 0; skin < 16; ++skin)
        skins.append(QStringLiteral("Skin ") + QString::number(skin));
    CmbRace->setRows(skins);
    CmbRace->setListIndex(0);
    show();
    lblTroopEditor->setText(QStringLiteral("Troop Editor\n") + ModuleFolder +
                            QStringLiteral("troops.txt"));
    LoadTextFactions();
    LoadTextItems();
    LoadTextTroops();
    FillFactionCombo();
    FillAvailableItems();
    FillTroopList();
    frameTroopList->setEnabled(true);
}

void frmTextTroops::FillTroopList() {
    lstTroops->setRows(TroopListRows());
    lblTroops->setText(ListCaption(QStringLiteral("List of Troops"), TroopMax));
    FillUpgradeCombos();
}

void frmTextTroops::FillUpgradeCombos() {
    const QStringList rows = UpgradeComboRows();
    cmbUp1->setRows(rows);
    cmbUp2->setRows(rows);
}

void frmTextTroops::RefreshUpgradeRow(int troop) {
    // Refilling both combos on every update made a pass over all troops grow
    // with the square of their number; only this troop's id can have changed.
    const QString row = UpgradeComboRow(troop);
    for (ComboBox* combo : {cmbUp1, cmbUp2}) {
        if (troop < combo->count())
            combo->setItemText(troop, row);
        else
            combo->addItem(row);
    }
}

void frmTextTroops::FillFactionCombo() {
    cmbFactions->setRows(FactionComboRows());
}

void frmTextTroops::FillAvailableItems() {
    lstAvailableItems->setRows(AvailableItemRows());
}

void frmTextTroops::SetTroopAddMode(bool addMode) {
    TroopAddMode = addMode;
    for (QWidget* button : {static_cast<QWidget*>(cmdSave), static_cast<QWidget*>(cmdDeleteTroop),
                            static_cast<QWidget*>(cmdAddTroop)})
        button->setEnabled(!addMode);
    for (QAction* entry : {mnu_edit_troopadd, mnu_edit_troopdelete, mnu_edit_copy})
        entry->setEnabled(!addMode);
    if (!addMode)
        enableUpdate(true);
    cmdUpdateTroop->setText(
        (addMode ? QStringLiteral("Add Troop # ") : QStringLiteral("Update Troop # ")) +
        QString::number(CurTroop));
}

void frmTextTroops::lstTroops_Click() {
    if (lstTroops->listIndex() >= 0)
        selectTroop(lstTroops->listIndex());
}

void frmTextTroops::lstTroopsFiltered_Click() {
    const QListWidgetItem* row = lstTroopsFiltered->currentItem();
    if (!row)
        return;
    if (const std::optional<int> index = RecordOfRow(row->text(), TroopMax))
        selectTroop(*index);
}

void frmTextTroops::selectTroop(int index) {
    SetTroopAddMode(false);
    CurTroop = index;
    ShowTroop();
    enableUpdate(true);
    cmdUpdateTroop->setText(QStringLiteral("Update Troop # ") + QString::number(CurTroop));
    frameMain->setEnabled(true);
    frameEdit->setEnabled(true);
}

void frmTextTroops::ShowTroop() {
    // Fields read from a troop whose lines are out of shape are not the
    // troop's: they are neither shown nor stored back.
    if (!TroopHasSoundShape(CurTroop)) {
        m_shown.reset();
        cmdUpdateTroop->setEnabled(false);
        MsgBox(UnreadableTroopText(CurTroop), MsgButtons::Ok, MsgIcon::Exclamation,
               QStringLiteral("Unreadable troop..."));
        return;
    }
    PendingFailure failure;
    const TroopLines stored = StoredTroop(CurTroop);
    const std::optional<TroopRecord> record = DecodeTroop(stored, failure);
    if (record && !TroopIndexesShowable(*record))
        failure.raise(InvalidPropertyValue);
    if (failure.pending()) {
        // Nothing of this troop is on the screen, so nothing of the previous
        // one may be stored under its number.
        m_shown.reset();
        cmdUpdateTroop->setEnabled(false);
        ReportError(failure.number(), QStringLiteral("ShowTroop"));
        return;
    }

    // A path to no troop shows as "no upgrade"; the user is told once the
    // troop is on the screen, and the repair is stored below.
    TroopRecord shown = *record;
    const bool fix1 = shown.upgrade1 > TroopMax;
    const bool fix2 = shown.upgrade2 > TroopMax;
    if (fix1)
        shown.upgrade1 = 0;
    if (fix2)
        shown.upgrade2 = 0;
    fillControls(shown);
    m_shown = record;
    m_shownLines = stored;

    const QList<QString> head = TroopWords(stored[TroopHeadLine]);
    const QString title = QStringLiteral("Upgrade path corrected...");
    if (fix1)
        MsgBox(QStringLiteral("Troop (# ") + head[8] +
                   QStringLiteral(") in upgrade path 1 of troop # ") + QString::number(CurTroop) +
                   QStringLiteral(" doesn't exists -> is now set to 0 and updated!"),
               MsgButtons::Ok, MsgIcon::Exclamation, title);
    if (fix2)
        MsgBox(QStringLiteral("Troop (# ") + head[9] +
                   QStringLiteral(") in upgrade path 2 of troop # ") + QString::number(CurTroop) +
                   QStringLiteral(" doesen't exists -> is now set to 0 and updated!"),
               MsgButtons::Ok, MsgIcon::Exclamation, title);

    if (fix1 || fix2) {
        // Only the two path words change; the rest of the record stays as stored.
        TroopLines repaired = stored;
        repaired[TroopHeadLine] =
            WithUpgradePaths(stored[TroopHeadLine], shown.upgrade1, shown.upgrade2).value();
        StoreTroop(CurTroop, repaired);
        UnsavedTroops = true;
        ShowTroop();
    }
}

void frmTextTroops::fillControls(const TroopRecord& r) {
    txtTroopID->setText(r.id);
    txtTroopName->setText(r.name);
    txtTroopNamePl->setText(r.plural);
    cmbFactions->setListIndex(r.faction);
    cmbUp1->setListIndex(r.upgrade1);
    cmbUp2->setListIndex(r.upgrade2);

    TroopSkin = r.skin();
    optGender[static_cast<std::size_t>(std::min(TroopSkin, 2))]->setValue(true);
    // The option's handler sets the skin for Male and Female only.
    CmbRace->setListIndex(TroopSkin);
    for (std::size_t i = 0; i < chkFlags.size(); ++i)
        chkFlags[i]->setValue(r.hasFlag(TroopFlagBoxes[i].mask));

    lstItems->clear();
    for (const TroopSlot& slot : r.items) {
        PendingFailure ignored;
        const auto index = ParseTroopInt(slot.item, 0, ItemMax, ignored);
        const QListWidgetItem* known =
            index ? lstAvailableItems->item(static_cast<int>(*index)) : nullptr;
        const QString text =
            known ? known->text() : slot.item + QStringLiteral(" - (not in item_kinds1.txt)");
        addInventoryRow(text, slot.item, slot.modifier);
    }
    setInventoryCount(lstItems->count());

    for (std::size_t i = 0; i < txtAttributes.size(); ++i)
        txtAttributes[i]->setText(r.attributes[i]);
    for (std::size_t i = 0; i < txtProficiencies.size(); ++i)
        txtProficiencies[i]->setText(r.proficiencies[i]);
    for (std::size_t i = 0; i < txtSkills.size(); ++i)
        txtSkills[i]->setText(SkillBoxText(r.skill(static_cast<int>(i))));
    txtFace1->setText(FaceBoxText({r.faces[0], r.faces[1], r.faces[2], r.faces[3]}));
    txtFace2->setText(FaceBoxText({r.faces[4], r.faces[5], r.faces[6], r.faces[7]}));
}

std::optional<TroopRecord> frmTextTroops::readControls(const TroopRecord& base) const {
    TroopRecord r = base;
    // What the show put in a name box goes back as read; what the user put
    // there follows the box's key rule, however it came in.
    const auto ruled = [](const InputBox* box, const QString& shown) {
        return box->text() == shown ? shown : box->ruledText();
    };
    r.id = ruled(txtTroopID, base.id);
    r.name = ruled(txtTroopName, base.name);
    r.plural = ruled(txtTroopNamePl, base.plural);
    const std::pair<const QString*, const char*> names[] = {
        {&r.id, "Troop ID"}, {&r.name, "Single"}, {&r.plural, "Plural"}};
    for (const auto& [word, name] : names) {
        if (word->isEmpty()) {
            RefuseInput(QStringLiteral("'%1' must not be empty!").arg(QLatin1String(name)));
            return std::nullopt;
        }
        // Written as '?', such a character would be lost for good.
        if (const QString c = FirstUnstorableChar(*word, TroopsLineEnds.coding); !c.isEmpty()) {
            RefuseUnstorableChar(QLatin1String(name), c, QStringLiteral("troops.txt"));
            return std::nullopt;
        }
    }
    // A list that shows no row keeps what the troop holds there (-1, a
    // faction beyond the list, a number held as read); a row chosen sets it.
    const auto chosen = [](const ComboBox* combo, int held) {
        return combo->listIndex() >= 0 ? combo->listIndex() : held;
    };
    r.faction = chosen(cmbFactions, base.faction);
    r.upgrade1 = chosen(cmbUp1, base.upgrade1);
    r.upgrade2 = chosen(cmbUp2, base.upgrade2);
    if (CmbRace->listIndex() >= 0)
        r.setSkin(CmbRace->listIndex());
    for (std::size_t i = 0; i < chkFlags.size(); ++i)
        r.setFlag(TroopFlagBoxes[i].mask, chkFlags[i]->value());

    r.items.clear();
    for (int row = 0; row < lstItems->count(); ++row) {
        const QListWidgetItem* item = lstItems->item(row);
        r.items.append({item->data(ItemWordRole).toString(), item->data(ModifierRole).toString()});
    }

    // A word read from the file goes back as it stood; text the user put in a
    // number box keeps its key rule, however it came in.
    const auto keepsDigits = [](const InputBox* box, const QString& shown, const char* caption) {
        if (box->keepsKeyRule() || box->text() == shown)
            return true;
        RefuseDigitsOnly(BoxName(caption));
        return false;
    };
    const auto readWords = [&keepsDigits](const auto& boxes, const auto& table, auto& words) {
        for (std::size_t i = 0; i < boxes.size(); ++i) {
            if (!IsSingleWord(boxes[i]->text())) {
                RefuseInput(QStringLiteral("'%1' must not be empty or hold blanks!")
                                .arg(BoxName(table[i].caption)));
                return false;
            }
            if (!keepsDigits(boxes[i], words[i], table[i].caption))
                return false;
            words[i] = boxes[i]->text();
        }
        return true;
    };
    if (!readWords(txtAttributes, TroopAttributeBoxes, r.attributes) ||
        !readWords(txtProficiencies, TroopProficiencyBoxes, r.proficiencies))
        return std::nullopt;

    for (std::size_t i = 0; i < txtSkills.size(); ++i) {
        const int box = static_cast<int>(i);
        if (!keepsDigits(txtSkills[i], SkillBoxText(base.skill(box)), TroopSkillBoxes[i].caption))
            return std::nullopt;
        const std::optional<int> level = SkillLevelFromBox(txtSkills[i]->text());
        if (!level) {
            RefuseInput(QStringLiteral("Value of '%1' must be a number between 0 and 15!")
                            .arg(BoxName(TroopSkillBoxes[i].caption)));
            return std::nullopt;
        }
        r.setSkill(box, *level);
    }

    const std::pair<QLineEdit*, const char*> faces[] = {{txtFace1, "Face code 1"},
                                                        {txtFace2, "Face code 2"}};
    for (const auto& [box, caption] : faces) {
        if (!IsFaceBoxText(box->text())) {
            RefuseInput(QStringLiteral("'%1' must be \"0x\" followed by 64 hexadecimal digits, "
                                       "as the game shows a face code!")
                            .arg(QLatin1String(caption)));
            return std::nullopt;
        }
    }
    const auto face1 = FaceWordsFromBox(txtFace1->text());
    const auto face2 = FaceWordsFromBox(txtFace2->text());
    std::copy(face1.begin(), face1.end(), r.faces.begin());
    std::copy(face2.begin(), face2.end(), r.faces.begin() + 4);
    return r;
}

void frmTextTroops::UpdateTroop(bool showMessage) {
    if (!m_shown)
        return;
    std::optional<TroopRecord> record = readControls(*m_shown);
    if (!record)
        return;
    if (TroopAddMode) {
        // A new troop copies its template but for the words no control shows.
        record->word3 = record->word5 = record->word6 = QStringLiteral("0");
    }
    PendingFailure failure;
    const std::optional<TroopLines> lines = EncodeTroop(*record, m_shownLines, failure);
    if (!lines) {
        ReportError(failure.number(), QStringLiteral("UpdateTroop"));
        return;
    }

    int k = CurTroop;
    if (!TroopAddMode) {
        StoreTroop(k, *lines);
        m_troopFilter.setRowText(k, TroopRowText(k));
        MsgTitle = QStringLiteral("Troop updated...");
        MsgText = QStringLiteral("Troop # ") + QString::number(k) + QStringLiteral(" - '") +
                  TroopID[k] + QStringLiteral("' has been updated. This is the new entry:");
    } else {
        k = AppendTroop(*lines);
        m_troopFilter.appendRow(TroopRowText(k));
        lstTroops->setListIndex(k);
        if (m_troopFilter.active())
            lstTroopsFiltered->setListIndex(lstTroopsFiltered->count() - 1);
        SetTroopAddMode(false);
        lblTroops->setText(ListCaption(QStringLiteral("List of Troops"), TroopMax));
        MsgTitle = QStringLiteral("Troop added...");
        MsgText = QStringLiteral("Troop # ") + QString::number(k) + QStringLiteral(" - '") +
                  TroopID[k] +
                  QStringLiteral("' added. Don't forget to link this entry via update path or "
                                 "party_templates.txt") +
                  LineBreak + QStringLiteral("This is the new entry:");
    }
    if (showMessage) {
        MsgEntry = QStringList(lines->begin(), lines->end()).join(LineBreak);
        ShowMessageWindow();
    }
    RefreshUpgradeRow(k);
    ShowTroop();
    UnsavedTroops = true;
}

void frmTextTroops::enableUpdate(bool enabled) {
    cmdUpdateTroop->setEnabled(enabled && m_shown.has_value());
}

void frmTextTroops::cmdFilterTroops_Click() {
    const auto hits = [this](const QString& filter) {
        QStringList rows;
        for (int i : MatchingTroops(filter))
            rows.append(lstTroops->item(i)->text());
        return rows;
    };
    if (m_troopFilter.run(hits) == FilterResult::Hits)
        cmdUpdateTroop->setEnabled(false);
}

void frmTextTroops::optGender_Click(int index) {
    CmbRace->setEnabled(index == 2);
    if (index < 2)
        CmbRace->setListIndex(index);
}

void frmTextTroops::txtTroopID_LostFocus() {
    const QString id = txtTroopID->text();
    if (!id.startsWith(QStringLiteral("trp_")))
        txtTroopID->setText(QStringLiteral("trp_") + id);
}

void frmTextTroops::cmdAddTroop_Click() {
    if (CurTroop == NoTroop || !m_shown) {
        MsgBox(QStringLiteral("Please select a troop as template!"), MsgButtons::Ok,
               MsgIcon::Information, QStringLiteral("Add new troop..."));
        return;
    }
    if (MsgBox(AddTroopQuestion(CurTroop), MsgButtons::YesNo, MsgIcon::None,
               QStringLiteral("Add new troop?")) == MsgAnswer::Yes)
        AddTroop();
}

void frmTextTroops::AddTroop() {
    SetTroopAddMode(true);
    txtTroopID->setText(QStringLiteral("trp_new_troop1"));
    txtTroopName->setText(QStringLiteral("Name"));
    txtTroopNamePl->setText(QStringLiteral("NamePl"));
    cmdUpdateTroop->setText(QStringLiteral("Add Troop # ") + QString::number(TroopMax + 1));
    frameMain->setEnabled(true);
    frameEdit->setEnabled(true);
}

void frmTextTroops::cmdDeleteTroop_Click() {
    if (TroopMax < 1) {
        // The file must keep one troop at least.
        MsgBox(QStringLiteral("Troop # 0 is the only troop left in the list and can't be deleted!"),
               MsgButtons::Ok, MsgIcon::Exclamation, QStringLiteral("Delete last troop..."));
        return;
    }
    if (MsgBox(DeleteLastTroopQuestion(), MsgButtons::YesNo, MsgIcon::None,
               QStringLiteral("Delete last troop?")) == MsgAnswer::Yes)
        DeleteTroop();
}

void frmTextTroops::DeleteTroop() {
    if (m_troopFilter.active()) {
        txtFilterTroops->clear();
        cmdFilterTroops_Click();
    }
    const int deleted = TroopMax;
    if (!RemoveLastTroop())
        return;
    MsgBox(QStringLiteral("Troop ") + QString::number(deleted) +
               QStringLiteral(" has been deleted from the list!"),
           MsgButtons::Ok, MsgIcon::Exclamation, QStringLiteral("Troop deleted..."));
    FillTroopList();
    lstTroops->setListIndex(TroopMax);
    UnsavedTroops = true;
}

void frmTextTroops::mnu_edit_copy_Click() {
    ShowModal(new frmTextTroopsCopy([this] { UnsavedTroops = true; }));
    if (CurTroop != NoTroop)
        ShowTroop();
}

// Inventory editing

void frmTextTroops::addInventoryRow(const QString& text, const QString& item,
                                    const QString& modifier) {
    auto* row = new QListWidgetItem(text);
    row->setData(ItemWordRole, item);
    row->setData(ModifierRole, modifier);
    lstItems->addItem(row);
}

void frmTextTroops::addInventoryRowFrom(const QString& row) {
    // The item index stands in front of the row's first blank in both lists.
    addInventoryRow(row, row.section(u' ', 0, 0), QStringLiteral("0"));
    lstItems->setListIndex(lstItems->count() - 1);
    setInventoryCount(lstItems->count());
}

bool frmTextTroops::inventoryFull() const {
    if (InvItemCount < TroopSlotCount)
        return false;
    MsgBox(QStringLiteral("Maximum count of items reached!"));
    return true;
}

void frmTextTroops::setInventoryCount(int count) {
    InvItemCount = count;
    frameItems->setTitle(QStringLiteral("Items (") + QString::number(count) +
                         QStringLiteral(" of 64 used)"));
}

void frmTextTroops::cmdFilterItems_Click() {
    m_itemFilter.run([](const QString& filter) {
        QStringList rows;
        for (int i : MatchingItems(filter))
            rows.append(FilteredItemRow(i));
        return rows;
    });
}

void frmTextTroops::cmdAddItem_Click() {
    if (inventoryFull())
        return;
    for (ListBox* list : {lstAvailableItems, lstFilteredItems}) {
        if (!list->isHidden() && list->currentItem() && !list->currentItem()->text().isEmpty())
            addInventoryRowFrom(list->currentItem()->text());
    }
}

void frmTextTroops::cmdAddItemNr_Click() {
    if (inventoryFull())
        return;
    // A 16-bit number, as the box has always taken it: a pasted 99999 is no
    // number at all.
    const std::optional<std::int16_t> number = ToInt16(txtItemNr->text());
    const QString limit = QString::number(ItemMax - 1);
    if (!txtItemNr->keepsKeyRule()) {
        RefuseDigitsOnly(QStringLiteral("Add item via number"));
    } else if (!number) {
        RefuseInput(QStringLiteral("Value must be a number between 1 and ") + limit);
    } else if (*number >= ItemMax - 1 || *number < 1) {
        RefuseInput(QStringLiteral("Value must be >0 and <") + limit + QStringLiteral(" !"));
    } else {
        addInventoryRowFrom(lstAvailableItems->item(*number)->text());
    }
}

void frmTextTroops::cmdItemUp_Click() {
    const int row = lstItems->listIndex();
    if (row < 1)
        return;
    lstItems->insertItem(row - 1, lstItems->takeItem(row));
    lstItems->setListIndex(row - 1);
}

void frmTextTroops::cmdItemDown_Click() {
    const int row = lstItems->listIndex();
    if (row < 0 || row >= lstItems->count() - 1)
        return;
    lstItems->insertItem(row + 1, lstItems->takeItem(row));
    lstItems->setListIndex(row + 1);
}

void frmTextTroops::cmdRemoveItem_Click() {
    const int before = lstItems->count();
    const int row = lstItems->listIndex();
    if (row >= 0)
        delete lstItems->takeItem(row);
    if (before > 1)
        lstItems->setListIndex(lstItems->count() - 1);
    setInventoryCount(lstItems->count());
    lstItems->setFocus();
}

void frmTextTroops::mnu_edit_inv_clear_Click() {
    if (CurTroop == NoTroop) {
        MsgBox(QStringLiteral("No troop selected..."), MsgButtons::Ok, MsgIcon::Exclamation,
               QStringLiteral("Delete inventory..."));
        return;
    }
    const QString question = QStringLiteral("This will delete the inventory of troop # ") +
                             QString::number(CurTroop) + QStringLiteral(" - ") +
                             TroopID.value(CurTroop) + Paragraph + QStringLiteral("Continue?");
    if (MsgBox(question, MsgButtons::YesNo, MsgIcon::None, QStringLiteral("Delete inventory?")) ==
        MsgAnswer::Yes) {
        lstItems->clear();
        setInventoryCount(0);
    }
}

QWidget* ShowTextTroops() {
    auto* window = new frmTextTroops;
    window->show();
    return window;
}
