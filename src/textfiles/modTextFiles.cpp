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

namespace {
QString CountSaysFound(const QString& fileName, const QString& said, int found,
                       const QString& kinds) {
    return QStringLiteral("Line 2 of your ") + fileName + QStringLiteral(" says there are ") +
           said + QLatin1Char(' ') + kinds + QStringLiteral(". After loading all lines, ") +
           QString::number(found) + QLatin1Char(' ') + kinds + QStringLiteral(" have been found!");
}

// The most damaged places one box tells; the rest are counted.
constexpr qsizetype NotesTold = 5;
} // namespace

void ShowCountMismatch(const QString& fileName, const QString& countLine, int found,
                       const QString& kind) {
    const std::optional<int> count = CountValue(countLine);
    const QString said = count ? QString::number(*count) : countLine.trimmed();
    MsgBox(CountSaysFound(fileName, said, found, kind + QLatin1Char('s')) +
           QStringLiteral("\r\n\r\nThe editor will correct the ") + kind +
           QStringLiteral(" count (line 2) in your ") + fileName +
           QStringLiteral(" next time you hit the save button in the ") + kind +
           QStringLiteral(" editor."));
}

void ShowCountTooSmall(const QString& fileName, int count, int found, const QString& kinds,
                       const QString& editor) {
    MsgBox(CountSaysFound(fileName, QString::number(count), found, kinds) +
           QStringLiteral("\r\n\r\nThe ") + editor + QStringLiteral(" lists the first ") +
           QString::number(count) +
           QStringLiteral(" only, and a save writes the others back as "
                          "they stand. Correct line 2 of your ") +
           fileName + QStringLiteral(" to edit them all."));
}

LoadNotes::LoadNotes(const QString& fileName, const QString& editor)
    : m_fileName(fileName), m_editor(editor) {}

void LoadNotes::add(const QString& note) {
    m_notes.append(note);
}

QString LoadNotes::line(qsizetype number) const {
    return QStringLiteral("Line ") + QString::number(number) + QStringLiteral(" of your ") +
           m_fileName;
}

void LoadNotes::show(const QString& dropped) const {
    if (m_notes.isEmpty() && dropped.isEmpty()) {
        return;
    }
    QString text = m_notes.mid(0, NotesTold).join(QStringLiteral("\r\n\r\n"));
    const qsizetype more = m_notes.size() - NotesTold;
    if (more > 0) {
        text += QStringLiteral("\r\n\r\n") + QString::number(more) +
                (more == 1 ? QStringLiteral(" more place of your ") + m_fileName +
                                 QStringLiteral(" is damaged like these.")
                           : QStringLiteral(" more places of your ") + m_fileName +
                                 QStringLiteral(" are damaged like these."));
    }
    if (!dropped.isEmpty()) {
        text += (text.isEmpty() ? QString() : QStringLiteral("\r\n\r\n")) + dropped;
    }
    text += QStringLiteral("\r\n\r\nPlease check your ") + m_fileName +
            QStringLiteral(" before you hit the save button in the ") + m_editor + QLatin1Char('.');
    MsgBox(text, MsgButtons::Ok, MsgIcon::Exclamation);
}

DroppedLines::DroppedLines(const QString& fileName, const QString& kind)
    : m_fileName(fileName), m_kind(kind) {}

void DroppedLines::add(qsizetype number, const QString& text, const QString& where) {
    if (m_first.size() < NotesTold) {
        m_first.append(QStringLiteral("Line ") + QString::number(number) + QStringLiteral(", ") +
                       where + QStringLiteral(": ") + text);
    }
    ++m_count;
}

QString DroppedLines::told() const {
    if (m_count == 0) {
        return QString();
    }
    const bool one = m_count == 1;
    QString text =
        QString::number(m_count) +
        (one ? QStringLiteral(" line of your ") : QStringLiteral(" lines of your ")) + m_fileName +
        (one ? QStringLiteral(" belongs to no ") : QStringLiteral(" belong to no ")) + m_kind +
        (one ? QStringLiteral(", so a save would drop it; the save asks first:")
             : QStringLiteral(", so a save would drop them; the save asks first:"));
    text += QStringLiteral("\r\n") + m_first.join(QStringLiteral("\r\n"));
    const qsizetype more = m_count - m_first.size();
    if (more > 0) {
        text += QStringLiteral("\r\n... and ") + QString::number(more) +
                (more == 1 ? QStringLiteral(" more line.") : QStringLiteral(" more lines."));
    }
    return text;
}

bool DroppedLines::maySave() const {
    if (m_count == 0) {
        return true;
    }
    const bool one = m_count == 1;
    return MsgBox(QString::number(m_count) +
                      (one ? QStringLiteral(" line of ") : QStringLiteral(" lines of ")) +
                      m_fileName +
                      (one ? QStringLiteral(" belongs to no ") : QStringLiteral(" belong to no ")) +
                      m_kind + QStringLiteral(" and would be lost. Save anyway?"),
                  MsgButtons::YesNo, MsgIcon::Exclamation,
                  QStringLiteral("Continue?")) == MsgAnswer::Yes;
}

bool DroppedLines::afterSave(bool saved) {
    if (saved) {
        m_first.clear();
        m_count = 0;
    }
    return saved;
}

bool ReadModuleTextFile(const QString& fileName, QStringList& lines, PendingFailure& failure,
                        LineEnds* ends) {
    return ReadTextLines(ModuleFolder + fileName, lines, failure, ends);
}

bool MaySaveCountedFile(const QString& fileName, bool complete, bool shifted) {
    if (complete && !shifted) {
        return true;
    }
    MsgBox(QStringLiteral("Your ") + fileName +
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

CountedFile::CountedFile(const QString& fileName, const QString& kinds, const QString& editor,
                         PendingFailure& failure)
    : m_fileName(fileName), m_kinds(kinds), m_editor(editor), m_notes(fileName, editor) {
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
    m_count = m_countOk ? *count : 0;
    return m_count;
}

bool CountedFile::startRecord(PendingFailure& failure) {
    if (m_next < m_lines.size()) {
        ++m_started;
        return true;
    }
    m_pastEnd = true;
    failure.raise(Err::InputPastEnd);
    return false;
}

QString CountedFile::next(PendingFailure& failure) {
    if (m_next < m_lines.size()) {
        return m_lines.at(m_next++);
    }
    m_pastEnd = true;
    m_recordCut = m_started > 0;
    failure.raise(Err::InputPastEnd);
    return QString();
}

void CountedFile::noteRecord(qsizetype line, const QString& note) {
    m_notes.add(m_notes.line(line) + note + QStringLiteral(":\r\n") + m_lines.value(line - 1));
}

void CountedFile::noteShifted(qsizetype line, const QString& note) {
    if (m_shifted || m_pastEnd) {
        return;
    }
    m_shifted = true;
    m_notes.add(m_notes.line(line) + note + QStringLiteral(":\r\n") + m_lines.value(line - 1) +
                QStringLiteral("\r\nA line may be missing or one too many, so the ") + m_kinds +
                QStringLiteral(" from here on were read shifted; the ") + m_editor +
                QStringLiteral(" will not save this file, as that would write them over the "
                               "wrong lines."));
}

void CountedFile::tellDamage(bool (*beginsRecord)(const QString& line)) {
    if (!m_readable) {
        return; // the failure report names the file that could not be read
    }
    const QString wontSave =
        QStringLiteral(" will not save this file, as that would cut it short.");
    if (!m_countOk) {
        const QString said = m_lines.size() < 2
                                 ? QStringLiteral(" is missing")
                                 : QStringLiteral(" reads '") + countLine + QLatin1Char('\'');
        m_notes.add(m_notes.line(2) + QStringLiteral(", which holds the number of ") + m_kinds +
                    QLatin1Char(',') + said + QStringLiteral(". No record is listed, and the ") +
                    m_editor + wontSave);
    } else if (m_pastEnd) {
        m_notes.add(QStringLiteral("Your ") + m_fileName + QStringLiteral(" ends after ") +
                    QString::number(m_started - (m_recordCut ? 1 : 0)) +
                    QStringLiteral(" of the ") + QString::number(m_count) + QLatin1Char(' ') +
                    m_kinds +
                    QStringLiteral(" its line 2 announces. The missing ones are listed empty, "
                                   "and the ") +
                    m_editor + wontSave);
    } else {
        const QStringList left = rest();
        const qsizetype uncounted = std::count_if(left.begin(), left.end(), beginsRecord);
        if (uncounted > 0) {
            ShowCountTooSmall(m_fileName, m_count, m_count + int(uncounted), m_kinds, m_editor);
        }
    }
    m_notes.show();
}
