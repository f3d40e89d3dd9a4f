#include "ms_editors/troops/PythonTroopEntry.h"

#include "module_system/PythonEntryLists.h"
#include "module_system/PythonText.h"

#include <algorithm>

namespace {

// The fields of a troop: id, names, flags, scene, reserved, faction, items,
// attributes, proficiencies and skills are required; the faces and the image
// may follow, and behind them the fields modules add. The game's build and
// its upgrade calls take a troop without faces as one whose faces are 0.
constexpr int RequiredFields = 11;
constexpr int KnownFields = 14;

const QString TfNone = QStringLiteral("tf_none");

QStringList withoutEmpty(const QStringList& parts) {
    QStringList kept;
    for (const QString& p : parts) {
        if (!p.isEmpty())
            kept.append(p);
    }
    return kept;
}

// An empty term (a row changed to nothing) would leave "||" in the entry.
QString joinedOrZero(const QStringList& parts) {
    const QStringList terms = withoutEmpty(parts);
    return terms.isEmpty() ? QStringLiteral("0") : terms.join(u'|');
}

QString orZero(const QString& field) {
    return field.isEmpty() ? QStringLiteral("0") : field;
}

QString nameText(const PythonTroop& t, PythonTroopField field, const QString& name) {
    return PythonNameFieldText(name, t.isComputed(field));
}

// The inventory as the entry writes it: its rows in brackets, or its one row
// as written where Python computes it.
QString itemsText(const PythonTroop& t) {
    return t.isComputed(PythonTroopField::Items) ? t.items.value(0)
                                                 : u'[' + t.items.join(u',') + u']';
}

// Which of the fields behind the skills the entry writes. They are
// positional: one that is missing before a later one would shift that one
// into its place, so a missing one is written as 0 then.
struct WrittenTail {
    bool face1, face2, image;
};
WrittenTail writtenTail(const PythonTroop& t) {
    const bool image = !t.extra.isEmpty() || !t.image.isEmpty();
    const bool face2 = image || !t.face2.isEmpty();
    return {face2 || !t.face1.isEmpty() || !t.facesLeftOut, face2, image};
}

// The texts of the fields as the editor writes them, blanks outside strings
// removed; the faces and the image are empty where none is written.
QStringList writtenFields(const PythonTroop& t) {
    QStringList flags;
    for (const QString& f : t.flags)
        flags.append(f == TfNone ? QStringLiteral("0") : f);
    const QString q = QStringLiteral("\"");
    const auto [face1, face2, image] = writtenTail(t);
    QStringList texts = {q + t.id + q,
                         nameText(t, PythonTroopField::Name, t.name),
                         nameText(t, PythonTroopField::NamePl, t.namePl),
                         joinedOrZero(flags),
                         t.scene,
                         t.reserved,
                         t.faction,
                         itemsText(t),
                         joinedOrZero(t.attributes),
                         t.proficiencies,
                         joinedOrZero(t.skills),
                         face1 ? orZero(t.face1) : QString(),
                         face2 ? orZero(t.face2) : QString(),
                         image ? orZero(t.image) : QString()};
    texts += t.extra;
    for (QString& text : texts)
        text = CompactPythonBlanks(text);
    return texts;
}

} // namespace

PythonTroopParse ParsePythonTroop(const QString& entry) {
    PythonTroopParse result;
    const PythonEntryFields split = SplitPythonEntry(entry, u'[');
    const QStringList& fields = split.fields;
    bool ok = split.complete && fields.size() >= RequiredFields;

    PythonTroop& t = result.troop;
    const auto has = [&](int i) { return i < fields.size(); };
    // Python may compute a name; the id names the troop for the editor's
    // lists and upgrade calls, so it must be a string.
    const auto quoted = [&](PythonTroopField field, QString& out) {
        const int i = int(field);
        bool computed = false;
        if (has(i) && !ReadPythonNameField(fields[i], out,
                                           field == PythonTroopField::Id ? nullptr : &computed))
            ok = false;
        if (computed)
            t.computed.append(field);
    };
    const auto plain = [&](int i) {
        const QString field = has(i) ? CompactPythonBlanks(fields[i]) : QString();
        if (has(i) && field.isEmpty())
            ok = false;
        return field;
    };
    const auto list = [&](int i) {
        return has(i) ? SplitPythonTopLevel(plain(i), u'|') : QStringList();
    };

    quoted(PythonTroopField::Id, t.id);
    quoted(PythonTroopField::Name, t.name);
    quoted(PythonTroopField::NamePl, t.namePl);
    t.flags = withoutEmpty(list(3));
    // The flags go back in the order of the flag list, which keeps their value
    // only while each of them is a plain term of the bar.
    if (t.flags.size() > 1) {
        for (const QString& flag : t.flags) {
            if (!IsBarTerm(flag))
                ok = false;
        }
    }
    t.scene = plain(4);
    t.reserved = plain(5);
    t.faction = plain(6);
    if (has(7)) {
        const QString inventory = plain(7);
        const auto computed = ComputedPythonField(fields[7]);
        if (inventory.startsWith(u'[') && PythonBracketEnd(inventory, 0) == inventory.size() - 1) {
            t.items = withoutEmpty(
                SplitPythonTopLevel(QStringView(inventory).mid(1, inventory.size() - 2), u','));
        } else if (computed) {
            t.items = QStringList{*computed};
            t.computed.append(PythonTroopField::Items);
        } else {
            ok = false;
        }
    }
    t.attributes = list(8);
    t.proficiencies = plain(9);
    t.skills = list(10);
    t.facesLeftOut = fields.size() == RequiredFields;
    t.face1 = plain(11);
    t.face2 = plain(12);
    t.image = plain(13);
    for (qsizetype i = KnownFields; i < fields.size(); ++i) {
        t.extra.append(fields[i].trimmed());
        if (t.extra.last().isEmpty())
            ok = false;
    }
    result.complete = ok;
    return result;
}

QString BuildPythonTroopEntry(const PythonTroop& t) {
    QStringList flags;
    for (const QString& f : t.flags)
        flags.append(f == TfNone ? QStringLiteral("0") : f);
    const QString sep = QStringLiteral(", ");
    QString e = QStringLiteral(" [\"") + t.id + QStringLiteral("\", ") +
                nameText(t, PythonTroopField::Name, t.name) + sep +
                nameText(t, PythonTroopField::NamePl, t.namePl) + sep + joinedOrZero(flags) + sep +
                t.scene + sep + t.reserved + sep + t.faction + sep + itemsText(t) + sep +
                joinedOrZero(t.attributes) + sep + t.proficiencies + sep + joinedOrZero(t.skills);
    const auto [face1, face2, image] = writtenTail(t);
    if (face1)
        e += sep + orZero(t.face1);
    if (face2)
        e += sep + orZero(t.face2);
    if (image)
        e += sep + orZero(t.image);
    for (const QString& field : t.extra)
        e += sep + field;
    e += QStringLiteral(" ],");
    return e;
}

std::optional<PythonTroopField> BrokenPythonTroopField(const PythonTroop& t) {
    using F = PythonTroopField;
    const auto quoted = [](const QString& text) {
        QString content;
        return ReadPythonString(QString(u'"' + text + u'"'), content);
    };
    // A field or term that is written must hold something; an empty one is
    // left out (terms) or written as 0 (faces), where `emptyAllowed`.
    const auto fits = [](const QString& text, bool emptyAllowed) {
        if (text.isEmpty())
            return emptyAllowed;
        return IsOnePythonField(text) && !text.trimmed().isEmpty();
    };
    const auto allFit = [&](const QStringList& terms, bool emptyAllowed) {
        return std::all_of(terms.begin(), terms.end(),
                           [&](const QString& term) { return fits(term, emptyAllowed); });
    };
    const QStringList flags = withoutEmpty(t.flags);
    const bool flagsJoin = flags.size() < 2 || std::all_of(flags.begin(), flags.end(), IsBarTerm);
    // What Python computes is written as it was read: one field.
    const auto name = [&](F field, const QString& text) {
        return t.isComputed(field) ? fits(text, false) : quoted(text);
    };
    const bool items = t.isComputed(F::Items) ? t.items.size() == 1 && fits(t.items[0], false)
                                              : allFit(t.items, false);
    const std::pair<F, bool> checks[] = {
        {F::Id, quoted(t.id)},
        {F::Name, name(F::Name, t.name)},
        {F::NamePl, name(F::NamePl, t.namePl)},
        {F::Flags, allFit(t.flags, true) && flagsJoin},
        {F::Scene, fits(t.scene, false)},
        {F::Reserved, fits(t.reserved, false)},
        {F::Faction, fits(t.faction, false)},
        {F::Items, items},
        {F::Attributes, allFit(t.attributes, true)},
        {F::Proficiencies, fits(t.proficiencies, false)},
        {F::Skills, allFit(t.skills, true)},
        {F::Face1, fits(t.face1, true)},
        {F::Face2, fits(t.face2, true)},
        {F::Image, fits(t.image, true)},
        {F::Extra, allFit(t.extra, false)},
    };
    for (const auto& [field, fine] : checks) {
        if (!fine)
            return field;
    }
    return std::nullopt;
}

std::optional<PythonTroopMistype> MistypedPythonTroopField(const PythonTroop& t,
                                                           const PythonTroop& shown) {
    using F = PythonTroopField;
    using K = PyFieldKind;
    const auto changed = [](const QString& now, const QString& was) {
        return CompactPythonBlanks(now) != CompactPythonBlanks(was);
    };
    // An empty face or image is written as 0 or left out.
    const struct {
        F field;
        const QString& now;
        const QString& was;
        K kind;
        bool emptyAllowed;
    } boxes[] = {{F::Scene, t.scene, shown.scene, K::Terms, false},
                 {F::Reserved, t.reserved, shown.reserved, K::Terms, false},
                 {F::Faction, t.faction, shown.faction, K::NameOrNumber, false},
                 {F::Proficiencies, t.proficiencies, shown.proficiencies, K::Terms, false},
                 {F::Face1, t.face1, shown.face1, K::NameOrNumber, true},
                 {F::Face2, t.face2, shown.face2, K::NameOrNumber, true},
                 {F::Image, t.image, shown.image, K::Term, true}};
    for (const auto& b : boxes) {
        if (!changed(b.now, b.was) || (b.emptyAllowed && b.now.isEmpty()))
            continue;
        if (!IsPythonOfKind(b.now, b.kind))
            return PythonTroopMistype{b.field, b.kind};
    }
    // Rows the troop had keep their text; an empty row is left out of the entry.
    const struct {
        F field;
        const QStringList& now;
        const QStringList& was;
    } lists[] = {{F::Items, t.items, shown.items},
                 {F::Attributes, t.attributes, shown.attributes},
                 {F::Skills, t.skills, shown.skills}};
    for (const auto& l : lists) {
        for (const QString& row : l.now) {
            if (row.isEmpty() || l.was.contains(row))
                continue;
            if (!IsPythonOfKind(row, K::Term))
                return PythonTroopMistype{l.field, K::Term};
        }
    }
    return std::nullopt;
}

std::optional<PythonTroopField> UnreadablePythonTroopField(const PythonTroop& troop) {
    const QString entry = BuildPythonTroopEntry(troop);
    const PythonTroopParse back = ParsePythonTroop(entry);
    const QStringList written = writtenFields(troop);
    const QStringList read = writtenFields(back.troop);
    for (qsizetype i = 0; i < written.size(); ++i) {
        const auto field =
            PythonTroopField(std::min<qsizetype>(i, qsizetype(PythonTroopField::Extra)));
        // A typed name that would read back as an expression is not the name typed.
        if (written[i] != read.value(i) || troop.isComputed(field) != back.troop.isComputed(field))
            return field;
    }
    if (read.size() != written.size() || !back.complete || !IsOnePythonEntry(entry, u'['))
        return PythonTroopField::Entry;
    return std::nullopt;
}

std::optional<UnstorablePythonField> UnstorablePythonTroopField(const PythonTroop& troop,
                                                                const PythonUpgrade& paths,
                                                                const PythonTroop& shown,
                                                                const PythonUpgrade& shownPaths,
                                                                const PythonCoding& coding) {
    const QStringList fields = writtenFields(troop);
    auto found = FirstUnstorablePythonField(
        fields + QStringList{paths.target1, paths.target2},
        writtenFields(shown) + QStringList{shownPaths.target1, shownPaths.target2}, coding);
    if (!found)
        return found;
    if (found->index >= fields.size()) {
        const int path = found->index - int(fields.size()) + 1;
        found->index = -path;
        found->field = QStringLiteral("upgrade path ") + QString::number(path);
    } else {
        found->index = std::min(found->index, int(PythonTroopField::Extra));
        found->field = PythonTroopFieldCaption(PythonTroopField(found->index));
    }
    return found;
}

bool PythonTroopUnchanged(const PythonTroop& troop, const PythonTroop& shown) {
    return writtenFields(troop) == writtenFields(shown);
}

namespace {

// The fields in their order, as the messages name them, each with a value it
// could hold.
const PythonFieldLabel TroopFieldLabels[] = {
    {"troop ID", "farmer"},
    {"singular name", "Farmer"},
    {"plural name", "Farmers"},
    {"flags", "tf_hero|tf_female"},
    {"scene", "no_scene or scn_town_1|entry(2)"},
    {"reserved field", "reserved or 0"},
    {"faction", "fac_commoners or 0"},
    {"inventory", "itm_knife"},
    {"attributes", "str_9 or level(8)"},
    {"weapon proficiencies", "wp(100) or wp_one_handed(80)|wp_archery(60)"},
    {"skills", "knows_riding_2"},
    {"face code 1", "man_face_young_1 or 0"},
    {"face code 2", "man_face_old_1 or 0"},
    {"troop image", "0 or \"image_name\""},
    {"fields behind the troop image", "0"},
    {"troop's entry", ""},
};

} // namespace

QString PythonTroopFieldCaption(PythonTroopField field) {
    return QString::fromLatin1(TroopFieldLabels[int(field)].caption);
}

QString PythonTroopFieldExample(PythonTroopField field) {
    return QString::fromLatin1(TroopFieldLabels[int(field)].example);
}

QStringList PythonTroopFlagVocabulary() {
    const QString separator(72, u'-');
    return {QStringLiteral("tf_guarantee_all"),
            QStringLiteral("tf_guarantee_all_wo_ranged"),
            separator,
            TfNone,
            QStringLiteral("tf_male"),
            QStringLiteral("tf_female"),
            QStringLiteral("tf_undead"),
            QStringLiteral("tf_hero"),
            QStringLiteral("tf_inactive"),
            QStringLiteral("tf_unkillable"),
            QStringLiteral("tf_allways_fall_dead"),
            QStringLiteral("tf_no_capture_alive"),
            QStringLiteral("tf_mounted"),
            QStringLiteral("tf_is_merchant"),
            QStringLiteral("tf_randomize_face"),
            QStringLiteral("tf_guarantee_boots"),
            QStringLiteral("tf_guarantee_armor"),
            QStringLiteral("tf_guarantee_helmet"),
            QStringLiteral("tf_guarantee_gloves"),
            QStringLiteral("tf_guarantee_horse"),
            QStringLiteral("tf_guarantee_shield"),
            QStringLiteral("tf_guarantee_ranged"),
            QStringLiteral("tf_unmoveable_in_party_window"),
            separator};
}

bool IsPythonTroopFlagSeparator(const QString& row) {
    return row.size() == 72 && row.count(u'-') == 72;
}

QList<int> SelectFlagRows(QStringList& rows, const QStringList& parts) {
    QList<bool> selected(rows.size(), false);
    for (const QString& part : parts) {
        if (part.isEmpty())
            continue;
        const QString flag = part == QStringLiteral("0") ? TfNone : part;
        bool found = false;
        for (qsizetype r = 0; r < rows.size(); ++r) {
            if (rows[r] == flag) {
                selected[r] = true;
                found = true;
            }
        }
        if (!found) {
            rows.append(flag);
            selected.append(true);
        }
    }
    QList<int> indexes;
    for (qsizetype r = 0; r < selected.size(); ++r) {
        if (selected[r])
            indexes.append(int(r));
    }
    return indexes;
}

QString ShownScene(const QString& scene) {
    return scene == QStringLiteral("0") ? QStringLiteral("no_scene") : scene;
}

QString ShownReserved(const QString& reserved) {
    return reserved == QStringLiteral("0") ? QStringLiteral("reserved") : reserved;
}

PythonTroop PythonTroopAsShown(const PythonTroop& parsed, QStringList& flagRows,
                               QList<int>* selectedFlagRows) {
    PythonTroop shown = parsed;
    const QList<int> selected = SelectFlagRows(flagRows, parsed.flags);
    shown.flags.clear();
    for (int r : selected)
        shown.flags.append(flagRows[r]);
    shown.scene = ShownScene(parsed.scene);
    shown.reserved = ShownReserved(parsed.reserved);
    if (selectedFlagRows)
        *selectedFlagRows = selected;
    return shown;
}

namespace {

// Whether a line may be an upgrade call: the call opens it. A look at its
// start passes over a troop entry of a thousand characters at once.
bool OpensWithUpgrade(QStringView element) {
    return TrimPythonStart(element).startsWith(u"upgrade");
}

// The call element i holds when Python runs it: one in a triple-quoted block
// or inside an open bracket is no statement of its own.
std::optional<PythonUpgrade> UpgradeCallAt(const PythonLines& lines, int i) {
    if (lines.enclosed(i) || !OpensWithUpgrade(lines[i]))
        return std::nullopt;
    return ParseUpgradeLine(lines[i]);
}

struct UpgradeLinePlace {
    qsizetype at;
    QString indent;
};

// Where a troop's first call goes: beside the others, behind the last of them
// and in its block; in a file without any, behind the troop list; at the end
// only where neither is found. Code that a module puts behind its calls (a
// merge, a print) must see the new one too. The place lies behind the last
// entry, so no entry moves and the indexes the editor holds stay.
UpgradeLinePlace NewUpgradeLinePlace(const PythonLines& lines, int max) {
    const int last = std::min<int>(max, int(lines.size()) - 1);
    const int lastEntry = LastPythonEntry(lines, max, u'[');
    for (int i = last; i > lastEntry; --i) {
        const QString& line = lines[i];
        if (UpgradeCallAt(lines, i))
            return {i + 1, line.left(line.size() - TrimPythonStart(line).size())};
    }
    // The loader gives the list's closing bracket an element of its own.
    for (int i = lastEntry + 1; lastEntry >= 0 && i <= last; ++i) {
        if (TrimPythonStart(lines[i]).startsWith(u']'))
            return {i + 1, QString()};
    }
    return {last + 1, QString()};
}

} // namespace

std::optional<PythonUpgrade> ParseUpgradeLine(const QString& element) {
    if (!OpensWithUpgrade(element))
        return std::nullopt;
    const QString code = CompactPythonBlanks(CutPythonComment(element));
    static const QString single = QStringLiteral("upgrade(troops,");
    static const QString twice = QStringLiteral("upgrade2(troops,");
    QStringView rest(code);
    int targets = 0;
    if (code.startsWith(single)) {
        targets = 1;
        rest = rest.mid(single.size());
    } else if (code.startsWith(twice)) {
        targets = 2;
        rest = rest.mid(twice.size());
    } else {
        return std::nullopt;
    }
    // Python runs the call as well when a comma behind it makes it a tuple
    // ("f(),"), when a semicolon ends the statement ("f();"), or both ("f(),;").
    if (rest.endsWith(u';'))
        rest.chop(1);
    if (rest.endsWith(u','))
        rest.chop(1);
    if (!rest.endsWith(u')'))
        return std::nullopt;
    rest.chop(1);
    QStringList args = SplitPythonTopLevel(rest, u',');
    // A comma may close the arguments: upgrade(troops,"a","b",) is the same call.
    if (args.size() > 1 && args.last().isEmpty())
        args.removeLast();
    if (args.size() != targets + 1)
        return std::nullopt;
    QStringList values;
    for (const QString& arg : args) {
        QString value;
        // A call naming no troop sets no path the editor could show or write.
        if (!ReadPythonString(arg, value, true) || value.isEmpty())
            return std::nullopt;
        values.append(value);
    }
    PythonUpgrade upgrade{values[0], values[1], QString()};
    if (targets == 2)
        upgrade.target2 = values[2];
    return upgrade;
}

QList<int> FindUpgradeLines(const PythonLines& lines, int max, const QString& id) {
    QList<int> found;
    const int last = std::min<int>(max, int(lines.size()) - 1);
    for (int i = 0; i <= last; ++i) {
        // Only a call that holds the id's text can name it.
        if (!OpensWithUpgrade(lines[i]) || !lines[i].contains(id))
            continue;
        const auto upgrade = UpgradeCallAt(lines, i);
        if (upgrade && upgrade->troop == id)
            found.append(i);
    }
    return found;
}

int FindUpgradeLine(const PythonLines& lines, int max, const QString& id) {
    const QList<int> found = FindUpgradeLines(lines, max, id);
    return found.isEmpty() ? -1 : found.last();
}

QString BuildUpgradeLine(const QString& id, QString target1, QString target2) {
    if (target1.isEmpty()) {
        target1 = target2;
        target2.clear();
    }
    const QString q = QStringLiteral("\"");
    if (target1.isEmpty())
        return QString();
    if (target2.isEmpty())
        return QStringLiteral("upgrade(troops,") + q + id + q + u',' + q + target1 + q + u')';
    return QStringLiteral("upgrade2(troops,") + q + id + q + u',' + q + target1 + q + u',' + q +
           target2 + q + u')';
}

void ReplaceUpgradeLine(QString& line, const QString& text) {
    // A call inside a block (under an "if", in a function) keeps its
    // indentation, and a block must not be left empty. A remark behind the
    // call is the author's and stays on the line.
    qsizetype n = 0;
    while (n < line.size() && (line[n] == u' ' || line[n] == u'\t'))
        ++n;
    const QString indent = line.left(n);
    const QStringView code = CutPythonComment(line);
    const QString remark = line.mid(code.size());
    QString kept = indent.isEmpty() || !text.isEmpty() ? text : QStringLiteral("pass");
    // A call written over one keeps the "," or ";" behind it, blanks and all,
    // and a comma before its closing bracket, so that only the ids differ;
    // "pass," would not even be Python.
    if (!text.isEmpty()) {
        const QStringView call = TrimPythonEnd(code);
        qsizetype end = call.size();
        while (end > 0 &&
               (call[end - 1] == u',' || call[end - 1] == u';' || IsPythonBlank(call[end - 1])))
            --end;
        if (kept.endsWith(u')') && CompactPythonBlanks(call.left(end)).endsWith(u",)"))
            kept.insert(kept.size() - 1, u',');
        kept += call.mid(end);
    }
    if (!remark.isEmpty()) {
        const qsizetype gap = code.size() - TrimPythonEnd(code).size();
        kept += kept.isEmpty() ? remark : (gap > 0 ? line.mid(code.size() - gap) : u' ' + remark);
    }
    line = indent + kept;
}

void WriteUpgradeLine(PythonLines& lines, int& max, const QString& id, const QString& target1,
                      const QString& target2) {
    const QString text = BuildUpgradeLine(id, target1, target2);
    const QList<int> found = FindUpgradeLines(lines, max, id);
    if (text.isEmpty()) {
        // Removed paths must not come back from an earlier call.
        for (int j : found)
            ReplaceUpgradeLine(lines[j], QString());
    } else if (!found.isEmpty()) {
        ReplaceUpgradeLine(lines[found.last()], text);
    } else {
        const auto [at, indent] = NewUpgradeLinePlace(lines, max);
        lines.insert(at, indent + text);
        ++max;
    }
}

int RenameUpgradeLine(PythonLines& lines, int& max, const QString& oldId, const QString& newId,
                      const QString& target1, const QString& target2) {
    // Another entry keeps the old id: its calls are its own.
    if (PythonIdUsed(lines, max, oldId, u'[')) {
        WriteUpgradeLine(lines, max, newId, target1, target2);
        return 0;
    }
    const QList<int> own = FindUpgradeLines(lines, max, oldId);
    const bool moves = !own.isEmpty() && FindUpgradeLines(lines, max, newId).isEmpty();
    for (qsizetype k = 0; k < own.size() - (moves ? 1 : 0); ++k)
        ReplaceUpgradeLine(lines[own[k]], QString());
    if (moves)
        ReplaceUpgradeLine(lines[own.last()], BuildUpgradeLine(newId, target1, target2));
    else
        WriteUpgradeLine(lines, max, newId, target1, target2);

    int leading = 0;
    const int last = std::min<int>(max, int(lines.size()) - 1);
    for (int i = 0; i <= last; ++i) {
        const auto up = UpgradeCallAt(lines, i);
        if (up && up->troop != newId && (up->target1 == oldId || up->target2 == oldId))
            ++leading;
    }
    return leading;
}

bool SameUpgradePaths(const PythonUpgrade& a, const PythonUpgrade& b) {
    const auto paths = [](const PythonUpgrade& u) {
        return u.target1.isEmpty() ? std::pair{u.target2, QString()}
                                   : std::pair{u.target1, u.target2};
    };
    return paths(a) == paths(b);
}

QStringList PythonTroopProficiencyCaptions() {
    return {QStringLiteral("Custom weapon proficiencies"),
            QStringLiteral("All weapons - wp(x)"),
            QStringLiteral("Melee, distance - wpe(m,a,c,t)"),
            QStringLiteral("Single weapon - wpex(o,w,p,a,c,t)"),
            QStringLiteral("Melee only - wp_melee(x)"),
            QStringLiteral("Firearms only - wp_firearm(x)")};
}

QStringList PythonTroopProficiencyTemplates() {
    return {QStringLiteral("0"),
            QStringLiteral("wp(100)"),
            QStringLiteral("wpe(100,100,100,100)"),
            QStringLiteral("wpex(100,100,100,100,100,100)"),
            QStringLiteral("wp_melee(100)"),
            QStringLiteral("wp_firearm(100)")};
}

QStringList PythonTroopSkillConstants() {
    const char* skills[] = {"trade",
                            "leadership",
                            "prisoner_management",
                            "engineer",
                            "first_aid",
                            "surgery",
                            "wound_treatment",
                            "inventory_management",
                            "spotting",
                            "pathfinding",
                            "tactics",
                            "tracking",
                            "trainer",
                            "horse_archery",
                            "riding",
                            "athletics",
                            "shield",
                            "weapon_master",
                            "power_draw",
                            "power_throw",
                            "power_strike",
                            "ironflesh"};
    QStringList rows;
    for (const char* skill : skills) {
        for (int k = 1; k <= 10; ++k)
            rows.append(QStringLiteral("knows_") + QLatin1String(skill) + u'_' +
                        QString::number(k));
    }
    return rows;
}

QStringList PythonTroopAttributeConstants() {
    QStringList rows = {QStringLiteral("level(5)")};
    for (const char* prefix : {"str_", "agi_", "int_", "cha_"}) {
        for (int k = 3; k <= 30; ++k)
            rows.append(QLatin1String(prefix) + QString::number(k));
    }
    return rows;
}
