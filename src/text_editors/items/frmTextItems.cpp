#include "text_editors/items/frmTextItems.h"

#include "platform/MessageBox.h"
#include "platform/gui/Controls.h"
#include "platform/gui/Layout.h"
#include "platform/gui/ToggleList.h"
#include "shell/EditorFactories.h"
#include "shell/EditorMessages.h"
#include "shell/modMain.h"
#include "text_editors/RecordRows.h"
#include "text_editors/items/ItemCommands.h"
#include "text_editors/items/frmItemMeshControls.h"
#include "text_editors/items/frmItemValueControls.h"
#include "textfiles/modTextFactions.h"
#include "textfiles/modTextItems.h"

#include <QCloseEvent>
#include <QElapsedTimer>
#include <QGroupBox>
#include <QLabel>
#include <QMenu>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTextDocument>
#include <QTimer>

#include <algorithm>

namespace {

// Height of the window's content below the menu bar, in twips: with the menu
// bar and a window manager's frame the window fits a screen 768 pixels high
// that a panel shares.
constexpr int FormHeight = 10320;

// The type filter scans for this long before it lets the window handle its
// events again, a few dozen items at a time.
constexpr int ScanSliceMs = 15;
constexpr int ScanStep = 64;

const QString ListOfItems = QStringLiteral("List of items");

void InformationBox(const QString& text, const QString& title) {
    MsgBox(text, MsgButtons::Ok, MsgIcon::Information, title);
}

bool Confirmed(const QString& question, const QString& title) {
    return MsgBox(question, MsgButtons::YesNo, MsgIcon::None, title) == MsgAnswer::Yes;
}

ToggleList* AddToggleList(QWidget* parent, const char* name, const QStringList& rows) {
    auto* list = Named(new ToggleList(parent), name);
    list->setRows(rows);
    return list;
}

} // namespace

frmTextItems::frmTextItems(QWidget* parent) : EditorWindow(parent) {
    build("frmTextItems");
}

void frmTextItems::buildControls() {
    frameMain = Named(new QWidget(this), "frameMain");
    setCentralWidget(frameMain);

    lblItemEditor = AddHeading(frameMain, "lblItemEditor", 120, 60, 6780, 660);
    frameAdd = AddAddDeleteFrame(frameMain, QStringLiteral("Add/Delete Item"), "cmdAddItem",
                                 cmdAddItem, "cmdDeleteItem", cmdDeleteItem);
    frameEdit = AddUpdateSaveFrame(frameMain, "cmdUpdate", QStringLiteral("Update Item"), cmdUpdate,
                                   cmdSave);
    cmdSave->setText(QStringLiteral("Save Changes"));

    // The scan's labels lie under the item frame, seen only while the type
    // filter hides it.
    lblFiltering = AddLabel(frameMain, "lblFiltering",
                            QStringLiteral("Type Flag filter is running... Please be patient!"));
    lblScan = AddLabel(frameMain, "lblScan", QStringLiteral("Scanning item: 0"));

    lblItems = AddLabel(frameMain, "lblItems", QString());
    lstItems = Named(new ListBox(frameMain), "lstItems");
    lstItemsFiltered = Named(new ListBox(frameMain), "lstItemsFiltered");
    lstItemsFiltered->hide();
    lblTextFilter = AddLabel(frameMain, "lblTextFilter", QStringLiteral("Text filter:"));
    txtFilter = AddInputBox(frameMain, "txtFilter");
    cmdFilter = AddButton(frameMain, "cmdFilter", QStringLiteral("Go"));
    lblTypeFilter = AddLabel(frameMain, "lblTypeFilter", QStringLiteral("Type filter:"));
    cmbTypeFilter = Named(new ComboBox(frameMain), "cmbTypeFilter");
    cmdFilerType = AddButton(frameMain, "cmdFilerType", QStringLiteral("Go"));
    cmdResetFilter = AddButton(frameMain, "cmdResetFilter", QStringLiteral("Reset filter"));

    frameItem = AddFrame(frameMain, "frameItem", QString());
    buildNames();
    m_values.build(frameItem);
    buildLists();

    m_filter = ListFilter(txtFilter, lstItems, lstItemsFiltered);
    m_filter.setLabel(lblItems, ListOfItems);
    m_scanTimer = new QTimer(this);
    connect(m_scanTimer, &QTimer::timeout, this, &frmTextItems::scanSlice);

    connect(lstItems, &ListBox::click, this, &frmTextItems::lstItems_Click);
    connect(lstItemsFiltered, &ListBox::click, this, &frmTextItems::lstItemsFiltered_Click);
    connect(cmdFilter, &QPushButton::clicked, this, &frmTextItems::cmdFilter_Click);
    txtFilter->onEnter = [this] { cmdFilter_Click(); };
    connect(cmdFilerType, &QPushButton::clicked, this, &frmTextItems::cmdFilerType_Click);
    connect(cmdResetFilter, &QPushButton::clicked, this, &frmTextItems::cmdResetFilter_Click);
    connect(cmdAddItem, &QPushButton::clicked, this, &frmTextItems::cmdAddItem_Click);
    connect(cmdDeleteItem, &QPushButton::clicked, this, &frmTextItems::cmdDeleteItem_Click);
    connect(cmdUpdate, &QPushButton::clicked, this, [this] { UpdateItem(true); });
    connect(cmdSave, &QPushButton::clicked, this,
            [this] { saveFile(SaveTextItems, UnsavedItems); });
    placeDesign();
}

void frmTextItems::buildNames() {
    using Keys = InputBox::Keys;
    frameNames = AddFrame(frameItem, "frameNames", QStringLiteral("Names and meshes"));
    const char* captions[] = {"Item ID:", "Name:", "Plural:"};
    const char* names[] = {"txtItemID", "txtItemName", "txtItemNamePl"};
    std::array<InputBox*, 3> boxes{};
    for (int i = 0; i < 3; ++i) {
        AddLabel(frameNames, "", QLatin1String(captions[i]), 120, 300 + 330 * i, 1000);
        boxes[i] = AddInputBox(frameNames, names[i], Keys::BlankToUnderscore);
        Place(boxes[i], 1140, 270 + 330 * i, 2100, 285);
    }
    txtItemID = boxes[0];
    txtItemName = boxes[1];
    txtItemNamePl = boxes[2];
    txtItemID->onLostFocus = [this] { txtItemID->setText(WithItemIdPrefix(txtItemID->text())); };

    m_meshes = new ItemMeshControls(frameNames, CurItem);
}

void frmTextItems::buildLists() {
    // The list captions end where their lists begin.
    AddLabel(frameItem, "", QStringLiteral("Item flags:"), 3600, 180, 3480, 240);
    lstFlags = AddToggleList(frameItem, "lstFlags", ItemListLabels(ItemFlagKind::Flags));
    AddLabel(frameItem, "", QStringLiteral("Capabilities:"), 3600, 4860, 3480, 240);
    lstCap = AddToggleList(frameItem, "lstCap", ItemListLabels(ItemFlagKind::Caps));
    AddLabel(frameItem, "", QStringLiteral("Modifiers:"), 7200, 180, 3525, 240);
    lstModifiers =
        AddToggleList(frameItem, "lstModifiers", ItemListLabels(ItemFlagKind::Modifiers));
    lblFactions = AddLabel(frameItem, "lblFactions", FactionCountCaption({}), 7200, 3600, 2700);
    txtAnzFac = AddInputBox(frameItem, "txtAnzFac");
    ShowReadOnly(txtAnzFac, true);
    lstFactions = AddToggleList(frameItem, "lstFactions", {});
    AddLabel(frameItem, "", QStringLiteral("Triggers:"), 7200, 6720, 2700);
    txtAnzTrigger = AddInputBox(frameItem, "txtAnzTrigger");
    txtTrigger = Named(new QPlainTextEdit(frameItem), "txtTrigger");
    txtTrigger->setLineWrapMode(QPlainTextEdit::NoWrap);
    Place({
        {lstFlags, 3600, 420, 3480, 4380},
        {lstCap, 3600, 5100, 3480, 4260},
        {lstModifiers, 7200, 420, 3525, 3060},
        {txtAnzFac, 10005, 3570, 720, 285},
        {lstFactions, 7200, 3900, 3525, 2670},
        {txtAnzTrigger, 10005, 6690, 720, 285},
        {txtTrigger, 7200, 7020, 3525, 2340},
    });

    lstFlags->onUserToggle = [this](int row) { lstFlags_Click(row); };
    lstCap->onUserToggle = [this](int row) { lstCap_Click(row); };
    lstFactions->onUserToggle = [this](int) { lstFactions_Click(); };
}

void frmTextItems::buildMenus() {
    addFileMenu(QStringLiteral("mnu_file_main"), QStringLiteral("mnu_file_blank2"));
    QMenu* edit = addMenu("mnu_edit", QStringLiteral("&Edit"));
    mnu_edit_delete = addMenuEntry(edit, "mnu_edit_delete", QStringLiteral("&Delete item"),
                                   [this] { cmdDeleteItem_Click(); });
    mnu_edit_add = addMenuEntry(edit, "mnu_edit_add", QStringLiteral("&Add item"),
                                [this] { cmdAddItem_Click(); });
    Named(edit->addSeparator(), "mnu_edit_blank1");
    mnu_edit_copy =
        addMenuEntry(edit, "mnu_edit_copy", QStringLiteral("&Copy functions..."), [] {});
    mnu_edit_copy->setEnabled(false);
    m_view.addMenu(true);
    addEditorSwitchMenu("mnu_select", QStringLiteral("&Select editor"), TextEditorSwitch(),
                        ShowTextItems);
    addHelpMenu();
}

// Positions that do not depend on the screen width, then the width rules by
// which SetScreenWidth sets the others.
void frmTextItems::placeDesign() {
    Place({
        {frameAdd, 6975, 0, 2200, 720},
        {cmdAddItem, 120, 270, 930, 375},
        {cmdDeleteItem, 1140, 270, 930, 375},
        {frameEdit, 9270, 0, 5880, 720},
        {cmdUpdate, 120, 270, 2940, 375},
        {cmdSave, 3180, 270, 2580, 375},

        {lblItems, 60, 780, 4080, 255},
        {lstItems, 60, 1050, 4080, 8055},
        {lstItemsFiltered, 60, 1050, 4080, 8055},
        {lblTextFilter, 60, 9210, 1440, 255},
        {txtFilter, 1560, 9180, 1910, 300},
        {cmdFilter, 3510, 9180, 630, 300},
        {lblTypeFilter, 60, 9540, 1440, 255},
        {cmbTypeFilter, 1560, 9510, 1910, 315},
        {cmdFilerType, 3510, 9510, 630, 315},
        {cmdResetFilter, 60, 9870, 4080, 375},

        // Inside the item frame at either width.
        {lblFiltering, 8400, 3840, 6600, 255},
        {lblScan, 8400, 4200, 6600, 255},
        {frameItem, 4300, 780, 10845, 9480},
        {frameNames, 120, 180, 3360, 3240},
    });
    // The scan labels lie behind the item frame, seen only while it is hidden.
    frameItem->setAutoFillBackground(true);
    frameItem->raise();

    m_view.setLists({lstItems, lstItemsFiltered});
    using enum WidthRule::Edge;
    m_view.setLayout(frameMain, 15225, 19110, FormHeight,
                     {
                         {lstItems, Width, 4080, 7965},
                         {lstItemsFiltered, Width, 4080, 7965},
                         {lblItems, Width, 4080, 7965},
                         {txtFilter, Width, 1910, 5760},
                         {cmdFilter, Left, 3510, 7395},
                         {cmdFilerType, Left, 3510, 7395},
                         {frameItem, Left, 4300, 8220},
                         {frameAdd, Left, 6975, 10905},
                         {frameEdit, Left, 9270, 13200},
                         {cmbTypeFilter, Width, 1910, 5760},
                         {cmdResetFilter, Width, 4080, 7965},
                     });
}

void frmTextItems::formLoad() {
    setWindowTitle(WindowCaption(QStringLiteral("  - Item Editor")));
    SetScreenWidth(ScreenWidth);
    SetListFontSize(ListFontSize);
    CurItem = NoItemShown;
    lblItemEditor->setText(QStringLiteral("Item Editor\n") + ModuleFolder +
                           QStringLiteral("item_kinds1.txt"));
    frameEdit->setEnabled(false);
    frameItem->setEnabled(false);
    m_meshes->fillRows();
    cmbTypeFilter->setRows(ItemTypeFilterRows());
    cmbTypeFilter->setCurrentIndex(0);
    enableCommands();
    show();
    LoadTextItems();
    LoadTextFactions();
    FillItemList();
    FillItemFactionList();
    setFullListCaption();
}

void frmTextItems::FillItemList() {
    lstItems->setRows(ItemListRows());
}

void frmTextItems::FillItemFactionList() {
    lstFactions->setRows(ItemFactionRows());
}

void frmTextItems::setFullListCaption() {
    lblItems->setText(ListCaption(ListOfItems, ItemMax));
}

void frmTextItems::enableCommands() {
    const bool free = !ItemAddMode && !m_scan;
    cmdSave->setEnabled(!ItemAddMode);
    for (QWidget* button : {cmdAddItem, cmdDeleteItem})
        button->setEnabled(free);
    for (QAction* entry : {mnu_edit_add, mnu_edit_delete})
        entry->setEnabled(free);
    if (ItemAddMode)
        mnu_edit_copy->setEnabled(false);
}

void frmTextItems::SetItemAddMode(bool adding) {
    ItemAddMode = adding;
    enableCommands();
    if (!adding)
        cmdUpdate->setText(QStringLiteral("Update Item # ") + QString::number(CurItem));
}

// Selecting an item

void frmTextItems::lstItems_Click() {
    if (lstItems->listIndex() >= 0)
        selectItem(lstItems->listIndex());
}

void frmTextItems::lstItemsFiltered_Click() {
    const QListWidgetItem* row = lstItemsFiltered->currentItem();
    if (!row)
        return;
    if (const std::optional<int> item = RecordOfRow(row->text(), ItemMax))
        selectItem(*item);
}

void frmTextItems::selectItem(int index) {
    // The scan shows the last item when it ends; an item shown behind the
    // hidden frames now would only be replaced.
    if (m_scan)
        return;
    SetItemAddMode(false);
    CurItem = index;
    ShowItem();
    cmdUpdate->setText(QStringLiteral("Update Item # ") + QString::number(CurItem));
    frameEdit->setEnabled(true);
    frameItem->setEnabled(m_shown.has_value());
    cmdUpdate->setEnabled(m_shown.has_value());
}

void frmTextItems::ShowItem() {
    // Fields read from an item whose lines are out of shape are not the
    // item's: they are neither shown nor stored back.
    if (!ItemHasSoundShape(CurItem)) {
        m_shown.reset();
        cmdUpdate->setEnabled(false);
        frameItem->setEnabled(false);
        MsgBox(UnreadableItemText(CurItem), MsgButtons::Ok, MsgIcon::Exclamation,
               QStringLiteral("Unreadable item..."));
        return;
    }
    PendingFailure failure;
    std::optional<ItemRecord> record =
        DecodeItem(StoredItem(CurItem), static_cast<int>(lstFactions->count()), failure);
    if (!record) {
        // Nothing of this item is on the screen, so nothing of the one shown
        // before may be stored under its number or copied as its template.
        m_shown.reset();
        cmdUpdate->setEnabled(false);
        frameItem->setEnabled(false);
        ReportPending(failure, QStringLiteral("ShowItem"));
        return;
    }
    fillControls(*record);
    m_shown = std::move(record);
}

void frmTextItems::fillControls(const ItemRecord& record) {
    const ItemForm f = ItemFormOf(record);
    const ItemTypeLabels labels = ItemTypeLabelsFor(record.typeRow());
    txtItemID->setText(f.id);
    txtItemName->setText(f.name);
    txtItemNamePl->setText(f.plural);

    m_meshes->show(f.meshes);

    // The lists keep no focus row: the selection rules act on the row the
    // user last clicked, and after a show there is none.
    const std::pair<ToggleList*, const RowSelection*> lists[] = {{lstFlags, &f.flags},
                                                                 {lstCap, &f.capabilities},
                                                                 {lstModifiers, &f.modifiers},
                                                                 {lstFactions, &f.factions}};
    for (const auto& [list, rows] : lists) {
        list->setValues(*rows);
        list->clearChoice();
    }
    lstCap->setEnabled(labels.capsEnabled);
    SetCaption(lblFactions, FactionCountCaption(f.factions, record.heldFactions.size()));

    m_values.show(f, labels);
    txtAnzFac->setText(f.factionCount);
    txtAnzTrigger->setText(f.triggerCount);
    QString triggers = f.triggers;
    txtTrigger->setPlainText(triggers.replace(QStringLiteral("\r\n"), QStringLiteral("\n")));
}

ItemForm frmTextItems::readForm() const {
    ItemForm f;
    // What the show put in a name box goes back as read; what the user put
    // there follows the box's key rule, however it came in.
    const auto ruled = [](const InputBox* box, const QString& shown) {
        return box->text() == shown ? shown : box->ruledText();
    };
    f.id = ruled(txtItemID, m_shown->id);
    f.name = ruled(txtItemName, m_shown->name);
    f.plural = ruled(txtItemNamePl, m_shown->plural);
    f.meshes = ShownMeshes(CurItem);
    f.flags = lstFlags->values();
    f.capabilities = lstCap->values();
    f.modifiers = lstModifiers->values();
    m_values.read(f);
    f.factions = lstFactions->values();
    f.factionCount = txtAnzFac->text();
    f.triggerCount = txtAnzTrigger->text();
    // The raw text: the plain one would turn non-breaking spaces into blanks.
    f.triggers = txtTrigger->document()->toRawText().replace(QChar::ParagraphSeparator, u'\n');
    return f;
}

// Updating, adding and deleting

void frmTextItems::UpdateItem(bool showReport) {
    if (m_scan)
        return;
    if (!m_shown) {
        RefuseInput(QStringLiteral("No item is shown: select an item first!"));
        return;
    }
    const ItemForm form = readForm();
    if (!m_values.keepKeyRules(ItemFormOf(*m_shown)))
        return;
    if (const std::optional<UnstorableField> bad = FirstUnstorableField(form, ItemsCoding())) {
        RefuseUnstorableChar(bad->field, bad->character, QStringLiteral("item_kinds1.txt"));
        return;
    }
    QString refusal;
    const std::optional<ItemLines> lines = BuildItem(form, *m_shown, refusal);
    if (!lines) {
        RefuseInput(refusal);
        return;
    }

    const bool added = ItemAddMode;
    int k = CurItem;
    if (!added) {
        StoreItem(k, *lines);
        lstItems->item(k)->setText(ItemRowText(k));
        if (const qsizetype row = m_filtered.indexOf(k); row >= 0 && m_filter.active())
            lstItemsFiltered->item(static_cast<int>(row))->setText(ItemRowText(k));
        ShowItem();
    } else {
        // Built first: a refused record must not have moved the last item.
        k = InsertItemBeforeLast(*lines);
        if (k < 0) {
            RefuseInput(AddItemRefusal(CurItem, ItemMax, true, ItemTablesFull()));
            return;
        }
        FillItemList();
        if (m_filter.active()) {
            RenumberAfterInsert(m_filtered, k);
            m_filtered.append(k);
            showFilteredRows();
        }
        SetItemAddMode(false);
        setFullListCaption();
        lstItems->setListIndex(k);
        if (m_filter.active())
            lstItemsFiltered->setListIndex(lstItemsFiltered->count() - 1);
    }
    UnsavedItems = true;
    if (showReport)
        ShowResult(added ? QStringLiteral("Item added...") : QStringLiteral("Item updated..."),
                   ItemResultText(k, ItemID.value(k), added), ItemReportText(StoredItem(k)));
}

void frmTextItems::showFilteredRows() {
    m_filter.showHits(ItemRowTexts(m_filtered));
}

void frmTextItems::cmdAddItem_Click() {
    const QString refusal = AddItemRefusal(CurItem, ItemMax, m_shown.has_value(), ItemTablesFull());
    if (!refusal.isEmpty())
        InformationBox(refusal, QStringLiteral("Add new item..."));
    else if (Confirmed(AddItemQuestion(CurItem), QStringLiteral("Add new item?")))
        StartAddItem();
}

void frmTextItems::StartAddItem() {
    SetItemAddMode(true);
    txtItemID->setText(QStringLiteral("itm_new_item1"));
    txtItemName->setText(QStringLiteral("Item"));
    txtItemNamePl->setText(QStringLiteral("ItemPl"));
    cmdUpdate->setText(QStringLiteral("Add item # ") + QString::number(ItemMax));
    frameEdit->setEnabled(true);
}

void frmTextItems::cmdDeleteItem_Click() {
    const QString refusal = DeleteItemRefusal(CurItem, ItemMax);
    if (!refusal.isEmpty())
        InformationBox(refusal, QStringLiteral("Information..."));
    else if (Confirmed(DeleteItemQuestion(CurItem, ItemID.value(CurItem)),
                       QStringLiteral("Delete item?")))
        DeleteItem();
}

void frmTextItems::DeleteItem() {
    if (!DeleteItemAt(CurItem))
        return;
    FillItemList();
    if (m_filter.active()) {
        // The rows behind the deleted one name their items' new numbers, so a
        // later click shows, and an update stores, the item the row names.
        int row = RenumberAfterDelete(m_filtered, CurItem);
        if (row < 0)
            row = lstItemsFiltered->listIndex();
        if (m_filtered.isEmpty()) {
            // The full list comes back with no row chosen: no item the user
            // did not pick is shown, and nothing can be updated, deleted or
            // copied until one is picked.
            txtFilter->clear();
            cmdFilter_Click();
            CurItem = NoItemShown;
            m_shown.reset();
            frameItem->setEnabled(false);
        } else {
            showFilteredRows();
            lstItemsFiltered->setListIndex(row >= 0 && row < m_filtered.size() ? row : 0);
        }
    } else {
        lstItems->setListIndex(CurItem);
    }
    setFullListCaption();
    UnsavedItems = true;
    InformationBox(QStringLiteral("Item has been deleted!"), QStringLiteral("Information..."));
}

// Filters

void frmTextItems::cmdFilter_Click() {
    cancelTypeFilter();
    const FilterResult result = m_filter.run(
        [this](const QString& text) {
            m_filtered = ItemsMatching(text);
            return ItemRowTexts(m_filtered);
        },
        [this] {
            m_filtered.clear();
            setFullListCaption();
        });
    if (result != FilterResult::NothingFound)
        cmdUpdate->setEnabled(false);
}

void frmTextItems::cmdResetFilter_Click() {
    cancelTypeFilter();
    txtFilter->clear();
    m_filter.run({}, [this] {
        m_filtered.clear();
        setFullListCaption();
    });
}

void frmTextItems::cmdFilerType_Click() {
    if (m_scan)
        return;
    SetItemAddMode(false);
    m_filtered.clear();
    showFilteredRows();
    showScanControls(false);
    lblScan->setText(QStringLiteral("Scanning item: 0"));
    m_scan.emplace(std::max(cmbTypeFilter->listIndex(), 0) + 1);
    enableCommands();
    m_scanTimer->start(0);
}

void frmTextItems::scanSlice() {
    if (!m_scan)
        return;
    const qsizetype found = m_scan->hits().size();
    QElapsedTimer slice;
    slice.start();
    while (!m_scan->advance(ScanStep) && slice.elapsed() < ScanSliceMs) {
    }
    const QList<int> hits = m_scan->hits().sliced(found);
    m_filtered.append(hits);
    lstItemsFiltered->addItems(ItemRowTexts(hits));
    lblScan->setText(QStringLiteral("Scanning item: ") + QString::number(m_scan->lastScanned()));
    if (m_scan->done())
        finishTypeFilter();
}

void frmTextItems::finishTypeFilter() {
    stopTypeFilter();
    showFilteredRows();
    // The last item is shown, as it is after every scan of the items.
    if (ItemMax >= 1)
        lstItems->setListIndex(ItemMax);
    cmdUpdate->setEnabled(false);
}

void frmTextItems::cancelTypeFilter() {
    if (!m_scan)
        return;
    stopTypeFilter();
    cmdUpdate->setEnabled(false);
}

void frmTextItems::showScanControls(bool shown) {
    // Hidden, the item frame uncovers the scan's labels.
    const std::array<QWidget*, 5> controls = {frameItem, frameEdit, frameAdd, cmdFilerType,
                                              cmdFilter};
    for (QWidget* control : controls)
        control->setVisible(shown);
}

void frmTextItems::stopTypeFilter() {
    m_scanTimer->stop();
    m_scan.reset();
    showScanControls(true);
    enableCommands();
}

// Selection rules of the lists

void frmTextItems::lstFlags_Click(int focusRow) {
    RowSelection rows = lstFlags->values();
    if (const std::optional<bool> capsEnabled = ApplyFlagRules(rows, focusRow)) {
        lstFlags->setValues(rows);
        lstCap->setEnabled(*capsEnabled);
    }
}

void frmTextItems::lstCap_Click(int focusRow) {
    RowSelection rows = lstCap->values();
    ApplyCapRules(rows, focusRow);
    lstCap->setValues(rows);
}

void frmTextItems::lstFactions_Click() {
    SetCaption(lblFactions, FactionCountCaption(lstFactions->values(),
                                                m_shown ? m_shown->heldFactions.size() : 0));
}

void frmTextItems::closeEvent(QCloseEvent* event) {
    // A scan must not outlive the window, nor go on behind the question.
    cancelTypeFilter();
    EditorWindow::closeEvent(event);
}

QWidget* ShowTextItems() {
    auto* window = new frmTextItems;
    window->show();
    return window;
}
