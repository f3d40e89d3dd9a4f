// The faction and party-template editors on the largest module: opening each
// window (tables loaded, lists filled) and showing a record.
#include "platform/AppFolder.h"
#include "platform/MessageBox.h"
#include "platform/gui/Controls.h"
#include "platform/gui/Modal.h"
#include "shell/modMain.h"
#include "text_editors/world/frmTextFactions.h"
#include "text_editors/world/frmTextPartyTemp.h"

#include <QTemporaryDir>

#include <benchmark/benchmark.h>

#include "BenchSupport.h"

namespace {

constexpr int LargestCount = 5001; // templates, troops
constexpr int FactionCount = 500;  // each relation line lists every faction

// party_templates.txt, troops.txt and factions.txt at the largest size, every
// template with flags, loot, a faction and three members.
class LargestWorldModule {
public:
    LargestWorldModule() {
        WriteLines(m_dir.path() + "/troops.txt", TroopsFileLines(LargestCount, FactionCount));
        WriteLines(m_dir.path() + "/factions.txt", FactionsFileLines(FactionCount));
        QStringList templates = {"partytemplatesfile version 1", QString::number(LargestCount)};
        for (int i = 0; i < LargestCount; ++i)
            templates << QStringLiteral("pt_template_%1 Template_%1 3659174697238593573 0 %2 136 "
                                        "%3 1 2 0 %4 5 15 1 4 2 3 0 -1 -1 -1 ")
                             .arg(i)
                             .arg(i % FactionCount)
                             .arg(i % LargestCount)
                             .arg((i + 7) % LargestCount);
        WriteLines(m_dir.path() + "/party_templates.txt", templates);
    }
    // Points the program at this module, with every box answered at once.
    void use() const {
        SetProgramFolder(m_dir.path());
        ModuleFolder = m_dir.path() + PathSeparator;
        SetMessageBoxHandler([](const MessageBoxRequest&) { return MsgAnswer::Yes; });
        SetModalHandler([](QWidget*) {});
    }
    ~LargestWorldModule() {
        SetMessageBoxHandler({});
        SetModalHandler({});
        SetProgramFolder(QString());
    }

private:
    QTemporaryDir m_dir;
};

const LargestWorldModule& Module() {
    static const LargestWorldModule module;
    module.use();
    return module;
}

template <typename Window> void Open(benchmark::State& state) {
    Module();
    for (auto _ : state) {
        auto* window = new Window;
        benchmark::DoNotOptimize(window);
        state.PauseTiming();
        delete window;
        state.ResumeTiming();
    }
}

// Shows records spread over the list, one per iteration.
template <typename Window> void Show(benchmark::State& state, const char* list, int count) {
    Module();
    auto* window = new Window;
    auto* records = window->template findChild<ListBox*>(QLatin1String(list));
    int record = 1;
    for (auto _ : state) {
        records->setListIndex(record);
        record = 1 + (record + 97) % (count - 1);
    }
    delete window;
}

void FactionEditorOpen(benchmark::State& state) {
    Open<frmTextFactions>(state);
}
void FactionEditorShow(benchmark::State& state) {
    Show<frmTextFactions>(state, "lstFactions", FactionCount);
}
void TemplateEditorOpen(benchmark::State& state) {
    Open<frmTextPartyTemp>(state);
}
void TemplateEditorShow(benchmark::State& state) {
    Show<frmTextPartyTemp>(state, "lstPT", LargestCount);
}

BENCHMARK(FactionEditorOpen)->Unit(benchmark::kMillisecond);
BENCHMARK(FactionEditorShow)->Unit(benchmark::kMicrosecond);
BENCHMARK(TemplateEditorOpen)->Unit(benchmark::kMillisecond);
BENCHMARK(TemplateEditorShow)->Unit(benchmark::kMicrosecond);

} // namespace
