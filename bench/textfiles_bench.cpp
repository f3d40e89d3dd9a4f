// Loading and saving the compiled module files at the largest size the game
// allows, beside a plain read (and write) of the same bytes.
#include "platform/MessageBox.h"
#include "platform/TextFile.h"
#include "shell/modMain.h"
#include "textfiles/modTextFactions.h"
#include "textfiles/modTextItems.h"
#include "textfiles/modTextParties.h"
#include "textfiles/modTextPartyTemp.h"
#include "textfiles/modTextTroops.h"

#include <QFile>
#include <QSaveFile>
#include <QTemporaryDir>

#include <benchmark/benchmark.h>

#include "BenchSupport.h"

namespace {

constexpr int LargestCount = 5001; // troops, items, parties, templates
constexpr int FactionCount = 500;  // each faction line lists every faction

// The largest module the game allows, in the layout this program writes.
class LargestModule {
public:
    LargestModule() {
        ModuleFolder = m_dir.path() + QLatin1Char('/');
        writeTroops();
        writeItems();
        writeFactions();
        writeParties();
        writeTemplates();
    }
    QString path(const char* name) const { return ModuleFolder + QLatin1String(name); }

private:
    void writeTroops() {
        WriteLines(path("troops.txt"), TroopsFileLines(LargestCount, FactionCount));
    }
    void writeItems() {
        QStringList lines = {"itemsfile version 3", QString::number(LargestCount)};
        for (int i = 0; i < LargestCount; ++i) {
            lines << QStringLiteral(" itm_item_%1 Item_%1 Items_%1 2  mesh_%1 0  mesh_%1_carry "
                                    "3458764513820540928  2 7 120 0 1.500000 100 0 0 0 0 0 95 80 "
                                    "0 0 25 276")
                         .arg(i);
            if (i % 3 == 0)
                lines << " 2"
                      << " 1 4";
            else
                lines << " 0";
            if (i % 5 == 0)
                lines << "2"
                      << "-40.000000 1 1916 2 0 1 0"
                      << "-41.000000 1 1917 2 0 1 0";
            else
                lines << "0";
            lines << QString();
        }
        WriteLines(path("item_kinds1.txt"), lines);
    }
    void writeFactions() { WriteLines(path("factions.txt"), FactionsFileLines(FactionCount)); }
    void writeParties() {
        QStringList lines = {"partiesfile version 1", QStringLiteral("%1 %1").arg(LargestCount)};
        for (int i = 0; i < LargestCount; ++i)
            lines << QStringLiteral(" 1 0 0 p_party_%1 Party_%1 9217 0 2 %2 392 392 0 0 0 "
                                    "5.000000 -20.000000 5.000000 -20.000000 5.000000 -20.000000 "
                                    "0.000000 2 4 10 0 0 1 3 0 1 ")
                         .arg(i)
                         .arg(i % FactionCount)
                  << "0.000000";
        WriteLines(path("parties.txt"), lines);
    }
    void writeTemplates() {
        QStringList lines = {"partytemplatesfile version 1", QString::number(LargestCount)};
        for (int i = 0; i < LargestCount; ++i)
            lines << QStringLiteral("pt_template_%1 Template_%1 360287970189639682 0 %2 136 3 1 2 "
                                    "0 2 5 15 0 -1 -1 -1 -1 ")
                         .arg(i)
                         .arg(i % FactionCount);
        WriteLines(path("party_templates.txt"), lines);
    }

    QTemporaryDir m_dir;
};

LargestModule& Module() {
    static LargestModule module;
    return module;
}

// A module shaped like the largest real ones: troops.txt and item_kinds1.txt
// of about 4 MB and 26,000 lines each, the items of eight lines.
class RealShapedModule {
public:
    RealShapedModule() {
        QStringList troops = {"troopsfile version 2", "3714 "};
        QString items = QStringLiteral("  ");
        for (int k = 0; k < 64; ++k)
            items += QStringLiteral("%1 1048576 ").arg(1000 + k);
        for (int i = 0; i < 3714; ++i) {
            if (i > 0)
                troops << QString();
            troops << QStringLiteral("trp_troop_%1 Troop_%1 Troops_%1 0 6291472 0 0 %2 %3 %4")
                          .arg(i)
                          .arg(i % 40)
                          .arg((i + 1) % 3714)
                          .arg((i + 2) % 3714)
                   << items << QStringLiteral("  14 12 10 8 21")
                   << QStringLiteral(" 180 160 150 120 110 90 0")
                   << QStringLiteral("268435985 858993459 16777233 4386 1118464 0 ")
                   << QStringLiteral("  0 1168231104512 0 0 0 1168231104512 576460752303423488 0 ");
        }
        WriteLines(path("troops.txt"), troops);
        QStringList lines = {"itemsfile version 3", "3250"};
        QString trigger = QStringLiteral("-50.000000  3");
        for (int k = 0; k < 14; ++k)
            trigger += QStringLiteral(" 2071 1 1224979098644774912");
        for (int i = 0; i < 3250; ++i)
            lines << QStringLiteral(" itm_item_%1 Item_%1 Items_%1 2  mesh_%1 0  mesh_%1_carry "
                                    "3458764513820540928  2 7 120 0 1.500000 100 0 0 0 0 0 95 80 "
                                    "0 0 25 276 mesh_%1_inventory_extra_long_name 0 "
                                    "1224979098644774912 2072 1 1224979098644774912 2073 1")
                         .arg(i)
                  << " 2"
                  << " 1 4"
                  << "3" << trigger << trigger << trigger << QString();
        WriteLines(path("item_kinds1.txt"), lines);
    }
    const QString& folder() const { return m_folder; }

private:
    QString path(const char* name) const { return m_folder + QLatin1String(name); }
    QTemporaryDir m_dir;
    QString m_folder = m_dir.path() + QLatin1Char('/');
};

// Saves answer the backup question No and take every report at once.
void QuietBoxes() {
    SetMessageBoxHandler([](const MessageBoxRequest& box) {
        return box.buttons == MsgButtons::YesNo ? MsgAnswer::No : MsgAnswer::Ok;
    });
}

void ReadBytes(benchmark::State& state, const char* name) {
    const QString path = Module().path(name);
    for (auto _ : state) {
        QFile file(path);
        file.open(QIODevice::ReadOnly);
        benchmark::DoNotOptimize(file.readAll());
    }
    state.SetBytesProcessed(state.iterations() * QFile(path).size());
}

// The platform's part of every load: the bytes cut into lines.
void ReadLines(benchmark::State& state, const char* name) {
    const QString path = Module().path(name);
    for (auto _ : state) {
        QStringList lines;
        PendingFailure failure;
        benchmark::DoNotOptimize(ReadTextLines(path, lines, failure));
    }
    state.SetBytesProcessed(state.iterations() * QFile(path).size());
}

void WriteBytes(benchmark::State& state, const char* name) {
    const QString path = Module().path(name);
    QFile source(path);
    source.open(QIODevice::ReadOnly);
    const QByteArray bytes = source.readAll();
    for (auto _ : state) {
        QSaveFile file(path);
        file.open(QIODevice::WriteOnly);
        file.write(bytes);
        file.commit();
    }
    state.SetBytesProcessed(state.iterations() * bytes.size());
}

void Load(benchmark::State& state, const char* name, bool (*load)()) {
    QuietBoxes();
    const qint64 size = QFile(Module().path(name)).size();
    bool loaded = false;
    for (auto _ : state)
        benchmark::DoNotOptimize(loaded = load());
    if (!loaded)
        state.SkipWithError("the load failed");
    state.SetBytesProcessed(state.iterations() * size);
}

void Save(benchmark::State& state, const char* name, bool (*load)(), bool (*save)()) {
    QuietBoxes();
    load();
    const qint64 size = QFile(Module().path(name)).size();
    for (auto _ : state)
        benchmark::DoNotOptimize(save());
    state.SetBytesProcessed(state.iterations() * size);
}

// Load and save in one, on the real-shaped module.
void LoadAndSaveRealShaped(benchmark::State& state, const char* name, bool (*load)(),
                           bool (*save)()) {
    static RealShapedModule module;
    QuietBoxes();
    const QString before = ModuleFolder;
    ModuleFolder = module.folder();
    const qint64 size = QFile(ModuleFolder + QLatin1String(name)).size();
    for (auto _ : state) {
        load();
        benchmark::DoNotOptimize(save());
    }
    state.SetBytesProcessed(state.iterations() * size);
    ModuleFolder = before;
}

BENCHMARK_CAPTURE(LoadAndSaveRealShaped, troops, "troops.txt", LoadTextTroops, SaveTextTroops)
    ->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(LoadAndSaveRealShaped, items, "item_kinds1.txt", LoadTextItems, SaveTextItems)
    ->Unit(benchmark::kMillisecond);

BENCHMARK_CAPTURE(ReadBytes, troops, "troops.txt")->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(ReadLines, troops, "troops.txt")->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(Load, LoadTextTroops, "troops.txt", LoadTextTroops)
    ->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(WriteBytes, troops, "troops.txt")->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(Save, SaveTextTroops, "troops.txt", LoadTextTroops, SaveTextTroops)
    ->Unit(benchmark::kMillisecond);

BENCHMARK_CAPTURE(ReadBytes, items, "item_kinds1.txt")->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(ReadLines, items, "item_kinds1.txt")->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(Load, LoadTextItems, "item_kinds1.txt", LoadTextItems)
    ->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(WriteBytes, items, "item_kinds1.txt")->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(Save, SaveTextItems, "item_kinds1.txt", LoadTextItems, SaveTextItems)
    ->Unit(benchmark::kMillisecond);

BENCHMARK_CAPTURE(ReadBytes, factions, "factions.txt")->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(ReadLines, factions, "factions.txt")->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(Load, LoadTextFactions, "factions.txt", LoadTextFactions)
    ->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(Save, SaveTextFactions, "factions.txt", LoadTextFactions, SaveTextFactions)
    ->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(ReadBytes, parties, "parties.txt")->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(ReadLines, parties, "parties.txt")->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(Load, LoadTextParties, "parties.txt", LoadTextParties)
    ->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(Save, SaveTextParties, "parties.txt", LoadTextParties, SaveTextParties)
    ->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(ReadBytes, party_templates, "party_templates.txt")->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(ReadLines, party_templates, "party_templates.txt")->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(Load, LoadTextPartyTemplates, "party_templates.txt", LoadTextPartyTemplates)
    ->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(Save, SaveTextPartyTemplates, "party_templates.txt", LoadTextPartyTemplates,
                  SaveTextPartyTemplates)
    ->Unit(benchmark::kMillisecond);

} // namespace
