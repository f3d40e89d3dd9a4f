// The troop editor's layout, apart from its behaviour: where every control
// stands at design size, and how the screen width moves and widens them.
#include "ms_editors/troops/frmPythonTroops.h"

#include "platform/gui/Controls.h"
#include "platform/gui/InputBox.h"
#include "platform/gui/Layout.h"

#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

namespace {

// Height of the window's content below the menu bar, in twips: with the menu
// bar and a window manager's frame the window fits a screen 768 pixels high
// that a panel shares.
constexpr int ContentHeight = 10320;
// The troop list, shorter than its design height of 8880 twips so that the
// window fits that screen.
constexpr int TroopListHeight = 8475;

} // namespace

// Positions that do not depend on the screen width, then the width rules by
// which SetScreenWidth sets the others.
void frmPythonTroops::placeDesign() {
    Place(frameAdd, 7050, 0, 2235, 720);
    Place(cmdAddTroop, 120, 270, 960, 375);
    Place(cmdDeleteTroop, 1155, 270, 960, 375);
    Place(framePython, 9375, 0, 1830, 720);
    Place(cmdShowPython, 120, 270, 1590, 375);
    Place(frameEdit, 11295, 0, 3930, 720);
    Place(cmdUpdate, 120, 270, 1800, 375);
    Place(cmdSave, 2010, 270, 1800, 375);

    Place(frameTroopList, 45, 780, 3825, 9480);
    Place(lblTroops, 60, 240, 3705, 255);
    Place(lstTroops, 30, 540, 3765, TroopListHeight);
    Place(Label43, 60, 9105, 1110, 255);
    Place(txtFilterTroops, 1200, 9075, 1905, 315);
    Place(cmdFilterTroops, 3165, 9060, 600, 345);

    Place(frameTroop, 3915, 780, 11250, 9480);
    Place(frameNames, 120, 240, 3555, 1395);
    const char* nameLabels[] = {"lblTroopID", "lblTroopName", "lblTroopNamePl"};
    QLineEdit* nameBoxes[] = {txtTroopID, txtTroopName, txtTroopNamePl};
    for (int i = 0; i < 3; ++i) {
        Place(frameNames->findChild<QLabel*>(QLatin1String(nameLabels[i])), 120, 330 + 360 * i, 930,
              255);
        Place(nameBoxes[i], 1080, 300 + 360 * i, 2355, 315);
    }
    Place(FrameFlags, 120, 1680, 3555, 6225);
    Place(lstFlags, 120, 270, 3315, 5835);

    Place(frameScene, 3780, 240, 3600, 720);
    Place(txtScene, 120, 300, 1620, 315);
    Place(txtReserved, 1860, 300, 1620, 315);
    Place(frameFactions, 3780, 1005, 3600, 675);
    Place(txtFaction, 120, 270, 3360, 315);
    const auto termFrame = [](QGroupBox* frame, int top, ComboBox* cmb, QPushButton* help,
                              QLineEdit* txt, ListBox* lst, QPushButton* add, QPushButton* change,
                              QPushButton* del) {
        Place(frame, 3780, top, 3600, 2010);
        Place(cmb, 120, 270, 2700, 315);
        Place(help, 2880, 270, 600, 315);
        Place(txt, 120, 660, 2700, 315);
        Place(lst, 120, 1050, 2340, 840);
        Place(add, 2520, 1050, 960, 270);
        Place(change, 2520, 1335, 960, 270);
        Place(del, 2520, 1620, 960, 270);
    };
    termFrame(frameStats, 1725, cmbAttrib, cmdHelpAttrib, txtAttrib, lstAttrib, cmdAttribAdd,
              cmdAttribChange, cmdAttribDel);
    Place(frameProfiencies, 3780, 3780, 3600, 1065);
    Place(cmbProfi, 120, 270, 2700, 315);
    Place(cmdHelpProfi, 2880, 270, 600, 315);
    Place(txtProfi, 120, 660, 3360, 315);
    termFrame(FrameSkills, 4890, cmbSkills, cmdHelpSkills, txtSkills, lstSkills, cmdSkillsAdd,
              cmdSkillsChange, cmdSkillsDel);
    Place(framePgrade, 3780, 6945, 3600, 960);
    Place(framePgrade->findChild<QLabel*>(QStringLiteral("lblUpgrade1")), 120, 285, 1200, 255);
    Place(framePgrade->findChild<QLabel*>(QStringLiteral("Label5")), 120, 645, 1200, 255);
    Place(cmbUpgrade1, 1380, 240, 2100, 315);
    Place(cmbUpgrade2, 1380, 600, 2100, 315);

    Place(frameItems, 7440, 240, 3705, 7665);
    Place(lstItems, 135, 270, 3435, 2400);
    Place(cmdItemUp, 135, 2730, 600, 345);
    Place(cmdItemDown, 795, 2730, 600, 345);
    Place(cmdRemoveItem, 1455, 2730, 2190, 345);
    Place(lblItems, 135, 3180, 3435, 255);
    Place(lstAvailableItems, 135, 3450, 3435, 2400);
    Place(cmdAddItem, 135, 5910, 3435, 345);
    // The box two pixels right of its design position, clear of the caption.
    Place(lblAddItem, 120, 6375, 1620, 255);
    Place(txtItemNr, 1740, 6330, 660, 315);
    Place(cmdAddItemNr, 2445, 6315, 1125, 345);
    Place(Label17, 135, 6795, 885, 255);
    Place(txtItemFilter, 1020, 6750, 1965, 315);
    Place(cmdFilterItems, 3045, 6735, 525, 345);

    Place(frameFaceCode, 120, 7965, 11025, 1425);
    const char* faceLabels[] = {"lblFace1", "lblFace2", "lblTroopImage"};
    QLineEdit* faceBoxes[] = {txtFace1, txtFace2, txtTroopImage};
    for (int i = 0; i < 3; ++i) {
        Place(frameFaceCode->findChild<QLabel*>(QLatin1String(faceLabels[i])), 120, 300 + 360 * i,
              1260, 255);
        Place(faceBoxes[i], 1380, 270 + 360 * i, 8295, 315);
    }
    Place(cmdFaceCode, 9690, 270, 1215, 1035);

    m_view.setLists({lstItems, lstAvailableItems, lstTroops});
    using enum WidthRule::Edge;
    m_view.setLayout(
        frameTroops, 15270, 19110, ContentHeight,
        {
            {lblTroopEditor, Width, 6840, 10695}, {frameAdd, Left, 7050, 10935},
            {framePython, Left, 9375, 13260},     {frameEdit, Left, 11295, 15180},
            {frameTroopList, Width, 3825, 5745},  {lblTroops, Width, 3705, 5625},
            {lstTroops, Width, 3765, 5685},       {txtFilterTroops, Width, 1905, 3810},
            {cmdFilterTroops, Left, 3165, 5100},  {frameTroop, Left, 3915, 5860},
            {frameTroop, Width, 11250, 13185},    {frameItems, Width, 3705, 5655},
            {lstItems, Width, 3435, 5400},        {cmdRemoveItem, Left, 1455, 3390},
            {lblItems, Width, 3435, 5400},        {lstAvailableItems, Width, 3435, 5400},
            {cmdAddItem, Width, 3435, 5400},      {lblAddItem, Left, 120, 2055},
            {txtItemNr, Left, 1740, 3675},        {cmdAddItemNr, Left, 2445, 4380},
            {txtItemFilter, Width, 1965, 3900},   {cmdFilterItems, Left, 3045, 5025},
            {frameFaceCode, Width, 11025, 12975}, {txtFace1, Width, 8295, 10200},
            {txtFace2, Width, 8295, 10200},       {txtTroopImage, Width, 8295, 10200},
            {cmdFaceCode, Left, 9690, 11610},
        });
}
