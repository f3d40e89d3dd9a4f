// The module-system troop editor on the largest real shape of module_troops.py
// (LargeTroopsPyFile: 3,241 troops over seven or eight lines, 26,030 lines)
// and a module_items.py of 1,200 items: opening the window, showing a troop,
// filtering and rewriting all.
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

        QFile troops(ModuleSystemDirectory + "module_troops.py");
        const QByteArray text = LargeTroopsPyFile(ItemCount);
        if (!troops.open(QIODevice::WriteOnly) || troops.write(text) != text.size())
            qFatal("cannot write module_troops.py");
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
