// The module-system item entries on a large module_items.py: the type filter
// over 1,200 and 5,000 items and the rewrite of every entry over 1,200, on the
// items of ItemsPyFileLines.
#include "module_system/modPythonFiles.h"
#include "ms_editors/items/PythonItemEntry.h"
#include "ms_editors/items/PythonItemLists.h"

#include <benchmark/benchmark.h>

#include "BenchSupport.h"

namespace {

PythonTable ItemTable(int count) {
    return BuildPythonTable(ItemsPyFileLines(count).join(QStringLiteral("\r\n")).toLatin1(),
                            ItemListFormat);
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
