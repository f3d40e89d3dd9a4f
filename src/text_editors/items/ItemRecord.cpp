#include "text_editors/items/ItemRecord.h"

#include "platform/Convert.h"
#include "platform/TextFile.h"
#include "shell/modCore.h"

#include <QRegularExpression>

#include <climits>

const std::array<const char*, 12> ItemValueFieldNames = {
    "Cost",       "Weight",     "Abundance", "Head armor", "Body armor", "Leg armor",
    "Difficulty", "Hit points", "Value 1",   "Value 2",    "Value 3",    "Value 4"};
const std::array<const char*, 2> ItemDamageFieldNames = {"Damage 1", "Damage 2"};

namespace {

const QString Blank = QStringLiteral(" ");
const QString Zero = QStringLiteral("0");
const QString LineBreak = QStringLiteral("\r\n");
const QString IdPrefix = QStringLiteral("itm_");

constexpr int MeshKindShift = 60;
constexpr int MeshKindBits = 4;
constexpr int LargeBagBit = 42;
// Words of the item line from the flags on: flags, capabilities, cost,
// modifiers, weight, abundance, three armours, difficulty, hit points, four
// values, two damages.
constexpr int WordsFromFlags = 17;
constexpr int CapsOffset = 1;
constexpr int CostOffset = 2;
constexpr int ModifiersOffset = 3;
constexpr int ValuesOffset = 11;
constexpr int DamagesOffset = 15;

// A bit word (flags, capabilities, modifiers, mesh bits): a whole number of
// any length.
std::optional<BitWord> ReadBits(QStringView word, PendingFailure& failure) {
    std::optional<BitWord> bits = BitWord::parse(word);
    if (!bits)
        failure.raise(Err::TypeMismatch);
    return bits;
}

// Whether `text` is an optional minus sign and digits.
bool IsWholeNumber(QStringView text) {
    return BitWord::parse(text.startsWith(u'-') ? text.sliced(1) : text).has_value();
}

// A word written as it stands must be one word, or every later word of its
// line shifts when the file is read again (a pasted line break would even
// split the line).
bool IsSingleWord(const QString& text) {
    return !text.isEmpty() && !text.contains(u' ') && !text.contains(u'\n') &&
           !text.contains(u'\r');
}

QStringList SplitLines(const QString& text) {
    static const QRegularExpression lineEnd(QStringLiteral("\r\n|\n|\r"));
    return text.split(lineEnd);
}

QString Refuse(const char* field, const char* rule) {
    return QStringLiteral("'%1' %2").arg(QLatin1String(field), QLatin1String(rule));
}

// The fields of the form written into the item line as they stand, with the
// names refusals give them.
using NamedTexts = QList<std::pair<const char*, const QString*>>;
NamedTexts WordFields(const ItemForm& form) {
    NamedTexts fields = {
        {"Item ID", &form.id}, {"Item name", &form.name}, {"Plural name", &form.plural}};
    const auto boxes = ItemFormValues(form);
    for (std::size_t i = 0; i < boxes.size(); ++i)
        fields.append({ItemValueFieldNames[i], boxes[i]});
    return fields;
}

} // namespace

std::optional<UnstorableField> FirstUnstorableField(const ItemForm& form, TextCoding coding) {
    NamedTexts texts = WordFields(form);
    for (const ItemMesh& mesh : form.meshes)
        texts.append({"Mesh name", &mesh.name});
    for (std::size_t d = 0; d < 2; ++d)
        texts.append({ItemDamageFieldNames[d], &form.damageTexts[d]});
    texts.append({"Trigger count", &form.triggerCount});
    texts.append({"Triggers", &form.triggers});
    for (const auto& [field, text] : texts) {
        if (const QString c = FirstUnstorableChar(*text, coding); !c.isEmpty())
            return UnstorableField{QLatin1String(field), c};
    }
    return std::nullopt;
}

QList<QStringView> ItemWords(QStringView line) {
    QList<QStringView> words;
    words.reserve(32);
    const qsizetype n = line.size();
    qsizetype start = 0;
    while (true) {
        qsizetype blank = line.indexOf(u' ', start);
        if (blank < 0)
            blank = n;
        words.append(line.sliced(start, blank - start));
        if (blank == n)
            break;
        qsizetype end = blank;
        while (end < n && line[end] == u' ')
            ++end;
        // Pairs of blanks are one separator, and so is a blank left over.
        for (qsizetype separators = (end - blank + 1) / 2; separators > 1; --separators)
            words.append(line.sliced(end, 0));
        start = end;
    }
    return words;
}

namespace {

// The shape of the words `w` of an item line (ShapeOfItemLine).
ItemLineShape ShapeOf(const QList<QStringView>& w) {
    ItemLineShape shape;
    qsizetype end = w.size();
    while (end > 1 && w[end - 1].isEmpty())
        --end;
    shape.words = end - 1;
    // The id, the names, the mesh count, then two words a mesh.
    constexpr qsizetype Fixed = 4 + WordsFromFlags;
    if (end < 5) {
        shape.fault = ItemLineShape::Fault::TooFewWords;
    } else if (const std::optional<std::int16_t> count = ToInt16(w[4])) {
        shape.meshes = *count;
        shape.needed = Fixed + 2 * qsizetype(*count);
        if (*count < 1)
            shape.fault = ItemLineShape::Fault::NoMesh;
        else if (shape.words < shape.needed)
            shape.fault = ItemLineShape::Fault::TooFewWords;
    } else if (BitWord::parse(w[4])) {
        const qsizetype meshWords = shape.words - Fixed;
        shape.meshes = static_cast<int>(meshWords / 2);
        if (meshWords < 2 || meshWords % 2 != 0)
            shape.fault = ItemLineShape::Fault::TooFewWords;
    } else {
        shape.fault = ItemLineShape::Fault::NoMeshCount;
    }
    return shape;
}

// The 16-bit value of a damage word; a whole number beyond that range is held
// in `held`.
std::optional<ItemDamage> ReadDamage(QStringView word, QString& held, PendingFailure& failure) {
    if (const std::optional<std::int16_t> value = ToInt16(word))
        return DecodeDamage(*value);
    if (!IsWholeNumber(word)) {
        failure.raise(Err::TypeMismatch);
        return std::nullopt;
    }
    held = word.toString();
    return ItemDamage{-1, 0};
}

// Selects the rows of the factions the faction line names in `r`, holding
// those without a row; false for a word that is no number.
bool ReadFactions(const QString& factionLine, ItemRecord& r, PendingFailure& failure) {
    const QList<QStringView> words = QStringView(factionLine).split(u' ');
    for (qsizetype k = 0; k < words.size(); ++k) {
        // Word 0 is the empty text before the line's blank; a line without
        // that blank still names a faction there, which must not be lost.
        if (k == 0 && words[k].isEmpty())
            continue;
        const std::optional<std::int16_t> faction = ToInt16(words[k]);
        if (faction && *faction >= 0 && *faction < r.factions.size()) {
            r.factions[*faction] = true;
        } else if (IsWholeNumber(words[k])) {
            // The module's files out of step, or no factions.txt beside it.
            r.heldFactions.append(words[k].toString());
        } else {
            failure.raise(Err::TypeMismatch);
            return false;
        }
    }
    return true;
}

} // namespace

ItemLineShape ShapeOfItemLine(QStringView line) {
    return ShapeOf(ItemWords(line));
}

std::optional<int> ItemCountValue(const QString& line) {
    const QString solid = RemoveSpaces(line);
    if (const std::optional<std::int32_t> value = ToInt32(solid))
        return *value;
    if (!IsWholeNumber(solid))
        return std::nullopt;
    return solid.startsWith(u'-') ? INT_MIN : INT_MAX;
}

bool ItemFactionLineFollows(const QString& countLine) {
    return ItemCountValue(countLine).value_or(0) >= 1;
}

int ItemTriggerLinesAnnounced(const QString& countLine) {
    const int count = ItemCountValue(countLine).value_or(0);
    return count >= 1 && count <= INT16_MAX ? count : 0;
}

std::optional<ItemRecord> DecodeItem(const ItemLines& lines, int factionRows,
                                     PendingFailure& failure) {
    const QList<QStringView> w = ItemWords(lines.line);
    // A line that does not begin with its blank would be read one word out.
    if (w.size() >= 5 && !w[0].isEmpty()) {
        failure.raise(Err::TypeMismatch);
        return std::nullopt;
    }
    const ItemLineShape shape = ShapeOf(w);
    if (shape.fault != ItemLineShape::Fault::None) {
        failure.raise(shape.fault == ItemLineShape::Fault::NoMeshCount ? Err::TypeMismatch
                                                                       : Err::SubscriptOutOfRange);
        return std::nullopt;
    }
    const int j = 5 + 2 * shape.meshes;

    ItemRecord r;
    r.stored = lines;
    r.id = w[1].toString();
    r.name = w[2].toString();
    r.plural = w[3].toString();
    for (int k = 0; k < shape.meshes; ++k) {
        const QStringView bits = w[6 + 2 * k];
        if (!ReadBits(bits, failure))
            return std::nullopt;
        r.meshes.append(ItemMesh{w[5 + 2 * k].toString(), bits.toString()});
    }

    const std::optional<BitWord> flags = ReadBits(w[j], failure);
    if (!flags)
        return std::nullopt;
    r.flags = *flags;
    if (ItemTypeReadsCaps(r.typeRow())) {
        r.capabilities = ReadBits(w[j + CapsOffset], failure);
        if (!r.capabilities)
            return std::nullopt;
    } else {
        // Never shown for this type, so never a reason to refuse the item.
        PendingFailure unread;
        r.capabilities = ReadBits(w[j + CapsOffset], unread);
    }
    r.cost = w[j + CostOffset].toString();
    const std::optional<BitWord> modifiers = ReadBits(w[j + ModifiersOffset], failure);
    if (!modifiers)
        return std::nullopt;
    r.modifiers = *modifiers;
    QString* texts[] = {&r.weight,   &r.abundance,  &r.headArmor, &r.bodyArmor,
                        &r.legArmor, &r.difficulty, &r.hitPoints};
    for (int k = 0; k < 7; ++k)
        *texts[k] = w[j + 4 + k].toString();
    for (int m = 0; m < 4; ++m)
        r.values[static_cast<std::size_t>(m)] = w[j + ValuesOffset + m].toString();
    for (std::size_t d = 0; d < 2; ++d) {
        const std::optional<ItemDamage> damage =
            ReadDamage(w[j + DamagesOffset + static_cast<int>(d)], r.heldDamages[d], failure);
        if (!damage)
            return std::nullopt;
        r.damages[d] = *damage;
    }

    r.factions = RowSelection(qMax(factionRows, 1), false);
    if (!ItemCountValue(lines.factionCountLine) || !ItemCountValue(lines.triggerCountLine)) {
        failure.raise(Err::TypeMismatch);
        return std::nullopt;
    }
    if (ItemFactionLineFollows(lines.factionCountLine) &&
        !ReadFactions(lines.factionLine, r, failure))
        return std::nullopt;
    r.triggerCount = ItemTriggerLinesAnnounced(lines.triggerCountLine);
    return r;
}

namespace {

// txtTrigger's text: the trigger lines the count announces, joined by CR LF.
QString ShownTriggers(const ItemRecord& r) {
    return r.triggerCount >= 1 ? r.stored.triggerLines.join(LineBreak) : QString();
}

} // namespace

ItemForm ItemFormOf(const ItemRecord& r) {
    ItemForm f;
    f.id = r.id;
    f.name = r.name;
    f.plural = r.plural;
    f.meshes = r.meshes;
    f.flags = ShowFlags(r.flags, ItemFlagKind::Flags);
    const int typeRow = r.typeRow();
    f.capabilities = ItemTypeReadsCaps(typeRow) && r.capabilities
                         ? ShowFlags(*r.capabilities, ItemFlagKind::Caps)
                         : RowSelection(ItemCapRowCount, false);
    f.modifiers = ShowFlags(r.modifiers, ItemFlagKind::Modifiers);
    f.cost = r.cost;
    f.weight = r.weight;
    f.abundance = r.abundance;
    f.headArmor = r.headArmor;
    f.bodyArmor = r.bodyArmor;
    f.legArmor = r.legArmor;
    f.difficulty = r.difficulty;
    f.hitPoints = r.hitPoints;
    const ItemTypeLabels labels = ItemTypeLabelsFor(typeRow);
    for (std::size_t m = 0; m < 4; ++m)
        f.values[m] = labels.filled[m] ? r.values[m] : Zero;
    for (std::size_t d = 0; d < 2; ++d) {
        const bool held = !r.heldDamages[d].isEmpty();
        f.damageTypes[d] = held ? -1 : r.damages[d].type;
        f.damageTexts[d] = held ? r.heldDamages[d] : QString::number(r.damages[d].amount);
    }
    f.factions = r.factions;
    f.factionCount = RemoveSpaces(r.stored.factionCountLine);
    f.triggerCount = r.stored.triggerCountLine;
    f.triggers = ShownTriggers(r);
    return f;
}

namespace {

// The words of the line an item was shown from, found by their place behind the
// meshes.
class StoredWords {
public:
    explicit StoredWords(const ItemRecord& shown)
        : m_line(shown.stored.line), m_words(ItemWords(m_line)),
          m_flagsAt(5 + 2 * static_cast<int>(shown.meshes.size())) {}
    // Whether the line holds every word up to the last damage.
    bool complete() const { return m_words.size() >= throughDamages(); }
    QStringView word(int k) const { return m_words[k]; }
    // The number of words from word 0 to the last damage.
    int throughDamages() const { return m_flagsAt + WordsFromFlags; }
    // The word `offset` places behind the flags.
    QStringView fromFlags(int offset) const { return m_words[m_flagsAt + offset]; }
    // The text after the last damage word.
    QStringView tail() const {
        const QStringView last = fromFlags(WordsFromFlags - 1);
        return QStringView(m_line).sliced(last.data() + last.size() - m_line.constData());
    }

private:
    const QString& m_line;
    QList<QStringView> m_words;
    int m_flagsAt;
};

// The value boxes as written: a box the shown type does not fill showed "0" in
// place of its stored word, which goes back while the box still holds "0".
std::array<QString, 4> ValueWords(const ItemForm& form, int typeRow, const StoredWords& s) {
    const ItemTypeLabels labels = ItemTypeLabelsFor(typeRow);
    std::array<QString, 4> values = form.values;
    for (std::size_t m = 0; m < 4; ++m) {
        const QString word = s.fromFlags(ValuesOffset + static_cast<int>(m)).toString();
        if (!labels.filled[m] && values[m] == Zero && IsSingleWord(word))
            values[m] = word;
    }
    return values;
}

// Why the form's text words cannot be written, or the empty text.
QString TextWordsRefusal(const ItemForm& form, const std::array<QString, 4>& values) {
    ItemForm written = form;
    written.values = values;
    for (const auto& [field, text] : WordFields(written)) {
        if (!IsSingleWord(*text))
            return Refuse(field, "must not be empty or hold blanks!");
    }
    for (const ItemMesh& mesh : form.meshes) {
        if (!IsSingleWord(mesh.name) || !IsSingleWord(mesh.bits))
            return Refuse("Mesh name", "must not be empty or hold blanks!");
    }
    // The loader finds an item by "itm_" in its line; without it the item
    // would be lost on the next load.
    if (!form.id.startsWith(IdPrefix))
        return Refuse("Item ID", "must begin with itm_!");
    return QString();
}

// Damage d's word: the amount plus 256 times the type; no value when the box
// holds no number the word can carry.
std::optional<QString> DamageWord(const ItemForm& form, const ItemRecord& shown,
                                  const StoredWords& s, std::size_t d) {
    const QString stored = s.fromFlags(DamagesOffset + static_cast<int>(d)).toString();
    const int type = form.damageTypes[d];
    if (type < 0 || type > 2) {
        // A word no type stands for goes back while its box holds it as read.
        const QString& held = shown.heldDamages[d];
        return !held.isEmpty() && form.damageTexts[d] == held ? stored : Zero;
    }
    const std::optional<std::int16_t> amount = ToInt16(form.damageTexts[d]);
    if (!amount || *amount + 256 * type > INT16_MAX)
        return std::nullopt;
    if (shown.damages[d] == ItemDamage{type, *amount})
        return stored;
    return QString::number(*amount + 256 * type);
}

// The capabilities word. A type that shows none left its list empty, and its
// stored word goes back as it was while the user selects nothing there.
QString CapabilitiesWord(const ItemForm& form, const ItemRecord& shown, const StoredWords& s) {
    const QString stored = s.fromFlags(CapsOffset).toString();
    const bool shownCaps = ItemTypeReadsCaps(shown.typeRow()) && shown.capabilities;
    if (!shownCaps && !form.capabilities.contains(true))
        return IsSingleWord(stored) ? stored : Zero;
    const RowSelection rows = shownCaps ? ShowFlags(*shown.capabilities, ItemFlagKind::Caps)
                                        : RowSelection(ItemCapRowCount, false);
    return BitWordText(stored, MergeFlags(ItemFlagKind::Caps, rows, form.capabilities,
                                          shown.capabilities.value_or(BitWord())));
}

// The word of a flag or modifier list.
QString BitsWord(ItemFlagKind kind, const RowSelection& selected, const BitWord& stored,
                 QStringView storedWord) {
    return BitWordText(storedWord.toString(),
                       MergeFlags(kind, ShowFlags(stored, kind), selected, stored));
}

// The item line from words 1 onwards: the stored line when no word changed,
// else the game's layout, two blanks before each mesh and before the flags.
QString ItemLineOf(const QStringList& words, int meshCount, const QString& storedLine,
                   const StoredWords& s) {
    bool unchanged = words.size() + 1 == s.throughDamages();
    for (qsizetype k = 0; unchanged && k < words.size(); ++k)
        unchanged = words[k] == s.word(static_cast<int>(k) + 1);
    if (unchanged)
        return storedLine;
    QString line = Blank + words[0] + Blank + words[1] + Blank + words[2] + Blank + words[3];
    const int flagsAt = 4 + 2 * meshCount;
    for (int k = 4; k < flagsAt; k += 2)
        line += QStringLiteral("  ") + words[k] + Blank + words[k + 1];
    line += Blank;
    for (qsizetype k = flagsAt; k < words.size(); ++k)
        line += Blank + words[k];
    // Words a newer layout put after the damages stay behind them.
    return line += s.tail();
}

} // namespace

std::optional<ItemLines> BuildItem(const ItemForm& form, const ItemRecord& shown,
                                   QString& refusal) {
    const StoredWords s(shown);
    if (!s.complete()) {
        refusal = QStringLiteral("The item shown could not be read completely!");
        return std::nullopt;
    }
    if (form.meshes.isEmpty()) {
        refusal = QStringLiteral("An item has one mesh at least!");
        return std::nullopt;
    }
    const std::array<QString, 4> values = ValueWords(form, shown.typeRow(), s);
    refusal = TextWordsRefusal(form, values);
    if (!refusal.isEmpty())
        return std::nullopt;
    std::array<QString, 2> damages;
    for (std::size_t d = 0; d < 2; ++d) {
        const std::optional<QString> word = DamageWord(form, shown, s, d);
        if (!word) {
            refusal = Refuse(ItemDamageFieldNames[d], "must be a number from 0 to 255!");
            return std::nullopt;
        }
        damages[d] = *word;
    }
    QStringList triggerLines = shown.stored.triggerLines;
    // A count and lines left as shown go back as read, a count no file could
    // hold lines for among them.
    if (form.triggerCount != shown.stored.triggerCountLine ||
        form.triggers != ShownTriggers(shown)) {
        const std::optional<std::int16_t> triggerCount = ToInt16(RemoveSpaces(form.triggerCount));
        triggerLines = form.triggers.isEmpty() && triggerCount.value_or(0) < 1
                           ? QStringList()
                           : SplitLines(form.triggers);
        if (!triggerCount || triggerLines.size() != qMax<qsizetype>(*triggerCount, 0)) {
            refusal = QStringLiteral("The trigger count must be the number of trigger lines!");
            return std::nullopt;
        }
    }
    const QString flags = BitsWord(ItemFlagKind::Flags, form.flags, shown.flags, s.fromFlags(0));
    const QString caps = CapabilitiesWord(form, shown, s);
    const QString modifiers = BitsWord(ItemFlagKind::Modifiers, form.modifiers, shown.modifiers,
                                       s.fromFlags(ModifiersOffset));

    QStringList words = {form.id, form.name, form.plural};
    words.append(form.meshes.size() == shown.meshes.size() ? s.word(4).toString()
                                                           : QString::number(form.meshes.size()));
    for (const ItemMesh& mesh : form.meshes)
        words << mesh.name << mesh.bits;
    words << flags << caps << form.cost << modifiers << form.weight << form.abundance
          << form.headArmor << form.bodyArmor << form.legArmor << form.difficulty << form.hitPoints
          << values[0] << values[1] << values[2] << values[3] << damages[0] << damages[1];

    ItemLines out;
    out.line = ItemLineOf(words, static_cast<int>(form.meshes.size()), shown.stored.line, s);
    if (form.factions == shown.factions) {
        out.factionCountLine = shown.stored.factionCountLine;
        out.factionLine = shown.stored.factionLine;
    } else {
        qsizetype count = 0;
        for (qsizetype i = 0; i < form.factions.size(); ++i) {
            if (form.factions[i]) {
                out.factionLine += Blank + QString::number(i);
                ++count;
            }
        }
        for (const QString& faction : shown.heldFactions)
            out.factionLine += Blank + faction;
        out.factionCountLine = Blank + QString::number(count + shown.heldFactions.size());
    }
    out.triggerCountLine = form.triggerCount;
    out.triggerLines = triggerLines;
    return out;
}

int ItemTypeOf(QStringView line) {
    const QList<QStringView> w = ItemWords(line);
    const ItemLineShape shape = ShapeOf(w);
    if (shape.fault != ItemLineShape::Fault::None || !w[0].isEmpty())
        return 0;
    const std::optional<BitWord> flags = BitWord::parse(w[5 + 2 * shape.meshes]);
    return flags ? ItemTypeNumber(*flags) : 0;
}

ItemDamage DecodeDamage(int word) {
    if (word < 256)
        return {0, word};
    if (word < 512)
        return {1, word - 256};
    return {2, word - 512};
}

int GetMeshKind(const QString& bits) {
    const BitWord value = BitWord::parse(bits).value_or(BitWord());
    // The kind sits in the top digit of the 64 bits; the first digit of a
    // shorter number is a modifier bit of the mesh, no kind.
    const int kind = static_cast<int>(value.bits(MeshKindShift, MeshKindBits));
    return (kind <= 3 ? kind : 0) + (value.testBit(LargeBagBit) ? 10 : 0);
}

QString StoreMeshBits(const QString& bits, int kindRow, bool largeBag) {
    const int code = GetMeshKind(bits);
    BitWord value = BitWord::parse(bits).value_or(BitWord());
    if (kindRow >= 0 && kindRow <= 3 && kindRow != code % 10)
        value = value.withBits(MeshKindShift, MeshKindBits, static_cast<std::uint64_t>(kindRow));
    if (largeBag != (code >= 10))
        value = value.withBit(LargeBagBit, largeBag);
    return BitWordText(bits, value);
}

ItemMesh NewItemMesh() {
    return {QStringLiteral("new_mesh"), Zero};
}

QString ItemReportText(const ItemLines& lines) {
    QStringList parts = {lines.line, lines.factionCountLine};
    if (!lines.factionLine.isEmpty())
        parts.append(lines.factionLine);
    parts << lines.triggerCountLine << lines.triggerLines.join(LineBreak);
    return parts.join(LineBreak);
}

QString ClampedDamageText(const QString& text) {
    if (text.isEmpty())
        return Zero;
    const std::optional<std::int16_t> amount = ToInt16(text);
    return amount && *amount < 256 ? text : QStringLiteral("255");
}

QString WithItemIdPrefix(const QString& text) {
    return text.startsWith(IdPrefix) ? text : IdPrefix + text;
}
