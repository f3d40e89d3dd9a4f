// The troop editor on the largest module the game allows (5001 troops, 5001
// items): opening the window, showing a troop and storing an update.
#include "text_editors/troops/frmTextTroops.h"

#include "EditorBenchSupport.h"

namespace {

constexpr int LargestCount = 5001;
constexpr int FactionCount = 500;

// troops.txt, item_kinds1.txt and factions.txt at the largest size, every
// troop with items, skills, faces and two upgrade paths.
bool WriteTroopModule(const BenchModuleFolder& module) {
    WriteLines(module.file("troops.txt"), TroopsFileLines(LargestCount, FactionCount));
    QStringList kinds = {"itemsfile version 3", QString::number(LargestCount)};
    for (int i = 0; i < LargestCount; ++i)
        kinds << QStringLiteral(" itm_item_%1 Item_%1 Items_%1 1  mesh_%1 0  7 0 80 0 3.000000 "
                                "100 0 0 0 0 300 90 50 0 0 0 0")
                     .arg(i)
              << QStringLiteral(" 0") << QStringLiteral("0") << QString();
    WriteLines(module.file("item_kinds1.txt"), kinds);
    WriteLines(module.file("factions.txt"), FactionsFileLines(FactionCount));
    return true;
}

void Use() {
    static const BenchModuleFolder module;
    static const bool written = WriteTroopModule(module);
    (void)written;
    module.use();
}

void TroopEditorOpen(benchmark::State& state) {
    Use();
    OpenEditor<frmTextTroops>(state);
}
BENCHMARK(TroopEditorOpen)->Unit(benchmark::kMillisecond);

void TroopEditorShow(benchmark::State& state) {
    Use();
    ShowRecords<frmTextTroops>(state, "lstTroops", LargestCount);
}
BENCHMARK(TroopEditorShow)->Unit(benchmark::kMicrosecond);

void TroopEditorUpdate(benchmark::State& state) {
    Use();
    UpdateRecord<frmTextTroops>(state, "lstTroops", LargestCount / 2, "cmdUpdateTroop");
}
BENCHMARK(TroopEditorUpdate)->Unit(benchmark::kMillisecond);

} // namespace
