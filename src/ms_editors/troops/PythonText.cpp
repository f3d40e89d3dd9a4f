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

qsizetype PythonBracketEnd(QStringView text, qsizetype open) {
    int depth = 0;
    for (qsizetype i = open; i < text.size(); ++i) {
        const QChar c = text[i];
        if (isQuote(c)) {
            const qsizetype end = PythonStringEnd(text, i);
            if (end < 0)
                return -1;
            i = end;
        } else if (isOpening(c)) {
            ++depth;
        } else if (isClosing(c) && --depth == 0) {
            return i;
        }
    }
    return -1;
}

QStringList SplitPythonTopLevel(QStringView text, QChar separator) {
    QStringList parts;
    int depth = 0;
    qsizetype start = 0;
    for (qsizetype i = 0; i < text.size(); ++i) {
        const QChar c = text[i];
        if (isQuote(c)) {
            const qsizetype end = PythonStringEnd(text, i);
            if (end < 0)
                break;
            i = end;
        } else if (isOpening(c)) {
            ++depth;
        } else if (isClosing(c)) {
            --depth;
        } else if (c == separator && depth == 0) {
            parts.append(text.mid(start, i - start).toString());
            start = i + 1;
        }
    }
    parts.append(text.mid(start).toString());
    return parts;
}

QString RemovePythonBlanks(QStringView text) {
    QString result;
    result.reserve(text.size());
    for (qsizetype i = 0; i < text.size(); ++i) {
        const QChar c = text[i];
        if (isQuote(c)) {
            qsizetype end = PythonStringEnd(text, i);
            if (end < 0)
                end = text.size() - 1;
            result += text.mid(i, end - i + 1);
            i = end;
        } else if (c != u' ' && c != u'\t') {
            result += c;
        }
    }
    return result;
}

QStringView CutPythonComment(QStringView text) {
    for (qsizetype i = 0; i < text.size(); ++i) {
        if (isQuote(text[i])) {
            const qsizetype end = PythonStringEnd(text, i);
            if (end < 0)
                return text;
            i = end;
        } else if (text[i] == u'#') {
            return text.left(i);
        }
    }
    return text;
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

bool ReadPythonString(QStringView text, QString& content) {
    if (text.size() < 2 || text.front() != u'"' || PythonStringEnd(text, 0) != text.size() - 1)
        return false;
    content = text.mid(1, text.size() - 2).toString();
    return true;
}
