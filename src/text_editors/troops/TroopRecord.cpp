#include "text_editors/troops/TroopRecord.h"

#include "shell/EditorMessages.h"

#include <QStringList>

#include <algorithm>

#include <limits>
#include <utility>

const std::array<TroopFlagBox, TroopFlagBoxCount> TroopFlagBoxes = {{
    {"chkHero", "Hero", 0x10},
    {"chkInactive", "Inactive", 0x20},
    {"chkUnkillable", "Unkillable", 0x40},
    {"chkFallDead", "Fall dead", 0x80},
    {"chkNoCapture", "No capture", 0x100},
    {"chkMounted", "Mounted", 0x400},
    {"chkMerchant", "Merchant", 0x1000},
    {"chkBoots", "Boots", 0x100000},
    {"chkArmor", "Armor", 0x200000},
    {"chkHelmet", "Helmet", 0x400000},
    {"chkGloves", "Gloves", 0x800000},
    {"chkHorse", "Horse", 0x1000000},
    {"chkShield", "Shield", 0x2000000},
    {"chkRanged", "Ranged", 0x4000000},
    {"chkUnmoveable", "Unmovable", 0x10000000},
}};

const std::array<TroopSkillBox, TroopSkillBoxCount> TroopSkillBoxes = {{
    {"txtPersuasion", "Persuasion:", 0, 1},
    {"txtPrisonerManagement", "Prisoner mgmt:", 0, 6},
    {"txtLeadership", "Leadership:", 0, 7},
    {"txtTrade", "Trade:", 0, 8},
    {"txtTactics", "Tactics:", 1, 1},
    {"txtPathfinding", "Pathfinding:", 1, 2},
    {"txtSpotting", "Spotting:", 1, 3},
    {"txtInventoryManagement", "Inventory mgmt:", 1, 4},
    {"txtWoundTreatment", "Wound treatment:", 1, 5},
    {"txtSurgery", "Surgery:", 1, 6},
    {"txtFirstAid", "First aid:", 1, 7},
    {"txtEngineer", "Engineer:", 1, 8},
    {"txtHorseArchery", "Horse archery:", 2, 1},
    {"txtLooting", "Looting:", 2, 2},
    {"txtTraining", "Training:", 2, 7},
    {"txtTracking", "Tracking:", 2, 8},
    {"txtWeaponMaster", "Weapon master:", 3, 5},
    {"txtShield", "Shield:", 3, 6},
    {"txtAthletics", "Athletics:", 3, 7},
    {"txtRiding", "Riding:", 3, 8},
    {"txtIronflesh", "Ironflesh:", 4, 4},
    {"txtPowerStrike", "Power strike:", 4, 5},
    {"txtPowerThrow", "Power throw:", 4, 6},
    {"txtPowerDraw", "Power draw:", 4, 7},
}};

const std::array<TroopTextBox, 3> TroopNameBoxes = {{
    {"txtTroopID", "Troop ID:"},
    {"txtTroopName", "Single:"},
    {"txtTroopNamePl", "Plural:"},
}};

const std::array<TroopTextBox, 5> TroopAttributeBoxes = {{
    {"txtTroopSTR", "STR:"},
    {"txtTroopAGI", "AGI:"},
    {"txtTroopINT", "INT:"},
    {"txtTroopCHA", "CHA:"},
    {"txtTroopLvl", "Level"},
}};

const std::array<TroopTextBox, 7> TroopProficiencyBoxes = {{
    {"txtTroopOnehand", "1h weapons:"},
    {"txtTroopTwohand", "2h weapons:"},
    {"txtTroopPolearms", "Polearms:"},
    {"txtTroopBow", "Archery:"},
    {"txtTroopCrossbow", "Crossbows:"},
    {"txtTroopThrowing", "Throwing:"},
    {"txtTroopFirearms", "(Firearms:)"},
}};

const std::array<TroopTextBox, 2> TroopFaceBoxes = {{
    {"txtFace1", "Face code 1:"},
    {"txtFace2", "Face code 2:"},
}};

namespace {

const QString Blank = QStringLiteral(" ");
const QString EmptySlot = QStringLiteral("-1");
const QString Zero = QStringLiteral("0");
// Line 1's faction word; the upgrade words follow it.
constexpr int TroopFactionWord = 7;

int SkillShift(int box) {
    return (8 - TroopSkillBoxes[static_cast<std::size_t>(box)].digit) * 4;
}

// Words the game writes as "0" when they carry nothing; an empty word would
// merge with its neighbour's blank.
QString ZeroIfEmpty(const QString& word) {
    return word.isEmpty() ? Zero : word;
}

// Word 7 + k of line 1 (the faction, then the upgrade paths).
QString IndexWord(const TroopRecord& r, std::size_t k) {
    const int value = k == 0 ? r.faction : k == 1 ? r.upgrade1 : r.upgrade2;
    return value == TroopNumberHeld ? r.heldWords[k] : QString::number(value);
}

bool SameHead(const TroopRecord& a, const TroopRecord& b) {
    return a.id == b.id && a.name == b.name && a.plural == b.plural && a.word3 == b.word3 &&
           a.flags == b.flags && a.word5 == b.word5 && a.word6 == b.word6 &&
           IndexWord(a, 0) == IndexWord(b, 0) && IndexWord(a, 1) == IndexWord(b, 1) &&
           IndexWord(a, 2) == IndexWord(b, 2);
}

bool SameLine(int line, const TroopRecord& a, const TroopRecord& b) {
    switch (line) {
    case TroopHeadLine:
        return SameHead(a, b);
    case TroopItemsLine:
        return a.items == b.items;
    case TroopAttribsLine:
        return a.attributes == b.attributes;
    case TroopProfsLine:
        return a.proficiencies == b.proficiencies;
    case TroopSkillsLine:
        return a.skillWords == b.skillWords &&
               ZeroIfEmpty(a.skillWord5) == ZeroIfEmpty(b.skillWord5);
    default:
        return a.faces == b.faces;
    }
}

template <std::size_t N> QString JoinWords(const std::array<QString, N>& words) {
    QString line;
    for (std::size_t i = 0; i < N; ++i) {
        if (i > 0)
            line += Blank;
        line += words[i];
    }
    return line;
}

} // namespace

void TroopRecord::setSkin(int skin) {
    flags.value = flags.value.withBits(0, 4, static_cast<std::uint64_t>(skin) & TroopSkinMask);
}

bool TroopRecord::hasFlag(std::uint32_t mask) const {
    return CheckTroopFlag(static_cast<std::uint32_t>(flags.value.bits(0, 32)), mask) == 1;
}

void TroopRecord::setFlag(std::uint32_t mask, bool on) {
    for (int bit = 0; bit < 32; ++bit) {
        if ((mask >> bit) & 1u)
            flags.value = flags.value.withBit(bit, on);
    }
}

int TroopRecord::skill(int box) const {
    const TroopSkillBox& slot = TroopSkillBoxes[static_cast<std::size_t>(box)];
    return static_cast<int>(
        skillWords[static_cast<std::size_t>(slot.word)].value.bits(SkillShift(box), 4));
}

void TroopRecord::setSkill(int box, int level) {
    const TroopSkillBox& slot = TroopSkillBoxes[static_cast<std::size_t>(box)];
    BitWord& word = skillWords[static_cast<std::size_t>(slot.word)].value;
    word = word.withBits(SkillShift(box), 4, static_cast<std::uint64_t>(level) & 0xFu);
}

QList<QString> TroopWords(const QString& line) {
    return line.split(Blank, Qt::KeepEmptyParts);
}

namespace {

// The magnitude of an optional minus sign and decimal digits; 13 for anything
// else, 6 beyond 64 bits.
std::optional<std::uint64_t> ParseMagnitude(QStringView word, bool& negative,
                                            PendingFailure& failure) {
    negative = word.startsWith(u'-');
    const QStringView digits = negative ? word.mid(1) : word;
    if (digits.isEmpty()) {
        failure.raise(Err::TypeMismatch);
        return std::nullopt;
    }
    std::uint64_t value = 0;
    bool overflow = false;
    for (QChar c : digits) {
        if (c < u'0' || c > u'9') {
            failure.raise(Err::TypeMismatch);
            return std::nullopt;
        }
        const std::uint64_t digit = c.unicode() - u'0';
        if (value > (std::numeric_limits<std::uint64_t>::max() - digit) / 10)
            overflow = true;
        else
            value = value * 10 + digit;
    }
    if (overflow) {
        failure.raise(Err::Overflow);
        return std::nullopt;
    }
    return value;
}

// A flag, skill or face word: decimal digits of any length. A minus sign
// before digits makes a negative number, which no bit of the controls stands
// for (6); anything else is no number (13).
std::optional<TroopNumber> ParseNumberWord(const QString& word, PendingFailure& failure) {
    if (std::optional<BitWord> value = BitWord::parse(word))
        return TroopNumber{word, *value};
    const bool negative = word.startsWith(u'-') && BitWord::parse(QStringView(word).mid(1));
    failure.raise(negative ? Err::Overflow : Err::TypeMismatch);
    return std::nullopt;
}

} // namespace

std::optional<std::int64_t> ParseTroopInt(QStringView word, std::int64_t min, std::int64_t max,
                                          PendingFailure& failure) {
    bool negative = false;
    const std::optional<std::uint64_t> magnitude = ParseMagnitude(word, negative, failure);
    if (!magnitude)
        return std::nullopt;
    // Magnitudes beyond the 64-bit signed range are out of every range asked for.
    if (*magnitude > static_cast<std::uint64_t>(std::numeric_limits<std::int64_t>::max())) {
        failure.raise(Err::Overflow);
        return std::nullopt;
    }
    const std::int64_t value =
        negative ? -static_cast<std::int64_t>(*magnitude) : static_cast<std::int64_t>(*magnitude);
    if (value < min || value > max) {
        failure.raise(Err::Overflow);
        return std::nullopt;
    }
    return value;
}

std::optional<std::uint64_t> ParseTroopU64(QStringView word, PendingFailure& failure) {
    bool negative = false;
    const std::optional<std::uint64_t> magnitude = ParseMagnitude(word, negative, failure);
    if (magnitude && negative && *magnitude != 0) {
        failure.raise(Err::Overflow);
        return std::nullopt;
    }
    return magnitude;
}

std::optional<TroopRecord> DecodeTroop(const TroopLines& lines, PendingFailure& failure) {
    TroopRecord r;
    const QList<QString> head = TroopWords(lines[TroopHeadLine]);
    const QList<QString> attribs = TroopWords(lines[TroopAttribsLine]);
    const QList<QString> profs = TroopWords(lines[TroopProfsLine]);
    const QList<QString> skills = TroopWords(lines[TroopSkillsLine]);
    const QList<QString> faces = TroopWords(lines[TroopFacesLine]);
    if (head.size() < 10 || attribs.size() < 7 || profs.size() < 8 || skills.size() < 5 ||
        faces.size() < 10) {
        failure.raise(Err::SubscriptOutOfRange);
        return std::nullopt;
    }

    r.id = head[0];
    r.name = head[1];
    r.plural = head[2];
    r.word3 = head[3];
    r.word5 = head[5];
    r.word6 = head[6];
    const std::optional<TroopNumber> flags = ParseNumberWord(head[4], failure);
    if (!flags)
        return std::nullopt;
    r.flags = *flags;
    int* const indexes[] = {&r.faction, &r.upgrade1, &r.upgrade2};
    for (std::size_t k = 0; k < r.heldWords.size(); ++k) {
        const QString& word = head[TroopFactionWord + static_cast<int>(k)];
        PendingFailure range;
        const auto index =
            ParseTroopInt(word, TroopNumberHeld + 1, std::numeric_limits<int>::max(), range);
        if (index) {
            *indexes[k] = static_cast<int>(*index);
        } else if (range.number() == Err::Overflow) {
            *indexes[k] = TroopNumberHeld;
            r.heldWords[k] = word;
        } else {
            failure.raise(range);
            return std::nullopt;
        }
    }

    const QList<QString> slotWords = TroopWords(lines[TroopItemsLine]);
    for (int k = 1; k <= TroopSlotCount && 2 * k < slotWords.size(); ++k) {
        const QString& item = slotWords[2 * k];
        if (item.isEmpty() || item == Zero || item == EmptySlot)
            continue;
        r.items.append(
            TroopSlot{item, 2 * k + 1 < slotWords.size() ? slotWords[2 * k + 1] : QString()});
    }

    for (std::size_t i = 0; i < r.attributes.size(); ++i)
        r.attributes[i] = attribs[static_cast<int>(i) + 2];
    for (std::size_t i = 0; i < r.proficiencies.size(); ++i)
        r.proficiencies[i] = profs[static_cast<int>(i) + 1];

    for (std::size_t w = 0; w < r.skillWords.size(); ++w) {
        const std::optional<TroopNumber> word =
            ParseNumberWord(skills[static_cast<int>(w)], failure);
        if (!word)
            return std::nullopt;
        r.skillWords[w] = *word;
    }
    if (skills.size() > 5)
        r.skillWord5 = skills[5];

    for (std::size_t f = 0; f < r.faces.size(); ++f) {
        const std::optional<TroopNumber> word =
            ParseNumberWord(faces[static_cast<int>(f) + 2], failure);
        if (!word)
            return std::nullopt;
        r.faces[f] = *word;
    }
    return r;
}

std::optional<TroopLines> EncodeTroop(const TroopRecord& r, PendingFailure& failure) {
    if (r.items.size() > TroopSlotCount) {
        failure.raise(Err::SubscriptOutOfRange);
        return std::nullopt;
    }
    TroopLines lines;
    lines[TroopHeadLine] = JoinWords(
        std::array<QString, 10>{r.id, r.name, r.plural, r.word3, r.flags.written(), r.word5,
                                r.word6, IndexWord(r, 0), IndexWord(r, 1), IndexWord(r, 2)});

    QString items = QStringLiteral("  ");
    items.reserve(2 + TroopSlotCount * 8);
    for (const TroopSlot& slot : r.items)
        items += slot.item + Blank + ZeroIfEmpty(slot.modifier) + Blank;
    for (qsizetype k = r.items.size(); k < TroopSlotCount; ++k)
        items += QStringLiteral("-1 0 ");
    lines[TroopItemsLine] = items;

    lines[TroopAttribsLine] = QStringLiteral("  ") + JoinWords(r.attributes);
    lines[TroopProfsLine] = Blank + JoinWords(r.proficiencies);

    QString skills;
    for (const TroopNumber& word : r.skillWords)
        skills += word.written() + Blank;
    lines[TroopSkillsLine] = skills + ZeroIfEmpty(r.skillWord5) + Blank;

    QString faces = QStringLiteral("  ");
    for (const TroopNumber& word : r.faces)
        faces += word.written() + Blank;
    lines[TroopFacesLine] = faces;
    return lines;
}

std::optional<TroopLines> EncodeTroop(const TroopRecord& record, const TroopLines& stored,
                                      PendingFailure& failure) {
    std::optional<TroopLines> lines = EncodeTroop(record, failure);
    if (!lines)
        return std::nullopt;
    PendingFailure ignored;
    const std::optional<TroopRecord> old = DecodeTroop(stored, ignored);
    if (!old)
        return lines;
    for (int line = 0; line < 6; ++line) {
        if (SameLine(line, record, *old))
            (*lines)[static_cast<std::size_t>(line)] = stored[static_cast<std::size_t>(line)];
    }
    return lines;
}

QString SkillBoxText(int level) {
    if (level == 10)
        return QStringLiteral("10");
    return QString(QChar(u"0123456789ABCDEF"[level & 0xF]));
}

std::optional<int> SkillLevelFromBox(QStringView text) {
    if (text.isEmpty())
        return 0;
    if (text.size() == 1) {
        const QChar c = text[0].toUpper();
        if (c >= u'0' && c <= u'9')
            return c.unicode() - u'0';
        if (c >= u'A' && c <= u'F')
            return c.unicode() - u'A' + 10;
        return std::nullopt;
    }
    const auto isDigit = [](QChar c) { return c >= u'0' && c <= u'9'; };
    if (text.size() == 2 && isDigit(text[0]) && isDigit(text[1])) {
        const int level = (text[0].unicode() - u'0') * 10 + (text[1].unicode() - u'0');
        if (level <= 15)
            return level;
    }
    return std::nullopt;
}

QString FaceBoxText(const std::array<std::uint64_t, 4>& words) {
    QString text = QStringLiteral("0x");
    for (std::uint64_t word : words)
        text += CHex_2(Decimal::fromU64(word)).rightJustified(16, u'0').toLower();
    return text;
}

std::array<std::uint64_t, 4> FaceWordsFromBox(const QString& text) {
    std::array<std::uint64_t, 4> words{};
    for (int i = 0; i < 4; ++i) {
        // A chunk holds at most 16 digits, so its value always fits.
        const std::optional<Decimal> value = Hex2Dec(QStringView(text).mid(2 + 16 * i, 16));
        words[static_cast<std::size_t>(i)] = value ? value->toU64().value_or(0) : 0;
    }
    return words;
}

bool IsFaceBoxText(QStringView text) {
    const auto hex = [](QChar c) {
        return (c >= u'0' && c <= u'9') || (c >= u'a' && c <= u'f') || (c >= u'A' && c <= u'F');
    };
    return text.size() == 66 && text.startsWith(u"0x") &&
           std::all_of(text.begin() + 2, text.end(), hex);
}

bool IsSingleWord(const QString& text) {
    return !text.isEmpty() && !text.contains(Blank);
}

namespace {

// "Leadership:" or "(Firearms:)" as a message names the box.
QString BoxName(const char* caption) {
    QString name = QLatin1String(caption);
    name.remove(u':').remove(u'(').remove(u')');
    return name;
}

// A word read from the file goes back as it stood; text the user put in a
// number box holds digits only, as the box's keys let through.
QString DigitsProblem(const QString& typed, const QString& shown, const char* caption) {
    const auto digit = [](QChar c) { return c >= u'0' && c <= u'9'; };
    if (typed == shown || std::all_of(typed.begin(), typed.end(), digit))
        return QString();
    return DigitsOnlyText(BoxName(caption));
}

template <std::size_t N>
QString WordsProblem(const std::array<QString, N>& typed, const std::array<QString, N>& shown,
                     const std::array<TroopTextBox, N>& boxes) {
    for (std::size_t i = 0; i < N; ++i) {
        if (!IsSingleWord(typed[i]))
            return QStringLiteral("'%1' must not be empty or hold blanks!")
                .arg(BoxName(boxes[i].caption));
        if (QString problem = DigitsProblem(typed[i], shown[i], boxes[i].caption);
            !problem.isEmpty())
            return problem;
    }
    return QString();
}

// Face `face` (0 or 1) as its box shows it: the face code, or the four words
// as read when one of them is beyond the 64 bits a face code gives each.
QString FaceBoxOf(const TroopRecord& r, std::size_t face) {
    std::array<std::uint64_t, 4> code{};
    QStringList read;
    bool fits = true;
    for (std::size_t k = 0; k < code.size(); ++k) {
        const TroopNumber& word = r.faces[4 * face + k];
        const std::optional<std::uint64_t> value = word.value.toU64();
        fits = fits && value.has_value();
        code[k] = value.value_or(0);
        read.append(word.written());
    }
    return fits ? FaceBoxText(code) : read.join(Blank);
}

} // namespace

TroopBoxTexts TroopBoxTextsOf(const TroopRecord& r) {
    TroopBoxTexts texts{{r.id, r.name, r.plural}, r.attributes, r.proficiencies, {}, {}};
    for (int box = 0; box < TroopSkillBoxCount; ++box)
        texts.skills[static_cast<std::size_t>(box)] = SkillBoxText(r.skill(box));
    texts.faces = {FaceBoxOf(r, 0), FaceBoxOf(r, 1)};
    return texts;
}

QString TroopProblem(const TroopBoxTexts& typed, const TroopBoxTexts& shown, TextCoding coding) {
    for (std::size_t i = 0; i < typed.names.size(); ++i) {
        const QString name = BoxName(TroopNameBoxes[i].caption);
        if (typed.names[i].isEmpty())
            return QStringLiteral("'%1' must not be empty!").arg(name);
        if (const QString c = FirstUnstorableChar(typed.names[i], coding); !c.isEmpty())
            return UnstorableCharText(name, c, QStringLiteral("troops.txt"));
    }
    if (QString problem = WordsProblem(typed.attributes, shown.attributes, TroopAttributeBoxes);
        !problem.isEmpty())
        return problem;
    if (QString problem =
            WordsProblem(typed.proficiencies, shown.proficiencies, TroopProficiencyBoxes);
        !problem.isEmpty())
        return problem;
    for (std::size_t i = 0; i < typed.skills.size(); ++i) {
        const char* caption = TroopSkillBoxes[i].caption;
        if (QString problem = DigitsProblem(typed.skills[i], shown.skills[i], caption);
            !problem.isEmpty())
            return problem;
        if (!SkillLevelFromBox(typed.skills[i]))
            return QStringLiteral("Value of '%1' must be a number between 0 and 15!")
                .arg(BoxName(caption));
    }
    for (std::size_t i = 0; i < typed.faces.size(); ++i) {
        if (typed.faces[i] != shown.faces[i] && !IsFaceBoxText(typed.faces[i]))
            return QStringLiteral("'%1' must be \"0x\" followed by 64 hexadecimal digits, as the "
                                  "game shows a face code!")
                .arg(BoxName(TroopFaceBoxes[i].caption));
    }
    return QString();
}

TroopRecord WithBoxTexts(TroopRecord r, const TroopBoxTexts& typed) {
    r.id = typed.names[0];
    r.name = typed.names[1];
    r.plural = typed.names[2];
    r.attributes = typed.attributes;
    r.proficiencies = typed.proficiencies;
    for (int box = 0; box < TroopSkillBoxCount; ++box)
        r.setSkill(box, SkillLevelFromBox(typed.skills[static_cast<std::size_t>(box)]).value_or(0));
    for (std::size_t face = 0; face < typed.faces.size(); ++face) {
        if (!IsFaceBoxText(typed.faces[face]))
            continue;
        const auto words = FaceWordsFromBox(typed.faces[face]);
        for (std::size_t k = 0; k < words.size(); ++k)
            r.faces[4 * face + k].value = BitWord::fromU64(words[k]);
    }
    return r;
}

TroopChoices TroopChoicesOf(const TroopRecord& r) {
    TroopChoices c;
    const int numbers[] = {r.faction, r.upgrade1, r.upgrade2};
    for (std::size_t k = 0; k < c.rows.size(); ++k)
        c.rows[k] = numbers[k] == TroopNumberHeld ? -1 : numbers[k];
    c.skin = r.skin();
    for (std::size_t i = 0; i < c.flags.size(); ++i)
        c.flags[i] = r.hasFlag(TroopFlagBoxes[i].mask);
    return c;
}

TroopRecord WithChoices(TroopRecord r, const TroopChoices& c) {
    int* const numbers[] = {&r.faction, &r.upgrade1, &r.upgrade2};
    for (std::size_t k = 0; k < c.rows.size(); ++k) {
        if (c.rows[k] >= 0)
            *numbers[k] = c.rows[k];
    }
    if (c.skin >= 0)
        r.setSkin(c.skin);
    for (std::size_t i = 0; i < c.flags.size(); ++i)
        r.setFlag(TroopFlagBoxes[i].mask, c.flags[i]);
    return r;
}

QString CHex(std::uint64_t value) {
    return QStringLiteral("%1").arg(value & 0xFFFFFFFFu, 8, 16, QChar(u'0')).toUpper();
}

QString CHex_2(const Decimal& value) {
    Decimal::Magnitude m = value.magnitude();
    QString digits;
    while (m != 0) {
        digits.prepend(QChar(u"0123456789ABCDEF"[static_cast<int>(m & 0xF)]));
        m >>= 4;
    }
    return digits;
}

std::optional<Decimal> Hex2Dec(QStringView text) {
    if (text.startsWith(u"&h", Qt::CaseInsensitive))
        text = text.mid(2);
    if (text.size() > 23)
        return std::nullopt;
    Decimal::Magnitude sum = 0;
    for (QChar c : text) {
        int digit = 0;
        if (c >= u'0' && c <= u'9')
            digit = c.unicode() - u'0';
        else if (c >= u'a' && c <= u'f')
            digit = c.unicode() - u'a' + 10;
        else if (c >= u'A' && c <= u'F')
            digit = c.unicode() - u'A' + 10;
        sum = (sum << 4) | static_cast<Decimal::Magnitude>(digit);
    }
    return Decimal::fromMagnitude(sum);
}

int CheckTroopFlag(std::uint32_t value, std::uint32_t flag) {
    const std::uint32_t r = value & flag;
    if (r == 0)
        return 0;
    return r == flag ? 1 : 2;
}
