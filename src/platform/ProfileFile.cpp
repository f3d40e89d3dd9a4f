#include "platform/ProfileFile.h"

#include "platform/TextFile.h"

#include <QFile>

#include <optional>

namespace {
struct Line {
    QString text;
    QByteArray ending; // kept as found, so untouched lines are written back as they were
};

QList<Line> readLines(const QString& path) {
    QList<Line> lines;
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return lines;
    const QByteArray bytes = file.readAll();
    qsizetype start = 0;
    for (qsizetype i = 0; i < bytes.size(); ++i) {
        const char c = bytes[i];
        if (c != '\r' && c != '\n')
            continue;
        qsizetype end = i;
        if (c == '\r' && i + 1 < bytes.size() && bytes[i + 1] == '\n')
            ++i;
        lines.append({FromFileBytes(bytes.mid(start, end - start)), bytes.mid(end, i + 1 - end)});
        start = i + 1;
    }
    if (start < bytes.size())
        lines.append({FromFileBytes(bytes.mid(start)), QByteArray()});
    return lines;
}

// The section name of a "[name]" line, or no value for any other line.
std::optional<QString> sectionOf(const QString& line) {
    const QString t = line.trimmed();
    if (!t.startsWith(u'[') || !t.contains(u']'))
        return std::nullopt;
    return t.mid(1, t.indexOf(u']') - 1).trimmed();
}

// The key of a "key=value" line, or no value.
std::optional<QString> keyOf(const QString& line) {
    const qsizetype eq = line.indexOf(u'=');
    if (eq < 0)
        return std::nullopt;
    return line.left(eq).trimmed();
}

bool same(const QString& a, const QString& b) {
    return a.compare(b, Qt::CaseInsensitive) == 0;
}

// Blanks and tabs only: a byte of a value's multi-byte letter may read as
// another kind of space (0xA0 ends "\xD0\xA0", the Cyrillic R).
QString trimBlanks(const QString& text) {
    qsizetype first = 0;
    qsizetype end = text.size();
    while (first < end && (text[first] == u' ' || text[first] == u'\t'))
        ++first;
    while (end > first && (text[end - 1] == u' ' || text[end - 1] == u'\t'))
        --end;
    return text.mid(first, end - first);
}

// Values are the bytes of the file (one character per byte, as every line is
// held) in the file system's encoding, so that a folder is named as the file
// system names it. Bytes that do not decode in it (a file written by an
// older version) keep their old reading, one character per byte.
QString decodeValue(const QString& bytesAsText) {
    const QByteArray bytes = ToFileBytes(bytesAsText);
    const QString value = QFile::decodeName(bytes);
    return QFile::encodeName(value) == bytes ? value : bytesAsText;
}

// No value where the file system's encoding cannot hold the text.
std::optional<QString> encodeValue(const QString& value) {
    const QByteArray bytes = QFile::encodeName(value);
    if (QFile::decodeName(bytes) != value)
        return std::nullopt;
    return FromFileBytes(bytes);
}
} // namespace

QString GetProfileString(const QString& section, const QString& key, const QString& file) {
    bool inSection = false;
    for (const Line& line : readLines(file)) {
        if (const auto name = sectionOf(line.text)) {
            inSection = same(*name, section);
            continue;
        }
        if (!inSection)
            continue;
        const auto k = keyOf(line.text);
        if (!k || !same(*k, key))
            continue;
        QString value = trimBlanks(line.text.mid(line.text.indexOf(u'=') + 1));
        // The platform drops one pair of quotes around a value.
        if (value.size() >= 2 && ((value.startsWith(u'"') && value.endsWith(u'"')) ||
                                  (value.startsWith(u'\'') && value.endsWith(u'\''))))
            value = value.mid(1, value.size() - 2);
        return decodeValue(value);
    }
    return QString();
}

bool WriteProfileString(const QString& section, const QString& key, const QString& value,
                        const QString& file) {
    if (!MayReplaceFile(file))
        return false;
    // A value stored as something else ("?" for every letter beyond Latin-1)
    // would be a folder that does not exist at the next start.
    const std::optional<QString> stored = encodeValue(value);
    if (!stored)
        return false;
    QList<Line> lines = readLines(file);
    const QString entry = key + u'=' + *stored;
    qsizetype sectionStart = -1; // index of the section's header line
    qsizetype lastInSection = -1;
    bool done = false;
    for (qsizetype i = 0; i < lines.size() && !done; ++i) {
        if (const auto name = sectionOf(lines[i].text)) {
            if (sectionStart >= 0)
                break; // the next section begins
            if (same(*name, section))
                sectionStart = lastInSection = i;
            continue;
        }
        if (sectionStart < 0)
            continue;
        if (!lines[i].text.trimmed().isEmpty())
            lastInSection = i;
        const auto k = keyOf(lines[i].text);
        if (k && same(*k, key)) {
            lines[i].text = entry;
            done = true;
        }
    }
    if (!done) {
        // A last line without a line end must get one before anything follows it.
        if (!lines.isEmpty() && lines.last().ending.isEmpty())
            lines.last().ending = "\r\n";
        if (sectionStart < 0) {
            lines.append({u'[' + section + u']', "\r\n"});
            lines.append({entry, "\r\n"});
        } else {
            lines.insert(lastInSection + 1, {entry, "\r\n"});
        }
    }
    QByteArray bytes;
    for (const Line& line : lines)
        bytes += ToFileBytes(line.text) + line.ending;
    // The one atomic replace of the program, so that a full disk leaves the
    // old settings whole and the caller learns that nothing was written.
    PendingFailure failure;
    return SaveFileBytes(file, bytes, failure);
}
