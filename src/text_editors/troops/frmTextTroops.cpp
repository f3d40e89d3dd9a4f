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

constexpr int NoTroop = 9999;

// Inventory rows carry the slot's words beside the row text, so a row of an
// item the item list does not know, and every modifier word, go back unchanged.
constexpr int ItemWordRole = Qt::UserRole;
constexpr int ModifierRole = Qt::UserRole + 1;

const QString LineBreak = QStringLiteral("\r\n");
const QString Paragraph = QStringLiteral("\r\n\r\n");

} // namespace

frmTextTroops::frmTextTroops(QWidget* parent) : EditorWindow(parent) {
    build("frmTextTroops");
}

void frmTextTroops::buildControls() {
    frameTroops = Named(new QWidget(this), "frameTroops");
    setCentralWidget(frameTroops);

    lblTroopEditor = AddHeading(frameTroops, "lblTroopEditor", 120, 60, 6840, 660);
    frameAdd = AddAddDeleteFrame(frameTroops, QStringLiteral("Add/Delete Troop"), "cmdAddTroop",
                                 cmdAddTroop, "cmdDeleteTroop", cmdDeleteTroop);
    frameEdit = AddUpdateSaveFrame(frameTroops, "cmdUpdateTroop", QStringLiteral("Update Troop "),
                                   cmdUpdateTroop, cmdSave);

    frameTroopList = AddFrame(frameTroops, "frameTroopList", QString());
    lblTroops = AddLabel(frameTroopList, "lblTroops", QString());
    lstTroops = Named(new ListBox(frameTroopList), "lstTroops");
    lstTroopsFiltered = Named(new ListBox(frameTroopList), "lstTroopsFiltered");
    lstTroopsFiltered->hide();
    Label43 = AddLabel(frameTroopList, "Label43", QStringLiteral("Filter troops:"));
    txtFilterTroops = AddInputBox(frameTroopList, "txtFilterTroops");
    cmdFilterTroops = AddButton(frameTroopList, "cmdFilterTroops", QStringLiteral("Go"));

    frameMain = AddFrame(frameTroops, "frameMain", QStringLiteral("Troop"));
    buildRecord();
    buildAbilities();
    frameFaceCode = AddFrame(frameMain, "frameFaceCode", QStringLiteral("Face codes"));
    for (std::size_t i = 0; i < TroopFaceBoxes.size(); ++i)
        AddLabel(frameFaceCode, "", QLatin1String(TroopFaceBoxes[i].caption), 120,
                 300 + 420 * static_cast<int>(i), 1110);
    txtFace1 = AddInputBox(frameFaceCode, TroopFaceBoxes[0].control);
    txtFace2 = AddInputBox(frameFaceCode, TroopFaceBoxes[1].control);
    txtFace1->setFont(FixedPitchFont());
    txtFace2->setFont(FixedPitchFont());
    cmdFaceCode = AddWrappingButton(frameFaceCode, "cmdFaceCode",
                                    QStringLiteral("How can I get this code from the game?"));
    buildItems();

    m_troopFilter = ListFilter(txtFilterTroops, lstTroops, lstTroopsFiltered);
    m_itemFilter = ListFilter(txtItemFilter, lstAvailableItems, lstFilteredItems);
    connectControls();
    placeDesign();
}

// The names, the faction, the upgrade paths and the flags.
void frmTextTroops::buildRecord() {
    frameNames = AddFrame(frameMain, "frameNames", QStringLiteral("Name"));
    std::array<InputBox*, 3> names{};
    for (int i = 0; i < 3; ++i) {
        AddLabel(frameNames, "", QLatin1String(TroopNameBoxes[i].caption), 120, 300 + 420 * i, 900);
        names[i] =
            AddInputBox(frameNames, TroopNameBoxes[i].control, InputBox::Keys::BlankToUnderscore);
        Place(names[i], 1050, 270 + 420 * i, 2430, 315);
    }
    txtTroopID = names[0];
    txtTroopName = names[1];
    txtTroopNamePl = names[2];

    frameFaction = AddFrame(frameMain, "frameFaction", QStringLiteral("Faction"));
    cmbFactions = Named(new ComboBox(frameFaction), "cmbFactions");
    frameUpgrade = AddFrame(frameMain, "frameUpgrade", QStringLiteral("Upgrade path"));
    AddLabel(frameUpgrade, "", QStringLiteral("Path 1:"), 120, 280, 700);
    cmbUp1 = Named(new ComboBox(frameUpgrade), "cmbUp1");
    AddLabel(frameUpgrade, "", QStringLiteral("Path 2:"), 120, 640, 700);
    cmbUp2 = Named(new ComboBox(frameUpgrade), "cmbUp2");

    frameFlags = AddFrame(frameMain, "frameFlags", QStringLiteral("Flags"));
    const char* genders[] = {" Male", "Female", "Other"};
    for (int i = 0; i < 3; ++i) {
        optGender[i] = Named(new OptionButton(QLatin1String(genders[i]), frameFlags), "optGender");
        Place(optGender[i], 120 + 930 * i, 260, 930, 255);
    }
    CmbRace = Named(new ComboBox(frameFlags), "CmbRace");
    for (std::size_t i = 0; i < chkFlags.size(); ++i) {
        const TroopFlagBox& box = TroopFlagBoxes[i];
        chkFlags[i] = Named(new CheckBox(QLatin1String(box.caption), frameFlags), box.control);
        const int column = static_cast<int>(i) / 5;
        const int row = static_cast<int>(i) % 5;
        Place(chkFlags[i], 120 + 1470 * column, 640 + 270 * row, 1440, 255);
    }
}

// The number boxes of the stats, the skills and the proficiencies, in rows
// and columns; every one starts with "0".
void frmTextTroops::buildAbilities() {
    using Keys = InputBox::Keys;
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

    for (InputBox* box : txtAttributes)
        box->setText(QStringLiteral("0"));
    for (InputBox* box : txtSkills)
        box->setText(QStringLiteral("0"));
    for (InputBox* box : txtProficiencies)
        box->setText(QStringLiteral("0"));
}

// The inventory (InventoryControls) with the available items and their filter.
void frmTextTroops::buildItems() {
    frameItems = AddFrame(frameMain, "frameItems", QStringLiteral("Items"));
    m_inventory.buildList(frameItems, InvItemCount);
    Label15 = AddLabel(frameItems, "Label15", QStringLiteral("Available Items:"));
    lstAvailableItems = Named(new ListBox(frameItems), "lstAvailableItems");
    lstFilteredItems = Named(new ListBox(frameItems), "lstFilteredItems");
    lstFilteredItems->hide();
    lblFilterItems = AddLabel(frameItems, "lblFilterItems", QStringLiteral("Filter items:"));
    txtItemFilter = AddInputBox(frameItems, "txtItemFilter");
    cmdFilterItems = AddButton(frameItems, "cmdFilterItems", QStringLiteral("Go"));
    m_inventory.buildAddCommands(4);
    m_inventory.txtItemNr->setText(QStringLiteral("0"));
}

void frmTextTroops::connectControls() {
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
    connect(m_inventory.cmdAddItem, &QPushButton::clicked, this, &frmTextTroops::cmdAddItem_Click);
    connect(m_inventory.cmdAddItemNr, &QPushButton::clicked, this,
            &frmTextTroops::cmdAddItemNr_Click);
    connect(m_inventory.cmdItemUp, &QPushButton::clicked, this, &frmTextTroops::cmdItemUp_Click);
    connect(m_inventory.cmdItemDown, &QPushButton::clicked, this,
            &frmTextTroops::cmdItemDown_Click);
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
    if (!record) {
        // Nothing of this troop is on the screen, so nothing of the previous
        // one may be stored under its number.
        m_shown.reset();
        cmdUpdateTroop->setEnabled(false);
        ReportError(failure.number(), QStringLiteral("ShowTroop"));
        return;
    }

    // A show stores nothing: a faction or upgrade path that no list has a row
    // for shows as no row, and an update that chooses none keeps it.
    fillControls(*record);
    m_shown = record;
    m_shownLines = stored;
}

void frmTextTroops::fillControls(const TroopRecord& r) {
    const TroopChoices choices = TroopChoicesOf(r);
    for (std::size_t k = 0; k < choices.rows.size(); ++k)
        choiceLists()[k]->setListIndex(choices.rows[k]);

    TroopSkin = choices.skin;
    optGender[static_cast<std::size_t>(std::min(TroopSkin, 2))]->setValue(true);
    // The option's handler sets the skin for Male and Female only.
    CmbRace->setListIndex(TroopSkin);
    for (std::size_t i = 0; i < chkFlags.size(); ++i)
        chkFlags[i]->setValue(choices.flags[i]);

    ListBox* lstItems = m_inventory.lstItems;
    lstItems->clear();
    for (const TroopSlot& slot : r.items) {
        PendingFailure ignored;
        const auto index = ParseTroopInt(slot.item, 0, ItemMax, ignored);
        const QListWidgetItem* known =
            index ? lstAvailableItems->item(static_cast<int>(*index)) : nullptr;
        const QString text =
            known ? known->text() : slot.item + QStringLiteral(" - (not in item_kinds1.txt)");
        auto* row = new QListWidgetItem(text);
        setSlotWords(row, slot.item, slot.modifier);
        lstItems->addItem(row);
    }
    m_inventory.showCount();
    showBoxTexts(TroopBoxTextsOf(r));
}

void frmTextTroops::showBoxTexts(const TroopBoxTexts& texts) {
    for (std::size_t i = 0; i < texts.names.size(); ++i)
        nameBoxes()[i]->setText(texts.names[i]);
    for (std::size_t i = 0; i < txtAttributes.size(); ++i)
        txtAttributes[i]->setText(texts.attributes[i]);
    for (std::size_t i = 0; i < txtProficiencies.size(); ++i)
        txtProficiencies[i]->setText(texts.proficiencies[i]);
    for (std::size_t i = 0; i < txtSkills.size(); ++i)
        txtSkills[i]->setText(texts.skills[i]);
    txtFace1->setText(texts.faces[0]);
    txtFace2->setText(texts.faces[1]);
}

TroopBoxTexts frmTextTroops::boxTexts() const {
    TroopBoxTexts texts;
    for (std::size_t i = 0; i < texts.names.size(); ++i)
        texts.names[i] = nameBoxes()[i]->text();
    for (std::size_t i = 0; i < txtAttributes.size(); ++i)
        texts.attributes[i] = txtAttributes[i]->text();
    for (std::size_t i = 0; i < txtProficiencies.size(); ++i)
        texts.proficiencies[i] = txtProficiencies[i]->text();
    for (std::size_t i = 0; i < txtSkills.size(); ++i)
        texts.skills[i] = txtSkills[i]->text();
    texts.faces = {txtFace1->text(), txtFace2->text()};
    return texts;
}

std::optional<TroopRecord> frmTextTroops::readControls(const TroopRecord& base) const {
    const TroopBoxTexts shown = TroopBoxTextsOf(base);
    TroopBoxTexts typed = boxTexts();
    // What the show put in a name box goes back as read; what the user put
    // there follows the box's key rule, however it came in.
    for (std::size_t i = 0; i < typed.names.size(); ++i) {
        if (typed.names[i] != shown.names[i])
            typed.names[i] = nameBoxes()[i]->ruledText();
    }
    if (const QString problem = TroopProblem(typed, shown, TroopsCoding()); !problem.isEmpty()) {
        RefuseInput(problem);
        return std::nullopt;
    }
    TroopChoices choices;
    for (std::size_t k = 0; k < choices.rows.size(); ++k)
        choices.rows[k] = choiceLists()[k]->listIndex();
    choices.skin = CmbRace->listIndex();
    for (std::size_t i = 0; i < chkFlags.size(); ++i)
        choices.flags[i] = chkFlags[i]->value();
    TroopRecord r = WithChoices(WithBoxTexts(base, typed), choices);

    r.items.clear();
    const ListBox* lstItems = m_inventory.lstItems;
    for (int row = 0; row < lstItems->count(); ++row) {
        const QListWidgetItem* item = lstItems->item(row);
        r.items.append({item->data(ItemWordRole).toString(), item->data(ModifierRole).toString()});
    }
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

void frmTextTroops::setSlotWords(QListWidgetItem* row, const QString& item,
                                 const QString& modifier) {
    row->setData(ItemWordRole, item);
    row->setData(ModifierRole, modifier);
}

void frmTextTroops::addInventoryRowFrom(const QString& row) {
    // The item index stands in front of the row's first blank in both lists.
    setSlotWords(m_inventory.append(row), row.section(u' ', 0, 0), QStringLiteral("0"));
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
    if (m_inventory.full())
        return;
    for (ListBox* list : {lstAvailableItems, lstFilteredItems}) {
        if (!list->isHidden() && list->currentItem() && !list->currentItem()->text().isEmpty())
            addInventoryRowFrom(list->currentItem()->text());
    }
}

void frmTextTroops::cmdAddItemNr_Click() {
    if (!m_inventory.takesNumber())
        return;
    // A 16-bit number, as the box has always taken it: a pasted 99999 is no
    // number at all.
    const std::optional<std::int16_t> number = ToInt16(m_inventory.txtItemNr->text());
    const QString limit = QString::number(ItemMax - 1);
    if (!number) {
        RefuseInput(QStringLiteral("Value must be a number between 1 and ") + limit);
    } else if (*number >= ItemMax - 1 || *number < 1) {
        RefuseInput(QStringLiteral("Value must be >0 and <") + limit + QStringLiteral(" !"));
    } else {
        addInventoryRowFrom(lstAvailableItems->item(*number)->text());
    }
}

void frmTextTroops::cmdItemUp_Click() {
    ListBox* lstItems = m_inventory.lstItems;
    const int row = lstItems->listIndex();
    if (row < 1)
        return;
    lstItems->insertItem(row - 1, lstItems->takeItem(row));
    lstItems->setListIndex(row - 1);
}

void frmTextTroops::cmdItemDown_Click() {
    ListBox* lstItems = m_inventory.lstItems;
    const int row = lstItems->listIndex();
    if (row < 0 || row >= lstItems->count() - 1)
        return;
    lstItems->insertItem(row + 1, lstItems->takeItem(row));
    lstItems->setListIndex(row + 1);
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
        m_inventory.lstItems->clear();
        m_inventory.showCount();
    }
}

QWidget* ShowTextTroops() {
    auto* window = new frmTextTroops;
    window->show();
    return window;
}
