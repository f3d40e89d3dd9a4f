#include "shell/modMain.h"

#include "platform/MessageBox.h"

QString SetupMode = QStringLiteral("0");
QString ModuleFolder;
QString ModuleSystemDirectory;
std::int16_t ListFontSize = 8;
std::int16_t ScreenWidth = 1024;
bool SetupRequired = false;
QString GameFolder;
QString BrfEditorPath;

QString MsgTitle;
QString MsgText;
QString MsgEntry;

namespace {
// Where users send the failures we have no explanation for.
const QString ForumAddress =
    QStringLiteral("https://forum.dunmarrow.example/t/quenby-editor-errors");

const QString LineBreaks = QStringLiteral("\r\n\r\n");

// The failures a user can do something about, with what to tell them.
QString Explanation(int errNumber) {
    switch (errNumber) {
    case Err::SubscriptOutOfRange:
        return QStringLiteral("Index problem. The program tried to read data from a variable index "
                              "which doesn't exist. Maybe data in a file is damaged. Try to "
                              "restart the program.");
    case Err::TypeMismatch:
        return QStringLiteral("Type mismatch. The program tried to assign a value to a variable "
                              "which wasn't designed to handle the value. Maybe the data in a "
                              "file is damaged (also wrong order, or else).");
    case Err::BadFileName:
        return QStringLiteral("Bad file name or number. There's trouble accessing the file. Is "
                              "the file write protected? Also check your directory/file rights!");
    case Err::FileAlreadyOpen:
        return QStringLiteral("File is already open. There's trouble with loading/saving data "
                              "from/to a file. Maybe the data in your file is damaged or an error "
                              "occured last time you saved data.");
    case Err::InputPastEnd:
        return QStringLiteral("Tried to read data behind end of file. Not really a bad error, but "
                              "something with the lines in a file is wrong!");
    case Err::PathFileAccess:
        return QStringLiteral("Path/File access error. There's trouble accessing a module's file. "
                              "Check path, and make sure that the file isn't used by any other "
                              "process. Also check your file/directory rights!");
    default:
        return QString();
    }
}
} // namespace

void ReportError(int errNumber, const QString& procName, const QString& detail) {
    const QString number = QString::number(errNumber);
    const QString explanation = Explanation(errNumber);
    QString text;
    if (!explanation.isEmpty()) {
        text = QStringLiteral("Error # ") + number + QStringLiteral(" occured in function \"") +
               procName + QStringLiteral("\".") + LineBreaks + explanation;
    } else {
        text = QStringLiteral("Error #") + number + QStringLiteral(" occured in function '") +
               procName + QStringLiteral("'.") + LineBreaks +
               QStringLiteral("Please report this to me using the official Dunmarrow forum: ") +
               ForumAddress + LineBreaks + QStringLiteral("Thank you.");
    }
    // The number's own text stays whole; what the system said comes after it.
    if (!detail.isEmpty())
        text += LineBreaks + detail;
    MsgBox(text, MsgButtons::Ok, MsgIcon::Critical, QStringLiteral("Error..."));
}

bool ReportPending(const PendingFailure& failure, const QString& procName) {
    if (!failure.pending())
        return false;
    ReportError(failure.number(), procName, failure.detail());
    return true;
}
