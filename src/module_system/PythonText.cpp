#include "module_system/PythonText.h"

#include <algorithm>
#include <cstring>

namespace {

bool IsClosing(QChar c) {
    return c == u')' || c == u']' || c == u'}';
}

// Scans a text on its own, from a state outside strings and brackets.
template <typename Visit> PySourceLine ScanText(QStringView text, Visit&& visit) {
    PySourceState state;
    PySourceLine info;
    ScanPythonLine(text, state, info, visit);
    info.end = state;
    return info;
}

PySourceLine ScanText(QStringView text) {
    return ScanText(text, PyQuietScan());
}

// Whether what follows an entry's closing bracket lets the entry stand alone
// in its element: blanks, at most one comma, and a comment.
bool IsEntryTrailer(QStringView rest) {
    QStringView code = TrimPythonStart(CutPythonComment(rest));
    if (code.startsWith(u','))
        code = TrimPythonStart(code.mid(1));
    return code.isEmpty();
}

// Where an entry's opening bracket stands: behind blanks and tabs; -1 when
// another character stands there.
qsizetype EntryOpening(QStringView entry, QChar opener) {
    const qsizetype open = entry.size() - TrimPythonStart(entry).size();
    return open < entry.size() && entry[open] == opener ? open : -1;
}

bool HasLineBreak(QStringView text) {
    return text.contains(u'\n') || text.contains(u'\r');
}

} // namespace

QStringView TrimPythonStart(QStringView text) {
    qsizetype i = 0;
    while (i < text.size() && IsPythonBlank(text[i]))
        ++i;
    return text.mid(i);
}

QStringView TrimPythonEnd(QStringView text) {
    qsizetype n = text.size();
    while (n > 0 && IsPythonBlank(text[n - 1]))
        --n;
    return text.left(n);
}

QVector<PySourceLine> ScanPythonSource(const QStringList& lines) {
    QVector<PySourceLine> scan(lines.size());
    PySourceState state;
    for (qsizetype i = 0; i < lines.size(); ++i) {
        PySourceLine& info = scan[i];
        info.start = state;
        ScanPythonLine(lines[i], state, info, PyQuietScan());
        info.end = state;
    }
    return scan;
}

bool ClosesItsStrings(QStringView text) {
    const PySourceLine info = ScanText(text);
    return !info.broken && !info.end.inString();
}

qsizetype PythonStringEnd(QStringView text, qsizetype open) {
    qsizetype end = -1;
    ScanText(text.mid(open), [&](qsizetype, qsizetype to, PyPart part, int) {
        if (part == PyPart::String)
            end = open + to - 1;
        return false; // the first run is the string
    });
    return end;
}

qsizetype PythonBracketEnd(QStringView text, qsizetype open) {
    qsizetype found = -1;
    const QStringView rest = text.mid(open);
    ScanText(rest, [&](qsizetype from, qsizetype to, PyPart part, int depth) {
        if (from > 0 && part == PyPart::Code && to == from + 1 && depth == 0 &&
            IsClosing(rest[from]))
            found = open + from;
        return found < 0;
    });
    return found;
}

QStringList SplitPythonTopLevel(QStringView text, QChar separator) {
    QStringList parts;
    qsizetype start = 0;
    ScanText(text, [&](qsizetype from, qsizetype to, PyPart part, int depth) {
        if (part != PyPart::Code || depth != 0)
            return true;
        for (qsizetype i = from; i < to; ++i) {
            if (text[i] == separator) {
                parts.append(text.mid(start, i - start).toString());
                start = i + 1;
            }
        }
        return true;
    });
    parts.append(text.mid(start).toString());
    return parts;
}

qsizetype PythonFieldEnd(QStringView text, qsizetype from) {
    qsizetype end = text.size();
    const QStringView rest = text.mid(from);
    ScanText(rest, [&](qsizetype start, qsizetype to, PyPart part, int depth) {
        if (part != PyPart::Code || depth > 0)
            return true;
        if (depth < 0) {
            end = from + start; // the bracket that closes one opened before the field
            return false;
        }
        const qsizetype comma = rest.mid(start, to - start).indexOf(u',');
        if (comma >= 0)
            end = from + start + comma;
        return comma < 0;
    });
    return end;
}

bool PythonRunsTogether(QChar before, QChar after) {
    const bool beforeJoins = IsPythonWordChar(before) || PyScan::IsQuote(before.unicode());
    return beforeJoins && (IsPythonWordChar(after) || PyScan::IsQuote(after.unicode()));
}

void AppendCompactPython(QString& out, QStringView text) {
    // Written straight into the text's end, a run at a time: the loader runs
    // this over every continuation line of a file.
    qsizetype n = out.size();
    out.resize(n + text.size() + 1);
    char16_t* o = reinterpret_cast<char16_t*>(out.data());
    const char16_t* t = text.utf16();
    bool blank = n > 0;
    ScanText(text, [&](qsizetype from, qsizetype to, PyPart part, int) {
        // Blanks go only in code; strings and a comment go over whole.
        const bool code = part == PyPart::Code;
        for (qsizetype i = from; i < to;) {
            if (code && (t[i] == u' ' || t[i] == u'\t')) {
                blank = true;
                ++i;
                continue;
            }
            qsizetype end = i + 1;
            while (end < to && (!code || (t[end] != u' ' && t[end] != u'\t')))
                ++end;
            if (blank && n > 0 && (part == PyPart::Comment || PythonRunsTogether(o[n - 1], t[i])))
                o[n++] = u' ';
            blank = false;
            std::memcpy(o + n, t + i, size_t(end - i) * sizeof(char16_t));
            n += end - i;
            i = end;
        }
        return true;
    });
    out.truncate(n);
}

QString CompactPythonBlanks(QStringView text) {
    QString out;
    out.reserve(text.size() + 1);
    AppendCompactPython(out, text);
    return out;
}

bool IsBarTerm(QStringView term) {
    bool plain = true;
    const PySourceLine info =
        ScanText(term, [&](qsizetype from, qsizetype to, PyPart part, int depth) {
            if (part != PyPart::Code || depth != 0)
                return true;
            for (qsizetype i = from; i < to && plain; ++i) {
                const QChar c = term[i];
                // Keyword operators need a blank beside them; the rest are these signs.
                plain = !(IsPythonBlank(c) || c == u'<' || c == u'>' || c == u'=' || c == u'!' ||
                          c == u':');
            }
            return plain;
        });
    return plain && !info.broken && !info.end.inString();
}

QStringView CutPythonComment(QStringView text) {
    const PySourceLine info = ScanText(text);
    return info.commentAt < 0 ? text : text.left(info.commentAt);
}

QString CutComment(const QString& text) {
    return CutPythonComment(text).toString();
}

QStringList PythonStringLiterals(QStringView text, int count) {
    QStringList found;
    if (count <= 0)
        return found;
    ScanText(text, [&](qsizetype from, qsizetype to, PyPart part, int) {
        if (part == PyPart::Code)
            return true;
        if (part != PyPart::String)
            return false; // a comment, or a string that never closes
        // A literal whose second character is its quote again, and which does
        // not end there, opened with three quotes.
        const qsizetype quotes = to - from > 2 && text[from + 1] == text[from] ? 3 : 1;
        found.append(text.mid(from + quotes, to - from - 2 * quotes).toString());
        return found.size() < count;
    });
    return found;
}

bool ReadPythonString(QStringView text, QString& content, bool singleQuotes) {
    if (text.size() < 2 || PythonStringEnd(text, 0) != text.size() - 1)
        return false;
    // A triple-quoted string may hold what a one-quote string cannot.
    if (text.size() > 2 && text[1] == text[0])
        return false;
    const QStringView inner = text.mid(1, text.size() - 2);
    if (text.front() == u'\'') {
        // Written back between double quotes: an unescaped double quote
        // inside would end the string there.
        if (!singleQuotes)
            return false;
        for (qsizetype i = 0; i < inner.size(); ++i) {
            if (inner[i] == u'\\')
                ++i;
            else if (inner[i] == u'"')
                return false;
        }
    } else if (text.front() != u'"') {
        return false;
    }
    content = inner.toString();
    return true;
}

PythonEntryFields SplitPythonEntry(QStringView entry, QChar opener) {
    PythonEntryFields result;
    const qsizetype open = EntryOpening(entry, opener);
    if (open < 0)
        return result;

    const qsizetype close = PythonBracketEnd(entry, open);
    const qsizetype innerEnd = close >= 0 ? close : entry.size();
    result.fields = SplitPythonTopLevel(entry.mid(open + 1, innerEnd - open - 1), u',');
    if (close < 0) {
        result.fields.removeLast(); // cut off where the entry breaks
    } else {
        const QStringView rest = entry.mid(close + 1);
        result.complete = IsEntryTrailer(rest) && !HasLineBreak(entry);
        const QStringView code = CutPythonComment(rest);
        const qsizetype comma = code.size() - TrimPythonStart(code).size();
        result.comma = comma < code.size() && code[comma] == u',';
        const QStringView trailer = rest.mid(result.comma ? comma + 1 : 0);
        if (!TrimPythonStart(trailer).isEmpty())
            result.trailer = trailer.toString();
    }
    if (!result.fields.isEmpty() && result.fields.last().trimmed().isEmpty())
        result.fields.removeLast();
    return result;
}

bool IsOnePythonEntry(QStringView element, QChar opener) {
    const qsizetype open = EntryOpening(element, opener);
    if (open < 0 || HasLineBreak(element))
        return false;
    const qsizetype close = PythonBracketEnd(element, open);
    return close >= 0 && IsEntryTrailer(element.mid(close + 1)) && ClosesItsStrings(element);
}

bool IsOnePythonField(QStringView text) {
    if (HasLineBreak(text))
        return false;
    bool sound = true;
    const PySourceLine info =
        ScanText(text, [&](qsizetype from, qsizetype to, PyPart part, int depth) {
            if (part == PyPart::Comment || (part == PyPart::Code && depth < 0))
                sound = false;
            for (qsizetype i = from; i < to && sound && part == PyPart::Code; ++i)
                sound = !(depth == 0 && text[i] == u',') && text[i] != u'\\';
            return sound;
        });
    return sound && info.end.depth == 0 && !info.broken && !info.end.inString();
}
