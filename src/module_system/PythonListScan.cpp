#include "module_system/PythonListScan.h"

#include <algorithm>
#include <array>
#include <cstring>
#include <vector>

QString TrimListLine(QStringView line, const PySourceLine& info) {
    QStringView text = info.start.inString() ? line : TrimPythonStart(line);
    if (!info.end.inString())
        text = TrimPythonEnd(text);
    return text.toString();
}

void AppendJoined(QString& entry, QStringView piece) {
    if (!entry.isEmpty() && !piece.isEmpty() && PythonRunsTogether(entry.back(), piece.front()))
        entry += u' ';
    entry += piece;
}

void AppendIndented(QString& entry, QStringView text) {
    const QStringView rest = TrimPythonStart(text);
    entry += QString(text.size() - rest.size(), u' ');
    AppendJoined(entry, rest);
}

bool AddTrailingComma(QString& entry) {
    qsizetype codeEnd = 0;
    PySourceState state;
    PySourceLine info;
    ScanPythonLine(entry, state, info, [&](qsizetype from, qsizetype to, PyPart part, int) {
        if (part == PyPart::Comment)
            return false;
        for (qsizetype i = to; i > from && codeEnd < i; --i) {
            if (part != PyPart::Code || !IsPythonBlank(entry[i - 1]))
                codeEnd = i;
        }
        return true;
    });
    if (codeEnd == 0 || entry[codeEnd - 1] == u',')
        return false;
    entry.insert(codeEnd, u',');
    return true;
}

bool HasForWord(QStringView code) {
    for (qsizetype k = code.indexOf(u"for"); k >= 0; k = code.indexOf(u"for", k + 1)) {
        if ((k == 0 || !IsPythonWordChar(code[k - 1])) &&
            (k + 3 == code.size() || !IsPythonWordChar(code[k + 3])))
            return true;
    }
    return false;
}

std::optional<ListOpening> FindListOpening(QStringView line, PySourceState state,
                                           const QString& listStart) {
    struct Seen {
        QChar c;
        int depth;
        qsizetype at;
    };
    std::vector<Seen> seen;
    QString code;
    PySourceLine info;
    ScanPythonLine(line, state, info, [&](qsizetype from, qsizetype to, PyPart part, int depth) {
        if (part == PyPart::Comment)
            return false;
        for (qsizetype i = from; i < to; ++i) {
            const QChar c = part == PyPart::Code ? line[i] : QChar(1);
            if (part == PyPart::Code && IsPythonBlank(c))
                continue;
            seen.push_back({c, depth, i});
            code += c;
        }
        return true;
    });
    for (qsizetype k = code.indexOf(listStart); k >= 0; k = code.indexOf(listStart, k + 1)) {
        if (k > 0 && IsPythonWordChar(code[k - 1]))
            continue;
        const qsizetype bracket = k + listStart.size() - 1;
        // The list's bracket stands outside the list; what it holds is one deeper.
        return ListOpening{seen[size_t(bracket)].depth + 1, seen[size_t(bracket)].at};
    }
    return std::nullopt;
}

namespace {

// What a character is to the join of a compact list's line: most are plain
// (names, numbers, operators, and every character above ASCII).
enum CharKind : unsigned char { Plain, Blank, Opens, Closes, Remark, Scanner };
constexpr auto CharKinds = [] {
    std::array<unsigned char, 128> kinds{};
    kinds[' '] = kinds['\t'] = Blank;
    kinds['('] = kinds['['] = kinds['{'] = Opens;
    kinds[')'] = kinds[']'] = kinds['}'] = Closes;
    kinds['#'] = Remark;
    kinds['"'] = kinds['\''] = kinds['\\'] = Scanner; // strings and line joins
    return kinds;
}();

} // namespace

void ScanAndCompact(QStringView text, PySourceState& state, PySourceLine& info, char16_t* out,
                    qsizetype& length, ElementWatch& watch) {
    const char16_t* t = text.utf16();
    const qsizetype lineStart = length;
    if (!state.inString()) {
        char16_t* o = out + length;
        int depth = state.depth;
        int minDepth = depth;
        bool blank = false;
        ElementWatch fast = watch;
        const char16_t* p = t;
        const char16_t* const end = t + text.size();
        for (; p < end; ++p) {
            const char16_t c = *p;
            const unsigned char kind = c < 128 ? CharKinds[c] : static_cast<unsigned char>(Plain);
            if (kind == Plain) {
                if (depth == fast.listDepth)
                    fast.code(c, depth);
                if (blank) {
                    if (o > out + lineStart && PythonRunsTogether(o[-1], c))
                        *o++ = u' ';
                    blank = false;
                }
                *o++ = c;
                continue;
            }
            if (kind == Blank) {
                blank = true;
                continue;
            }
            if (kind == Remark) {
                info.commentAt = int(p - t);
                break;
            }
            if (kind == Scanner)
                break;
            if (kind == Opens) {
                if (depth == fast.listDepth)
                    fast.code(c, depth);
                ++depth;
            } else
                minDepth = std::min(minDepth, --depth);
            blank = false;
            *o++ = c;
        }
        if (p == end || info.commentAt >= 0) {
            info.minDepth = minDepth;
            state.depth = depth;
            length = o - out;
            watch = fast;
            return;
        }
    }
    bool blank = false;
    ScanPythonLine(text, state, info, [&](qsizetype from, qsizetype to, PyPart part, int depth) {
        if (part == PyPart::Comment)
            return true;
        if (part != PyPart::Code)
            watch.string(depth);
        else if (depth == watch.listDepth)
            for (qsizetype k = from; k < to; ++k)
                watch.code(t[k], depth);
        // Kept in registers for the loop over the characters.
        qsizetype n = length;
        bool b = blank;
        const auto keep = [&](char16_t c) {
            if (b && n > lineStart && PythonRunsTogether(out[n - 1], c))
                out[n++] = u' ';
            b = false;
        };
        if (part != PyPart::Code) {
            keep(t[from]); // strings go over whole
            std::memcpy(out + n, t + from, size_t(to - from) * sizeof(char16_t));
            n += to - from;
        } else {
            for (qsizetype k = from; k < to;) {
                if (t[k] == u' ' || t[k] == u'\t') {
                    b = true;
                    ++k;
                    continue;
                }
                if (b)
                    keep(t[k]);
                // The run up to the next blank, tab or control character.
                do
                    out[n++] = t[k++];
                while (k < to && t[k] > u' ');
            }
        }
        length = n;
        blank = b;
        return true;
    });
}
