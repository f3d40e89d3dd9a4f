// Showing and updating every faction, party and template of the largest module:
// one record is what a click costs, the whole file what a batch would.
#include "text_editors/world/FactionRecord.h"
#include "text_editors/world/PartyRecord.h"
#include "text_editors/world/PartyTemplateRecord.h"

#include <QStringList>

#include <benchmark/benchmark.h>

namespace {

constexpr int LargestCount = 5001; // parties, templates
constexpr int FactionCount = 500;  // each relation line lists every faction

QStringList PartyLines() {
    QStringList lines;
    for (int i = 0; i < LargestCount; ++i)
        lines << QStringLiteral(" 1 %1 %1 p_party_%1 Party_%1 9217 0 2 %2 392 392 0 0 0 5.000000 "
                                "-20.000000 5.000000 -20.000000 5.000000 -20.000000 0.000000 2 4 "
                                "10 0 0 1 3 0 1 ")
                     .arg(i)
                     .arg(i % FactionCount);
    return lines;
}

QStringList TemplateLines() {
    QStringList lines;
    for (int i = 0; i < LargestCount; ++i)
        lines << QStringLiteral("pt_template_%1 Template_%1 360287970189639682 0 %2 136 3 1 2 0 2 "
                                "5 15 0 -1 -1 -1 -1 ")
                     .arg(i)
                     .arg(i % FactionCount);
    return lines;
}

// Every record shown, one field changed and updated.
template <typename Decode, typename Encode, typename Edit>
void ShowAndUpdate(benchmark::State& state, const QStringList& lines, Decode decode, Encode encode,
                   Edit edit) {
    for (auto _ : state) {
        for (const QString& line : lines) {
            PendingFailure failure;
            auto record = decode(line, failure).record;
            edit(record);
            benchmark::DoNotOptimize(encode(record, line, failure));
        }
    }
    state.SetItemsProcessed(state.iterations() * lines.size());
}

void Parties(benchmark::State& state) {
    ShowAndUpdate(state, PartyLines(), DecodeParty, EncodeParty,
                  [](PartyRecord& r) { r.personality.courage = 3; });
}

void PartyTemplates(benchmark::State& state) {
    ShowAndUpdate(state, TemplateLines(), DecodePartyTemplate, EncodePartyTemplate,
                  [](PartyTemplateRecord& r) { r.members[1].max = "20"; });
}

void Factions(benchmark::State& state) {
    QString relations = QStringLiteral(" 0.000000 ");
    for (int j = 1; j < FactionCount; ++j)
        relations += QStringLiteral(" -0.050000 ");
    const QString line1 = QStringLiteral("0 fac_faction_1 Faction_1 0 11184810 ");
    for (auto _ : state) {
        for (int i = 0; i < FactionCount; ++i) {
            PendingFailure failure;
            FactionRecord r = DecodeFaction(line1, relations, FactionCount, failure).record;
            r.relations[FactionCount - 1] = QStringLiteral("0.500000");
            benchmark::DoNotOptimize(EncodeFaction(r, line1, relations, FactionCount, failure));
        }
    }
    state.SetItemsProcessed(state.iterations() * FactionCount);
}

BENCHMARK(Parties)->Unit(benchmark::kMillisecond);
BENCHMARK(PartyTemplates)->Unit(benchmark::kMillisecond);
BENCHMARK(Factions)->Unit(benchmark::kMillisecond);

} // namespace
