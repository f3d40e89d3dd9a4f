#include "text_editors/items/frmItemMeshControls.h"

#include "platform/MessageBox.h"
#include "platform/gui/Controls.h"
#include "platform/gui/InputBox.h"
#include "platform/gui/Layout.h"
#include "text_editors/items/ItemCommands.h"
#include "text_editors/items/ItemTables.h"

#include <QKeyEvent>
#include <QLabel>
#include <QPushButton>

namespace {

void InformationBox(const QString& text, const QString& title) {
    MsgBox(text, MsgButtons::Ok, MsgIcon::Information, title);
}

} // namespace

void SetCaption(QLabel* label, const QString& text) {
    if (label->text() != text)
        label->setText(text);
}

ItemMeshControls::ItemMeshControls(QWidget* frame, const int& item) : QObject(frame), m_item(item) {
    using Keys = InputBox::Keys;
    lblMeshes = AddLabel(frame, "lblMeshes", QStringLiteral("Meshes (0):"), 120, 1320, 1000);
    cmbMesh = Named(new ComboBox(frame), "cmbMesh");
    AddLabel(frame, "", QStringLiteral("Mesh name:"), 120, 1680, 1000);
    txtMesh = AddInputBox(frame, "txtMesh", Keys::BlankToUnderscore);
    AddLabel(frame, "", QStringLiteral("Mesh kind:"), 120, 2040, 1000);
    cmbMeshID = Named(new ComboBox(frame), "cmbMeshID");
    chkLargeback = Named(new CheckBox(QStringLiteral("Large bag modbit"), frame), "chkLargeback");
    chkLargeback->setEnabled(false);
    cmdShowMesh = AddButton(frame, "cmdShowMesh", QStringLiteral("Show mesh"));
    cmdMeshAdd = AddButton(frame, "cmdMeshAdd", QStringLiteral("Add"));
    cmdMeshChange = AddButton(frame, "cmdMeshChange", QStringLiteral("Update"));
    cmdMeshDelete = AddButton(frame, "cmdMeshDelete", QStringLiteral("Delete"));
    Place({
        {cmbMesh, 1140, 1290, 2100, 315},
        {txtMesh, 1140, 1650, 2100, 285},
        {cmbMeshID, 1140, 2010, 2100, 315},
        {chkLargeback, 120, 2400, 1950, 255},
        {cmdShowMesh, 2160, 2370, 1080, 315},
        {cmdMeshAdd, 120, 2760, 1000, 330},
        {cmdMeshChange, 1170, 2760, 1000, 330},
        {cmdMeshDelete, 2220, 2760, 1020, 330},
    });

    cmbMesh->installEventFilter(this);
    cmbMeshID->installEventFilter(this);
    connect(cmbMesh, &ComboBox::click, this, &ItemMeshControls::cmbMesh_Click);
    connect(cmbMeshID, &ComboBox::click, this, &ItemMeshControls::cmbMeshID_Click);
    connect(cmdMeshAdd, &QPushButton::clicked, this, &ItemMeshControls::cmdMeshAdd_Click);
    connect(cmdMeshChange, &QPushButton::clicked, this, &ItemMeshControls::cmdMeshChange_Click);
    connect(cmdMeshDelete, &QPushButton::clicked, this, &ItemMeshControls::cmdMeshDelete_Click);
    connect(cmdShowMesh, &QPushButton::clicked, this,
            [this] { ShowMeshInViewer(cmbMesh->currentText()); });
}

void ItemMeshControls::fillRows() const {
    cmbMeshID->setRows(ItemMeshKindRows());
}

void ItemMeshControls::show(const QList<ItemMesh>& meshes) {
    SetShownMeshes(m_item, meshes);
    QStringList names;
    for (const ItemMesh& mesh : meshes)
        names.append(mesh.name);
    cmbMesh->setRows(names);
    cmbMesh->setListIndex(0);
    showCount();
}

void ItemMeshControls::showCount() {
    SetCaption(lblMeshes, QStringLiteral("Meshes (") + QString::number(cmbMesh->count()) +
                              QStringLiteral("):"));
}

bool ItemMeshControls::eventFilter(QObject* watched, QEvent* event) {
    if (event->type() == QEvent::KeyPress && (watched == cmbMesh || watched == cmbMeshID))
        return !static_cast<QKeyEvent*>(event)->text().isEmpty();
    return QObject::eventFilter(watched, event);
}

void ItemMeshControls::cmbMesh_Click() {
    const int row = cmbMesh->listIndex();
    if (row < 0)
        return;
    txtMesh->setText(cmbMesh->currentText());
    const int code = GetMeshKind(ShownMeshes(m_item).value(row).bits);
    chkLargeback->setValue(false);
    cmbMeshID->setListIndex(code % 10);
    // The bag is shown whatever the kind, so that storing the mesh keeps it.
    chkLargeback->setValue(code >= 10);
}

void ItemMeshControls::cmbMeshID_Click() {
    const bool carry = cmbMeshID->listIndex() == 3;
    chkLargeback->setEnabled(carry);
    if (!carry)
        chkLargeback->setValue(false);
}

bool ItemMeshControls::StoreMesh() {
    const int row = cmbMesh->listIndex();
    QList<ItemMesh> meshes = ShownMeshes(m_item);
    if (row < 0 || row >= meshes.size())
        return false;
    ItemMesh& mesh = meshes[row];
    mesh.name = txtMesh->text() == mesh.name ? mesh.name : txtMesh->ruledText();
    mesh.bits = StoreMeshBits(mesh.bits, cmbMeshID->listIndex(), chkLargeback->value());
    SetShownMeshes(m_item, meshes);
    cmbMesh->setItemText(row, mesh.name);
    return true;
}

void ItemMeshControls::cmdMeshAdd_Click() {
    QList<ItemMesh> meshes = ShownMeshes(m_item);
    if (meshes.size() >= ItemMeshesAdded) {
        InformationBox(QStringLiteral("Sorry... maximum number of meshes reached..."),
                       QStringLiteral("Information..."));
        return;
    }
    const ItemMesh mesh = NewItemMesh();
    meshes.append(mesh);
    SetShownMeshes(m_item, meshes);
    cmbMesh->addItem(mesh.name);
    showCount();
    cmbMesh->setListIndex(cmbMesh->count() - 1);
    StoreMesh();
    InformationBox(QStringLiteral("Mesh # ") + QString::number(cmbMesh->listIndex() + 1) +
                       QStringLiteral(" - '") + cmbMesh->currentText() + QStringLiteral("' added!"),
                   QStringLiteral("Mesh added..."));
}

void ItemMeshControls::cmdMeshChange_Click() {
    if (!StoreMesh())
        return;
    InformationBox(QStringLiteral("Mesh values on mesh # ") +
                       QString::number(cmbMesh->listIndex() + 1) + QStringLiteral(" - '") +
                       cmbMesh->currentText() + QStringLiteral("' have been updated!"),
                   QStringLiteral("Mesh updated..."));
}

void ItemMeshControls::cmdMeshDelete_Click() {
    QList<ItemMesh> meshes = ShownMeshes(m_item);
    const int m = cmbMesh->listIndex() + 1;
    if (m < 1 || m > meshes.size())
        return;
    const QString name = meshes[m - 1].name;
    if (m == 1) {
        InformationBox(
            QStringLiteral("You can't delete the first mesh. Simply change its values..."),
            QStringLiteral("Information..."));
        return;
    }
    const QString number = QString::number(m) + QStringLiteral(" - '") + name;
    const QString question = QStringLiteral("Do you really want to delete mesh no ") + number +
                             QStringLiteral("' ?\r\n\r\nContinue?");
    if (MsgBox(question, MsgButtons::YesNo, MsgIcon::None, QStringLiteral("Delete mesh?")) !=
        MsgAnswer::Yes)
        return;
    meshes.removeAt(m - 1);
    SetShownMeshes(m_item, meshes);
    cmbMesh->removeItem(m - 1);
    showCount();
    // Mesh 1 shows its own kind and bag, so that storing it keeps them.
    cmbMesh->setListIndex(0);
    InformationBox(QStringLiteral("Mesh # ") + number + QStringLiteral("' has been deleted!"),
                   QStringLiteral("Mesh deleted..."));
}
