// The troop editor's layout, apart from its behaviour: where every control
// stands at design size, and how the screen width moves and widens them.
#include "text_editors/troops/frmTextTroops.h"

#include "platform/gui/Controls.h"
#include "platform/gui/Layout.h"

#include <QGroupBox>
#include <QLabel>
#include <QPushButton>

namespace {

// Height of the window's content below the menu bar, in twips: with the menu
// bar and a window manager's frame the window fits a screen 768 pixels high
// that a panel shares.
constexpr int FormHeight = 10320;
// The troop lists, shorter than their design height of 8835 twips so that the
// window fits that screen.
constexpr int TroopListHeight = 8540;

} // namespace

// Positions that do not depend on the screen width, then the width rules by
// which SetScreenWidth sets the others.
void frmTextTroops::placeDesign() {
    Place({
        {frameAdd, 7050, 0, 2200, 720},
        {cmdAddTroop, 120, 270, 930, 375},
        {cmdDeleteTroop, 1140, 270, 930, 375},
        {frameEdit, 9345, 0, 5865, 720},
        {cmdUpdateTroop, 120, 270, 2940, 375},
        {cmdSave, 3180, 270, 2580, 375},

        {frameTroopList, 0, 780, 3825, 9480},
        {lblTroops, 120, 240, 3600, 255},
        {lstTroops, 30, 520, 3765, TroopListHeight},
        {lstTroopsFiltered, 30, 520, 3765, TroopListHeight},
        {Label43, 60, 9135, 1110, 255},
        {txtFilterTroops, 1200, 9105, 1905, 300},
        {cmdFilterTroops, 3165, 9105, 600, 300},

        // The frames of the record stand below the caption "Troop".
        {frameMain, 3915, 780, 11250, 9360},
        {frameNames, 120, 240, 3600, 1620},
        {frameFaction, 3840, 240, 3480, 600},
        {cmbFactions, 120, 240, 3240, 315},
        {frameUpgrade, 3840, 900, 3480, 960},
        {cmbUp1, 840, 250, 2520, 315},
        {cmbUp2, 840, 610, 2520, 315},
        {frameFlags, 120, 1920, 4560, 2040},
        {CmbRace, 2940, 230, 1500, 315},
        {frameStats, 4800, 1920, 2520, 2040},
        {frameSkills, 120, 4020, 7200, 2520},
        {frameProf, 120, 6600, 7200, 1020},
        {frameFaceCode, 120, 7980, 11025, 1200},
        {txtFace1, 1260, 270, 8295, 330},
        {txtFace2, 1260, 690, 8295, 330},
        {cmdFaceCode, 9690, 240, 1215, 840},
    });
    placeItems();

    const InventoryControls& inv = m_inventory;
    m_view.setLists(
        {inv.lstItems, lstAvailableItems, lstFilteredItems, lstTroops, lstTroopsFiltered});
    using enum WidthRule::Edge;
    m_view.setLayout(
        frameTroops, 15270, 19110, FormHeight,
        {
            {frameTroopList, Width, 3825, 5745},    {lstTroops, Width, 3765, 5685},
            {lstTroopsFiltered, Width, 3765, 5685}, {txtFilterTroops, Width, 1905, 3810},
            {cmdFilterTroops, Left, 3165, 5100},    {frameMain, Left, 3915, 5860},
            {frameMain, Width, 11250, 13185},       {lblTroopEditor, Width, 6840, 10695},
            {frameAdd, Left, 7050, 10950},          {frameEdit, Left, 9345, 13245},
            {frameItems, Width, 3705, 5655},        {inv.lstItems, Width, 3435, 5400},
            {lstAvailableItems, Width, 3435, 5400}, {lstFilteredItems, Width, 3435, 5400},
            {inv.cmdAddItem, Width, 3435, 5400},    {inv.cmdRemoveItem, Left, 1455, 3390},
            {inv.lblAddItem, Left, 120, 2055},      {inv.txtItemNr, Left, 1710, 3645},
            {inv.cmdAddItemNr, Left, 2445, 4380},   {txtItemFilter, Width, 1965, 3900},
            {cmdFilterItems, Left, 3045, 5025},     {frameFaceCode, Width, 11025, 12975},
            {cmdFaceCode, Left, 9690, 11610},       {txtFace1, Width, 8295, 10200},
            {txtFace2, Width, 8295, 10200},
        });
}

// The inventory frame: the inventory above the available items.
void frmTextTroops::placeItems() {
    const InventoryControls& inv = m_inventory;
    Place({
        {frameItems, 7425, 240, 3705, 7680},
        {inv.lstItems, 135, 240, 3435, 2400},
        {inv.cmdItemUp, 135, 2700, 600, 330},
        {inv.cmdItemDown, 780, 2700, 600, 330},
        {inv.cmdRemoveItem, 1455, 2700, 2190, 330},
        {Label15, 135, 3075, 2000, 255},
        {lstAvailableItems, 135, 3330, 3435, 2790},
        {lstFilteredItems, 135, 3330, 3435, 2790},
        {lblFilterItems, 135, 6195, 900, 255},
        {txtItemFilter, 1050, 6165, 1965, 300},
        {cmdFilterItems, 3045, 6165, 525, 300},
        {inv.cmdAddItem, 135, 6540, 3435, 330},
        {inv.lblAddItem, 120, 6930, 3300, 255},
        {inv.txtItemNr, 1710, 7215, 660, 300},
        {inv.cmdAddItemNr, 2445, 7200, 1125, 330},
    });
}
