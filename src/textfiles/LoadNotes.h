#pragma once

#include <QString>
#include <QStringList>

// What the loaders of the compiled module files tell the user of the damage
// they found in a file: one box after the load, and the count line's messages.

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

// The paragraph for the load's box (StrayLines::told) of `lines` of
// `fileName`, which stand from line `firstNumber` on after the records whose
// ids are `idsBefore`: those that hold more than blanks belong to no record of
// `kind`. Empty when none does.
QString StrayLinesAfter(const QString& fileName, const QString& kind, qsizetype firstNumber,
                        const QStringList& lines, const QStringList& idsBefore);

// How the load names the records of a kind that it holds without their first
// line (emptied or lost): read out of shape, in their place, so that every
// later record keeps its number.
struct HeldRecordWords {
    QString kind;   // "troop"
    QString prefix; // "trp_", which begins every id
    QString parts;  // what the lines after the first hold ("faces")
};
// The note for record `record` held from lines `first` up to `end` (counted
// from 0) whose first line is missing (`first` == `at`) or names no record
// (line `first`, the lines after it from `at` on); the caller adds what the
// editor does with it.
QString HeldRecordNote(const LoadNotes& notes, const QStringList& lines, qsizetype first,
                       qsizetype at, qsizetype end, int record, const HeldRecordWords& words);

// A line of a file quoted in a message, cut when it is too long for a box to
// show: no line the game writes, nor any sentence of ours, comes near the
// limit.
QString CutLongLine(const QString& line);
