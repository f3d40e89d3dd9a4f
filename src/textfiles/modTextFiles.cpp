#include "textfiles/modTextFiles.h"

#include "platform/Backup.h"
#include "platform/Convert.h"
#include "platform/MessageBox.h"
#include "platform/TextFile.h"
#include "shell/modCore.h"
#include "shell/modMain.h"

#include <QFileInfo>

#include <algorithm>

namespace {
// The largest count the game's 16-bit count words can hold.
constexpr int MaxRecordCount16 = 32767;
} // namespace

std::optional<QString> LineWord(const QString& line, int index) {
    qsizetype start = 0;
    for (int k = 0; k < index; ++k) {
        const qsizetype blank = line.indexOf(QLatin1Char(' '), start);
        if (blank < 0) {
            return std::nullopt;
        }
        start = blank + 1;
    }
    const qsizetype end = line.indexOf(QLatin1Char(' '), start);
    return line.mid(start, end < 0 ? -1 : end - start);
}

QString WordAt(const QString& line, int index, PendingFailure& failure) {
    std::optional<QString> word = LineWord(line, index);
    if (!word) {
        failure.raise(Err::SubscriptOutOfRange);
        return QString();
    }
    return *word;
}

std::optional<int> CountValue(const QString& line) {
    const bool blanks = line.contains(QLatin1Char(' '));
    const std::optional<std::int32_t> value = blanks ? ToInt32(RemoveSpaces(line)) : ToInt32(line);
    if (!value) {
        return std::nullopt;
    }
    return int(*value);
}

int CountOrZero(const QString& line) {
    const std::optional<int> count = CountValue(line);
    return count && *count <= MaxRecordCount16 ? *count : 0;
}

int RecordsHeld(int count, int read) {
    return std::max(read, std::min(count, MaxRecordCount16));
}

void ShowCountMismatch(const QString& fileName, const QString& countLine, int found,
                       const QString& kind) {
    const std::optional<int> count = CountValue(countLine);
    const QString said = count ? QString::number(*count) : countLine.trimmed();
    const QString kinds = kind + QLatin1Char('s');
    MsgBox(QStringLiteral("Line 2 of your ") + fileName + QStringLiteral(" says there are ") +
           said + QLatin1Char(' ') + kinds + QStringLiteral(". After loading all lines, ") +
           QString::number(found) + QLatin1Char(' ') + kinds +
           QStringLiteral(" have been found!\r\n\r\nThe editor will correct the ") + kind +
           QStringLiteral(" count (line 2) in your ") + fileName +
           QStringLiteral(" next time you hit the save button in the ") + kind +
           QStringLiteral(" editor."));
}

bool ReadModuleTextFile(const QString& fileName, QStringList& lines, PendingFailure& failure,
                        LineEnds* ends) {
    return ReadTextLines(ModuleFolder + fileName, lines, failure, ends);
}

void ShowNotSavedIncomplete(const QString& fileName) {
    MsgBox(QStringLiteral("Your ") + fileName +
               QStringLiteral(" was not read completely when the editor opened (the file is "
                              "missing, line 2 is no number, or the file ends before the last "
                              "record line 2 announces). Saving would cut the file short, so "
                              "nothing has been saved."),
           MsgButtons::Ok, MsgIcon::Exclamation, QStringLiteral("Not saved..."));
}

bool SaveModuleTextFile(const QString& fileName, const QStringList& lines,
                        const QString& savedTitle, const QString& procName,
                        const QString& savedTitleNoBackup, const LineEnds& ends) {
    PendingFailure failure;
    const QString path = ModuleFolder + fileName;
    const QFileInfo name(fileName);
    if (!MayOverwriteChangedFile(path)) {
        return false;
    }

    const MsgAnswer backup =
        MsgBox(QStringLiteral("Do you want to create a time stamped backup of '") + fileName +
                   QStringLiteral("' before saving your data?"),
               MsgButtons::YesNo, MsgIcon::None, QStringLiteral("Create backup...?"));
    BackupResult copy;
    if (backup == MsgAnswer::Yes) {
        copy =
            CreateTimeStampedBackup(path, ModuleFolder + name.completeBaseName() + QLatin1Char('_'),
                                    QLatin1Char('.') + name.suffix());
        // A failed copy does not stop the save; it is reported at the end.
        if (!copy.ok) {
            failure.raise(copy.failure);
        }
    }

    const bool saved = SaveTextLines(path, lines, failure, ends);
    if (saved) {
        const QString done = QStringLiteral("Changes have been saved to ") + fileName +
                             QStringLiteral(" in your module directory.");
        if (copy.ok) {
            MsgBox(QStringLiteral("Backup created of old ") + fileName + QStringLiteral(" to ") +
                       copy.path + QStringLiteral("\r\n\r\n") + done,
                   MsgButtons::Ok, MsgIcon::Information, savedTitle);
        } else {
            const bool noBackupTitle = backup != MsgAnswer::Yes && !savedTitleNoBackup.isEmpty();
            MsgBox(done, MsgButtons::Ok, MsgIcon::Information,
                   noBackupTitle ? savedTitleNoBackup : savedTitle);
        }
    }
    ReportPending(failure, procName);
    return saved;
}

CountedFile::CountedFile(const QString& fileName, PendingFailure& failure) {
    m_readable = ReadModuleTextFile(fileName, m_lines, failure, &m_ends);
    if (m_readable) {
        header = next(failure);
        countLine = next(failure);
    }
}

int CountedFile::recordCount(const std::optional<QString>& text, PendingFailure& failure) {
    if (!m_readable) {
        return 0;
    }
    const std::optional<int> count = text ? CountValue(*text) : std::nullopt;
    if (!text) {
        failure.raise(Err::SubscriptOutOfRange);
    } else if (!count) {
        failure.raise(Err::TypeMismatch);
    } else if (*count < 0) {
        failure.raise(Err::SubscriptOutOfRange);
    }
    m_countOk = count && *count >= 0;
    return m_countOk ? *count : 0;
}

bool CountedFile::startRecord(PendingFailure& failure) {
    if (m_next < m_lines.size()) {
        return true;
    }
    m_pastEnd = true;
    failure.raise(Err::InputPastEnd);
    return false;
}

QString CountedFile::next(PendingFailure& failure) {
    return startRecord(failure) ? m_lines.at(m_next++) : QString();
}
