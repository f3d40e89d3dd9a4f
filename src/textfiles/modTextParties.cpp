#include "textfiles/modTextParties.h"

#include "shell/modMain.h"
#include "textfiles/modTextFiles.h"

namespace {
const TextFileFormat PartiesFormat = {QStringLiteral("parties.txt"),
                                      QStringLiteral("partiesfile version 1"),
                                      QStringLiteral("parties"), QStringLiteral("party editor")};
} // namespace

QString PartiesHeader;
QString PartiesCount;
int PartyCount = 0;
QStringList PartyLine;
QStringList PartyLine2;
QList<IdNamePair> PartyIDs;
bool PartiesComplete = false;
bool PartiesShifted = false;
bool PartiesToldDamaged = false;
QStringList PartiesTail;
LineEnds PartiesLineEnds;
FileHead PartiesHead(PartiesFormat);

namespace {

bool BeginsParty(const QString& line) {
    return LineWord(line, 4).value_or(QString()).startsWith(QLatin1String("p_"));
}
} // namespace

bool LoadTextParties() {
    PendingFailure failure;
    CountedFile file(PartiesFormat, failure);
    PartiesHeader = file.head().header;
    PartiesCount = file.head().countLine;
    // Line 2 holds two numbers; the second is the number of parties.
    const int count = file.recordCount(LineWord(PartiesCount, 1));
    PartyLine.clear();
    PartyLine2.clear();
    PartyIDs.clear();
    for (int i = 0; i < count && file.startRecord(); ++i) {
        const QString line = file.next();
        const qsizetype lineNumber = file.lineNumber();
        PartyLine.append(line);
        PartyLine2.append(file.next());
        PendingFailure words;
        PartyIDs.append({WordAt(line, 4, words), WordAt(line, 5, words)});
        if (words.pending()) {
            file.noteRecord(lineNumber,
                            QStringLiteral(", the first line of party ") + QString::number(i) +
                                QStringLiteral(", holds fewer words than a party's first line, "
                                               "whose words 4 and 5 (counting from 0) are the "
                                               "party's id and name"));
        }
        if (!BeginsParty(line)) {
            // A line lost or put in shifts every party after it by one line.
            file.noteShifted(lineNumber, QStringLiteral(", the first line of party ") +
                                             QString::number(i) +
                                             QStringLiteral(", holds no party id (p_...) as its "
                                                            "word 4 (counting from 0)"));
        } else if (BeginsParty(PartyLine2.last())) {
            file.noteShifted(lineNumber + 1, QStringLiteral(", the second line of party ") +
                                                 QString::number(i) +
                                                 QStringLiteral(", is the first line of a party"));
        }
    }
    PartyCount = RecordsHeld(count, int(PartyLine.size()));
    // One element more than there are parties, as the party editor expects.
    PartyLine.resize(PartyCount + 1);
    PartyLine2.resize(PartyCount + 1);
    PartyIDs.resize(PartyCount + 1);
    PartiesTail = file.rest();
    PartiesComplete = file.complete();
    PartiesShifted = file.shifted();
    PartiesToldDamaged = file.toldDamaged();
    PartiesLineEnds = file.lineEnds();
    PartiesHead = file.head();
    file.tellDamage(BeginsParty);
    ReportPending(failure, QStringLiteral("LoadTextParties"));
    return PartiesComplete && !PartiesShifted;
}

bool SaveTextParties() {
    if (!MaySaveCountedFile(PartiesHead, PartiesComplete, PartiesShifted)) {
        return false;
    }
    QStringList lines;
    lines.reserve(2 + 2 * PartyCount + PartiesTail.size());
    lines << PartiesHeader << PartiesCount;
    for (int i = 0; i < PartyCount; ++i)
        lines << PartyLine.at(i) << PartyLine2.at(i);
    lines << PartiesTail;
    // "saved saved" is how the file has always announced a save without backup.
    return SaveModuleTextFile(PartiesFormat.fileName, lines, QStringLiteral("Parties saved..."),
                              QStringLiteral("SaveTextParties"),
                              QStringLiteral("Parties saved saved..."), PartiesLineEnds);
}
