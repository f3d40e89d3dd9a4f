#pragma once

#include <QList>
#include <QString>
#include <QStringList>

// The game's item constants that the item editor lists for choosing, and the
// rules that keep a choice in those lists sound. Rows count from 0.

// The flag list starts with the twenty item types, then the four attachment flags.
constexpr int PythonItemTypeCount = 20;
constexpr int PythonItemFirstAttachRow = 20;
constexpr int PythonItemLastAttachRow = 23;

// "itp_type_horse": flags written "0" are shown as this type.
extern const QString PythonItemZeroFlags;
// "imodbits_none": modifiers written "0" are shown as this set.
extern const QString PythonItemZeroModifiers;

// The twenty item types in the flag list's order (the rows of the type filter).
QStringList PythonItemTypes();
// The flag list as it starts: types, attachment flags, other flags, a separator (60 rows).
QStringList PythonItemFlagVocabulary();
// The capability list as it starts: capabilities, a separator, capability flags, a separator (93
// rows).
QStringList PythonItemCapabilityVocabulary();
// The modifier list as it starts: modifier sets, a separator, single modifiers, a separator (65
// rows).
QStringList PythonItemModifierVocabulary();
// Whether a row is a separator: its first five characters are hyphens.
bool IsPythonItemSeparator(const QString& row);

// The rows of the three lists while the editor is open: the vocabulary, and
// behind it every name an entry used that the vocabulary lacks.
struct PythonItemNameLists {
    QStringList flags;
    QStringList capabilities;
    QStringList modifiers;
};
// The three lists as they start.
PythonItemNameLists InitialPythonItemNameLists();

// The rows that show `names` (every row of the same text), top down; a name no
// row shows is appended to `rows` and its new row chosen. Empty names are skipped.
QList<int> SelectPythonItemNames(QStringList& rows, const QStringList& names);

// The flag list's rules after a click on (or a key in) row `current`: one type
// at most (a click on a type chooses it), one attachment flag at most, no
// separator chosen. Returns whether the capability list is enabled (not after
// a click on the first type, itp_type_horse).
bool ApplyPythonItemFlagRules(const QStringList& rows, QList<bool>& chosen, int current);
// Unchooses every separator row (after a click in any of the three lists).
void UnchoosePythonItemSeparators(const QStringList& rows, QList<bool>& chosen);
