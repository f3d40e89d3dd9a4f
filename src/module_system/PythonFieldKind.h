#pragma once

#include <QString>
#include <QStringView>

#include <optional>

// What kind of Python a field of an entry must be, so that text typed into it
// can be told apart from text that would leave a file Python cannot run: two
// names or numbers side by side ("12 5", "trp looter"), an operator at an end
// ("a|"), text after a closing bracket ("[] x", "[]fac_a"), a keyword where a
// value belongs. Only what both Python 2 and Python 3 read the same way counts:
// no "_" inside numbers, no decimal number with a leading zero, no name beyond
// ASCII.

enum class PyFieldKind {
    Name,         // fac_kingdom_1, or as an attribute: fac.kingdom_1
    Number,       // 12, -3, 0.5, 1e3, 0x1f
    NameOrNumber, // either
    Term,         // one operand: a name, number, string, call or bracket (level(5), (a|b))
    Terms,        // terms joined by "|" (scn_town_1|entry(2), a lone term too)
    Call,         // a name and its arguments: weight(1.5), swing_damage(20,cut)
    List,         // a bracketed list: [fac_a,fac_b], [(ti_on_init_item,[])]
    Value,        // any one expression: 12*10, tf_hero if hero else 0
};

// Whether `text` (blanks around it allowed) is Python of `kind`, on one line
// and without a comment.
bool IsPythonOfKind(QStringView text, PyFieldKind kind);

// A field that Python computes where the editor's layout has a plain string
// or list: a name as a sum of strings ("H"+u_kreska+"skarl"), an inventory as
// a sum of named lists ([]+basic_throwing+slings_common) or given by a name
// (equipment_tier_1_foot). The field as written, trimmed, when it is one
// field that is one expression both Pythons read alike (IsPythonOfKind,
// Value); else none. The caller has found
// that it is not the plain string or list itself.
std::optional<QString> ComputedPythonField(QStringView field);

// Reads the id or a name of an entry: a string in double quotes (or in single
// quotes, when what they hold can stand between double quotes) gives what it
// holds. Where `computed` is given (a name, never an id: the id names the
// entry for the lists), an expression Python computes (ComputedPythonField)
// is taken too, as written, and `*computed` tells which of the two it was.
// False, `text` left as it was, when the field is neither.
bool ReadPythonNameField(QStringView field, QString& text, bool* computed = nullptr);
// A name as an entry writes it: between double quotes, or as written where
// Python computes it.
QString PythonNameFieldText(const QString& text, bool computed);

// What a field of `kind` must hold, for a message: "a number". The example
// belongs to the field, not the kind: a face code and a faction are both a
// name or a number, but no faction looks like a face code.
QString PythonKindDescription(PyFieldKind kind);

// Whether a text can stand between the double quotes of an id or a name as
// Python reads it: no double quote, backslash ("\n" would read as a line
// break) or line break.
bool IsPlainPythonString(QStringView text);

// A field as the editor's messages name it, with a value it could hold
// ("scene", "no_scene or scn_town_1|entry(2)").
struct PythonFieldLabel {
    const char* caption;
    const char* example;
};

// A field typed as the wrong kind of Python: the field as the editor's
// messages name it, the kind it must be and an example of that field.
struct MistypedPythonField {
    QString field;
    PyFieldKind kind;
    QString example;
};
