// The faction, party and party-template editors on the largest module: opening
// each window (tables loaded, lists filled) and showing a record.
#include "text_editors/world/frmTextFactions.h"
#include "text_editors/world/frmTextParties.h"
#include "text_editors/world/frmTextPartyTemp.h"

#include "EditorBenchSupport.h"

namespace {

constexpr int LargestCount = 5001; // parties, templates, troops
constexpr int FactionCount = 500;  // each relation line lists every faction
constexpr int IconCount = 189;

// party_templates.txt, parties.txt, troops.txt, factions.txt and map_icons.txt
// at the largest size, every template with flags, loot, a faction and three
// members, every party with flags, an icon, a target and five members.
bool WriteWorldModule(const BenchModuleFolder& module) {
    WriteLines(module.file("troops.txt"), TroopsFileLines(LargestCount, FactionCount));
    WriteLines(module.file("factions.txt"), FactionsFileLines(FactionCount));
    QStringList templates = {"partytemplatesfile version 1", QString::number(LargestCount)};
    for (int i = 0; i < LargestCount; ++i)
        templates << QStringLiteral("pt_template_%1 Template_%1 3659174697238593573 0 %2 136 "
                                    "%3 1 2 0 %4 5 15 1 4 2 3 0 -1 -1 -1 ")
                         .arg(i)
                         .arg(i % FactionCount)
                         .arg(i % LargestCount)
                         .arg((i + 7) % LargestCount);
    WriteLines(module.file("party_templates.txt"), templates);

    const QString count = QString::number(LargestCount);
    QStringList parties = {"partiesfile version 1", count + ' ' + count};
    for (int i = 0; i < LargestCount; ++i)
        parties << QStringLiteral(" 1 %1 %1 p_party_%1 Party_%1 %2 0 %3 %4 392 392 2 %5 0 "
                                  "5.000000 -20.000000 5.000000 -20.000000 5.000000 -20.000000 "
                                  "0.000000 5 %1 10 0 0 %3 3 0 1 %4 7 0 0 %5 1 0 0 1 2 0 1 ")
                       .arg(i)
                       .arg(0x5000 + i % IconCount)
                       .arg((i + 1) % LargestCount)
                       .arg(i % FactionCount)
                       .arg((i + 2) % LargestCount)
                << QStringLiteral("0.000000");
    WriteLines(module.file("parties.txt"), parties);
    QStringList icons = {"map_icons_file version 1", QString::number(IconCount)};
    for (int i = 0; i < IconCount; ++i)
        icons << QStringLiteral("icon_%1 0 map_icon_%1 0.300000 0 0.0 0.0 0.0 ").arg(i)
              << QStringLiteral("-1.000000");
    WriteLines(module.file("map_icons.txt"), icons);
    return true;
}

void Use() {
    static const BenchModuleFolder module;
    static const bool written = WriteWorldModule(module);
    (void)written;
    module.use();
}

void FactionEditorOpen(benchmark::State& state) {
    Use();
    OpenEditor<frmTextFactions>(state);
}
void FactionEditorShow(benchmark::State& state) {
    Use();
    ShowRecords<frmTextFactions>(state, "lstFactions", FactionCount);
}
void PartyEditorOpen(benchmark::State& state) {
    Use();
    OpenEditor<frmTextParties>(state);
}
void PartyEditorShow(benchmark::State& state) {
    Use();
    ShowRecords<frmTextParties>(state, "lstParties", LargestCount);
}
void TemplateEditorOpen(benchmark::State& state) {
    Use();
    OpenEditor<frmTextPartyTemp>(state);
}
void TemplateEditorShow(benchmark::State& state) {
    Use();
    ShowRecords<frmTextPartyTemp>(state, "lstPT", LargestCount);
}

BENCHMARK(FactionEditorOpen)->Unit(benchmark::kMillisecond);
BENCHMARK(FactionEditorShow)->Unit(benchmark::kMicrosecond);
BENCHMARK(PartyEditorOpen)->Unit(benchmark::kMillisecond);
BENCHMARK(PartyEditorShow)->Unit(benchmark::kMicrosecond);
BENCHMARK(TemplateEditorOpen)->Unit(benchmark::kMillisecond);
BENCHMARK(TemplateEditorShow)->Unit(benchmark::kMicrosecond);

} // namespace
