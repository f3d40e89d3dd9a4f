#include "ms_editors/items/PythonItemEntry.h"

#include "module_system/PythonText.h"

namespace {

// id, name, meshes, flags, capabilities, cost, stats and modifiers must be
// there; triggers, factions and whatever a module adds behind them may follow.
constexpr int RequiredFields = 8;
constexpr int TriggerField = 8;
constexpr int FactionField = 9;

const QString Zero = QStringLiteral("0");

// The window's captions of the fields, in entry order, each with a value it
// could hold.
const PythonFieldLabel FieldLabels[] = {
    {"Item ID", "knife"},
    {"Item name", "Knife"},
    {"Meshes", "[(\"knife\",0)] or [(\"arrow\",0),(\"quiver\",ixmesh_carry)]"},
    {"Flags", "itp_type_one_handed_wpn|itp_primary"},
    {"Capabilities", "itc_dagger"},
    {"Cost", "120 or 12*10"},
    {"Values", "weight(1.5) or swing_damage(20,cut)"},
    {"Modifiers", "imodbits_sword"},
    {"Trigger", "[(ti_on_init_item,[])]"},
    {"Factions", "[fac_kingdom_1,fac_kingdom_2]"},
};

QString caption(int field) {
    return QLatin1String(FieldLabels[field].caption);
}

MistypedPythonField mistyped(int field, PyFieldKind kind) {
    return {caption(field), kind, QLatin1String(FieldLabels[field].example)};
}

bool isName(QStringView text) {
    if (text.isEmpty() || text.front().isDigit())
        return false;
    for (QChar c : text) {
        if (!c.isLetterOrNumber() && c != u'_')
            return false;
    }
    return true;
}

// The terms of a field joined by "|"; empty terms ("a||b") are skipped.
QStringList barTerms(const QString& field) {
    QStringList terms = SplitPythonTopLevel(field, u'|');
    terms.removeAll(QString());
    return terms;
}

QString joinedOrZero(const QStringList& terms) {
    QStringList kept = terms;
    kept.removeAll(QString());
    return kept.isEmpty() ? Zero : kept.join(u'|');
}

PythonItemStat readStat(const QString& piece) {
    const qsizetype open = piece.indexOf(u'(');
    if (open > 0 && isName(QStringView(piece).left(open)) &&
        PythonBracketEnd(piece, open) == piece.size() - 1)
        return {piece.left(open), piece.mid(open + 1, piece.size() - open - 2)};
    return {QString(), piece};
}

// A trigger or faction list that holds nothing is no list to write: "[]",
// blanks or nothing.
QString listOrNone(const QString& text) {
    const QString compact = CompactPythonBlanks(text);
    return compact.isEmpty() || compact == QStringLiteral("[]") ? QString() : text;
}

// The texts of the fields as the editor writes them, in entry order; the
// trigger and faction lists are empty when there is none.
QStringList fieldTexts(const PythonItem& item) {
    const QString q = QStringLiteral("\"");
    QStringList stats;
    for (const PythonItemStat& s : item.stats)
        stats.append(s.name.isEmpty() ? s.value : s.name + u'(' + s.value + u')');
    const bool zeroFlags = item.zeroFlags && item.flags == QStringList{PythonItemZeroFlags};
    const bool zeroModifiers =
        item.zeroModifiers && item.modifiers == QStringList{PythonItemZeroModifiers};
    return QStringList{q + item.id + q,
                       PythonNameFieldText(item.name, item.computedName),
                       item.meshes,
                       zeroFlags ? Zero : joinedOrZero(item.flags),
                       joinedOrZero(item.capabilities),
                       item.cost,
                       joinedOrZero(stats),
                       zeroModifiers ? Zero : joinedOrZero(item.modifiers),
                       listOrNone(item.triggers),
                       listOrNone(item.factions)} +
           item.moreFields;
}

} // namespace

PythonItemParse ParsePythonItem(const QString& entry) {
    PythonItemParse result;
    PythonItem& item = result.item;
    // Most entries hold no "#" at all, and the type filter reads them all.
    const QStringView code = entry.contains(u'#') ? CutPythonComment(entry) : QStringView(entry);
    item.remark = entry.mid(code.size()).trimmed();
    if (!TrimPythonStart(code).startsWith(u'['))
        return result;

    const PythonEntryFields split = SplitPythonEntry(entry, u'[');
    const QStringList& fields = split.fields;
    // Only the comma before the next entry may follow (and the remark); the
    // last entry of a list may go without it.
    bool ok = split.complete;
    if (fields.size() < RequiredFields)
        ok = false;

    const auto has = [&](int i) { return i < fields.size(); };
    // Python may compute the name; it is kept as written.
    const auto quoted = [&](int i, QString& out, bool* computed = nullptr) {
        if (has(i) && !ReadPythonNameField(fields[i], out, computed))
            ok = false;
    };
    const auto text = [&](int i) {
        const QString field = has(i) ? CompactPythonBlanks(fields[i]) : QString();
        if (has(i) && field.isEmpty())
            ok = false;
        return field;
    };
    // The editor writes these terms in the order of its lists, which keeps
    // their value only while each of them is a plain term of the bar.
    const auto terms = [&](const QString& field) {
        const QStringList found = barTerms(field);
        for (const QString& term : found) {
            if (found.size() > 1 && !IsBarTerm(term))
                ok = false;
        }
        return found;
    };

    quoted(0, item.id);
    quoted(1, item.name, &item.computedName);
    item.meshes = text(2);
    const QString flags = text(3);
    result.flagsFound = !flags.isEmpty();
    item.zeroFlags = flags == Zero;
    item.flags = item.zeroFlags ? QStringList{PythonItemZeroFlags} : terms(flags);
    const QString capabilities = text(4);
    if (capabilities != Zero)
        item.capabilities = terms(capabilities);
    item.cost = text(5);
    for (const QString& piece : barTerms(text(6)))
        item.stats.append(readStat(piece));
    const QString modifiers = text(7);
    item.zeroModifiers = modifiers == Zero;
    item.modifiers = item.zeroModifiers ? QStringList{PythonItemZeroModifiers} : terms(modifiers);
    item.triggers = listOrNone(text(TriggerField));
    item.factions = listOrNone(text(FactionField));
    for (qsizetype i = FactionField + 1; i < fields.size(); ++i) {
        const QString field = fields[i].trimmed();
        ok = ok && !field.isEmpty();
        item.moreFields.append(field);
    }
    result.complete = ok;
    return result;
}

QString BuildPythonItemEntry(const PythonItem& item) {
    const QStringList fields = fieldTexts(item);
    const QString sep = QStringLiteral(", ");
    QString entry = QStringLiteral(" [") + fields.mid(0, RequiredFields).join(sep);
    // The triggers and factions stand at their places: an empty trigger list
    // keeps the factions (and what follows them) where they belong.
    const QString& triggers = fields[TriggerField];
    const QString& factions = fields[FactionField];
    const QString none = QStringLiteral("[]");
    if (!factions.isEmpty() || !item.moreFields.isEmpty())
        entry += sep + (triggers.isEmpty() ? none : triggers) + sep +
                 (factions.isEmpty() ? none : factions);
    else if (!triggers.isEmpty())
        entry += sep + triggers;
    for (const QString& field : item.moreFields)
        entry += sep + field;
    entry += QStringLiteral(" ],");
    if (!item.remark.isEmpty())
        entry += u' ' + item.remark;
    return entry;
}

QString UnreadablePythonItemField(const PythonItem& item) {
    const PythonItemParse back = ParsePythonItem(BuildPythonItemEntry(item));
    // A typed name that would read back as an expression is not the name typed.
    if (back.item.computedName != item.computedName)
        return caption(1);
    const QStringList written = fieldTexts(item);
    const QStringList read = fieldTexts(back.item);
    for (qsizetype i = 0; i < written.size(); ++i) {
        const QString text = CompactPythonBlanks(written[i]);
        const bool optional = i >= TriggerField && i <= FactionField;
        if (text != CompactPythonBlanks(read.value(i)) || (text.isEmpty() && !optional))
            return i < FactionField + 1 ? caption(int(i))
                                        : QStringLiteral("Fields behind the factions");
    }
    if (!back.complete) {
        // Only a term that must not change places is left to blame.
        for (int i : {3, 4, 7}) {
            const QStringList found = barTerms(CompactPythonBlanks(written[i]));
            for (const QString& term : found) {
                if (found.size() > 1 && !IsBarTerm(term))
                    return caption(i);
            }
        }
        return QStringLiteral("Item");
    }
    return QString();
}

std::optional<MistypedPythonField> MistypedPythonItemField(const PythonItem& item,
                                                           const PythonItem& shown) {
    const auto changed = [](const QString& now, const QString& was) {
        return CompactPythonBlanks(now) != CompactPythonBlanks(was);
    };
    using K = PyFieldKind;
    // An empty trigger or faction box stands for no list at all.
    const struct {
        int field;
        const QString& now;
        const QString& was;
        K kind;
        bool emptyAllowed;
    } boxes[] = {{2, item.meshes, shown.meshes, K::List, false},
                 {5, item.cost, shown.cost, K::Value, false},
                 {TriggerField, item.triggers, shown.triggers, K::List, true},
                 {FactionField, item.factions, shown.factions, K::List, true}};
    for (const auto& b : boxes) {
        if (!changed(b.now, b.was) || (b.emptyAllowed && b.now.trimmed().isEmpty()))
            continue;
        if (!IsPythonOfKind(b.now, b.kind))
            return mistyped(b.field, b.kind);
    }
    for (qsizetype k = 0; k < item.stats.size(); ++k) {
        const PythonItemStat& stat = item.stats[k];
        const bool same = k < shown.stats.size() && !changed(stat.value, shown.stats[k].value);
        if (stat.name.isEmpty() || same)
            continue;
        if (!IsPythonOfKind(QString(stat.name + u'(' + stat.value + u')'), K::Call))
            return mistyped(6, K::Call);
    }
    return std::nullopt;
}

std::optional<UnstorablePythonField> UnstorablePythonItemField(const PythonItem& item,
                                                               const PythonItem& shown,
                                                               const PythonCoding& coding) {
    auto found = FirstUnstorablePythonField(fieldTexts(item), fieldTexts(shown), coding);
    if (found)
        found->field = found->index <= FactionField ? caption(found->index)
                                                    : QStringLiteral("Fields behind the factions");
    return found;
}

bool PythonItemUnchanged(const PythonItem& item, const PythonItem& shown) {
    const QStringList now = fieldTexts(item);
    const QStringList was = fieldTexts(shown);
    if (now.size() != was.size() || item.remark != shown.remark)
        return false;
    for (qsizetype i = 0; i < now.size(); ++i) {
        if (CompactPythonBlanks(now[i]) != CompactPythonBlanks(was[i]))
            return false;
    }
    return true;
}

QList<int> PythonItemStatBoxes(const QList<PythonItemStat>& stats) {
    QList<int> boxes;
    for (qsizetype i = 0; i < stats.size() && boxes.size() < PythonItemStatBoxCount; ++i) {
        if (!stats[i].name.isEmpty())
            boxes.append(int(i));
    }
    return boxes;
}

PythonItem PythonItemAsShown(const PythonItem& parsed, PythonItemNameLists& lists,
                             PythonItemChoice* choice) {
    const PythonItemChoice rows{SelectPythonItemNames(lists.flags, parsed.flags),
                                SelectPythonItemNames(lists.capabilities, parsed.capabilities),
                                SelectPythonItemNames(lists.modifiers, parsed.modifiers)};
    const auto names = [](const QStringList& list, const QList<int>& picked) {
        QStringList found;
        for (int r : picked)
            found.append(list[r]);
        return found;
    };
    PythonItem shown = parsed;
    shown.flags = names(lists.flags, rows.flags);
    shown.capabilities = names(lists.capabilities, rows.capabilities);
    shown.modifiers = names(lists.modifiers, rows.modifiers);
    if (choice)
        *choice = rows;
    return shown;
}

PythonItem NewPythonItemFrom(const PythonItem& templateItem) {
    PythonItem item = templateItem;
    item.id = QStringLiteral("new_item1");
    item.name = QStringLiteral("New Item");
    item.computedName = false;
    item.remark.clear();
    return item;
}

bool RewritePythonItemEntry(QString& entry, PythonItemNameLists& lists) {
    const PythonItemParse parsed = ParsePythonItem(entry);
    // Names of an entry left as it is are still scanned into the lists, as
    // showing it would.
    const PythonItem shown = PythonItemAsShown(parsed.item, lists);
    if (!parsed.complete)
        return false;
    entry = BuildPythonItemEntry(shown);
    return true;
}
