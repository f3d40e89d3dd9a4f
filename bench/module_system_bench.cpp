// Loading and saving a module_troops.py of 30,000 lines (9,000 troops over
// three lines each, comments between the groups and an upgrade line for every
// third troop behind the list), beside a plain read of the same lines.
#include "module_system/modPythonTroops.h"
#include "platform/MessageBox.h"
#include "platform/TextFile.h"
#include "shell/modMain.h"

#include <QFile>
#include <QTemporaryDir>

#include <benchmark/benchmark.h>

namespace {

constexpr int TroopCount = 9000;

class LargeTroopFile {
public:
    LargeTroopFile() {
        QByteArray text = "from header_common import *\r\nfrom header_troops import *\r\n\r\n"
                          "def wp(x):\r\n  return wp_one_handed(x)|wp_archery(x)\r\n\r\n"
                          "troops = [\r\n";
        for (int i = 0; i < TroopCount; ++i) {
            const QByteArray n = QByteArray::number(i);
            if (i % 100 == 0)
                text += "# Troops from " + n + " on\r\n";
            text += "  [\"troop_" + n + "\",\"Troop " + n + "\",\"Troops " + n +
                    "\",tf_guarantee_armor,no_scene,reserved,fac_commoners, # flags\r\n"
                    "   [itm_knife,itm_club,itm_leather_cap,itm_linen_tunic,itm_leather_boots],\r\n"
                    "   def_attrib|level(4),wp(60),knows_common,man_face_young_1, "
                    "man_face_old_1],\r\n";
        }
        text += "]\r\n\r\n";
        for (int i = 0; i + 1 < TroopCount; i += 3)
            text += "upgrade(troops,\"troop_" + QByteArray::number(i) + "\",\"troop_" +
                    QByteArray::number(i + 1) + "\")\r\n";
        QFile file(m_dir.filePath(QStringLiteral("module_troops.py")));
        if (!file.open(QIODevice::WriteOnly) || file.write(text) != text.size())
            qFatal("cannot write module_troops.py");
        m_lines = int(text.count('\n'));
    }
    // Points the program at this module system; other benchmarks point it elsewhere.
    void use() const {
        ModuleSystemDirectory = m_dir.path() + QLatin1Char('/');
        SetMessageBoxHandler([](const MessageBoxRequest& box) {
            return box.buttons == MsgButtons::YesNo ? MsgAnswer::No : MsgAnswer::Ok;
        });
    }
    int lines() const { return m_lines; }

private:
    QTemporaryDir m_dir;
    int m_lines = 0;
};

const LargeTroopFile& TroopFile() {
    static const LargeTroopFile file;
    file.use();
    return file;
}

void ReadTroopLines(benchmark::State& state) {
    TroopFile();
    for (auto _ : state) {
        QStringList lines;
        PendingFailure failure;
        ReadTextLines(ModuleSystemDirectory + QStringLiteral("module_troops.py"), lines, failure);
        benchmark::DoNotOptimize(lines);
    }
}

void LoadTroops(benchmark::State& state) {
    const LargeTroopFile& file = TroopFile();
    for (auto _ : state)
        LoadPythonTroops();
    state.counters["file_lines"] = file.lines();
    state.counters["elements"] = PyTroopMax + 1;
}

void SaveTroops(benchmark::State& state) {
    TroopFile();
    LoadPythonTroops();
    for (auto _ : state)
        SavePythonTroops();
}

BENCHMARK(ReadTroopLines)->Unit(benchmark::kMillisecond);
BENCHMARK(LoadTroops)->Unit(benchmark::kMillisecond);
BENCHMARK(SaveTroops)->Unit(benchmark::kMillisecond);

} // namespace
