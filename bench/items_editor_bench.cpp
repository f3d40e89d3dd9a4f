// The item editor on the largest module the game allows (5001 items): opening
// the window, showing an item, the type filter over every item, and storing an
// update.
#include "text_editors/items/frmTextItems.h"

#include <QApplication>

#include "EditorBenchSupport.h"
#include "ItemBenchSupport.h"

namespace {

constexpr int LargestCount = 5001;

// item_kinds1.txt at the largest size, the types taking turns, and factions.txt.
bool WriteItemModule(const BenchModuleFolder& module) {
    QStringList kinds = {"itemsfile version 3", QString::number(LargestCount)};
    for (int i = 0; i < LargestCount; ++i) {
        const ItemLines item = LargeItem(i, i % 20 + 1);
        kinds << item.line << item.factionCountLine << item.factionLine << item.triggerCountLine
              << item.triggerLines << QString();
    }
    WriteLines(module.file("item_kinds1.txt"), kinds);
    WriteLines(module.file("factions.txt"), FactionsFileLines(500));
    return true;
}

void Use() {
    static const BenchModuleFolder module;
    static const bool written = WriteItemModule(module);
    (void)written;
    module.use();
}

void ItemEditorOpen(benchmark::State& state) {
    Use();
    OpenEditor<frmTextItems>(state);
}
BENCHMARK(ItemEditorOpen)->Unit(benchmark::kMillisecond);

void ItemEditorShow(benchmark::State& state) {
    Use();
    ShowRecords<frmTextItems>(state, "lstItems", LargestCount);
}
BENCHMARK(ItemEditorShow)->Unit(benchmark::kMicrosecond);

// From the click on "Go" to the filtered list, the window's events handled
// between the slices as the event loop would.
void ItemEditorTypeFilter(benchmark::State& state) {
    Use();
    auto* window = new frmTextItems;
    auto* go = window->findChild<QPushButton*>(QStringLiteral("cmdFilerType"));
    for (auto _ : state) {
        go->click();
        while (window->TypeFilterRunning())
            QApplication::processEvents();
    }
    delete window;
}
BENCHMARK(ItemEditorTypeFilter)->Unit(benchmark::kMillisecond);

void ItemEditorUpdate(benchmark::State& state) {
    Use();
    UpdateRecord<frmTextItems>(state, "lstItems", LargestCount / 2, "cmdUpdate");
}
BENCHMARK(ItemEditorUpdate)->Unit(benchmark::kMicrosecond);

} // namespace
