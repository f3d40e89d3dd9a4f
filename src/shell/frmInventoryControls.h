#pragma once

class InputBox;
class ListBox;
class QGroupBox;
class QLabel;
class QListWidgetItem;
class QPushButton;
class QString;

// The inventory of the "Items" frame of both troop editors, the text one and
// the module-system one, which handle it alike: the troop's items in order
// (lstItems) with the commands that move and delete a row, and the commands
// that add the chosen available item or one by its number. A troop carries
// at most as many items as its record has slots (TroopSlotCount); the frame's
// caption counts them. What a row holds, how
// rows move, which available item a number stands for, and the available
// items with their filter are each editor's own.
class InventoryControls {
public:
    ListBox* lstItems = nullptr;
    QPushButton* cmdItemUp = nullptr;
    QPushButton* cmdItemDown = nullptr;
    QPushButton* cmdRemoveItem = nullptr;
    QPushButton* cmdAddItem = nullptr;
    QLabel* lblAddItem = nullptr;
    InputBox* txtItemNr = nullptr;
    QPushButton* cmdAddItemNr = nullptr;

    // Builds the inventory list and the commands that move and delete a row
    // in `frame`, whose caption counts the rows, as `count` (the window's
    // InvItemCount) does; the delete command works at once.
    void buildList(QGroupBox* frame, int& count);
    // Builds the commands that add an item, in the same frame, after what the
    // window put between; the number box takes `typingLimit` typed digits.
    void buildAddCommands(int typingLimit);

    // Whether the inventory is full; says "Maximum count of items reached!" then.
    bool full() const;
    // Whether an item may be added by the number typed: the inventory is not
    // full and the box holds digits only, however the text came in; says
    // why not otherwise.
    bool takesNumber() const;
    // Appends `text` as the last row and chooses it; returns the new row.
    QListWidgetItem* append(const QString& text);
    // Counts the rows into the frame's caption ("Items (2 of 64 used)").
    void showCount();
    // Deletes the chosen row and chooses the last one left (RemoveChosenRow),
    // counts the rows and gives the list the focus.
    void cmdRemoveItem_Click();

private:
    QGroupBox* m_frame = nullptr;
    int* m_count = nullptr;
};
