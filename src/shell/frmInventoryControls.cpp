#include "shell/frmInventoryControls.h"

#include "platform/MessageBox.h"
#include "platform/gui/Controls.h"
#include "platform/gui/InputBox.h"
#include "platform/gui/Layout.h"
#include "platform/gui/ListRows.h"
#include "shell/EditorMessages.h"
#include "text_editors/troops/TroopRecord.h" // TroopSlotCount

#include <QGroupBox>
#include <QLabel>
#include <QPushButton>

void InventoryControls::buildList(QGroupBox* frame, int& count) {
    m_frame = frame;
    m_count = &count;
    lstItems = Named(new ListBox(frame), "lstItems");
    cmdItemUp = AddButton(frame, "cmdItemUp", QStringLiteral("Up"));
    cmdItemDown = AddButton(frame, "cmdItemDown", QStringLiteral("Down"));
    cmdRemoveItem = AddButton(frame, "cmdRemoveItem", QStringLiteral("Delete Item from inventory"));
    QObject::connect(cmdRemoveItem, &QPushButton::clicked, cmdRemoveItem,
                     [this] { cmdRemoveItem_Click(); });
}

void InventoryControls::buildAddCommands(int typingLimit) {
    cmdAddItem = AddButton(m_frame, "cmdAddItem", QStringLiteral("Add selected item to inventory"));
    lblAddItem = AddLabel(m_frame, "lblAddItem", QStringLiteral("Add item via number:"));
    txtItemNr = AddInputBox(m_frame, "txtItemNr", InputBox::Keys::Digits, typingLimit);
    cmdAddItemNr = AddButton(m_frame, "cmdAddItemNr", QStringLiteral("Add item"));
}

bool InventoryControls::full() const {
    if (lstItems->count() < TroopSlotCount)
        return false;
    MsgBox(QStringLiteral("Maximum count of items reached!"));
    return true;
}

bool InventoryControls::takesNumber() const {
    if (full())
        return false;
    if (!txtItemNr->keepsKeyRule()) {
        RefuseDigitsOnly(QStringLiteral("Add item via number"));
        return false;
    }
    return true;
}

QListWidgetItem* InventoryControls::append(const QString& text) {
    AppendChosenRow(lstItems, text);
    showCount();
    return lstItems->item(lstItems->count() - 1);
}

void InventoryControls::showCount() {
    *m_count = lstItems->count();
    m_frame->setTitle(QStringLiteral("Items (") + QString::number(*m_count) +
                      QStringLiteral(" of ") + QString::number(TroopSlotCount) +
                      QStringLiteral(" used)"));
}

void InventoryControls::cmdRemoveItem_Click() {
    RemoveChosenRow(lstItems);
    showCount();
    lstItems->setFocus();
}
