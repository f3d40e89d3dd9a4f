// What a module author sees in the diff after a run of edits and saves: only
// the entries they changed, deleted or added (and a troop's upgrade calls),
// each comment still with the entry it stood beside, every other byte as it
// was on disk before the save.
#include "ms_editors/items/frmPythonItems.h"
#include "ms_editors/party_templates/frmPythonPartyTemp.h"
#include "ms_editors/troops/frmPythonTroops.h"

#include "module_system/PythonEntryLists.h"
#include "module_system/modPythonItems.h"
#include "module_system/modPythonPartyTemp.h"
#include "module_system/modPythonTroops.h"
#include "platform/TextFile.h"

#include "PythonEditorFixture.h"

#include <QRegularExpression>
#include <QTest>

namespace {

// The controls of one editor.
struct Editor {
    const char* file;
    const char* list;
    const char* rowPrefix; // before the id in a row
    const char* idBox;
    const char* add;
    const char* del;
    const char* scan; // the menu entry that rewrites every entry
    const PythonLines& table;
};

// A run of edits, one word each: "del:a" deletes a, "ren:a=b" renames a to b,
// "up:a=b" gives troop a the first upgrade path b, "add:a=b" adds b behind a
// ("end:a=b" at the end of the list, a its model),
// "scan" rewrites every entry, "save" saves without a backup. What the file then
// holds: the fixture with each `before` replaced by its `after`, in which
// "{b}" stands for the entry b as the editor wrote it.
struct Sequence {
    const char* name;
    const char* steps;
    std::vector<std::pair<QByteArray, QByteArray>> changes;
    const char* folder = nullptr; // of the files, when not the fixture's own
    friend void PrintTo(const Sequence& s, std::ostream* os) { *os << s.name; }
};

template <class Window> class EditSequence : public PythonEditorTest<Window> {
protected:
    EditSequence()
        : PythonEditorTest<Window>(QStringLiteral(QE_TEST_DATA_DIR "/ms_editors/sequences")) {}

    void select(const Editor& e, const QString& id) {
        ListBox* list = this->list(QLatin1String(e.list));
        const QString wanted = QLatin1String(e.rowPrefix) + id;
        for (int row = 0; row < list->count(); ++row) {
            if (list->item(row)->text().section(u' ', 1, 1) == wanted) {
                ClickRow(list, row);
                return;
            }
        }
        ADD_FAILURE() << "no row " << wanted.toStdString();
    }
    void typeId(const Editor& e, const QString& id) {
        typeInto(this->box(QLatin1String(e.idBox)), id);
    }
    void typeInto(QLineEdit* box, const QString& id) {
        box->setFocus();
        box->selectAll();
        QTest::keyClicks(box, id);
        Click(this->button(QStringLiteral("cmdUpdate")));
    }
    QByteArray entry(const Editor& e, const QString& id) {
        for (const QString& element : e.table.texts()) {
            if (IsPythonEntry(element, u'[') || IsPythonEntry(element, u'(')) {
                if (PythonEntryId(element) == id)
                    return ToFileBytes(element);
            }
        }
        ADD_FAILURE() << "no entry " << id.toStdString();
        return QByteArray();
    }

    void run(const Editor& e, const Sequence& s) {
        if (s.folder)
            this->reopenOn(QLatin1String(s.folder));
        const ModuleCopy& files = s.folder ? *this->other : this->copy;
        ASSERT_TRUE(ShowActive(this->window));
        const QByteArray original = files.read(QLatin1String(e.file));
        for (const QString& step : QString::fromLatin1(s.steps).split(u' ')) {
            const QString what = step.section(u':', 0, 0);
            const QString from = step.section(u':', 1).section(u'=', 0, 0);
            const QString to = step.section(u'=', 1);
            if (what == u"save") {
                this->plat.answer(MsgAnswer::No); // no backup
                Click(this->button(QStringLiteral("cmdSave")));
                continue;
            }
            if (what == u"scan") {
                this->plat.answer(MsgAnswer::Yes);
                this->trigger(QLatin1String(e.scan));
                continue;
            }
            select(e, from);
            if (what == u"del") {
                this->plat.answer(MsgAnswer::Yes);
                Click(this->button(QLatin1String(e.del)));
            } else if (what == u"up") {
                typeInto(this->template get<QComboBox>(QStringLiteral("cmbUpgrade1"))->lineEdit(),
                         to);
            } else if (what == u"add" || what == u"end") {
                this->answerWhereToAdd(what == u"add");
                Click(this->button(QLatin1String(e.add)));
                typeId(e, to);
            } else {
                typeId(e, to);
            }
        }
        QByteArray expected = original;
        static const QRegularExpression placeholder(QStringLiteral("\\{(\\w+)\\}"));
        for (const auto& [before, after] : s.changes) {
            ASSERT_TRUE(expected.contains(before)) << before.toStdString();
            QString text = FromFileBytes(after);
            for (const auto& m : placeholder.globalMatch(text))
                text.replace(m.captured(0), FromFileBytes(entry(e, m.captured(1))));
            expected.replace(before, ToFileBytes(text));
        }
        EXPECT_EQ(FromFileBytes(files.read(QLatin1String(e.file))), FromFileBytes(expected));
        EXPECT_EQ(this->plat.errors(), QStringList());
    }
};

// The lines of the fixtures that the rows change.
const char* const Lute = "  [\"lute\",\"Lute Player\",\"Lute Players\",tf_guarantee_boots,"
                         "no_scene,reserved,fac_commoners,\n"
                         "   [itm_lute],def_attrib,wp(40),knows_common,man_face_young_1], #lute\n";
const char* const Harp = "  [\"harp\",\"Harp Player\",\"Harp Players\",tf_guarantee_boots,"
                         "no_scene,reserved,fac_commoners,\n"
                         "   [itm_harp],def_attrib,wp(40),knows_common,man_face_young_1], "
                         "#early harp/lyre\n";
// Its inventory on a line of its own, as one real module writes every troop.
const char* const Peasant =
    "  [\"peasant\",\"Peasant\",\"a peasant\",tf_guarantee_all,0,0,\"fac_commoners\",\n"
    "   [\"itm_old_coarse_tunic\",\"itm_ragged_shirt\",\"itm_old_knife\"],\n"
    "   str_8|agi_8,wp(50),knows_riding_1,default_face_1,default_face_2],\n";
const char* const Oil = " [\"oil\",\"Oil\", [(\"oil\",0)], itp_type_goods|itp_consumable, 0, "
                        "450,weight(50)|abundance(60)|max_ammo(50),imodbits_none], #x3 for oil\n";
const char* const Wine =
    " [\"wine\",\"Wine\", [(\"amphora\",0)], itp_type_goods|itp_consumable, 0, "
    "220,weight(30)|abundance(60)|max_ammo(50),imodbits_none], #for the feast\n";
const char* const Looters =
    "  (\"looters\",\"Looters\",icon_axeman,0,fac_outlaws,bandit_personality,[(trp_lute,3,10)]), "
    "#a\n";
const char* const Raiders =
    "  (\"raiders\",\"Raiders\",icon_axeman,0,fac_outlaws,bandit_personality,[(trp_lute,4,12)]), "
    "#b\n";

const Sequence TroopSequences[] = {
    {"DeleteThenRenameTheNeighbour",
     "del:lute ren:harp=harp2 save",
     {{Lute, ""},
      {Harp, "{harp2} #early harp/lyre\n"},
      {"upgrade(troops,\"lute\",\"harp\")\nupgrade(troops, \"harp\", \"drum\"),",
       "upgrade(troops,\"harp2\",\"drum\"),"}}},
    {"SecondSaveKeepsWhatTheFirstWrote",
     "ren:harp=harp2 save del:lute scan save save",
     {{Lute, ""},
      {Harp, "{harp2} #early harp/lyre\n"},
      {"upgrade(troops,\"lute\",\"harp\")\nupgrade(troops, \"harp\", \"drum\"),",
       "upgrade(troops,\"harp2\",\"drum\"),"}}},
    {"AddedWhereOneWasDeletedTakesNoComment",
     "del:harp add:lute=bard save",
     {{Harp, ""},
      {Lute, QByteArray(Lute) + "{bard}\n"},
      {"upgrade(troops, \"harp\", \"drum\"),\n", "upgrade(troops,\"bard\",\"harp\")\n"}}},
    {"RepeatedLinesBetweenTwoEditsStay",
     "ren:lute=lute2 ren:harp=harp2 save",
     {{Lute, "{lute2} #lute\n"},
      {Harp, "{harp2} #early harp/lyre\n"},
      {"\"lute\",\"harp\")\nupgrade(troops, \"harp\", \"drum\"),",
       "\"lute2\",\"harp\")\nupgrade(troops,\"harp2\",\"drum\"),"}}},
    {"AddThenDeleteGivesTheFileBack", "add:harp=bard save del:bard save", {}},
    {"InventoryOnALineOfItsOwnIsPartOfItsTroop",
     "del:peasant ren:drum=drum2 save",
     {{Peasant, ""},
      {"  [\"drum\",\"Drummer\",\"Drummers\",0,no_scene,reserved,fac_commoners,[],"
       "def_attrib,wp(20),knows_common,0],\n",
       "{drum2}\n"}}},
};
// Upgrade calls with a comma before the closing bracket are the troop's own.
const char* const Piper = "  [\"piper\",\"Piper\",\"Pipers\",0,no_scene,reserved,fac_commoners,[],"
                          "def_attrib,wp(20),knows_common,0],\n";
const char* const PiperCall = "upgrade(troops,\"piper\",\"fifer\",)\n";
const char* const FiferCall = "upgrade2(troops, \"fifer\", \"drum\", \"harp\", ), # band\n";
const Sequence ClosingCommaSequences[] = {
    {"RenameAndEditTheCall",
     "ren:piper=piper2 up:piper2=drum save",
     {{Piper, "{piper2}\n"}, {PiperCall, "upgrade(troops,\"piper2\",\"drum\",)\n"}}},
    {"DeleteTakesTheCall",
     "del:fifer save",
     {{"  [\"fifer\",\"Fifer\",\"Fifers\",0,no_scene,reserved,fac_commoners,[],def_attrib,wp(20),"
       "knows_common,0],\n",
       ""},
      {FiferCall, "# band\n"}}},
    {"EditTheCallTwice",
     "up:fifer=lute save up:fifer=piper save",
     {{FiferCall, "upgrade2(troops,\"fifer\",\"piper\",\"harp\",), # band\n"}}},
};
const Sequence ItemSequences[] = {
    {"DeleteThenRenameTheNeighbour",
     "del:oil ren:wine=wine2 save",
     {{Oil, ""}, {Wine, "{wine2}\n"}}},
    {"AddedWhereOneWasDeletedTakesNoComment",
     "del:wine save add:oil=ale scan save",
     {{Wine, ""}, {Oil, QByteArray(Oil) + "{ale}\n"}}},
    {"RepeatedLinesBetweenTwoEditsStay",
     "ren:oil=oil2 ren:wine=wine2 save",
     {{Oil, "{oil2}\n"}, {Wine, "{wine2}\n"}}},
};
const Sequence TemplateSequences[] = {
    {"DeleteThenRenameTheNeighbour",
     "del:looters ren:raiders=raiders2 save",
     {{Looters, ""}, {Raiders, "{raiders2} #b\n"}}},
    {"AddedWhereOneWasDeletedTakesNoComment",
     "del:raiders add:looters=robbers save",
     {{Raiders, ""}, {Looters, QByteArray(Looters) + "{robbers}\n"}}},
    {"RepeatedLinesBetweenTwoEditsStay",
     "ren:looters=l2 scan ren:raiders=r2 save save",
     {{Looters, "{l2} #a\n"}, {Raiders, "{r2} #b\n"}}},
};

// A list in blocks: "troops = [", then blocks that "troops += [" adds.
const char* const Blocks = QE_TEST_DATA_DIR "/module_system/blocks";
const char* const Watchman =
    "  [\"watchman\",\"Watchman\",\"Watchmen\",tf_guarantee_boots|tf_guarantee_armor|"
    "tf_guarantee_helmet|tf_guarantee_shield,no_scene,reserved,fac_commoners,\n   [itm_bolts,"
    "itm_spiked_club,itm_fighting_pick,itm_sword_medieval_a,itm_leather_jerkin,itm_padded_cloth,"
    "itm_leather_gloves],\n   def_attrib|level(9),wp(75),knows_common|knows_shield_1,"
    "mercenary_face_1, mercenary_face_2]\n";
const char* const Townsman =
    "  [\"townsman\",\"Townsman\",\"Townsmen\",tf_guarantee_boots|tf_guarantee_armor,no_scene,"
    "reserved,fac_commoners,\n   [itm_cleaver,itm_knife,itm_club,itm_quarter_staff,itm_dagger,"
    "itm_stones,itm_leather_cap,itm_linen_tunic],\n   def_attrib|level(4),wp(60),knows_common,"
    "mercenary_face_1, mercenary_face_2], # the town's own\n";
const Sequence TroopBlockSequences[] = {
    {"AddAtTheEndOfTheLastBlock",
     "end:watchman=bard save",
     {{"mercenary_face_2]\n]", "mercenary_face_2],\n{bard}\n]"}},
     Blocks},
    {"DeleteTheLastEntryOfABlockAndRewriteAll",
     "del:townsman scan save",
     {{Townsman, ""}, {"upgrade(troops,\"townsman\",\"watchman\")\n", ""}},
     Blocks},
    {"EmptyTheLastBlock", "del:watchman save", {{Watchman, ""}}, Blocks},
};
const Sequence ItemBlockSequences[] = {
    {"AddAtTheEndBeforeItemsEndInTheLastBlock",
     "end:falchion=axe save",
     {{" [\"items_end\"", "{axe}\r\n [\"items_end\""}},
     Blocks},
};

class TroopSequence : public EditSequence<frmPythonTroops>,
                      public ::testing::WithParamInterface<Sequence> {};
class ItemSequence : public EditSequence<frmPythonItems>,
                     public ::testing::WithParamInterface<Sequence> {};
class TemplateSequence : public EditSequence<frmPythonPartyTemp>,
                         public ::testing::WithParamInterface<Sequence> {};

TEST_P(TroopSequence, ChangesOnlyWhatWasEdited) {
    run({"module_troops.py", "lstTroops", "trp_", "txtTroopID", "cmdAddTroop", "cmdDeleteTroop",
         "mnu_edit_scan", PyTroopLines},
        GetParam());
}
TEST_P(ItemSequence, ChangesOnlyWhatWasEdited) {
    run({"module_items.py", "lstItems", "itm_", "txtItemID", "cmdAddItem", "cmdDeleteItem",
         "mnu_edit_hardtest", PyItemLines},
        GetParam());
}
TEST_P(TemplateSequence, ChangesOnlyWhatWasEdited) {
    run({"module_party_templates.py", "lstPT", "", "txtPTID", "cmdAdd", "cmdDelete",
         "mnu_edit_scan", PyPTLines},
        GetParam());
}

const auto Named = [](const auto& info) { return std::string(info.param.name); };
INSTANTIATE_TEST_SUITE_P(, TroopSequence, ::testing::ValuesIn(TroopSequences), Named);
INSTANTIATE_TEST_SUITE_P(ClosingComma, TroopSequence, ::testing::ValuesIn(ClosingCommaSequences),
                         Named);
INSTANTIATE_TEST_SUITE_P(, ItemSequence, ::testing::ValuesIn(ItemSequences), Named);
INSTANTIATE_TEST_SUITE_P(Blocks, TroopSequence, ::testing::ValuesIn(TroopBlockSequences), Named);
INSTANTIATE_TEST_SUITE_P(Blocks, ItemSequence, ::testing::ValuesIn(ItemBlockSequences), Named);
INSTANTIATE_TEST_SUITE_P(, TemplateSequence, ::testing::ValuesIn(TemplateSequences), Named);

} // namespace
