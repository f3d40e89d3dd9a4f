#include "textfiles/modTextPartyTemp.h"

#include "shell/modMain.h"
#include "text_editors/world/PartyTemplateRecord.h"
#include "textfiles/modTextFiles.h"

namespace {
const TextFileFormat PartyTempsFormat = {
    QStringLiteral("party_templates.txt"), QStringLiteral("partytemplatesfile version 1"),
    QStringLiteral("party templates"), QStringLiteral("party template editor")};
} // namespace

int PartyTempCount = 0;
QStringList PartyTempLine;
QList<IdNamePair> PartyTempIDs;
bool PartyTempsComplete = false;
bool PartyTempsShifted = false;
bool PartyTempsToldDamaged = false;
QStringList PartyTempsTail;
LineEnds PartyTempsLineEnds;
FileHead PartyTempsHead(PartyTempsFormat);

namespace {

bool BeginsTemplate(const QString& line) {
    return line.startsWith(QLatin1String("pt_"));
}

QString StrayTemplateLines(const CountedFile& file) {
    QStringList ids;
    for (int i = 0; i < PartyTempCount; ++i)
        ids.append(PartyTempIDs.at(i).Id);
    return StrayLinesAfter(PartyTempsFormat.fileName, QStringLiteral("party template"),
                           file.lineNumber() + 1, file.rest(), ids);
}

} // namespace

bool LoadTextPartyTemplates() {
    PendingFailure failure;
    CountedFile file(PartyTempsFormat, failure);
    PartyTempsHead = file.head();
    const int count = file.recordCount(PartyTempsHead.countLine);
    PartyTempLine.clear();
    PartyTempIDs.clear();
    for (int i = 0; i < count && file.startRecord(); ++i) {
        const QString line = file.next();
        PartyTempLine.append(line);
        PendingFailure words;
        PartyTempIDs.append({WordAt(line, 0, words), WordAt(line, 1, words)});
        if (words.pending()) {
            file.noteRecord(file.lineNumber(),
                            QStringLiteral(", the line of template ") + QString::number(i) +
                                QStringLiteral(", holds fewer words than a template's line, "
                                               "which begins with the template's id and name"));
        }
        if (!BeginsTemplate(line)) {
            // A line put in shifts every template after it by one line.
            file.noteShifted(file.lineNumber(), QStringLiteral(", the line of template ") +
                                                    QString::number(i) +
                                                    QStringLiteral(", begins with no template id "
                                                                   "(pt_...)"));
        } else if (PendingFailure shape;
                   !words.pending() && !DecodePartyTemplate(line, shape).complete) {
            file.noteRecord(
                file.lineNumber(),
                QStringLiteral(", the line of template ") + QString::number(i) +
                    QStringLiteral(", is not as the game writes it (the id, the name, "
                                   "the flag word, the menu, the faction and the "
                                   "personality, then six member slots, each -1 or "
                                   "the troop, the minimum, the maximum and the member "
                                   "flags): a word may have been lost or put in, so "
                                   "the party template editor shows party template # ") +
                    QString::number(i) + QStringLiteral(" as unreadable and does not update it"));
        }
    }
    PartyTempCount = RecordsHeld(count, int(PartyTempLine.size()));
    // One element more than there are templates, as the template editor expects.
    PartyTempLine.resize(PartyTempCount + 1);
    PartyTempIDs.resize(PartyTempCount + 1);
    PartyTempsTail = file.rest();
    PartyTempsComplete = file.complete();
    PartyTempsShifted = file.shifted();
    PartyTempsToldDamaged = file.toldDamaged();
    PartyTempsLineEnds = file.lineEnds();
    file.tellDamage(BeginsTemplate, PartyTempsComplete && !PartyTempsShifted
                                        ? StrayTemplateLines(file)
                                        : QString());
    ReportPending(failure, QStringLiteral("LoadTextPartyTemplates"));
    return PartyTempsComplete && !PartyTempsShifted;
}

bool SaveTextPartyTemplates() {
    if (!MaySaveCountedFile(PartyTempsHead, PartyTempsComplete, PartyTempsShifted)) {
        return false;
    }
    QStringList lines;
    lines.reserve(2 + PartyTempCount + PartyTempsTail.size());
    lines << PartyTempsHead.header << PartyTempsHead.countLine
          << PartyTempLine.mid(0, PartyTempCount) << PartyTempsTail;
    return SaveModuleTextFile(
        PartyTempsFormat.fileName, lines, QStringLiteral("Party templates saved..."),
        QStringLiteral("SaveTextPartyTemplates"), QString(), PartyTempsLineEnds);
}
