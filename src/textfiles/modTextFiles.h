#pragma once

#include "platform/Failure.h"
#include "platform/TextFile.h"
#include "textfiles/FileHead.h"
#include "textfiles/LoadNotes.h"

#include <QString>
#include <QStringList>

#include <optional>

// What the loaders and savers of the compiled module files share.

// Word `index` of `line` cut at every single blank (a leading blank, a closing
// blank or two blanks in a row give empty words), found without cutting the
// rest of the line; no value when the line has fewer words.
std::optional<QString> LineWord(const QString& line, int index);
// The same, or the empty text with failure 9.
QString WordAt(const QString& line, int index, PendingFailure& failure);

// Whether the line holds nothing but blanks (the empty line too), as the
// lines the game writes between records do.
bool IsBlankLine(QStringView line);

// How many words `line` holds when every word of it (between blanks) is a
// number: an optional minus sign and digits, with one decimal point among
// them when `fractions`; -1 when a word is none.
qsizetype NumberWords(QStringView line, bool fractions = false);

// The number a count line holds (line 2 of a file), read with every blank
// removed. Loaders and savers both read counts through this one conversion, so
// a file read and written back agrees with itself.
std::optional<int> CountValue(const QString& line);
// A per-record count (the faction and trigger counts of an item): the same
// reading, within the 16-bit range the game gives these counts; no number, or
// one beyond that range, counts as zero and announces no lines.
int CountOrZero(const QString& line);

// How many records a counted file's tables hold after `read` of the `count`
// its count line announced were found: the records a short file lacks stay as
// empty records, so that the indexes other module files hold into this one
// still name a record. Never more empty records than a 16-bit count announces.
int RecordsHeld(int count, int read);

// The count line a save writes for `count` records: the count line as read
// (`asRead`) while it holds that number, else the number, with a blank after
// it when the line as read had one; after a line that held no number, in the
// game's style (`blankAfter`).
QString CountLineFor(int count, const QString& asRead, bool blankAfter);

// The common end of every saver of a module file in ModuleFolder: offers the
// time-stamped backup of `fileName` (stem, "_", time stamp, ".txt"), writes
// `lines` atomically, and reports. The success box (titled `savedTitle`, or
// `savedTitleNoBackup` when no backup was made, if given) appears only when
// the file was written and names the backup only when the copy succeeded; a
// failure is reported after it through ReportError with `procName`. The lines
// end as `ends` says (SaveTextLines). A file changed on disk since it was
// read is replaced only when the user agrees. Returns whether the file now
// holds the lines.
bool SaveModuleTextFile(const QString& fileName, const QStringList& lines,
                        const QString& savedTitle, const QString& procName,
                        const QString& savedTitleNoBackup = QString(),
                        const LineEnds& ends = LineEnds());

// Whether a counted file (CountedFile) may be written from its tables: not
// when the last load read it as of another version (`head`, MaySaveFileHead),
// nor when it did not read it whole (writing the part that was read would cut
// the file short), nor when it read its records shifted (a changed record
// would be written over the wrong lines). The user is told why not.
bool MaySaveCountedFile(const FileHead& head, bool complete, bool shifted);

// Reads `fileName` from ModuleFolder into lines; false (failure raised) when
// the file cannot be read. `ends` as for ReadTextLines.
bool ReadModuleTextFile(const QString& fileName, QStringList& lines, PendingFailure& failure,
                        LineEnds* ends = nullptr);

// A file that announces on line 2 how many records follow and holds exactly
// that many after it (factions, parties, party templates). Reading past the end
// marks the load incomplete; the lines after the last record read are kept.
// What is wrong with the file is noted for the user; a file of another version
// (ReadVersionHead) is told so instead, and nothing else of it. A damage told
// so is no failure of the program: only a file that cannot be read is one.
class CountedFile {
public:
    // Reads the file of `format` from ModuleFolder and takes lines 1 and 2.
    CountedFile(const TextFileFormat& format, PendingFailure& failure);

    // Lines 1 and 2, and whether the editor reads the file as its own.
    const FileHead& head() const { return m_head; }

    // The number of records `text` announces: 0 when it announces none that
    // can be read (no number, one below zero, or no text at all: a missing
    // word of the count line). That is no failure of the program: tellDamage
    // tells the user what line 2 reads, and the file is not saved.
    int recordCount(const std::optional<QString>& text);
    // Whether another record starts before the end of the file.
    bool startRecord();
    // The next line; the empty text at the end of the file.
    QString next();
    // The line `ahead` lines after the one the last next() returned, not read
    // yet; the empty text past the end of the file.
    QString peek(qsizetype ahead = 0) const { return m_lines.value(m_next + ahead); }
    // The line number (from 1) of the line the last next() returned.
    qsizetype lineNumber() const { return m_next; }
    // The lines not read yet.
    QStringList rest() const { return m_lines.mid(m_next); }
    // Whether the file was read and held every record its count announced.
    bool complete() const { return m_readable && m_countOk && !m_pastEnd; }
    // How the file's lines end, each line's own included: a file read whole
    // is written back line for line.
    const LineEnds& lineEnds() const { return m_ends; }

    // Notes for the user that the record whose first line is line `line`
    // (from 1) is damaged, as `note` says.
    void noteRecord(qsizetype line, const QString& note);
    // Notes that line `line` (from 1) is not the line of a record that its
    // place calls for, as `note` says: a line is missing or one too many, and
    // the records from there on were read shifted. Only the first such place
    // is told (the others follow from it), and none inside a record that the
    // end of the file cut short.
    void noteShifted(qsizetype line, const QString& note);
    // Whether the records were read shifted.
    bool shifted() const { return m_shifted; }
    // Whether the load tells the user that the file is damaged (tellDamage):
    // not read whole, read shifted, a record noted, or of another version.
    bool toldDamaged() const {
        return !complete() || m_shifted || !m_head.readsAsOwn() || !m_notes.isEmpty();
    }
    // Ends the load: tells the user of the records that follow those the count
    // line announces (lines of the rest for which `beginsRecord` holds), and
    // in a box of its own of what was noted damaged, a file cut short or a
    // count that is no number included, and of the lines of no record after
    // the last (`stray`, StrayLines::told) unless records follow it.
    void tellDamage(bool (*beginsRecord)(const QString& line), const QString& stray = QString());

private:
    QStringList m_lines;
    qsizetype m_next = 0;
    int m_count = 0;   // the records line 2 announces
    int m_started = 0; // the records begun
    bool m_readable = false;
    bool m_countOk = false;
    bool m_pastEnd = false;
    bool m_recordCut = false; // the end of the file came inside a record
    bool m_shifted = false;
    FileHead m_head;
    LineEnds m_ends;
    LoadNotes m_notes;
};
