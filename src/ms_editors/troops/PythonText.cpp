#include "ms_editors/troops/PythonText.h"

namespace {

bool isQuote(QChar c) {
    return c == u'"' || c == u'\'';
}

bool isOpening(QChar c) {
    return c == u'[' || c == u'(' || c == u'{';
}

bool isClosing(QChar c) {
    return c == u']' || c == u')' || c == u'}';
}

bool isWordChar(QChar c) {
    return c.isLetterOrNumber() || c == u'_' || c.unicode() >= 0x80;
}

bool isBlank(QChar c) {
    return c == u' ' || c == u'\t';
}

} // namespace

qsizetype PythonStringEnd(QStringView text, qsizetype open) {
    const QChar quote = text[open];
    for (qsizetype i = open + 1; i < text.size(); ++i) {
        if (text[i] == u'\\')
            ++i;
        else if (text[i] == quote)
            return i;
    }
    return -1;
}

namespace {

// Calls visit(position, depth) for every character outside string literals
// from `from` on, with the bracket depth it stands at (a bracket counts as
// outside the brackets it opens or closes), until visit returns false. Stops
// at a string that does not close and then returns false.
template <typename Visit> bool walkCode(QStringView text, qsizetype from, Visit&& visit) {
    int depth = 0;
    for (qsizetype i = from; i < text.size(); ++i) {
        const QChar c = text[i];
        if (isQuote(c)) {
            const qsizetype end = PythonStringEnd(text, i);
            if (end < 0)
                return false;
            i = end;
            continue;
        }
        if (isClosing(c))
            --depth;
        if (!visit(i, depth))
            return true;
        if (isOpening(c))
            ++depth;
    }
    return true;
}

} // namespace

qsizetype PythonBracketEnd(QStringView text, qsizetype open) {
    qsizetype found = -1;
    walkCode(text, open, [&](qsizetype i, int depth) {
        if (i > open && depth == 0 && isClosing(text[i]))
            found = i;
        return found < 0;
    });
    return found;
}

QStringList SplitPythonTopLevel(QStringView text, QChar separator) {
    QStringList parts;
    qsizetype start = 0;
    walkCode(text, 0, [&](qsizetype i, int depth) {
        if (depth == 0 && text[i] == separator) {
            parts.append(text.mid(start, i - start).toString());
            start = i + 1;
        }
        return true;
    });
    parts.append(text.mid(start).toString());
    return parts;
}

QString CompactPythonBlanks(QStringView text) {
    QString result;
    result.reserve(text.size());
    bool blank = false;
    for (qsizetype i = 0; i < text.size(); ++i) {
        const QChar c = text[i];
        if (isBlank(c)) {
            blank = true;
            continue;
        }
        if (blank && !result.isEmpty() && (isWordChar(result.back()) || isQuote(result.back())) &&
            (isWordChar(c) || isQuote(c)))
            result += u' ';
        blank = false;
        if (isQuote(c)) {
            qsizetype end = PythonStringEnd(text, i);
            if (end < 0)
                end = text.size() - 1;
            result += text.mid(i, end - i + 1);
            i = end;
        } else {
            result += c;
        }
    }
    return result;
}

bool IsBarTerm(QStringView term) {
    bool plain = true;
    const bool closed = walkCode(term, 0, [&](qsizetype i, int depth) {
        const QChar c = term[i];
        // Keyword operators need a blank beside them; the rest are these signs.
        plain = depth != 0 ||
                !(isBlank(c) || c == u'<' || c == u'>' || c == u'=' || c == u'!' || c == u':');
        return plain;
    });
    return closed && plain;
}

QStringView CutPythonComment(QStringView text) {
    qsizetype hash = -1;
    walkCode(text, 0, [&](qsizetype i, int) {
        if (text[i] == u'#')
            hash = i;
        return hash < 0;
    });
    return hash < 0 ? text : text.left(hash);
}

QStringList PythonStringLiterals(QStringView text, int count) {
    QStringList found;
    for (qsizetype i = 0; i < text.size() && found.size() < count; ++i) {
        if (!isQuote(text[i]))
            continue;
        const qsizetype end = PythonStringEnd(text, i);
        if (end < 0)
            break;
        found.append(text.mid(i + 1, end - i - 1).toString());
        i = end;
    }
    return found;
}

bool ReadPythonString(QStringView text, QString& content, bool singleQuotes) {
    if (text.size() < 2 || PythonStringEnd(text, 0) != text.size() - 1)
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
