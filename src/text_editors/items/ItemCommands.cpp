#include "text_editors/items/ItemCommands.h"

#include "platform/MessageBox.h"
#include "platform/System.h"
#include "shell/modCore.h"
#include "shell/modMain.h"

namespace {

const QString Paragraph = QStringLiteral("\r\n\r\n");

} // namespace

QString AddItemRefusal(int shown, int max, bool complete, bool tablesFull) {
    if (shown == 0)
        return QStringLiteral("You can't use the first entry as template!");
    if (shown == NoItemShown || !complete)
        return QStringLiteral("Please select an item as template!");
    if (shown == max)
        return QStringLiteral("You can't use the last entry as template!");
    if (tablesFull)
        return QStringLiteral("The item list is full: no item can be added!");
    return QString();
}

QString DeleteItemRefusal(int shown, int max) {
    if (shown == 0)
        return QStringLiteral("You can't delete the first item!");
    if (shown == max)
        return QStringLiteral("You can't delete the last item!");
    if (shown == NoItemShown)
        return QStringLiteral("Select an item to delete!");
    return QString();
}

QString AddItemQuestion(int shown) {
    return QStringLiteral("The form will be filled with data from item # ") +
           QString::number(shown) + QStringLiteral("!") + Paragraph +
           QStringLiteral("Hit 'Add item' in the form to complete the process. Selecting an item "
                          "from the list will abort adding an item.") +
           Paragraph + QStringLiteral("Do you want to continue?");
}

QString DeleteItemQuestion(int shown, const QString& id) {
    return QStringLiteral("WARNING!") + Paragraph + QStringLiteral("This will delete item # ") +
           QString::number(shown) + QStringLiteral(" - ") + id +
           QStringLiteral("! All troops using this item should be updated!\r\n") +
           QStringLiteral("Also saved games may crash or the game won't load if you delete items "
                          "which are content of the current module. It's highly recommended that "
                          "you only delete your self created items at the end of the list!") +
           Paragraph + QStringLiteral("Do you want to continue?");
}

QString ItemResultText(int item, const QString& id, bool added) {
    return QStringLiteral("Item # ") + QString::number(item) + QStringLiteral(" - '") + id +
           (added ? QStringLiteral("' has been added. This is the new entry:")
                  : QStringLiteral("' has been updated. This is the updated entry:"));
}

void ShowMeshInViewer(const QString& mesh) {
    if (BrfEditorPath.isEmpty() || !FileExists(BrfEditorPath)) {
        MsgBox(QStringLiteral("Missing BRF editor! Check your configuration!"), MsgButtons::Ok,
               MsgIcon::Exclamation, QStringLiteral("Missing BRF editor..."));
        return;
    }
    const QString file = mesh + QStringLiteral(".brf");
    if (FileExists(GameFolder + QStringLiteral("commonres/") + file) ||
        FileExists(ModuleFolder + QStringLiteral("resource/") + file)) {
        Beep();
        return;
    }
    MsgBox(QStringLiteral("Mesh could not be found - missing file or other problem..."),
           MsgButtons::Ok, MsgIcon::Exclamation, QStringLiteral("Can't show mesh..."));
}
