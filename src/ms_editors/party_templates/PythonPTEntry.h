#pragma once

#include "module_system/PythonCoding.h"
#include "module_system/PythonFieldKind.h"

#include <QString>
#include <QStringList>

#include <array>
#include <optional>

// One party template of module_party_templates.py as the editor shows it and
// writes it back:
//   ("id", "Name", flags, menu, faction, personality, [(troop, min, max[, more]), ...][, ...])
// Besides the fields the window shows, a template carries what the window does
// not know, so that writing it back loses nothing.

// The window's member rows.
constexpr int PythonPTMemberRows = 6;

// One member row: a troop stack.
struct PythonPTMember {
    QString troop;   // as written (trp_x); empty or "none": the row holds no member
    QString minimum; // as written; written as "0" when empty
    QString maximum;
    bool prisoner = false; // the Prisoner box
    // The member's elements from the fourth on as read, written back while the
    // Prisoner box still says what the fourth element said.
    QStringList more;

    bool operator==(const PythonPTMember&) const = default;
};

struct PythonPT {
    QString id;
    QString name;
    QStringList flags; // rows of the flag list: "0" reads as "pf_none", each term once
    QString menu;
    QString faction;
    QStringList personality; // rows of the personality list: "0" reads as "none"
    std::array<PythonPTMember, PythonPTMemberRows> members;
    QStringList moreMembers; // members past the sixth, as written
    QStringList extraFields; // fields behind the member list, as written
    QString trailer;         // a comment behind the entry on its element
    // Fields Python computes (ComputedPythonField), held as written and
    // written back so, unchanged: the name (in `name`), and the member list
    // (a sum of lists, or given by a name), which then gives no member rows.
    bool computedName = false;
    QString computedMembers;

    bool operator==(const PythonPT&) const = default;
};

struct PythonPTParse {
    PythonPT pt; // every field that could be read
    // All fields were read and nothing is left out of them: writing the
    // template back loses nothing. Only complete templates may be written.
    bool complete = false;
};

// Splits a joined entry into its fields; blanks outside strings go, ids and
// names keep theirs. Reads as far as it can; `complete` says whether it all read.
// The name and the member list may be expressions Python computes.
PythonPTParse ParsePythonPT(const QString& entry);

// The one-line entry text of a template in the editor's layout.
QString BuildPythonPTEntry(const PythonPT& pt);

// The label of the first field that cannot be written as it stands (a quote
// ending the id early, a "#", a comma or an open bracket in the faction ...)
// or that the entry built from `pt` reads back otherwise; an empty text when
// the entry reads back as one complete entry with the same fields.
QString PythonPTUnwritableField(const PythonPT& pt);

// The first field of `pt` that differs from `shown` and is not the kind of
// Python it must be: the menu, the faction and a member's troop a name or a
// number, a member's minimum and maximum a number, every flag and personality
// row one term. What reads as it was shown goes back as it was read and is
// not looked at.
std::optional<MistypedPythonField> MistypedPythonPTField(const PythonPT& pt, const PythonPT& shown);

// Whether a member row holds a member (a troop other than "none"), which the
// entry gets; the numbers of a row without one are not written.
bool IsPythonPTMember(const PythonPTMember& member);
// A member's numbers as the messages name them ("maximum" and " of member 2"),
// each with a value it could hold.
extern const PythonFieldLabel PythonPTMinimumLabel;
extern const PythonFieldLabel PythonPTMaximumLabel;
// The first field of `pt` holding a character that module_party_templates.py
// in `coding` cannot store and that the `shown` template does not hold either
// (FirstUnstorablePythonField), with the field's label; none when all can be
// stored.
std::optional<UnstorablePythonField>
UnstorablePythonPTField(const PythonPT& pt, const PythonPT& shown, const PythonCoding& coding);

// Whether `pt` holds the fields `shown` holds, blanks outside strings aside
// and a row that stands twice counted once: written back, it would say
// nothing the shown entry does not.
bool PythonPTUnchanged(const PythonPT& pt, const PythonPT& shown);

// Whether the fourth element of a member (its flags) is a non-zero value, so
// that the member joins as prisoners.
bool IsPrisonerElement(const QString& element);

// ---- Vocabularies of the window's pick lists

// cmbFlags: the 16 party flags, a separator row (16), carries_goods(x), carries_gold(x).
QStringList PythonPTFlagVocabulary();
// cmbIcon: the 189 map icons, "icon_banner_126" twice as the game lists it.
QStringList PythonPTIconVocabulary();
// cmbPers: 4 personalities, a separator row (4), banditness, courage_4..15, aggressiveness_0..15.
QStringList PythonPTPersonalityVocabulary();
// Whether a row is a separator: hyphens only. Separators are never written.
bool IsPythonPTSeparator(const QString& row);

// The text a pick of row `row` of a vocabulary puts into the edit box of its
// list (the rows themselves are edited through the window's term lists);
// none for a separator row or no row at all.
std::optional<QString> PickedVocabularyText(const QStringList& vocabulary, int row);
