#include "text_editors/world/WorldRecordShow.h"

#include "platform/MessageBox.h"
#include "shell/modMain.h"

bool EndRecordShow(const WorldRecordFile& file, int record, bool complete,
                   const PendingFailure& failure) {
    if (complete || !*file.toldDamaged) {
        ReportPending(failure, file.showProc);
        return complete;
    }
    MsgBox(file.kind + QStringLiteral(" # ") + QString::number(record) +
               QStringLiteral(" cannot be read whole from your ") + file.fileName +
               QStringLiteral(": its words are not as the game writes them (a word or a line "
                              "lost or put in), as the editor told when it opened. What could be "
                              "read is shown; it cannot be updated, and a save writes it back as "
                              "it was read.\r\n\r\nPlease mend your ") +
               file.fileName + QStringLiteral(" and open the editor again."),
           MsgButtons::Ok, MsgIcon::Exclamation,
           QStringLiteral("Unreadable ") + file.kind.toLower() + QStringLiteral("..."));
    return false;
}
