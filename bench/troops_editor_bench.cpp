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

        QStringList troops = {"troopsfile version 2", QString::number(LargestCount) + ' '};
        QString items = QStringLiteral("  12 0 7 3 33 0 ");
        for (int k = 3; k < 64; ++k)
            items += QStringLiteral("-1 0 ");
        for (int i = 0; i < LargestCount; ++i) {
            if (i > 0)
                troops << QString();
            troops << QStringLiteral("trp_troop_%1 Troop_%1 Troops_%1 0 6291472 0 0 %2 %3 %4")
                          .arg(i)
                          .arg(i % FactionCount)
                          .arg((i + 1) % LargestCount)
                          .arg((i + 2) % LargestCount)
                   << items << QStringLiteral("  14 12 10 8 21")
                   << QStringLiteral(" 180 160 150 120 110 90 0")
                   << QStringLiteral("268435985 858993459 16777233 4386 1118464 0 ")
                   << QStringLiteral("  0 1168231104512 0 0 0 1168231104512 576460752303423488 0 ");
        }
        WriteLines(ModuleFolder + "troops.txt", troops);

        QStringList kinds = {"itemsfile version 3", QString::number(LargestCount)};
        for (int i = 0; i < LargestCount; ++i)
            kinds << QStringLiteral(" itm_item_%1 Item_%1 Items_%1 1  mesh_%1 0  7 0 80 0 3.000000 "
                                    "100 0 0 0 0 300 90 50 0 0 0 0")
                         .arg(i)
                  << QStringLiteral(" 0") << QStringLiteral("0") << QString();
        WriteLines(ModuleFolder + "item_kinds1.txt", kinds);

        QStringList factions = {"factionsfile version 1", QString::number(FactionCount)};
        QString relations = QStringLiteral(" 0.000000 ");
        for (int i = 1; i < FactionCount; ++i)
            relations += QStringLiteral(" -0.050000 ");
        for (int i = 0; i < FactionCount; ++i)
            factions << QStringLiteral("0 fac_faction_%1 Faction_%1 0 11184810 ").arg(i)
                     << relations;
        factions << QStringLiteral("0 ");
        WriteLines(ModuleFolder + "factions.txt", factions);
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
