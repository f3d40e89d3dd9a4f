#include "textfiles/modTextTroops.h"

#include "shell/modMain.h"
#include "textfiles/modTextFiles.h"

QString TroopsHeader;
QString TroopsCount;
int TroopMax = -1;
QStringList TroopLine;
QStringList TroopItemLine;
QStringList TroopAttribLine;
QStringList TroopProfLine;
QStringList TroopSkillLine;
QStringList TroopFaceLine;
QStringList TroopID;
QStringList TroopName;
LineEnds TroopsLineEnds;

namespace {

const QString TroopsFile = QStringLiteral("troops.txt");
// The most troops the game's troop tables hold (troops 0 to 5000).
constexpr int GameTroopLimit = 5001;

void ClearTroopTables() {
    for (QStringList* table : {&TroopLine, &TroopItemLine, &TroopAttribLine, &TroopProfLine,
                               &TroopSkillLine, &TroopFaceLine, &TroopID, &TroopName}) {
        table->clear();
    }
}

} // namespace

bool LoadTextTroops() {
    PendingFailure failure;
    TroopsHeader.clear();
    TroopsCount.clear();
    TroopMax = -1;
    ClearTroopTables();

    QStringList lines;
    LineEnds ends;
    if (!ReadModuleTextFile(TroopsFile, lines, failure, &ends)) {
        ReportPending(failure, QStringLiteral("LoadTextTroops"));
        return false;
    }
    // The save lays the troops out anew, so its lines are not the lines read:
    // they all take the file's usual line end.
    TroopsLineEnds = {ends.usual, ends.lastLineEnded, {}};
    const qsizetype lineCount = lines.size();
    TroopsHeader = lineCount > 0 ? lines.at(0) : QString();
    TroopsCount = lineCount > 1 ? lines.at(1) : QString();
    const std::optional<int> count = CountValue(TroopsCount);
    if (!count) {
        failure.raise(Err::TypeMismatch);
    }

    // A record starts at any line naming a troop id and takes the five lines
    // after it, whatever they hold; lines between records are dropped. A record
    // cut short by the end of the file keeps empty lines (not reported).
    for (qsizetype i = 2; i < lineCount; ++i) {
        const QString& line = lines.at(i);
        if (!line.contains(QLatin1String("trp_"))) {
            continue;
        }
        auto next = [&]() { return ++i < lineCount ? lines.at(i) : QString(); };
        // More troops than the game holds are kept and saved all the same, but
        // the user is told that the file goes beyond what the game reads.
        if (TroopLine.size() == GameTroopLimit) {
            failure.raise(Err::SubscriptOutOfRange);
        }
        TroopLine.append(line);
        TroopItemLine.append(next());
        TroopAttribLine.append(next());
        TroopProfLine.append(next());
        TroopSkillLine.append(next());
        TroopFaceLine.append(next());
        TroopID.append(WordAt(line, 0, failure));
        TroopName.append(WordAt(line, 1, failure));
    }

    const int found = int(TroopLine.size());
    TroopMax = found - 1;
    if (!count || *count != found) {
        ShowCountMismatch(TroopsFile, TroopsCount, found, QStringLiteral("troop"));
    }
    ReportPending(failure, QStringLiteral("LoadTextTroops"));
    return true;
}

bool SaveTextTroops() {
    TroopsCount = QString::number(TroopMax + 1) + QLatin1Char(' ');
    QStringList lines;
    lines.reserve(2 + 7 * (TroopMax + 1));
    lines << TroopsHeader << TroopsCount;
    for (int i = 0; i <= TroopMax; ++i) {
        if (i > 0) {
            lines << QString();
        }
        lines << TroopLine.at(i) << TroopItemLine.at(i) << TroopAttribLine.at(i)
              << TroopProfLine.at(i) << TroopSkillLine.at(i) << TroopFaceLine.at(i);
    }
    return SaveModuleTextFile(TroopsFile, lines, QStringLiteral("Troops saved..."),
                              QStringLiteral("SaveTextTroops"), QString(), TroopsLineEnds);
}
