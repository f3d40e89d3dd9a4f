#pragma once

#include "platform/Failure.h"
#include "platform/TextFile.h"

#include <QString>
#include <QStringList>

#include <functional>
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

// Tells the user that the `count` line 2 of `fileName` holds disagrees with
// the `found` records of `kind` ("troop", "item"); no failure, as the next
// save corrects it.
void ShowCountMismatch(const QString& fileName, int count, int found, const QString& kind);
// Tells the user that line 2 of `fileName` announces `count` records of
// `kinds` ("factions", "parties") while `found` follow it: the `editor` lists
// the announced ones only, and a save writes the others back as they stand.
void ShowCountTooSmall(const QString& fileName, int count, int found, const QString& kinds,
                       const QString& editor);

// What a loader found damaged in a file, told after the load in one box of
// its own, beside the failure report: which line and which record, and what
// a save will do with it. The user can mend the file before saving.
class LoadNotes {
public:
    // `editor` names the editor that saves the file ("troop editor").
    LoadNotes(const QString& fileName, const QString& editor);
    // One damaged place, in a sentence or two; the first few are told.
    void add(const QString& note);
    bool isEmpty() const { return m_notes.isEmpty(); }
    // "Line 14 of your troops.txt" (lines counted from 1).
    QString line(qsizetype number) const;
    // "Lines 14 to 18 of your troops.txt".
    QString lines(qsizetype first, qsizetype last) const;
    // Shows the box, if anything was noted or `stray` (a paragraph told
    // whole after the notes, StrayLines::told) is not empty.
    void show(const QString& stray = QString()) const;

private:
    QString m_fileName;
    QString m_editor;
    QStringList m_notes;
};

// The lines of a file that belong to no record, named at load: a save keeps
// them where they stand.
class StrayLines {
public:
    // `kind` names the records ("troop", "item").
    StrayLines(const QString& fileName, const QString& kind);
    // Line `number` (from 1) holding `text`, which stands after the records
    // whose ids are `idsBefore` (told "after trp_a", "before the first troop").
    void add(qsizetype number, const QString& text, const QStringList& idsBefore);
    // For the load's box: how many lines belong to no record, and the first
    // five by line number, place and text; empty when there are none.
    QString told() const;

private:
    QString m_fileName;
    QString m_kind;
    QStringList m_first; // the ones told
    qsizetype m_count = 0;
};

// The lines from `from` up to `to` (counted from 0) that no first line of a
// record claimed. A record whose first line was emptied or lost leaves its
// later lines there; they stay that record, read out of shape, in its place,
// so that the count and every later record's number stay. Wherever
// `tailAt`(k) finds such lines beginning at line k (which holds more than
// blanks), giving the line after them, `held`(first, k, end) takes lines
// `first` up to `end` as the record: its first line is line k - 1 when that
// is one of the lines not taken yet, else it has none (`first` == k). Every
// other line that holds more than blanks is `stray`(k).
void HoldRecordsWithoutFirstLine(
    const QStringList& lines, qsizetype from, qsizetype to,
    const std::function<std::optional<qsizetype>(qsizetype at)>& tailAt,
    const std::function<void(qsizetype first, qsizetype at, qsizetype end)>& held,
    const std::function<void(qsizetype at)>& stray);
// How the load tells of records of a kind held so.
struct HeldRecordWords {
    QString kind;   // "troop"
    QString prefix; // "trp_", which begins every id
    QString parts;  // what the lines after the first hold ("faces")
};
// The note for record `record` held from lines `first`, `at` and `end` as
// HoldRecordsWithoutFirstLine gave them; the caller adds what the editor does
// with it.
QString HeldRecordNote(const LoadNotes& notes, const QStringList& lines, qsizetype first,
                       qsizetype at, qsizetype end, int record, const HeldRecordWords& words);

// The version line the editor reads in each compiled file, line 1 as the game
// writes it ("troopsfile version 2"); empty for a file it does not know.
QString VersionLineRead(const QString& fileName);
// Takes line 1 of `fileName` as just read: whether the editor reads the
// version it names. Line 1 counts as naming another version when it holds the
// word "version" and, blanks aside, reads otherwise than the editor's (a line
// 1 naming no version is any text, kept as read). Until the next load of the
// file, the records of another version are not shown and the file is not
// saved (MaySaveFileHead).
bool TakeFileVersion(const QString& fileName, const QString& header);
// The same for a file whose line 2 a save corrects (troops.txt,
// item_kinds1.txt), taking line 2 too: a line 2 that holds no number is no
// count to correct but what a hand edit left there (line 1 lost, so that line
// 2 is the first record's line, or line 2 of other text). Such a file is
// handled as one of another version, so that line 2 is never written over.
// `kinds` names the records ("troops").
bool TakeFileHead(const QString& fileName, const QString& header, const QString& countLine,
                  const QString& kinds);
// Whether the last load of `fileName` found line 1 naming another version, or
// (TakeFileHead) a line 2 holding no number.
bool ReadOtherHead(const QString& fileName);
// Tells the user, in one box, that `fileName` (whose records are `kinds`,
// saved by the `editor`) is of another version, or does not begin as the
// editor reads it: what lines 1 and 2 read and what the editor expects there,
// and that its records are listed but not shown and the file is not saved.
void ShowOtherHead(const QString& fileName, const QString& kinds, const QString& editor);
// Whether the file may be written as the last load read it: not when
// ReadOtherHead (told in a "Not saved..." box).
bool MaySaveFileHead(const QString& fileName);
// Why `record` ("Troop # 5") of `fileName` is neither shown nor updated: its
// `lines` ("six lines") are out of shape, or the file's lines 1 and 2 are not
// read (ReadOtherHead).
QString UnreadableRecordText(const QString& record, const QString& fileName, const QString& lines);

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
// when it is of another version (MaySaveFileHead), nor when the last load
// did not read it whole (writing the part that was read
// would cut the file short), nor when it read its records shifted (a changed
// record would be written over the wrong lines). The user is told why not.
bool MaySaveCountedFile(const QString& fileName, bool complete, bool shifted);

// Reads `fileName` from ModuleFolder into lines; false (failure raised) when
// the file cannot be read. `ends` as for ReadTextLines.
bool ReadModuleTextFile(const QString& fileName, QStringList& lines, PendingFailure& failure,
                        LineEnds* ends = nullptr);

// A file that announces on line 2 how many records follow and holds exactly
// that many after it (factions, parties, party templates). Reading past the end
// marks the load incomplete; the lines after the last record read are kept.
// What is wrong with the file is noted for the user; a file of another version
// (TakeFileVersion) is told so instead, and nothing else of it. A damage told
// so is no failure of the program: only a file that cannot be read is one.
class CountedFile {
public:
    // Reads `fileName` from ModuleFolder and takes lines 1 and 2. `kinds`
    // names the records ("factions"), `editor` the editor that saves them.
    CountedFile(const QString& fileName, const QString& kinds, const QString& editor,
                PendingFailure& failure);

    QString header;    // line 1
    QString countLine; // line 2

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
        return !complete() || m_shifted || m_otherVersion || !m_notes.isEmpty();
    }
    // Ends the load: tells the user of the records that follow those the count
    // line announces (lines of the rest for which `beginsRecord` holds), and
    // in a box of its own of what was noted damaged, a file cut short or a
    // count that is no number included.
    void tellDamage(bool (*beginsRecord)(const QString& line));

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
    bool m_otherVersion = false;
    LineEnds m_ends;
    QString m_fileName;
    QString m_kinds;
    QString m_editor;
    LoadNotes m_notes;
};
