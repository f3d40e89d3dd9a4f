#include "text_editors/world/frmTextPartyTemp.h"

#include "platform/gui/Controls.h"
#include "platform/gui/InputBox.h"
#include "platform/gui/Layout.h"
#include "platform/gui/SharedRows.h"
#include "platform/gui/ToggleList.h"
#include "shell/EditorFactories.h"
#include "shell/EditorMessages.h"
#include "shell/modMain.h"
#include "text_editors/troops/TroopTables.h"
#include "text_editors/world/MapIcons.h"
#include "text_editors/world/PartyTemplateTables.h"
#include "text_editors/world/WorldRecordShow.h"
#include "text_editors/world/frmPartyControls.h"
#include "textfiles/modTextFactions.h"
#include "textfiles/modTextPartyTemp.h"
#include "textfiles/modTextTroops.h"

#include <QGroupBox>
#include <QLabel>
#include <QPushButton>

namespace {

constexpr int FormWidth = 15270;
constexpr int FormHeight = 8115;
constexpr int TemplateListHeight = 6885;

} // namespace

frmTextPartyTemp::frmTextPartyTemp(QWidget* parent) : EditorWindow(parent) {
    build("frmTextPartyTemp");
}

void frmTextPartyTemp::buildControls() {
    auto* content = Named(new QWidget(this), "framePartyTemplates");
    setCentralWidget(content);
    using Keys = InputBox::Keys;

    lblPartiyTemplatesEditor = AddHeading(content, "lblPartiyTemplatesEditor", 120, 60, 6840, 660);
    frameEdit = AddUpdateSaveFrame(content, "cmdUpdatePT", QStringLiteral("Update PT"), cmdUpdatePT,
                                   cmdSave);
    lblPartyTemplates = AddLabel(content, "lblPartyTemplates",
                                 QStringLiteral("List of Party Templates"), 120, 840, 3600);
    lstPT = Named(new ListBox(content), "lstPT");

    framePT = AddFrame(content, "framePT", QStringLiteral("Party Template"));
    AddLabel(framePT, "Label1", QStringLiteral("PT ID:"), 120, 330, 900);
    AddLabel(framePT, "Label2", QStringLiteral("PT name:"), 120, 720, 900);
    txtPTID = AddInputBox(framePT, "txtPTID", Keys::BlankToUnderscore);
    txtPTName = AddInputBox(framePT, "txtPTName", Keys::BlankToUnderscore);

    frameIcon = AddFrame(framePT, "frameIcon", QStringLiteral("Icon Mask"));
    cmbIcon = Named(new ComboBox(frameIcon), "cmbIcon");
    frameFaction = AddFrame(framePT, "frameFaction", QStringLiteral("Faction"));
    cmbPTFactions = Named(new ComboBox(frameFaction), "cmbPTFactions");
    frameMenu = AddFrame(framePT, "frameMenu", QStringLiteral("Menu (deprecated)"));
    txtPTMenu = AddInputBox(frameMenu, "txtPTMenu");

    frameLoot = AddFrame(framePT, "frameLoot", QStringLiteral("Loot"));
    AddLabel(frameLoot, "Label3", QStringLiteral("Carry gold (value x20):"), 120, 330, 2280);
    AddLabel(frameLoot, "Label4", QStringLiteral("Carry goods (value):"), 120, 690, 2280);
    txtGold = AddInputBox(frameLoot, "txtGold", Keys::Digits);
    txtGoods = AddInputBox(frameLoot, "txtGoods", Keys::Digits);
    for (InputBox* box : {txtGold, txtGoods}) {
        box->setText(QStringLiteral("0"));
        box->onLostFocus = [this, box] { capLoot(box); };
    }

    framePersonality = AddFrame(framePT, "framePersonality", QStringLiteral("Personality"));
    AddLabel(framePersonality, "Label5", QStringLiteral("Courage:"), 120, 330, 1260);
    AddLabel(framePersonality, "Label6", QStringLiteral("Aggressiveness:"), 120, 690, 1260);
    AddLabel(framePersonality, "Label7", QStringLiteral("( 8 = neutral)"), 2280, 330, 1260);
    cmbPTCourage = Named(new ComboBox(framePersonality), "cmbPTCourage");
    cmbPTAgressiveness = Named(new ComboBox(framePersonality), "cmbPTAgressiveness");
    chkPTBanditness =
        Named(new CheckBox(QStringLiteral("Banditness"), framePersonality), "chkPTBanditness");

    frameMembers = AddFrame(framePT, "frameMembers", QStringLiteral("Members"));
    for (std::size_t k = 0; k < TemplateSlotCount; ++k) {
        const int top = 300 + 420 * static_cast<int>(k);
        cmbPTTroops[k] = Named(new ComboBox(frameMembers), "cmbPTTroops");
        AddLabel(frameMembers, "", QStringLiteral("Min."), 3540, top + 30, 420);
        txtPTMin[k] = AddInputBox(frameMembers, "txtPTMin");
        AddLabel(frameMembers, "", QStringLiteral("Max."), 4740, top + 30, 450);
        txtPTMax[k] = AddInputBox(frameMembers, "txtPTMax");
        chkPTPrisoner[k] =
            Named(new CheckBox(QStringLiteral("Prisoner"), frameMembers), "chkPTPrisoner");
    }

    frameFlags = AddFrame(framePT, "frameFlags", QStringLiteral("Flags"));
    // Any combination of rows; the label sizes are not kept apart here.
    lstFlags = Named(new ToggleList(frameFlags), "lstFlags");

    connect(lstPT, &ListBox::click, this, &frmTextPartyTemp::lstPT_Click);
    connect(cmdUpdatePT, &QPushButton::clicked, this, &frmTextPartyTemp::UpdatePT);
    connect(cmdSave, &QPushButton::clicked, this,
            [this] { saveFile(SaveTextPartyTemplates, UnsavedTemplates); });
    placeDesign();
}

void frmTextPartyTemp::buildMenus() {
    addFileMenu(QStringLiteral("mnu_file_main"), QStringLiteral("mnu_file_blank1"));
    m_view.addMenu(false);
    addEditorSwitchMenu("mnu_select", QStringLiteral("&Select editor"), TextEditorSwitch(),
                        ShowTextPartyTemp);
    addHelpMenu();
}

void frmTextPartyTemp::placeDesign() {
    Place({
        {frameEdit, 9345, 0, 5880, 780},
        {cmdUpdatePT, 120, 300, 2940, 375},
        {cmdSave, 3180, 300, 2580, 375},
        {lstPT, 120, 1110, 3705, TemplateListHeight},

        {framePT, 3945, 840, 11205, 7155},
        {txtPTID, 1020, 300, 2700, 315},
        {txtPTName, 1020, 690, 2700, 315},
        {frameIcon, 120, 1110, 3600, 660},
        {cmbIcon, 120, 240, 3360, 315},
        {frameFaction, 120, 1830, 3600, 660},
        {cmbPTFactions, 120, 240, 3360, 315},
        {frameMenu, 120, 2550, 3600, 660},
        {txtPTMenu, 120, 240, 3360, 315},
        {frameLoot, 120, 3270, 3600, 1080},
        {txtGold, 2460, 300, 1020, 315},
        {txtGoods, 2460, 660, 1020, 315},
        {framePersonality, 120, 4470, 3600, 1440},
        {cmbPTCourage, 1380, 300, 780, 315},
        {cmbPTAgressiveness, 1380, 660, 780, 315},
        {chkPTBanditness, 120, 1050, 2000, 255},

        {frameMembers, 3840, 180, 7245, 2880},
        {frameFlags, 3840, 3180, 7245, 3855},
        {lstFlags, 120, 240, 7005, 3495},
    });
    for (std::size_t k = 0; k < TemplateSlotCount; ++k) {
        const int top = 300 + 420 * static_cast<int>(k);
        Place(cmbPTTroops[k], 120, top, 3300, 315);
        Place(txtPTMin[k], 3960, top, 660, 315);
        Place(txtPTMax[k], 5190, top, 660, 315);
        Place(chkPTPrisoner[k], 5970, top + 30, 1140, 255);
    }

    m_view.setLists({lstPT});
    m_view.setLayout(centralWidget(), FormWidth, FormWidth, FormHeight, {});
}

void frmTextPartyTemp::formLoad() {
    setWindowTitle(WindowCaption(QStringLiteral("  - Party Templates Editor")));
    m_view.setScreenWidth(ScreenWidth);
    SetListFontSize(ListFontSize);
    lblPartiyTemplatesEditor->setText(QStringLiteral("Party Templates Editor \n") + ModuleFolder +
                                      QStringLiteral("party_templates.txt"));
    framePT->setEnabled(false);
    frameEdit->setEnabled(false);

    flagControls().fillRows();
    cmbIcon->setRows(BuiltInIconRows());

    LoadTextPartyTemplates();
    LoadTextFactions();
    LoadTextTroops();
    FillFactionCombo();
    FillTemplateTroopCombos();
    FillTemplateList();
}

void frmTextPartyTemp::FillTemplateList() {
    lstPT->setRows(TemplateListRows());
}

void frmTextPartyTemp::FillTemplateTroopCombos() {
    ShareRows({cmbPTTroops.begin(), cmbPTTroops.end()}, TemplateTroopRows());
}

void frmTextPartyTemp::FillFactionCombo() {
    cmbPTFactions->setRows(FactionComboRows());
}

void frmTextPartyTemp::lstPT_Click() {
    if (lstPT->listIndex() < 0)
        return;
    CurrentTemplate = lstPT->listIndex();
    ShowPartyTemplate();
    cmdUpdatePT->setText(QStringLiteral("Update PT # ") + QString::number(CurrentTemplate));
    framePT->setEnabled(true);
    frameEdit->setEnabled(true);
}

void frmTextPartyTemp::ShowPartyTemplate() {
    PendingFailure failure;
    const PartyTemplateRead read =
        DecodePartyTemplate(PartyTempLine.value(CurrentTemplate), failure);
    m_shown = read;
    const PartyTemplateRecord& r = read.record;
    txtPTID->setText(r.id);
    txtPTName->setText(r.name);
    txtPTMenu->setText(r.menu);
    ShowOtherFileRow(cmbPTFactions, r.faction, failure, MinusOne::IsReported);

    flagControls().show(r.flags.rows, r.personality);
    // The fixed list names the game's own icons, 0 to 188.
    ShowIconRow(cmbIcon, r.flags.icon);
    txtGold->setText(QString::number(r.gold));
    txtGoods->setText(QString::number(r.goods));

    // Slots the line's shape did not let us read show empty, never the
    // members of the template shown before.
    for (std::size_t k = 0; k < TemplateSlotCount; ++k) {
        const TemplateSlot& slot = r.members[k];
        ShowOtherFileRow(cmbPTTroops[k], slot.troop, failure, MinusOne::IsReported);
        txtPTMin[k]->setText(slot.min);
        txtPTMax[k]->setText(slot.max);
        chkPTPrisoner[k]->setValue(slot.prisoner);
    }
    cmdUpdatePT->setEnabled(
        EndRecordShow({QStringLiteral("party_templates.txt"), QStringLiteral("Party template"),
                       QStringLiteral("ShowPartyTemplate"), &PartyTempsToldDamaged},
                      CurrentTemplate, read.complete, failure));
}

void frmTextPartyTemp::UpdatePT() {
    if (!m_shown || !m_shown->complete)
        return;
    PartyTemplateRecord r = m_shown->record;
    r.id = txtPTID->ruledText();
    r.name = txtPTName->ruledText();
    r.menu = txtPTMenu->text();
    r.faction = cmbPTFactions->listIndex();
    r.flags.rows = flagControls().rows();
    r.flags.icon = cmbIcon->listIndex();
    r.personality = flagControls().personality();
    for (std::size_t k = 0; k < TemplateSlotCount; ++k)
        r.members[k] = {cmbPTTroops[k]->listIndex(), txtPTMin[k]->text(), txtPTMax[k]->text(),
                        chkPTPrisoner[k]->value()};
    if (RefuseUnstorable({{QStringLiteral("PT ID"), r.id},
                          {QStringLiteral("PT name"), r.name},
                          {QStringLiteral("Menu"), r.menu}},
                         QStringLiteral("party_templates.txt"), PartyTempsLineEnds.coding))
        return;
    // The key rule holds for pasted and dropped text too.
    for (const auto& [box, field] : {std::pair{txtGold, "Carry gold"}, {txtGoods, "Carry goods"}}) {
        if (!box->keepsKeyRule()) {
            RefuseDigitsOnly(QLatin1String(field));
            return;
        }
    }
    if (const QString problem =
            PartyTemplateProblem(r, m_shown->record, txtGold->text(), txtGoods->text());
        !problem.isEmpty()) {
        RefuseInput(problem);
        return;
    }
    // A number above 255 that never left its box counts as 255, not as its low byte.
    r.gold = LootValue(txtGold->text()).value_or(0);
    r.goods = LootValue(txtGoods->text()).value_or(0);

    PendingFailure failure;
    const std::optional<QString> line =
        EncodePartyTemplate(r, PartyTempLine.value(CurrentTemplate), failure);
    if (!line) {
        ReportError(failure.number(), QStringLiteral("UpdatePT"));
        return;
    }
    const int k = CurrentTemplate;
    StoreTemplate(k, *line, r.id, r.name);
    txtGold->setText(QString::number(r.gold));
    txtGoods->setText(QString::number(r.goods));
    // The next update starts from the line now stored.
    PendingFailure ignored;
    m_shown = DecodePartyTemplate(*line, ignored);
    lstPT->item(k)->setText(UpdatedTemplateRow(k));
    ShowResult(QStringLiteral("Party template updated..."),
               QStringLiteral("Party template # ") + QString::number(k) + QStringLiteral(" - '") +
                   r.id + QStringLiteral("' has been updated. This is the updated entry:"),
               *line);
    UnsavedTemplates = true;
}

void frmTextPartyTemp::capLoot(InputBox* box) {
    const std::optional<int> value = LootValue(box->text());
    if (value == 255)
        box->setText(QStringLiteral("255"));
}

PartyFlagControls frmTextPartyTemp::flagControls() const {
    return {lstFlags, cmbPTCourage, cmbPTAgressiveness, chkPTBanditness};
}

QWidget* ShowTextPartyTemp() {
    auto* window = new frmTextPartyTemp;
    window->show();
    return window;
}
