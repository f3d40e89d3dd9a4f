#include "textfiles/modTextItems.h"

#include "shell/modCore.h"
#include "shell/modMain.h"
#include "text_editors/items/ItemRecord.h"
#include "textfiles/KeptRecords.h"
#include "textfiles/RecordFile.h"
#include "textfiles/modTextFiles.h"

#include <algorithm>

int ItemMax = -1;
QStringList ItemLine;
QStringList ItemFactionCountLine;
QStringList ItemFactionLine;
QStringList ItemTriggerCountLine;
QList<QStringList> ItemTriggerLines;
QStringList ItemID;
QStringList ItemName;
QStringList ItemMeshCount;
QList<ItemMeshRow> ItemMeshes;
QList<ItemMeshRow> ItemMeshData;
QList<QStringList> ItemGapLines;

namespace {
const TextFileFormat ItemsFormat = {QStringLiteral("item_kinds1.txt"),
                                    QStringLiteral("itemsfile version 3"), QStringLiteral("items"),
                                    QStringLiteral("item editor")};
} // namespace

// Named from the start, so that its words serve before any load.
FileHead ItemsHead(ItemsFormat);

namespace {

void ClearItemTables() {
    for (QStringList* table : {&ItemLine, &ItemFactionCountLine, &ItemFactionLine,
                               &ItemTriggerCountLine, &ItemID, &ItemName, &ItemMeshCount}) {
        table->clear();
    }
    ItemTriggerLines.clear();
    ItemGapLines.clear();
    ItemMeshes.clear();
    ItemMeshData.clear();
    ItemMax = -1;
}

bool StartsItem(const QString& line) {
    // One character is found much faster than four, and trigger lines, long
    // as they are, hold none.
    return line.contains(u'_') && line.contains(QLatin1String("itm_"));
}

// Walks the lines of the file. The lines an item reads past blank lines, or
// as many as a count announces, end at a line that begins an item: a count
// may be damaged, a line naming an item starts one.
class LineReader {
public:
    LineReader(const QStringList& lines, qsizetype start) : m_lines(lines), m_next(start) {}
    bool atEnd() const { return m_next >= m_lines.size(); }
    // The line number (from 1) of the line the last next() returned, which
    // is also the index (from 0) of the line after it.
    qsizetype lineNumber() const { return m_next; }
    QString next() { return atEnd() ? QString() : m_lines.at(m_next++); }
    // The next line, unless the file ends or an item begins first.
    std::optional<QString> nextInItem() {
        if (atEnd() || StartsItem(m_lines.at(m_next))) {
            return std::nullopt;
        }
        return m_lines.at(m_next++);
    }
    // The next line that holds more than blanks, the blank lines before it
    // going to `skipped`; nothing, and the blank lines left unread, when the
    // file ends or an item begins first.
    std::optional<QString> nextNonBlank(QStringList& skipped) {
        qsizetype at = m_next;
        while (at < m_lines.size() && IsBlankLine(m_lines.at(at))) {
            ++at;
        }
        if (at >= m_lines.size() || StartsItem(m_lines.at(at))) {
            skipped.clear();
            return std::nullopt;
        }
        skipped = m_lines.mid(m_next, at - m_next);
        m_next = at + 1;
        return m_lines.at(at);
    }
    // The index (from 0) of what stands where a missing line of an item
    // should: the line that begins the next item after any blank lines, or
    // the end of the file.
    qsizetype blocking() const {
        qsizetype at = m_next;
        while (at < m_lines.size() && IsBlankLine(m_lines.at(at))) {
            ++at;
        }
        return at;
    }

private:
    const QStringList& m_lines;
    qsizetype m_next;
};

// The game writes every item line as a blank and the item's id.
bool BeginsItem(const QString& line) {
    return line.startsWith(QLatin1String(" itm_"));
}

void RebuildItem(int i, QStringList& lines) {
    lines.clear();
    lines << ItemLine.value(i) << ItemFactionCountLine.value(i) << ItemGapLines.value(i);
    if (ItemFactionLineFollows(ItemFactionCountLine.value(i))) {
        lines << ItemFactionLine.value(i);
    }
    lines << ItemTriggerCountLine.value(i);
    if (ItemTriggerLinesAnnounced(ItemTriggerCountLine.value(i)) >= 1) {
        lines << ItemTriggerLines.value(i);
    }
}

void AppendItemLine(const QString& line) {
    ItemLine.append(line);
    ItemID.append(LineWord(line, 1).value_or(QString()));
    ItemName.append(LineWord(line, 2).value_or(QString()));
}

// What the load tells of an item whose lines are out of shape: a count of it
// that holds no number (`text`, on line `number` counted from 1),
QString NoNumberNote(const LoadNotes& notes, qsizetype number, const QString& what,
                     const QString& text) {
    return notes.line(number) + QStringLiteral(", the ") + what + QStringLiteral(" of ") +
           ItemID.last() + QStringLiteral(", holds no number:\r\n") + text +
           QStringLiteral("\r\nA line of the item may have been lost, emptied or put in, so its "
                          "lines were read shifted;");
}

// a line of it that the next item (on line `there`, counted from 0) or the
// end of the file stands in the place of, the item beginning on line `first`,
QString MissingLineNote(const LoadNotes& notes, const QStringList& lines, qsizetype first,
                        qsizetype there, const QString& what) {
    const QString& id = ItemID.last();
    if (there < lines.size()) {
        return notes.line(there + 1) + QStringLiteral(" begins an item where the ") + what +
               QStringLiteral(" of ") + id + QStringLiteral(" should stand:\r\n") +
               lines.at(there) + QStringLiteral("\r\nA line of ") + id +
               QStringLiteral(" may have been lost or a count damaged;");
    }
    return QStringLiteral("Your ") + ItemsFormat.fileName + QStringLiteral(" ends on line ") +
           QString::number(lines.size()) + QStringLiteral(", inside ") + id +
           QStringLiteral(" (from line ") + QString::number(first + 1) +
           QStringLiteral("), where its ") + what +
           QStringLiteral(" should stand. The file may have been cut short;");
}

// trigger line `k` of the `announced` that is empty (line `number`),
QString EmptyTriggerNote(const LoadNotes& notes, qsizetype number, int k, int announced) {
    return notes.line(number) + QStringLiteral(", trigger line ") + QString::number(k) +
           QStringLiteral(" of the ") + QString::number(announced) +
           QStringLiteral(" that the trigger count of ") + ItemID.last() +
           QStringLiteral(" announces, is empty.\r\nA trigger line may have been lost or "
                          "emptied;");
}

// a first line (`line`, line `first` counted from 0) that does not begin as
// the game writes it,
QString ItemLineNote(const LoadNotes& notes, const QString& line, qsizetype first, int item) {
    return notes.line(first + 1) + QStringLiteral(" begins item # ") + QString::number(item) +
           QStringLiteral(", but not with a blank and the item's id (itm_...), as the game "
                          "writes an item's first line:\r\n") +
           line + QStringLiteral("\r\nThe line may have been damaged;");
}

// a first line whose words do not take the shape of an item's (`shape`):
// split in two, or a word lost,
QString ItemWordsNote(const LoadNotes& notes, const QString& line, qsizetype first, int item,
                      const ItemLineShape& shape) {
    QString what;
    if (shape.fault == ItemLineShape::Fault::NoMeshCount) {
        what = QStringLiteral("its mesh count (the fourth word) holds no number");
    } else {
        what = QStringLiteral("holds ") + QString::number(shape.words) +
               (shape.words == 1 ? QStringLiteral(" word") : QStringLiteral(" words"));
        what += shape.needed > 0
                    ? QStringLiteral(" where the first line of an item of ") +
                          QString::number(shape.meshes) +
                          (shape.meshes == 1 ? QStringLiteral(" mesh holds ")
                                             : QStringLiteral(" meshes holds ")) +
                          QString::number(shape.needed)
                    : QStringLiteral(", too few for an item's first line (21 and two for each "
                                     "mesh)");
    }
    return notes.line(first + 1) + QStringLiteral(" begins item # ") + QString::number(item) +
           QStringLiteral(", but ") + what + QStringLiteral(":\r\n") + line +
           QStringLiteral("\r\nThe line may have been split in two or have lost a word, so the "
                          "item's words were read shifted;");
}

// or a line of no item (`line`, line `at` counted from 0) right after it,
// which a count of it announcing fewer lines than it has leaves.
QString CountTooSmallNote(const LoadNotes& notes, qsizetype at, const QString& line) {
    return notes.line(at + 1) + QStringLiteral(" stands where the item after ") + ItemID.last() +
           QStringLiteral(" should begin:\r\n") + line +
           QStringLiteral("\r\nA faction or trigger count of ") + ItemID.last() +
           QStringLiteral(" may be damaged, so its lines were read cut short;");
}

// Reads the lines of the item just begun on line `first` (from 0) after its
// first line, from where `in` stands, into the tables. Returns what is out of
// shape in them, told for the item; empty when nothing is.
QString ReadItemLines(LineReader& in, const QStringList& lines, qsizetype first,
                      const LoadNotes& notes) {
    // The first damage found, told for it.
    QString damage;
    const auto damaged = [&](const QString& note) {
        if (damage.isEmpty()) {
            damage = note;
        }
    };
    const auto noNumber = [&](const QString& what, const QString& text) {
        if (!ItemCountValue(text)) {
            damaged(NoNumberNote(notes, in.lineNumber(), what, text));
        }
    };
    // A line the item lacks: the end of the file or the next item stands
    // where it should.
    const auto missing = [&](const QString& what) {
        damaged(MissingLineNote(notes, lines, first, in.blocking(), what));
    };

    // The line after the item line is its faction count, whatever it holds.
    QString factionCount;
    if (in.atEnd()) {
        missing(QStringLiteral("faction count"));
    } else {
        factionCount = in.next();
        noNumber(QStringLiteral("faction count"), factionCount);
    }
    ItemFactionCountLine.append(factionCount);
    // The game writes an empty line after some faction counts; it is kept
    // where it stood, so that an unchanged item goes back as read.
    QStringList gap;
    std::optional<QString> triggerCount;
    if (ItemFactionLineFollows(factionCount)) {
        const std::optional<QString> factions = in.nextNonBlank(gap);
        ItemFactionLine.append(factions.value_or(QString()));
        if (factions) {
            triggerCount = in.nextInItem();
        } else {
            missing(QStringLiteral("faction line"));
        }
    } else {
        ItemFactionLine.append(QString());
        triggerCount = in.nextNonBlank(gap);
    }
    ItemGapLines.append(gap);
    if (triggerCount) {
        noNumber(QStringLiteral("trigger count"), *triggerCount);
    } else {
        missing(QStringLiteral("trigger count"));
    }
    ItemTriggerCountLine.append(triggerCount.value_or(QString()));
    // Every trigger line the count announces stays with the item, so the
    // count line written back always agrees with the lines after it; those
    // the file lacks are held as empty lines.
    QStringList triggers;
    const int announced = ItemTriggerLinesAnnounced(ItemTriggerCountLine.last());
    for (int k = 1; k <= announced; ++k) {
        const std::optional<QString> trigger = in.nextInItem();
        if (!trigger) {
            missing(QStringLiteral("trigger line ") + QString::number(k));
        } else if (IsBlankLine(*trigger)) {
            damaged(EmptyTriggerNote(notes, in.lineNumber(), k, announced));
        }
        triggers.append(trigger.value_or(QString()));
    }
    ItemTriggerLines.append(triggers);
    return damage;
}

// An item begins at any line naming an item id.
RecordRead ReadItem(const QStringList& lines, qsizetype first, const LoadNotes& notes) {
    const int item = int(ItemLine.size());
    const QString& line = lines.at(first);
    AppendItemLine(line);
    LineReader in(lines, first + 1);
    const QString later = ReadItemLines(in, lines, first, notes);
    if (!BeginsItem(line)) {
        return {in.lineNumber(), ItemLineNote(notes, line, first, item)};
    }
    // A mesh count below 1 is no sign of damage: the show reports it. A first
    // line that ends the file was cut short with it, which says more.
    const ItemLineShape shape = ShapeOfItemLine(line);
    const bool lastLine = first + 1 >= lines.size();
    if (!lastLine && (shape.fault == ItemLineShape::Fault::NoMeshCount ||
                      shape.fault == ItemLineShape::Fault::TooFewWords)) {
        return {in.lineNumber(), ItemWordsNote(notes, line, first, item, shape)};
    }
    return {in.lineNumber(), later};
}

// The count a line of an item holds when it holds one number and no more.
std::optional<int> LoneCount(const std::optional<QString>& line) {
    if (!line || NumberWords(*line) != 1 || CountOrZero(*line) < 0) {
        return std::nullopt;
    }
    return CountOrZero(*line);
}

// The line after the lines of an item after its first line, when those from
// `at` on take the shape the game writes them in (as ReadItemLines reads
// them): a faction count, as many factions on the faction line, a trigger
// count and as many trigger lines of numbers. These are what an item whose
// first line was emptied or lost leaves between the items around it; the
// game writes no such lines outside an item.
std::optional<qsizetype> ItemTailEnd(const QStringList& lines, qsizetype at, qsizetype) {
    // Another version lays its items out otherwise: no lines are an item's.
    if (!ItemsHead.readsAsOwn()) {
        return std::nullopt;
    }
    LineReader in(lines, at);
    const std::optional<int> factions = LoneCount(in.nextInItem());
    if (!factions) {
        return std::nullopt;
    }
    QStringList gap;
    std::optional<QString> triggerCount;
    if (*factions >= 1) {
        const std::optional<QString> factionLine = in.nextNonBlank(gap);
        if (!factionLine || NumberWords(*factionLine) != *factions) {
            return std::nullopt;
        }
        triggerCount = in.nextInItem();
    } else {
        triggerCount = in.nextNonBlank(gap);
    }
    const std::optional<int> triggers = LoneCount(triggerCount);
    if (!triggers) {
        return std::nullopt;
    }
    for (int k = 0; k < *triggers; ++k) {
        const std::optional<QString> trigger = in.nextInItem();
        if (!trigger || NumberWords(*trigger, true) < 1) {
            return std::nullopt;
        }
    }
    return in.lineNumber();
}

void HoldItem(const QStringList& lines, qsizetype first, qsizetype at, const LoadNotes& notes) {
    AppendItemLine(first < at ? lines.at(first) : QString());
    LineReader tail(lines, at);
    ReadItemLines(tail, lines, first, notes); // in shape, as ItemTailEnd found
}

void ItemsLoaded(int found) {
    ItemMax = found - 1;
    ItemMeshCount = QStringList(found, QString());
    ItemMeshes = QList<ItemMeshRow>(found, ItemMeshRow(ItemMeshSlots));
    ItemMeshData = ItemMeshes;
}

// The file as last read, which a save gives back wherever nothing changed; an
// empty line stands after every item.
KeptRecords ItemsKept(KeptRecords::Layout::After, RebuildItem);

const RecordFile ItemsFile = {
    .format = ItemsFormat,
    .words = {QStringLiteral("item"), QStringLiteral("itm_"),
              QStringLiteral("faction and trigger lines")},
    .loadProc = QStringLiteral("LoadTextItems"),
    .saveProc = QStringLiteral("SaveTextItems"),
    .savedTitle = QStringLiteral("Items saved..."),
    .gameLimit = 0,
    .countBlankAfter = false,
    .head = &ItemsHead,
    .kept = &ItemsKept,
    .ids = &ItemID,
    .clearTables = ClearItemTables,
    .beginsRecord = StartsItem,
    .readRecord = ReadItem,
    .tailEnd = ItemTailEnd,
    .holdRecord = HoldItem,
    .cutShortNote = CountTooSmallNote,
    .loaded = ItemsLoaded,
};

} // namespace

bool ItemHasSoundShape(int i) {
    return i >= 0 && i <= ItemMax && ItemsHead.readsAsOwn() && ItemsKept.sound(i);
}

bool LoadTextItems() {
    return LoadRecordFile(ItemsFile);
}

bool SaveTextItems() {
    return SaveRecordFile(ItemsFile, ItemMax + 1);
}

QString ItemsCount() {
    return RecordCountLine(ItemsFile, ItemMax + 1);
}

TextCoding ItemsCoding() {
    return ItemsKept.coding();
}

void KeepItemInserted(int at) {
    ItemsKept.insert(at);
}

void KeepItemRemoved(int at) {
    ItemsKept.remove(at);
}
