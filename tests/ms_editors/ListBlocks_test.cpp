// A list that statements behind it add blocks to ("troops += [") is one list
// in each editor: every entry of every block is a row, in file order, that
// shows and updates without a change.
#include "ms_editors/items/frmPythonItems.h"
#include "ms_editors/party_templates/frmPythonPartyTemp.h"
#include "ms_editors/troops/frmPythonTroops.h"

#include "module_system/modPythonItems.h"
#include "module_system/modPythonPartyTemp.h"
#include "module_system/modPythonTroops.h"

#include "PythonEditorFixture.h"

namespace {

template <class Window> class BlockRows : public PythonEditorTest<Window> {
protected:
    BlockRows()
        : PythonEditorTest<Window>(QStringLiteral(QE_TEST_DATA_DIR "/module_system/blocks")) {}

    // `rows`: the rows' second words; `notes`: the boxes at open (of what no
    // editor reads); `kind` and `file` name the entry in the update message.
    void expectRows(const char* list, const char* rows, size_t notes, const char* kind,
                    const char* file, const QStringList& table) {
        EXPECT_EQ(this->plat.boxes.size(), notes);
        QStringList words;
        for (const QString& row : this->rows(QLatin1String(list)))
            words.append(row.section(u' ', 1, 1));
        EXPECT_EQ(words.join(u' '), QLatin1String(rows));
        EXPECT_EQ(this->updateEachUnchanged(QLatin1String(list),
                                            QStringLiteral("Nothing of this %1 has been changed, "
                                                           "so its entry in %2 was left as it was.")
                                                .arg(QLatin1String(kind), QLatin1String(file)),
                                            table),
                  QList<int>());
    }
};

using TroopBlocks = BlockRows<frmPythonTroops>;
using ItemBlocks = BlockRows<frmPythonItems>;
using TemplateBlocks = BlockRows<frmPythonPartyTemp>;

TEST_F(TroopBlocks, AreOneListThatShowsWhole) {
    expectRows("lstTroops", "trp_player trp_temp_troop trp_farmer trp_townsman trp_watchman", 0,
               "troop", "module_troops.py", PyTroopLines);
}
TEST_F(ItemBlocks, AreOneListThatShowsWhole) {
    expectRows("lstItems",
               "itm_no_item itm_horse_meat itm_bread itm_falchion itm_club itm_leather_jerkin "
               "itm_items_end",
               0, "item", "module_items.py", PyItemLines);
}
TEST_F(TemplateBlocks, AreOneListThatShowsWhole) {
    expectRows("lstPT", "none rescued_prisoners hero_party village_defenders looters", 1,
               "party template", "module_party_templates.py", PyPTLines);
}

} // namespace
