#pragma once

// What the benchmarks of the text editors' windows share: a module folder the
// windows load from with nobody there to answer them, and the opening, showing
// and updating every editor is measured by.
#include "platform/AppFolder.h"
#include "platform/MessageBox.h"
#include "platform/gui/Controls.h"
#include "platform/gui/Modal.h"
#include "shell/modMain.h"

#include <QPushButton>
#include <QTemporaryDir>

#include <benchmark/benchmark.h>

#include "BenchSupport.h"

// A temporary module folder of one benchmark file.
class BenchModuleFolder {
public:
    BenchModuleFolder() = default;
    ~BenchModuleFolder() {
        SetMessageBoxHandler({});
        SetModalHandler({});
        SetProgramFolder(QString());
    }
    BenchModuleFolder(const BenchModuleFolder&) = delete;
    BenchModuleFolder& operator=(const BenchModuleFolder&) = delete;

    // The path of the module file `name`.
    QString file(const QString& name) const { return m_dir.path() + PathSeparator + name; }
    // Points the program at this folder (other benchmarks point it at theirs),
    // with every box answered Yes and every modal window closed at once.
    void use() const {
        SetProgramFolder(m_dir.path());
        ModuleFolder = m_dir.path() + PathSeparator;
        SetMessageBoxHandler([](const MessageBoxRequest&) { return MsgAnswer::Yes; });
        SetModalHandler([](QWidget*) {});
    }

private:
    QTemporaryDir m_dir;
};

// Opening the editor: its files read, its lists filled.
template <typename Window> void OpenEditor(benchmark::State& state) {
    for (auto _ : state) {
        auto* window = new Window;
        benchmark::DoNotOptimize(window);
        state.PauseTiming();
        delete window;
        state.ResumeTiming();
    }
}

// Showing records spread over the `count` of the editor's list `list`, one per
// iteration (record 0 left out).
template <typename Window> void ShowRecords(benchmark::State& state, const char* list, int count) {
    auto* window = new Window;
    auto* records = window->template findChild<ListBox*>(QLatin1String(list));
    int record = 1;
    for (auto _ : state) {
        records->setListIndex(record);
        record = 1 + (record + 997) % (count - 1);
    }
    delete window;
}

// The update button `update` on record `record` of the list `list`, unchanged.
template <typename Window>
void UpdateRecord(benchmark::State& state, const char* list, int record, const char* update) {
    auto* window = new Window;
    window->template findChild<ListBox*>(QLatin1String(list))->setListIndex(record);
    auto* button = window->template findChild<QPushButton*>(QLatin1String(update));
    for (auto _ : state)
        button->click();
    delete window;
}
