#include "text_editors/world/MapIcons.h"

#include "shell/modMain.h"
#include "support/Scripted.h"

#include <QFile>

#include <gtest/gtest.h>

namespace {

// The icon names come from the qualifying lines, whatever their line ends: a
// line end kept in a name would shift nothing, but one counted as a line would.
TEST(MapIconsTest, MapIconsAreNamedFromTheirOwnLines) {
    ScriptedPlatform platform;
    ModuleCopy module;
    ModuleFolder = module.folder();
    module.write("map_icons.txt", "map_icons_file version 1\r\n4\r\nplayer 0 player 0.15 \r\n"
                                  "-1.000000\r\n\r\n   \r\ntown 0 map_town\r -1.0\ncamp\r\n");
    EXPECT_EQ(LoadMapIcons(), (QStringList{"icon_player", "icon_town", "icon_camp"}));
    EXPECT_TRUE(platform.boxes.empty());
    // A module without a world map has none: it is named once, with the folder.
    QFile::remove(module.file("map_icons.txt"));
    EXPECT_EQ(LoadMapIcons(), QStringList());
    ASSERT_EQ(platform.boxes.size(), 1u);
    EXPECT_EQ(platform.boxes[0].title, "Missing file...");
    EXPECT_EQ(platform.boxes[0].text,
              "The party editor could not read map_icons.txt from your module folder\r\n" +
                  module.folder() +
                  "\r\nso it names no map icons. Every party still shows and keeps its icon "
                  "number when it is updated.");
    ModuleFolder.clear();

    EXPECT_EQ(MapIconRows({"h", "2", " lead", "x"}), (QStringList{"icon_", "icon_x"}));
}

TEST(MapIconsTest, BuiltInIconListNamesIcons0To188) {
    const QStringList rows = BuiltInIconRows();
    ASSERT_EQ(rows.size(), 189);
    EXPECT_EQ(rows.at(0), "00. icon_player");
    EXPECT_EQ(rows.at(46), "46. icon_banner_01");
    EXPECT_EQ(rows.at(171), "171. icon_banner_126");
    EXPECT_EQ(rows.at(187), "187. icon_banner_126");
    EXPECT_EQ(rows.at(188), "188. icon_bandit_lair");
}

} // namespace
