// The module-system item editor on a large module_items.py (1,200 items and
// the largest module's 5,001): opening the window, showing an item, the type
// filter and the rewrite of every item.
#include "ms_editors/items/frmPythonItems.h"
#include "platform/AppFolder.h"
#include "platform/MessageBox.h"
#include "platform/gui/Controls.h"
#include "platform/gui/Modal.h"
#include "shell/modMain.h"

#include <QPushButton>
#include <QTemporaryDir>

#include <benchmark/benchmark.h>

#include "BenchSupport.h"

namespace {

// A module system folder holding module_items.py with `count` items, in use
// while it lives; every question is answered Yes, result windows close at once.
class ItemsModuleSystem {
public:
    explicit ItemsModuleSystem(int count) {
        WriteLines(m_dir.path() + "/module_items.py", ItemsPyFileLines(count));
        SetProgramFolder(m_dir.path());
        ModuleSystemDirectory = m_dir.path() + PathSeparator;
        SetMessageBoxHandler([](const MessageBoxRequest&) { return MsgAnswer::Yes; });
        SetModalHandler([](QWidget*) {});
    }
    ~ItemsModuleSystem() {
        SetMessageBoxHandler({});
        SetModalHandler({});
        SetProgramFolder(QString());
    }

private:
    QTemporaryDir m_dir;
};

void BM_OpenItemEditor(benchmark::State& state) {
    ItemsModuleSystem files(int(state.range(0)));
    for (auto _ : state) {
        auto* window = new frmPythonItems;
        benchmark::DoNotOptimize(window);
        delete window;
    }
}
BENCHMARK(BM_OpenItemEditor)->Arg(1200)->Arg(5001)->Unit(benchmark::kMillisecond);

void BM_ShowItem(benchmark::State& state) {
    ItemsModuleSystem files(5001);
    frmPythonItems window;
    auto* list = window.findChild<ListBox*>(QStringLiteral("lstItems"));
    int row = 0;
    for (auto _ : state) {
        list->setListIndex(row);
        row = (row + 997) % list->count();
    }
}
BENCHMARK(BM_ShowItem)->Unit(benchmark::kMillisecond);

void BM_ItemEditorTypeFilter(benchmark::State& state) {
    ItemsModuleSystem files(int(state.range(0)));
    frmPythonItems window;
    auto* go = window.findChild<QPushButton*>(QStringLiteral("cmdFilerType"));
    for (auto _ : state)
        go->click();
}
BENCHMARK(BM_ItemEditorTypeFilter)->Arg(1200)->Arg(5001)->Unit(benchmark::kMillisecond);

void BM_ScanAllItems(benchmark::State& state) {
    ItemsModuleSystem files(int(state.range(0)));
    for (auto _ : state) {
        // Each pass starts from the file as written, not from its own result.
        state.PauseTiming();
        auto* window = new frmPythonItems;
        state.ResumeTiming();
        window->ScanPythonItems();
        state.PauseTiming();
        delete window;
        state.ResumeTiming();
    }
}
BENCHMARK(BM_ScanAllItems)->Arg(1200)->Arg(5001)->Unit(benchmark::kMillisecond);

} // namespace
