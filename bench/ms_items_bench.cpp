// The module-system item entries on a large module_items.py: the type filter
// over 1,200 and 5,000 items and the rewrite of every entry over 1,200. Items
// come in the shapes real files use: over two lines, with trigger and faction
// lists on some and names the vocabulary lacks on others.
#include "module_system/modPythonFiles.h"
#include "ms_editors/items/PythonItemEntry.h"
#include "ms_editors/items/PythonItemLists.h"

#include <benchmark/benchmark.h>

namespace {

PythonTable ItemTable(int count) {
    QStringList file{QStringLiteral("from header_items import *"), QString(),
                     QStringLiteral("items = [")};
    file << QStringLiteral(
                " [\"no_item\",\"INVALID ITEM\", [(\"invalid_item\",0)], 0, 0, 0, 0, 0],")
         << QStringLiteral(
                " [\"horse_meat\",\"Horse Meat\", [(\"raw_meat\",0)], itp_type_goods, 0, "
                "12, weight(40), 0],");
    const char* const types[] = {"itp_type_one_handed_wpn", "itp_type_polearm", "itp_type_goods",
                                 "itp_type_body_armor", "0"};
    for (int i = 0; i < count; ++i) {
        file << QStringLiteral(" [\"item_%1\",\"Item %1\", [(\"mesh_%1\",0),(\"mesh_%1_carry\", "
                               "ixmesh_carry)], %2|itp_merchandise| itp_primary|itp_flag_%3, "
                               "itc_longsword|itcf_carry_sword_left_hip,")
                    .arg(i)
                    .arg(QLatin1String(types[i % 5]))
                    .arg(i % 7);
        QString second = QStringLiteral("   %1 , weight(1.5)|difficulty(0)|spd_rtng(99) | "
                                        "weapon_length(95)|swing_damage(29 , cut) | "
                                        "thrust_damage(21 ,  pierce),imodbits_sword")
                             .arg(i);
        if (i % 10 == 0)
            second += QStringLiteral(", [(ti_on_init_item, [(set_position_delta,0,60,0),"
                                     "(particle_system_add_new, \"psys_torch_fire\")])], "
                                     "[fac_kingdom_1, fac_kingdom_2]");
        file << second + QStringLiteral(" ],");
    }
    file << QStringLiteral(" [\"items_end\",\"Items End\", [(\"mesh\",0)], 0, 0, 1, 0, 0],")
         << QStringLiteral("]");
    return BuildPythonTable(file, ItemListFormat);
}

void BM_PythonItemTypeFilter(benchmark::State& state) {
    const PythonTable table = ItemTable(int(state.range(0)));
    const int max = int(table.lines.size()) - 1;
    for (auto _ : state) {
        QStringList flagRows = PythonItemFlagVocabulary();
        const PythonItemTypeFilter found =
            FilterPythonItemsByType(table.lines, max, QStringLiteral("itp_type_polearm"), flagRows);
        benchmark::DoNotOptimize(found.rows.count());
    }
}
BENCHMARK(BM_PythonItemTypeFilter)->Arg(1200)->Arg(5000)->Unit(benchmark::kMillisecond);

// Rows 1 to the last, as the editor's scan rewrites them.
void BM_PythonItemRewriteAll(benchmark::State& state) {
    const PythonTable table = ItemTable(int(state.range(0)));
    const int max = int(table.lines.size()) - 1;
    for (auto _ : state) {
        QStringList lines = table.lines;
        PythonItemNameLists lists = InitialPythonItemNameLists();
        const PythonEntryRows rows = BuildPythonItemRows(lines, max);
        int skipped = 0;
        for (int row = 1; row < rows.count(); ++row)
            skipped += RewritePythonItemEntry(lines[rows.lines[row]], lists) ? 0 : 1;
        benchmark::DoNotOptimize(skipped);
    }
}
BENCHMARK(BM_PythonItemRewriteAll)->Arg(1200)->Unit(benchmark::kMillisecond);

} // namespace
