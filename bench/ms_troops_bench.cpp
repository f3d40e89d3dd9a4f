// The module-system troop editor on a large module_troops.py (3,000 troops,
// each over four lines, with an upgrade line each) and module_items.py (1,200
// items): opening the window, showing a troop, filtering and rewriting all.
#include "ms_editors/troops/frmPythonTroops.h"
#include "platform/AppFolder.h"
#include "platform/MessageBox.h"
#include "platform/gui/Controls.h"
#include "platform/gui/Modal.h"
#include "shell/modMain.h"

#include <QApplication>
#include <QFile>
#include <QLineEdit>
#include <QPushButton>
#include <QTemporaryDir>

#include <benchmark/benchmark.h>

#include "BenchSupport.h"

#include <memory>

namespace {

constexpr int TroopCount = 3000;
constexpr int ItemCount = 1200;

void WriteFile(const QString& path, const QString& text) {
    QFile file(path);
    if (!file.open(QIODevice::WriteOnly | QIODevice::Truncate))
        qFatal("cannot write %s", qPrintable(path));
    file.write(text.toLatin1());
}

class LargeModuleSystem {
public:
    LargeModuleSystem() {
        SetProgramFolder(m_dir.path());
        ModuleSystemDirectory = m_dir.path() + PathSeparator;
        // Every question is answered Yes; result windows close at once.
        SetMessageBoxHandler([](const MessageBoxRequest&) { return MsgAnswer::Yes; });
        SetModalHandler([](QWidget*) {});

        QString items = QStringLiteral("from header_items import *\n\nitems = [\n");
        items += " [\"no_item\",\"INVALID ITEM\", [(\"invalid_item\",0)], 0, 0, 0, 0, 0],\n";
        items += " [\"horse_meat\",\"Horse Meat\", [(\"raw_meat\",0)], itp_type_goods, 0, 12, "
                 "weight(40), 0],\n";
        for (int i = 0; i < ItemCount; ++i)
            items +=
                QStringLiteral(" [\"item_%1\",\"Item %1\", [(\"mesh_%1\",0)], "
                               "itp_type_one_handed_wpn|itp_primary, 0,\n  %1, weight(1), 0],\n")
                    .arg(i);
        items += " [\"items_end\",\"Items End\", [(\"mesh\",0)], 0, 0, 1, 0, 0],\n]\n";
        WriteFile(ModuleSystemDirectory + "module_items.py", items);

        QString troops = QStringLiteral("from header_troops import *\n\ntroops = [\n");
        troops += "  [\"player\",\"Player\",\"Player\",tf_hero,no_scene,reserved,fac_player,[],"
                  "def_attrib,wp(15),0,0],\n";
        troops += "  [\"temp_troop\",\"Temp Troop\",\"Temp Troop\",tf_hero,no_scene,reserved,"
                  "fac_commoners,[],def_attrib,0,knows_common,0],\n";
        for (int i = 0; i < TroopCount; ++i)
            troops +=
                QStringLiteral("# troop %1\n"
                               "  [\"troop_%1\",\"Troop %1\",\"Troops %1\",tf_guarantee_boots|"
                               "tf_guarantee_armor,no_scene,reserved,fac_commoners,\n"
                               "   [itm_item_%2,itm_item_%3,itm_item_%4,itm_item_%5],\n"
                               "   def_attrib|level(%6),wp_one_handed(80)|wp_polearm(60),"
                               "knows_common|knows_riding_2,\n"
                               "   man_face_young_1, man_face_old_1],\n")
                    .arg(i)
                    .arg(i % ItemCount)
                    .arg((i + 1) % ItemCount)
                    .arg((i + 2) % ItemCount)
                    .arg((i + 3) % ItemCount)
                    .arg(i % 30 + 1);
        troops += "]\n\n";
        for (int i = 0; i + 1 < TroopCount; ++i)
            troops +=
                QStringLiteral("upgrade(troops,\"troop_%1\",\"troop_%2\")\n").arg(i).arg(i + 1);
        WriteFile(ModuleSystemDirectory + "module_troops.py", troops);
    }
    ~LargeModuleSystem() {
        SetMessageBoxHandler({});
        SetModalHandler({});
        SetProgramFolder(QString());
    }

private:
    QTemporaryDir m_dir;
};

void BM_OpenTroopEditor(benchmark::State& state) {
    LargeModuleSystem files;
    for (auto _ : state) {
        auto* window = new frmPythonTroops;
        benchmark::DoNotOptimize(window);
        delete window;
    }
}
BENCHMARK(BM_OpenTroopEditor)->Unit(benchmark::kMillisecond);

void BM_SelectTroop(benchmark::State& state) {
    LargeModuleSystem files;
    frmPythonTroops window;
    auto* list = window.findChild<ListBox*>(QStringLiteral("lstTroops"));
    int row = 0;
    for (auto _ : state) {
        list->setListIndex(row);
        row = (row + 997) % list->count();
    }
}
BENCHMARK(BM_SelectTroop)->Unit(benchmark::kMillisecond);

void BM_FilterTroops(benchmark::State& state) {
    LargeModuleSystem files;
    frmPythonTroops window;
    auto* filter = window.findChild<QLineEdit*>(QStringLiteral("txtFilterTroops"));
    auto* go = window.findChild<QPushButton*>(QStringLiteral("cmdFilterTroops"));
    for (auto _ : state) {
        filter->setText(QStringLiteral("troop 1"));
        go->click();
        filter->clear();
        go->click();
    }
}
BENCHMARK(BM_FilterTroops)->Unit(benchmark::kMillisecond);

void BM_ScanAllTroops(benchmark::State& state) {
    LargeModuleSystem files;
    for (auto _ : state) {
        // Each pass starts from the file as written, not from its own result.
        state.PauseTiming();
        auto* window = new frmPythonTroops;
        state.ResumeTiming();
        window->ScanPythonTroops();
        state.PauseTiming();
        delete window;
        state.ResumeTiming();
    }
}
BENCHMARK(BM_ScanAllTroops)->Unit(benchmark::kMillisecond);

} // namespace
