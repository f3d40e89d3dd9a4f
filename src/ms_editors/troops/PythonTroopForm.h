#pragma once

#include "module_system/PythonEntryTable.h"
#include "ms_editors/troops/PythonTroopEntry.h"

#include <QString>

#include <optional>

// What the troop editor checks in its form before it stores a troop, and what
// it tells on the way. The window maps a field to its control; the rules and
// the texts are here.

// Why a form cannot be stored.
enum class PythonTroopFormFault {
    NoId,           // the id box is empty
    EmptyField,     // the scene, reserved field, faction or proficiencies hold only blanks
    NotPlainString, // a typed id, name or upgrade path would end its string early
    Mistyped,       // a typed field is not the kind of Python it must be
    Unreadable,     // a field would not stand as one field, or not read back as typed
};

struct PythonTroopFormProblem {
    PythonTroopFormFault fault;
    // The field to correct (Extra and Entry have no control of their own), or
    // with `upgradePath` 1 or 2 that upgrade path instead.
    PythonTroopField field = PythonTroopField::Entry;
    int upgradePath = 0;
    PyFieldKind kind = PyFieldKind::Value; // Mistyped: what the field must hold
};

// The first reason why the form, `troop` with the upgrade targets of `paths`,
// cannot be stored over the troop and the paths shown as read, or none. In
// this order: no id; an empty scene, reserved field, faction or proficiencies
// (an empty field would leave two commas side by side in the entry); a changed
// id, name or path that is no plain Python string; a mistyped field
// (MistypedPythonTroopField); a field that would break the entry
// (BrokenPythonTroopField, UnreadablePythonTroopField).
std::optional<PythonTroopFormProblem> CheckPythonTroopForm(const PythonTroop& troop,
                                                           const PythonUpgrade& paths,
                                                           const PythonTroop& shown,
                                                           const PythonUpgrade& shownPaths);
// Refuses the form with the message for `problem`.
void RefusePythonTroopForm(const PythonTroopFormProblem& problem);

// Refuses the shown troop as the model of a new one (CheckPythonEntryModel),
// or for deleting (CheckPythonEntryDelete), with the message for `refusal`;
// returns whether it refused.
bool RefusePythonTroopModel(PythonEntryRefusal refusal);
bool RefusePythonTroopDelete(PythonEntryRefusal refusal);

// What the report of an update adds when `leading` upgrade paths of other
// troops still lead to `oldId`, the troop's id before the update; empty when
// none does.
QString UpgradePathsLeftNote(int leading, const QString& oldId);

// The row of the available items that a typed item number (1 to `count`)
// stands for, or the refusal to show instead.
struct ItemNumberChoice {
    int row = -1;
    QString refusal;
};
ItemNumberChoice ChooseItemByNumber(const QString& typed, int count);
// The inventory row of the item whose entry is `itemEntry`: "itm_<id>".
QString InventoryItemRow(const QString& itemEntry);

// The help boxes behind the "?" buttons of the proficiencies, the skills and
// the attributes.
void ShowProficiencyHelp();
void ShowSkillsHelp();
void ShowAttributesHelp();
