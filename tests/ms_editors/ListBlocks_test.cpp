// A list that statements behind it add blocks to ("troops += [") is one list
// in each editor: every entry of every block is a row that shows and updates
// without a change, the save gives the file back byte for byte, and a changed
// name in a block changes only that entry's lines.
#include "ms_editors/items/frmPythonItems.h"
#include "ms_editors/party_templates/frmPythonPartyTemp.h"
#include "ms_editors/troops/frmPythonTroops.h"

#include "module_system/modPythonItems.h"
#include "module_system/modPythonPartyTemp.h"
#include "module_system/modPythonTroops.h"
#include "platform/TextFile.h"

#include "PythonEditorFixture.h"

#include <QTest>

namespace {

struct BlockWalk {
    const char* file;
    const char* list;
    const char* kind;   // of the update message: "troop"
    const char* rows;   // the rows' second words, in file order
    const char* edited; // the row whose name gets an "x", of an entry in a block
    const char* nameBox;
    const char* first; // the entry's first and last line, as they begin
    const char* last;
    size_t notes; // boxes at open (of what no editor reads)
};

template <class Window> class BlockWalks : public PythonEditorTest<Window> {
protected:
    BlockWalks()
        : PythonEditorTest<Window>(QStringLiteral(QE_TEST_DATA_DIR "/module_system/blocks")) {}

    void walk(const BlockWalk& w, const QStringList& table, const int& shownLine) {
        EXPECT_EQ(this->plat.boxes.size(), w.notes);
        QStringList words;
        for (const QString& row : this->rows(QLatin1String(w.list)))
            words.append(row.section(u' ', 1, 1));
        EXPECT_EQ(words.join(u' '), QLatin1String(w.rows));
        const QString unchanged =
            QStringLiteral("Nothing of this %1 has been changed, so its entry "
                           "in %2 was left as it was.")
                .arg(QLatin1String(w.kind), QLatin1String(w.file));
        EXPECT_EQ(this->updateEachUnchanged(QLatin1String(w.list), unchanged, table), QList<int>());
        const QByteArray original = this->copy.read(QLatin1String(w.file));
        this->plat.answer(MsgAnswer::No); // no backup
        Click(this->button(QStringLiteral("cmdSave")));
        EXPECT_EQ(this->copy.read(QLatin1String(w.file)), original);

        ClickRow(this->list(QLatin1String(w.list)), int(words.indexOf(QLatin1String(w.edited))));
        QLineEdit* name = this->box(QLatin1String(w.nameBox));
        name->setFocus();
        name->end(false);
        QTest::keyClicks(name, QStringLiteral("x"));
        Click(this->button(QStringLiteral("cmdUpdate")));
        this->plat.answer(MsgAnswer::No);
        Click(this->button(QStringLiteral("cmdSave")));
        const qsizetype from = original.indexOf(w.first);
        const qsizetype to = original.indexOf('\n', original.indexOf(w.last, from)) + 1;
        ASSERT_GT(from, 0);
        const QByteArray lineEnd = original.mid(to - 2, 2) == "\r\n" ? "\r\n" : "\n";
        EXPECT_EQ(this->copy.read(QLatin1String(w.file)),
                  original.left(from) + ToFileBytes(table[shownLine]) + lineEnd + original.mid(to));
        EXPECT_EQ(this->plat.errors(), QStringList());
    }
};

using TroopBlocks = BlockWalks<frmPythonTroops>;
using ItemBlocks = BlockWalks<frmPythonItems>;
using TemplateBlocks = BlockWalks<frmPythonPartyTemp>;

TEST_F(TroopBlocks, AreOneListAndAnEditChangesOnlyItsEntry) {
    walk({"module_troops.py", "lstTroops", "troop",
          "trp_player trp_temp_troop trp_farmer trp_townsman trp_watchman", "trp_farmer",
          "txtTroopName", "  [\"farmer\"", "   def_attrib|level(4),wp(60),knows_common,man", 0},
         PyTroopLines, window->CurTroopLine);
}
TEST_F(ItemBlocks, AreOneListAndAnEditChangesOnlyItsEntry) {
    walk({"module_items.py", "lstItems", "item",
          "itm_no_item itm_horse_meat itm_bread itm_falchion itm_club itm_leather_jerkin "
          "itm_items_end",
          "itm_leather_jerkin", "txtItemName", " [\"leather_jerkin\"", "   imodbits_cloth ],", 0},
         PyItemLines, window->CurItemLine);
}
TEST_F(TemplateBlocks, AreOneListAndAnEditChangesOnlyItsEntry) {
    walk({"module_party_templates.py", "lstPT", "party template",
          "none rescued_prisoners hero_party village_defenders looters", "looters", "txtPTName",
          "  (\"looters\"", "   [(trp_farmer,3,45)]),", 1},
         PyPTLines, window->CurPTLine);
}

} // namespace
