#include "textfiles/modTextFactions.h"

#include "shell/modMain.h"
#include "textfiles/modTextFiles.h"

#include <algorithm>

namespace {
const TextFileFormat FactionsFormat = {
    QStringLiteral("factions.txt"), QStringLiteral("factionsfile version 1"),
    QStringLiteral("factions"), QStringLiteral("faction editor")};
} // namespace

QString FactionsHeader;
QString FactionsCount;
int FactionMax = -1;
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
// line without a lead word begins with the id. Returns whether the line
// holds both.
bool SplitFactionLine(const QString& line, QString& id, QString& name) {
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
    return idEnd >= 0 && nameEnd >= 0;
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

bool LoadTextFactions() {
    PendingFailure failure;
    CountedFile file(FactionsFormat, failure);
    FactionsHeader = file.head().header;
    FactionsCount = file.head().countLine;
    const int count = file.recordCount(FactionsCount);
    FactionLine.clear();
    FactionRelLine.clear();
    FactionRankLine.clear();
    QList<qsizetype> firstLines;
    for (int i = 0; i < count && file.startRecord(); ++i) {
        FactionLine.append(file.next());
        firstLines.append(file.lineNumber());
        FactionRelLine.append(file.next());
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
    FactionMax = RecordsHeld(count, read) - 1;
    FactionLine.resize(FactionMax + 1);
    FactionRelLine.resize(FactionMax + 1);
    FactionRankLine.resize(FactionMax + 1);
    FactionID = QStringList(FactionMax + 1, QString());
    FactionName = FactionID;
    // Only the factions read have an id; the empty ones a short file lacks
    // are no further failure. A line without its id and name is damage in the
    // file, told as such, not a fault of the program.
    for (int i = 1; i < read; ++i) {
        if (!SplitFactionLine(FactionLine.at(i), FactionID[i], FactionName[i])) {
            file.noteRecord(firstLines.at(i),
                            QStringLiteral(", the first line of faction ") + QString::number(i) +
                                QStringLiteral(", holds no id and name (a faction's first line "
                                               "is a lead word where the game writes one, the "
                                               "id, the name, the label flag and the colour, "
                                               "each followed by a blank)"));
        }
    }
    FactionsTail = file.rest();
    FactionsComplete = file.complete();
    FactionsShifted = file.shifted();
    FactionsToldDamaged = file.toldDamaged();
    FactionsLineEnds = file.lineEnds();
    FactionsHead = file.head();
    file.tellDamage(BeginsFaction);
    ReportPending(failure, QStringLiteral("LoadTextFactions"));
    return FactionsComplete && !FactionsShifted;
}

bool SaveTextFactions() {
    if (!MaySaveCountedFile(FactionsHead, FactionsComplete, FactionsShifted)) {
        return false;
    }
    QStringList lines;
    lines.reserve(2 + 3 * (FactionMax + 1) + 1 + FactionsTail.size());
    lines << FactionsHeader << FactionsCount;
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
