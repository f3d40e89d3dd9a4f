// Loading and saving a module_troops.py the size and shape of the largest real
// one (LargeTroopsPyFile: 26,030 lines, 4 MB, troops over seven or eight lines),
// beside a plain read and split of the same lines. Loading should stay within
// five times the plain read: compare LoadTroops with ReadTroopLines.
#include "module_system/modPythonTroops.h"
#include "platform/MessageBox.h"
#include "platform/TextFile.h"
#include "shell/modMain.h"

#include <QFile>
#include <QTemporaryDir>

#include <benchmark/benchmark.h>

#include "BenchSupport.h"

namespace {

class LargeTroopFile {
public:
    LargeTroopFile() {
        const QByteArray text = LargeTroopsPyFile(1200);
        QFile file(m_dir.filePath(QStringLiteral("module_troops.py")));
        if (!file.open(QIODevice::WriteOnly) || file.write(text) != text.size())
            qFatal("cannot write module_troops.py");
        m_lines = int(text.count('\n'));
        m_bytes = int(text.size());
    }
    // Points the program at this module system; other benchmarks point it elsewhere.
    void use() const {
        ModuleSystemDirectory = m_dir.path() + QLatin1Char('/');
        SetMessageBoxHandler([](const MessageBoxRequest& box) {
            return box.buttons == MsgButtons::YesNo ? MsgAnswer::No : MsgAnswer::Ok;
        });
    }
    int lines() const { return m_lines; }
    int bytes() const { return m_bytes; }

private:
    QTemporaryDir m_dir;
    int m_lines = 0;
    int m_bytes = 0;
};

const LargeTroopFile& TroopFile() {
    static const LargeTroopFile file;
    file.use();
    return file;
}

void ReadTroopLines(benchmark::State& state) {
    const LargeTroopFile& file = TroopFile();
    for (auto _ : state) {
        QStringList lines;
        PendingFailure failure;
        ReadTextLines(ModuleSystemDirectory + QStringLiteral("module_troops.py"), lines, failure);
        benchmark::DoNotOptimize(lines);
    }
    state.counters["file_lines"] = file.lines();
    state.counters["file_bytes"] = file.bytes();
}

void LoadTroops(benchmark::State& state) {
    const LargeTroopFile& file = TroopFile();
    for (auto _ : state)
        LoadPythonTroops();
    state.counters["file_lines"] = file.lines();
    state.counters["elements"] = PyTroopMax + 1;
}

// Loads the file and edits `every` of its entries; gives how many it edited.
int LoadAndEdit(int every) {
    LoadPythonTroops();
    int edited = 0;
    for (int i = 0; i <= PyTroopMax && edited < every; ++i) {
        if (PyTroopLines[i].startsWith(QLatin1String("[\"troop_"))) {
            PyTroopLines[i].replace(QLatin1String("wp_throwing(70)"),
                                    QLatin1String("wp_throwing(71)"));
            ++edited;
        }
    }
    return edited;
}

// A save without an edit; with one entry edited; with every entry edited (each
// keeps the comments of its lines). A save starts the next one from what it
// wrote, so each pass loads and edits the file anew, untimed.
void SaveTroops(benchmark::State& state) {
    TroopFile();
    const QByteArray original = [] {
        QFile file(ModuleSystemDirectory + QStringLiteral("module_troops.py"));
        return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
    }();
    int edited = 0;
    for (auto _ : state) {
        state.PauseTiming();
        QFile file(ModuleSystemDirectory + QStringLiteral("module_troops.py"));
        if (!file.open(QIODevice::WriteOnly) || file.write(original) != original.size())
            qFatal("cannot write module_troops.py");
        file.close();
        edited = LoadAndEdit(int(state.range(0)));
        state.ResumeTiming();
        SavePythonTroops();
    }
    state.counters["edited"] = edited;
}

BENCHMARK(ReadTroopLines)->Unit(benchmark::kMillisecond);
BENCHMARK(LoadTroops)->Unit(benchmark::kMillisecond);
BENCHMARK(SaveTroops)->Arg(0)->Arg(1)->Arg(5000)->Unit(benchmark::kMillisecond);

} // namespace
