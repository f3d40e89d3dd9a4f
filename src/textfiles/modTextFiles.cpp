#include "textfiles/modTextFiles.h"

#include "platform/Backup.h"
#include "platform/Convert.h"
#include "platform/MessageBox.h"
#include "platform/TextFile.h"
#include "shell/modCore.h"
#include "shell/modMain.h"

#include <QFileInfo>
#include <QHash>

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

void ShowCountMismatch(const QString& fileName, int count, int found, const QString& kind) {
    MsgBox(CountSaysFound(fileName, QString::number(count), found, kind + QLatin1Char('s')) +
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

QString LoadNotes::lines(qsizetype first, qsizetype last) const {
    return QStringLiteral("Lines ") + QString::number(first) + QStringLiteral(" to ") +
           QString::number(last) + QStringLiteral(" of your ") + m_fileName;
}

namespace {
// A damaged line is quoted so that the user can find it, not to be read whole:
// a line of many thousand characters would make a box no screen can show. No
// line the game writes, nor any sentence of ours, comes near the limit.
constexpr qsizetype QuotedLineMax = 1000;
constexpr qsizetype QuotedLineCut = 200;

QString WithLongLinesCut(const QString& text) {
    QStringList lines = text.split(QStringLiteral("\r\n"));
    for (QString& line : lines) {
        if (line.size() > QuotedLineMax) {
            line = line.left(QuotedLineCut) + QStringLiteral(" ... (") +
                   QString::number(line.size()) + QStringLiteral(" characters)");
        }
    }
    return lines.join(QStringLiteral("\r\n"));
}
} // namespace

void LoadNotes::show(const QString& stray) const {
    if (m_notes.isEmpty() && stray.isEmpty()) {
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
    if (!stray.isEmpty()) {
        text += (text.isEmpty() ? QString() : QStringLiteral("\r\n\r\n")) + stray;
    }
    text += QStringLiteral("\r\n\r\nPlease check your ") + m_fileName +
            QStringLiteral(" before you hit the save button in the ") + m_editor + QLatin1Char('.');
    MsgBox(WithLongLinesCut(text), MsgButtons::Ok, MsgIcon::Exclamation);
}

StrayLines::StrayLines(const QString& fileName, const QString& kind)
    : m_fileName(fileName), m_kind(kind) {}

void StrayLines::add(qsizetype number, const QString& text, const QStringList& idsBefore) {
    if (m_first.size() < NotesTold) {
        // A record held without its first line has no id to name.
        const qsizetype before = idsBefore.size();
        const QString where = before == 0 ? QStringLiteral("before the first ") + m_kind
                              : idsBefore.last().isEmpty()
                                  ? QStringLiteral("after ") + m_kind + QStringLiteral(" # ") +
                                        QString::number(before - 1)
                                  : QStringLiteral("after ") + idsBefore.last();
        m_first.append(QStringLiteral("Line ") + QString::number(number) + QStringLiteral(", ") +
                       where + QStringLiteral(": ") + text);
    }
    ++m_count;
}

void HoldRecordsWithoutFirstLine(
    const QStringList& lines, qsizetype from, qsizetype to,
    const std::function<std::optional<qsizetype>(qsizetype at)>& tailAt,
    const std::function<void(qsizetype first, qsizetype at, qsizetype end)>& held,
    const std::function<void(qsizetype at)>& stray) {
    const auto strayUpTo = [&](qsizetype k, qsizetype end) {
        for (; k < end; ++k) {
            if (!IsBlankLine(lines.at(k))) {
                stray(k);
            }
        }
    };
    qsizetype free = from; // the first line not taken yet
    for (qsizetype at = from; at < to; ++at) {
        const std::optional<qsizetype> end = IsBlankLine(lines.at(at)) ? std::nullopt : tailAt(at);
        if (!end) {
            continue;
        }
        const qsizetype first = at > free ? at - 1 : at;
        strayUpTo(free, first);
        held(first, at, *end);
        free = *end;
        at = free - 1;
    }
    strayUpTo(free, to);
}

QString HeldRecordNote(const LoadNotes& notes, const QStringList& lines, qsizetype first,
                       qsizetype at, qsizetype end, int record, const HeldRecordWords& words) {
    const QString number = words.kind + QStringLiteral(" # ") + QString::number(record);
    return (first < at
                ? notes.line(first + 1) + QStringLiteral(" stands where the first line of ") +
                      number + QStringLiteral(" belongs, before its ") + words.parts +
                      QStringLiteral(" on lines ") + QString::number(at + 1) +
                      QStringLiteral(" to ") + QString::number(end) +
                      QStringLiteral(", but it names no ") + words.kind + QStringLiteral(" (") +
                      words.prefix + QStringLiteral("...):\r\n") + lines.at(first)
                : notes.lines(at + 1, end) + QStringLiteral(" hold the ") + words.parts +
                      QStringLiteral(" of ") + number +
                      QStringLiteral(", but no first line naming it (") + words.prefix +
                      QStringLiteral("...) stands before them.")) +
           QStringLiteral("\r\nIts first line may have been emptied or lost. The lines stay "
                          "where they stand and count as ") +
           number + QStringLiteral(", so that every later ") + words.kind +
           QStringLiteral(" keeps its number;");
}

QString StrayLines::told() const {
    if (m_count == 0) {
        return QString();
    }
    const bool one = m_count == 1;
    QString text =
        QString::number(m_count) +
        (one ? QStringLiteral(" line of your ") : QStringLiteral(" lines of your ")) + m_fileName +
        (one ? QStringLiteral(" belongs to no ") : QStringLiteral(" belong to no ")) + m_kind +
        (one ? QStringLiteral("; a save keeps it where it stands:")
             : QStringLiteral("; a save keeps them where they stand:"));
    text += QStringLiteral("\r\n") + m_first.join(QStringLiteral("\r\n"));
    const qsizetype more = m_count - m_first.size();
    if (more > 0) {
        text += QStringLiteral("\r\n... and ") + QString::number(more) +
                (more == 1 ? QStringLiteral(" more line.") : QStringLiteral(" more lines."));
    }
    return text;
}

namespace {

// What the last load of a file found on lines 1 and 2 that the editor does
// not read as its own, by file name.
struct OtherHead {
    QString header;            // line 1 as read
    QString countLine;         // line 2 as read
    QString kinds;             // "troops"
    bool otherVersion = false; // else line 2 holds no number
};
QHash<QString, OtherHead>& OtherHeads() {
    static QHash<QString, OtherHead> files;
    return files;
}

// A line quoted inside a sentence, cut as a damaged line is (WithLongLinesCut).
QString Quoted(const QString& line) {
    const QString shown = line.size() <= QuotedLineMax
                              ? line
                              : line.left(QuotedLineCut) + QStringLiteral(" ... (") +
                                    QString::number(line.size()) + QStringLiteral(" characters)");
    return QLatin1Char('\'') + shown + QLatin1Char('\'');
}

// "line 1 reads 'troopsfile version 1', and the editor reads 'troopsfile
// version 2' only", or what lines 1 and 2 hold where the editor expects a
// count on line 2.
QString HeadNamed(const QString& fileName) {
    const OtherHead head = OtherHeads().value(fileName);
    const QString expected = VersionLineRead(fileName);
    if (head.otherVersion) {
        return QStringLiteral("line 1 reads ") + Quoted(head.header) +
               QStringLiteral(", and the editor reads '") + expected + QStringLiteral("' only");
    }
    return QStringLiteral("line 1 reads ") + Quoted(head.header) +
           (head.header.simplified() == expected ? QStringLiteral(", as the editor expects,")
                                                 : QStringLiteral(", where the editor expects '") +
                                                       expected + QStringLiteral("',")) +
           QStringLiteral(" and line 2 reads ") + Quoted(head.countLine) +
           QStringLiteral(", where it expects the number of ") + head.kinds;
}

} // namespace

QString VersionLineRead(const QString& fileName) {
    static const QHash<QString, QString> versions = {
        {QStringLiteral("troops.txt"), QStringLiteral("troopsfile version 2")},
        {QStringLiteral("item_kinds1.txt"), QStringLiteral("itemsfile version 3")},
        {QStringLiteral("factions.txt"), QStringLiteral("factionsfile version 1")},
        {QStringLiteral("parties.txt"), QStringLiteral("partiesfile version 1")},
        {QStringLiteral("party_templates.txt"), QStringLiteral("partytemplatesfile version 1")},
    };
    return versions.value(fileName);
}

bool TakeFileVersion(const QString& fileName, const QString& header) {
    OtherHeads().remove(fileName);
    const QString read = header.simplified();
    const QString expected = VersionLineRead(fileName);
    const bool namesVersion =
        read.split(u' ').contains(QLatin1String("version"), Qt::CaseInsensitive);
    if (expected.isEmpty() || !namesVersion || read == expected) {
        return true;
    }
    OtherHeads().insert(fileName, {header, QString(), QString(), true});
    return false;
}

bool TakeFileHead(const QString& fileName, const QString& header, const QString& countLine,
                  const QString& kinds) {
    if (!TakeFileVersion(fileName, header)) {
        return false;
    }
    if (CountValue(countLine)) {
        return true;
    }
    OtherHeads().insert(fileName, {header, countLine, kinds, false});
    return false;
}

bool ReadOtherHead(const QString& fileName) {
    return OtherHeads().contains(fileName);
}

void ShowOtherHead(const QString& fileName, const QString& kinds, const QString& editor) {
    const OtherHead head = OtherHeads().value(fileName);
    const QString listed = kinds +
                           QStringLiteral(" are listed only as far as they read, and the ") +
                           editor + QStringLiteral(" will not save this file");
    if (head.otherVersion) {
        MsgBox(QStringLiteral("Your ") + fileName +
                   QStringLiteral(" is a file of another version than the editor reads: its ") +
                   HeadNamed(fileName) +
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
               QStringLiteral(" does not begin as the editor reads it: its ") +
               HeadNamed(fileName) + QLatin1Char('.') + lost + QStringLiteral(" The ") + listed +
               QStringLiteral(", so that no line of it is written over.\r\n\r\nPlease mend your ") +
               fileName + QStringLiteral(" and open the editor again."),
           MsgButtons::Ok, MsgIcon::Exclamation, QStringLiteral("Damaged file..."));
}

bool MaySaveFileHead(const QString& fileName) {
    if (!ReadOtherHead(fileName)) {
        return true;
    }
    const bool otherVersion = OtherHeads().value(fileName).otherVersion;
    MsgBox(QStringLiteral("Your ") + fileName +
               (otherVersion
                    ? QStringLiteral(" is a file of another version than the editor reads (its ") +
                          HeadNamed(fileName) +
                          QStringLiteral("). Saving could write its records over lines of "
                                         "another layout")
                    : QStringLiteral(" does not begin as the editor reads it (its ") +
                          HeadNamed(fileName) +
                          QStringLiteral("). Saving would write the count over line 2")) +
               QStringLiteral(", so nothing has been saved."),
           MsgButtons::Ok, MsgIcon::Exclamation, QStringLiteral("Not saved..."));
    return false;
}

QString UnreadableRecordText(const QString& record, const QString& fileName, const QString& lines) {
    if (ReadOtherHead(fileName)) {
        return record + QStringLiteral(" cannot be read: your ") + fileName +
               (OtherHeads().value(fileName).otherVersion
                    ? QStringLiteral(" is a file of another version (its ")
                    : QStringLiteral(" does not begin as the editor reads it (its ")) +
               HeadNamed(fileName) + QStringLiteral("). It is not shown and cannot be updated.");
    }
    return record + QStringLiteral(" cannot be read: its ") + lines + QStringLiteral(" in ") +
           fileName +
           QStringLiteral(" are out of shape (a line split in two, lost, emptied or put in). It "
                          "is not shown and cannot be updated; a save writes its lines back as "
                          "they were read.\r\n\r\nPlease mend your ") +
           fileName + QStringLiteral(" and open the editor again.");
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

bool MaySaveCountedFile(const QString& fileName, bool complete, bool shifted) {
    if (!MaySaveFileHead(fileName)) {
        return false;
    }
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
        header = next();
        countLine = next();
    }
    m_otherVersion = !TakeFileVersion(fileName, header);
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
    if (m_otherVersion) {
        return; // its records are of another layout: the version is told
    }
    m_notes.add(m_notes.line(line) + note + QStringLiteral(":\r\n") + m_lines.value(line - 1));
}

void CountedFile::noteShifted(qsizetype line, const QString& note) {
    if (m_shifted || m_pastEnd) {
        return;
    }
    m_shifted = true;
    if (m_otherVersion) {
        return;
    }
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
    if (m_otherVersion) {
        ShowOtherHead(m_fileName, m_kinds, m_editor);
        return;
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
    } else if (!m_shifted) { // records read shifted are not counted
        const QStringList left = rest();
        const qsizetype uncounted = std::count_if(left.begin(), left.end(), beginsRecord);
        if (uncounted > 0) {
            ShowCountTooSmall(m_fileName, m_count, m_count + int(uncounted), m_kinds, m_editor);
        }
    }
    m_notes.show();
}
