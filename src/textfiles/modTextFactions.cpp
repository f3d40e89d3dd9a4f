#include "textfiles/modTextFactions.h"

#include "shell/modMain.h"
#include "text_editors/world/FactionRecord.h"
#include "text_editors/world/WorldWords.h"
#include "textfiles/modTextFiles.h"

#include <algorithm>

namespace {
const TextFileFormat FactionsFormat = {
    QStringLiteral("factions.txt"), QStringLiteral("factionsfile version 1"),
    QStringLiteral("factions"), QStringLiteral("faction editor")};
} // namespace

int FactionMax = -1;
int FactionsRead = 0;
QStringList FactionLine;
QStringList FactionRelLine;
QStringList FactionID;
QStringList FactionName;
QStringList FactionRankLine;
bool FactionsComplete = false;
bool FactionsShifted = false;
bool FactionsToldDamaged = false;
QStringList FactionsTail;
LineEnds FactionsLineEnds;
FileHead FactionsHead(FactionsFormat);

namespace {

const QLatin1String FactionIdPrefix("fac_");

// A faction line with a lead word begins with a one-character word and a
// blank; the id is cut from character 3 to the next blank and the name is the
// word after it. A first word of another length therefore shifts id and name,
// which the faction editor relies on reading back the way it was written. A
// line without a lead word begins with the id.
void SplitFactionLine(const QString& line, QString& id, QString& name) {
    const qsizetype idStart = FactionLineHasLeadWord(line) ? 2 : 0;
    const qsizetype idEnd = line.indexOf(QLatin1Char(' '), idStart);
    if (idEnd >= 0) {
        id = line.mid(idStart, idEnd - idStart);
    }
    const qsizetype nameStart = idEnd < 0 ? 0 : idEnd + 1;
    const qsizetype nameEnd = line.indexOf(QLatin1Char(' '), nameStart);
    if (nameEnd >= 0) {
        // Without an id the name is what stands before the first blank.
        name = line.mid(nameStart, nameEnd - nameStart);
    }
}

bool BeginsFaction(const QString& line) {
    return !FactionLineHasLeadWord(line) ||
           LineWord(line, 1).value_or(QString()).startsWith(FactionIdPrefix);
}

// A rank word on a line of its own: a count, and maybe the blank after it.
bool IsLoneRankLine(const QString& line) {
    qsizetype end = line.size();
    while (end > 0 && line.at(end - 1) == QLatin1Char(' '))
        --end;
    return end > 0 && std::all_of(line.begin(), line.begin() + end,
                                  [](QChar c) { return c >= u'0' && c <= u'9'; });
}

// The game and the faction editor write the relations as a blank and each
// value followed by a blank.
bool IsRelationLine(const QString& line) {
    return line.startsWith(QLatin1Char(' ')) && !BeginsFaction(line);
}

} // namespace

bool FactionLineHasLeadWord(const QString& line) {
    return !line.startsWith(FactionIdPrefix);
}

namespace {

// What the load tells of faction i (its first line being line `first`, from 1)
// when its lines do not read whole as the faction editor reads them.
void NoteUnreadableFaction(CountedFile& file, int i, qsizetype first) {
    PendingFailure ignored;
    const FactionRead read =
        DecodeFaction(FactionLine.at(i), FactionRelLine.at(i), FactionsRead, ignored);
    if (read.complete)
        return;
    const QString record = QStringLiteral(" of faction ") + QString::number(i);
    const QString unreadable = QStringLiteral(", so the faction editor shows faction # ") +
                               QString::number(i) +
                               QStringLiteral(" as unreadable and does not update it");
    if (!read.firstLineWhole) {
        file.noteRecord(first, QStringLiteral(", the first line") + record +
                                   QStringLiteral(", is not as the game writes it (a lead word "
                                                  "where the game writes one, the id, the name, "
                                                  "the flag word and the colour, each followed "
                                                  "by a blank): a word may have been lost") +
                                   unreadable);
    } else {
        file.noteRecord(first + 1,
                        QStringLiteral(", the relation line") + record +
                            QStringLiteral(", does not hold a relation to each of the ") +
                            QString::number(FactionsRead) +
                            QStringLiteral(" factions (a blank, then each relation "
                                           "followed by a blank): a word may have "
                                           "been lost") +
                            unreadable);
    }
}

// The lines after the last faction that belong to none: the game closes the
// file with the last faction's rank count ("0 "), which is no such line.
QString StrayFactionLines(const CountedFile& file) {
    QStringList rest = file.rest();
    qsizetype first = file.lineNumber() + 1;
    const auto closing = std::find_if(rest.begin(), rest.end(),
                                      [](const QString& line) { return !IsBlankLine(line); });
    if (closing != rest.end() && IsWholeNumber(LineWord(*closing, 0).value_or(QString()))) {
        first += closing - rest.begin() + 1;
        rest.erase(rest.begin(), closing + 1);
    }
    return StrayLinesAfter(FactionsFormat.fileName, QStringLiteral("faction"), first, rest,
                           FactionID);
}

} // namespace

bool LoadTextFactions() {
    PendingFailure failure;
    CountedFile file(FactionsFormat, failure);
    FactionsHead = file.head();
    const int count = file.recordCount(FactionsHead.countLine);
    FactionLine.clear();
    FactionRelLine.clear();
    FactionRankLine.clear();
    QList<qsizetype> firstLines;
    int whole = 0; // the factions read before the file ended, if it ended early
    for (int i = 0; i < count && file.startRecord(); ++i) {
        FactionLine.append(file.next());
        firstLines.append(file.lineNumber());
        FactionRelLine.append(file.next());
        if (file.complete())
            ++whole;
        // A line lost or put in shifts every faction after it by one line, so
        // relation lines stand where faction lines belong, or the other way.
        const QString record = QStringLiteral(" of faction ") + QString::number(i);
        if (!BeginsFaction(FactionLine.last())) {
            file.noteShifted(firstLines.last(),
                             QStringLiteral(", the first line") + record +
                                 QStringLiteral(", holds no faction id (fac_...) as its first or "
                                                "second word"));
        } else if (!IsRelationLine(FactionRelLine.last())) {
            file.noteShifted(file.lineNumber(),
                             QStringLiteral(", the relation line") + record +
                                 QStringLiteral(", is no line of relation values"));
        }
        // A rank word on a line of its own belongs to this faction when the
        // next faction follows it; after the last one it is the file's tail.
        const bool rankLine =
            i + 1 < count && IsLoneRankLine(file.peek()) && BeginsFaction(file.peek(1));
        FactionRankLine.append(rankLine ? file.next() : QString());
    }
    const int read = int(FactionLine.size());
    FactionsRead = whole;
    FactionMax = RecordsHeld(count, read) - 1;
    FactionLine.resize(FactionMax + 1);
    FactionRelLine.resize(FactionMax + 1);
    FactionRankLine.resize(FactionMax + 1);
    FactionID = QStringList(FactionMax + 1, QString());
    FactionName = FactionID;
    // Only the factions read have an id; the empty ones a short file lacks,
    // and the one the end of the file cut, are no further damage. A faction
    // the editor cannot read whole is damage in the file, told as such, not a
    // fault of the program; in a file read shifted, the shift is told.
    for (int i = 0; i < read; ++i) {
        if (i > 0)
            SplitFactionLine(FactionLine.at(i), FactionID[i], FactionName[i]);
        if (i < whole && !file.shifted())
            NoteUnreadableFaction(file, i, firstLines.at(i));
    }
    FactionsTail = file.rest();
    FactionsComplete = file.complete();
    FactionsShifted = file.shifted();
    FactionsToldDamaged = file.toldDamaged();
    FactionsLineEnds = file.lineEnds();
    file.tellDamage(BeginsFaction,
                    FactionsComplete && !FactionsShifted ? StrayFactionLines(file) : QString());
    ReportPending(failure, QStringLiteral("LoadTextFactions"));
    return FactionsComplete && !FactionsShifted;
}

bool SaveTextFactions() {
    if (!MaySaveCountedFile(FactionsHead, FactionsComplete, FactionsShifted)) {
        return false;
    }
    QStringList lines;
    lines.reserve(2 + 3 * (FactionMax + 1) + 1 + FactionsTail.size());
    lines << FactionsHead.header << FactionsHead.countLine;
    for (int i = 0; i <= FactionMax; ++i) {
        lines << FactionLine.at(i) << FactionRelLine.at(i);
        if (!FactionRankLine.at(i).isEmpty())
            lines << FactionRankLine.at(i);
    }
    // The game closes the file with this line; a file that lacks it gets it,
    // with a line end.
    LineEnds ends = FactionsLineEnds;
    if (!FactionsTail.isEmpty()) {
        lines << FactionsTail;
    } else {
        lines << QStringLiteral("0 ");
        ends.lastLineEnded = true;
    }
    return SaveModuleTextFile(FactionsFormat.fileName, lines, QStringLiteral("Factions saved..."),
                              QStringLiteral("SaveTextFactions"), QString(), ends);
}
