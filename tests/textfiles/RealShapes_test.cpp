// Module folders whose files take the shapes real modules' files take, each
// made from the bundled sample: every text loader opens its file without a
// box and lists every record, every troop and every record of the world files
// shows and updates through its editor without a word, and every saver writes
// its file back byte for byte.
#include "platform/gui/Controls.h"
#include "shell/modMain.h"
#include "support/Scripted.h"
#include "support/UserInput.h"
#include "text_editors/items/frmTextItems.h"
#include "text_editors/troops/TroopTables.h"
#include "text_editors/troops/frmTextTroops.h"
#include "text_editors/world/frmTextFactions.h"
#include "text_editors/world/frmTextParties.h"
#include "text_editors/world/frmTextPartyTemp.h"
#include "textfiles/modTextFactions.h"
#include "textfiles/modTextItems.h"
#include "textfiles/modTextParties.h"
#include "textfiles/modTextPartyTemp.h"
#include "textfiles/modTextTroops.h"

#include <QDir>
#include <QFile>
#include <QLineEdit>
#include <QPushButton>
#include <QTest>

#include <gtest/gtest.h>

#include <algorithm>
#include <functional>
#include <map>
#include <memory>

namespace {

// A module folder's files by name; a file left out is not in the folder.
using ModuleFiles = std::map<QString, QByteArray>;
using Make = std::function<void(ModuleFiles&)>;
// Per text file, what the loader lists: the number of records, the first and
// the last as "id name" (factions from 1 on; faction 0 is the fixed first row).
using Listing = std::map<QString, QString>;

const QStringList FolderFiles = {"troops.txt",  "item_kinds1.txt",     "factions.txt",
                                 "parties.txt", "party_templates.txt", "map_icons.txt"};
const Listing SampleListing = {
    {"troops.txt", "5: trp_player Player ... trp_bandit Bandit"},
    {"item_kinds1.txt", "19: itm_no_item INVALID_ITEM ... itm_arrows Arrows"},
    {"factions.txt", "3: fac_kingdom Kingdom_of_Varr ... fac_outlaws Outlaws"},
    {"parties.txt", "8: p_main_party Main_Party ... p_smugglers_den Smugglers_Den"},
    {"party_templates.txt", "6: pt_none none ... pt_sea_raiders Sea_Raiders"},
};

Listing ListingNow() {
    const auto listed = [](auto id, auto name, int from, int to) {
        return QString::number(to - from) + ": " + id(from) + ' ' + name(from) + " ... " +
               id(to - 1) + ' ' + name(to - 1);
    };
    const auto of = [](const QStringList& table) {
        return [&table](int i) { return table.value(i); };
    };
    return {{"troops.txt", listed(of(TroopID), of(TroopName), 0, TroopMax + 1)},
            {"item_kinds1.txt", listed(of(ItemID), of(ItemName), 0, ItemMax + 1)},
            {"factions.txt", listed(of(FactionID), of(FactionName), 1, FactionMax + 1)},
            {"parties.txt", listed([](int i) { return PartyIDs.value(i).Id; },
                                   [](int i) { return PartyIDs.value(i).Name; }, 0, PartyCount)},
            {"party_templates.txt",
             listed([](int i) { return PartyTempIDs.value(i).Id; },
                    [](int i) { return PartyTempIDs.value(i).Name; }, 0, PartyTempCount)}};
}

struct Edit {
    const char* file;
    QByteArray from, to;
};
// Every `from` of each edit replaced by its `to`; the sample must hold it.
Make Replace(const std::vector<Edit>& edits) {
    return [=](ModuleFiles& files) {
        for (const Edit& edit : edits) {
            EXPECT_TRUE(files.at(edit.file).contains(edit.from)) << edit.from.toStdString();
            files.at(edit.file).replace(edit.from, edit.to);
        }
    };
}

// One shape: how it is made from the sample, and what differs from the sample.
struct Shape {
    const char* name;
    Make make;
    // What the shape changes of what the sample lists.
    std::function<void(Listing&)> listed = {};
    // A part of the text of each box the shape is told by, in order ("<folder>"
    // stands for the module folder); no other box may come.
    QStringList told = {};
};

const Shape Shapes[] = {
    {"the sample as it is: the game's layout, CR LF", [](ModuleFiles&) {}},
    {"LF line ends",
     [](ModuleFiles& files) {
         for (auto& [name, bytes] : files)
             bytes.replace("\r\n", "\n");
     }},
    {"CR CR LF line ends",
     [](ModuleFiles& files) {
         for (auto& [name, bytes] : files)
             bytes.replace("\r\n", "\r\r\n");
     }},
    {"UTF-8 names",
     Replace({{"troops.txt", " Player Player ", " Invité_du_Comte Invités_du_Comte "},
              {"item_kinds1.txt", " Bread Bread ", " Pain_doré Pains_dorés "},
              {"factions.txt", " Outlaws ", " République_Française "}}),
     [](Listing& listing) {
         listing["troops.txt"].replace(" Player ", " Invité_du_Comte ");
         listing["factions.txt"].replace(" Outlaws", " République_Française");
     }},
    {"relation values parted by one blank", Replace({{"factions.txt", "  ", " "}})},
    {"the rank word on a line of its own",
     Replace({{"factions.txt", "\r\n0 fac_", "\r\n0 \r\nfac_"}})},
    {"flag words with bits above bit 0",
     Replace({{"factions.txt", " Order_of_the_Lance 0 ", " Order_of_the_Lance 33280 "},
              {"factions.txt", " Outlaws 1 ", " Outlaws 33281 "}})},
    {"zero-padded party flag words",
     Replace({{"parties.txt", " Main_Party 0 ", " Main_Party 00000000000001048576 "},
              {"parties.txt", " Riverford 9217 ", " Riverford 00000000000000009217 "}})},
    {"count lines with a blank where the sample has none",
     Replace({{"factions.txt", "\r\n4\r\n", "\r\n4 \r\n"},
              {"parties.txt", "\r\n8 8\r\n", "\r\n8 8 \r\n"},
              {"party_templates.txt", "\r\n6\r\n", "\r\n6 \r\n"}})},
    {"factions.txt with a final line end",
     [](ModuleFiles& files) { files.at("factions.txt") += "\r\n"; }},
    {"an empty map_icons.txt",
     [](ModuleFiles& files) { files.at("map_icons.txt") = "map_icons_file version 1\r\n0\r\n"; }},
    {"troops.txt ending with one more empty line",
     [](ModuleFiles& files) { files.at("troops.txt") += "\r\n"; }},
    {"troops.txt and item_kinds1.txt ending with a line of one blank",
     [](ModuleFiles& files) {
         files.at("troops.txt") += " ";
         files.at("item_kinds1.txt") += " ";
     }},
    {"version lines ending with a blank",
     [](ModuleFiles& files) {
         for (auto& [name, bytes] : files)
             bytes.insert(bytes.indexOf('\r'), ' ');
     }},
    {"an upgrade path of 69 digits, as a module's build wrote it",
     Replace({{"troops.txt", " Knights 0 18875408 0 0 2 0 0",
               " Knights 0 18875408 0 0 2 1" + QByteArray(68, '0') + " 0"}})},
    {"a troop's faction beyond factions.txt",
     Replace({{"troops.txt", " Bandits 0 0 0 0 3 0 0", " Bandits 0 0 0 0 40 0 0"}})},
    {"no map_icons.txt",
     [](ModuleFiles& files) { files.erase("map_icons.txt"); },
     {},
     {"could not read map_icons.txt from your module folder\r\n<folder>\r\n"}},
};

const Shape& ShapeNamed(const char* name) {
    return *std::find_if(std::begin(Shapes), std::end(Shapes),
                         [name](const Shape& shape) { return qstrcmp(shape.name, name) == 0; });
}

// Writes the sample's files into `module` as `makes` make them, one after the
// other; returns what was written.
ModuleFiles MakeModule(const ModuleCopy& module, const std::vector<Make>& makes) {
    ModuleFiles files;
    for (const QString& name : FolderFiles)
        files[name] = module.read(name);
    for (const Make& make : makes)
        make(files);
    for (const QString& name : FolderFiles) {
        if (files.count(name))
            module.write(name, files.at(name));
        else
            QFile::remove(module.file(name));
    }
    return files;
}

// Opens the editor `Window`, shows every row of its list `list` from `first`
// on and stores each unchanged through its update button `update`.
template <typename Window>
void ShowAndUpdateEvery(const char* list, const char* update, int first) {
    const auto window = std::make_unique<Window>();
    auto* rows = window->template findChild<ListBox*>(QLatin1String(list));
    auto* button = window->template findChild<QPushButton*>(QLatin1String(update));
    ASSERT_TRUE(rows && button) << list;
    for (int row = first; row < rows->count(); ++row) {
        rows->setListIndex(row);
        EXPECT_TRUE(button->isEnabled()) << list << " row " << row;
        button->click();
    }
}

TEST(RealShapes, EveryTextFileOpensListsShowsAndSavesAsTheGameWroteIt) {
    for (const Shape& shape : Shapes) {
        SCOPED_TRACE(shape.name);
        ScriptedPlatform platform;
        ModuleCopy module;
        ModuleFolder = module.folder();
        const ModuleFiles files = MakeModule(module, {shape.make});

        QStringList told; // every box but those of the saves
        const auto keepTold = [&] {
            told << platform.boxTexts();
            platform.boxes.clear();
        };
        const auto saveBack = [&](const QString& file, bool (*save)()) {
            keepTold();
            platform.answer(MsgAnswer::No);
            EXPECT_TRUE(save()) << file.toStdString();
            EXPECT_EQ(module.read(file).toStdString(), files.at(file).toStdString());
            // After the backup question only the report: nothing else is asked or told.
            EXPECT_EQ(platform.boxTexts().mid(1).join('|').toStdString(),
                      ("Changes have been saved to " + file + " in your module directory.")
                          .toStdString());
            platform.boxes.clear();
        };

        EXPECT_TRUE(LoadTextTroops());
        EXPECT_TRUE(LoadTextItems());
        EXPECT_TRUE(LoadTextFactions());
        EXPECT_TRUE(LoadTextParties());
        EXPECT_TRUE(LoadTextPartyTemplates());
        Listing listing = SampleListing;
        if (shape.listed)
            shape.listed(listing);
        for (const auto& [file, listed] : ListingNow())
            EXPECT_EQ(listed.toStdString(), listing.at(file).toStdString());
        ShowAndUpdateEvery<frmTextTroops>("lstTroops", "cmdUpdateTroop", 0);
        saveBack("troops.txt", SaveTextTroops);
        saveBack("item_kinds1.txt", SaveTextItems);
        ShowAndUpdateEvery<frmTextFactions>("lstFactions", "cmdUpdate", 1);
        saveBack("factions.txt", SaveTextFactions);
        ShowAndUpdateEvery<frmTextParties>("lstParties", "cmdUpdateParties", 0);
        saveBack("parties.txt", SaveTextParties);
        ShowAndUpdateEvery<frmTextPartyTemp>("lstPT", "cmdUpdatePT", 0);
        saveBack("party_templates.txt", SaveTextPartyTemplates);

        keepTold();
        ASSERT_EQ(told.size(), shape.told.size()) << told.join("\n|").toStdString();
        for (qsizetype i = 0; i < told.size(); ++i) {
            const QString part = QString(shape.told.at(i)).replace("<folder>", module.folder());
            EXPECT_TRUE(told.at(i).contains(part)) << told.at(i).toStdString();
        }
        ModuleFolder.clear();
    }
}

template <typename Window> QWidget* Open() {
    return new Window;
}

// Names typed into an editor's name box (keys, then the update button) go
// into a file of UTF-8 names as UTF-8, an added troop's too, and every line
// of a file with CR CR LF line ends keeps them.
TEST(RealShapes, TypedNamesGoIntoAFileOfUtf8NamesAsUtf8) {
    const struct {
        const char* file;
        QWidget* (*open)();
        const char *list, *box, *update, *shown;
        int row;
        bool add; // a troop added from the one shown
        bool (*load)();
        const QStringList& names;
    } rows[] = {
        {"troops.txt", Open<frmTextTroops>, "lstTroops", "txtTroopName", "cmdUpdateTroop",
         "Invité_du_Comte", 0, true, LoadTextTroops, TroopName},
        {"item_kinds1.txt", Open<frmTextItems>, "lstItems", "txtItemName", "cmdUpdate", "Pain_doré",
         1, false, LoadTextItems, ItemName},
        {"factions.txt", Open<frmTextFactions>, "lstFactions", "txtFacName", "cmdUpdate",
         "République_Française", 3, false, LoadTextFactions, FactionName},
    };
    const QString typed = QString::fromUtf8("\u00e9_\u540d\u524d");
    for (const auto& row : rows) {
        SCOPED_TRACE(row.file);
        ScriptedPlatform platform;
        ModuleCopy module;
        ModuleFolder = module.folder();
        const ModuleFiles files = MakeModule(
            module, {ShapeNamed("CR CR LF line ends").make, ShapeNamed("UTF-8 names").make});
        const std::unique_ptr<QWidget> editor(row.open());
        ASSERT_TRUE(ShowActive(editor.get()));
        auto* list = editor->findChild<ListBox*>(QLatin1String(row.list));
        ASSERT_TRUE(list && list->item(row.row)) << row.list;
        EXPECT_TRUE(list->item(row.row)->text().contains(row.shown));
        ClickRow(list, row.row);
        if (row.add) {
            platform.answer(MsgAnswer::Yes);
            Click(editor->findChild<QPushButton*>("cmdAddTroop"));
        }
        auto* box = editor->findChild<QLineEdit*>(QLatin1String(row.box));
        box->setFocus();
        box->selectAll();
        for (const QChar c : typed) // keyClicks types Latin-1 only
            QTest::sendKeyEvent(QTest::Click, box, Qt::Key_unknown, QString(c), Qt::NoModifier);
        Click(editor->findChild<QPushButton*>(QLatin1String(row.update)));
        platform.answer(MsgAnswer::No);
        Click(editor->findChild<QPushButton*>("cmdSave"));
        const QByteArray saved = module.read(row.file);
        EXPECT_EQ(saved.count('\n'), saved.count("\r\r\n"));
        QByteArray edited = QByteArray(files.at(row.file)).replace(row.shown, typed.toUtf8());
        if (row.add) { // the troop shown stays; the one added follows the last, and line 2 counts
                       // it
            edited = QByteArray(files.at(row.file)).replace("\r\r\n5 \r\r\n", "\r\r\n6 \r\r\n");
            for (const QString& line : StoredTroop(TroopMax))
                edited += "\r\r\n" + line.toUtf8();
            edited += "\r\r\n";
        }
        EXPECT_EQ(saved.toStdString(), edited.toStdString());
        ASSERT_TRUE(row.load());
        EXPECT_EQ(row.names.at(row.add ? TroopMax : row.row), typed);
        EXPECT_TRUE(platform.errors().isEmpty()) << platform.boxTexts().join('|').toStdString();
    }
    ModuleFolder.clear();
}

// A module without one of its files: the report names the file and the folder
// it was looked for in, below the failure's own text.
TEST(RealShapes, AMissingFileIsNamedWithItsFolder) {
    ScriptedPlatform platform;
    ModuleCopy module;
    ModuleFolder = module.folder();
    QFile::remove(module.file("parties.txt"));
    EXPECT_FALSE(LoadTextParties());
    EXPECT_EQ(platform.boxTexts().join('|').section("\r\n", -3).toStdString(),
              ("Thank you.\r\n\r\nparties.txt was not found in " +
               QDir::toNativeSeparators(QDir(module.folder()).absolutePath()) + ".")
                  .toStdString());
    EXPECT_EQ(platform.errors(), QStringList{"Error #53 occured in function 'LoadTextParties'."});
    ModuleFolder.clear();
}

} // namespace
