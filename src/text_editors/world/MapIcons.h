#pragma once

#include <QStringList>

// The names of the map icons that the low byte of a party's or a template's
// flag word selects; row k of each list is icon k.

// The icon rows of map_icons.txt's lines: after the two header lines, every
// line that is not blank and does not begin with "-" (blanks aside) adds
// "icon_" and its text before the first blank.
QStringList MapIconRows(const QStringList& lines);
// MapIconRows of map_icons.txt in ModuleFolder. A file that cannot be read (a
// module without a world map ships none) gives no rows and is named once, with
// the folder, in a box: every party still shows and keeps its icon number.
QStringList LoadMapIcons();

// The game's 189 map icons, "icon_player" to "icon_bandit_lair", in icon order
// ("icon_banner_126" twice, as the game lists it).
QStringList GameIconNames();
// The party-template editor's fixed icon list: GameIconNames numbered, "00. icon_player"
// to "188. icon_bandit_lair".
QStringList BuiltInIconRows();
