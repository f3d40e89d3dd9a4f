#include "ItemEditorFixture.h"

#include <QCheckBox>

namespace {

constexpr std::uint64_t CarryKind = std::uint64_t(3) << 60;
constexpr std::uint64_t LargeBag = std::uint64_t(1) << 42;

TEST_F(ItemEditorTest, MeshesAreEditedInTheShownItemUntilItsUpdate) {
    select(7); // hunting_bow 0, hunting_bow_carry of kind carry
    auto* bag = child<QCheckBox>("chkLargeback");
    combo("cmbMesh")->setListIndex(1);
    EXPECT_EQ(combo("cmbMeshID")->currentText(), "ixmesh_carry");
    EXPECT_TRUE(bag->isEnabled());
    box("txtMesh")->setText("bow_carry");
    bag->setChecked(true);
    button("cmdMeshChange")->click();
    EXPECT_EQ(lastBox(), "Mesh values on mesh # 2 - 'bow_carry' have been updated!");
    EXPECT_EQ(ShownMeshes(7).value(1),
              (ItemMesh{"bow_carry", QString::number(CarryKind | LargeBag)}));
    for (int n = 3; n <= 6; ++n)
        button("cmdMeshAdd")->click();
    EXPECT_EQ(platform.boxTexts().mid(1),
              (QStringList{"Mesh # 3 - 'new_mesh' added!", "Mesh # 4 - 'new_mesh' added!",
                           "Mesh # 5 - 'new_mesh' added!",
                           "Sorry... maximum number of meshes reached..."}));
    EXPECT_EQ(label("lblMeshes"), "Meshes (5):");
    EXPECT_EQ(StoredItem(7), original[7]);
    EXPECT_FALSE(window->UnsavedItems);

    combo("cmbMesh")->setListIndex(0);
    button("cmdMeshDelete")->click();
    EXPECT_EQ(lastBox(), "You can't delete the first mesh. Simply change its values...");
    combo("cmbMesh")->setListIndex(2);
    platform.answer(MsgAnswer::Yes);
    button("cmdMeshDelete")->click();
    EXPECT_EQ(platform.boxes[platform.boxes.size() - 2].text,
              "Do you really want to delete mesh no 3 - 'new_mesh' ?\r\n\r\nContinue?");
    EXPECT_EQ(lastBox(), "Mesh # 3 - 'new_mesh' has been deleted!");
    EXPECT_EQ(combo("cmbMesh")->listIndex(), 0);
    // Another kind than carry drops the bag; typing into the combos picks nothing.
    combo("cmbMesh")->setListIndex(1);
    EXPECT_TRUE(bag->isChecked());
    combo("cmbMeshID")->setListIndex(1);
    EXPECT_FALSE(bag->isChecked());
    QTest::keyClick(combo("cmbMeshID"), Qt::Key_I);
    QTest::keyClick(combo("cmbMesh"), Qt::Key_N);
    EXPECT_EQ(combo("cmbMeshID")->listIndex(), 1);
    EXPECT_EQ(combo("cmbMesh")->listIndex(), 1);
    button("cmdMeshChange")->click();
    update();
    EXPECT_TRUE(StoredItem(7).line.startsWith(
        " itm_hunting_bow Hunting_Bow Hunting_Bows 4  hunting_bow 0  bow_carry 1152921504606846976"
        "  new_mesh 0  new_mesh 0  6291464 5905584128 145"));

    // Showing another item drops mesh edits that were not updated.
    select(3);
    button("cmdMeshAdd")->click();
    select(3);
    EXPECT_EQ(combo("cmbMesh")->count(), 1);
}

} // namespace
