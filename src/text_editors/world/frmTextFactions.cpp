#include "text_editors/world/frmTextFactions.h"

#include "platform/MessageBox.h"
#include "platform/gui/Controls.h"
#include "platform/gui/InputBox.h"
#include "platform/gui/Layout.h"
#include "shell/EditorFactories.h"
#include "shell/EditorMessages.h"
#include "shell/modMain.h"
#include "text_editors/world/FactionTables.h"
#include "text_editors/world/WorldRecordShow.h"
#include "text_editors/world/WorldWords.h"
#include "text_editors/world/frmPartyControls.h"
#include "textfiles/modTextFactions.h"

#include <QFrame>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QScrollBar>

namespace {

constexpr int FormWidth = 15270;
constexpr int FormHeight = 8100;
constexpr int FactionListHeight = 6690;

} // namespace

frmTextFactions::frmTextFactions(QWidget* parent) : EditorWindow(parent) {
    build("frmTextFactions");
}

void frmTextFactions::buildControls() {
    auto* content = Named(new QWidget(this), "frameContent");
    setCentralWidget(content);
    using Keys = InputBox::Keys;

    // The caption says "Parties", as it always has, though the frame holds the factions.
    frameParties = AddFrame(content, "frameParties", QStringLiteral("Parties"));
    lblFactionsEditor = AddHeading(frameParties, "lblFactionsEditor", 120, 240, 6840, 660);
    frameEdit = AddUpdateSaveFrame(frameParties, "cmdUpdate", QStringLiteral("Update Factions"),
                                   cmdUpdate, cmdSave);
    lblFactions =
        AddLabel(frameParties, "lblFactions", QStringLiteral("List of Factions"), 120, 1020, 3600);
    lstFactions = Named(new ListBox(frameParties), "lstFactions");

    frameFaction = AddFrame(frameParties, "frameFaction", QStringLiteral("Faction"));
    frameNames = AddFrame(frameFaction, "frameNames", QStringLiteral("Names"));
    AddLabel(frameNames, "Label1", QStringLiteral("Faction ID:"), 120, 330, 1080);
    AddLabel(frameNames, "Label2", QStringLiteral("Name:"), 120, 720, 1080);
    txtFacID = AddInputBox(frameNames, "txtFacID", Keys::BlankToUnderscore);
    txtFacName = AddInputBox(frameNames, "txtFacName", Keys::BlankToUnderscore);

    frameFlags = AddFrame(frameFaction, "frameFlags", QStringLiteral("Flags"));
    chkLabel = Named(new CheckBox(QStringLiteral("always hide label"), frameFlags), "chkLabel");

    frameColor = AddFrame(frameFaction, "frameColor", QStringLiteral("Color"));
    const std::pair<QScrollBar**, const char*> bars[] = {
        {&ScrollBarR, "ScrollBarR"}, {&ScrollBarG, "ScrollBarG"}, {&ScrollBarB, "ScrollBarB"}};
    const char* barCaptions[] = {"Red", "Green", "Blue"};
    for (int i = 0; i < 3; ++i) {
        AddLabel(frameColor, "", QLatin1String(barCaptions[i]), 120, 330 + 360 * i, 720);
        QScrollBar* bar = Named(new QScrollBar(Qt::Horizontal, frameColor), bars[i].second);
        bar->setRange(0, 255);
        // A scroll bar turns its keys round by default (Right would lower the
        // value); a colour bar raises it to the right, as it is drawn.
        bar->setInvertedControls(false);
        connect(bar, &QScrollBar::valueChanged, this, &frmTextFactions::ScrollBar_Change);
        *bars[i].first = bar;
    }
    shapeColor = Named(new QFrame(frameColor), "shapeColor");
    shapeColor->setFrameShape(QFrame::Box);
    shapeColor->setAutoFillBackground(true);
    shapeColor->setPalette(QPalette(Qt::black, Qt::black));
    Label5 = AddLabel(frameColor, "Label5", QStringLiteral("RGB(0,0,0)"), 2280, 1500, 2040);
    lblHex = AddLabel(frameColor, "lblHex", QStringLiteral("Hex: 0"), 2280, 1860, 2040);
    AddLabel(frameColor, "Label6", QStringLiteral("Color ID:"), 2280, 2400, 2040);
    // The colour word follows the bars; typing into it is not taken.
    txtFacColor = Named(new QLineEdit(frameColor), "txtFacColor");
    ShowReadOnly(txtFacColor, true);

    frameRelations = AddFrame(frameFaction, "frameRelations", QStringLiteral("Relations"));
    lstRelations = Named(new ListBox(frameRelations), "lstRelations");
    AddLabel(frameRelations, "Label7", QStringLiteral("Value:"), 120, 5340, 600);
    txtRel = AddInputBox(frameRelations, "txtRel");
    txtRel->setText(QStringLiteral("0.0000000"));
    cmdUpdRel = AddButton(frameRelations, "cmdUpdRel", QStringLiteral("Update relation value"));
    lblMsg = AddLabel(frameRelations, "lblMsg", QString(), 120, 5790, 5790, 720);
    lblMsg->setWordWrap(true);

    connect(lstFactions, &ListBox::click, this, &frmTextFactions::lstFactions_Click);
    connect(lstRelations, &ListBox::click, this, &frmTextFactions::lstRelations_Click);
    connect(cmdUpdRel, &QPushButton::clicked, this, &frmTextFactions::cmdUpdRel_Click);
    connect(cmdUpdate, &QPushButton::clicked, this, &frmTextFactions::cmdUpdate_Click);
    connect(cmdSave, &QPushButton::clicked, this,
            [this] { saveFile(SaveTextFactions, UnsavedFactions); });
    placeDesign();
}

void frmTextFactions::buildMenus() {
    addFileMenu(QStringLiteral("mnu_file_main"), QStringLiteral("mnu_file_blank1"));
    m_view.addMenu(false);
    // Switching asks about unsaved factions and closes this editor before the
    // other one opens: the other editor reloads the faction tables from disk.
    addEditorSwitchMenu("mnu_select", QStringLiteral("&Select editor"), TextEditorSwitch(),
                        ShowTextFactions);
    addHelpMenu();
}

void frmTextFactions::placeDesign() {
    Place(frameParties, 0, 0, FormWidth, FormHeight);
    Place(frameEdit, 9150, 120, 5880, 780);
    Place(cmdUpdate, 120, 300, 2940, 375);
    Place(cmdSave, 3180, 300, 2580, 375);
    Place(lstFactions, 120, 1290, 4080, FactionListHeight);

    Place(frameFaction, 4320, 960, 10830, 7020);
    Place(frameNames, 120, 240, 4440, 1140);
    Place(txtFacID, 1200, 300, 3120, 315);
    Place(txtFacName, 1200, 690, 3120, 315);
    Place(frameFlags, 120, 1440, 4440, 660);
    Place(chkLabel, 120, 270, 4200, 255);
    Place(frameColor, 120, 2160, 4440, 4740);
    int barTop = 300;
    for (QScrollBar* bar : {ScrollBarR, ScrollBarG, ScrollBarB}) {
        Place(bar, 840, barTop, 3480, 255);
        barTop += 360;
    }
    Place(shapeColor, 120, 1440, 2040, 3120);
    Place(txtFacColor, 2280, 2670, 2040, 315);
    Place(frameRelations, 4680, 240, 6030, 6660);
    Place(lstRelations, 120, 270, 5790, 4920);
    Place(txtRel, 780, 5310, 1800, 315);
    Place(cmdUpdRel, 2700, 5280, 3210, 375);

    m_view.setLists({lstFactions});
    m_view.setLayout(centralWidget(), FormWidth, FormWidth, FormHeight, {});
}

void frmTextFactions::formLoad() {
    setWindowTitle(WindowCaption(QStringLiteral("  - Faction Editor")));
    m_view.setScreenWidth(ScreenWidth);
    SetListFontSize(ListFontSize);
    lblFactionsEditor->setText(QStringLiteral("Factions Editor\n") + ModuleFolder +
                               QStringLiteral("factions.txt"));
    show();
    frameEdit->setEnabled(false);
    frameFaction->setEnabled(false);
    LoadTextFactions();
    FillFactionList();
    lblMsg->setText(QStringLiteral("Set a value between 1.0 and -1.0\nAlso keep the zeros! Ingame, "
                                   "this value is multiplied with 100."));
}

void frmTextFactions::FillFactionList() {
    lstFactions->setRows(FactionListRows());
}

void frmTextFactions::lstFactions_Click() {
    if (lstFactions->listIndex() < 0)
        return;
    CurFaction = lstFactions->listIndex();
    if (CurFaction == 0) {
        // The controls keep the faction shown before; the update leaves it alone.
        ShowInformation(QStringLiteral("First entry of factions is not editable!"));
        return;
    }
    ShowFaction();
    frameFaction->setEnabled(true);
    frameEdit->setEnabled(true);
}

void frmTextFactions::ShowFaction() {
    PendingFailure failure;
    txtRel->clear();
    const FactionRead read = DecodeFaction(FactionLine.value(CurFaction),
                                           FactionRelLine.value(CurFaction), FactionsRead, failure);
    m_shown = read;
    const FactionRecord& r = read.record;
    txtFacID->setText(r.id);
    txtFacName->setText(r.name);
    txtFacColor->setText(read.colourWord);
    chkLabel->setValue(r.hideLabel);
    ScrollBarR->setValue(r.red);
    ScrollBarG->setValue(r.green);
    ScrollBarB->setValue(r.blue);
    // A bar that keeps its value runs no change, so the colour word is
    // written here for every faction, from its own stored word.
    txtFacColor->setText(ColourWord(read.colourWord, r.red, r.green, r.blue));
    lstRelations->setRows(RelationRows());
    FactionRel = r.relations;
    // A short relation line still gives every relation row a value to edit;
    // such a faction is not updated.
    while (FactionRel.size() < FactionMax + 1)
        FactionRel.append(QString());
    cmdUpdate->setText(QStringLiteral("Update Faction # ") + QString::number(CurFaction));
    cmdUpdate->setEnabled(EndRecordShow({QStringLiteral("factions.txt"), QStringLiteral("Faction"),
                                         QStringLiteral("ShowFaction"), &FactionsToldDamaged},
                                        CurFaction, read.complete, failure));
}

void frmTextFactions::lstRelations_Click() {
    const int row = lstRelations->listIndex();
    if (row >= 0)
        txtRel->setText(FactionRel.value(row + 1));
}

void frmTextFactions::cmdUpdRel_Click() {
    const int row = lstRelations->listIndex();
    if (row < 0 || row + 1 >= FactionRel.size()) {
        ShowInformation(QStringLiteral("No faction selected!"));
        return;
    }
    // A value that would shift the relation line, or that is no relation the
    // game can read, is refused where it is typed, not only at the next update.
    if (const QString problem = RelationProblem(row + 1, txtRel->text()); !problem.isEmpty()) {
        RefuseInput(problem);
        return;
    }
    // Only the shown relations change; the record takes them at the next update.
    FactionRel[row + 1] = txtRel->text();
    MsgBox(QStringLiteral("Relation from   ") + FactionID.value(CurFaction) +
               QStringLiteral("   to   ") + lstRelations->item(row)->text() +
               QStringLiteral("   changed to ") + txtRel->text(),
           MsgButtons::Ok, MsgIcon::Information, QStringLiteral("Value changed...."));
}

void frmTextFactions::cmdUpdate_Click() {
    if (CurFaction != 0)
        UpdateFactions();
}

void frmTextFactions::UpdateFactions() {
    if (!m_shown || !m_shown->complete)
        return;
    FactionRecord record = m_shown->record;
    record.id = txtFacID->ruledText();
    record.name = txtFacName->ruledText();
    if (RefuseUnstorable(
            {{QStringLiteral("Faction ID"), record.id}, {QStringLiteral("Name"), record.name}},
            QStringLiteral("factions.txt"), FactionsLineEnds.coding))
        return;
    record.hideLabel = chkLabel->value();
    record.red = ScrollBarR->value();
    record.green = ScrollBarG->value();
    record.blue = ScrollBarB->value();
    // The relations to factions a short file lacks have no place in the line.
    record.relations = FactionRel.mid(0, FactionsRead);
    if (const QString problem = FactionProblem(record); !problem.isEmpty()) {
        RefuseInput(problem);
        return;
    }
    PendingFailure failure;
    const auto lines = EncodeFaction(record, FactionLine.value(CurFaction),
                                     FactionRelLine.value(CurFaction), FactionsRead, failure);
    if (!lines) {
        ReportError(failure.number(), QStringLiteral("UpdateFactions"));
        return;
    }
    const int k = CurFaction;
    StoreFaction(k, lines->first, lines->second, record.id, record.name);
    lstFactions->item(k)->setText(FactionRowText(k));
    ShowFaction();
    ShowResult(QStringLiteral("Faction updated..."),
               QStringLiteral("Facion # ") + QString::number(k) + QStringLiteral(" - '") +
                   record.id + QStringLiteral("' has been updated. This is the updated entry:"),
               lines->first + QStringLiteral("\r\n") + lines->second);
    UnsavedFactions = true;
}

void frmTextFactions::ScrollBar_Change() {
    const int red = ScrollBarR->value();
    const int green = ScrollBarG->value();
    const int blue = ScrollBarB->value();
    shapeColor->setPalette(QPalette(QColor(red, green, blue), QColor(red, green, blue)));
    Label5->setText(QStringLiteral("RGB (%1,%2,%3)").arg(red).arg(green).arg(blue));
    UpdateColor();
}

void frmTextFactions::UpdateColor() {
    const int red = ScrollBarR->value();
    const int green = ScrollBarG->value();
    const int blue = ScrollBarB->value();
    lblHex->setText(QStringLiteral("Hex: ") + ColourHex(red, green, blue));
    // The bits above the colour and the stored word's own digits stay.
    txtFacColor->setText(ColourWord(m_shown ? m_shown->colourWord : QString(), red, green, blue));
}

QWidget* ShowTextFactions() {
    auto* window = new frmTextFactions;
    window->show();
    return window;
}
