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

bool IsBlankLine(QStringView line) {
    return std::all_of(line.begin(), line.end(), [](QChar c) { return c == u' '; });
}

qsizetype NumberWords(QStringView line, bool fractions) {
    qsizetype numbers = 0;
    for (const QStringView word : line.split(u' ', Qt::SkipEmptyParts)) {
        bool digit = false;
        bool point = false;
        for (const QChar c : word.startsWith(u'-') ? word.mid(1) : word) {
            if (c >= u'0' && c <= u'9') {
                digit = true;
            } else if (c == u'.' && fractions && !point) {
                point = true;
            } else {
                return -1;
            }
        }
        if (!digit) {
            return -1;
        }
        ++numbers;
    }
    return numbers;
}

std::optional<int> CountValue(const QString& line) {
    // The game's count lines are digits and blanks, read here without a copy;
    // any other text is read as the conversion reads it.
    int digits = 0;
    int plain = 0;
    for (const QChar c : line) {
        if (c == u' ') {
            continue;
        }
        if (c < u'0' || c > u'9' || ++digits > 9) {
            digits = 0;
            break;
        }
        plain = plain * 10 + (c.unicode() - u'0');
    }
    if (digits > 0) {
        return plain;
    }
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

QString CountLineFor(int count, const QString& asRead, bool blankAfter) {
    const std::optional<int> read = CountValue(asRead);
    if (read == count) {
        return asRead;
    }
    const bool blank = read ? asRead.endsWith(u' ') : blankAfter;
    return QString::number(count) + (blank ? QStringLiteral(" ") : QString());
}

bool ReadModuleTextFile(const QString& fileName, QStringList& lines, PendingFailure& failure,
                        LineEnds* ends) {
    return ReadTextLines(ModuleFolder + fileName, lines, failure, ends);
}

bool MaySaveCountedFile(const FileHead& head, bool complete, bool shifted) {
    if (!MaySaveFileHead(head)) {
        return false;
    }
    if (complete && !shifted) {
        return true;
    }
    MsgBox(QStringLiteral("Your ") + head.format.fileName +
               (!complete ? QStringLiteral(" was not read completely when the editor opened (the "
                                           "file is missing, line 2 is no number, or the file "
                                           "ends before the last record line 2 announces). "
                                           "Saving would cut the file short")
                          : QStringLiteral(" was read shifted when the editor opened (a line is "
                                           "missing or one too many, so lines stand where "
                                           "others belong). Saving would write records over "
                                           "the wrong lines")) +
               QStringLiteral(", so nothing has been saved."),
           MsgButtons::Ok, MsgIcon::Exclamation, QStringLiteral("Not saved..."));
    return false;
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

CountedFile::CountedFile(const TextFileFormat& format, PendingFailure& failure)
    : m_head(format), m_notes(format.fileName, format.editor) {
    m_readable = ReadModuleTextFile(format.fileName, m_lines, failure, &m_ends);
    QString header;
    QString countLine;
    if (m_readable) {
        header = next();
        countLine = next();
    }
    m_head = ReadVersionHead(format, header, countLine);
}

int CountedFile::recordCount(const std::optional<QString>& text) {
    if (!m_readable) {
        return 0;
    }
    const std::optional<int> count = text ? CountValue(*text) : std::nullopt;
    m_countOk = count && *count >= 0;
    m_count = m_countOk ? *count : 0;
    return m_count;
}

bool CountedFile::startRecord() {
    if (m_next < m_lines.size()) {
        ++m_started;
        return true;
    }
    m_pastEnd = true;
    return false;
}

QString CountedFile::next() {
    if (m_next < m_lines.size()) {
        return m_lines.at(m_next++);
    }
    m_pastEnd = true;
    m_recordCut = m_started > 0;
    return QString();
}

void CountedFile::noteRecord(qsizetype line, const QString& note) {
    if (!m_head.readsAsOwn()) {
        return; // its records are of another layout: the version is told
    }
    m_notes.add(m_notes.line(line) + note + QStringLiteral(":\r\n") + m_lines.value(line - 1));
}

void CountedFile::noteShifted(qsizetype line, const QString& note) {
    if (m_shifted || m_pastEnd) {
        return;
    }
    m_shifted = true;
    if (!m_head.readsAsOwn()) {
        return;
    }
    const TextFileFormat& format = m_head.format;
    m_notes.add(m_notes.line(line) + note + QStringLiteral(":\r\n") + m_lines.value(line - 1) +
                QStringLiteral("\r\nA line may be missing or one too many, so the ") +
                format.kinds + QStringLiteral(" from here on were read shifted; the ") +
                format.editor +
                QStringLiteral(" will not save this file, as that would write them over the "
                               "wrong lines."));
}

void CountedFile::tellDamage(bool (*beginsRecord)(const QString& line), const QString& stray) {
    if (!m_readable) {
        return; // the failure report names the file that could not be read
    }
    if (!m_head.readsAsOwn()) {
        ShowOtherHead(m_head);
        return;
    }
    const TextFileFormat& format = m_head.format;
    const QString wontSave =
        QStringLiteral(" will not save this file, as that would cut it short.");
    QString strayTold; // the lines of no record, unless records follow the counted ones
    if (!m_countOk) {
        const QString said =
            m_lines.size() < 2 ? QStringLiteral(" is missing")
                               : QStringLiteral(" reads '") + m_head.countLine + QLatin1Char('\'');
        m_notes.add(m_notes.line(2) + QStringLiteral(", which holds the number of ") +
                    format.kinds + QLatin1Char(',') + said +
                    QStringLiteral(". No record is listed, and the ") + format.editor + wontSave);
    } else if (m_pastEnd) {
        m_notes.add(QStringLiteral("Your ") + format.fileName + QStringLiteral(" ends after ") +
                    QString::number(m_started - (m_recordCut ? 1 : 0)) +
                    QStringLiteral(" of the ") + QString::number(m_count) + QLatin1Char(' ') +
                    format.kinds +
                    QStringLiteral(" its line 2 announces. The missing ones are listed empty, "
                                   "and the ") +
                    format.editor + wontSave);
    } else if (!m_shifted) { // records read shifted are not counted
        const QStringList left = rest();
        const qsizetype uncounted = std::count_if(left.begin(), left.end(), beginsRecord);
        if (uncounted > 0) {
            ShowCountTooSmall(format.fileName, m_count, m_count + int(uncounted), format.kinds,
                              format.editor);
        } else {
            strayTold = stray;
        }
    }
    m_notes.show(strayTold);
}
