#include "ms_editors/troops/frmPythonTroops.h"

#include "module_system/PythonEntryTable.h"
#include "module_system/frmPythonNewEntry.h"
#include "module_system/modPythonItems.h"
#include "module_system/modPythonTroops.h"
#include "ms_editors/troops/PythonTroopForm.h"
#include "ms_editors/troops/PythonTroopTable.h"
#include "platform/MessageBox.h"
#include "platform/gui/Controls.h"
#include "platform/gui/InputBox.h"
#include "platform/gui/Layout.h"
#include "platform/gui/ListRows.h"
#include "platform/gui/TermList.h"
#include "shell/EditorFactories.h"
#include "shell/EditorMessages.h"
#include "shell/modCore.h"
#include "shell/modMain.h"

#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QPushButton>

#include <iterator>
#include <tuple>

namespace {

// The controls of a term list (attributes, skills), named after `term`:
// cmb<term>, txt<term>, lst<term>, cmd<term>Add/Change/Del and cmdHelp<term>.
void termGroup(QGroupBox* frame, const char* term, ComboBox*& cmb, QLineEdit*& txt, ListBox*& lst,
               QPushButton*& add, QPushButton*& change, QPushButton*& del, QPushButton*& help) {
    const QString t = QLatin1String(term);
    cmb = new ComboBox(frame);
    cmb->setObjectName(QStringLiteral("cmb") + t);
    txt = AddInputBox(frame, (QByteArrayLiteral("txt") + term).constData());
    lst = new ListBox(frame);
    lst->setObjectName(QStringLiteral("lst") + t);
    AddTermButtons(frame, term, add, change, del);
    help = new QPushButton(QStringLiteral("?"), frame);
    help->setObjectName(QStringLiteral("cmdHelp") + t);
}

} // namespace

frmPythonTroops::frmPythonTroops(QWidget* parent) : EditorWindow(parent) {
    build("frmPythonTroops");
}

void frmPythonTroops::buildControls() {
    frameTroops = Named(new QFrame(this), "frameTroops");
    setCentralWidget(frameTroops);
    QWidget* f = frameTroops;

    frameTroopList = AddFrame(f, "frameTroopList", QString());
    lblTroops = AddLabel(frameTroopList, "lblTroops", QStringLiteral("List of Troops"));
    lstTroops = Named(new ListBox(frameTroopList), "lstTroops");
    Label43 = AddLabel(frameTroopList, "Label43", QStringLiteral("Filter troops:"));
    txtFilterTroops = AddInputBox(frameTroopList, "txtFilterTroops");
    cmdFilterTroops = AddButton(frameTroopList, "cmdFilterTroops", QStringLiteral("Go"));

    lblTroopEditor = AddHeading(f, "lblTroopEditor", 120, 60, 6840, 660);
    frameAdd = AddAddDeleteFrame(f, QStringLiteral("Add/Delete Item"), "cmdAddTroop", cmdAddTroop,
                                 "cmdDeleteTroop", cmdDeleteTroop);
    framePython = AddShowPythonFrame(f, QStringLiteral("Show troop"), cmdShowPython);
    frameEdit =
        AddUpdateSaveFrame(f, "cmdUpdate", QStringLiteral("Update troop"), cmdUpdate, cmdSave);

    frameTroop = AddFrame(f, "frameTroop", QStringLiteral("Troop"));
    buildFields();
    buildItems();
    buildTerms();
    buildFaces();

    m_troopFilter = ListFilter(txtFilterTroops, lstTroops);
    m_troopFilter.setLabel(lblTroops, QStringLiteral("List of troops"));
    m_itemFilter = ListFilter(txtItemFilter, lstAvailableItems);
    m_itemFilter.setLabel(lblItems, QStringLiteral("Available items"));
    connectControls();
    placeDesign();
}

// The names, the flags, the scene and the faction.
void frmPythonTroops::buildFields() {
    QWidget* t = frameTroop;
    frameNames = AddFrame(t, "frameNames", QStringLiteral("Names"));
    AddLabel(frameNames, "lblTroopID", QStringLiteral("Troop ID:"));
    AddLabel(frameNames, "lblTroopName", QStringLiteral("Single:"));
    AddLabel(frameNames, "lblTroopNamePl", QStringLiteral("Plural:"));
    txtTroopID = AddInputBox(frameNames, "txtTroopID", InputBox::Keys::BlankToUnderscore);
    txtTroopName = AddInputBox(frameNames, "txtTroopName");
    txtTroopNamePl = AddInputBox(frameNames, "txtTroopNamePl");
    FrameFlags = AddFrame(t, "FrameFlags", QStringLiteral("Flags"));
    lstFlags = Named(new ListBox(FrameFlags), "lstFlags");
    lstFlags->setSelectionMode(QAbstractItemView::MultiSelection);
    frameScene = AddFrame(t, "frameScene", QStringLiteral("Scene | scene entry point"));
    txtScene = AddInputBox(frameScene, "txtScene");
    txtReserved = AddInputBox(frameScene, "txtReserved");
    frameFactions = AddFrame(t, "frameFactions", QStringLiteral("Faction"));
    txtFaction = AddInputBox(frameFactions, "txtFaction");
}

// The inventory (InventoryControls) with the available items and their filter.
void frmPythonTroops::buildItems() {
    frameItems = AddFrame(frameTroop, "frameItems", QStringLiteral("Items"));
    m_inventory.buildList(frameItems, InvItemCount);
    m_inventory.lstItems->setSelectionMode(QAbstractItemView::ExtendedSelection);
    lblItems = AddLabel(frameItems, "lblItems", QStringLiteral("Available Items:"));
    lstAvailableItems = Named(new ListBox(frameItems), "lstAvailableItems");
    m_inventory.buildAddCommands(0);
    Label17 = AddLabel(frameItems, "Label17", QStringLiteral("Filter items:"));
    txtItemFilter = AddInputBox(frameItems, "txtItemFilter");
    cmdFilterItems = AddButton(frameItems, "cmdFilterItems", QStringLiteral("Go"));
    // The long lists have a design font of their own.
    for (ListBox* list : {lstTroops, m_inventory.lstItems, lstAvailableItems})
        list->setFont(QFont(QStringLiteral("Microsoft Sans Serif")));
}

// The attributes, the proficiencies and the skills.
void frmPythonTroops::buildTerms() {
    frameStats = AddFrame(frameTroop, "frameStats", QStringLiteral("Attributes"));
    termGroup(frameStats, "Attrib", cmbAttrib, txtAttrib, lstAttrib, cmdAttribAdd, cmdAttribChange,
              cmdAttribDel, cmdHelpAttrib);
    frameProfiencies =
        AddFrame(frameTroop, "frameProfiencies", QStringLiteral("Weapon proficiencies"));
    cmbProfi = Named(new ComboBox(frameProfiencies), "cmbProfi");
    txtProfi = AddInputBox(frameProfiencies, "txtProfi");
    cmdHelpProfi = AddButton(frameProfiencies, "cmdHelpProfi", QStringLiteral("?"));
    FrameSkills = AddFrame(frameTroop, "FrameSkills", QStringLiteral("Skills"));
    termGroup(FrameSkills, "Skills", cmbSkills, txtSkills, lstSkills, cmdSkillsAdd, cmdSkillsChange,
              cmdSkillsDel, cmdHelpSkills);
}

// The faces with the alternative image, and the upgrade paths.
void frmPythonTroops::buildFaces() {
    frameFaceCode = AddFrame(frameTroop, "frameFaceCode",
                             QStringLiteral("Faces (Use second face to generate random faces "
                                            "between face 1 and face 2  - only for recruitable "
                                            "troops / no heros)"));
    AddLabel(frameFaceCode, "lblFace1", QStringLiteral("Face code 1:"));
    AddLabel(frameFaceCode, "lblFace2", QStringLiteral("Face code 2:"));
    AddLabel(frameFaceCode, "lblTroopImage", QStringLiteral("Alt. troop image:"));
    txtFace1 = AddInputBox(frameFaceCode, "txtFace1");
    txtFace2 = AddInputBox(frameFaceCode, "txtFace2");
    txtTroopImage = AddInputBox(frameFaceCode, "txtTroopImage");
    for (QLineEdit* face : {txtFace1, txtFace2, txtTroopImage})
        face->setFont(FixedPitchFont());
    cmdFaceCode = AddWrappingButton(frameFaceCode, "cmdFaceCode",
                                    QStringLiteral("How can I get this code from the game?"));
    framePgrade = AddFrame(frameTroop, "framePgrade", QStringLiteral("Upgrade paths"));
    AddLabel(framePgrade, "lblUpgrade1", QStringLiteral("Upgrade Path 1:"));
    AddLabel(framePgrade, "Label5", QStringLiteral("Upgrade Path 2:"));
    cmbUpgrade1 = Named(new ComboBox(framePgrade), "cmbUpgrade1");
    cmbUpgrade2 = Named(new ComboBox(framePgrade), "cmbUpgrade2");
    // A path may name an id that is none of the rows: what is typed stays as typed.
    TakeTypedText(cmbUpgrade1);
    TakeTypedText(cmbUpgrade2);
}

void frmPythonTroops::connectControls() {
    connect(lstTroops, &ListBox::click, this, [this] { lstTroops_Click(); });
    connect(cmdFilterTroops, &QPushButton::clicked, this, [this] { cmdFilterTroops_Click(); });
    connect(cmdFilterItems, &QPushButton::clicked, this, [this] { cmdFilterItems_Click(); });
    txtFilterTroops->onEnter = [this] { cmdFilterTroops_Click(); };
    txtItemFilter->onEnter = [this] { cmdFilterItems_Click(); };
    connect(cmdAddTroop, &QPushButton::clicked, this, [this] { AddPythonTroop(); });
    connect(cmdDeleteTroop, &QPushButton::clicked, this, [this] { cmdDeleteTroop_Click(); });
    connect(cmdShowPython, &QPushButton::clicked, this, [this] { cmdShowPython_Click(); });
    connect(cmdUpdate, &QPushButton::clicked, this, [this] { UpdatePythonTroop(true); });
    connect(cmdSave, &QPushButton::clicked, this,
            [this] { saveFile(SavePythonTroops, UnsavedTroops); });
    const InventoryControls& inv = m_inventory;
    connect(inv.cmdAddItem, &QPushButton::clicked, this, [this] { cmdAddItem_Click(); });
    connect(inv.cmdAddItemNr, &QPushButton::clicked, this, [this] { cmdAddItemNr_Click(); });
    connect(inv.cmdItemUp, &QPushButton::clicked, this,
            [this] { MoveChosenRows(m_inventory.lstItems, false); });
    connect(inv.cmdItemDown, &QPushButton::clicked, this,
            [this] { MoveChosenRows(m_inventory.lstItems, true); });
    connect(cmbProfi, &ComboBox::click, this, [this] { cmbProfi_Click(); });
    WireTermPick(cmbAttrib, txtAttrib);
    WireTermPick(cmbSkills, txtSkills);
    WireTermList(lstAttrib, txtAttrib, cmdAttribAdd, cmdAttribChange, cmdAttribDel);
    WireTermList(lstSkills, txtSkills, cmdSkillsAdd, cmdSkillsChange, cmdSkillsDel);
    txtTroopID->onEnter = [] {}; // Enter does nothing in the id box
    txtTroopID->onLostFocus = [this] { txtTroopID_LostFocus(); };
    txtTroopImage->onLostFocus = [this] { txtTroopImage_LostFocus(); };

    connect(cmdHelpProfi, &QPushButton::clicked, this, [] { ShowProficiencyHelp(); });
    connect(cmdHelpSkills, &QPushButton::clicked, this, [] { ShowSkillsHelp(); });
    connect(cmdHelpAttrib, &QPushButton::clicked, this, [] { ShowAttributesHelp(); });
    connect(cmdFaceCode, &QPushButton::clicked, this, [] { ShowFaceCodeHelp(); });
}

void frmPythonTroops::buildMenus() {
    addFileMenu(QStringLiteral("mnu_file_mainmenu"), QStringLiteral("mnu_file_blank1"),
                QStringLiteral("&Back to main meu"));
    QMenu* edit = addMenu("mnu_edit", QStringLiteral("&Edit"));
    mnu_edit_add = addMenuEntry(edit, "mnu_edit_add", QStringLiteral("&Add troop"),
                                [this] { AddPythonTroop(); });
    mnu_edit_del = addMenuEntry(edit, "mnu_edit_del", QStringLiteral("&Delete troop"),
                                [this] { cmdDeleteTroop_Click(); });
    Named(edit->addSeparator(), "mnu_editor_blank1");
    mnu_edit_scan = addMenuEntry(edit, "mnu_edit_scan", QStringLiteral("Scan module_troops.py"),
                                 [this] { ScanPythonTroops(); });
    m_view.addMenu(true);
    std::vector<EditorSwitchEntry> editors = PythonEditorSwitch(QStringLiteral("mnu_editor_"));
    editors[4].caption = QStringLiteral("module_faction.py");
    addEditorSwitchMenu("mnu_pythonedit", QStringLiteral("&Python editor"), editors,
                        ShowPythonTroops);
    addHelpMenu(QStringLiteral("?"));
}

void frmPythonTroops::formLoad() {
    setWindowTitle(WindowCaption(QStringLiteral("  - Phyton troop editor")));
    SetScreenWidth(ScreenWidth);
    SetListFontSize(ListFontSize);
    CurTroopLine = -1;
    frameTroop->setEnabled(false);
    frameEdit->setEnabled(false);
    // Nothing to show before a troop is chosen.
    framePython->setEnabled(false);
    frameTroopList->setEnabled(false);
    lblTroopEditor->setText(QStringLiteral("Troop Editor\n") + ModuleSystemDirectory +
                            QStringLiteral("module_troops.py"));

    m_flagRows = PythonTroopFlagVocabulary();
    SetRowsWithSeparators(lstFlags, m_flagRows, IsPythonTroopFlagSeparator);
    cmbProfi->setRows(PythonTroopProficiencyCaptions());
    cmbProfi->setListIndex(0);
    cmbSkills->setRows(PythonTroopSkillConstants());
    cmbAttrib->setRows(PythonTroopAttributeConstants());
    UnsavedTroops = false;
    BackToMain = false;

    LoadPythonItems();
    LoadPythonTroops();
    FillAvailableItems();
    FillPythonTroopList();
    FillUpgradeCombos();
    frameTroopList->setEnabled(true);
}

// ---- Lists and filters

void frmPythonTroops::FillPythonTroopList() {
    m_troopRows = BuildPythonEntryRows(PyTroopLines, PyTroopMax, TroopRows);
    lstTroops->setRows(m_troopRows.texts);
    lblTroops->setText(QStringLiteral("List of troops (") + QString::number(m_troopRows.count()) +
                       u')');
    selectShownRowQuietly();
}

void frmPythonTroops::FillUpgradeCombos() {
    const QStringList ids = PythonEntryIds(PyTroopLines, PyTroopMax, TroopRows.opener);
    cmbUpgrade1->setRows(ids);
    cmbUpgrade2->setRows(ids);
}

void frmPythonTroops::FillAvailableItems() {
    m_itemRows = BuildPythonEntryRows(PyItemLines, PyItemMax, ItemRows);
    lstAvailableItems->setRows(m_itemRows.texts);
    lblItems->setText(QStringLiteral("Available items (") + QString::number(m_itemRows.count()) +
                      u')');
}

void frmPythonTroops::selectShownRowQuietly() {
    // A rebuilt list keeps the shown troop marked, without showing it anew
    // (which would throw away what the form holds).
    ChooseRowQuietly(lstTroops, int(m_troopRows.lines.indexOf(CurTroopLine)));
}

void frmPythonTroops::cmdFilterTroops_Click() {
    const FilterResult result = m_troopFilter.runRows(
        m_troopRows,
        [](const QString& filter) {
            return BuildPythonEntryRows(PyTroopLines, PyTroopMax, TroopRows, filter);
        },
        [this] { FillPythonTroopList(); });
    TroopFilterActive = result == FilterResult::Hits;
    if (TroopFilterActive)
        selectShownRowQuietly();
}

void frmPythonTroops::cmdFilterItems_Click() {
    m_itemFilter.runRows(
        m_itemRows,
        [](const QString& filter) {
            return BuildPythonEntryRows(PyItemLines, PyItemMax, ItemRows, filter);
        },
        [this] { FillAvailableItems(); });
}

// ---- Showing a troop

void frmPythonTroops::lstTroops_Click() {
    const int row = lstTroops->listIndex();
    CurTroopLine = FindPythonEntryLine(m_troopRows, row, PyTroopLines, TroopRows.opener);
    EnableTroopButtons(false);
    ShowPythonTroop();
    cmdUpdate->setText(QStringLiteral("Update Troop"));
    frameAdd->setEnabled(true);
    framePython->setEnabled(true);
    // With nothing shown the troop cannot be edited or updated, but what was
    // changed before can still be saved.
    frameTroop->setEnabled(CurTroopLine >= 0);
    frameEdit->setEnabled(true);
    cmdUpdate->setEnabled(CurTroopLine >= 0 && m_troopReadable);
}

void frmPythonTroops::clearTroopFields() {
    m_inventory.lstItems->clear();
    lstFlags->clearSelection();
    cmbProfi->setListIndex(0);
    cmbAttrib->setListIndex(-1);
    txtAttrib->clear();
    cmbSkills->setListIndex(-1);
    txtSkills->clear();
    for (QLineEdit* box : {txtTroopID, txtTroopName, txtTroopNamePl, txtScene, txtReserved,
                           txtFaction, txtFace1, txtFace2, txtTroopImage})
        box->clear();
    lstSkills->clear();
    lstAttrib->clear();
    cmbUpgrade1->setEditText(QString());
    cmbUpgrade2->setEditText(QString());
    showComputedFields(m_shownTroop);
    showItemCount();
}

void frmPythonTroops::ShowPythonTroop() {
    // Every field is cleared first, so nothing of the troop shown before can
    // slip into this one.
    m_shownTroop = PythonTroop();
    m_shownPaths = PythonUpgrade();
    m_troopReadable = false;
    clearTroopFields();
    if (CurTroopLine < 0)
        return;

    const PythonTroopParse parsed = ParsePythonTroop(PyTroopLines[CurTroopLine]);
    m_troopReadable = parsed.complete;
    const int knownFlags = int(m_flagRows.size());
    QList<int> selected;
    const PythonTroop shown = PythonTroopAsShown(parsed.troop, m_flagRows, &selected);
    m_shownTroop = shown;
    if (m_flagRows.size() > knownFlags)
        lstFlags->addItems(m_flagRows.mid(knownFlags));
    showTroopFields(shown, selected);

    const int upgrade = FindUpgradeLine(PyTroopLines, PyTroopMax, shown.id);
    if (upgrade >= 0) {
        m_shownPaths = *ParseUpgradeLine(PyTroopLines[upgrade]);
        cmbUpgrade1->setEditText(m_shownPaths.target1);
        cmbUpgrade2->setEditText(m_shownPaths.target2);
    }
    if (!parsed.complete)
        RefuseIncompleteEntry(QStringLiteral("troop"), QStringLiteral("module_troops.py"));
}

void frmPythonTroops::showTroopFields(const PythonTroop& t, const QList<int>& flagRows) {
    txtTroopID->setText(t.id);
    txtTroopName->setText(t.name);
    txtTroopNamePl->setText(t.namePl);
    showComputedFields(t);
    for (int row : flagRows)
        lstFlags->item(row)->setSelected(true);
    {
        const QSignalBlocker quiet(lstFlags);
        lstFlags->setCurrentRow(-1, QItemSelectionModel::NoUpdate);
    }
    txtScene->setText(t.scene);
    txtReserved->setText(t.reserved);
    txtFaction->setText(t.faction);
    m_inventory.lstItems->setRows(t.items);
    showItemCount();
    lstAttrib->setRows(t.attributes);
    txtProfi->setText(t.proficiencies);
    lstSkills->setRows(t.skills);
    txtFace1->setText(t.face1);
    txtFace2->setText(t.face2);
    txtTroopImage->setText(t.image);
}

void frmPythonTroops::showComputedFields(const PythonTroop& t) {
    // What Python computes is shown as written and cannot be changed here;
    // the tip holds it whole where the box is too narrow for it.
    for (auto [box, field, text] : {std::tuple{txtTroopName, PythonTroopField::Name, t.name},
                                    std::tuple{txtTroopNamePl, PythonTroopField::NamePl, t.namePl}})
        ShowReadOnly(box, t.isComputed(field),
                     t.isComputed(field) ? ComputedFieldTip(text) : QString());
    const bool items = !t.isComputed(PythonTroopField::Items);
    const InventoryControls& inv = m_inventory;
    for (QWidget* control :
         std::initializer_list<QWidget*>{inv.cmdItemUp, inv.cmdItemDown, inv.cmdRemoveItem,
                                         inv.cmdAddItem, inv.txtItemNr, inv.cmdAddItemNr})
        control->setEnabled(items);
    ShowReadOnly(inv.lstItems, !items, items ? QString() : ComputedFieldTip(t.items.value(0)));
}

void frmPythonTroops::showItemCount() {
    // The commands that change the inventory are off while Python computes
    // it, so only a show comes here then.
    if (!m_shownTroop.isComputed(PythonTroopField::Items))
        return m_inventory.showCount();
    InvItemCount = m_inventory.lstItems->count();
    frameItems->setTitle(QStringLiteral("Items (a Python expression, read-only)"));
}

// ---- Storing a troop

PythonTroop frmPythonTroops::formTroop() const {
    PythonTroop t;
    t.id = txtTroopID->text();
    t.name = txtTroopName->text();
    t.namePl = txtTroopNamePl->text();
    for (int r = 0; r < lstFlags->count(); ++r) {
        if (lstFlags->item(r)->isSelected())
            t.flags.append(lstFlags->item(r)->text());
    }
    t.scene = txtScene->text();
    t.reserved = txtReserved->text();
    t.faction = txtFaction->text();
    t.items = ListTexts(m_inventory.lstItems);
    t.attributes = ListTexts(lstAttrib);
    t.proficiencies = txtProfi->text();
    t.skills = ListTexts(lstSkills);
    t.face1 = txtFace1->text();
    t.face2 = txtFace2->text();
    t.image = txtTroopImage->text();
    t.extra = m_shownTroop.extra;
    t.facesLeftOut = m_shownTroop.facesLeftOut;
    // What Python computes goes back as it was read, whatever the controls hold.
    t.computed = m_shownTroop.computed;
    if (t.isComputed(PythonTroopField::Name))
        t.name = m_shownTroop.name;
    if (t.isComputed(PythonTroopField::NamePl))
        t.namePl = m_shownTroop.namePl;
    if (t.isComputed(PythonTroopField::Items))
        t.items = m_shownTroop.items;
    return t;
}

PythonUpgrade frmPythonTroops::formPaths() const {
    return {txtTroopID->text(), cmbUpgrade1->currentText(), cmbUpgrade2->currentText()};
}

bool frmPythonTroops::formTextsAcceptable() {
    auto problem = CheckPythonTroopForm(formTroop(), formPaths(), m_shownTroop, m_shownPaths);
    if (const auto bad = UnstorablePythonTroopField(formTroop(), formPaths(), m_shownTroop,
                                                    m_shownPaths, PyTroopCoding())) {
        RefuseUnstorableChar(bad->field, bad->character, QStringLiteral("module_troops.py"));
        problem = {PythonTroopFormFault::Unreadable, PythonTroopField(std::max(bad->index, 0)),
                   std::max(-bad->index, 0)};
    } else if (!problem) {
        return true;
    } else {
        RefusePythonTroopForm(*problem);
    }
    // The controls in the order of the fields; the fields behind the image
    // and the entry as a whole have none.
    QWidget* const controls[] = {txtTroopID, txtTroopName, txtTroopNamePl, lstFlags,
                                 txtScene,   txtReserved,  txtFaction,     m_inventory.lstItems,
                                 lstAttrib,  txtProfi,     lstSkills,      txtFace1,
                                 txtFace2,   txtTroopImage};
    if (problem->upgradePath > 0)
        (problem->upgradePath == 1 ? cmbUpgrade1 : cmbUpgrade2)->setFocus();
    else if (int(problem->field) < int(std::size(controls)))
        controls[int(problem->field)]->setFocus();
    return false;
}

bool frmPythonTroops::UpdatePythonTroop(bool showMessage) {
    if (!TroopAddMode && (CurTroopLine < 0 || !m_troopReadable)) {
        RefuseInput(CurTroopLine < 0
                        ? QStringLiteral("Please select a troop first!")
                        : IncompleteEntryText(QStringLiteral("troop"), QStringLiteral("updated")));
        return false;
    }
    // A blank dropped or put in by an input method goes the way of a typed one.
    if (txtTroopID->text() != m_shownTroop.id)
        txtTroopID->setText(txtTroopID->ruledText());
    const bool adding = TroopAddMode;
    const QString u1 = cmbUpgrade1->currentText();
    const QString u2 = cmbUpgrade2->currentText();
    const QString id = txtTroopID->text();
    // Unchanged fields leave the entry as read, unchanged paths its upgrade line.
    const bool entryChanged = adding || !PythonTroopUnchanged(formTroop(), m_shownTroop);
    const bool pathsChanged = !SameUpgradePaths({id, u1, u2}, m_shownPaths);
    if (!entryChanged && !pathsChanged) {
        if (showMessage)
            ShowEntryUnchanged(QStringLiteral("troop"), QStringLiteral("module_troops.py"));
        return true;
    }
    if (!formTextsAcceptable())
        return false;
    if (adding && PythonIdUsed(PyTroopLines, PyTroopMax, id, TroopRows.opener)) {
        ShowInformation(
            QStringLiteral("This troop ID is used by another item. Please change the ID!"));
        txtTroopID->setFocus();
        txtTroopID->setCursorPosition(int(id.size()));
        return false;
    }

    const QString entry = BuildPythonTroopEntry(formTroop());
    // A row names the troop by its second string, as the list does.
    const QString name = PythonEntryName(entry);
    const QString oldId = m_shownTroop.id;
    int leadingToOldId = 0;
    if (adding) {
        InsertPythonEntry(PyTroopLines, PyTroopMax, InsertTroopLine, entry, &PyTroopLastEntry);
        listNewTroop();
        EnableTroopButtons(false);
        WriteUpgradeLine(PyTroopLines, PyTroopMax, id, u1, u2);
    } else {
        if (entryChanged) {
            PyTroopLines[CurTroopLine] = entry;
            m_shownTroop = PythonTroopAsShown(ParsePythonTroop(entry).troop, m_flagRows);
        }
        const int r = lstTroops->listIndex();
        SetRowText(lstTroops, m_troopRows.texts, r, PythonEntryRow(TroopRows, r + 1, id, name));
        leadingToOldId =
            StorePythonTroopPaths(PyTroopLines, PyTroopMax, oldId, {id, u1, u2}, pathsChanged);
    }
    m_shownPaths = PythonUpgrade{id, u1, u2};
    FillUpgradeCombos();
    cmbUpgrade1->setEditText(u1);
    cmbUpgrade2->setEditText(u2);
    UnsavedTroops = true;

    if (showMessage && adding) {
        ShowResult(
            QStringLiteral("Troop added..."),
            PythonEntryAddedText(QStringLiteral("Troop"), PyTroopFileLine(InsertTroopLine), id),
            entry);
    } else if (showMessage) {
        ShowResult(QStringLiteral("Troop updated..."),
                   PythonEntryUpdatedText(QStringLiteral("Troop"), lstTroops->listIndex(), id,
                                          UpgradePathsLeftNote(leadingToOldId, oldId)),
                   PyTroopLines[CurTroopLine]);
    }
    return true;
}

void frmPythonTroops::listNewTroop() {
    const QString id = txtTroopID->text();
    const QString filter = txtFilterTroops->text();
    if (TroopFilterActive && !StrContains(id, filter)) {
        // The new troop does not pass the filter: it joins the list as it is.
        m_troopRows.elementInserted(InsertTroopLine);
        // Rows of a filtered list are numbered by their place in it.
        const QString row =
            PythonEntryRow(TroopRows, m_troopRows.count() + 1, id, txtTroopName->text());
        m_troopRows.append(row, InsertTroopLine);
        lstTroops->addItem(row);
        lstTroops->setListIndex(lstTroops->count() - 1);
        return;
    }
    if (TroopFilterActive)
        cmdFilterTroops_Click();
    else
        FillPythonTroopList();
    lstTroops->setListIndex(int(m_troopRows.lines.indexOf(InsertTroopLine)));
}

void frmPythonTroops::EnableTroopButtons(bool addMode) {
    TroopAddMode = addMode;
    for (QPushButton* b : {cmdSave, cmdDeleteTroop, cmdAddTroop, cmdUpdate, cmdShowPython})
        b->setEnabled(!addMode);
    mnu_edit_del->setEnabled(!addMode);
    mnu_edit_add->setEnabled(!addMode);
}

// ---- Adding, deleting, rewriting

void frmPythonTroops::AddPythonTroop() {
    const int r = lstTroops->listIndex();
    if (RefusePythonTroopModel(
            CheckPythonEntryModel(CurTroopLine, PyTroopHardwired, r, m_troopReadable)))
        return;
    const int choice = AskPythonNewEntry(
        QStringLiteral("Add new troop?"),
        PythonNewEntryText(QStringLiteral("troop"), r + 1,
                           QStringLiteral("Hit 'Add troop' in the troop editor form to complete "
                                          "the process. Selecting a troop from the list will "
                                          "abort adding a troop.")));
    if (choice == 0)
        return;
    if (choice == 1) {
        // Behind the last entry of the list, wherever comments stand after it.
        InsertTroopLine =
            PythonEndInsertLine(PyTroopLines, PyTroopMax, PyTroopLastEntry, TroopListFormat);
    } else {
        InsertTroopLine = CurTroopLine + 1;
    }
    TemplateTroopRow = r;
    EnableTroopButtons(true);
    // The new troop's names are plain strings; its other fields are the template's.
    m_shownTroop.computed.removeAll(PythonTroopField::Name);
    m_shownTroop.computed.removeAll(PythonTroopField::NamePl);
    showComputedFields(m_shownTroop);
    txtTroopID->setText(QStringLiteral("new_troop1"));
    txtTroopName->setText(QStringLiteral("New troop"));
    txtTroopNamePl->setText(QStringLiteral("New troops"));
    cmdUpdate->setText(QStringLiteral("Add troop"));
    cmdUpdate->setEnabled(true);
}

void frmPythonTroops::cmdDeleteTroop_Click() {
    const int r = lstTroops->listIndex();
    if (RefusePythonTroopDelete(CheckPythonEntryDelete(PyTroopLines, CurTroopLine, PyTroopHardwired,
                                                       r, TroopRows.opener)))
        return;
    if (!ConfirmPythonEntryDelete(QStringLiteral("troop"), QStringLiteral("troops"), r + 1,
                                  PythonEntryId(PyTroopLines[CurTroopLine])))
        return;
    TemplateTroopRow = r;
    DeletePythonTroop();
}

void frmPythonTroops::DeletePythonTroop() {
    // The upgrade lines that go are those of the deleted entry's own id,
    // whatever the id box holds.
    if (!DeletePythonTroopEntry(PyTroopLines, PyTroopMax, PyTroopLastEntry, CurTroopLine))
        return;
    CurTroopLine = -1;
    if (TroopFilterActive)
        cmdFilterTroops_Click();
    else
        FillPythonTroopList();
    FillUpgradeCombos();
    // The row after the deleted one, or the new last row; none at all leaves
    // nothing shown and nothing to update.
    lstTroops->setListIndex(std::min(TemplateTroopRow, lstTroops->count() - 1));
    UnsavedTroops = true;
    ShowInformation(QStringLiteral("Selected troop has been deleted!"));
}

void frmPythonTroops::ScanPythonTroops() {
    if (AskRewriteAll(
            QStringLiteral("troops"), QStringLiteral("troop"), QStringLiteral("module_troops.py"),
            QStringLiteral("Also all unknown flags, attributes and skill constants will be "
                           "scanned.")) == MsgAnswer::No)
        return;
    txtFilterTroops->clear();
    cmdFilterTroops_Click();

    // The pass runs on the table itself; the window is brought up to date once
    // at its end.
    const int knownFlags = int(m_flagRows.size());
    const PythonRewriteResult result = runBusy([this] {
        return RewriteAllPythonTroops(PyTroopLines, PyTroopMax, m_troopRows.lines, m_flagRows);
    });
    if (m_flagRows.size() > knownFlags)
        lstFlags->addItems(m_flagRows.mid(knownFlags));
    if (result.rewritten > 0)
        UnsavedTroops = true;
    FillPythonTroopList();
    FillUpgradeCombos();
    if (lstTroops->count() > 1)
        lstTroops->setListIndex(lstTroops->count() - 1);

    ShowRewriteAllDone(QStringLiteral("troops"), QStringLiteral("troop"), result.rewritten,
                       result.unchanged, result.skipped);
}

// ---- Commands

void frmPythonTroops::cmdShowPython_Click() {
    ShowStoredPythonEntry(QStringLiteral("troop"), PyTroopLines, CurTroopLine);
}

// ---- Inventory, attributes, skills, proficiencies

void frmPythonTroops::addInventoryItem(int row) {
    if (row < 0 || row >= m_itemRows.count())
        return;
    m_inventory.append(InventoryItemRow(PyItemLines[m_itemRows.lines[row]]));
}

void frmPythonTroops::cmdAddItem_Click() {
    if (!m_inventory.full())
        addInventoryItem(lstAvailableItems->listIndex());
}

void frmPythonTroops::cmdAddItemNr_Click() {
    if (!m_inventory.takesNumber())
        return;
    const ItemNumberChoice choice =
        ChooseItemByNumber(m_inventory.txtItemNr->text(), m_itemRows.count());
    if (choice.row < 0)
        RefuseInput(choice.refusal);
    else
        addInventoryItem(choice.row);
}

void frmPythonTroops::cmbProfi_Click() {
    const int row = cmbProfi->listIndex();
    if (row >= 0 && row < PythonTroopProficiencyTemplates().size())
        txtProfi->setText(PythonTroopProficiencyTemplates()[row]);
}

// ---- Input rules

void frmPythonTroops::txtTroopID_LostFocus() {
    const QString id = TypedPythonId(txtTroopID->text(), TroopRows.prefix);
    if (id != txtTroopID->text())
        txtTroopID->setText(id);
}

void frmPythonTroops::txtTroopImage_LostFocus() {
    const bool image = !txtTroopImage->text().isEmpty();
    for (QLineEdit* face : {txtFace1, txtFace2}) {
        if (image && face->text().isEmpty())
            face->setText(QStringLiteral("0"));
        else if (!image && face->text() == QStringLiteral("0"))
            face->clear();
    }
}

QWidget* ShowPythonTroops() {
    auto* window = new frmPythonTroops;
    window->show();
    return window;
}
