#include "textfiles/FileHead.h"

#include "platform/MessageBox.h"
#include "textfiles/LoadNotes.h"
#include "textfiles/modTextFiles.h"

namespace {

// A line quoted inside a sentence, cut as a damaged line is.
QString Quoted(const QString& line) {
    return QLatin1Char('\'') + CutLongLine(line) + QLatin1Char('\'');
}

// "line 1 reads 'troopsfile version 1', and the editor reads 'troopsfile
// version 2' only", or what lines 1 and 2 hold where the editor expects a
// count on line 2.
QString HeadNamed(const FileHead& head) {
    const QString& expected = head.format.versionLine;
    if (head.read == FileHead::Read::OtherVersion) {
        return QStringLiteral("line 1 reads ") + Quoted(head.header) +
               QStringLiteral(", and the editor reads '") + expected + QStringLiteral("' only");
    }
    return QStringLiteral("line 1 reads ") + Quoted(head.header) +
           (head.header.simplified() == expected ? QStringLiteral(", as the editor expects,")
                                                 : QStringLiteral(", where the editor expects '") +
                                                       expected + QStringLiteral("',")) +
           QStringLiteral(" and line 2 reads ") + Quoted(head.countLine) +
           QStringLiteral(", where it expects the number of ") + head.format.kinds;
}

} // namespace

FileHead ReadVersionHead(const TextFileFormat& format, const QString& header,
                         const QString& countLine) {
    FileHead head(format);
    head.header = header;
    head.countLine = countLine;
    const QString read = header.simplified();
    const QString& expected = format.versionLine;
    const bool namesVersion =
        read.split(u' ').contains(QLatin1String("version"), Qt::CaseInsensitive);
    if (!expected.isEmpty() && namesVersion && read != expected) {
        head.read = FileHead::Read::OtherVersion;
    }
    return head;
}

FileHead ReadCountHead(const TextFileFormat& format, const QString& header,
                       const QString& countLine) {
    FileHead head = ReadVersionHead(format, header, countLine);
    if (head.readsAsOwn() && !CountValue(countLine)) {
        head.read = FileHead::Read::NoCount;
    }
    return head;
}

void ShowOtherHead(const FileHead& head) {
    const QString& fileName = head.format.fileName;
    const QString listed = head.format.kinds +
                           QStringLiteral(" are listed only as far as they read, and the ") +
                           head.format.editor + QStringLiteral(" will not save this file");
    if (head.read == FileHead::Read::OtherVersion) {
        MsgBox(QStringLiteral("Your ") + fileName +
                   QStringLiteral(" is a file of another version than the editor reads: its ") +
                   HeadNamed(head) +
                   QStringLiteral(". Files of another version lay their records out otherwise, "
                                  "so the ") +
                   listed + QLatin1Char('.'),
               MsgButtons::Ok, MsgIcon::Exclamation, QStringLiteral("Other version..."));
        return;
    }
    // A count on line 1 is what is left when the version line was lost.
    const QString lost = CountValue(head.header)
                             ? QStringLiteral(" Line 1 may have been lost in an edit, so that "
                                              "every line stands one line higher.")
                             : QString();
    MsgBox(QStringLiteral("Your ") + fileName +
               QStringLiteral(" does not begin as the editor reads it: its ") + HeadNamed(head) +
               QLatin1Char('.') + lost + QStringLiteral(" The ") + listed +
               QStringLiteral(", so that no line of it is written over.\r\n\r\nPlease mend your ") +
               fileName + QStringLiteral(" and open the editor again."),
           MsgButtons::Ok, MsgIcon::Exclamation, QStringLiteral("Damaged file..."));
}

bool MaySaveFileHead(const FileHead& head) {
    if (head.readsAsOwn()) {
        return true;
    }
    MsgBox(QStringLiteral("Your ") + head.format.fileName +
               (head.read == FileHead::Read::OtherVersion
                    ? QStringLiteral(" is a file of another version than the editor reads (its ") +
                          HeadNamed(head) +
                          QStringLiteral("). Saving could write its records over lines of "
                                         "another layout")
                    : QStringLiteral(" does not begin as the editor reads it (its ") +
                          HeadNamed(head) +
                          QStringLiteral("). Saving would write the count over line 2")) +
               QStringLiteral(", so nothing has been saved."),
           MsgButtons::Ok, MsgIcon::Exclamation, QStringLiteral("Not saved..."));
    return false;
}

QString UnreadableRecordText(const QString& record, const FileHead& head, const QString& lines) {
    const QString& fileName = head.format.fileName;
    if (!head.readsAsOwn()) {
        return record + QStringLiteral(" cannot be read: your ") + fileName +
               (head.read == FileHead::Read::OtherVersion
                    ? QStringLiteral(" is a file of another version (its ")
                    : QStringLiteral(" does not begin as the editor reads it (its ")) +
               HeadNamed(head) + QStringLiteral("). It is not shown and cannot be updated.");
    }
    return record + QStringLiteral(" cannot be read: its ") + lines + QStringLiteral(" in ") +
           fileName +
           QStringLiteral(" are out of shape (a line split in two, lost, emptied or put in). It "
                          "is not shown and cannot be updated; a save writes its lines back as "
                          "they were read.\r\n\r\nPlease mend your ") +
           fileName + QStringLiteral(" and open the editor again.");
}
