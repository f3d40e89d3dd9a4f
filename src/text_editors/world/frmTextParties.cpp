#include "text_editors/world/frmTextParties.h"

#include "platform/gui/Controls.h"
#include "platform/gui/Layout.h"
#include "platform/gui/SharedRows.h"
#include "platform/gui/ToggleList.h"
#include "shell/EditorFactories.h"
#include "shell/EditorMessages.h"
#include "shell/modMain.h"
#include "text_editors/troops/TroopTables.h"
#include "text_editors/world/MapIcons.h"
#include "text_editors/world/PartyTables.h"
#include "text_editors/world/WorldRecordShow.h"
#include "text_editors/world/frmPartyControls.h"
#include "textfiles/modTextFactions.h"
#include "textfiles/modTextParties.h"
#include "textfiles/modTextPartyTemp.h"
#include "textfiles/modTextTroops.h"

#include <QGroupBox>
#include <QLabel>
#include <QPushButton>
#include <QScrollBar>
#include <QSignalBlocker>

#include <algorithm>

namespace {

constexpr int FormWidth = 15270;
constexpr int FormHeight = 9165;
// The party list keeps this height whatever its font size.
constexpr int PartyListHeight = 7860;

// The text editors' switch entries, captioned as this editor's menu has
// always named them.
std::vector<EditorSwitchEntry> PartyEditorSwitch() {
    std::vector<EditorSwitchEntry> entries = TextEditorSwitch();
    for (EditorSwitchEntry& entry : entries) {
        if (entry.name == QLatin1String("mnu_select_troops"))
            entry.caption = QStringLiteral("&troops.txt");
        else if (entry.name == QLatin1String("mnu_select_pt"))
            entry.caption = QStringLiteral("part&y_templates.txt");
    }
    return entries;
}

} // namespace

frmTextParties::frmTextParties(QWidget* parent) : EditorWindow(parent) {
    build("frmTextParties");
}

void frmTextParties::buildControls() {
    content = Named(new QWidget(this), "frameContent");
    setCentralWidget(content);

    frameParties = AddFrame(content, "frameParties", QStringLiteral("Parties"));
    lblPartiesEditor = AddHeading(frameParties, "lblPartiesEditor", 120, 240, 7200, 600);
    lblParties =
        AddLabel(frameParties, "lblParties", QStringLiteral("List of Parties:"), 120, 960, 3720);
    lstParties = Named(new ListBox(frameParties), "lstParties");
    frameEdit = AddUpdateSaveFrame(content, "cmdUpdateParties", QStringLiteral("Update Parties"),
                                   cmdUpdateParties, cmdSave);

    frameParty = AddFrame(frameParties, "frameParty", QStringLiteral("Party"));
    buildRecordFields();
    buildMembers();

    connect(lstParties, &ListBox::click, this, &frmTextParties::lstParties_Click);
    connect(cmdUpdateParties, &QPushButton::clicked, this, &frmTextParties::UpdateParty);
    connect(cmdSave, &QPushButton::clicked, this,
            [this] { saveFile(SaveTextParties, UnsavedParties); });
    connect(scrMember, &QScrollBar::valueChanged, this, &frmTextParties::scrMember_Change);
    // The label sizes exclude each other only when the user picks one: a
    // stored word holding two of them shows both.
    lstFlags->onUserToggle = [this](int current) {
        std::array<bool, PartyFlagCount> rows = flagControls().rows();
        ExclusiveLabelFlags(rows, current);
        lstFlags->setValues(QList<bool>(rows.begin(), rows.end()));
    };
    placeDesign();
}

void frmTextParties::buildRecordFields() {
    using Keys = InputBox::Keys;
    frameNames = AddFrame(frameParty, "frameNames", QStringLiteral("Names"));
    AddLabel(frameNames, "", QStringLiteral("Party ID:"), 120, 300, 900);
    AddLabel(frameNames, "", QStringLiteral("Name:"), 120, 690, 900);
    txtPartiesID = AddInputBox(frameNames, "txtPartiesID", Keys::BlankToUnderscore);
    txtPartiesName = AddInputBox(frameNames, "txtPartiesName", Keys::BlankToUnderscore);

    frameFaction = AddFrame(frameParty, "frameFaction", QStringLiteral("Faction"));
    cmbFactions = Named(new ComboBox(frameFaction), "cmbFactions");
    frameTemplate = AddFrame(frameParty, "frameTemplate", QStringLiteral("Party Template"));
    cmbTemplates = Named(new ComboBox(frameTemplate), "cmbTemplates");
    frameMenu = AddFrame(frameParty, "frameMenu", QStringLiteral("Menu (deprecated)"));
    txtMenu = AddInputBox(frameMenu, "txtMenu");
    frameIcon = AddFrame(frameParty, "frameIcon", QStringLiteral("Icon Mask"));
    cmbIcon = Named(new ComboBox(frameIcon), "cmbIcon");

    framePosition = AddFrame(frameParty, "framePosition", QStringLiteral("Position"));
    AddLabel(framePosition, "", QStringLiteral("Pos X:"), 120, 285, 600);
    AddLabel(framePosition, "", QStringLiteral("Pos Y:"), 2700, 285, 600);
    txtPosX = AddInputBox(framePosition, "txtPosX");
    txtPosY = AddInputBox(framePosition, "txtPosY");

    frameAI = AddFrame(frameParty, "frameAI", QStringLiteral("AI  (won't affect anything)"));
    cmbAI = Named(new ComboBox(frameAI), "cmbAI");
    AddLabel(frameAI, "", QStringLiteral("Target Party:"), 120, 690, 1200);
    cmbTarget = Named(new ComboBox(frameAI), "cmbTarget");

    frameFlags = AddFrame(frameParty, "frameFlags", QStringLiteral("Flags"));
    lstFlags = Named(new ToggleList(frameFlags), "lstFlags");

    framePersonality = AddFrame(frameParty, "framePersonality", QStringLiteral("Personality"));
    AddLabel(framePersonality, "", QStringLiteral("Courage:"), 120, 300, 1260);
    AddLabel(framePersonality, "", QStringLiteral("Aggressiveness:"), 120, 690, 1260);
    AddLabel(framePersonality, "", QStringLiteral("( 8 = neutral)"), 120, 1050, 2280);
    cmbPTCourage = Named(new ComboBox(framePersonality), "cmbPTCourage");
    cmbPTAgressiveness = Named(new ComboBox(framePersonality), "cmbPTAgressiveness");
    chkPTBanditness =
        Named(new CheckBox(QStringLiteral("Banditness"), framePersonality), "chkPTBanditness");
}

void frmTextParties::buildMembers() {
    frameMembers = AddFrame(frameParty, "frameMembers",
                            QStringLiteral("Target party list (only an optical effect, the units "
                                           "won't do anything without scripting) :"));
    scrMember = Named(new QScrollBar(Qt::Vertical, frameMembers), "scrMember");
    scrMember->setRange(0, PartyShownMembers);
    scrMember->setPageStep(1);
    lblMember = AddLabel(frameMembers, "lblMember", QStringLiteral("0"));
    lblMsg = AddLabel(frameMembers, "lblMsg",
                      QStringLiteral("Use the Scrollbar to change the number of party members!"));
    for (std::size_t k = 0; k < cmbTroops.size(); ++k) {
        cmbTroops[k] = Named(new ComboBox(frameMembers), "cmbTroops");
        lblCount[k] = AddLabel(frameMembers, "lblCount", QStringLiteral("Count:"));
        txtPTMin[k] = AddInputBox(frameMembers, "txtPTMin");
        chkPTPrisoner[k] =
            Named(new CheckBox(QStringLiteral("Prisoner"), frameMembers), "chkPTPrisoner");
    }
}

void frmTextParties::buildMenus() {
    addFileMenu(QStringLiteral("mnu_file_main"), QStringLiteral("mnu_file_blank1"));
    m_view.addMenu(false);
    addEditorSwitchMenu("mnu_select", QStringLiteral("&Select editor"), PartyEditorSwitch(),
                        ShowTextParties);
    addHelpMenu();
}

void frmTextParties::placeDesign() {
    Place({
        {frameParties, 0, 0, FormWidth, FormHeight},
        {lstParties, 120, 1230, 3720, PartyListHeight},
        {frameEdit, 8880, 120, 6270, 780},
        {cmdUpdateParties, 120, 300, 3000, 375},
        {cmdSave, 3240, 300, 2910, 375},

        {frameParty, 3960, 960, 11190, 8130},
        {frameNames, 120, 240, 5340, 1080},
        {txtPartiesID, 1080, 270, 4080, 315},
        {txtPartiesName, 1080, 660, 4080, 315},
        {frameFaction, 120, 1380, 5340, 660},
        {cmbFactions, 120, 255, 5100, 315},
        {frameTemplate, 120, 2100, 5340, 660},
        {cmbTemplates, 120, 255, 5100, 315},
        {frameMenu, 120, 2820, 2580, 660},
        {txtMenu, 120, 255, 2340, 315},
        {frameIcon, 2820, 2820, 2640, 660},
        {cmbIcon, 120, 255, 2400, 315},
        {framePosition, 120, 3540, 5340, 660},
        {txtPosX, 720, 255, 1800, 315},
        {txtPosY, 3300, 255, 1800, 315},
        {frameAI, 120, 4260, 5340, 1080},
        {cmbAI, 120, 255, 5100, 315},
        {cmbTarget, 1320, 660, 3900, 315},

        {frameFlags, 5580, 240, 2880, 5100},
        {lstFlags, 120, 255, 2640, 4710},
        {framePersonality, 8580, 240, 2490, 1740},
        {cmbPTCourage, 1440, 255, 900, 315},
        {cmbPTAgressiveness, 1440, 645, 900, 315},
        {chkPTBanditness, 120, 1380, 2160, 255},

        {frameMembers, 120, 5400, 10950, 2610},
        {scrMember, 120, 255, 255, 2235},
        {lblMember, 480, 300, 420, 255},
        {lblMsg, 1080, 300, 6000, 255},
    });
    for (std::size_t k = 0; k < cmbTroops.size(); ++k) {
        const int top = 255 + 465 * static_cast<int>(k);
        Place(cmbTroops[k], 1080, top, 5400, 315);
        Place(lblCount[k], 6660, top + 30, 660, 255);
        Place(txtPTMin[k], 7320, top, 1200, 315);
        Place(chkPTPrisoner[k], 8700, top + 30, 1200, 255);
    }

    m_view.setLists({lstParties});
    // One layout serves both screen widths.
    m_view.setLayout(content, FormWidth, FormWidth, FormHeight, {});
}

void frmTextParties::formLoad() {
    setWindowTitle(WindowCaption(QStringLiteral("  - Parties Editor")));
    m_view.setScreenWidth(ScreenWidth);
    SetListFontSize(ListFontSize);
    lblPartiesEditor->setText(QStringLiteral("Parties Editor\n") + ModuleFolder +
                              QStringLiteral("parties.txt"));
    CurParty = 0;
    frameParty->setEnabled(false);
    frameEdit->setEnabled(false);
    show();

    flagControls().fillRows();
    QStringList aiRows;
    for (const char* row : AiBehaviourRows)
        aiRows.append(QLatin1String(row));
    cmbAI->setRows(aiRows);
    cmbAI->setListIndex(0);
    cmbIcon->setRows(LoadMapIcons());

    LoadTextFactions();
    LoadTextPartyTemplates();
    LoadTextParties();
    LoadTextTroops();

    cmbFactions->setRows(FactionComboRows());
    lstParties->setRows(PartyListRows());
    cmbTarget->setRows(TargetComboRows());
    lblParties->setText(PartyListCaption());
    cmbTemplates->setRows(TemplateComboRows());
    ShareRows({cmbTroops.begin(), cmbTroops.end()}, TroopListRows());
    scrMember_Change();
}

void frmTextParties::lstParties_Click() {
    if (lstParties->listIndex() < 0)
        return;
    CurParty = lstParties->listIndex();
    ShowParty();
    cmdUpdateParties->setText(QStringLiteral("Update Party # ") + QString::number(CurParty));
    frameParty->setEnabled(true);
    frameEdit->setEnabled(true);
    // A line that could not be read whole is never rebuilt; saving what the
    // other updates changed stays possible.
    cmdUpdateParties->setEnabled(m_shown && m_shown->complete);
}

void frmTextParties::scrMember_Change() {
    const int n = scrMember->value();
    lblMember->setText(QString::number(n));
    for (std::size_t k = 0; k < cmbTroops.size(); ++k) {
        const bool shown = static_cast<int>(k) < n;
        for (QWidget* control :
             {static_cast<QWidget*>(cmbTroops[k]), static_cast<QWidget*>(lblCount[k]),
              static_cast<QWidget*>(txtPTMin[k]), static_cast<QWidget*>(chkPTPrisoner[k])})
            control->setVisible(shown);
    }
    lblMsg->setVisible(n == 0);
}

void frmTextParties::ShowParty() {
    PendingFailure failure;
    const PartyRead read = DecodeParty(PartyLine.value(CurParty), failure);
    fillControls(read.record, failure);
    m_shown = read;
    EndRecordShow({QStringLiteral("parties.txt"), QStringLiteral("Party"),
                   QStringLiteral("ShowParty"), &PartiesToldDamaged},
                  CurParty, read.complete, failure);
}

void frmTextParties::fillControls(const PartyRecord& r, PendingFailure& failure) {
    txtPartiesID->setText(r.id);
    txtPartiesName->setText(r.name);
    ShowOtherFileRow(cmbFactions, r.faction, failure);
    txtMenu->setText(r.menu);
    ShowOtherFileRow(cmbTemplates, r.partyTemplate, failure);
    ShowOtherFileRow(cmbAI, r.aiBehaviour, failure);
    ShowOtherFileRow(cmbTarget, r.aiTarget, failure);
    txtPosX->setText(r.posX);
    txtPosY->setText(r.posY);

    flagControls().show(r.flags.rows, r.personality);
    ShowIconRow(cmbIcon, r.flags.icon);

    // The bar's own signal stays silent when the value does not change, yet the
    // member rows and the count must be those of this party.
    const int members = static_cast<int>(std::min<qsizetype>(r.members.size(), PartyShownMembers));
    {
        const QSignalBlocker quiet(scrMember);
        scrMember->setValue(members);
    }
    scrMember_Change();
    for (int m = 0; m < members; ++m) {
        const PartyMember& member = r.members.at(m);
        const auto k = static_cast<std::size_t>(m);
        ShowOtherFileRow(cmbTroops[k], member.troop, failure);
        txtPTMin[k]->setText(member.count);
        chkPTPrisoner[k]->setValue(member.prisoner);
    }
}

PartyRecord frmTextParties::readControls(const PartyRecord& shown) const {
    PartyRecord r = shown;
    r.id = txtPartiesID->ruledText();
    r.name = txtPartiesName->ruledText();
    r.flags.rows = flagControls().rows();
    r.flags.icon = cmbIcon->listIndex();
    r.menu = txtMenu->text();
    r.partyTemplate = cmbTemplates->listIndex();
    r.faction = cmbFactions->listIndex();
    r.personality = flagControls().personality();
    r.aiBehaviour = cmbAI->listIndex();
    r.aiTarget = cmbTarget->listIndex();
    r.posX = txtPosX->text();
    r.posY = txtPosY->text();
    QList<PartyMember> members;
    for (int m = 0; m < scrMember->value(); ++m) {
        const auto k = static_cast<std::size_t>(m);
        members.append({cmbTroops[k]->listIndex(), txtPTMin[k]->text(), chkPTPrisoner[k]->value()});
    }
    SetShownMembers(r, members);
    return r;
}

void frmTextParties::UpdateParty() {
    if (!m_shown || !m_shown->complete)
        return;
    const PartyRecord record = readControls(m_shown->record);
    if (RefuseUnstorable({{QStringLiteral("Party ID"), record.id},
                          {QStringLiteral("Name"), record.name},
                          {QStringLiteral("Menu"), record.menu}},
                         QStringLiteral("parties.txt"), PartiesLineEnds.coding))
        return;
    if (const QString problem = PartyProblem(record, m_shown->record); !problem.isEmpty()) {
        RefuseInput(problem);
        return;
    }
    PendingFailure failure;
    const std::optional<QString> line = EncodeParty(record, PartyLine.at(CurParty), failure);
    if (!line) {
        ReportError(failure.number(), QStringLiteral("UpdateParty"));
        return;
    }
    StoreParty(CurParty, *line);
    // The next update compares with what is stored now.
    PendingFailure shownAgain;
    m_shown = DecodeParty(*line, shownAgain);
    lstParties->item(CurParty)->setText(UpdatedPartyRow(CurParty));
    cmbTarget->setItemText(CurParty, TargetComboRow(CurParty));
    ShowResult(QStringLiteral("Party updated..."),
               QStringLiteral("Party # ") + QString::number(CurParty) + QStringLiteral(" - '") +
                   PartyIDs.at(CurParty).Id +
                   QStringLiteral("' has been updated. This is the updated entry:"),
               *line + QStringLiteral("\r\n") + PartyLine2.at(CurParty));
    UnsavedParties = true;
}

PartyFlagControls frmTextParties::flagControls() const {
    return {lstFlags, cmbPTCourage, cmbPTAgressiveness, chkPTBanditness};
}

QWidget* ShowTextParties() {
    auto* window = new frmTextParties;
    window->show();
    return window;
}
