#pragma once

#include "platform/BitWord.h"
#include "platform/Decimal.h"
#include "platform/Failure.h"
#include "platform/TextFile.h"

#include <QList>
#include <QString>
#include <QStringView>

#include <array>
#include <cstdint>
#include <limits>
#include <optional>

// The six text lines of one troop of troops.txt, in file order: line 1 (id,
// names, flags, faction, upgrade paths), inventory, attributes, proficiencies,
// skills, faces.
using TroopLines = std::array<QString, 6>;
enum TroopLineIndex {
    TroopHeadLine,
    TroopItemsLine,
    TroopAttribsLine,
    TroopProfsLine,
    TroopSkillsLine,
    TroopFacesLine
};

// One listed inventory slot: the item word as stored (usually the item's index)
// and the modifier word that travels with it.
struct TroopSlot {
    QString item;
    QString modifier;
    bool operator==(const TroopSlot&) const = default;
};

// The inventory slots of a troop as the game writes it: the most items both
// troop editors' inventory lists take.
constexpr int TroopSlotCount = 64;
// What a faction or upgrade field holds when its word is held as read
// (TroopRecord::heldWords). A word naming this very number is held too.
constexpr int TroopNumberHeld = std::numeric_limits<int>::min();
constexpr int TroopSkillBoxCount = 24;
constexpr std::size_t TroopFlagBoxCount = 15;
constexpr std::uint32_t TroopSkinMask = 0xF;

// A whole-number word that controls show bits of (the flag word, a skill or
// face word): its text as read and the value the controls give it. It may be
// of any length, as a module's build writes Python's integers; the bits no
// control shows stay as read, and so does the spelling of an unchanged value.
struct TroopNumber {
    QString text;
    BitWord value;
    QString written() const { return BitWordText(text, value); }
    bool operator==(const TroopNumber&) const = default;
};

// A troop split into the fields the editor works with. Words that no control
// shows (line 1 words 3, 5 and 6, skill digits without a box, skill-line word 5,
// modifier words) are held here so that an update carries them over.
struct TroopRecord {
    QString id;
    QString name;
    QString plural;
    QString word3 = QStringLiteral("0");
    TroopNumber flags{QStringLiteral("0"), {}};
    QString word5 = QStringLiteral("0");
    QString word6 = QStringLiteral("0");
    int faction = 0;
    int upgrade1 = 0;
    int upgrade2 = 0;
    // The faction and upgrade words (7 to 9) that hold a whole number beyond
    // the range of their fields, as read: the build writes what the source
    // computed, an upgrade of 69 digits too. Their fields hold
    // TroopNumberHeld, and the words go back as read.
    std::array<QString, 3> heldWords;
    // The slots whose item word is neither empty nor "0" nor "-1", in file order.
    QList<TroopSlot> items;
    std::array<QString, 5> attributes; // STR, AGI, INT, CHA, level
    std::array<QString, 7>
        proficiencies; // 1h, 2h, polearms, archery, crossbows, throwing, firearms
    std::array<TroopNumber, 5> skillWords;
    QString skillWord5 = QStringLiteral("0");
    std::array<TroopNumber, 8> faces; // face 1 = words 0-3, face 2 = words 4-7

    int skin() const { return static_cast<int>(flags.value.bits(0, 4)); }
    void setSkin(int skin);
    bool hasFlag(std::uint32_t mask) const;
    void setFlag(std::uint32_t mask, bool on);
    // Level 0-15 of the skill box `box` (index into TroopSkillBoxes).
    int skill(int box) const;
    void setSkill(int box, int level);

    bool operator==(const TroopRecord&) const = default;
};

// The fifteen flags that have a check box, in the order the editor applies them.
struct TroopFlagBox {
    const char* control;
    const char* caption;
    std::uint32_t mask;
};
extern const std::array<TroopFlagBox, TroopFlagBoxCount> TroopFlagBoxes;

// The skill boxes: which skill word and which hexadecimal digit (1 = most
// significant, 8 = least) each one shows.
struct TroopSkillBox {
    const char* control;
    const char* caption;
    int word;
    int digit;
};
extern const std::array<TroopSkillBox, TroopSkillBoxCount> TroopSkillBoxes;

// The plain text boxes: the names of line 1 (id, singular, plural), the
// words of lines 3 and 4, the two faces of line 6.
struct TroopTextBox {
    const char* control;
    const char* caption;
};
extern const std::array<TroopTextBox, 3> TroopNameBoxes;
extern const std::array<TroopTextBox, 5> TroopAttributeBoxes;
extern const std::array<TroopTextBox, 7> TroopProficiencyBoxes;
extern const std::array<TroopTextBox, 2> TroopFaceBoxes;

// What the troop editor's text boxes hold, in the order of the tables above:
// the texts an update reads into a record.
struct TroopBoxTexts {
    std::array<QString, 3> names;
    std::array<QString, 5> attributes;
    std::array<QString, 7> proficiencies;
    std::array<QString, TroopSkillBoxCount> skills;
    std::array<QString, 2> faces;
};
// What the boxes show for `record`. A face holding a word beyond 64 bits,
// which no face code holds, shows its four words as read.
TroopBoxTexts TroopBoxTextsOf(const TroopRecord& record);
// The message that refuses the boxes holding `typed` where the show put
// `shown`, for a troop of a file of `coding`, or the empty text. Box by box,
// the first of: a name that is empty or holds a character the file cannot
// store (it would be written as '?' and lost); an attribute or proficiency
// that is no single word; an attribute, proficiency or skill box holding
// more than digits, however the text came in, unless it holds what the show
// put there; a skill that is no level 0-15 (SkillLevelFromBox); a face box
// that is no face code (IsFaceBoxText) and not what the show put there.
QString TroopProblem(const TroopBoxTexts& typed, const TroopBoxTexts& shown, TextCoding coding);
// `record` with the texts of the boxes, in which TroopProblem found nothing.
// A face box that holds no face code holds the face's words as read, which
// stay.
TroopRecord WithBoxTexts(TroopRecord record, const TroopBoxTexts& typed);

// What the troop editor's lists, options and check boxes show: the faction
// and upgrade rows (a number no list has a row for shows as no row), the skin
// and the flag boxes in the order of TroopFlagBoxes.
struct TroopChoices {
    std::array<int, 3> rows{}; // faction, upgrade path 1, upgrade path 2
    int skin = 0;
    std::array<bool, TroopFlagBoxCount> flags{};
};
TroopChoices TroopChoicesOf(const TroopRecord& record);
// `record` with what the controls hold. A list with no row chosen (-1) keeps
// the number the record holds there: -1, a faction beyond factions.txt, an
// upgrade path beyond the last troop, a number of any length. No skin (-1)
// keeps the skin. The flag boxes set their bits only.
TroopRecord WithChoices(TroopRecord record, const TroopChoices& choices);

// Splits a line at every single blank; empty words count.
QList<QString> TroopWords(const QString& line);

// Splits the six lines into fields. A line with fewer words than the record
// needs raises 9, a word that is no number where one is needed raises 13, a
// negative flag, skill or face word raises 6; then there is no record. Numbers
// of any length are fields: a faction or upgrade number beyond 32 bits is held
// as read (heldWords). Inventory words that are missing count as empty slots.
std::optional<TroopRecord> DecodeTroop(const TroopLines& lines, PendingFailure& failure);

// Builds the six lines in the layout the game writes. Raises 9 and gives no
// lines when the record holds more than 64 inventory slots.
std::optional<TroopLines> EncodeTroop(const TroopRecord& record, PendingFailure& failure);

// As EncodeTroop, but every line whose fields equal those decoded from
// `stored` is kept exactly as stored, so an unchanged line never changes.
std::optional<TroopLines> EncodeTroop(const TroopRecord& record, const TroopLines& stored,
                                      PendingFailure& failure);

// Skill boxes show 0-9 as the digit, 10 as "10" and 11-15 as "B" to "F".
QString SkillBoxText(int level);
// A box holding 0-15 in decimal, or one letter A-F (either case), gives that
// level; the empty box gives 0; anything else gives no value.
std::optional<int> SkillLevelFromBox(QStringView text);

// "0x" and the four words as 16 lower-case hexadecimal digits each.
QString FaceBoxText(const std::array<std::uint64_t, 4>& words);
// The four 16-character chunks after the first two characters, through Hex2Dec.
std::array<std::uint64_t, 4> FaceWordsFromBox(const QString& text);
// Whether a face box holds a face code as the game gives it: "0x" and 64
// hexadecimal digits. Anything else would be cut into four wrong words.
bool IsFaceBoxText(QStringView text);

// A text word is written "as it stands", so it must not be empty and must not
// contain a blank, or every later word of its line would shift.
bool IsSingleWord(const QString& text);

// Strict decimal integers (optional minus sign, digits only). A text that is no
// such number raises 13; one outside the range raises 6.
std::optional<std::int64_t> ParseTroopInt(QStringView word, std::int64_t min, std::int64_t max,
                                          PendingFailure& failure);
std::optional<std::uint64_t> ParseTroopU64(QStringView word, PendingFailure& failure);

// The editor's number conversions.
// Eight upper-case hexadecimal digits of the value's low 32 bits.
QString CHex(std::uint64_t value);
// Upper-case hexadecimal digits without leading zeros; 0 gives the empty text.
QString CHex_2(const Decimal& value);
// Hexadecimal text ("&h" prefix allowed) of at most 23 characters to its exact
// value; a character that is no hexadecimal digit counts as 0, the empty text
// gives 0, a longer text no value.
std::optional<Decimal> Hex2Dec(QStringView text);
// 0 when no bit of `flag` is set in `value`, 1 when all are, 2 when some are.
int CheckTroopFlag(std::uint32_t value, std::uint32_t flag);
