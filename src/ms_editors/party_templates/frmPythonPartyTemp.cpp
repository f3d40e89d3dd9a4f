#include "ms_editors/party_templates/frmPythonPartyTemp.h"

#include "module_system/PythonEntryTable.h"
#include "module_system/frmPythonNewEntry.h"
#include "module_system/modPythonPartyTemp.h"
#include "module_system/modPythonTroops.h"
#include "ms_editors/party_templates/PythonPTLists.h"
#include "ms_editors/party_templates/PythonPTTable.h"
#include "platform/MessageBox.h"
#include "platform/gui/Controls.h"
#include "platform/gui/InputBox.h"
#include "platform/gui/Layout.h"
#include "platform/gui/ListRows.h"
#include "platform/gui/SharedRows.h"
#include "platform/gui/TermList.h"
#include "shell/EditorFactories.h"
#include "shell/EditorMessages.h"
#include "shell/modMain.h"

#include <QFontMetrics>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QPushButton>

namespace {

const QString CrLf = QStringLiteral("\r\n");
// Size of the window's content below the menu bar, in twips.
constexpr int ContentWidth = 15270;
constexpr int ContentHeight = 8025;

// The shared message boxes under the names this window's handlers use.
void (&information)(const QString&) = ShowInformation;
void (&refusal)(const QString&) = RefuseInput;
void (&showResult)(const QString&, const QString&, const QString&) = ShowResult;

QString indexed(const char* name, int i) {
    return QLatin1String(name) + u'(' + QString::number(i) + u')';
}

// The edit box, the three buttons and the list of a term list (flags,
// personality), named after `term`: txt<term>, cmd<term>Add/Change/Del, lst<term>.
void termControls(QGroupBox* frame, const char* term, QLineEdit*& txt, QPushButton*& add,
                  QPushButton*& change, QPushButton*& del) {
    txt = new QLineEdit(frame);
    txt->setObjectName(QStringLiteral("txt") + QLatin1String(term));
    AddTermButtons(frame, term, add, change, del);
}

// Places the edit box at `top`, the buttons in a row under it and the list
// below them down to `bottom`, inside a frame 3600 twips wide.
void placeTermControls(int top, int bottom, QLineEdit* txt, QPushButton* add, QPushButton* change,
                       QPushButton* del, ListBox* list) {
    Place(txt, 120, top, 3360, 315);
    Place(add, 120, top + 390, 1080, 345);
    Place(change, 1260, top + 390, 1080, 345);
    Place(del, 2400, top + 390, 1080, 345);
    Place(list, 120, top + 810, 3360, bottom - top - 810);
}

} // namespace

frmPythonPartyTemp::frmPythonPartyTemp(QWidget* parent) : EditorWindow(parent) {
    build("frmPythonPartyTemp");
}

void frmPythonPartyTemp::buildControls() {
    frameParties = AddFrame(this, "frameParties", QStringLiteral("Parties"));
    setCentralWidget(frameParties);
    QWidget* f = frameParties;
    using Keys = InputBox::Keys;

    lblPartyTemplates = AddLabel(f, "lblPartyTemplates", QStringLiteral("List of party templates"));
    lstPT = Named(new ListBox(f), "lstPT");
    lstPT->setFont(QFont(QStringLiteral("Microsoft Sans Serif")));
    lblPartiyTemplatesEditor = AddHeading(f, "lblPartiyTemplatesEditor", 120, 240, 6840, 795);
    frameAdd = AddAddDeleteFrame(f, QStringLiteral("Add/Delete Item"), "cmdAdd", cmdAdd,
                                 "cmdDelete", cmdDelete);
    framePython = AddShowPythonFrame(f, QStringLiteral("Show PT"), cmdShowPython);
    frameEdit = AddUpdateSaveFrame(f, "cmdUpdate", QStringLiteral("Update PT"), cmdUpdate, cmdSave);

    framePT = AddFrame(f, "framePT", QStringLiteral("Party Template"));
    QWidget* t = framePT;
    Frame12 = AddFrame(t, "Frame12", QStringLiteral("Names"));
    AddLabel(Frame12, "lblPTID", QStringLiteral("PT ID:"), 120, 330, 900);
    AddLabel(Frame12, "lblPTName", QStringLiteral("PT name:"), 120, 690, 900);
    InputBox* id = AddInputBox(Frame12, "txtPTID", Keys::BlankToUnderscore);
    InputBox* name = AddInputBox(Frame12, "txtPTName");
    txtPTID = id;
    txtPTName = name;
    lblMenu = AddLabel(t, "lblMenu", QStringLiteral("Menu:"));
    txtMenu = AddInputBox(t, "txtMenu");
    Frame13 = AddFrame(t, "Frame13", QStringLiteral("Faction"));
    InputBox* faction = AddInputBox(Frame13, "txtFaction", Keys::BlankToUnderscore);
    txtFaction = faction;
    // Enter would do nothing useful in these boxes; it is dropped.
    for (InputBox* box : {id, name, faction})
        box->onEnter = [] {};

    Frame1 = AddFrame(t, "Frame1", QStringLiteral("Flags"));
    AddLabel(Frame1, "lblFlags", QStringLiteral("Available flags:"), 120, 270, 3360);
    AddLabel(Frame1, "lblIcons", QStringLiteral("Available icons:"), 120, 915, 3360);
    cmbFlags = Named(new ComboBox(Frame1), "cmbFlags");
    cmbIcon = Named(new ComboBox(Frame1), "cmbIcon");
    termControls(Frame1, "Flag", txtFlag, cmdFlagAdd, cmdFlagChange, cmdFlagDel);
    lstFlags = Named(new ListBox(Frame1), "lstFlags");

    Frame4 = AddFrame(t, "Frame4", QStringLiteral("Personality"));
    cmbPers = Named(new ComboBox(Frame4), "cmbPers");
    termControls(Frame4, "Pers", txtPers, cmdPersAdd, cmdPersChange, cmdPersDel);
    lstPers = Named(new ListBox(Frame4), "lstPers");

    Frame5 = AddFrame(t, "Frame5", QStringLiteral("Members"));
    buildMemberRows();
    placeDesign();
    wireControls();
}

void frmPythonPartyTemp::buildMemberRows() {
    for (int i = 0; i < PythonPTMemberRows; ++i) {
        ComboBox* troop = new ComboBox(Frame5);
        troop->setObjectName(indexed("cmbPTTroops", i));
        TakeTypedText(troop);
        cmbPTTroops[i] = troop;
        auto* min = new InputBox(InputBox::Keys::Digits, 0, Frame5);
        auto* max = new InputBox(InputBox::Keys::Digits, 0, Frame5);
        min->setObjectName(indexed("txtPTMin", i));
        max->setObjectName(indexed("txtPTMax", i));
        txtPTMin[i] = min;
        txtPTMax[i] = max;
        // An emptied maximum stays empty for the update to refuse: written as
        // 0 it would fall below the minimum.
        min->onLostFocus = [min] {
            if (min->text().isEmpty())
                min->setText(QStringLiteral("0"));
        };
        chkPTPrisoner[i] = new CheckBox(QStringLiteral("Prisoner"), Frame5);
        chkPTPrisoner[i]->setObjectName(indexed("chkPTPrisoner", i));

        const int top = 300 + 1020 * i;
        Place(troop, 120, top, 3525, 315);
        QLabel* minLabel = AddLabel(Frame5, "lblMin", QStringLiteral("Min."), 120, top + 420, 420);
        QLabel* maxLabel = AddLabel(Frame5, "lblMax", QStringLiteral("Max."), 1275, top + 420, 420);
        minLabel->setObjectName(indexed("lblMin", i));
        maxLabel->setObjectName(indexed("lblMax", i));
        Place(min, 555, top + 390, 600, 315);
        Place(max, 1710, top + 390, 600, 315);
        Place(chkPTPrisoner[i], 2430, top + 390, 1215, 315);
    }
}

void frmPythonPartyTemp::placeDesign() {
    Place(frameAdd, 7050, 180, 2235, 900);
    Place(cmdAdd, 120, 300, 960, 450);
    Place(cmdDelete, 1155, 300, 960, 450);
    Place(framePython, 9375, 180, 1830, 900);
    Place(cmdShowPython, 120, 300, 1590, 450);
    Place(frameEdit, 11295, 180, 3930, 900);
    Place(cmdUpdate, 120, 300, 1800, 450);
    Place(cmdSave, 2010, 300, 1800, 450);

    Place(lblPartyTemplates, 120, 1140, 3705, 255);
    Place(lstPT, 120, 1410, 3705, 6495);

    Place(framePT, 3915, 1140, 11250, 6765);
    Place(Frame12, 120, 240, 3600, 1035);
    Place(txtPTID, 1080, 300, 2400, 315);
    Place(txtPTName, 1080, 660, 2400, 315);
    Place(lblMenu, 240, 1410, 900, 255);
    Place(txtMenu, 1200, 1380, 2400, 315);
    Place(Frame13, 120, 1800, 3600, 675);
    Place(txtFaction, 120, 270, 3360, 315);
    Place(Frame4, 120, 2535, 3600, 4110);
    Place(cmbPers, 120, 270, 3360, 315);
    placeTermControls(660, 3990, txtPers, cmdPersAdd, cmdPersChange, cmdPersDel, lstPers);

    Place(Frame1, 3780, 240, 3600, 6405);
    Place(cmbFlags, 120, 525, 3360, 315);
    Place(cmbIcon, 120, 1170, 3360, 315);
    placeTermControls(1605, 6285, txtFlag, cmdFlagAdd, cmdFlagChange, cmdFlagDel, lstFlags);

    Place(Frame5, 7440, 240, 3765, 6405);

    m_view.setLists({lstPT});
    // One layout for every screen width: the window offers list font sizes only.
    m_view.setLayout(frameParties, ContentWidth, ContentWidth, ContentHeight, {});
}

void frmPythonPartyTemp::wireControls() {
    connect(lstPT, &ListBox::click, this, [this] { lstPT_Click(); });
    connect(cmdAdd, &QPushButton::clicked, this, [this] { AddPythonPT(); });
    connect(cmdDelete, &QPushButton::clicked, this, [this] { cmdDelete_Click(); });
    connect(cmdShowPython, &QPushButton::clicked, this, [this] { cmdShowPython_Click(); });
    connect(cmdUpdate, &QPushButton::clicked, this, [this] { UpdatePythonPT(true); });
    connect(cmdSave, &QPushButton::clicked, this, [this] { saveFile(SavePythonPT, UnsavedPT); });

    // A pick from a vocabulary goes into the edit box; a separator row puts nothing there.
    const auto pick = [](ComboBox* combo, const QStringList* vocabulary, QLineEdit* box) {
        WireTermPick(combo, box,
                     [vocabulary](int row) { return PickedVocabularyText(*vocabulary, row); });
    };
    pick(cmbFlags, &m_flagVocabulary, txtFlag);
    pick(cmbIcon, &m_iconVocabulary, txtFlag);
    pick(cmbPers, &m_persVocabulary, txtPers);
    WireTermList(lstFlags, txtFlag, cmdFlagAdd, cmdFlagChange, cmdFlagDel);
    WireTermList(lstPers, txtPers, cmdPersAdd, cmdPersChange, cmdPersDel);
}

void frmPythonPartyTemp::buildMenus() {
    addFileMenu(QStringLiteral("mnu_file_main"), QStringLiteral("mnu_file_blank2"));
    QMenu* edit = addMenu("mnu_edit", QStringLiteral("Edit"));
    mnu_edit_add = addMenuEntry(edit, "mnu_edit_add", QStringLiteral("&Add party template"),
                                [this] { AddPythonPT(); });
    mnu_edit_del = addMenuEntry(edit, "mnu_edit_del", QStringLiteral("&Delete party template"),
                                [this] { cmdDelete_Click(); });
    Named(edit->addSeparator(), "mnu_edit_blank1");
    mnu_edit_scan =
        addMenuEntry(edit, "mnu_edit_scan", QStringLiteral("&Scan module_party_templates.py"),
                     [this] { ScanPythonPT(); });
    m_view.addMenu(false);
    addEditorSwitchMenu("mnu_select", QStringLiteral("&Python editor"), PythonEditorSwitch(),
                        ShowPythonPartyTemp);
    addHelpMenu();
}

void frmPythonPartyTemp::formLoad() {
    setWindowTitle(WindowCaption(QStringLiteral("  - Python Party Templates Editor")));
    m_view.layOut(ScreenWidth);
    SetListFontSize(ListFontSize);
    lblPartiyTemplatesEditor->setText(QStringLiteral("Party Templates Editor \n") +
                                      ModuleSystemDirectory +
                                      QStringLiteral("module_party_templates.py"));
    CurPTLine = -1;
    framePT->setEnabled(false);
    SetPTAddMode(true);

    m_flagVocabulary = PythonPTFlagVocabulary();
    m_iconVocabulary = PythonPTIconVocabulary();
    m_persVocabulary = PythonPTPersonalityVocabulary();
    cmbFlags->setRows(m_flagVocabulary);
    cmbIcon->setRows(m_iconVocabulary);
    cmbPers->setRows(m_persVocabulary);

    LoadPythonPT();
    LoadPythonTroops();
    FillPTTroopCombos();
    FillPTList();
}

void frmPythonPartyTemp::SetPTAddMode(bool adding) {
    PTAddMode = adding;
    for (QPushButton* b : {cmdSave, cmdDelete, cmdAdd, cmdUpdate, cmdShowPython})
        b->setEnabled(!adding);
    mnu_edit_del->setEnabled(!adding);
    mnu_edit_add->setEnabled(!adding);
}

// ---- Lists

void frmPythonPartyTemp::FillPTTroopCombos() {
    ShareRows({cmbPTTroops.begin(), cmbPTTroops.end()},
              PythonPTTroopRows(PyTroopLines, PyTroopMax));
    for (ComboBox* combo : cmbPTTroops)
        combo->setEditText(QString());
}

void frmPythonPartyTemp::FillPTList() {
    m_ptRows = BuildPythonEntryRows(PyPTLines, PyPTMax, PartyTemplateRows);
    lstPT->setRows(m_ptRows.texts);
    lblPartyTemplates->setText(QStringLiteral("List of party templates (") +
                               QString::number(m_ptRows.count()) + u')');
}

// ---- Showing a template

void frmPythonPartyTemp::lstPT_Click() {
    CurPTLine =
        FindPythonEntryLine(m_ptRows, lstPT->listIndex(), PyPTLines, PartyTemplateRows.opener);
    SetPTAddMode(false);
    ShowPythonPT();
    cmdUpdate->setText(QStringLiteral("Update PT"));
    frameAdd->setEnabled(true);
    framePython->setEnabled(true);
    frameEdit->setEnabled(true);
    // With nothing shown there is nothing to edit or update (a line that is
    // no template must never be written as one), but what was changed before
    // can still be saved.
    framePT->setEnabled(CurPTLine >= 0);
    cmdUpdate->setEnabled(CurPTLine >= 0 && m_ptReadable);
}

void frmPythonPartyTemp::clearPTFields() {
    for (int i = 0; i < PythonPTMemberRows; ++i) {
        cmbPTTroops[i]->setCurrentIndex(-1);
        cmbPTTroops[i]->setEditText(QString());
        txtPTMin[i]->setText(QStringLiteral("0"));
        txtPTMax[i]->setText(QStringLiteral("0"));
        chkPTPrisoner[i]->setChecked(false);
    }
    txtFlag->clear();
    txtPers->clear();
    for (ComboBox* combo : {cmbFlags, cmbPers, cmbIcon})
        combo->setCurrentIndex(-1);
    lstFlags->clear();
    lstPers->clear();
    for (QLineEdit* box : {txtPTID, txtPTName, txtMenu, txtFaction})
        box->clear();
    showComputedFields(PythonPT());
}

void frmPythonPartyTemp::ShowPythonPT() {
    // Every field is cleared first, so nothing of the template shown before
    // can slip into this one.
    clearPTFields();
    m_shownPT = PythonPT();
    m_ptReadable = false;
    if (CurPTLine < 0)
        return;
    const PythonPTParse parsed = ParsePythonPT(PyPTLines[CurPTLine]);
    m_shownPT = parsed.pt;
    m_ptReadable = parsed.complete;
    showPTFields(parsed.pt);
    if (!parsed.complete)
        RefuseIncompleteEntry(QStringLiteral("party template"),
                              QStringLiteral("module_party_templates.py"));
}

void frmPythonPartyTemp::showComputedFields(const PythonPT& pt) {
    // What Python computes is shown as written and cannot be changed here;
    // the tip holds it whole where there is no room for it.
    ShowReadOnly(txtPTName, pt.computedName,
                 pt.computedName ? ComputedFieldTip(pt.name) : QString());
    const bool rows = pt.computedMembers.isEmpty();
    for (QWidget* control : Frame5->findChildren<QWidget*>(Qt::FindDirectChildrenOnly))
        control->setEnabled(rows);
    // The caption shows the list as written, as far as it fits.
    const QString caption = QStringLiteral("Members (read-only): ");
    const QFontMetrics metrics(Frame5->font());
    const int room = Frame5->width() - metrics.horizontalAdvance(caption) - 24;
    Frame5->setTitle(rows ? QStringLiteral("Members")
                          : caption + metrics.elidedText(pt.computedMembers, Qt::ElideRight, room));
    Frame5->setToolTip(rows ? QString() : ComputedFieldTip(pt.computedMembers));
}

void frmPythonPartyTemp::showPTFields(const PythonPT& pt) {
    txtPTID->setText(pt.id);
    txtPTName->setText(pt.name);
    showComputedFields(pt);
    lstFlags->setRows(pt.flags);
    txtMenu->setText(pt.menu);
    txtFaction->setText(pt.faction);
    lstPers->setRows(pt.personality);
    for (int i = 0; i < PythonPTMemberRows; ++i) {
        const PythonPTMember& m = pt.members[i];
        if (m.troop.isEmpty())
            continue;
        cmbPTTroops[i]->setEditText(m.troop);
        txtPTMin[i]->setText(m.minimum);
        txtPTMax[i]->setText(m.maximum);
        chkPTPrisoner[i]->setChecked(m.prisoner);
    }
}

// ---- Storing a template

PythonPT frmPythonPartyTemp::formPT() const {
    // What the form does not show (members' further elements, members past
    // the sixth, fields behind the member list, a comment) comes from the
    // template as read.
    PythonPT pt = m_shownPT;
    pt.id = txtPTID->text();
    // What Python computes goes back as it was read.
    if (!pt.computedName)
        pt.name = txtPTName->text();
    pt.flags = ListTexts(lstFlags);
    pt.menu = txtMenu->text();
    pt.faction = txtFaction->text();
    pt.personality = ListTexts(lstPers);
    for (int i = 0; i < PythonPTMemberRows && pt.computedMembers.isEmpty(); ++i) {
        PythonPTMember& m = pt.members[i];
        m.troop = cmbPTTroops[i]->currentText();
        m.minimum = txtPTMin[i]->text();
        m.maximum = txtPTMax[i]->text();
        m.prisoner = chkPTPrisoner[i]->isChecked();
    }
    return pt;
}

bool frmPythonPartyTemp::formAcceptable() {
    if (txtPTID->text().isEmpty()) {
        refusal(QStringLiteral("Please enter an ID for the party template!"));
        txtPTID->setFocus();
        return false;
    }
    if (PTAddMode &&
        CheckNewPythonPTId(PyPTLines, PyPTMax, txtPTID->text()) == PythonPTIdProblem::Used) {
        information(QStringLiteral("This Party Template ID is used by another item. Please change "
                                   "the ID!"));
        txtPTID->setFocus();
        txtPTID->setCursorPosition(int(txtPTID->text().size()));
        return false;
    }
    const PythonPT pt = formPT();
    // A typed id or name stays one Python string, read as typed.
    if (!RefuseChangedNotPlainString(
             {{"PT ID", pt.id, m_shownPT.id}, {"PT name", pt.name, m_shownPT.name}})
             .isEmpty())
        return false;
    if (!memberNumbersAcceptable(pt))
        return false;
    // Typed text must be the kind of Python its field takes, and the entry
    // built from the form must read back to the same fields.
    const QString file = QStringLiteral("module_party_templates.py");
    if (const auto unstorable = UnstorablePythonPTField(pt, m_shownPT, PyPTCoding())) {
        RefuseUnstorableChar(unstorable->field, unstorable->character, file);
        return false;
    }
    if (const auto mistyped = MistypedPythonPTField(pt, m_shownPT)) {
        RefuseMistypedField(*mistyped, file);
        return false;
    }
    const QString field = PythonPTUnwritableField(pt);
    if (!field.isEmpty()) {
        RefuseUnreadableField(field, file);
        return false;
    }
    return true;
}

bool frmPythonPartyTemp::memberNumbersAcceptable(const PythonPT& pt) {
    // A number box takes digits only, however they came in (a paste, a drop),
    // and a member needs its maximum.
    for (int i = 0; i < PythonPTMemberRows; ++i) {
        if (!IsPythonPTMember(pt.members[i]))
            continue;
        const PythonPTMember& was = m_shownPT.members[i];
        const QString member = QStringLiteral(" of member ") + QString::number(i + 1);
        const std::tuple<InputBox*, const PythonFieldLabel&, const QString&> boxes[] = {
            {txtPTMin[i], PythonPTMinimumLabel, was.minimum},
            {txtPTMax[i], PythonPTMaximumLabel, was.maximum}};
        for (const auto& [box, label, read] : boxes) {
            const QString field = QLatin1String(label.caption) + member;
            if (box->text() != read && !box->keepsKeyRule())
                RefuseDigitsOnly(field);
            else if (box == txtPTMax[i] && box->text().isEmpty())
                RefuseEmptyField(field, QLatin1String(label.example));
            else
                continue;
            box->setFocus();
            return false;
        }
    }
    return true;
}

bool frmPythonPartyTemp::UpdatePythonPT(bool showMessage) {
    if (PTAddMode ? InsertPTLine < 0 : CurPTLine < 0 || !m_ptReadable) {
        refusal(
            !PTAddMode && CurPTLine >= 0
                ? IncompleteEntryText(QStringLiteral("party template"), QStringLiteral("updated"))
                : QStringLiteral("Please select a party template first!"));
        return false;
    }
    // A blank dropped or put in by an input method goes the way of a typed one.
    for (auto [box, read] : {std::pair{txtPTID, m_shownPT.id}, {txtFaction, m_shownPT.faction}}) {
        if (box->text() != read)
            box->setText(box->ruledText());
    }
    // Nothing changed: the entry keeps its lines as read, and nothing is left to save.
    if (!PTAddMode && PythonPTUnchanged(formPT(), m_shownPT)) {
        if (showMessage)
            ShowEntryUnchanged(QStringLiteral("party template"),
                               QStringLiteral("module_party_templates.py"));
        return true;
    }
    if (!formAcceptable())
        return false;

    const QString id = txtPTID->text();
    const QString entry = BuildPythonPTEntry(formPT());
    if (PTAddMode) {
        InsertPythonEntry(PyPTLines, PyPTMax, InsertPTLine, entry, &PyPTLastEntry);
        FillPTList();
        // Showing the new row ends add mode.
        lstPT->setListIndex(int(m_ptRows.lines.indexOf(InsertPTLine)));
        SetPTAddMode(false);
        if (showMessage)
            showResult(QStringLiteral("Party Template added..."),
                       PythonEntryAddedText(QStringLiteral("Party Template"),
                                            PyPTFileLine(InsertPTLine), id),
                       PyPTLines[InsertPTLine]);
        InsertPTLine = -1;
    } else {
        PyPTLines[CurPTLine] = entry;
        m_shownPT = ParsePythonPT(entry).pt;
        const int r = lstPT->listIndex();
        SetRowText(lstPT, m_ptRows.texts, r,
                   PythonEntryRow(PartyTemplateRows, r + 1, id, QString()));
        if (showMessage)
            showResult(QStringLiteral("PT updated..."),
                       PythonEntryUpdatedText(QStringLiteral("Party Template"), r, id),
                       PyPTLines[CurPTLine]);
    }
    UnsavedPT = true;
    return true;
}

// ---- Adding, deleting, rewriting

void frmPythonPartyTemp::AddPythonPT() {
    const int r = lstPT->listIndex();
    switch (CheckPythonPTModel(CurPTLine, PyPTHardwired, r, m_ptReadable)) {
    case PythonPTRefusal::Hardwired:
        refusal(QStringLiteral("The selected party template is hardwired to the game, select "
                               "another party template!"));
        return;
    case PythonPTRefusal::Unreadable:
        refusal(IncompleteEntryText(QStringLiteral("party template"),
                                    QStringLiteral("used as a template")));
        return;
    case PythonPTRefusal::None:
        break;
    default:
        MsgBox(QStringLiteral("Please select a party template as template!"), MsgButtons::Ok,
               MsgIcon::Information, QStringLiteral("Add new party template..."));
        return;
    }
    const int choice = AskPythonNewEntry(
        QStringLiteral("Add new party template?"),
        PythonNewEntryText(QStringLiteral("party template"), r + 1,
                           QStringLiteral("Hit 'Add PT' in the party template editor to complete "
                                          "the process. Selecting a party template from the list "
                                          "will abort adding a party template.")));
    if (choice == 0)
        return;
    InsertPTLine = choice == 1 ? PythonEndInsertLine(PyPTLines, PyPTMax, PyPTLastEntry,
                                                     PartyTemplateListFormat)
                               : CurPTLine + 1;
    KeepListIndex = r;
    SetPTAddMode(true);
    m_shownPT = NewPythonPT(m_shownPT);
    showComputedFields(m_shownPT);
    txtPTID->setText(NewPythonPTId);
    txtPTName->setText(NewPythonPTName);
    cmdUpdate->setText(QStringLiteral("Add PT"));
    cmdUpdate->setEnabled(true);
}

void frmPythonPartyTemp::cmdDelete_Click() {
    const int r = lstPT->listIndex();
    switch (CheckPythonPTDelete(PyPTLines, CurPTLine, PyPTHardwired, r)) {
    case PythonPTRefusal::Hardwired:
        refusal(QStringLiteral("The selected party template is hardwired to the game, you can't "
                               "delete this party template!"));
        return;
    case PythonPTRefusal::NotOneElement:
        refusal(QStringLiteral("The entry of this party template spans lines that could not be "
                               "joined, so it can't be deleted here. Please delete it in "
                               "module_party_templates.py!"));
        return;
    case PythonPTRefusal::None:
        break;
    default:
        information(QStringLiteral("Select a party template to delete!"));
        return;
    }
    const QString text =
        QStringLiteral("WARNING!") + CrLf + CrLf +
        QStringLiteral("This will delete party templte # ") + QString::number(r + 1) +
        QStringLiteral(" - ") + txtPTID->text() + u'!' + CrLf +
        QStringLiteral("Also saved games may crash or the game won't load if you delete party "
                       "templates which are content of the current module. It's highly "
                       "recommended that you only delete your self created party templates!") +
        CrLf + CrLf + QStringLiteral("Do you want to continue?");
    if (MsgBox(text, MsgButtons::YesNo, MsgIcon::None, QStringLiteral("Delete party template?")) !=
        MsgAnswer::Yes)
        return;
    KeepListIndex = r;
    DeletePythonPT();
}

void frmPythonPartyTemp::DeletePythonPT() {
    // Only an element that is exactly one entry goes (cmdDelete_Click has said
    // why another one cannot).
    if (!DeletePythonEntry(PyPTLines, PyPTMax, CurPTLine, PartyTemplateRows.opener, &PyPTLastEntry))
        return;
    CurPTLine = -1;
    FillPTList();
    // The row that moved up into the deleted one's place, or the new last row;
    // none at all leaves nothing shown and nothing to update.
    lstPT->setListIndex(std::min(KeepListIndex, lstPT->count() - 1));
    UnsavedPT = true;
    information(QStringLiteral("Selected party template has been deleted!"));
}

void frmPythonPartyTemp::ScanPythonPT() {
    if (AskRewriteAll(QStringLiteral("Party Templates"), QStringLiteral("party template"),
                      QStringLiteral("module_party_templates.py"), QString()) != MsgAnswer::Yes)
        return;
    // The pass runs on the table itself; the window is brought up to date
    // once, at its end, by showing the last row as the pass leaves it.
    const PythonRewriteResult result = runBusy([this] {
        return RewriteAllPythonEntries(
            PyPTLines, PyPTMax, m_ptRows.lines, PartyTemplateRows.opener,
            [](int, const QString& entry) { return RewrittenPythonPTEntry(entry); });
    });
    if (result.rewritten > 0)
        UnsavedPT = true;
    if (lstPT->count() > 1)
        lstPT->setListIndex(lstPT->count() - 1);

    ShowRewriteAllDone(QStringLiteral("party templates"), QStringLiteral("party template"),
                       result.rewritten, result.unchanged, result.skipped);
}

// ---- Commands

void frmPythonPartyTemp::cmdShowPython_Click() {
    ShowStoredPythonEntry(QStringLiteral("party template"), PyPTLines, CurPTLine);
}

QWidget* ShowPythonPartyTemp() {
    auto* window = new frmPythonPartyTemp;
    window->show();
    return window;
}
