// Loading and saving a module_troops.py the size of the largest real ones:
// 26,000 lines and 4 MB (troops over three long lines each, comments between
// the groups, an upgrade line for every second troop behind the list), beside
// a plain read of the same lines. Loading should stay within a few times the
// plain read: compare LoadTroops with ReadTroopLines.
#include "module_system/modPythonTroops.h"
#include "platform/MessageBox.h"
#include "platform/TextFile.h"
#include "shell/modMain.h"

#include <QFile>
#include <QTemporaryDir>

#include <benchmark/benchmark.h>

namespace {

constexpr int TroopCount = 7390;

QByteArray TroopEntry(int i) {
    const QByteArray n = QByteArray::number(i);
    const QByteArray level = QByteArray::number(i % 30 + 1);
    QByteArray items;
    for (int k = 0; k < 6; ++k)
        items +=
            (k == 0 ? "itm_" : ",itm_") + QByteArray::number((i * 7 + k * 13) % 900) + "_weapon";
    return "  [\"troop_" + n + "\",\"Troop Number " + n + "\",\"Troops Numbered " + n +
           "\",tf_guarantee_boots|tf_guarantee_armor|tf_guarantee_helmet|tf_mounted, no_scene, "
           "reserved, fac_kingdom_" +
           QByteArray::number(i % 6) + ", # own faction\r\n   [" + items +
           "],\r\n   str_12|agi_11|int_8|cha_9|level(" + level +
           "), wpex(120,110,100,90,80,70), knows_riding_4|knows_ironflesh_3|knows_power_strike_3"
           "|knows_athletics_2, 0x00000001b00c300b3b6d6e3b5d8e36db00000000001e36e3,"
           " 0x00000003bf00a30b3b6d6e3b5d8e36db00000000001e36e3],\r\n";
}

class LargeTroopFile {
public:
    LargeTroopFile() {
        QByteArray text = "from header_common import *\r\nfrom header_troops import *\r\n\r\n"
                          "def wp(x):\r\n  return wp_one_handed(x)|wp_archery(x)\r\n\r\n"
                          "troops = [\r\n";
        for (int i = 0; i < TroopCount; ++i) {
            if (i % 50 == 0)
                text += "# Troops from " + QByteArray::number(i) + " on\r\n";
            text += TroopEntry(i);
        }
        text += "]\r\n\r\n";
        for (int i = 0; i + 1 < TroopCount; i += 2)
            text += "upgrade2(troops,\"troop_" + QByteArray::number(i) + "\",\"troop_" +
                    QByteArray::number(i + 1) + "\",\"troop_" + QByteArray::number(i + 2) +
                    "\")\r\n";
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
