// What a module author sees in the diff after saving from an editor: nothing
// after an update without a change, and after a changed name only that entry's
// lines, its comments kept, every other byte as it was.
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

struct Edit {
    const char* file;
    const char* list;
    const char* row;     // the list row's second word
    const char* nameBox; // the box of the entry's name
    const char* first;   // the entry's first line, as it begins in the file
    const char* last;    // its last line, as it begins
    const char* written; // what the save writes in their place, "%1" the entry
};

template <class Window> class EditorSaves : public PythonEditorTest<Window> {
protected:
    EditorSaves()
        : PythonEditorTest<Window>(QStringLiteral(QE_TEST_DATA_DIR "/module_system/rough")) {}

    void check(const Edit& e, const QStringList& table, const int& shownLine) {
        const ModuleCopy& files = this->other ? *this->other : this->copy;
        ASSERT_TRUE(ShowActive(this->window));
        const QByteArray original = files.read(QLatin1String(e.file));
        ListBox* list = this->list(QLatin1String(e.list));
        int row = 0;
        while (row < list->count() &&
               list->item(row)->text().section(u' ', 1, 1) != QString::fromLatin1(e.row))
            ++row;
        ASSERT_LT(row, list->count());
        ClickRow(list, row);
        Click(this->button(QStringLiteral("cmdUpdate")));
        this->plat.answer(MsgAnswer::No); // no backup
        Click(this->button(QStringLiteral("cmdSave")));
        EXPECT_EQ(files.read(QLatin1String(e.file)), original);

        QLineEdit* name = this->box(QLatin1String(e.nameBox));
        name->setFocus();
        name->end(false);
        QTest::keyClicks(name, QStringLiteral("x"));
        Click(this->button(QStringLiteral("cmdUpdate")));
        const QString entry = table[shownLine];
        ASSERT_TRUE(entry.contains(QStringLiteral("x\""))) << entry.toStdString();
        this->plat.answer(MsgAnswer::No);
        Click(this->button(QStringLiteral("cmdSave")));

        const qsizetype from = original.indexOf(e.first);
        const qsizetype to = original.indexOf('\n', original.indexOf(e.last, from)) + 1;
        ASSERT_GT(from, 0);
        ASSERT_GT(to, from);
        EXPECT_EQ(files.read(QLatin1String(e.file)),
                  original.left(from) + QByteArray(e.written).replace("%1", ToFileBytes(entry)) +
                      original.mid(to));
    }
};

using TroopsSave = EditorSaves<frmPythonTroops>;
using ItemsSave = EditorSaves<frmPythonItems>;
using TemplatesSave = EditorSaves<frmPythonPartyTemp>;

TEST_F(TroopsSave, KeepsEveryByteButTheChangedEntrysLines) {
    check({"module_troops.py", "lstTroops", "trp_lute_player", "txtTroopName", "  [\"lute_player\"",
           "   man_face_young_1", "  #lute\n   #early harp/lyre\n%1\n"},
          PyTroopLines, window->CurTroopLine);
}
// An entry that ends with its skills, as the game's build takes it, keeps
// that shape: no face code is written that the user did not give.
TEST_F(TroopsSave, KeepsAnEntryWithoutFaceCodesWithoutThem) {
    reopenOn(QStringLiteral(QE_TEST_DATA_DIR "/ms_editors/real_shapes"));
    check({"module_troops.py", "lstTroops", "trp_farmhand", "txtTroopName", "  [\"farmhand\"",
           "  [\"farmhand\"",
           " [\"farmhand\", \"Farmhandx\", \"Farmhands\", tf_hero, no_scene, reserved, "
           "fac_commoners, [], def_attrib|level(2), wp(20), "
           "0x0000000000000000000000000000000000000000 ],\r\n"},
          PyTroopLines, window->CurTroopLine);
}
TEST_F(ItemsSave, KeepsEveryByteButTheChangedEntrysLines) {
    check({"module_items.py", "lstItems", "itm_falchion", "txtItemName", " [\"falchion\"",
           "   105 ,", " # the blade\n%1\n"},
          PyItemLines, window->CurItemLine);
}
TEST_F(TemplatesSave, KeepsEveryByteButTheChangedEntrysLines) {
    check({"module_party_templates.py", "lstPT", "s\xf6ldner", "txtPTName", "  (\"s\xf6ldner\"",
           "    (trp_b,0,5)]),", "  # the core\n%1  # and a remark\n"},
          PyPTLines, window->CurPTLine);
}

// In a block that a statement behind the list adds ("troops += [").
const QString Blocks = QStringLiteral(QE_TEST_DATA_DIR "/module_system/blocks");
TEST_F(TroopsSave, KeepsEveryByteButTheChangedEntrysLinesInABlock) {
    reopenOn(Blocks);
    check({"module_troops.py", "lstTroops", "trp_farmer", "txtTroopName", "  [\"farmer\"",
           "   def_attrib|level(4),wp(60),knows_common,man", "%1\n"},
          PyTroopLines, window->CurTroopLine);
}
TEST_F(ItemsSave, KeepsEveryByteButTheChangedEntrysLinesInABlock) {
    reopenOn(Blocks);
    check({"module_items.py", "lstItems", "itm_club", "txtItemName", " [\"club\"",
           "   imodbits_none ],", "%1\r\n"},
          PyItemLines, window->CurItemLine);
}
TEST_F(TemplatesSave, KeepsEveryByteButTheChangedEntrysLinesInABlock) {
    reopenOn(Blocks);
    check({"module_party_templates.py", "lstPT", "looters", "txtPTName", "  (\"looters\"",
           "   [(trp_farmer,3,45)]),", "%1\n"},
          PyPTLines, window->CurPTLine);
}

} // namespace
