#include "module_system/PythonCoding.h"

#include "platform/TextFile.h"

#include <QRegularExpression>
#include <QSet>

#include <algorithm>

namespace {

// Python's own test for a coding line, and for a first line that lets the
// second one hold it (a comment or nothing).
const QRegularExpression
    CodingLine(QStringLiteral("^[ \\t\\f]*#.*?coding[:=][ \\t]*([-A-Za-z0-9_.]+)"));
const QRegularExpression CommentOrEmpty(QStringLiteral("^[ \\t\\f]*(#|$)"));

const QString Bom(QChar(0xFEFF));
const QString BomAsBytes = QStringLiteral("\u00EF\u00BB\u00BF");

// The code page that the first two lines name, lower case with "-" for "_".
std::optional<QString> DeclaredCoding(QStringView first, QStringView second) {
    if (first.startsWith(Bom))
        first = first.mid(1);
    else if (first.startsWith(BomAsBytes))
        first = first.mid(3);
    for (const QStringView line : {first, second}) {
        const QRegularExpressionMatch found = CodingLine.match(line);
        if (found.hasMatch())
            return found.captured(1).toLower().replace(u'_', u'-');
        if (!CommentOrEmpty.match(line).hasMatch())
            break;
    }
    return std::nullopt;
}

bool NamesUtf8(const QString& name) {
    static const QSet<QString> names{QStringLiteral("utf-8"), QStringLiteral("utf8"),
                                     QStringLiteral("u8"), QStringLiteral("utf"),
                                     QStringLiteral("cp65001")};
    return names.contains(name) || name.startsWith(QStringLiteral("utf-8-"));
}

bool NamesLatin1(const QString& name) {
    static const QSet<QString> names{
        QStringLiteral("latin-1"),     QStringLiteral("latin1"),      QStringLiteral("latin"),
        QStringLiteral("l1"),          QStringLiteral("iso-8859-1"),  QStringLiteral("iso8859-1"),
        QStringLiteral("8859"),        QStringLiteral("cp819"),       QStringLiteral("iso-latin-1"),
        QStringLiteral("iso-ir-100"),  QStringLiteral("csisolatin1"), QStringLiteral("cp1252"),
        QStringLiteral("windows-1252")};
    for (const char* prefix : {"latin-1-", "iso-8859-1-", "iso-latin-1-"}) {
        if (name.startsWith(QLatin1String(prefix)))
            return true;
    }
    return names.contains(name);
}

PythonCoding CodingNamed(const std::optional<QString>& name, bool utf8Bytes) {
    if (!name)
        return {utf8Bytes, false};
    if (NamesUtf8(*name))
        return {utf8Bytes, false};
    return {false, NamesLatin1(*name)};
}

// The length a line of the file has up to its end, CR or LF.
qsizetype LineLength(QByteArrayView bytes) {
    qsizetype n = 0;
    while (n < bytes.size() && bytes[n] != '\r' && bytes[n] != '\n')
        ++n;
    return n;
}

// Where the file's second line begins (its end when it has one line).
qsizetype SecondLine(QByteArrayView bytes) {
    qsizetype next = LineLength(bytes);
    if (next < bytes.size())
        next += bytes.sliced(next).startsWith("\r\n") ? 2 : 1;
    return next;
}

std::optional<QString> FileDeclaredCoding(QByteArrayView bytes) {
    const QByteArrayView rest = bytes.sliced(SecondLine(bytes));
    // A coding line is ASCII, whatever the bytes around it.
    const QString first = QString::fromLatin1(bytes.first(LineLength(bytes)));
    const QString second = QString::fromLatin1(rest.first(LineLength(rest)));
    return DeclaredCoding(first, second);
}

bool IsAscii(QByteArrayView bytes) {
    return std::all_of(bytes.begin(), bytes.end(), [](char c) { return uchar(c) < 0x80; });
}

} // namespace

PythonCoding PythonFileCoding(const QByteArray& bytes) {
    return CodingNamed(FileDeclaredCoding(bytes), IsExactUtf8(bytes));
}

const QByteArray Utf8CodingLine = QByteArrayLiteral("# -*- coding: utf-8 -*-");

bool MayTakeUtf8CodingLine(QByteArrayView read) {
    return IsAscii(read) && !FileDeclaredCoding(read);
}

qsizetype Utf8CodingLinePlace(QByteArrayView read, QByteArrayView written) {
    if (!MayTakeUtf8CodingLine(read) || IsAscii(written) || FileDeclaredCoding(written))
        return -1;
    const qsizetype second = SecondLine(written);
    const bool shebang = written.startsWith("#!") && second > LineLength(written);
    return shebang ? second : 0;
}

PythonCoding PythonLinesCoding(const QStringList& lines) {
    return CodingNamed(DeclaredCoding(lines.value(0), lines.value(1)), true);
}

namespace {
TextCoding TextCodingOf(const PythonCoding& coding) {
    return coding.utf8 ? TextCoding::Utf8 : TextCoding::Bytes;
}
} // namespace

QString DecodePython(QByteArrayView bytes, const PythonCoding& coding) {
    return DecodeText(bytes, TextCodingOf(coding));
}

QByteArray EncodePython(QStringView text, const PythonCoding& coding) {
    return EncodeText(text, TextCodingOf(coding));
}

qsizetype PythonByteLength(QStringView text, const PythonCoding& coding) {
    if (!coding.utf8)
        return text.size();
    qsizetype n = 0;
    for (const QChar c : text) {
        const char16_t u = c.unicode();
        n += u < 0x80 ? 1 : u < 0x800 || c.isSurrogate() ? 2 : 3; // a pair takes 4
    }
    return n;
}

std::optional<UnstorablePythonField> FirstUnstorablePythonField(const QStringList& texts,
                                                                const QStringList& read,
                                                                const PythonCoding& coding) {
    const QString known = read.join(QString());
    for (int i = 0; i < texts.size(); ++i) {
        const QString& text = texts[i];
        for (qsizetype k = 0; k < text.size(); ++k) {
            const QChar c = text[k];
            const bool pair =
                c.isHighSurrogate() && k + 1 < text.size() && text[k + 1].isLowSurrogate();
            const QString character = text.mid(k, pair ? 2 : 1);
            if (pair)
                ++k;
            const bool stored = coding.utf8 || coding.latin1
                                    ? FirstUnstorableChar(character, TextCodingOf(coding)).isEmpty()
                                    : c.unicode() < 0x80 || known.contains(character);
            if (!stored)
                return UnstorablePythonField{i, character, QString()};
        }
    }
    return std::nullopt;
}
