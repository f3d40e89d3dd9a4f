#include "textfiles/modTextParties.h"

#include "shell/modMain.h"
#include "textfiles/modTextFiles.h"

QString PartiesHeader;
QString PartiesCount;
int PartyCount = 0;
QStringList PartyLine;
QStringList PartyLine2;
QList<IdNamePair> PartyIDs;
bool PartiesComplete = false;
QStringList PartiesTail;
LineEnds PartiesLineEnds;

namespace {
const QString PartiesFile = QStringLiteral("parties.txt");
}

bool LoadTextParties() {
    PendingFailure failure;
    CountedFile file(PartiesFile, failure);
    PartiesHeader = file.header;
    PartiesCount = file.countLine;
    // Line 2 holds two numbers; the second is the number of parties.
    const int count = file.recordCount(LineWord(PartiesCount, 1), failure);
    PartyLine.clear();
    PartyLine2.clear();
    PartyIDs.clear();
    for (int i = 0; i < count && file.startRecord(failure); ++i) {
        const QString line = file.next(failure);
        PartyLine.append(line);
        PartyLine2.append(file.next(failure));
        PartyIDs.append({WordAt(line, 4, failure), WordAt(line, 5, failure)});
    }
    PartyCount = RecordsHeld(count, int(PartyLine.size()));
    // One element more than there are parties, as the party editor expects.
    PartyLine.resize(PartyCount + 1);
    PartyLine2.resize(PartyCount + 1);
    PartyIDs.resize(PartyCount + 1);
    PartiesTail = file.rest();
    PartiesComplete = file.complete();
    PartiesLineEnds = file.lineEnds();
    ReportPending(failure, QStringLiteral("LoadTextParties"));
    return PartiesComplete;
}

bool SaveTextParties() {
    if (!PartiesComplete) {
        ShowNotSavedIncomplete(PartiesFile);
        return false;
    }
    QStringList lines;
    lines.reserve(2 + 2 * PartyCount + PartiesTail.size());
    lines << PartiesHeader << PartiesCount;
    for (int i = 0; i < PartyCount; ++i)
        lines << PartyLine.at(i) << PartyLine2.at(i);
    lines << PartiesTail;
    // "saved saved" is how the file has always announced a save without backup.
    return SaveModuleTextFile(PartiesFile, lines, QStringLiteral("Parties saved..."),
                              QStringLiteral("SaveTextParties"),
                              QStringLiteral("Parties saved saved..."), PartiesLineEnds);
}
