#include "textfiles/LoadNotes.h"

#include "platform/MessageBox.h"

#include <algorithm>

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
// a line of many thousand characters would make a box no screen can show.
constexpr qsizetype QuotedLineMax = 1000;
constexpr qsizetype QuotedLineCut = 200;

QString WithLongLinesCut(const QString& text) {
    QStringList lines = text.split(QStringLiteral("\r\n"));
    for (QString& line : lines) {
        line = CutLongLine(line);
    }
    return lines.join(QStringLiteral("\r\n"));
}
} // namespace

QString CutLongLine(const QString& line) {
    if (line.size() <= QuotedLineMax) {
        return line;
    }
    return line.left(QuotedLineCut) + QStringLiteral(" ... (") + QString::number(line.size()) +
           QStringLiteral(" characters)");
}

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

QString StrayLinesAfter(const QString& fileName, const QString& kind, qsizetype firstNumber,
                        const QStringList& lines, const QStringList& idsBefore) {
    StrayLines stray(fileName, kind);
    for (qsizetype k = 0; k < lines.size(); ++k) {
        const QString& line = lines.at(k);
        if (std::any_of(line.begin(), line.end(), [](QChar c) { return c != u' '; }))
            stray.add(firstNumber + k, line, idsBefore);
    }
    return stray.told();
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
