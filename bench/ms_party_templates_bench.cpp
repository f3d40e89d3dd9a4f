// The module-system party-template editor on a large module_party_templates.py
// (5,000 templates, most over several lines) beside a module_troops.py of
// 3,000 troops: opening the window, showing a template and rewriting them all.
#include "ms_editors/party_templates/frmPythonPartyTemp.h"
#include "platform/AppFolder.h"
#include "platform/MessageBox.h"
#include "platform/gui/Controls.h"
#include "platform/gui/Modal.h"
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
        SetProgramFolder(m_dir.path());
        ModuleSystemDirectory = m_dir.path() + u'/';
        // Every question is answered Yes; result windows close at once.
        SetMessageBoxHandler([](const MessageBoxRequest&) { return MsgAnswer::Yes; });
        SetModalHandler([](QWidget*) {});
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

    ~LargePartyTemplates() {
        SetMessageBoxHandler({});
        SetModalHandler({});
        SetProgramFolder(QString());
    }

private:
    QTemporaryDir m_dir;
};

void BM_OpenPartyTemplateEditor(benchmark::State& state) {
    LargePartyTemplates files;
    for (auto _ : state) {
        auto* window = new frmPythonPartyTemp;
        benchmark::DoNotOptimize(window);
        delete window;
    }
}
BENCHMARK(BM_OpenPartyTemplateEditor)->Unit(benchmark::kMillisecond);

void BM_SelectPartyTemplate(benchmark::State& state) {
    LargePartyTemplates files;
    frmPythonPartyTemp window;
    auto* list = window.findChild<ListBox*>(QStringLiteral("lstPT"));
    int row = 0;
    for (auto _ : state) {
        list->setListIndex(row);
        row = (row + 997) % list->count();
    }
}
BENCHMARK(BM_SelectPartyTemplate)->Unit(benchmark::kMillisecond);

void BM_ScanAllPartyTemplates(benchmark::State& state) {
    LargePartyTemplates files;
    for (auto _ : state) {
        // Each pass starts from the file as written, not from its own result.
        state.PauseTiming();
        auto* window = new frmPythonPartyTemp;
        state.ResumeTiming();
        window->ScanPythonPT();
        state.PauseTiming();
        delete window;
        state.ResumeTiming();
    }
}
BENCHMARK(BM_ScanAllPartyTemplates)->Unit(benchmark::kMillisecond);

} // namespace
