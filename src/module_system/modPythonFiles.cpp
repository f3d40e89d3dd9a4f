#include "module_system/modPythonFiles.h"

#include "module_system/PythonListDamage.h"

#include "platform/Backup.h"
#include "platform/Failure.h"
#include "platform/MessageBox.h"
#include "platform/TextFile.h"
#include "shell/modMain.h"

#include <QFileInfo>

namespace {

// The first ten of the lines a load tells of, one a line, and how many more there are.
QString FirstTold(const QStringList& told) {
    constexpr int Shown = 10;
    QString text = QStringList(told.mid(0, Shown)).join(QStringLiteral("\r\n"));
    if (told.size() > Shown)
        text += QStringLiteral("\r\n... and ") + QString::number(told.size() - Shown) +
                QStringLiteral(" more.");
    return text;
}

// The load's report of a damaged list: which entries, on which lines, and
// what that means for the save.
void ShowDamage(const QString& fileName, const PythonTable& table) {
    QString text =
        fileName + QStringLiteral(" could not be read whole:\r\n\r\n") + FirstTold(table.damage);
    if (table.source.notSaved.isEmpty())
        text += QStringLiteral("\r\n\r\nThe editor keeps the lines of these entries as they are "
                               "and saves them as it read them. Correct them in a text editor to "
                               "edit these entries here.");
    else
        text += QStringLiteral("\r\n\r\nChanges to ") + fileName +
                QStringLiteral(" cannot be saved until this is corrected in a text editor: "
                               "saving would write over what the editor could not read.");
    MsgBox(text, MsgButtons::Ok, MsgIcon::Exclamation, QStringLiteral("Damaged list..."));
}

// The load's note on the elements of the list in a form that no editor reads
// and on the statements behind the list that add to it: how many, the first
// few of each, and that a save keeps them.
void ShowUneditable(const QString& fileName, const PythonTable& table) {
    const qsizetype entries = table.uneditable.size();
    const qsizetype statements = table.growth.size();
    QString text = fileName + QStringLiteral(": ");
    if (entries > 0)
        text += QString::number(entries) +
                (entries == 1 ? QStringLiteral(" entry of its list is written in a form this "
                                               "editor can't edit, so it is not listed:")
                              : QStringLiteral(" entries of its list are written in a form this "
                                               "editor can't edit, so they are not listed:")) +
                QStringLiteral("\r\n\r\n") + FirstTold(table.uneditable) +
                QStringLiteral("\r\n\r\n");
    if (statements > 0)
        text += QString::number(statements) +
                (statements == 1
                     ? QStringLiteral(" statement after its list adds entries to it; what it adds "
                                      "is not listed:")
                     : QStringLiteral(" statements after its list add entries to it; what they "
                                      "add is not listed:")) +
                QStringLiteral("\r\n\r\n") + FirstTold(table.growth) + QStringLiteral("\r\n\r\n");
    const bool one = entries + statements == 1;
    text += QStringLiteral("A save keeps ") +
            (one ? QStringLiteral("it as it is") : QStringLiteral("them as they are")) +
            QStringLiteral("; edit ") + (one ? QStringLiteral("it") : QStringLiteral("them")) +
            QStringLiteral(" in a text editor.");
    MsgBox(text, MsgButtons::Ok, MsgIcon::Information, QStringLiteral("Information..."));
}

// The load's note on a file that defines no list of its own.
void ShowNoList(const QString& fileName, const PythonListFormat& format, const PythonTable& table) {
    MsgBox(fileName + u' ' + table.noList + QStringLiteral("\r\n\r\n") +
               NoListNothingListed(QStringView(format.listStart).chopped(2), fileName),
           MsgButtons::Ok, MsgIcon::Information, QStringLiteral("Information..."));
}

// Whether the file may be written over; tells why not when it may not.
bool MaySave(const QString& fileName, const QString& path, const PythonSource& source) {
    QString why;
    if (!source.nothingToSave.isEmpty())
        why = QStringLiteral("Your ") + fileName + u' ' + source.nothingToSave +
              QStringLiteral(", so the editor holds nothing to save, and nothing has been saved.");
    else if (!source.notSaved.isEmpty())
        why = QStringLiteral("Your ") + fileName +
              QStringLiteral(" was not read whole when the editor opened: ") + source.notSaved +
              QStringLiteral(". Saving would write over what the editor could not read, so "
                             "nothing has been saved. Correct the file in a text editor and open "
                             "the editor again.");
    else if (source.unread && QFileInfo::exists(path))
        why = QStringLiteral("Your ") + fileName +
              QStringLiteral(" could not be read when the editor opened. Saving would replace it "
                             "with what the editor holds, so nothing has been saved.");
    if (why.isEmpty())
        return true;
    MsgBox(why, MsgButtons::Ok, MsgIcon::Exclamation, QStringLiteral("Not saved..."));
    return false;
}

} // namespace

bool LoadPythonTable(const QString& fileName, const PythonListFormat& format, PythonTable& table,
                     const QString& procName) {
    PendingFailure failure;
    QByteArray bytes;
    if (ReadFileBytes(ModuleSystemDirectory + fileName, bytes, failure)) {
        table = BuildPythonTable(bytes, format);
        if (table.failure != 0)
            failure.raise(table.failure);
    } else {
        table = PythonTable();
        table.lines = QStringList{QString()};
        table.source.unread = true;
    }
    ReportPending(failure, procName);
    if (!table.noList.isEmpty())
        ShowNoList(fileName, format, table);
    if (!table.damage.isEmpty())
        ShowDamage(fileName, table);
    if (!table.uneditable.isEmpty() || !table.growth.isEmpty())
        ShowUneditable(fileName, table);
    return !failure.pending() && table.damage.isEmpty() && table.noList.isEmpty();
}

bool SavePythonFile(const QString& fileName, const QString& backupStem, const QString& savedTitle,
                    const PythonLines& lines, PythonSource& source, const QString& procName) {
    PendingFailure failure;
    const QString path = ModuleSystemDirectory + fileName;
    // A file not read whole is not to be saved over, changed on disk or not.
    if (!MaySave(fileName, path, source) || !MayOverwriteChangedFile(path))
        return false;

    const MsgAnswer answer =
        MsgBox(QStringLiteral("Do you want to create a time stamped backup of '") + fileName +
                   QStringLiteral("'?"),
               MsgButtons::YesNo, MsgIcon::None, QStringLiteral("Create backup...?"));
    BackupResult copy;
    if (answer == MsgAnswer::Yes) {
        copy = CreateTimeStampedBackup(path, ModuleSystemDirectory + backupStem,
                                       QStringLiteral(".py"));
        // A failed copy does not stop the save; it is reported at the end.
        if (!copy.ok)
            failure.raise(copy.failure);
    }

    PythonSource written;
    int codingLine = 0;
    const bool saved =
        SaveFileBytes(path, ComposePythonFile(source, lines, &written, &codingLine), failure);
    if (saved) {
        source = std::move(written);
        QString text = QStringLiteral("Changes have been saved to ") + fileName +
                       QStringLiteral(" in your module system directory.");
        if (codingLine > 0)
            text += QStringLiteral("\r\n\r\nThe file now holds characters beyond ASCII, which "
                                   "Python 2 reads only in a file that names its coding: the "
                                   "line \"") +
                    QString::fromLatin1(Utf8CodingLine) +
                    QStringLiteral("\" has been added as line ") + QString::number(codingLine) +
                    QStringLiteral(" of ") + fileName + u'.';
        if (copy.ok)
            text = QStringLiteral("Backup created of old ") + fileName + QStringLiteral(" to ") +
                   copy.path + QStringLiteral("\r\n\r\n") + text;
        MsgBox(text, MsgButtons::Ok, MsgIcon::Information, savedTitle);
    }
    ReportPending(failure, procName);
    return saved;
}
