#include "text_editors/world/MapIcons.h"

#include "platform/MessageBox.h"
#include "shell/modCore.h"
#include "shell/modMain.h"
#include "textfiles/modTextFiles.h"

#include <array>

namespace {

constexpr int MapIconHeaderLines = 2;

// The icons before the banners, rows 0 to 45.
constexpr std::array<const char*, 46> FirstIcons = {
    "icon_player",
    "icon_player_horseman",
    "icon_gray_knight",
    "icon_vaegir_knight",
    "icon_flagbearer_a",
    "icon_flagbearer_b",
    "icon_peasant",
    "icon_khergit",
    "icon_khergit_horseman_b",
    "icon_axeman",
    "icon_woman",
    "icon_woman_b",
    "icon_town",
    "icon_town_steppe",
    "icon_town_desert",
    "icon_village_a",
    "icon_village_b",
    "icon_village_c2",
    "icon_village_burnt_a",
    "icon_village_deserted_a",
    "icon_village_burnt_b",
    "icon_village_deserted_b",
    "icon_village_burnt_c",
    "icon_village_deserted_c2",
    "icon_village_snow_a2",
    "icon_village_snow_burnt_a",
    "icon_village_snow_deserted_a",
    "icon_camp",
    "icon_ship",
    "icon_ship_on_land",
    "icon_castle_a",
    "icon_castle_b",
    "icon_castle_c2",
    "icon_castle_d2",
    "icon_town_snow",
    "icon_castle_snow_a",
    "icon_castle_snow_b",
    "icon_mule",
    "icon_cattle",
    "icon_training_ground",
    "icon_bridge_a",
    "icon_bridge_b",
    "icon_bridge_snow_a",
    "icon_custom_banner_01",
    "icon_custom_banner_02",
    "icon_custom_banner_03",
};
constexpr int BannerCount = 135;

} // namespace

QStringList MapIconRows(const QStringList& lines) {
    QStringList rows;
    for (qsizetype i = MapIconHeaderLines; i < lines.size(); ++i) {
        const QString& line = lines.at(i);
        const QString solid = RemoveSpaces(line);
        if (!solid.isEmpty() && !solid.startsWith(u'-'))
            rows.append(QStringLiteral("icon_") + line.section(u' ', 0, 0));
    }
    return rows;
}

QStringList LoadMapIcons() {
    QStringList lines;
    PendingFailure ignored;
    if (!ReadModuleTextFile(QStringLiteral("map_icons.txt"), lines, ignored)) {
        MsgBox(QStringLiteral("The party editor could not read map_icons.txt from your module "
                              "folder\r\n") +
                   ModuleFolder +
                   QStringLiteral("\r\nso it names no map icons. Every party still shows and "
                                  "keeps its icon number when it is updated."),
               MsgButtons::Ok, MsgIcon::Information, QStringLiteral("Missing file..."));
    }
    return MapIconRows(lines);
}

QStringList GameIconNames() {
    QStringList names;
    for (const char* name : FirstIcons)
        names.append(QLatin1String(name));
    for (int banner = 1; banner <= BannerCount; ++banner)
        names.append(QStringLiteral("icon_banner_%1").arg(banner, 2, 10, QLatin1Char('0')));
    for (char kingdom = 'a'; kingdom <= 'f'; ++kingdom)
        names.append(QStringLiteral("icon_map_flag_kingdom_") + QLatin1Char(kingdom));
    // The game's list names this banner twice.
    names.append(QStringLiteral("icon_banner_126"));
    names.append(QStringLiteral("icon_bandit_lair"));
    return names;
}

QStringList BuiltInIconRows() {
    const QStringList names = GameIconNames();
    QStringList rows;
    for (qsizetype i = 0; i < names.size(); ++i)
        rows.append(QStringLiteral("%1. ").arg(i, 2, 10, QLatin1Char('0')) + names.at(i));
    return rows;
}
