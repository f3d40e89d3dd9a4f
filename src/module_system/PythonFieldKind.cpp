#include "module_system/PythonFieldKind.h"

#include "module_system/PythonText.h"

#include <QVarLengthArray>

#include <algorithm>
#include <iterator>

namespace {

enum class Tok { Name, Keyword, Number, String, Op, Open, Close, Comma, Colon, Assign, Dot, End };

struct Token {
    Tok kind = Tok::End;
    QStringView text;
};

// Words that can stand for no value: Python 2's and Python 3's keywords
// ("print" and "exec" were keywords in Python 2), True, False and None aside.
bool IsKeyword(QStringView word) {
    static const char* const keywords[] = {
        "and",   "as",     "assert", "async",  "await",  "break",    "class", "continue", "def",
        "del",   "elif",   "else",   "except", "exec",   "finally",  "for",   "from",     "global",
        "if",    "import", "in",     "is",     "lambda", "nonlocal", "not",   "or",       "pass",
        "print", "raise",  "return", "try",    "while",  "with",     "yield"};
    return std::any_of(std::begin(keywords), std::end(keywords),
                       [word](const char* k) { return word == QLatin1String(k); });
}

bool IsAsciiLetter(QChar c) {
    return (c >= u'a' && c <= u'z') || (c >= u'A' && c <= u'Z') || c == u'_';
}

bool IsAsciiDigit(QChar c) {
    return c >= u'0' && c <= u'9';
}

bool AllOf(QStringView digits, QStringView allowed) {
    return !digits.isEmpty() && std::all_of(digits.begin(), digits.end(), [allowed](QChar c) {
        return allowed.contains(c.toLower());
    });
}

// A number literal both Pythons read alike: no "_" between digits, no "L"
// behind, and no decimal integer with a leading zero (Python 2's octal).
bool IsNumberLiteral(QStringView n) {
    if (n.size() > 1 && (n.back() == u'j' || n.back() == u'J'))
        n.chop(1); // imaginary
    if (n.size() > 2 && n[0] == u'0') {
        const QChar base = n[1].toLower();
        if (base == u'x')
            return AllOf(n.mid(2), u"0123456789abcdef");
        if (base == u'o')
            return AllOf(n.mid(2), u"01234567");
        if (base == u'b')
            return AllOf(n.mid(2), u"01");
    }
    qsizetype i = 0;
    const auto digits = [&] {
        const qsizetype from = i;
        while (i < n.size() && IsAsciiDigit(n[i]))
            ++i;
        return i - from;
    };
    const qsizetype whole = digits();
    bool point = false;
    qsizetype fraction = 0;
    if (i < n.size() && n[i] == u'.') {
        point = true;
        ++i;
        fraction = digits();
    }
    if (whole + fraction == 0)
        return false;
    bool exponent = false;
    if (i < n.size() && (n[i] == u'e' || n[i] == u'E')) {
        exponent = true;
        ++i;
        if (i < n.size() && (n[i] == u'+' || n[i] == u'-'))
            ++i;
        if (digits() == 0)
            return false;
    }
    if (i != n.size())
        return false;
    const QStringView integer = n.left(whole);
    const bool leadingZero =
        !point && !exponent && whole > 1 && integer[0] == u'0' &&
        std::any_of(integer.begin(), integer.end(), [](QChar c) { return c != u'0'; });
    return !leadingZero;
}

// The tokens of one line of Python; false for what no expression may hold (a
// comment, a backslash, a line break, a string left open, a sign Python does
// not know, a name beyond ASCII, a malformed number).
bool Tokenize(QStringView s, QVarLengthArray<Token, 32>& out) {
    const qsizetype n = s.size();
    qsizetype i = 0;
    const auto push = [&](Tok kind, qsizetype from, qsizetype to) {
        out.append(Token{kind, s.mid(from, to - from)});
        i = to;
    };
    while (i < n) {
        const QChar c = s[i];
        if (c == u' ' || c == u'\t') {
            ++i;
        } else if (PyScan::IsQuote(c.unicode())) {
            const qsizetype end = PythonStringEnd(s, i);
            if (end < 0)
                return false;
            push(Tok::String, i, end + 1);
        } else if (IsAsciiLetter(c)) {
            qsizetype end = i;
            while (end < n && (IsAsciiLetter(s[end]) || IsAsciiDigit(s[end])))
                ++end;
            const QStringView word = s.mid(i, end - i);
            static const char* const prefixes[] = {"r", "u", "b", "br", "rb", "ur"};
            const bool prefix =
                end < n && PyScan::IsQuote(s[end].unicode()) &&
                std::any_of(std::begin(prefixes), std::end(prefixes), [word](const char* p) {
                    return word.compare(QLatin1String(p), Qt::CaseInsensitive) == 0;
                });
            if (prefix) {
                const qsizetype close = PythonStringEnd(s, end);
                if (close < 0)
                    return false;
                push(Tok::String, i, close + 1);
            } else {
                push(IsKeyword(word) ? Tok::Keyword : Tok::Name, i, end);
            }
        } else if (IsAsciiDigit(c) || (c == u'.' && i + 1 < n && IsAsciiDigit(s[i + 1]))) {
            qsizetype end = i;
            const bool hex = c == u'0' && i + 1 < n && (s[i + 1] == u'x' || s[i + 1] == u'X');
            while (end < n) {
                const QChar d = s[end];
                const bool sign =
                    (d == u'+' || d == u'-') && !hex && (s[end - 1] == u'e' || s[end - 1] == u'E');
                if (!(IsAsciiLetter(d) || IsAsciiDigit(d) || d == u'.' || sign))
                    break;
                ++end;
            }
            if (!IsNumberLiteral(s.mid(i, end - i)))
                return false;
            push(Tok::Number, i, end);
        } else if (c == u'(' || c == u'[' || c == u'{') {
            push(Tok::Open, i, i + 1);
        } else if (c == u')' || c == u']' || c == u'}') {
            push(Tok::Close, i, i + 1);
        } else if (c == u',') {
            push(Tok::Comma, i, i + 1);
        } else if (c == u':') {
            push(Tok::Colon, i, i + 1);
        } else if (c == u'.') {
            push(Tok::Dot, i, i + 1);
        } else if (c == u'=' && !(i + 1 < n && s[i + 1] == u'=')) {
            push(Tok::Assign, i, i + 1);
        } else if (QStringView(u"+-*/%&|^~<>=!").contains(c)) {
            // The signs that pair up; "<>" is Python 2's alone and reads as two here.
            static const char* const pairs[] = {"**", "//", "<<", ">>", "<=", ">=", "==", "!="};
            const QStringView two = s.mid(i, 2);
            const bool pair = std::any_of(std::begin(pairs), std::end(pairs),
                                          [two](const char* p) { return two == QLatin1String(p); });
            if (!pair && c == u'!')
                return false;
            push(Tok::Op, i, i + (pair ? 2 : 1));
        } else {
            return false; // a comment, a backslash, a line break, "@", ";" ...
        }
    }
    out.append(Token{Tok::End, {}});
    return true;
}

// Reads an expression the way Python's grammar does, as far as telling a
// sound one from a broken one needs: operators bind operands, brackets hold
// items separated by commas.
class ExpressionReader {
public:
    explicit ExpressionReader(const QVarLengthArray<Token, 32>& tokens) : t(tokens) {}

    bool atEnd() const { return t[i].kind == Tok::End; }
    bool is(Tok kind, QStringView text = {}) const {
        return t[i].kind == kind && (text.isEmpty() || t[i].text == text);
    }
    bool take(Tok kind, QStringView text = {}) {
        if (!is(kind, text))
            return false;
        ++i;
        return true;
    }

    // A number with a sign in front or none.
    bool number() {
        if (!take(Tok::Op, u"-"))
            take(Tok::Op, u"+");
        return take(Tok::Number);
    }

    // Operands joined by operators; an "if" needs its "else". "not" binds
    // more loosely than any sign, so it may only follow the start, "and",
    // "or", "if" and "else".
    bool expression() {
        int pendingIf = 0;
        if (!operand(true))
            return false;
        for (;;) {
            bool loose = true;
            if (take(Tok::Keyword, u"if")) {
                ++pendingIf;
            } else if (is(Tok::Keyword, u"else")) {
                if (pendingIf == 0)
                    return false;
                --pendingIf;
                ++i;
            } else if (take(Tok::Keyword, u"and") || take(Tok::Keyword, u"or")) {
            } else if (binaryOperator()) {
                loose = false;
            } else {
                break;
            }
            if (!operand(loose))
                return false;
        }
        return pendingIf == 0;
    }

    // Signs in front, one atom, and what follows it: calls, subscripts, ".name".
    bool operand(bool notAllowed = false) {
        while (notAllowed && take(Tok::Keyword, u"not")) {
        }
        while (take(Tok::Op, u"+") || take(Tok::Op, u"-") || take(Tok::Op, u"~")) {
        }
        if (!atom())
            return false;
        for (;;) {
            if (is(Tok::Open, u"(") || is(Tok::Open, u"[")) {
                // A subscript takes something: "x[]" is no expression.
                if (is(Tok::Open, u"[") && t[i + 1].kind == Tok::Close)
                    return false;
                if (!bracket())
                    return false;
            } else if (is(Tok::Dot)) {
                if (!attribute())
                    return false;
            } else {
                return true;
            }
        }
    }

    // ".name" behind an operand. Python 3 takes True, False and None for
    // keywords here.
    bool attribute() {
        if (!take(Tok::Dot))
            return false;
        const QStringView name = t[i].text;
        return name != u"None" && name != u"True" && name != u"False" && take(Tok::Name);
    }

    // A name, or a reference written as an attribute: fac.player_faction.
    bool name() {
        if (!take(Tok::Name))
            return false;
        while (is(Tok::Dot)) {
            if (!attribute())
                return false;
        }
        return true;
    }

    bool atom() {
        if (take(Tok::Name) || take(Tok::Number))
            return true;
        if (take(Tok::String)) {
            while (take(Tok::String)) {
            }
            return true;
        }
        return is(Tok::Open) && bracket();
    }

    // A bracket and its items: expressions parted by commas (a comma may end
    // them), "name=" before an argument, ":" in a subscript or a dictionary.
    bool bracket() {
        const QChar open = t[i].text.front();
        const QChar close = open == u'(' ? u')' : open == u'[' ? u']' : u'}';
        ++i;
        while (!is(Tok::Close)) {
            if (open == u'(' && is(Tok::Name) && t[i + 1].kind == Tok::Assign)
                i += 2;
            const bool colons = open != u'(';
            if (!(colons && is(Tok::Colon)) && !expression())
                return false;
            while (colons && take(Tok::Colon)) {
                if (!is(Tok::Comma) && !is(Tok::Close) && !is(Tok::Colon) && !expression())
                    return false;
            }
            if (!take(Tok::Comma))
                break;
        }
        if (!is(Tok::Close) || t[i].text.front() != close)
            return false;
        ++i;
        return true;
    }

    bool binaryOperator() {
        if (is(Tok::Op) && t[i].text != u"~") {
            ++i;
            return true;
        }
        if (take(Tok::Keyword, u"in"))
            return true;
        if (take(Tok::Keyword, u"is")) {
            take(Tok::Keyword, u"not");
            return true;
        }
        if (is(Tok::Keyword, u"not") && t[i + 1].kind == Tok::Keyword && t[i + 1].text == u"in") {
            i += 2;
            return true;
        }
        return false;
    }

    const QVarLengthArray<Token, 32>& t;
    qsizetype i = 0;
};

} // namespace

bool IsPythonOfKind(QStringView text, PyFieldKind kind) {
    // A field is one line of the file; not even a string may break it.
    if (text.contains(u'\n') || text.contains(u'\r'))
        return false;
    QVarLengthArray<Token, 32> tokens;
    if (!Tokenize(text, tokens) || tokens.size() == 1)
        return false;
    ExpressionReader r(tokens);
    bool read = false;
    switch (kind) {
    case PyFieldKind::Name:
        read = r.name();
        break;
    case PyFieldKind::Number:
        read = r.number();
        break;
    case PyFieldKind::NameOrNumber:
        read = r.is(Tok::Name) ? r.name() : r.number();
        break;
    case PyFieldKind::Term:
        read = r.operand();
        break;
    case PyFieldKind::Terms:
        read = r.operand();
        while (read && r.take(Tok::Op, u"|"))
            read = r.operand();
        break;
    case PyFieldKind::Call:
        read = r.take(Tok::Name) && r.is(Tok::Open, u"(") && r.bracket();
        break;
    case PyFieldKind::List:
        read = r.is(Tok::Open, u"[") && r.bracket();
        break;
    case PyFieldKind::Value:
        read = r.expression();
        break;
    }
    return read && r.atEnd();
}

QString PythonKindDescription(PyFieldKind kind) {
    switch (kind) {
    case PyFieldKind::Name:
        return QStringLiteral("a name");
    case PyFieldKind::Number:
        return QStringLiteral("a number");
    case PyFieldKind::NameOrNumber:
        return QStringLiteral("a name or a number");
    case PyFieldKind::Term:
        return QStringLiteral("one term");
    case PyFieldKind::Terms:
        return QStringLiteral("one term or terms joined by \"|\"");
    case PyFieldKind::Call:
        return QStringLiteral("a name with its value in brackets");
    case PyFieldKind::List:
        return QStringLiteral("a list in square brackets");
    case PyFieldKind::Value:
        return QStringLiteral("one value");
    }
    return QString();
}

bool IsPlainPythonString(QStringView text) {
    return std::none_of(text.begin(), text.end(), [](QChar c) {
        return c == u'"' || c == u'\\' || c == u'\r' || c == u'\n';
    });
}

std::optional<QString> ComputedPythonField(QStringView field) {
    const QStringView trimmed = TrimPythonEnd(TrimPythonStart(field));
    if (trimmed.isEmpty() || !IsPythonOfKind(trimmed, PyFieldKind::Value))
        return std::nullopt;
    return trimmed.toString();
}

bool ReadPythonNameField(QStringView field, QString& text, bool* computed) {
    if (computed)
        *computed = false;
    if (ReadPythonString(field.trimmed(), text, true))
        return true;
    const auto expression = computed ? ComputedPythonField(field) : std::nullopt;
    if (!expression)
        return false;
    text = *expression;
    *computed = true;
    return true;
}

QString PythonNameFieldText(const QString& text, bool computed) {
    return computed ? text : u'"' + text + u'"';
}
