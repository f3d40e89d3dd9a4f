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
#include "support/UserInput.h"

#include "PythonEditorFixture.h"

#include <QTest>

namespace {

const QString Rough = QStringLiteral(QE_TEST_DATA_DIR "/module_system/rough");

struct Editor {
    const char* file;
    const char* list;
    const char* row;     // the list row's second word
    const char* nameBox; // the box of the entry's name
    const char* first;   // the entry's first line, as it begins in the file
    const char* last;    // its last line, as it begins
    const char* above;   // the comments the save keeps above the changed entry
    const char* behind;  // and behind it
    const QStringList& (*table)();
    int (*shown)(QWidget* window);
};

const Editor Troops{"module_troops.py",
                    "lstTroops",
                    "trp_lute_player",
                    "txtTroopName",
                    "  [\"lute_player\"",
                    "   man_face_young_1",
                    "  #lute\n   #early harp/lyre\n",
                    "",
                    []() -> const QStringList& { return PyTroopLines; },
                    [](QWidget* w) { return static_cast<frmPythonTroops*>(w)->CurTroopLine; }};
const Editor Items{"module_items.py",
                   "lstItems",
                   "itm_falchion",
                   "txtItemName",
                   " [\"falchion\"",
                   "   105 ,",
                   " # the blade\n",
                   "",
                   []() -> const QStringList& { return PyItemLines; },
                   [](QWidget* w) { return static_cast<frmPythonItems*>(w)->CurItemLine; }};
const Editor Templates{"module_party_templates.py",
                       "lstPT",
                       "s\xf6ldner",
                       "txtPTName",
                       "  (\"s\xf6ldner\"",
                       "    (trp_b,0,5)]),",
                       "  # the core\n",
                       "  # and a remark",
                       []() -> const QStringList& { return PyPTLines; },
                       [](QWidget* w) { return static_cast<frmPythonPartyTemp*>(w)->CurPTLine; }};

template <class Window> class EditorSaves : public PythonEditorTest<Window> {
protected:
    EditorSaves() : PythonEditorTest<Window>(Rough) {}

    void check(const Editor& e) {
        ASSERT_TRUE(ShowActive(this->window));
        const QByteArray original = this->copy.read(QLatin1String(e.file));
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
        EXPECT_EQ(this->copy.read(QLatin1String(e.file)), original);

        QLineEdit* name = this->box(QLatin1String(e.nameBox));
        name->setFocus();
        name->end(false);
        QTest::keyClicks(name, QStringLiteral("x"));
        Click(this->button(QStringLiteral("cmdUpdate")));
        const QString entry = e.table()[e.shown(this->window)];
        ASSERT_TRUE(entry.contains(QStringLiteral("x\""))) << entry.toStdString();
        this->plat.answer(MsgAnswer::No);
        Click(this->button(QStringLiteral("cmdSave")));

        const qsizetype from = original.indexOf(e.first);
        const qsizetype to = original.indexOf('\n', original.indexOf(e.last, from)) + 1;
        ASSERT_GT(from, 0);
        ASSERT_GT(to, from);
        EXPECT_EQ(this->copy.read(QLatin1String(e.file)), original.left(from) + e.above +
                                                              ToFileBytes(entry) + e.behind + '\n' +
                                                              original.mid(to));
    }
};

using TroopsSave = EditorSaves<frmPythonTroops>;
using ItemsSave = EditorSaves<frmPythonItems>;
using TemplatesSave = EditorSaves<frmPythonPartyTemp>;

TEST_F(TroopsSave, KeepsEveryByteButTheChangedEntrysLines) {
    check(Troops);
}
TEST_F(ItemsSave, KeepsEveryByteButTheChangedEntrysLines) {
    check(Items);
}
TEST_F(TemplatesSave, KeepsEveryByteButTheChangedEntrysLines) {
    check(Templates);
}

} // namespace
