#pragma once

// Items as the largest modules hold them, for the item benchmarks.
#include "text_editors/items/ItemRecord.h"

// An item of type `type` with three meshes, every kind of word, two factions
// and two trigger lines.
inline ItemLines LargeItem(int i, int type) {
    const QString line =
        QStringLiteral(" itm_item_%1 Item_%1 Items_%1 3  mesh_%1 0  mesh_%1_flying "
                       "2305843009213693952  mesh_%1_carry 3458768911867052032  %2 "
                       "9223372036854779648 120 4398046511105 1.500000 100 0 0 0 8 0 95 55 75 0 "
                       "800 511")
            .arg(i)
            .arg(1152922612708409344ull + static_cast<unsigned>(type));
    return {
        line,
        QStringLiteral(" 2"),
        QStringLiteral(" 1 3"),
        QStringLiteral("2"),
        {QStringLiteral("-40.000000 1 1916 2 0 1 0"), QStringLiteral("-41.000000 1 1917 2 0 1 0")}};
}
