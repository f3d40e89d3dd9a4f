#pragma once

#include "platform/Failure.h"

#include <QString>
#include <QStringList>

#include <optional>
#include <utility>

// The two lines of a faction of factions.txt. Line 1, cut at single blanks:
// a lead word (FactionLineHasLeadWord; none on the game's first faction line,
// nor where the rank word stands on a line of its own), id, name, flag word (bit 0 set: the label
// is always hidden; the other bits are the game's and stay), colour (0xRRGGBB as a decimal number,
// bits above 24 kept), and whatever follows. Line 2: a blank, then the
// relations to faction 0, 1, 2 ... each followed by a blank and parted by two
// blanks.
struct FactionRecord {
    QString id;
    QString name;
    bool hideLabel = false; // bit 0 of the flag word (a word that is no number: any but "0")
    int red = 0;            // 0-255, the colour bars
    int green = 0;
    int blue = 0;
    // The relation to every faction as its text, index = faction (index 0, the
    // relation to faction 0, is not shown and is carried over as stored).
    QStringList relations;

    bool operator==(const FactionRecord&) const = default;
};

struct FactionRead {
    FactionRecord record;        // as far as the lines could be read
    QString colourWord;          // word 4 as stored, for ColourWord
    bool firstLineWhole = false; // line 1 holds every word, its numbers numbers
    bool relationsWhole = false; // line 2 holds a relation to every faction
    bool complete = false;       // both; only then may the record be updated
};

// Splits a faction's lines; `factionCount` is the number of factions the file
// holds (FactionsRead). Line 1 without its five words raises 9, a colour that
// is no number 13 (a number of any length is one: bits above 24 stay); a
// relation line with fewer relations than factions raises 9. The record then
// holds what was read and is not complete. Relations are read with every pair
// of blanks taken for one.
FactionRead DecodeFaction(const QString& line1, const QString& relationLine, int factionCount,
                          PendingFailure& failure);

// The two lines built from `record` on the stored ones: words whose field is
// unchanged stay as stored, the flag word changes bit 0 alone when the label
// box changed (a word that is no number becomes "0" or "1"), the colour word
// as ColourWord gives it, the words after the colour as they stood; the
// relation line stays as stored unless a relation changed, then it is written
// in the game's layout. Raises 9 and gives nothing when the stored lines are
// not complete.
std::optional<std::pair<QString, QString>> EncodeFaction(const FactionRecord& record,
                                                         const QString& storedLine1,
                                                         const QString& storedRelationLine,
                                                         int factionCount, PendingFailure& failure);

// The colour word for the bars: the stored word itself while its low 24 bits
// equal them, otherwise its bits above 24 with the bars' colour, in decimal.
// A stored word that is no number counts as 0.
QString ColourWord(const QString& storedWord, int red, int green, int blue);

// The message that refuses `record` (an id, name or relation that would shift
// its line, an id without "fac_"), or the empty text.
QString FactionProblem(const FactionRecord& record);
// The message that refuses `text` typed as the relation to faction `faction`
// (a value that would shift the line, or no number from -1.0 to 1.0), or the
// empty text.
QString RelationProblem(int faction, const QString& text);
