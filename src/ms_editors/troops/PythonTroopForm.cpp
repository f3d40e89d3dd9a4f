#include "ms_editors/troops/PythonTroopForm.h"

#include "module_system/PythonEntryLists.h"
#include "platform/Convert.h"
#include "platform/MessageBox.h"
#include "shell/EditorMessages.h"

namespace {

const QString CrLf = QStringLiteral("\r\n");
const QString TroopsFile = QStringLiteral("module_troops.py");

const QString StatsHelpTail =
    QStringLiteral("If you have done this, you can set your own constants instead of each single "
                   "value. There are also a few existing constants at this time.") +
    CrLf + CrLf +
    QStringLiteral("You also can delete the standard values, and adding single values. But this is "
                   "not recommended!");

} // namespace

std::optional<PythonTroopFormProblem> CheckPythonTroopForm(const PythonTroop& troop,
                                                           const PythonUpgrade& paths,
                                                           const PythonTroop& shown,
                                                           const PythonUpgrade& shownPaths) {
    using F = PythonTroopField;
    using Fault = PythonTroopFormFault;
    if (troop.id.isEmpty())
        return PythonTroopFormProblem{Fault::NoId, F::Id};
    const std::pair<F, const QString&> required[] = {{F::Scene, troop.scene},
                                                     {F::Reserved, troop.reserved},
                                                     {F::Faction, troop.faction},
                                                     {F::Proficiencies, troop.proficiencies}};
    for (const auto& [field, text] : required) {
        if (text.trimmed().isEmpty())
            return PythonTroopFormProblem{Fault::EmptyField, field};
    }
    // What was read from the file goes back as it was; typed text must not end
    // the string early or break the line.
    const struct {
        F field;
        int path;
        const QString& text;
        const QString& read;
    } strings[] = {{F::Id, 0, troop.id, shown.id},
                   {F::Name, 0, troop.name, shown.name},
                   {F::NamePl, 0, troop.namePl, shown.namePl},
                   {F::Entry, 1, paths.target1, shownPaths.target1},
                   {F::Entry, 2, paths.target2, shownPaths.target2}};
    for (const auto& s : strings) {
        if (s.text != s.read && !IsPlainPythonString(s.text))
            return PythonTroopFormProblem{Fault::NotPlainString, s.field, s.path};
    }
    // Typed text must be the kind of Python its field takes, each field must
    // stand as one field, and the entry built from the form must read back to
    // the same fields: otherwise the troop or the file would break.
    if (const auto mistyped = MistypedPythonTroopField(troop, shown))
        return PythonTroopFormProblem{Fault::Mistyped, mistyped->field, 0, mistyped->kind};
    auto broken = BrokenPythonTroopField(troop);
    if (!broken)
        broken = UnreadablePythonTroopField(troop);
    if (broken)
        return PythonTroopFormProblem{Fault::Unreadable, *broken};
    return std::nullopt;
}

void RefusePythonTroopForm(const PythonTroopFormProblem& problem) {
    switch (problem.fault) {
    case PythonTroopFormFault::NoId:
        RefuseInput(QStringLiteral("Please enter an ID for the troop!"));
        break;
    case PythonTroopFormFault::EmptyField:
        RefuseEmptyField(PythonTroopFieldCaption(problem.field),
                         PythonTroopFieldExample(problem.field));
        break;
    case PythonTroopFormFault::NotPlainString:
        RefuseNotPlainString(problem.upgradePath > 0 ? QStringLiteral("upgrade path ") +
                                                           QString::number(problem.upgradePath)
                                                     : PythonTroopFieldCaption(problem.field));
        break;
    case PythonTroopFormFault::Mistyped:
        RefuseMistypedField({PythonTroopFieldCaption(problem.field), problem.kind,
                             PythonTroopFieldExample(problem.field)},
                            TroopsFile);
        break;
    case PythonTroopFormFault::Unreadable:
        RefuseUnreadableField(PythonTroopFieldCaption(problem.field), TroopsFile);
        break;
    }
}

bool RefusePythonTroopModel(PythonEntryRefusal refusal) {
    switch (refusal) {
    case PythonEntryRefusal::None:
        return false;
    case PythonEntryRefusal::Hardwired:
        RefuseInput(QStringLiteral("The selected troop is hardwired to the game, select another "
                                   "troop as template!"));
        break;
    case PythonEntryRefusal::Unreadable:
        RefuseInput(
            IncompleteEntryText(QStringLiteral("troop"), QStringLiteral("used as a template")));
        break;
    default:
        MsgBox(QStringLiteral("Please select an troop as template!"), MsgButtons::Ok,
               MsgIcon::Information, QStringLiteral("Add new troop..."));
        break;
    }
    return true;
}

bool RefusePythonTroopDelete(PythonEntryRefusal refusal) {
    switch (refusal) {
    case PythonEntryRefusal::None:
        return false;
    case PythonEntryRefusal::Hardwired:
        RefuseInput(QStringLiteral("The selected troop is hardwired to the game, you can't "
                                   "delete this troop!"));
        break;
    case PythonEntryRefusal::NotOneElement:
        RefuseInput(QStringLiteral("The entry of this troop does not stand alone in "
                                   "module_troops.py (its lines could not be joined, or another "
                                   "entry shares its line), so deleting it here would damage the "
                                   "file. Please delete it in module_troops.py itself!"));
        break;
    default:
        ShowInformation(QStringLiteral("Select a troop to delete!"));
        break;
    }
    return true;
}

QString UpgradePathsLeftNote(int leading, const QString& oldId) {
    if (leading <= 0)
        return QString();
    const bool one = leading == 1;
    return QString::number(leading) +
           (one ? QStringLiteral(" upgrade path of another troop still leads to '")
                : QStringLiteral(" upgrade paths of other troops still lead to '")) +
           oldId + QStringLiteral("', which no longer exists: please change ") +
           (one ? QStringLiteral("it. ") : QStringLiteral("them. "));
}

ItemNumberChoice ChooseItemByNumber(const QString& typed, int count) {
    const auto k = ToInt16(typed);
    if (!k)
        return {-1,
                QStringLiteral("Value must be a number between 1 and ") + QString::number(count)};
    if (*k < 1 || *k > count)
        return {-1, QStringLiteral("Value must be >0 and <=") + QString::number(count) +
                        QStringLiteral(" !")};
    return {*k - 1, QString()};
}

QString InventoryItemRow(const QString& itemEntry) {
    return QStringLiteral("itm_") + PythonEntryId(itemEntry);
}

void ShowProficiencyHelp() {
    ShowInformation(QStringLiteral("Choose a declaration of the weapon proficiencies from this "
                                   "combo box, then exchange the value (100) in the round "
                                   "bracket.") +
                    CrLf +
                    QStringLiteral("You find the declarations of the weapon proficiencies above "
                                   "the troops in the file module_troops.py, and you can also "
                                   "change it there."));
}

void ShowSkillsHelp() {
    ShowInformation(QStringLiteral("The easiest way to set the skills of your troops is declaring "
                                   "a few constants above the troops in module_troops.py!") +
                    CrLf + StatsHelpTail);
}

void ShowAttributesHelp() {
    ShowInformation(QStringLiteral("The easiest way to set the attributes of your troops is "
                                   "declaring a few constants above the troops in "
                                   "module_troops.py!") +
                    CrLf + StatsHelpTail);
}
