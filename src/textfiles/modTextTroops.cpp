#include "textfiles/modTextTroops.h"

#include "shell/modCore.h"
#include "shell/modMain.h"
#include "textfiles/KeptRecords.h"
#include "textfiles/modTextFiles.h"

#include <algorithm>

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
// The file as last read, which a save gives back wherever nothing changed; an
// empty line stands before every troop but the first.
KeptRecords TroopsKept(KeptRecords::Layout::Before);
// Line 2 as last read, written back while it holds the number of troops.
QString TroopsCountRead;
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

// The words of a line that are whole numbers.
qsizetype NumbersIn(const QString& line) {
    const QList<QStringView> words = QStringView(line).split(u' ', Qt::SkipEmptyParts);
    return std::count_if(words.begin(), words.end(),
                         [](QStringView word) { return NumberWords(word) == 1; });
}

const HeldRecordWords HeldTroopWords = {
    QStringLiteral("troop"), QStringLiteral("trp_"),
    QStringLiteral("inventory, attributes, proficiencies, skills and faces")};

// Whether lines `at` to `at` + 4 are a troop's inventory (pairs of item and
// modifier), attribute, proficiency, skill and face lines: the lines a troop
// whose first line was emptied or lost leaves between the troops around it.
// The game writes no such lines outside a troop.
bool TroopTailAt(const QStringList& lines, qsizetype at) {
    const qsizetype items = NumberWords(lines.at(at));
    if (items < 2 || items % 2 != 0) {
        return false;
    }
    for (const TroopLineShape& shape : TroopLineShapes) {
        if (NumberWords(lines.at(at + shape.recordLine - 2)) < shape.numbers) {
            return false;
        }
    }
    return true;
}

void RebuildTroop(int i, QStringList& lines) {
    lines.resize(6);
    lines[0] = TroopLine.value(i);
    lines[1] = TroopItemLine.value(i);
    lines[2] = TroopAttribLine.value(i);
    lines[3] = TroopProfLine.value(i);
    lines[4] = TroopSkillLine.value(i);
    lines[5] = TroopFaceLine.value(i);
}

void ClearTroopTables() {
    for (QStringList* table : {&TroopLine, &TroopItemLine, &TroopAttribLine, &TroopProfLine,
                               &TroopSkillLine, &TroopFaceLine, &TroopID, &TroopName}) {
        table->clear();
    }
}

} // namespace

bool TroopHasSoundShape(int i) {
    if (i < 0 || i > TroopMax || ReadOtherHead(TroopsFile) || !NamesTroop(TroopLine.at(i)) ||
        !LineWord(TroopLine.at(i), TroopHeadWords - 1)) {
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
    TroopsCountRead.clear();
    TroopMax = -1;
    ClearTroopTables();

    QStringList lines;
    if (!TroopsKept.read(TroopsFile, lines, TroopsLineEnds, RebuildTroop, failure)) {
        ReportPending(failure, QStringLiteral("LoadTextTroops"));
        return false;
    }
    const qsizetype lineCount = lines.size();
    TroopsHeader = lineCount > 0 ? lines.at(0) : QString();
    TroopsCount = lineCount > 1 ? lines.at(1) : QString();
    TroopsCountRead = TroopsCount;
    const bool ourHead =
        TakeFileHead(TroopsFile, TroopsHeader, TroopsCount, QStringLiteral("troops"));

    // A record starts at any line naming a troop id and takes the five lines
    // after it, whatever they hold. Every line is kept where it stands: the
    // user is told of the lines that belong to no troop and of every troop
    // whose lines are out of shape (a line split in two, lost or put in by a
    // hand edit), which the editor shows as unreadable and never rebuilds.
    LoadNotes notes(TroopsFile, QStringLiteral("troop editor"));
    StrayLines stray(TroopsFile, QStringLiteral("troop"));
    const auto unreadable = [](int troop) {
        return QStringLiteral(" the troop editor shows troop # ") + QString::number(troop) +
               QStringLiteral(" as unreadable and does not update it.");
    };
    // A first line without a name is told as a troop out of shape below.
    const auto append = [&](const QString& head, qsizetype tailAt) {
        TroopLine.append(head);
        for (QStringList* table :
             {&TroopItemLine, &TroopAttribLine, &TroopProfLine, &TroopSkillLine, &TroopFaceLine}) {
            table->append(tailAt < lineCount ? lines.at(tailAt) : QString());
            ++tailAt;
        }
        TroopID.append(LineWord(head, 0).value_or(QString()));
        TroopName.append(LineWord(head, 1).value_or(QString()));
    };
    // The lines from `from` up to `to` belong to no troop found.
    const auto outsideTroops = [&](qsizetype from, qsizetype to) {
        HoldRecordsWithoutFirstLine(
            lines, from, to,
            [&](qsizetype at) {
                return at + 5 <= to && TroopTailAt(lines, at) ? std::optional(at + 5)
                                                              : std::nullopt;
            },
            [&](qsizetype first, qsizetype at, qsizetype end) {
                const int troop = int(TroopLine.size());
                append(first < at ? lines.at(first) : QString(), at);
                TroopsKept.add(first, end);
                notes.add(HeldRecordNote(notes, lines, first, at, end, troop, HeldTroopWords) +
                          unreadable(troop));
            },
            [&](qsizetype at) { stray.add(at + 1, lines.at(at), TroopID); });
    };

    qsizetype outside = std::min<qsizetype>(2, lineCount); // the first line of no troop
    for (qsizetype i = outside; i < lineCount; ++i) {
        const QString& line = lines.at(i);
        if (!NamesTroop(line)) {
            continue;
        }
        outsideTroops(outside, i);
        const int troop = int(TroopLine.size());
        const qsizetype first = i;
        // More troops than the game holds are kept and saved all the same, but
        // the user is told that the file goes beyond what the game reads.
        if (troop == GameTroopLimit) {
            failure.raise(Err::SubscriptOutOfRange);
        }
        append(line, first + 1);
        i = std::min(first + 6, lineCount) - 1;
        TroopsKept.add(first, i + 1);
        outside = i + 1;

        if (!LineWord(line, TroopHeadWords - 1)) {
            notes.add(notes.line(first + 1) + QStringLiteral(" begins ") + TroopAfter(troop) +
                      QStringLiteral(", but holds ") + Words(line.count(u' ') + 1) +
                      QStringLiteral(" where a troop's first line holds ") +
                      QString::number(TroopHeadWords) + QStringLiteral(":\r\n") + line +
                      QStringLiteral("\r\nThe line may have been split, so the troop's six "
                                     "lines were read shifted;") +
                      unreadable(troop));
            continue;
        }
        bool shifted = false;
        for (qsizetype k = first + 1; k <= i; ++k) {
            if (NamesTroop(lines.at(k))) {
                shifted = true;
                notes.add(notes.line(k + 1) + QStringLiteral(" begins a troop, but ") +
                          TroopID.last() +
                          QStringLiteral(" before it takes it as one of its six lines:\r\n") +
                          lines.at(k) + QStringLiteral("\r\nA line of ") + TroopID.last() +
                          QStringLiteral(" may have been lost, so the troops after it were read "
                                         "shifted;") +
                          unreadable(troop));
                break;
            }
        }
        if (shifted) {
            continue;
        }
        if (first + 6 > lineCount) {
            notes.add(QStringLiteral("Your ") + TroopsFile + QStringLiteral(" ends on line ") +
                      QString::number(lineCount) + QStringLiteral(", inside ") + TroopID.last() +
                      QStringLiteral(", whose six lines begin on line ") +
                      QString::number(first + 1) +
                      QStringLiteral(". The file may have been cut short;") + unreadable(troop));
            continue;
        }
        // A lost line or an empty line put in shifts the later lines of the
        // troop into each other's places.
        if (const TroopLineShape* shortLine = ShortTroopLine(troop)) {
            const qsizetype number = first + shortLine->recordLine;
            const QString& text = lines.at(number - 1);
            notes.add(notes.line(number) + QStringLiteral(", line ") +
                      QString::number(shortLine->recordLine) + QStringLiteral(" of ") +
                      TroopID.last() + QStringLiteral(" (its ") + QLatin1String(shortLine->what) +
                      QStringLiteral("), holds ") + Numbers(NumbersIn(text)) +
                      QStringLiteral(" where that line holds ") +
                      QString::number(shortLine->numbers) + QStringLiteral(":\r\n") + text +
                      QStringLiteral("\r\nA line of the troop may have been lost or an empty "
                                     "line put in, so its lines were read shifted;") +
                      unreadable(troop));
        }
    }
    outsideTroops(outside, lineCount);
    TroopsKept.finish(RebuildTroop);

    const int found = int(TroopLine.size());
    TroopMax = found - 1;
    if (!ourHead) {
        // Its records are laid out otherwise, or stand elsewhere than read:
        // told once, and nothing of them.
        ShowOtherHead(TroopsFile, QStringLiteral("troops"), QStringLiteral("troop editor"));
        ReportPending(failure, QStringLiteral("LoadTextTroops"));
        return true;
    }
    if (found > GameTroopLimit) {
        notes.add(QStringLiteral("Your ") + TroopsFile + QStringLiteral(" holds ") +
                  QString::number(found) + QStringLiteral(" troops; the game reads no more than ") +
                  QString::number(GameTroopLimit) +
                  QStringLiteral(". The editor keeps them all and saves them all."));
    }
    notes.show(stray.told());
    if (const int count = CountValue(TroopsCount).value(); count != found) {
        ShowCountMismatch(TroopsFile, count, found, QStringLiteral("troop"));
    }
    ReportPending(failure, QStringLiteral("LoadTextTroops"));
    return true;
}

bool SaveTextTroops() {
    if (!MaySaveFileHead(TroopsFile)) {
        return false;
    }
    TroopsCount = CountLineFor(TroopMax + 1, TroopsCountRead, true);
    return TroopsKept.save(TroopsFile, TroopsHeader, TroopsCount, TroopMax + 1, RebuildTroop,
                           QStringLiteral("Troops saved..."), QStringLiteral("SaveTextTroops"));
}

void KeepTroopAppended(int i) {
    TroopsKept.insert(i);
}

void KeepTroopRemoved(int i) {
    TroopsKept.remove(i);
}
