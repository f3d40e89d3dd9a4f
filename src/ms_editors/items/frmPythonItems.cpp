#include "ms_editors/items/frmPythonItems.h"

#include "module_system/PythonEntryTable.h"
#include "module_system/frmPythonNewEntry.h"
#include "module_system/modPythonFiles.h"
#include "module_system/modPythonItems.h"
#include "ms_editors/items/PythonItemLists.h"
#include "platform/MessageBox.h"
#include "platform/gui/Controls.h"
#include "platform/gui/InputBox.h"
#include "platform/gui/Layout.h"
#include "platform/gui/ListRows.h"
#include "shell/EditorFactories.h"
#include "shell/EditorMessages.h"
#include "shell/modMain.h"

#include <QGroupBox>
#include <QLabel>
#include <QMenu>
#include <QPushButton>

namespace {

// A name that Python computes is shown as written and cannot be changed here;
// the tip holds it whole where the box is too narrow for it.
void showComputedName(QLineEdit* box, bool computed) {
    ShowReadOnly(box, computed, computed ? ComputedFieldTip(box->text()) : QString());
}

// Height of the window's content below the menu bar, in twips: with the menu
// bar and a window manager's frame the window fits a screen 768 pixels high
// that a panel shares.
constexpr int ContentHeight = 10320;
// The item list, shorter than its design height of 8340 twips so that the
// window fits that screen.
constexpr int ItemListHeight = 8055;

QStringList selectedRows(const QListWidget* list) {
    QStringList texts;
    for (int r = 0; r < list->count(); ++r) {
        if (list->item(r)->isSelected())
            texts.append(list->item(r)->text());
    }
    return texts;
}

// Rows the vocabulary lists gained (names an entry used that they lacked).
void addNewRows(ListBox* list, const QStringList& rows) {
    if (list->count() < rows.size())
        list->addItems(rows.mid(list->count()));
}

// Sets the selection of a vocabulary list without running its handler, and
// leaves no current row behind for the flag rules to act on.
void selectRows(ListBox* list, const QList<int>& rows) {
    const QSignalBlocker quiet(list);
    list->clearSelection();
    for (int r : rows)
        list->item(r)->setSelected(true);
    list->setCurrentRow(-1, QItemSelectionModel::NoUpdate);
}

} // namespace

frmPythonItems::frmPythonItems(QWidget* parent) : EditorWindow(parent) {
    build("frmPythonItems");
}

void frmPythonItems::buildControls() {
    frameMain = Named(new QFrame(this), "frameMain");
    setCentralWidget(frameMain);
    QWidget* f = frameMain;

    lblItemEditor = AddHeading(f, "lblItemEditor", 120, 30, 6780, 660);
    lblItemEditor->setText(QStringLiteral("Item Editor"));
    lblItems = AddLabel(f, "lblItems", QStringLiteral("List of Items:"));
    lstItems = Named(new ListBox(f), "lstItems");
    Label43 = AddLabel(f, "Label43", QStringLiteral("Filter (search):"));
    txtFilter = AddInputBox(f, "txtFilter");
    cmdFilter = AddButton(f, "cmdFilter", QStringLiteral("Go"));
    lblFilterType = AddLabel(f, "lblFilterType", QStringLiteral("Filter (type):"));
    cmbTypeFilter = Named(new ComboBox(f), "cmbTypeFilter");
    cmdFilerType = AddButton(f, "cmdFilerType", QStringLiteral("Go"));
    cmdResetFilter = AddButton(f, "cmdResetFilter", QStringLiteral("Reset filter"));
    // Seen only while the type filter hides the frames that cover them.
    lblFiltering = AddLabel(f, "lblFiltering",
                            QStringLiteral("Type Flag filter is running... Please be patient!"));
    lblScan = AddLabel(f, "lblScan", QStringLiteral("Scanning item: 0"));

    frameAdd = AddAddDeleteFrame(f, QStringLiteral("Add/Delete Item"), "cmdAddItem", cmdAddItem,
                                 "cmdDeleteItem", cmdDeleteItem);
    framePython = AddShowPythonFrame(f, QStringLiteral("Show item"), cmdShowPython);
    frameEdit =
        AddUpdateSaveFrame(f, "cmdUpdate", QStringLiteral("Update Item"), cmdUpdate, cmdSave);

    frameItem = AddFrame(f, "frameItem", QStringLiteral("Item"));
    buildItemFrame();

    // The long lists have a design font of their own.
    lstItems->setFont(QFont(QStringLiteral("Microsoft Sans Serif")));
    for (ListBox* list : {lstFlags, lstCap, lstModifiers}) {
        list->setFont(QFont(QStringLiteral("Microsoft Sans Serif"), 8));
        list->setSelectionMode(QAbstractItemView::MultiSelection);
    }

    m_filter = ListFilter(txtFilter, lstItems);
    m_filter.setLabel(lblItems, QStringLiteral("List of items"));

    connectControls();
    placeDesign();
}

void frmPythonItems::buildItemFrame() {
    using Keys = InputBox::Keys;
    QWidget* t = frameItem;
    AddLabel(t, "lblItemID", QStringLiteral("Item ID:"), 120, 330, 900);
    txtItemID = AddInputBox(t, "txtItemID", Keys::BlankToUnderscore);
    AddLabel(t, "lblItemName", QStringLiteral("Item name:"), 4140, 330, 900);
    txtItemName = AddInputBox(t, "txtItemName");
    AddLabel(t, "lblCost", QStringLiteral("Cost:"), 8415, 330, 600);
    txtCost = AddInputBox(t, "txtCost");
    AddLabel(t, "lblMeshes", QStringLiteral("Meshes:"), 120, 690, 900);
    txtMeshes = AddInputBox(t, "txtMeshes");
    AddLabel(t, "lblFlags", QStringLiteral("Flags:"), 120, 1080, 2820);
    lstFlags = Named(new ListBox(t), "lstFlags");
    AddLabel(t, "lblCap", QStringLiteral("Capabilities:"), 3000, 1080, 2730);
    lstCap = Named(new ListBox(t), "lstCap");
    AddLabel(t, "lblModifiers", QStringLiteral("Modifiers:"), 5790, 1080, 2910);
    lstModifiers = Named(new ListBox(t), "lstModifiers");
    AddLabel(t, "lblValues", QStringLiteral("Values:"), 8820, 1080, 2535);
    for (int k = 0; k < PythonItemStatBoxCount; ++k) {
        const QString n = QString::number(k);
        lblStat[k] = new QLabel(QStringLiteral("lblStat:"), t);
        lblStat[k]->setObjectName(QStringLiteral("lblStat") + n);
        txtStat[k] = new InputBox(Keys::Any, 0, t);
        txtStat[k]->setObjectName(QStringLiteral("txtStat") + n);
        txtStat[k]->onEnter = [] {};
    }
    AddLabel(t, "lblTrigger", QStringLiteral("Trigger:"), 120, 8715, 900);
    txtTrigger = AddInputBox(t, "txtTrigger");
    AddLabel(t, "lblFaction", QStringLiteral("Factions:"), 120, 9075, 900);
    txtFaction = AddInputBox(t, "txtFaction");
}

void frmPythonItems::connectControls() {
    connect(lstItems, &ListBox::click, this, [this] { lstItems_Click(); });
    connect(lstFlags, &ListBox::click, this, [this] { lstFlags_Click(); });
    connect(cmdFilter, &QPushButton::clicked, this, [this] { cmdFilter_Click(); });
    connect(cmdFilerType, &QPushButton::clicked, this, [this] { cmdFilerType_Click(); });
    connect(cmdResetFilter, &QPushButton::clicked, this, [this] { cmdResetFilter_Click(); });
    txtFilter->onEnter = [this] { cmdFilter_Click(); };
    connect(cmdAddItem, &QPushButton::clicked, this, [this] { AddPythonItem(); });
    connect(cmdDeleteItem, &QPushButton::clicked, this, [this] { cmdDeleteItem_Click(); });
    connect(cmdShowPython, &QPushButton::clicked, this, [this] { cmdShowPython_Click(); });
    connect(cmdUpdate, &QPushButton::clicked, this, [this] { UpdatePythonItem(true); });
    connect(cmdSave, &QPushButton::clicked, this,
            [this] { saveFile(SavePythonItems, UnsavedItems); });
    // Enter does nothing in the entry's boxes.
    for (InputBox* box : {txtItemID, txtItemName, txtMeshes, txtCost, txtTrigger, txtFaction})
        box->onEnter = [] {};
    txtItemID->onLostFocus = [this] { txtItemID_LostFocus(); };
    txtTrigger->holdBracketedList();
    txtFaction->holdBracketedList();
}

void frmPythonItems::buildMenus() {
    addFileMenu(QStringLiteral("mnu_file_main"), QStringLiteral("mnu_file_blank2"));
    QMenu* edit = addMenu("mnu_edit", QStringLiteral("&Edit"));
    mnu_edit_delete = addMenuEntry(edit, "mnu_edit_delete", QStringLiteral("&Delete item"),
                                   [this] { cmdDeleteItem_Click(); });
    mnu_edit_add = addMenuEntry(edit, "mnu_edit_add", QStringLiteral("&Add item"),
                                [this] { AddPythonItem(); });
    Named(edit->addSeparator(), "mnu_edit_blank1");
    mnu_edit_hardtest =
        addMenuEntry(edit, "mnu_edit_hardtest", QStringLiteral("Scan module_items.py"),
                     [this] { ScanPythonItems(); });
    m_view.addMenu(true);
    addEditorSwitchMenu("mnu_select", QStringLiteral("&Python editor"), PythonEditorSwitch(),
                        ShowPythonItems);
    addHelpMenu();
}

// Positions that do not depend on the screen width, then the width rules by
// which SetScreenWidth sets the others.
void frmPythonItems::placeDesign() {
    Place({
        {frameAdd, 7020, 0, 2235, 720},
        {cmdAddItem, 120, 270, 960, 375},
        {cmdDeleteItem, 1155, 270, 960, 375},
        {framePython, 9345, 0, 1830, 720},
        {cmdShowPython, 120, 270, 1590, 375},
        {frameEdit, 11265, 0, 3945, 720},
        {cmdUpdate, 120, 270, 1800, 375},
        {cmdSave, 2010, 270, 1800, 375},

        {lblItems, 120, 780, 3600, 255},
        {lstItems, 120, 1050, 3600, ItemListHeight},
        {Label43, 45, 9195, 1125, 255},
        {txtFilter, 1170, 9165, 1770, 315},
        {cmdFilter, 2970, 9150, 705, 345},
        {lblFilterType, 45, 9570, 1125, 255},
        {cmbTypeFilter, 1170, 9540, 1770, 315},
        {cmdFilerType, 2970, 9525, 705, 345},
        {cmdResetFilter, 120, 9915, 3600, 345},
        {lblFiltering, 3900, 4500, 6000, 255},
        {lblScan, 3900, 4860, 3000, 255},

        {frameItem, 3750, 780, 11475, 9480},
        {txtItemID, 1020, 300, 3000, 315},
        {txtItemName, 5040, 300, 3255, 315},
        {txtCost, 9015, 300, 2340, 315},
        {txtMeshes, 1020, 660, 10335, 315},
        // The modifier list a little wider than the others, so that its
        // longest name stands clear of the scroll bar; the capabilities scroll
        // anyway.
        {lstFlags, 120, 1350, 2820, 7215},
        {lstCap, 3000, 1350, 2730, 7215},
        {lstModifiers, 5790, 1350, 2910, 7215},
        {txtTrigger, 1020, 8685, 10335, 315},
        {txtFaction, 1020, 9045, 10335, 315},
    });
    // The scan labels lie behind the item frame, seen only while it is hidden.
    frameItem->setAutoFillBackground(true);
    for (int k = 0; k < PythonItemStatBoxCount; ++k) {
        Place(lblStat[k], 8820, 1380 + 345 * k, 1380, 255);
        Place(txtStat[k], 10230, 1350 + 345 * k, 1125, 315);
    }

    m_view.setLists({lstItems});
    using enum WidthRule::Edge;
    m_view.setLayout(frameMain, 15270, 19110, ContentHeight,
                     {
                         {lblItemEditor, Width, 6780, 10605},
                         {lblItems, Width, 3600, 7350},
                         {lstItems, Width, 3600, 7350},
                         {txtFilter, Width, 1770, 5535},
                         {cmbTypeFilter, Width, 1770, 5535},
                         {cmdFilter, Left, 2970, 6765},
                         {cmdFilerType, Left, 2970, 6765},
                         {cmdResetFilter, Width, 3600, 7380},
                         {frameItem, Left, 3750, 7575},
                         {lblFiltering, Left, 3900, 7725},
                         {lblScan, Left, 3900, 7725},
                         {frameAdd, Left, 7020, 10845},
                         {framePython, Left, 9345, 13170},
                         {frameEdit, Left, 11265, 15090},
                     });
}

void frmPythonItems::formLoad() {
    setWindowTitle(WindowCaption(QStringLiteral("  - Phyton item editor")));
    SetScreenWidth(ScreenWidth);
    SetListFontSize(ListFontSize);
    CurItemLine = -1;
    lblItemEditor->setText(QStringLiteral("Item Editor\n") + ModuleSystemDirectory +
                           QStringLiteral("module_items.py"));
    for (QWidget* frame : {static_cast<QWidget*>(frameAdd), static_cast<QWidget*>(framePython),
                           static_cast<QWidget*>(frameEdit), static_cast<QWidget*>(frameItem)})
        frame->setEnabled(false);

    m_lists = InitialPythonItemNameLists();
    const std::pair<ListBox*, const QStringList*> vocabulary[] = {
        {lstFlags, &m_lists.flags},
        {lstCap, &m_lists.capabilities},
        {lstModifiers, &m_lists.modifiers}};
    for (const auto& [list, rows] : vocabulary)
        SetRowsWithSeparators(list, *rows, IsPythonItemSeparator);
    cmbTypeFilter->setRows(PythonItemTypes());
    cmbTypeFilter->setListIndex(0);
    clearItemFields();
    UnsavedItems = false;
    BackToMain = false;

    LoadPythonItems();
    FillPythonItemList();
}

// ---- The item list and its filters

void frmPythonItems::FillPythonItemList() {
    m_rows = BuildPythonItemRows(PyItemLines, PyItemMax);
    lstItems->setRows(m_rows.texts);
    lblItems->setText(QStringLiteral("List of items (") + QString::number(m_rows.count()) + u')');
    selectShownRowQuietly();
}

void frmPythonItems::selectShownRowQuietly() {
    // A rebuilt list keeps the shown item marked, without showing it anew
    // (which would throw away what the form holds).
    ChooseRowQuietly(lstItems, int(m_rows.lines.indexOf(CurItemLine)));
}

void frmPythonItems::cmdFilter_Click() {
    const FilterResult result = m_filter.runRows(
        m_rows,
        [](const QString& filter) { return BuildPythonItemRows(PyItemLines, PyItemMax, filter); },
        [this] { FillPythonItemList(); });
    ItemFilterOn = result == FilterResult::Hits;
    if (ItemFilterOn) {
        cmdUpdate->setEnabled(false);
        selectShownRowQuietly();
    }
}

void frmPythonItems::cmdResetFilter_Click() {
    txtFilter->clear();
    cmdFilter_Click();
}

void frmPythonItems::cmdFilerType_Click() {
    QWidget* const covering[] = {frameItem,   frameEdit,    frameAdd,
                                 framePython, cmdFilerType, cmdFilter};
    for (QWidget* w : covering)
        w->hide();
    lblScan->setText(QStringLiteral("Scanning item: 0"));
    repaint();

    // The types come from the parsed flags, so the form keeps the shown item.
    const PythonItemTypeFilter found = FilterPythonItemsByType(
        PyItemLines, PyItemMax, cmbTypeFilter->currentText(), m_lists.flags);
    addNewRows(lstFlags, m_lists.flags);
    m_rows = found.rows;
    lstItems->setRows(m_rows.texts);
    for (qsizetype i = 0; i < found.flagsNotFound.size(); ++i)
        reportFlagsNotFound();
    lblItems->setText(QStringLiteral("List of items (") + QString::number(m_rows.count()) +
                      QStringLiteral(", filtered)"));

    for (QWidget* w : covering)
        w->show();
    ItemFilterOn = true;
    cmdUpdate->setEnabled(false);
    selectShownRowQuietly();
}

void frmPythonItems::reportFlagsNotFound() {
    MsgBox(QStringLiteral("Error. Item flags not found!"), MsgButtons::Ok, MsgIcon::Exclamation,
           QStringLiteral("Item flags not found..."));
}

// ---- Showing an item

void frmPythonItems::lstItems_Click() {
    CurItemLine = FindPythonEntryLine(m_rows, lstItems->listIndex(), PyItemLines, ItemRows.opener);
    SetItemAddMode(false);
    ShowPythonItem();
    cmdUpdate->setText(QStringLiteral("Update Item"));
    frameAdd->setEnabled(true);
    framePython->setEnabled(true);
    frameEdit->setEnabled(true);
    // With nothing shown the item cannot be edited or updated, but what was
    // changed before can still be saved.
    frameItem->setEnabled(CurItemLine >= 0);
    cmdUpdate->setEnabled(CurItemLine >= 0 && m_itemReadable);
}

void frmPythonItems::lstFlags_Click() {
    QList<bool> chosen;
    for (int r = 0; r < lstFlags->count(); ++r)
        chosen.append(lstFlags->item(r)->isSelected());
    const bool capabilities =
        ApplyPythonItemFlagRules(m_lists.flags, chosen, lstFlags->currentRow());
    const QSignalBlocker quiet(lstFlags);
    for (int r = 0; r < lstFlags->count(); ++r)
        lstFlags->item(r)->setSelected(chosen[r]);
    lstCap->setEnabled(capabilities);
}

void frmPythonItems::clearItemFields() {
    for (ListBox* list : {lstFlags, lstCap, lstModifiers})
        selectRows(list, {});
    for (int k = 0; k < PythonItemStatBoxCount; ++k) {
        lblStat[k]->clear();
        lblStat[k]->hide();
        txtStat[k]->setText(QStringLiteral("0"));
        txtStat[k]->hide();
    }
    for (QLineEdit* box : {txtItemID, txtItemName, txtMeshes, txtCost, txtTrigger, txtFaction})
        box->clear();
    showComputedName(txtItemName, false);
    lstCap->setEnabled(true);
}

void frmPythonItems::ShowPythonItem() {
    // Every field is cleared first, so nothing of the item shown before can
    // slip into this one.
    clearItemFields();
    m_shownItem = PythonItem();
    m_statBoxes.clear();
    m_itemReadable = false;
    if (CurItemLine < 0)
        return;

    const PythonItemParse parsed = ParsePythonItem(PyItemLines[CurItemLine]);
    PythonItemChoice rows;
    m_shownItem = PythonItemAsShown(parsed.item, m_lists, &rows);
    m_itemReadable = parsed.complete;
    showNewListRows();
    showItemFields(m_shownItem, rows);
    if (!parsed.flagsFound)
        reportFlagsNotFound();
    if (!parsed.complete)
        RefuseIncompleteEntry(QStringLiteral("item"), QStringLiteral("module_items.py"));
}

void frmPythonItems::showNewListRows() {
    addNewRows(lstFlags, m_lists.flags);
    addNewRows(lstCap, m_lists.capabilities);
    addNewRows(lstModifiers, m_lists.modifiers);
}

void frmPythonItems::showItemFields(const PythonItem& item, const PythonItemChoice& rows) {
    txtItemID->setText(item.id);
    txtItemName->setText(item.name);
    showComputedName(txtItemName, item.computedName);
    txtMeshes->setText(item.meshes);
    selectRows(lstFlags, rows.flags);
    selectRows(lstCap, rows.capabilities);
    selectRows(lstModifiers, rows.modifiers);
    txtCost->setText(item.cost);
    // Stats past the boxes and pieces that are no name(value) stay in the
    // shown item and go back into the entry as they were.
    m_statBoxes = PythonItemStatBoxes(item.stats);
    for (int k = 0; k < m_statBoxes.size(); ++k) {
        const PythonItemStat& stat = item.stats[m_statBoxes[k]];
        lblStat[k]->setText(stat.name);
        lblStat[k]->show();
        txtStat[k]->setText(stat.value);
        txtStat[k]->show();
    }
    if (m_statBoxes.isEmpty()) {
        lblStat[0]->setText(QStringLiteral("no values"));
        lblStat[0]->show();
    }
    txtTrigger->setText(item.triggers);
    txtFaction->setText(item.factions);
}

// ---- Storing an item

PythonItem frmPythonItems::formItem() const {
    // What no control shows (more fields, the remark, stats without a box)
    // comes from the item as it was read.
    PythonItem item = ItemAddMode ? NewPythonItemFrom(m_shownItem) : m_shownItem;
    item.id = txtItemID->text();
    // A name Python computes goes back as it was read.
    if (!item.computedName)
        item.name = txtItemName->text();
    item.meshes = txtMeshes->text();
    item.flags = selectedRows(lstFlags);
    item.capabilities = selectedRows(lstCap);
    item.cost = txtCost->text();
    for (int k = 0; k < m_statBoxes.size(); ++k)
        item.stats[m_statBoxes[k]].value = txtStat[k]->text();
    item.modifiers = selectedRows(lstModifiers);
    item.triggers = txtTrigger->text();
    item.factions = txtFaction->text();
    return item;
}

bool frmPythonItems::formAcceptable() {
    if (txtItemID->text().isEmpty()) {
        RefuseInput(QStringLiteral("Please enter an ID for the item!"));
        txtItemID->setFocus();
        return false;
    }
    // Typed text must be the kind of Python its field takes, and the entry
    // built from the form must read back to the same fields; either way a
    // field typed otherwise would break the item or the file.
    const PythonItem item = formItem();
    const QString file = QStringLiteral("module_items.py");
    // Refuses the first field at fault and gives its caption, or the empty text.
    const auto refused = [&]() -> QString {
        // A typed id or name stays one Python string, read as typed.
        if (QString plain = RefuseChangedNotPlainString(
                {{"Item ID", item.id, m_shownItem.id}, {"Item name", item.name, m_shownItem.name}});
            !plain.isEmpty())
            return plain;
        if (const auto unstorable = UnstorablePythonItemField(item, m_shownItem, PyItemCoding())) {
            RefuseUnstorableChar(unstorable->field, unstorable->character, file);
            return unstorable->field;
        }
        if (const auto mistyped = MistypedPythonItemField(item, m_shownItem)) {
            RefuseMistypedField(*mistyped, file);
            return mistyped->field;
        }
        const QString unreadable = UnreadablePythonItemField(item);
        if (!unreadable.isEmpty())
            RefuseUnreadableField(unreadable, file);
        return unreadable;
    };
    const QString field = refused();
    if (field.isEmpty())
        return true;
    const std::pair<const char*, QWidget*> boxes[] = {
        {"Item ID", txtItemID},  {"Item name", txtItemName}, {"Meshes", txtMeshes},
        {"Cost", txtCost},       {"Values", txtStat[0]},     {"Trigger", txtTrigger},
        {"Factions", txtFaction}};
    for (const auto& [caption, box] : boxes) {
        if (field == QLatin1String(caption) && box->isVisibleTo(this))
            box->setFocus();
    }
    return false;
}

bool frmPythonItems::UpdatePythonItem(bool showMessage) {
    if (!ItemAddMode && (CurItemLine < 0 || !m_itemReadable)) {
        RefuseInput(CurItemLine < 0
                        ? QStringLiteral("Please select an item first!")
                        : IncompleteEntryText(QStringLiteral("item"), QStringLiteral("updated")));
        return false;
    }
    // A blank dropped or put in by an input method goes the way of a typed one.
    if (txtItemID->text() != m_shownItem.id)
        txtItemID->setText(txtItemID->ruledText());
    // Nothing changed: the entry keeps its lines as read, and nothing is left to save.
    if (!ItemAddMode && PythonItemUnchanged(formItem(), m_shownItem)) {
        if (showMessage)
            ShowEntryUnchanged(QStringLiteral("item"), QStringLiteral("module_items.py"));
        return true;
    }
    if (!formAcceptable())
        return false;
    const QString id = txtItemID->text();
    if (ItemAddMode && PythonIdUsed(PyItemLines, PyItemMax, id, ItemRows.opener)) {
        ShowInformation(
            QStringLiteral("This item ID is used by another item. Please change the ID!"));
        txtItemID->setFocus();
        txtItemID->setCursorPosition(int(id.size()));
        return false;
    }

    const PythonItem item = formItem();
    const QString entry = BuildPythonItemEntry(item);
    if (ItemAddMode) {
        InsertPythonEntry(PyItemLines, PyItemMax, InsertItemLine, entry);
        listNewItem();
        SetItemAddMode(false);
        if (showMessage)
            ShowResult(
                QStringLiteral("Item added..."),
                PythonEntryAddedText(QStringLiteral("Item"), PyItemFileLine(InsertItemLine), id),
                entry);
    } else {
        PyItemLines[CurItemLine] = entry;
        m_shownItem = PythonItemAsShown(ParsePythonItem(entry).item, m_lists);
        const int r = lstItems->listIndex();
        SetRowText(lstItems, m_rows.texts, r,
                   PythonEntryRow(ItemRows, r + 1, id, PythonEntryName(entry)));
        if (showMessage)
            ShowResult(QStringLiteral("Item updated..."),
                       PythonEntryUpdatedText(QStringLiteral("Item"), r, id), entry);
    }
    UnsavedItems = true;
    return true;
}

void frmPythonItems::listNewItem() {
    const QString id = txtItemID->text();
    if (ItemFilterOn && !id.contains(txtFilter->text())) {
        // The new item does not pass the filter: it joins the list as it is.
        m_rows.elementInserted(InsertItemLine);
        const QString row = PythonEntryRow(ItemRows, m_rows.count(), id, txtItemName->text());
        m_rows.append(row, InsertItemLine);
        lstItems->addItem(row);
        lstItems->setListIndex(lstItems->count() - 1);
        return;
    }
    if (ItemFilterOn)
        cmdFilter_Click();
    else
        FillPythonItemList();
    lstItems->setListIndex(int(m_rows.lines.indexOf(InsertItemLine)));
}

void frmPythonItems::SetItemAddMode(bool adding) {
    ItemAddMode = adding;
    for (QPushButton* b : {cmdSave, cmdDeleteItem, cmdAddItem, cmdShowPython})
        b->setEnabled(!adding);
    mnu_edit_add->setEnabled(!adding);
    mnu_edit_delete->setEnabled(!adding);
}

// ---- Adding, deleting, rewriting

bool frmPythonItems::entryUsable(PythonItemRefusal check, bool asTemplate) {
    if (lstItems->listIndex() < 0 && check != PythonItemRefusal::Hardwired &&
        check != PythonItemRefusal::ItemsEnd)
        check = PythonItemRefusal::NoEntry;
    switch (check) {
    case PythonItemRefusal::None:
        return true;
    case PythonItemRefusal::Hardwired:
        RefuseInput(asTemplate
                        ? QStringLiteral("The selected item is hardwired to the game, select "
                                         "another item as template!")
                        : QStringLiteral("The selected item is hardwired to the game, you "
                                         "can't delete this item!"));
        break;
    case PythonItemRefusal::ItemsEnd:
        RefuseInput(asTemplate
                        ? QStringLiteral("The selected item is the last entry (items_end) in "
                                         "the list, please select another item as template!")
                        : QStringLiteral("The selected item is the last entry (items_end) in "
                                         "the list, you can't delete this item!"));
        break;
    case PythonItemRefusal::Unreadable:
        RefuseInput(
            IncompleteEntryText(QStringLiteral("item"), QStringLiteral("used as a template")));
        break;
    case PythonItemRefusal::NotWhole:
        RefuseInput(QStringLiteral("The entry of this item could not be read as one entry, so it "
                                   "can't be deleted here. Please delete it in module_items.py!"));
        break;
    case PythonItemRefusal::NoEntry:
        if (asTemplate)
            MsgBox(QStringLiteral("Please select an item as template!"), MsgButtons::Ok,
                   MsgIcon::Information, QStringLiteral("Add new item..."));
        else
            ShowInformation(QStringLiteral("Select an item to delete!"));
        break;
    }
    return false;
}

void frmPythonItems::AddPythonItem() {
    if (!entryUsable(CheckPythonItemTemplate(PyItemLines, PyItemHardwired, CurItemLine), true))
        return;
    const int r = lstItems->listIndex();
    const int choice = AskPythonNewEntry(
        QStringLiteral("Add new item?"),
        PythonNewEntryText(QStringLiteral("item"), r + 1,
                           QStringLiteral("Hit 'Add item' in the item editor form to complete the "
                                          "process. Selecting an item from the list will abort "
                                          "adding an item.")));
    if (choice == 0)
        return;
    // At the end: directly before items_end, wherever it stands.
    InsertItemLine = choice == 1
                         ? PythonEndInsertLine(PyItemLines, PyItemMax, PyItemMax, ItemListFormat)
                         : CurItemLine + 1;
    KeepListIndex = r;
    SetItemAddMode(true);
    txtItemID->setText(QStringLiteral("new_item1"));
    showComputedName(txtItemName, false); // the new item's name is a plain string
    txtItemName->setText(QStringLiteral("New Item"));
    cmdUpdate->setText(QStringLiteral("Add item"));
    cmdUpdate->setEnabled(true);
    frameEdit->setEnabled(true);
}

void frmPythonItems::cmdDeleteItem_Click() {
    if (!entryUsable(CheckPythonItemDelete(PyItemLines, PyItemHardwired, CurItemLine), false))
        return;
    const int r = lstItems->listIndex();
    // The entry that goes is the stored one, whatever the id box holds now.
    if (!ConfirmPythonEntryDelete(QStringLiteral("item"), QStringLiteral("items"), r + 1,
                                  PythonEntryId(PyItemLines[CurItemLine])))
        return;
    KeepListIndex = r;
    DeletePythonItem();
}

void frmPythonItems::DeletePythonItem() {
    if (!DeletePythonEntry(PyItemLines, PyItemMax, CurItemLine, ItemRows.opener))
        return;
    CurItemLine = -1;
    if (ItemFilterOn)
        cmdFilter_Click();
    else
        FillPythonItemList();
    // The row of the deleted item now shows the next one; without such a row
    // nothing is shown and nothing can be updated.
    lstItems->setListIndex(KeepListIndex);
    UnsavedItems = true;
    ShowInformation(QStringLiteral("Item has been deleted!"));
}

void frmPythonItems::ScanPythonItems() {
    if (AskRewriteAll(QStringLiteral("items"), QStringLiteral("item"),
                      QStringLiteral("module_items.py"),
                      QStringLiteral("Also all unknown flags, capabilitites and modbits constants "
                                     "will be scanned.")) != MsgAnswer::Yes)
        return;
    txtFilter->clear();
    cmdFilter_Click();

    // The pass runs on the table itself; the window is brought up to date once
    // at its end.
    const auto rewrite = [this](int, const QString& entry) -> std::optional<QString> {
        QString text = entry;
        if (!RewritePythonItemEntry(text, m_lists))
            return std::nullopt;
        // What reads back as the item shown is no change: the entry keeps its lines.
        const auto shown = [this](const QString& e) {
            return PythonItemAsShown(ParsePythonItem(e).item, m_lists);
        };
        return shown(text) == shown(entry) ? entry : text;
    };
    const PythonRewriteResult result = runBusy([this, &rewrite] {
        return RewriteAllPythonEntries(PyItemLines, PyItemMax, m_rows.lines, ItemRows.opener,
                                       rewrite);
    });
    showNewListRows();
    if (result.rewritten > 0)
        UnsavedItems = true;
    FillPythonItemList();
    if (lstItems->count() > 1)
        lstItems->setListIndex(lstItems->count() - 1);

    ShowRewriteAllDone(QStringLiteral("items"), QStringLiteral("item"), result.rewritten,
                       result.unchanged, result.skipped);
}

// ---- Commands and input rules

void frmPythonItems::cmdShowPython_Click() {
    ShowStoredPythonEntry(QStringLiteral("item"), PyItemLines, CurItemLine);
}

void frmPythonItems::txtItemID_LostFocus() {
    const QString id = TypedPythonId(txtItemID->text(), ItemRows.prefix);
    if (id != txtItemID->text())
        txtItemID->setText(id);
}

QWidget* ShowPythonItems() {
    auto* window = new frmPythonItems;
    window->show();
    return window;
}
