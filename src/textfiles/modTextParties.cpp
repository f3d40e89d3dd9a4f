#include "textfiles/modTextParties.h"

#include "shell/modMain.h"
#include "text_editors/world/PartyRecord.h"
#include "textfiles/modTextFiles.h"

namespace {
const TextFileFormat PartiesFormat = {QStringLiteral("parties.txt"),
                                      QStringLiteral("partiesfile version 1"),
                                      QStringLiteral("parties"), QStringLiteral("party editor")};
} // namespace

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

// The game writes the number of parties twice on line 2; the party editor
// reads the second. Two that disagree are told, and line 2 is kept as read.
void NoteCountsDisagreeing(CountedFile& file) {
    const std::optional<QString> first = LineWord(PartiesHead.countLine, 0);
    const std::optional<QString> second = LineWord(PartiesHead.countLine, 1);
    if (!second || !CountValue(*second) || CountValue(*first) == CountValue(*second))
        return;
    file.noteRecord(2, QStringLiteral(", which holds the number of parties twice, holds two that "
                                      "disagree; the party editor lists the ") +
                           *second +
                           QStringLiteral(" parties the second announces, and a save keeps "
                                          "line 2 as it was read"));
}

QString StrayPartyLines(const CountedFile& file) {
    QStringList ids;
    for (int i = 0; i < PartyCount; ++i)
        ids.append(PartyIDs.at(i).Id);
    return StrayLinesAfter(PartiesFormat.fileName, QStringLiteral("party"), file.lineNumber() + 1,
                           file.rest(), ids);
}

} // namespace

bool LoadTextParties() {
    PendingFailure failure;
    CountedFile file(PartiesFormat, failure);
    PartiesHead = file.head();
    // Line 2 holds two numbers; the second is the number of parties.
    const int count = file.recordCount(LineWord(PartiesHead.countLine, 1));
    NoteCountsDisagreeing(file);
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
        if (!file.complete()) {
            break; // the end of the file cut it: told so
        } else if (words.pending()) {
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
        } else if (PendingFailure shape; !words.pending() && !DecodeParty(line, shape).complete) {
            file.noteRecord(
                lineNumber,
                QStringLiteral(", the first line of party ") + QString::number(i) +
                    QStringLiteral(", is not as the game writes it (a number where the "
                                   "party editor reads one, and after word 22, the member "
                                   "count, four whole numbers for each member): a word may "
                                   "have been lost or put in, so the party editor shows "
                                   "party # ") +
                    QString::number(i) + QStringLiteral(" as unreadable and does not update it"));
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
    file.tellDamage(BeginsParty,
                    PartiesComplete && !PartiesShifted ? StrayPartyLines(file) : QString());
    ReportPending(failure, QStringLiteral("LoadTextParties"));
    return PartiesComplete && !PartiesShifted;
}

bool SaveTextParties() {
    if (!MaySaveCountedFile(PartiesHead, PartiesComplete, PartiesShifted)) {
        return false;
    }
    QStringList lines;
    lines.reserve(2 + 2 * PartyCount + PartiesTail.size());
    lines << PartiesHead.header << PartiesHead.countLine;
    for (int i = 0; i < PartyCount; ++i)
        lines << PartyLine.at(i) << PartyLine2.at(i);
    lines << PartiesTail;
    // "saved saved" is how the file has always announced a save without backup.
    return SaveModuleTextFile(PartiesFormat.fileName, lines, QStringLiteral("Parties saved..."),
                              QStringLiteral("SaveTextParties"),
                              QStringLiteral("Parties saved saved..."), PartiesLineEnds);
}
