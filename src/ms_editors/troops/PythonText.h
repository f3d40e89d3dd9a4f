#pragma once

#include <QString>
#include <QStringList>
#include <QStringView>

// Small readers of Python source text that know where strings and brackets
// begin and end, so that a comma, bar, "#" or blank inside a name or inside a
// bracket is never taken for a separator.

// Index of the quote that closes the string opened at `open` (which holds " or
// '), honouring backslash escapes; -1 when the string does not close.
qsizetype PythonStringEnd(QStringView text, qsizetype open);

// Index of the bracket that closes the one at `open`, skipping strings and
// nested brackets; -1 when it is never closed.
qsizetype PythonBracketEnd(QStringView text, qsizetype open);

// Splits at every `separator` outside strings and brackets. The parts are not
// trimmed; an empty text gives one empty part.
QStringList SplitPythonTopLevel(QStringView text, QChar separator);

// Removes blanks and tabs outside strings, but keeps one blank where two words
// (or a word and a string) would otherwise run together, so that an
// expression such as "tf_hero if hero_mode else 0" keeps its meaning.
QString CompactPythonBlanks(QStringView text);

// Whether a term joined to others by "|" may change places with them: it holds
// no operator outside brackets that binds more loosely than "|" (a comparison,
// "not", "and", "or", "if ... else", "lambda").
bool IsBarTerm(QStringView term);

// The text before the first "#" that stands outside a string.
QStringView CutPythonComment(QStringView text);

// The contents of the first `count` string literals of the text (fewer when
// the text has fewer), as written between their quotes.
QStringList PythonStringLiterals(QStringView text, int count);

// The content of a text that is one string literal in double quotes and
// nothing else, else false. With `singleQuotes`, a string in single quotes is
// taken too when its content can stand between double quotes unchanged.
bool ReadPythonString(QStringView text, QString& content, bool singleQuotes = false);
