// The item codec on the largest module the game allows (5001 items): the type
// filter's reading of every item's type, and the reading and rebuilding of one
// item that a show and an update do.
#include "text_editors/items/ItemRecord.h"
#include "text_editors/items/ItemTables.h"
#include "textfiles/modTextItems.h"

#include <benchmark/benchmark.h>

#include "ItemBenchSupport.h"

namespace {

void FillLargestTables() {
    ItemLine.clear();
    for (int i = 0; i < ItemTableCapacity; ++i)
        ItemLine.append(LargeItem(i, i % 20 + 1).line);
    ItemMax = ItemTableCapacity - 1;
}

void BM_ItemTypeFilter5001(benchmark::State& state) {
    FillLargestTables();
    for (auto _ : state) {
        const QList<int> hits = ItemsOfType(8);
        benchmark::DoNotOptimize(hits.data());
    }
    state.SetItemsProcessed(state.iterations() * ItemTableCapacity);
}
BENCHMARK(BM_ItemTypeFilter5001)->Unit(benchmark::kMillisecond);

void BM_ItemDecodeAndForm(benchmark::State& state) {
    const ItemLines lines = LargeItem(4711, 8);
    for (auto _ : state) {
        PendingFailure failure;
        const std::optional<ItemRecord> record = DecodeItem(lines, 500, failure);
        const ItemForm form = ItemFormOf(*record);
        benchmark::DoNotOptimize(form.flags.data());
    }
}
BENCHMARK(BM_ItemDecodeAndForm)->Unit(benchmark::kMicrosecond);

void BM_ItemBuildChanged(benchmark::State& state) {
    PendingFailure failure;
    const ItemRecord record = *DecodeItem(LargeItem(4711, 8), 500, failure);
    ItemForm form = ItemFormOf(record);
    form.cost = QStringLiteral("121");
    form.factions[2] = true;
    for (auto _ : state) {
        QString refusal;
        const std::optional<ItemLines> lines = BuildItem(form, record, refusal);
        benchmark::DoNotOptimize(lines->line.data());
    }
}
BENCHMARK(BM_ItemBuildChanged)->Unit(benchmark::kMicrosecond);

} // namespace
