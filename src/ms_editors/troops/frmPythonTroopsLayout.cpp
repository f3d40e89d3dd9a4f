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

// The label `name` of `frame`; the window keeps no field for its captions.
QLabel* Caption(const QWidget* frame, const char* name) {
    return frame->findChild<QLabel*>(QLatin1String(name));
}

// A frame of a term list (attributes, skills): the combo of known terms and
// the help button, the term's box, and the list with its three commands.
void PlaceTermFrame(QGroupBox* frame, int top, ComboBox* cmb, QPushButton* help, QLineEdit* txt,
                    ListBox* lst, QPushButton* add, QPushButton* change, QPushButton* del) {
    Place({
        {frame, 3780, top, 3600, 2010},
        {cmb, 120, 270, 2700, 315},
        {help, 2880, 270, 600, 315},
        {txt, 120, 660, 2700, 315},
        {lst, 120, 1050, 2340, 840},
        {add, 2520, 1050, 960, 270},
        {change, 2520, 1335, 960, 270},
        {del, 2520, 1620, 960, 270},
    });
}

} // namespace

// Positions that do not depend on the screen width, then the width rules by
// which SetScreenWidth sets the others.
void frmPythonTroops::placeDesign() {
    Place({
        {frameAdd, 7050, 0, 2235, 720},
        {cmdAddTroop, 120, 270, 960, 375},
        {cmdDeleteTroop, 1155, 270, 960, 375},
        {framePython, 9375, 0, 1830, 720},
        {cmdShowPython, 120, 270, 1590, 375},
        {frameEdit, 11295, 0, 3930, 720},
        {cmdUpdate, 120, 270, 1800, 375},
        {cmdSave, 2010, 270, 1800, 375},

        {frameTroopList, 45, 780, 3825, 9480},
        {lblTroops, 60, 240, 3705, 255},
        {lstTroops, 30, 540, 3765, TroopListHeight},
        {Label43, 60, 9105, 1110, 255},
        {txtFilterTroops, 1200, 9075, 1905, 315},
        {cmdFilterTroops, 3165, 9060, 600, 345},
    });
    placeFields();
    placeItems();

    const InventoryControls& inv = m_inventory;
    m_view.setLists({inv.lstItems, lstAvailableItems, lstTroops});
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
            {inv.lstItems, Width, 3435, 5400},    {inv.cmdRemoveItem, Left, 1455, 3390},
            {lblItems, Width, 3435, 5400},        {lstAvailableItems, Width, 3435, 5400},
            {inv.cmdAddItem, Width, 3435, 5400},  {inv.lblAddItem, Left, 120, 2055},
            {inv.txtItemNr, Left, 1740, 3675},    {inv.cmdAddItemNr, Left, 2445, 4380},
            {txtItemFilter, Width, 1965, 3900},   {cmdFilterItems, Left, 3045, 5025},
            {frameFaceCode, Width, 11025, 12975}, {txtFace1, Width, 8295, 10200},
            {txtFace2, Width, 8295, 10200},       {txtTroopImage, Width, 8295, 10200},
            {cmdFaceCode, Left, 9690, 11610},
        });
}

// The troop's frames left of the inventory.
void frmPythonTroops::placeFields() {
    Place({
        {frameTroop, 3915, 780, 11250, 9480},
        {frameNames, 120, 240, 3555, 1395},
        {Caption(frameNames, "lblTroopID"), 120, 330, 930, 255},
        {txtTroopID, 1080, 300, 2355, 315},
        {Caption(frameNames, "lblTroopName"), 120, 690, 930, 255},
        {txtTroopName, 1080, 660, 2355, 315},
        {Caption(frameNames, "lblTroopNamePl"), 120, 1050, 930, 255},
        {txtTroopNamePl, 1080, 1020, 2355, 315},
        {FrameFlags, 120, 1680, 3555, 6225},
        {lstFlags, 120, 270, 3315, 5835},

        {frameScene, 3780, 240, 3600, 720},
        {txtScene, 120, 300, 1620, 315},
        {txtReserved, 1860, 300, 1620, 315},
        {frameFactions, 3780, 1005, 3600, 675},
        {txtFaction, 120, 270, 3360, 315},
        {frameProfiencies, 3780, 3780, 3600, 1065},
        {cmbProfi, 120, 270, 2700, 315},
        {cmdHelpProfi, 2880, 270, 600, 315},
        {txtProfi, 120, 660, 3360, 315},
        {framePgrade, 3780, 6945, 3600, 960},
        {Caption(framePgrade, "lblUpgrade1"), 120, 285, 1200, 255},
        {Caption(framePgrade, "Label5"), 120, 645, 1200, 255},
        {cmbUpgrade1, 1380, 240, 2100, 315},
        {cmbUpgrade2, 1380, 600, 2100, 315},
    });
    PlaceTermFrame(frameStats, 1725, cmbAttrib, cmdHelpAttrib, txtAttrib, lstAttrib, cmdAttribAdd,
                   cmdAttribChange, cmdAttribDel);
    PlaceTermFrame(FrameSkills, 4890, cmbSkills, cmdHelpSkills, txtSkills, lstSkills, cmdSkillsAdd,
                   cmdSkillsChange, cmdSkillsDel);
}

// The inventory frame, and the faces below it all.
void frmPythonTroops::placeItems() {
    const InventoryControls& inv = m_inventory;
    Place({
        {frameItems, 7440, 240, 3705, 7665},
        {inv.lstItems, 135, 270, 3435, 2400},
        {inv.cmdItemUp, 135, 2730, 600, 345},
        {inv.cmdItemDown, 795, 2730, 600, 345},
        {inv.cmdRemoveItem, 1455, 2730, 2190, 345},
        {lblItems, 135, 3180, 3435, 255},
        {lstAvailableItems, 135, 3450, 3435, 2400},
        {inv.cmdAddItem, 135, 5910, 3435, 345},
        // The box two pixels right of its design position, clear of the caption.
        {inv.lblAddItem, 120, 6375, 1620, 255},
        {inv.txtItemNr, 1740, 6330, 660, 315},
        {inv.cmdAddItemNr, 2445, 6315, 1125, 345},
        {Label17, 135, 6795, 885, 255},
        {txtItemFilter, 1020, 6750, 1965, 315},
        {cmdFilterItems, 3045, 6735, 525, 345},

        {frameFaceCode, 120, 7965, 11025, 1425},
        {Caption(frameFaceCode, "lblFace1"), 120, 300, 1260, 255},
        {txtFace1, 1380, 270, 8295, 315},
        {Caption(frameFaceCode, "lblFace2"), 120, 660, 1260, 255},
        {txtFace2, 1380, 630, 8295, 315},
        {Caption(frameFaceCode, "lblTroopImage"), 120, 1020, 1260, 255},
        {txtTroopImage, 1380, 990, 8295, 315},
        {cmdFaceCode, 9690, 270, 1215, 1035},
    });
}
