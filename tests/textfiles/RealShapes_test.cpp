// Module folders whose files take the shapes real modules' files take, each
// made from the bundled sample: every text loader opens its file without a
// box and lists every record, every record of the world files shows and
// updates through its editor without a word, and every saver writes its file
// back byte for byte.
#include "platform/gui/Controls.h"
#include "shell/modMain.h"
#include "support/Scripted.h"
#include "text_editors/world/frmTextFactions.h"
#include "text_editors/world/frmTextParties.h"
#include "text_editors/world/frmTextPartyTemp.h"
#include "textfiles/modTextFactions.h"
#include "textfiles/modTextItems.h"
#include "textfiles/modTextParties.h"
#include "textfiles/modTextPartyTemp.h"
#include "textfiles/modTextTroops.h"

#include <QFile>
#include <QPushButton>

#include <gtest/gtest.h>

#include <functional>
#include <map>
#include <memory>

namespace {

// A module folder's files by name; a file left out is not in the folder.
using ModuleFiles = std::map<QString, QByteArray>;
using Make = std::function<void(ModuleFiles&)>;
// Per text file, "id name" of every record listed (factions from 1 on:
// faction 0 is the fixed first row of every faction list).
using Listed = std::map<QString, QStringList>;

const QStringList FolderFiles = {"troops.txt",  "item_kinds1.txt",     "factions.txt",
                                 "parties.txt", "party_templates.txt", "map_icons.txt"};

const Listed SampleListed = {
    {"troops.txt",
     {"trp_player Player", "trp_farmer Farmer", "trp_militia Militia", "trp_knight Knight",
      "trp_bandit Bandit"}},
    {"item_kinds1.txt",
     {"itm_no_item INVALID_ITEM", "itm_bread Bread", "itm_short_sword Short_Sword",
      "itm_round_shield Round_Shield", "itm_leather_jerkin Leather_Jerkin",
      "itm_iron_helmet Iron_Helmet", "itm_saddle_horse Saddle_Horse", "itm_hunting_bow Hunting_Bow",
      "itm_war_spear War_Spear", "itm_throwing_axes Throwing_Axes", "itm_kite_shield Kite_Shield",
      "itm_matchlock_musket Matchlock_Musket", "itm_lead_bullets Lead_Bullets",
      "itm_leather_boots Leather_Boots", "itm_leather_gloves Leather_Gloves",
      "itm_sumpter_horse Sumpter_Horse", "itm_travel_pack Travel_Pack",
      "itm_book_of_tactics Book_of_Tactics", "itm_arrows Arrows"}},
    {"factions.txt",
     {"fac_kingdom Kingdom_of_Varr", "fac_order Order_of_the_Lance", "fac_outlaws Outlaws"}},
    {"parties.txt",
     {"p_main_party Main_Party", "p_town_riverford Riverford",
      "p_castle_stonegate Stonegate_Castle", "p_bandit_camp Bandit_Camp",
      "p_village_ashford Ashford", "p_royal_patrol Royal_Patrol", "p_ferry Ferry",
      "p_smugglers_den Smugglers_Den"}},
    {"party_templates.txt",
     {"pt_none none", "pt_village_farmers Village_Farmers", "pt_bandits Bandits",
      "pt_kingdom_patrol Kingdom_Patrol", "pt_merchant_caravan Merchant_Caravan",
      "pt_sea_raiders Sea_Raiders"}},
};

Listed ListedNow() {
    Listed listed;
    const auto list = [](auto ids, auto names, int from, int to) {
        QStringList rows;
        for (int i = from; i < to; ++i)
            rows << ids(i) + QLatin1Char(' ') + names(i);
        return rows;
    };
    const auto at = [](const QStringList& table) {
        return [&table](int i) { return table.at(i); };
    };
    listed["troops.txt"] = list(at(TroopID), at(TroopName), 0, TroopMax + 1);
    listed["item_kinds1.txt"] = list(at(ItemID), at(ItemName), 0, ItemMax + 1);
    listed["factions.txt"] = list(at(FactionID), at(FactionName), 1, FactionMax + 1);
    listed["parties.txt"] = list([](int i) { return PartyIDs.at(i).Id; },
                                 [](int i) { return PartyIDs.at(i).Name; }, 0, PartyCount);
    listed["party_templates.txt"] =
        list([](int i) { return PartyTempIDs.at(i).Id; },
             [](int i) { return PartyTempIDs.at(i).Name; }, 0, PartyTempCount);
    return listed;
}

// Every `from` in `file` replaced by `to`; the sample must hold it.
Make Replace(const QString& file, const QByteArray& from, const QByteArray& to) {
    return [=](ModuleFiles& files) {
        EXPECT_TRUE(files.at(file).contains(from)) << from.toStdString();
        files.at(file).replace(from, to);
    };
}
Make Each(const std::vector<Make>& makes) {
    return [=](ModuleFiles& files) {
        for (const Make& make : makes)
            make(files);
    };
}

// One shape: how it is made from the sample, and what differs from the sample.
struct Shape {
    const char* name;
    Make make;
    // What the shape changes of the records the sample lists.
    std::function<void(Listed&)> listed = {};
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
    {"relation values parted by one blank", Replace("factions.txt", "  ", " ")},
    {"the rank word on a line of its own", Replace("factions.txt", "\r\n0 fac_", "\r\n0 \r\nfac_")},
    {"flag words with bits above bit 0",
     Each({Replace("factions.txt", " Order_of_the_Lance 0 ", " Order_of_the_Lance 33280 "),
           Replace("factions.txt", " Outlaws 1 ", " Outlaws 33281 ")})},
    {"zero-padded party flag words",
     Each({Replace("parties.txt", " Main_Party 0 ", " Main_Party 00000000000001048576 "),
           Replace("parties.txt", " Riverford 9217 ", " Riverford 00000000000000009217 ")})},
    {"count lines with a blank where the sample has none",
     Each({Replace("factions.txt", "\r\n4\r\n", "\r\n4 \r\n"),
           Replace("parties.txt", "\r\n8 8\r\n", "\r\n8 8 \r\n"),
           Replace("party_templates.txt", "\r\n6\r\n", "\r\n6 \r\n")})},
    {"factions.txt with a final line end",
     [](ModuleFiles& files) { files.at("factions.txt") += "\r\n"; }},
    {"an empty map_icons.txt",
     [](ModuleFiles& files) { files.at("map_icons.txt") = "map_icons_file version 1\r\n0\r\n"; }},
    {"no map_icons.txt",
     [](ModuleFiles& files) { files.erase("map_icons.txt"); },
     {},
     {"could not read map_icons.txt from your module folder\r\n<folder>\r\n"}},
};

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
        ModuleFiles files;
        for (const QString& name : FolderFiles)
            files[name] = module.read(name);
        shape.make(files);
        for (const QString& name : FolderFiles) {
            if (files.count(name))
                module.write(name, files.at(name));
            else
                QFile::remove(module.file(name));
        }

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
            EXPECT_EQ(platform.boxTexts().join("\n|").toStdString(),
                      ("Do you want to create a time stamped backup of '" + file +
                       "' before saving your data?\n|Changes have been saved to " + file +
                       " in your module directory.")
                          .toStdString());
            platform.boxes.clear();
        };

        EXPECT_TRUE(LoadTextTroops());
        EXPECT_TRUE(LoadTextItems());
        EXPECT_TRUE(LoadTextFactions());
        EXPECT_TRUE(LoadTextParties());
        EXPECT_TRUE(LoadTextPartyTemplates());
        Listed listed = SampleListed;
        if (shape.listed)
            shape.listed(listed);
        const Listed now = ListedNow();
        for (const auto& [file, records] : listed)
            EXPECT_EQ(now.at(file).join('|').toStdString(), records.join('|').toStdString());
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

} // namespace
