#pragma once

#include "text_editors/items/ItemRecord.h"

#include <QList>
#include <QObject>
#include <QString>

class CheckBox;
class ComboBox;
class InputBox;
class QLabel;
class QPushButton;
class QWidget;

// Sets `label`'s caption unless it reads so already: a label laid out anew on
// every show of an item would cost more than the show.
void SetCaption(QLabel* label, const QString& text);

// The mesh controls of the item editor's "Names and meshes" frame: the meshes
// of the shown item (cmbMesh), the name, kind and large bag of the chosen one,
// and the commands that add, store, delete and look one up. Every edit goes
// into the item's mesh tables; the item's record changes only when the
// window's update builds it from those tables, so edits not updated are
// dropped by the next show.
class ItemMeshControls : public QObject {
    Q_OBJECT
public:
    // Builds the controls in `frame`, below its name boxes. `item` is the
    // window's shown item (CurItem), whose mesh tables the controls edit.
    ItemMeshControls(QWidget* frame, const int& item);

    // Lists the four mesh kinds (cmbMeshID).
    void fillRows() const;
    // Fills the shown item's mesh tables with `meshes` and lists them, the
    // first one chosen.
    void show(const QList<ItemMesh>& meshes);

protected:
    // The mesh combos change by picking a row only: a typed character would
    // pick one by its first letter.
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void cmbMesh_Click();
    void cmbMeshID_Click();
    // Stores the name, kind and large bag shown into the chosen mesh; false
    // when no mesh is chosen.
    bool StoreMesh();
    void cmdMeshAdd_Click();
    void cmdMeshChange_Click();
    void cmdMeshDelete_Click();
    void showCount();

    const int& m_item;
    QLabel* lblMeshes = nullptr;
    ComboBox* cmbMesh = nullptr;
    InputBox* txtMesh = nullptr;
    ComboBox* cmbMeshID = nullptr;
    CheckBox* chkLargeback = nullptr;
    QPushButton* cmdShowMesh = nullptr;
    QPushButton* cmdMeshAdd = nullptr;
    QPushButton* cmdMeshChange = nullptr;
    QPushButton* cmdMeshDelete = nullptr;
};
