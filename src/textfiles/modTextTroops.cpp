#include "textfiles/modTextTroops.h"

#include "shell/modCore.h"
#include "shell/modMain.h"
#include "textfiles/KeptRecords.h"
#include "textfiles/RecordFile.h"
#include "textfiles/modTextFiles.h"

#include <algorithm>

int TroopMax = -1;
QStringList TroopLine;
QStringList TroopItemLine;
QStringList TroopAttribLine;
QStringList TroopProfLine;
QStringList TroopSkillLine;
QStringList TroopFaceLine;
QStringList TroopID;
QStringList TroopName;

namespace {
const TextFileFormat TroopsFormat = {QStringLiteral("troops.txt"),
                                     QStringLiteral("troopsfile version 2"),
                                     QStringLiteral("troops"), QStringLiteral("troop editor")};
} // namespace

// Named from the start, so that its words serve before any load.
FileHead TroopsHead(TroopsFormat);

namespace {

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
    TroopMax = -1;
}

// Appends a troop of the first line `head` and the five lines from `at` on
// (empty past the end of the file).
void AppendTroopLines(const QStringList& lines, const QString& head, qsizetype at) {
    TroopLine.append(head);
    for (QStringList* table :
         {&TroopItemLine, &TroopAttribLine, &TroopProfLine, &TroopSkillLine, &TroopFaceLine}) {
        table->append(lines.value(at++));
    }
    TroopID.append(LineWord(head, 0).value_or(QString()));
    TroopName.append(LineWord(head, 1).value_or(QString()));
}

// What the load tells of a troop whose lines are out of shape, the troop's
// first line being line `first` (counted from 0) of `lines`: the first line
// holds too few words (split in two),
QString SplitHeadNote(const LoadNotes& notes, const QStringList& lines, qsizetype first,
                      int troop) {
    const QString& line = lines.at(first);
    return notes.line(first + 1) + QStringLiteral(" begins ") + TroopAfter(troop) +
           QStringLiteral(", but holds ") + Words(line.count(u' ') + 1) +
           QStringLiteral(" where a troop's first line holds ") + QString::number(TroopHeadWords) +
           QStringLiteral(":\r\n") + line +
           QStringLiteral("\r\nThe line may have been split, so the troop's six lines were read "
                          "shifted;");
}

// a later line `k` begins a troop (a line of this one lost),
QString LostLineNote(const LoadNotes& notes, const QStringList& lines, qsizetype k) {
    const QString& id = TroopID.last();
    return notes.line(k + 1) + QStringLiteral(" begins a troop, but ") + id +
           QStringLiteral(" before it takes it as one of its six lines:\r\n") + lines.at(k) +
           QStringLiteral("\r\nA line of ") + id +
           QStringLiteral(" may have been lost, so the troops after it were read shifted;");
}

// the file ends inside it,
QString CutShortNote(const QStringList& lines, qsizetype first) {
    return QStringLiteral("Your ") + TroopsFormat.fileName + QStringLiteral(" ends on line ") +
           QString::number(lines.size()) + QStringLiteral(", inside ") + TroopID.last() +
           QStringLiteral(", whose six lines begin on line ") + QString::number(first + 1) +
           QStringLiteral(". The file may have been cut short;");
}

// or a later line holds fewer words than the record reads from it (a line
// lost or an empty line put in).
QString ShortLineNote(const LoadNotes& notes, const QStringList& lines, qsizetype first,
                      const TroopLineShape& shape) {
    const qsizetype number = first + shape.recordLine;
    const QString& text = lines.at(number - 1);
    return notes.line(number) + QStringLiteral(", line ") + QString::number(shape.recordLine) +
           QStringLiteral(" of ") + TroopID.last() + QStringLiteral(" (its ") +
           QLatin1String(shape.what) + QStringLiteral("), holds ") + Numbers(NumbersIn(text)) +
           QStringLiteral(" where that line holds ") + QString::number(shape.numbers) +
           QStringLiteral(":\r\n") + text +
           QStringLiteral("\r\nA line of the troop may have been lost or an empty line put in, "
                          "so its lines were read shifted;");
}

// A record starts at any line naming a troop id and takes the five lines
// after it, whatever they hold.
RecordRead ReadTroop(const QStringList& lines, qsizetype first, const LoadNotes& notes) {
    const int troop = int(TroopLine.size());
    const QString& line = lines.at(first);
    AppendTroopLines(lines, line, first + 1);
    const qsizetype end = std::min(first + 6, lines.size());
    if (!LineWord(line, TroopHeadWords - 1)) {
        return {end, SplitHeadNote(notes, lines, first, troop)};
    }
    for (qsizetype k = first + 1; k < end; ++k) {
        if (NamesTroop(lines.at(k))) {
            return {end, LostLineNote(notes, lines, k)};
        }
    }
    if (first + 6 > lines.size()) {
        return {end, CutShortNote(lines, first)};
    }
    if (const TroopLineShape* shortLine = ShortTroopLine(troop)) {
        return {end, ShortLineNote(notes, lines, first, *shortLine)};
    }
    return {end, QString()};
}

std::optional<qsizetype> TroopTailEnd(const QStringList& lines, qsizetype at, qsizetype to) {
    return at + 5 <= to && TroopTailAt(lines, at) ? std::optional(at + 5) : std::nullopt;
}

void HoldTroop(const QStringList& lines, qsizetype first, qsizetype at, const LoadNotes&) {
    AppendTroopLines(lines, first < at ? lines.at(first) : QString(), at);
}

void TroopsLoaded(int found) {
    TroopMax = found - 1;
}

// The file as last read, which a save gives back wherever nothing changed; an
// empty line stands before every troop but the first.
KeptRecords TroopsKept(KeptRecords::Layout::Before, RebuildTroop);

const RecordFile TroopsFile = {
    .format = TroopsFormat,
    .words = {QStringLiteral("troop"), QStringLiteral("trp_"),
              QStringLiteral("inventory, attributes, proficiencies, skills and faces")},
    .loadProc = QStringLiteral("LoadTextTroops"),
    .saveProc = QStringLiteral("SaveTextTroops"),
    .savedTitle = QStringLiteral("Troops saved..."),
    .gameLimit = 5001, // troops 0 to 5000
    .countBlankAfter = true,
    .head = &TroopsHead,
    .kept = &TroopsKept,
    .ids = &TroopID,
    .clearTables = ClearTroopTables,
    .beginsRecord = NamesTroop,
    .readRecord = ReadTroop,
    .tailEnd = TroopTailEnd,
    .holdRecord = HoldTroop,
    .cutShortNote = nullptr,
    .loaded = TroopsLoaded,
};

} // namespace

bool TroopHasSoundShape(int i) {
    if (i < 0 || i > TroopMax || !TroopsHead.readsAsOwn() || !TroopsKept.sound(i) ||
        !NamesTroop(TroopLine.at(i)) || !LineWord(TroopLine.at(i), TroopHeadWords - 1)) {
        return false;
    }
    // A troop's lines, unlike an item's, show their shape as they stand: a
    // change since the load may have put another troop's line among them.
    for (const QStringList* table :
         {&TroopItemLine, &TroopAttribLine, &TroopProfLine, &TroopSkillLine, &TroopFaceLine}) {
        if (NamesTroop(table->at(i))) {
            return false;
        }
    }
    return ShortTroopLine(i) == nullptr;
}

bool LoadTextTroops() {
    return LoadRecordFile(TroopsFile);
}

bool SaveTextTroops() {
    return SaveRecordFile(TroopsFile, TroopMax + 1);
}

QString TroopsCount() {
    return RecordCountLine(TroopsFile, TroopMax + 1);
}

TextCoding TroopsCoding() {
    return TroopsKept.coding();
}

void KeepTroopInserted(int i) {
    TroopsKept.insert(i);
}

void KeepTroopRemoved(int i) {
    TroopsKept.remove(i);
}
