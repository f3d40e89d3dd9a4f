#include "ms_editors/party_templates/PythonPTEntry.h"

#include "module_system/PythonText.h"
#include "text_editors/world/MapIcons.h"
#include "text_editors/world/PartyFlags.h"

#include <algorithm>
#include <iterator>

namespace {

// id, name, flags, menu, faction, personality, members
constexpr int RequiredFields = 7;

const QString PfNone = QStringLiteral("pf_none");
const QString PersNone = QStringLiteral("none");
const QString Prisoner = QStringLiteral("pmf_is_prisoner");

// A text standing alone between brackets: its first bracket closes at its end.
bool isBracketed(QStringView text, QChar open) {
    return text.size() >= 2 && text.front() == open && PythonBracketEnd(text, 0) == text.size() - 1;
}

// The elements between the brackets of a bracketed text; a trailing comma is
// Python's and adds nothing. False when an element is empty.
bool readElements(QStringView bracketed, QStringList& elements) {
    const QStringView inner = bracketed.mid(1, bracketed.size() - 2);
    elements.clear();
    if (inner.isEmpty())
        return true;
    elements = SplitPythonTopLevel(inner, u',');
    if (elements.size() > 1 && elements.last().isEmpty())
        elements.removeLast();
    return !elements.contains(QString());
}

bool hasAny(QStringView text, QStringView chars) {
    for (QChar c : text) {
        for (QChar k : chars) {
            if (c == k)
                return true;
        }
    }
    return false;
}

// The text without blanks outside strings; most fields have none to lose.
QString compacted(QStringView field) {
    const QStringView trimmed = field.trimmed();
    return hasAny(trimmed, u" \t") ? CompactPythonBlanks(trimmed) : trimmed.toString();
}

// Whether a term binds as one beside others joined by "|"; without a blank or
// a comparison sign it always does.
bool isBarTerm(const QString& term) {
    for (QChar c : term) {
        switch (c.unicode()) {
        case u' ':
        case u'\t':
        case u'<':
        case u'>':
        case u'=':
        case u'!':
        case u':':
            return IsBarTerm(term);
        default:
            break;
        }
    }
    return true;
}

// The rows of a flag or personality field: "0" shown as `none`, each term once.
QStringList termRows(const QString& field, const QString& none, bool& ok) {
    const QStringList terms =
        field.contains(u'|') ? SplitPythonTopLevel(field, u'|') : QStringList{field};
    QStringList rows;
    for (const QString& term : terms) {
        // The terms go back one by one, which keeps their value only while
        // each of them is a plain term of the bar.
        if (terms.size() > 1 && !isBarTerm(term))
            ok = false;
        if (term.isEmpty())
            continue;
        const QString row = term == QStringLiteral("0") ? none : term;
        if (!rows.contains(row))
            rows.append(row);
    }
    return rows;
}

// Appends the rows joined by "|"; `none` and an empty list are written as
// "0". An empty or separator row adds nothing; a row that would not bind as
// one term beside others keeps its meaning between parentheses.
void appendTerms(QString& out, const QStringList& rows, const QString& none) {
    const auto written = [](const QString& row) {
        return !row.isEmpty() && !IsPythonPTSeparator(row);
    };
    const qsizetype terms = std::count_if(rows.begin(), rows.end(), written);
    if (terms == 0) {
        out += u'0';
        return;
    }
    bool first = true;
    for (const QString& row : rows) {
        if (!written(row))
            continue;
        if (!first)
            out += u'|';
        first = false;
        const QStringView term = row == none ? QStringView(u"0") : QStringView(row);
        const bool enclose = terms > 1 && !isBarTerm(row);
        if (enclose)
            out += u'(';
        out += term;
        if (enclose)
            out += u')';
    }
}

bool isZeroLiteral(QStringView text) {
    // Python's zero in any base, digits grouped by "_" or not: "0", "00",
    // "0x0", "0b_0" ...
    qsizetype i = 0;
    if (text.size() > 2 && text[0] == u'0' && QStringView(u"xXoObB").contains(text[1]))
        i = 2;
    bool digit = false;
    for (; i < text.size(); ++i) {
        if (text[i] == u'0')
            digit = true;
        else if (text[i] != u'_')
            return false;
    }
    return digit;
}

// Appends a member: "(troop,minimum,maximum" and its further elements, ")".
void appendMember(QString& out, const PythonPTMember& m) {
    const auto number = [](const QString& n) {
        return n.isEmpty() ? QStringView(u"0") : QStringView(n);
    };
    out += u'(';
    out += m.troop;
    out += u',';
    out += number(m.minimum);
    out += u',';
    out += number(m.maximum);
    // Ticking or clearing the box changes the fourth element only; elements
    // behind it keep their places.
    qsizetype from = 0;
    if (m.prisoner != (!m.more.isEmpty() && IsPrisonerElement(m.more[0]))) {
        if (m.prisoner || m.more.size() > 1) {
            out += u',';
            out += m.prisoner ? QStringView(Prisoner) : QStringView(u"0");
        }
        from = 1;
    }
    for (qsizetype k = from; k < m.more.size(); ++k) {
        out += u',';
        out += m.more[k];
    }
    out += u')';
}

bool holdsMember(const PythonPTMember& m) {
    return !m.troop.isEmpty() && m.troop != PersNone;
}

// Whether a text can stand between double quotes in one line as it is.
bool isStringText(const QString& text) {
    QString read;
    return !text.contains(u'\r') && !text.contains(u'\n') &&
           ReadPythonString(u'"' + text + u'"', read);
}

// Whether a text is one piece of an expression that can stand as a field or
// a term in the one-line entry (IsOnePythonField), and not blank.
bool isPiece(const QString& text) {
    return !text.trimmed().isEmpty() && IsOnePythonField(text);
}

// The rows of a flag or personality list as the entry says them: no empty
// or separator row, each text once.
QStringList writtenRows(const QStringList& rows) {
    QStringList kept;
    for (const QString& row : rows) {
        if (!row.isEmpty() && !IsPythonPTSeparator(row) && !kept.contains(row))
            kept.append(row);
    }
    return kept;
}

// The texts of the fields as the editor writes them, blanks outside strings
// removed: id, name, flags, menu, faction, personality, then one text per
// member written (the form's rows holding one, in order), the members past
// the sixth, the fields behind the member list and the remark.
QStringList writtenFields(const PythonPT& pt) {
    QString flags, personality;
    appendTerms(flags, writtenRows(pt.flags), PfNone);
    appendTerms(personality, writtenRows(pt.personality), PersNone);
    const QString q = QStringLiteral("\"");
    QStringList texts = {q + pt.id + q, PythonNameFieldText(pt.name, pt.computedName),
                         flags,         pt.menu,
                         pt.faction,    personality};
    for (const PythonPTMember& m : pt.members) {
        if (!holdsMember(m))
            continue;
        QString member;
        appendMember(member, m);
        texts.append(member);
    }
    texts += pt.moreMembers;
    texts.append(pt.computedMembers.isEmpty() ? QStringLiteral("]") : pt.computedMembers);
    texts += pt.extraFields;
    texts.append(pt.trailer.trimmed());
    for (QString& text : texts)
        text = CompactPythonBlanks(text);
    return texts;
}

} // namespace

PythonPTParse ParsePythonPT(const QString& entry) {
    PythonPTParse result;
    if (!TrimPythonStart(entry).startsWith(u'('))
        return result;

    PythonPT& pt = result.pt;
    PythonEntryFields split = SplitPythonEntry(entry, u'(');
    QStringList& fields = split.fields;
    bool ok = split.complete;
    // A comment behind the entry stays with it.
    pt.trailer = split.trailer;
    if (fields.size() < RequiredFields)
        ok = false;

    const auto has = [&](int i) { return i < fields.size(); };
    // Python may compute the name; it is kept as written.
    const auto quoted = [&](int i, QString& out, bool* computed = nullptr) {
        if (has(i) && !ReadPythonNameField(fields[i], out, computed))
            ok = false;
    };
    const auto plain = [&](int i) {
        const QString field = has(i) ? compacted(fields[i]) : QString();
        if (has(i) && (field.isEmpty() ||
                       (field.contains(u'#') && CutPythonComment(field).size() != field.size())))
            ok = false;
        return field;
    };

    quoted(0, pt.id);
    quoted(1, pt.name, &pt.computedName);
    if (has(2))
        pt.flags = termRows(plain(2), PfNone, ok);
    pt.menu = plain(3);
    pt.faction = plain(4);
    if (has(5))
        pt.personality = termRows(plain(5), PersNone, ok);

    const QString list = plain(6);
    QStringList stacks;
    if (has(6) && isBracketed(list, u'[')) {
        ok = readElements(list, stacks) && ok;
    } else if (has(6)) {
        // A member list that Python computes is kept as written.
        pt.computedMembers = ComputedPythonField(fields[6]).value_or(QString());
        ok = ok && !pt.computedMembers.isEmpty();
    }
    for (qsizetype k = 0; k < stacks.size(); ++k) {
        QStringList elements;
        if (!isBracketed(stacks[k], u'(') || !readElements(stacks[k], elements) ||
            elements.size() < 3) {
            ok = false;
            continue;
        }
        if (k >= PythonPTMemberRows) {
            pt.moreMembers.append(stacks[k]);
            continue;
        }
        PythonPTMember& m = pt.members[k];
        m.troop = elements[0];
        // A troop named "none" would read as an empty row and be dropped.
        if (!holdsMember(m))
            ok = false;
        m.minimum = elements[1];
        m.maximum = elements[2];
        m.more = elements.mid(3);
        m.prisoner = !m.more.isEmpty() && IsPrisonerElement(m.more[0]);
    }
    for (qsizetype i = RequiredFields; i < fields.size(); ++i) {
        pt.extraFields.append(fields[i].trimmed());
        if (pt.extraFields.last().isEmpty())
            ok = false;
    }
    result.complete = ok;
    return result;
}

namespace {

// Appends the member list: the members in brackets, or the list as written
// where Python computes it.
void appendMembers(QString& e, const PythonPT& pt) {
    if (!pt.computedMembers.isEmpty()) {
        e += pt.computedMembers;
        return;
    }
    e += u'[';
    bool first = true;
    for (const PythonPTMember& m : pt.members) {
        if (!holdsMember(m))
            continue;
        if (!first)
            e += u',';
        first = false;
        appendMember(e, m);
    }
    for (const QString& member : pt.moreMembers) {
        if (!first)
            e += u',';
        first = false;
        e += member;
    }
    e += u']';
}

} // namespace

QString BuildPythonPTEntry(const PythonPT& pt) {
    // Appended in place: the rewrite of every template builds thousands.
    const QLatin1StringView sep(", ");
    QString e;
    e.reserve(256);
    e += QLatin1StringView(" (\"");
    e += pt.id;
    e += QLatin1StringView("\", ");
    e += PythonNameFieldText(pt.name, pt.computedName);
    e += sep;
    appendTerms(e, pt.flags, PfNone);
    e += sep;
    e += pt.menu;
    e += sep;
    e += pt.faction;
    e += sep;
    appendTerms(e, pt.personality, PersNone);
    e += sep;
    appendMembers(e, pt);
    for (const QString& field : pt.extraFields) {
        e += sep;
        e += field;
    }
    e += QLatin1StringView(" ),");
    e += pt.trailer;
    return e;
}

QString PythonPTUnwritableField(const PythonPT& pt) {
    if (pt.id.isEmpty() || !isStringText(pt.id))
        return QStringLiteral("PT ID");
    if (pt.computedName ? !isPiece(pt.name) : !isStringText(pt.name))
        return QStringLiteral("PT name");
    const auto rowsOk = [](const QStringList& rows) {
        for (const QString& row : rows) {
            if (!row.isEmpty() && !IsPythonPTSeparator(row) && !isPiece(row))
                return false;
        }
        return true;
    };
    if (!rowsOk(pt.flags))
        return QStringLiteral("flags");
    if (!isPiece(pt.menu))
        return QStringLiteral("menu");
    if (!isPiece(pt.faction))
        return QStringLiteral("faction");
    if (!rowsOk(pt.personality))
        return QStringLiteral("personality");
    for (int i = 0; i < PythonPTMemberRows; ++i) {
        const PythonPTMember& m = pt.members[i];
        if (!holdsMember(m))
            continue;
        const QString row = QStringLiteral(" of member ") + QString::number(i + 1);
        if (!isPiece(m.troop))
            return QStringLiteral("troop") + row;
        if (!m.minimum.isEmpty() && !isPiece(m.minimum))
            return QStringLiteral("minimum") + row;
        if (!m.maximum.isEmpty() && !isPiece(m.maximum))
            return QStringLiteral("maximum") + row;
    }
    // What the window does not show came from the file; reading the entry
    // back catches the rest.
    const PythonPTParse back = ParsePythonPT(BuildPythonPTEntry(pt));
    const QStringList written = writtenFields(pt);
    const QStringList read = writtenFields(back.pt);
    static const char* const captions[] = {"PT ID", "PT name", "flags",
                                           "menu",  "faction", "personality"};
    for (qsizetype i = 0; i < written.size(); ++i) {
        if (written[i] == read.value(i))
            continue;
        return i < qsizetype(std::size(captions)) ? QLatin1String(captions[i])
                                                  : QStringLiteral("members");
    }
    if (!back.complete || read.size() != written.size())
        return QStringLiteral("entry");
    return QString();
}

// The fields as the messages name them, each with a value it could hold.
const PythonFieldLabel PythonPTMinimumLabel{"minimum", "2"};
const PythonFieldLabel PythonPTMaximumLabel{"maximum", "12"};

namespace {

const PythonFieldLabel FlagsLabel{"flags", "icon_axeman|pf_show_faction or carries_goods(8)"};
const PythonFieldLabel MenuLabel{"menu", "0"};
const PythonFieldLabel FactionLabel{"faction", "fac_outlaws or 0"};
const PythonFieldLabel PersonalityLabel{"personality", "bandit_personality or courage_8"};
const PythonFieldLabel TroopLabel{"troop", "trp_looter"};

} // namespace

bool IsPythonPTMember(const PythonPTMember& member) {
    return holdsMember(member);
}

std::optional<MistypedPythonField> MistypedPythonPTField(const PythonPT& pt,
                                                         const PythonPT& shown) {
    using K = PyFieldKind;
    const auto changed = [](const QString& now, const QString& was) {
        return CompactPythonBlanks(now) != CompactPythonBlanks(was);
    };
    const auto rowsFit = [](const QStringList& rows, const QStringList& was) {
        for (const QString& row : writtenRows(rows)) {
            if (!was.contains(row) && !IsPythonOfKind(row, K::Term))
                return false;
        }
        return true;
    };
    const auto mistyped = [](const PythonFieldLabel& label, K kind, const QString& member = {}) {
        return MistypedPythonField{QLatin1String(label.caption) + member, kind,
                                   QLatin1String(label.example)};
    };
    if (!rowsFit(pt.flags, shown.flags))
        return mistyped(FlagsLabel, K::Term);
    if (changed(pt.menu, shown.menu) && !IsPythonOfKind(pt.menu, K::NameOrNumber))
        return mistyped(MenuLabel, K::NameOrNumber);
    if (changed(pt.faction, shown.faction) && !IsPythonOfKind(pt.faction, K::NameOrNumber))
        return mistyped(FactionLabel, K::NameOrNumber);
    if (!rowsFit(pt.personality, shown.personality))
        return mistyped(PersonalityLabel, K::Term);
    for (int i = 0; i < PythonPTMemberRows; ++i) {
        const PythonPTMember& m = pt.members[i];
        const PythonPTMember& was = shown.members[i];
        if (!holdsMember(m))
            continue;
        const QString row = QStringLiteral(" of member ") + QString::number(i + 1);
        if (changed(m.troop, was.troop) && !IsPythonOfKind(m.troop, K::NameOrNumber))
            return mistyped(TroopLabel, K::NameOrNumber, row);
        // An empty number box is written as 0.
        if (changed(m.minimum, was.minimum) && !m.minimum.isEmpty() &&
            !IsPythonOfKind(m.minimum, K::Number))
            return mistyped(PythonPTMinimumLabel, K::Number, row);
        if (changed(m.maximum, was.maximum) && !m.maximum.isEmpty() &&
            !IsPythonOfKind(m.maximum, K::Number))
            return mistyped(PythonPTMaximumLabel, K::Number, row);
    }
    return std::nullopt;
}

std::optional<UnstorablePythonField>
UnstorablePythonPTField(const PythonPT& pt, const PythonPT& shown, const PythonCoding& coding) {
    // What the window shows; the rest of the entry goes back as it was read.
    QStringList labels{QStringLiteral("PT ID"),   QStringLiteral("PT name"),
                       QStringLiteral("flags"),   QStringLiteral("menu"),
                       QStringLiteral("faction"), QStringLiteral("personality")};
    QStringList texts{pt.id,   pt.name,    pt.flags.join(u'|'),
                      pt.menu, pt.faction, pt.personality.join(u'|')};
    for (int i = 0; i < PythonPTMemberRows; ++i) {
        const PythonPTMember& m = pt.members[size_t(i)];
        const QString row = QStringLiteral(" of member ") + QString::number(i + 1);
        labels << QStringLiteral("troop") + row << QStringLiteral("minimum") + row
               << QStringLiteral("maximum") + row;
        texts << m.troop << m.minimum << m.maximum;
    }
    auto found = FirstUnstorablePythonField(texts, writtenFields(shown), coding);
    if (found)
        found->field = labels[found->index];
    return found;
}

bool PythonPTUnchanged(const PythonPT& pt, const PythonPT& shown) {
    return writtenFields(pt) == writtenFields(shown);
}

bool IsPrisonerElement(const QString& element) {
    return !element.isEmpty() && !isZeroLiteral(element);
}

QStringList PythonPTFlagVocabulary() {
    QStringList rows;
    for (const PartyFlagRow& row : PartyFlagRows)
        rows.append(QStringLiteral("pf_") + QLatin1String(row.text));
    return rows << QString(110, u'-') << QStringLiteral("carries_goods(x)")
                << QStringLiteral("carries_gold(x)");
}

QStringList PythonPTIconVocabulary() {
    return GameIconNames();
}

QStringList PythonPTPersonalityVocabulary() {
    QStringList rows{QStringLiteral("soldier_personality"),
                     QStringLiteral("merchant_personality"),
                     QStringLiteral("escorted_merchant_personality"),
                     QStringLiteral("bandit_personality"),
                     QString(107, u'-'),
                     QStringLiteral("banditness")};
    for (int i = 4; i <= 15; ++i)
        rows.append(QStringLiteral("courage_") + QString::number(i));
    for (int i = 0; i <= 15; ++i)
        rows.append(QStringLiteral("aggressiveness_") + QString::number(i));
    return rows;
}

bool IsPythonPTSeparator(const QString& row) {
    return !row.isEmpty() && row.count(u'-') == row.size();
}

std::optional<QString> PickedVocabularyText(const QStringList& vocabulary, int row) {
    if (row < 0 || row >= vocabulary.size() || IsPythonPTSeparator(vocabulary[row]))
        return std::nullopt;
    return vocabulary[row];
}
