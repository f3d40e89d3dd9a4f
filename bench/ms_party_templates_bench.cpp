// The party-template codec on a large module_party_templates.py (5,000
// templates, most over several lines) beside a module_troops.py of 3,000
// troops: loading both with the list and troop-box rows the editor opens with,
// showing one template, and rewriting them all.
#include "module_system/PythonEntryLists.h"
#include "module_system/modPythonPartyTemp.h"
#include "module_system/modPythonTroops.h"
#include "ms_editors/party_templates/PythonPTLists.h"
#include "ms_editors/party_templates/PythonPTTable.h"
#include "shell/modMain.h"

#include <QTemporaryDir>

#include <benchmark/benchmark.h>

#include "BenchSupport.h"

namespace {

constexpr int TemplateCount = 5000;
constexpr int TroopCount = 3000;

class LargePartyTemplates {
public:
    LargePartyTemplates() {
        ModuleSystemDirectory = m_dir.path() + u'/';
        QStringList pt{QStringLiteral("from header_parties import *"), QString(),
                       QStringLiteral("party_templates = ["),
                       QStringLiteral("  (\"none\",\"none\",icon_gray_knight,0,fac_commoners,"
                                      "merchant_personality,[]),"),
                       QStringLiteral("  (\"hero_party\",\"Hero Party\",icon_gray_knight,0,"
                                      "fac_commoners,merchant_personality,[]),")};
        for (int i = 0; i < TemplateCount; ++i) {
            const QString n = QString::number(i);
            const QString t = QStringLiteral("trp_troop_") + QString::number(i % TroopCount);
            if (i % 3 == 0) {
                pt << QStringLiteral("  (\"pt_%1\",\"Template %1\",icon_axeman|carries_goods(2)|"
                                     "pf_quest_party,0,fac_outlaws,bandit_personality,"
                                     "[(%2,4,52),(trp_looter,0,10)]),")
                          .arg(n, t);
            } else {
                pt << QStringLiteral("# template %1").arg(n)
                   << QStringLiteral("  (\"pt_%1\",\"Template %1\",icon_gray_knight|"
                                     "pf_show_faction,0,fac_kingdom_%2,")
                          .arg(n, QString::number(i % 6))
                   << QStringLiteral("   aggressiveness_8|courage_12|banditness,")
                   << QStringLiteral("   [(%1,5,10),(trp_a,0,4), (trp_b,2,6),  # escort").arg(t)
                   << QStringLiteral("    (trp_c,0,3,pmf_is_prisoner)]),");
            }
        }
        pt << QStringLiteral("]");
        WriteLines(ModuleSystemDirectory + QStringLiteral("module_party_templates.py"), pt);

        QStringList troops{QStringLiteral("from header_troops import *"),
                           QStringLiteral("troops = [")};
        for (int i = 0; i < TroopCount; ++i)
            troops << QStringLiteral(
                          "  [\"troop_%1\",\"Troop %1\",\"Troops %1\",tf_guarantee_boots,"
                          "no_scene,reserved,fac_commoners,")
                          .arg(i)
                   << QStringLiteral("   [itm_a,itm_b],def_attrib|level(10),wp(80),knows_common,"
                                     "man_face_young_1],");
        troops << QStringLiteral("]");
        WriteLines(ModuleSystemDirectory + QStringLiteral("module_troops.py"), troops);
    }

private:
    QTemporaryDir m_dir;
};

// What the editor's load reads and lists before it fills its controls.
void BM_OpenPartyTemplates(benchmark::State& state) {
    LargePartyTemplates files;
    for (auto _ : state) {
        LoadPythonPT();
        LoadPythonTroops();
        benchmark::DoNotOptimize(BuildPythonEntryRows(PyPTLines, PyPTMax, PartyTemplateRows));
        benchmark::DoNotOptimize(PythonPTTroopRows(PyTroopLines, PyTroopMax));
    }
}
BENCHMARK(BM_OpenPartyTemplates)->Unit(benchmark::kMillisecond);

void BM_ShowPartyTemplate(benchmark::State& state) {
    LargePartyTemplates files;
    LoadPythonPT();
    const PythonEntryRows rows = BuildPythonEntryRows(PyPTLines, PyPTMax, PartyTemplateRows);
    int row = 0;
    for (auto _ : state) {
        const int line = FindPythonEntryLine(rows, row, PyPTLines, PartyTemplateRows.opener);
        benchmark::DoNotOptimize(ParsePythonPT(PyPTLines[line]));
        row = (row + 997) % rows.count();
    }
}
BENCHMARK(BM_ShowPartyTemplate)->Unit(benchmark::kMicrosecond);

void BM_RewriteAllPartyTemplates(benchmark::State& state) {
    LargePartyTemplates files;
    LoadPythonPT();
    const QStringList loaded = PyPTLines;
    const PythonEntryRows rows = BuildPythonEntryRows(loaded, PyPTMax, PartyTemplateRows);
    for (auto _ : state) {
        // Each pass starts from the file as read, not from its own result.
        state.PauseTiming();
        QStringList lines = loaded;
        state.ResumeTiming();
        benchmark::DoNotOptimize(RewriteAllPythonEntries(
            lines, PyPTMax, rows.lines, PartyTemplateRows.opener,
            [](int, const QString& entry) { return RewrittenPythonPTEntry(entry); }));
    }
}
BENCHMARK(BM_RewriteAllPartyTemplates)->Unit(benchmark::kMillisecond);

} // namespace
