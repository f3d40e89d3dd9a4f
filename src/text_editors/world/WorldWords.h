#pragma once

#include "platform/BitWord.h"
#include "platform/Failure.h"

#include <QList>
#include <QString>
#include <QStringList>
#include <QStringView>

#include <limits>
#include <optional>

// What the faction, party and party-template records share: their lines are
// words cut at every single blank, so a word typed into a box must stay one
// word, and the numbers among the words are read strictly.

// A text box's caption (as a message names it) and what it holds.
struct TypedWord {
    QString box;
    QString text;
};

// The message that refuses `text` as a word of a record line, or the empty text
// when it is fine: an empty word, a blank, a tab or a line break would shift
// every later word of the line. (Whether the file can store its characters
// depends on the file's coding; the windows ask that, RefuseUnstorable.)
QString TypedWordProblem(const TypedWord& word);
// The first problem among `words`, in order; the empty text when there is none.
QString TypedWordsProblem(const QList<TypedWord>& words);

// Whether `word` is a whole number as a module's build writes one: an optional
// minus sign and digits, as many as Python's integers need.
bool IsWholeNumber(QStringView word);

// The index of a word that names no row of any list: a whole number beyond the
// game's 16-bit range, as a module's build may write one. No row shows it, and
// the word stays as read while no row is chosen.
constexpr int BeyondEveryRow = std::numeric_limits<int>::max();

// A word that names a list row (an index into another table): a whole number,
// its value in the game's 16-bit range and BeyondEveryRow beyond it. No value
// and failure 13 for a word that is no whole number.
std::optional<int> IndexWord(QStringView word, PendingFailure& failure);
// An unsigned whole number of any length (flag and personality words); no
// value and failure 13 otherwise.
std::optional<BitWord> BitsWord(QStringView word, PendingFailure& failure);

// The flag word `stored` with bit `bit` set (`on`) or cleared and every other
// bit as read, in its own spelling while its value stays; a word that is no
// number counts as 0.
QString FlagWordWith(const QString& stored, int bit, bool on);

// A decimal number word as the game reads positions and relations: an optional
// sign, digits with an optional fraction, an optional exponent ("-3", "12.5",
// "0.500000", ".5"). No value for anything else.
std::optional<double> DecimalWord(QStringView word);

// A member count word: a whole number of 0 or more in the game's 32-bit range.
// No value for anything else, a minus sign included.
std::optional<int> CountWord(QStringView word);
// The message that refuses `word` as a member count (CountWord), or the empty text.
QString CountWordProblem(const TypedWord& word);

// The words of a record line, read one at a time by a decoder. A word the line
// lacks raises 9, a number word that is no number 13; either makes the
// record incomplete, and the reader gives a stand-in value so the rest of the
// line can still be shown.
class LineWords {
public:
    LineWords(const QString& line, PendingFailure& failure);

    // Whether every word asked for was there and readable.
    bool complete() const { return m_complete; }
    qsizetype size() const { return m_words.size(); }
    const QStringList& words() const { return m_words; }

    // Word `i` as it stands; the empty text when missing.
    QString text(int i);
    // Word `i` as an index (IndexWord); -1 when missing or unreadable.
    int index(int i);
    // Word `i` as a bit word (BitsWord); 0 when missing or unreadable.
    BitWord bits(int i);
    // Word `i` as it stands when it is a whole number (IsWholeNumber); the
    // empty text when missing or not one.
    QString number(int i);
    // Marks the record incomplete for a word the line's shape lacks (failure 9).
    void missing();

private:
    template <typename T> std::optional<T> read(int i, std::optional<T> value);

    QStringList m_words;
    PendingFailure& m_failure;
    bool m_complete = true;
};
