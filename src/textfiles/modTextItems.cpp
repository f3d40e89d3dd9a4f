#include "textfiles/modTextItems.h"

#include "shell/modCore.h"
#include "shell/modMain.h"
#include "textfiles/modTextFiles.h"

QString ItemsHeader;
QString ItemsCount;
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
LineEnds ItemsLineEnds;
QList<QStringList> ItemGapLines;

namespace {

const QString ItemsFile = QStringLiteral("item_kinds1.txt");
// The lines of the file as last read that the next save drops.
DroppedLines ItemsDropped;

void ClearItemTables() {
    for (QStringList* table : {&ItemLine, &ItemFactionCountLine, &ItemFactionLine,
                               &ItemTriggerCountLine, &ItemID, &ItemName, &ItemMeshCount}) {
        table->clear();
    }
    ItemTriggerLines.clear();
    ItemGapLines.clear();
    ItemMeshes.clear();
    ItemMeshData.clear();
}

// Walks the lines of the file; reading past the end gives empty lines, as an
// item cut short by the end of the file keeps empty texts for what is missing.
class LineReader {
public:
    LineReader(const QStringList& lines, qsizetype start) : m_lines(lines), m_next(start) {}
    bool atEnd() const { return m_next >= m_lines.size(); }
    // The line number (from 1) of the line the last next() returned.
    qsizetype lineNumber() const { return m_next; }
    QString next() { return atEnd() ? QString() : m_lines.at(m_next++); }
    // The next line that holds more than blanks; the empty text at the end.
    // The blank lines before it go to `skipped`, unless the end of the file
    // came first: they then stand at the end of a file cut short.
    QString nextNonBlank(QStringList& skipped) {
        const qsizetype from = m_next;
        while (!atEnd()) {
            const QString& line = m_lines.at(m_next++);
            if (!RemoveSpaces(line).isEmpty()) {
                skipped = m_lines.mid(from, m_next - 1 - from);
                return line;
            }
        }
        skipped.clear();
        return QString();
    }

private:
    const QStringList& m_lines;
    qsizetype m_next;
};

// The game writes every item line as a blank and the item's id. A line of
// another shape where an item should begin, or an item line taken as a
// trigger line, means that a count of the item before it is damaged: the items
// after it are then read shifted, and a save would rewrite them so.
bool BeginsItem(const QString& line) {
    return line.startsWith(QLatin1String(" itm_"));
}

struct MisplacedLine {
    qsizetype number = 0;
    QString text;
    QString itemBefore; // the id of the item read before it; empty for none
    bool readAsTrigger = false;
};

QString MisplacedNote(const MisplacedLine& line) {
    QString where;
    if (line.readAsTrigger) {
        where = QStringLiteral(" begins an item, but the trigger count of ") + line.itemBefore +
                QStringLiteral(" takes it as one of its trigger lines:");
    } else if (line.itemBefore.isEmpty()) {
        where = QStringLiteral(" stands where the first item should begin:");
    } else {
        where = QStringLiteral(" stands where the item after ") + line.itemBefore +
                QStringLiteral(" should begin:");
    }
    return QStringLiteral("Line ") + QString::number(line.number) + QStringLiteral(" of your ") +
           ItemsFile + where + QStringLiteral("\r\n") + line.text +
           QStringLiteral("\r\n\r\nA faction or trigger count may be damaged, so the items after "
                          "it may have been read wrongly.");
}

} // namespace

bool LoadTextItems() {
    PendingFailure failure;
    ItemsHeader.clear();
    ItemsCount.clear();
    ItemMax = -1;
    ClearItemTables();

    ItemsDropped = DroppedLines(ItemsFile, QStringLiteral("item"));
    QStringList lines;
    LineEnds ends;
    // The only failure this loader reports: an editor that started from an
    // empty table would otherwise save it over the file it could not read.
    if (!ReadModuleTextFile(ItemsFile, lines, failure, &ends)) {
        ReportPending(failure, QStringLiteral("LoadTextItems"));
        return false;
    }
    // The save lays the items out anew, so its lines are not the lines read:
    // they all take the file's usual line end.
    ItemsLineEnds = {ends.usual, ends.lastLineEnded, {}, ends.coding, ends.bom};
    LineReader in(lines, 0);
    ItemsHeader = in.next();
    ItemsCount = in.next();

    // Only the first misplaced line is told: the ones after it follow from it.
    std::optional<MisplacedLine> misplaced;
    while (!in.atEnd()) {
        const QString line = in.next();
        const bool blank = RemoveSpaces(line).isEmpty();
        if (!misplaced && !BeginsItem(line) && !blank) {
            misplaced = MisplacedLine{in.lineNumber(), line, ItemID.value(ItemID.size() - 1)};
        }
        if (!line.contains(QLatin1String("itm_"))) {
            // The empty line after each item is the file's layout, which the
            // save writes anew; any other line would be lost.
            if (!blank) {
                ItemsDropped.add(in.lineNumber(), line,
                                 ItemID.isEmpty() ? QStringLiteral("before the first item")
                                                  : QStringLiteral("after ") + ItemID.last());
            }
            continue;
        }
        ItemLine.append(line);
        ItemID.append(LineWord(line, 1).value_or(QString()));
        ItemName.append(LineWord(line, 2).value_or(QString()));

        const QString factionCount = in.next();
        ItemFactionCountLine.append(factionCount);
        // The game writes an empty line after some faction counts; it is kept
        // where it stood, so that an unchanged item goes back as read.
        QStringList gap;
        if (CountOrZero(factionCount) >= 1) {
            ItemFactionLine.append(in.nextNonBlank(gap));
            ItemTriggerCountLine.append(in.next());
        } else {
            ItemFactionLine.append(QString());
            ItemTriggerCountLine.append(in.nextNonBlank(gap));
        }
        ItemGapLines.append(gap);
        // Every trigger line the count announces stays with the item, so the
        // count line written back always agrees with the lines after it; those
        // the end of the file cut off stay as empty lines.
        QStringList triggers;
        for (int k = CountOrZero(ItemTriggerCountLine.last()); k > 0; --k) {
            triggers.append(in.next());
            if (!misplaced && BeginsItem(triggers.last())) {
                misplaced = MisplacedLine{in.lineNumber(), triggers.last(), ItemID.last(), true};
            }
        }
        ItemTriggerLines.append(triggers);
    }

    const int found = int(ItemLine.size());
    ItemMax = found - 1;
    ItemMeshCount = QStringList(found, QString());
    ItemMeshes = QList<ItemMeshRow>(found);
    ItemMeshData = QList<ItemMeshRow>(found);

    LoadNotes notes(ItemsFile, QStringLiteral("item editor"));
    if (misplaced) {
        notes.add(MisplacedNote(*misplaced));
    }
    notes.show(ItemsDropped.told());
    const std::optional<int> count = CountValue(ItemsCount);
    if (!count || *count != found) {
        ShowCountMismatch(ItemsFile, ItemsCount, found, QStringLiteral("item"));
    }
    return true;
}

bool SaveTextItems() {
    if (!ItemsDropped.maySave()) {
        return false;
    }
    ItemsCount = QString::number(ItemMax + 1);
    QStringList lines;
    lines.reserve(2 + 6 * (ItemMax + 1));
    lines << ItemsHeader << ItemsCount;
    for (int i = 0; i <= ItemMax; ++i) {
        lines << ItemLine.at(i) << ItemFactionCountLine.at(i) << ItemGapLines.value(i);
        if (CountOrZero(ItemFactionCountLine.at(i)) >= 1) {
            lines << ItemFactionLine.at(i);
        }
        lines << ItemTriggerCountLine.at(i);
        if (CountOrZero(ItemTriggerCountLine.at(i)) >= 1) {
            lines << ItemTriggerLines.at(i);
        }
        lines << QString();
    }
    // A file that ended right after its last item's lines, without the empty
    // line or a line end, ends so again (unless that last line is empty: it
    // would be no line at all then).
    if (!ItemsLineEnds.lastLineEnded && ItemMax >= 0 && !lines.at(lines.size() - 2).isEmpty()) {
        lines.removeLast();
    }
    return ItemsDropped.afterSave(
        SaveModuleTextFile(ItemsFile, lines, QStringLiteral("Items saved..."),
                           QStringLiteral("SaveTextItems"), QString(), ItemsLineEnds));
}
