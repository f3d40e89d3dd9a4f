#include "module_system/PythonListGrowth.h"

#include <algorithm>

namespace {

// The code of lines first to last of a statement without its comments and
// blanks (one blank stays where two words would run together), every string
// written as "": what is left to read for names and operators.
QString Skeleton(const PythonFileLines& file, const std::vector<PySourceLine>& scan, int first,
                 int last) {
    QString out;
    bool blank = false;
    for (int k = first; k <= last; ++k) {
        const QStringView text = file.line(k);
        PySourceState state = scan[size_t(k)].start;
        PySourceLine info;
        ScanPythonLine(text, state, info, [&](qsizetype from, qsizetype to, PyPart part, int) {
            if (part == PyPart::Comment)
                return false;
            if (part != PyPart::Code) {
                out += QStringLiteral("\"\"");
                blank = false;
                return true;
            }
            for (qsizetype c = from; c < to; ++c) {
                const QChar ch = text[c];
                if (IsPythonBlank(ch) || (ch == u'\\' && c + 1 == text.size())) {
                    blank = true;
                    continue;
                }
                if (blank && !out.isEmpty() && IsPythonWordChar(out.back()) && IsPythonWordChar(ch))
                    out += u' ';
                out += ch;
                blank = false;
            }
            return true;
        });
        blank = true; // a line end parts two words as a blank does
    }
    return out;
}

bool StartsWithWord(QStringView code, QStringView word) {
    return code.startsWith(word) &&
           (code.size() == word.size() || !IsPythonWordChar(code[word.size()]));
}

// Whether the statement's code adds to the list: a method that adds, an
// augmented assignment or a new assignment of the list's name, or a call
// handed the list (none of the upgrade helpers).
bool AddsTo(QStringView code, QStringView list) {
    if (StartsWithWord(code, list)) {
        const QStringView rest = code.mid(list.size());
        for (const char16_t* grows : {u".extend(", u".append(", u".insert(", u"+="}) {
            if (rest.startsWith(grows))
                return true;
        }
        return rest.startsWith(u'=') && !rest.startsWith(u"==");
    }
    qsizetype open = 0;
    while (open < code.size() && (IsPythonWordChar(code[open]) || code[open] == u'.'))
        ++open;
    if (open == 0 || open >= code.size() || code[open] != u'(')
        return false;
    const QStringView callee = code.left(open);
    if (callee.mid(callee.lastIndexOf(u'.') + 1).startsWith(u"upgrade"))
        return false;
    const qsizetype close = PythonBracketEnd(code, open);
    const QStringView args = code.mid(open + 1, (close < 0 ? code.size() : close) - open - 1);
    for (const QString& arg : SplitPythonTopLevel(args, u','))
        if (arg == list)
            return true;
    return false;
}

// The statement as the user is told of it: its first line's code, cut to 60
// characters, with " ..." where more follows.
QString Shown(const PythonFileLines& file, const std::vector<PySourceLine>& scan, int first,
              int last) {
    const QStringView text = file.line(first);
    const int comment = scan[size_t(first)].commentAt;
    QStringView code = TrimPythonEnd(TrimPythonStart(comment >= 0 ? text.left(comment) : text));
    if (scan[size_t(first)].joinsNext)
        code = TrimPythonEnd(code.chopped(1)); // the backslash that joins the next line
    const bool more = code.size() > 60 || last > first;
    return code.left(60).toString() + (more ? QStringLiteral(" ...") : QString());
}

} // namespace

QStringList FindPythonListGrowth(const PythonFileLines& file, const std::vector<PySourceLine>& scan,
                                 int from, QStringView list, const std::vector<int>& passOver) {
    QStringList found;
    const int n = std::min(file.count(), int(scan.size()));
    int bodyOf = -1; // the indentation of the def or class whose body is passed over, or -1
    for (int i = std::max(from, 0); i < n;) {
        const PySourceLine& info = scan[size_t(i)];
        // A statement begins outside brackets and strings, on a line that no
        // backslash joins to the one above; it ends where all of them close.
        int last = i;
        while (last + 1 < n && (scan[size_t(last)].end.depth > 0 ||
                                scan[size_t(last)].end.inString() || scan[size_t(last)].joinsNext))
            ++last;
        const bool begins = !info.start.inString() && info.start.depth == 0 &&
                            (i == 0 || !scan[size_t(i) - 1].joinsNext);
        const QStringView text = file.line(i);
        const QStringView code =
            TrimPythonStart(info.commentAt >= 0 ? text.left(info.commentAt) : text);
        if (!begins || code.isEmpty() ||
            std::find(passOver.begin(), passOver.end(), i) != passOver.end()) {
            i = last + 1;
            continue;
        }
        const int indent = int(text.size() - TrimPythonStart(text).size());
        if (bodyOf >= 0 && indent > bodyOf) {
            i = last + 1;
            continue;
        }
        bodyOf = -1;
        const QString skeleton = Skeleton(file, scan, i, last);
        if (StartsWithWord(skeleton, u"def") || StartsWithWord(skeleton, u"class"))
            bodyOf = indent;
        else if (AddsTo(skeleton, list))
            found.append(QStringLiteral("Line ") + QString::number(i + 1) + QStringLiteral(": ") +
                         Shown(file, scan, i, last));
        i = last + 1;
    }
    return found;
}
