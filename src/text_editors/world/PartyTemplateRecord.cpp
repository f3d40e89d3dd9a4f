#include "text_editors/world/PartyTemplateRecord.h"

#include "text_editors/world/WorldWords.h"

#include <QStringList>

namespace {

enum TemplateWord {
    IdWord = 0,
    NameWord = 1,
    FlagsWord = 2,
    MenuWord = 3,
    FactionWord = 4,
    PersonalityWord = 5,
    FirstSlotWord = 6,
};
constexpr int GoodsShift = 48;
constexpr int GoldShift = 56;
constexpr int LootByte = 8;
constexpr std::uint64_t LootBits = 0xFFFFULL << GoodsShift;
constexpr int MaxLoot = 255;

const QString EmptySlot = QStringLiteral("-1");

using SlotWords = std::array<QStringList, TemplateSlotCount>;

QString FlagText(bool on) {
    return on ? QStringLiteral("1") : QStringLiteral("0");
}

// Whether the line ends with the blank the game writes after every word. The
// game reads a line without it all the same.
bool Closed(const QStringList& words) {
    return words.size() > FirstSlotWord && words.last().isEmpty();
}

// Reads the slots backwards from the end of the last word, as the editor
// always has: a slot's last word tells its length ("-1" one word, a member's
// flags, any other whole number, four). `words` gets each slot's words as
// stored. False when the line does not have exactly that shape; the slots read
// before the fault are filled.
bool ReadSlots(LineWords& line, std::array<TemplateSlot, TemplateSlotCount>& members,
               SlotWords& words) {
    const QStringList& w = line.words();
    // p: the word after the slots (the closing blank's empty word, or past the end).
    qsizetype p = Closed(w) ? w.size() - 1 : w.size();
    for (int k = TemplateSlotCount - 1; k >= 0; --k) {
        const auto slot = static_cast<std::size_t>(k);
        if (p - 1 < FirstSlotWord)
            return false;
        const QString& last = w.at(p - 1);
        if (last == EmptySlot) {
            words[slot] = {EmptySlot};
            p -= 1;
            continue;
        }
        // A member whose troop word is "-1" would be an empty slot and three
        // more words to the game, which reads forwards.
        if (!IsWholeNumber(last) || p - 4 < FirstSlotWord || w.at(p - 4) == EmptySlot)
            return false;
        p -= 4;
        words[slot] = w.mid(p, 4);
        // Bit 0 of the member flags is the prisoner's; the others stay.
        members[slot] = {line.index(int(p)), w.at(p + 1), w.at(p + 2),
                         line.bits(int(p + 3)).testBit(0)};
    }
    return p == FirstSlotWord;
}

PartyTemplateRead Decode(const QString& line, PendingFailure& failure, SlotWords& slotWords) {
    LineWords w(line, failure);
    PartyTemplateRead read;
    PartyTemplateRecord& r = read.record;
    r.id = w.text(IdWord);
    r.name = w.text(NameWord);
    const BitWord flags = w.bits(FlagsWord);
    r.flags = DecodePartyFlags(flags, LootBits);
    r.goods = static_cast<int>(flags.bits(GoodsShift, LootByte));
    r.gold = static_cast<int>(flags.bits(GoldShift, LootByte));
    r.menu = w.text(MenuWord);
    r.faction = w.index(FactionWord);
    r.personality = DecodePersonality(w.bits(PersonalityWord));
    if (!ReadSlots(w, r.members, slotWords))
        w.missing();
    read.complete = w.complete();
    return read;
}

int Resolved(int row, int stored) {
    return row < 0 ? stored : row;
}

// A changed slot: "-1" for "None" (unless the slot stored a member of troop 0,
// which "None" also shows), otherwise the member's words, those unchanged as
// stored.
QStringList SlotLine(const TemplateSlot& slot, const TemplateSlot& was, const QStringList& stored) {
    const bool wasMember = stored != QStringList{EmptySlot};
    const int troop = Resolved(slot.troop, was.troop);
    if (troop == 0 && !(wasMember && was.troop == 0))
        return {EmptySlot};
    if (!wasMember)
        return {QString::number(troop), slot.min, slot.max, FlagText(slot.prisoner)};
    QStringList words = stored;
    if (troop != was.troop)
        words[0] = QString::number(troop);
    if (slot.min != was.min)
        words[1] = slot.min;
    if (slot.max != was.max)
        words[2] = slot.max;
    if (slot.prisoner != was.prisoner)
        words[3] = FlagWordWith(words[3], 0, slot.prisoner);
    return words;
}

} // namespace

PartyTemplateRead DecodePartyTemplate(const QString& line, PendingFailure& failure) {
    SlotWords ignored;
    return Decode(line, failure, ignored);
}

std::optional<QString> EncodePartyTemplate(const PartyTemplateRecord& r, const QString& stored,
                                           PendingFailure& failure) {
    PendingFailure ignored;
    SlotWords slotWords;
    const PartyTemplateRead old = Decode(stored, ignored, slotWords);
    if (!old.complete) {
        failure.raise(Err::SubscriptOutOfRange);
        return std::nullopt;
    }
    const PartyTemplateRecord& o = old.record;

    QStringList w = stored.split(u' ').mid(0, FirstSlotWord);
    if (r.id != o.id)
        w[IdWord] = r.id;
    if (r.name != o.name)
        w[NameWord] = r.name;
    PartyFlags flags = r.flags;
    flags.icon = Resolved(flags.icon, o.flags.icon);
    if (flags != o.flags || r.gold != o.gold || r.goods != o.goods) {
        const BitWord word =
            EncodePartyFlags(flags)
                .withBits(GoodsShift, LootByte, static_cast<std::uint64_t>(r.goods))
                .withBits(GoldShift, LootByte, static_cast<std::uint64_t>(r.gold));
        w[FlagsWord] = BitWordText(w[FlagsWord], word);
    }
    if (r.menu != o.menu)
        w[MenuWord] = r.menu;
    const int faction = Resolved(r.faction, o.faction);
    if (faction != o.faction)
        w[FactionWord] = QString::number(faction);
    if (r.personality != o.personality)
        w[PersonalityWord] = QString::number(EncodePersonality(r.personality));

    for (std::size_t k = 0; k < r.members.size(); ++k) {
        w << (r.members[k] == o.members[k] ? slotWords[k]
                                           : SlotLine(r.members[k], o.members[k], slotWords[k]));
    }
    // Every word ends with its blank, as stored.
    if (Closed(stored.split(u' ')))
        w << QString();
    return w.join(u' ');
}

std::optional<int> LootValue(const QString& text) {
    int value = 0;
    for (QChar c : text) {
        if (c < u'0' || c > u'9')
            return std::nullopt;
        value = std::min(value * 10 + (c.unicode() - u'0'), MaxLoot + 1);
    }
    return std::min(value, MaxLoot);
}

QString PartyTemplateProblem(const PartyTemplateRecord& record, const PartyTemplateRecord& stored,
                             const QString& goldText, const QString& goodsText) {
    QList<TypedWord> words = {{QStringLiteral("PT ID"), record.id},
                              {QStringLiteral("PT name"), record.name},
                              {QStringLiteral("Menu"), record.menu}};
    for (std::size_t k = 0; k < record.members.size(); ++k) {
        words.append({QStringLiteral("Min. of member %1").arg(k + 1), record.members[k].min});
        words.append({QStringLiteral("Max. of member %1").arg(k + 1), record.members[k].max});
    }
    QString problem = TypedWordsProblem(words);
    // A count the file holds goes back as read, whatever its size: only a
    // changed box is checked.
    for (std::size_t k = 0; k < record.members.size(); ++k) {
        const TemplateSlot &slot = record.members[k], &was = stored.members[k];
        const qsizetype box = 3 + 2 * static_cast<qsizetype>(k);
        if (problem.isEmpty() && slot.min != was.min)
            problem = CountWordProblem(words.at(box));
        if (problem.isEmpty() && slot.max != was.max)
            problem = CountWordProblem(words.at(box + 1));
    }
    const std::pair<const char*, const QString*> loot[] = {{"Carry gold", &goldText},
                                                           {"Carry goods", &goodsText}};
    for (const auto& [box, text] : loot) {
        if (problem.isEmpty() && !LootValue(*text))
            problem =
                QStringLiteral("'%1' must be a number from 0 to 255!").arg(QLatin1String(box));
    }
    return problem;
}
