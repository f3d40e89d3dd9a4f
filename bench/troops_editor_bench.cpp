// The troop editor on the largest module the game allows (5001 troops, 5001
// items): opening the window, showing a troop and storing an update.
#include "platform/AppFolder.h"
#include "platform/MessageBox.h"
#include "platform/gui/Controls.h"
#include "platform/gui/Modal.h"
#include "shell/modMain.h"
#include "text_editors/troops/frmTextTroops.h"

#include <QApplication>
#include <QFile>
#include <QPushButton>
#include <QTemporaryDir>

#include <benchmark/benchmark.h>

#include "BenchSupport.h"

#include <memory>

namespace {

constexpr int LargestCount = 5001;
constexpr int FactionCount = 500;

// troops.txt, item_kinds1.txt and factions.txt at the largest size, every
// troop with items, skills, faces and two upgrade paths.
class LargestTroopModule {
public:
    LargestTroopModule() {
        SetProgramFolder(m_dir.path());
        ModuleFolder = m_dir.path() + PathSeparator;
        SetMessageBoxHandler([](const MessageBoxRequest&) { return MsgAnswer::Yes; });
        SetModalHandler([](QWidget*) {});

        WriteLines(ModuleFolder + "troops.txt", TroopsFileLines(LargestCount, FactionCount));

        QStringList kinds = {"itemsfile version 3", QString::number(LargestCount)};
        for (int i = 0; i < LargestCount; ++i)
            kinds << QStringLiteral(" itm_item_%1 Item_%1 Items_%1 1  mesh_%1 0  7 0 80 0 3.000000 "
                                    "100 0 0 0 0 300 90 50 0 0 0 0")
                         .arg(i)
                  << QStringLiteral(" 0") << QStringLiteral("0") << QString();
        WriteLines(ModuleFolder + "item_kinds1.txt", kinds);

        WriteLines(ModuleFolder + "factions.txt", FactionsFileLines(FactionCount));
    }
    ~LargestTroopModule() {
        SetMessageBoxHandler({});
        SetModalHandler({});
        SetProgramFolder(QString());
    }

private:
    QTemporaryDir m_dir;
};

LargestTroopModule& Module() {
    static LargestTroopModule module;
    return module;
}

void TroopEditorOpen(benchmark::State& state) {
    Module();
    for (auto _ : state) {
        auto* window = new frmTextTroops;
        benchmark::DoNotOptimize(window);
        state.PauseTiming();
        delete window;
        state.ResumeTiming();
    }
}
BENCHMARK(TroopEditorOpen)->Unit(benchmark::kMillisecond);

void TroopEditorShow(benchmark::State& state) {
    Module();
    auto* window = new frmTextTroops;
    auto* troops = window->findChild<ListBox*>(QStringLiteral("lstTroops"));
    int troop = 0;
    for (auto _ : state) {
        troops->setListIndex(troop);
        troop = (troop + 997) % LargestCount;
    }
    delete window;
}
BENCHMARK(TroopEditorShow)->Unit(benchmark::kMicrosecond);

void TroopEditorUpdate(benchmark::State& state) {
    Module();
    auto* window = new frmTextTroops;
    window->findChild<ListBox*>(QStringLiteral("lstTroops"))->setListIndex(LargestCount / 2);
    auto* update = window->findChild<QPushButton*>(QStringLiteral("cmdUpdateTroop"));
    for (auto _ : state)
        update->click();
    delete window;
}
BENCHMARK(TroopEditorUpdate)->Unit(benchmark::kMillisecond);

} // namespace
