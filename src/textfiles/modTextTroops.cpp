#include "textfiles/modTextTroops.h"

#include "shell/modCore.h"
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
// The lines of the file as last read that the next save drops.
DroppedLines TroopsDropped;
// The most troops the game's troop tables hold (troops 0 to 5000).
constexpr int GameTroopLimit = 5001;
// A troop's first line holds its id, names, flags, faction and two upgrade
// paths, at least.
constexpr int TroopHeadWords = 10;

// The words the troop record reads from each of its later lines (split at
// single blanks, the leading blanks the game writes included), and the
// numbers among them; the inventory line may hold fewer. A line with fewer
// words is another troop line shifted into its place.
struct TroopLineShape {
    const QStringList* table;
    int words;
    int numbers;
    int recordLine; // 1 to 6
    const char* what;
};
const TroopLineShape TroopLineShapes[] = {
    {&TroopAttribLine, 7, 5, 3, "attributes"},
    {&TroopProfLine, 8, 7, 4, "proficiencies"},
    {&TroopSkillLine, 5, 5, 5, "skills"},
    {&TroopFaceLine, 10, 8, 6, "faces"},
};

bool NamesTroop(const QString& line) {
    // One character is found much faster than four, and no line of a troop
    // but its first holds it.
    return line.contains(u'_') && line.contains(QLatin1String("trp_"));
}

// "the first troop" or "the troop after trp_x": where a damaged line stands.
QString TroopAfter(int troopsBefore) {
    return troopsBefore == 0 ? QStringLiteral("the first troop")
                             : QStringLiteral("the troop after ") + TroopID.at(troopsBefore - 1);
}

QString Numbers(qsizetype count) {
    return count == 0   ? QStringLiteral("no number")
           : count == 1 ? QStringLiteral("1 number")
                        : QString::number(count) + QStringLiteral(" numbers");
}

QString Words(qsizetype count) {
    return QString::number(count) +
           (count == 1 ? QStringLiteral(" word") : QStringLiteral(" words"));
}

// The first later line of troop i with fewer words than the record reads.
const TroopLineShape* ShortTroopLine(int i) {
    for (const TroopLineShape& shape : TroopLineShapes) {
        if (!LineWord(shape.table->at(i), shape.words - 1)) {
            return &shape;
        }
    }
    return nullptr;
}

void ClearTroopTables() {
    for (QStringList* table : {&TroopLine, &TroopItemLine, &TroopAttribLine, &TroopProfLine,
                               &TroopSkillLine, &TroopFaceLine, &TroopID, &TroopName}) {
        table->clear();
    }
}

} // namespace

bool TroopHasSoundShape(int i) {
    if (i < 0 || i > TroopMax || !LineWord(TroopLine.at(i), TroopHeadWords - 1)) {
        return false;
    }
    for (const QStringList* table :
         {&TroopItemLine, &TroopAttribLine, &TroopProfLine, &TroopSkillLine, &TroopFaceLine}) {
        if (NamesTroop(table->at(i))) {
            return false;
        }
    }
    return ShortTroopLine(i) == nullptr;
}

bool LoadTextTroops() {
    PendingFailure failure;
    TroopsHeader.clear();
    TroopsCount.clear();
    TroopMax = -1;
    ClearTroopTables();

    TroopsDropped = DroppedLines(TroopsFile, QStringLiteral("troop"));
    QStringList lines;
    LineEnds ends;
    if (!ReadModuleTextFile(TroopsFile, lines, failure, &ends)) {
        ReportPending(failure, QStringLiteral("LoadTextTroops"));
        return false;
    }
    // The save lays the troops out anew, so its lines are not the lines read:
    // they all take the file's usual line end.
    TroopsLineEnds = {ends.usual, ends.lastLineEnded, {}, ends.coding, ends.bom};
    const qsizetype lineCount = lines.size();
    TroopsHeader = lineCount > 0 ? lines.at(0) : QString();
    TroopsCount = lineCount > 1 ? lines.at(1) : QString();
    const std::optional<int> count = CountValue(TroopsCount);
    if (!count) {
        failure.raise(Err::TypeMismatch);
    }

    // A record starts at any line naming a troop id and takes the five lines
    // after it, whatever they hold; lines between records are dropped. A record
    // cut short by the end of the file keeps empty lines (not reported). The
    // user is told of every line a save would drop and of every record whose
    // lines are out of shape (a line split in two or lost by a hand edit),
    // before a save can make it worse.
    LoadNotes notes(TroopsFile, QStringLiteral("troop editor"));
    for (qsizetype i = 2; i < lineCount; ++i) {
        const QString& line = lines.at(i);
        const int troop = int(TroopLine.size());
        if (!NamesTroop(line)) {
            // Empty lines between troops are the file's layout, which the
            // save writes anew; any other line would be lost.
            if (!RemoveSpaces(line).isEmpty()) {
                TroopsDropped.add(i + 1, line,
                                  troop == 0 ? QStringLiteral("before the first troop")
                                             : QStringLiteral("after ") + TroopID.at(troop - 1));
            }
            continue;
        }
        const qsizetype first = i;
        auto next = [&]() { return ++i < lineCount ? lines.at(i) : QString(); };
        // More troops than the game holds are kept and saved all the same, but
        // the user is told that the file goes beyond what the game reads.
        if (troop == GameTroopLimit) {
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

        const auto unreadable = [troop] {
            return QStringLiteral(" shows troop # ") + QString::number(troop) +
                   QStringLiteral(" as unreadable and does not update it.");
        };
        if (!LineWord(line, TroopHeadWords - 1)) {
            notes.add(notes.line(first + 1) + QStringLiteral(" begins ") + TroopAfter(troop) +
                      QStringLiteral(", but holds ") + Words(line.count(u' ') + 1) +
                      QStringLiteral(" where a troop's first line holds ") +
                      QString::number(TroopHeadWords) + QStringLiteral(":\r\n") + line +
                      QStringLiteral("\r\nThe line may have been split, so the troop's six "
                                     "lines were read shifted; the troop editor") +
                      unreadable());
        }
        bool shifted = false;
        for (qsizetype k = first + 1; k <= i && k < lineCount; ++k) {
            if (NamesTroop(lines.at(k))) {
                shifted = true;
                notes.add(notes.line(k + 1) + QStringLiteral(" begins a troop, but ") +
                          TroopID.last() +
                          QStringLiteral(" before it takes it as one of its six lines:\r\n") +
                          lines.at(k) + QStringLiteral("\r\nA line of ") + TroopID.last() +
                          QStringLiteral(" may have been lost, so the troops after it were read "
                                         "shifted; the troop editor") +
                          unreadable());
                break;
            }
        }
        // A lost line or an empty line put in shifts the later lines of the
        // troop into each other's places; the end of the file cutting the
        // troop short is no damage of its own.
        const TroopLineShape* shortLine = shifted ? nullptr : ShortTroopLine(troop);
        const qsizetype number = shortLine ? first + shortLine->recordLine : 0;
        if (shortLine && LineWord(line, TroopHeadWords - 1) && number <= lineCount) {
            const QString& text = lines.at(number - 1);
            notes.add(notes.line(number) + QStringLiteral(", line ") +
                      QString::number(shortLine->recordLine) + QStringLiteral(" of ") +
                      TroopID.last() + QStringLiteral(" (its ") + QLatin1String(shortLine->what) +
                      QStringLiteral("), holds ") +
                      Numbers(text.split(u' ', Qt::SkipEmptyParts).size()) +
                      QStringLiteral(" where that line holds ") +
                      QString::number(shortLine->numbers) + QStringLiteral(":\r\n") + text +
                      QStringLiteral("\r\nA line of the troop may have been lost or an empty "
                                     "line put in, so its lines were read shifted; the troop "
                                     "editor") +
                      unreadable());
        }
    }

    const int found = int(TroopLine.size());
    TroopMax = found - 1;
    if (found > GameTroopLimit) {
        notes.add(QStringLiteral("Your ") + TroopsFile + QStringLiteral(" holds ") +
                  QString::number(found) + QStringLiteral(" troops; the game reads no more than ") +
                  QString::number(GameTroopLimit) +
                  QStringLiteral(". The editor keeps them all and saves them all."));
    }
    notes.show(TroopsDropped.told());
    if (!count || *count != found) {
        ShowCountMismatch(TroopsFile, TroopsCount, found, QStringLiteral("troop"));
    }
    ReportPending(failure, QStringLiteral("LoadTextTroops"));
    return true;
}

bool SaveTextTroops() {
    if (!TroopsDropped.maySave()) {
        return false;
    }
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
    return TroopsDropped.afterSave(
        SaveModuleTextFile(TroopsFile, lines, QStringLiteral("Troops saved..."),
                           QStringLiteral("SaveTextTroops"), QString(), TroopsLineEnds));
}
