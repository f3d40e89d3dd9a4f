#include "text_editors/world/PartyFlags.h"

const std::array<PartyFlagRow, PartyFlagCount> PartyFlagRows = {{
    {"disabled", 0x100, 3},
    {"is_ship", 0x200, 3},
    {"is_static", 0x400, 3},
    {"label_small", 0x0, 4},
    {"label_medium", 0x1000, 4},
    {"label_large", 0x2000, 4},
    {"always_visible", 0x4000, 4},
    {"default_behavior", 0x10000, 5},
    {"auto_remove_in_town", 0x20000, 5},
    {"quest_party", 0x40000, 5},
    {"no_label", 0x80000, 5},
    {"limit_members", 0x100000, 6},
    {"hide_defenders", 0x200000, 6},
    {"show_faction", 0x400000, 6},
    {"dont_attack_civilians", 0x2000000, 7},
    {"civilian", 0x4000000, 7},
}};

const std::array<const char*, AiBehaviourCount> AiBehaviourRows = {
    "ai_behavior_hold",
    "ai_behavior_travel_to_party",
    "ai_behavior_patrol_location",
    "ai_behavior_patrol_party",
    "ai_behavior_attack_party",
    "ai_behavior_avoid_party",
    "ai_behavior_travel_to_point",
    "ai_behavior_negotiate_party",
    "ai_behavior_in_town",
    "ai_behavior_travel_to_ship",
    "ai_behavior_escort_party",
    "ai_behavior_driven_by_party",
};

namespace {

constexpr std::uint64_t IconBits = 0xFF;

constexpr std::uint64_t RowBits() {
    std::uint64_t bits = 0;
    for (const PartyFlagRow& row : PartyFlagRows)
        bits |= row.mask;
    return bits;
}

int HexDigit(const BitWord& word, int position) {
    return static_cast<int>(word.bits(4 * (position - 1), 4));
}

// `word` with the bits of `mask` (within the low 64) cleared.
BitWord Without(const BitWord& word, std::uint64_t mask) {
    return word.withBits(0, 64, word.bits(0, 64) & ~mask);
}

} // namespace

PartyFlags DecodePartyFlags(const BitWord& word, std::uint64_t shownElsewhere) {
    PartyFlags flags;
    for (int k = 0; k < PartyFlagCount; ++k) {
        const PartyFlagRow& row = PartyFlagRows[static_cast<std::size_t>(k)];
        // "label_small" has no bit: it is shown for "always_visible" alone in
        // the label digit, which is how the flag list has always read it.
        flags.rows[static_cast<std::size_t>(k)] = k == LabelSmallRow
                                                      ? HexDigit(word, row.digit) == 4
                                                      : (word.bits(0, 64) & row.mask) != 0;
    }
    flags.icon = static_cast<int>(word.bits(0, 8));
    flags.unshown = Without(word, RowBits() | IconBits | shownElsewhere);
    return flags;
}

BitWord EncodePartyFlags(const PartyFlags& flags, int storedIcon) {
    std::uint64_t low = flags.unshown.bits(0, 64);
    for (std::size_t k = 0; k < PartyFlagRows.size(); ++k) {
        if (flags.rows[k])
            low |= PartyFlagRows[k].mask;
    }
    const int icon = flags.icon < 0 ? storedIcon : flags.icon;
    low = (low & ~IconBits) | (static_cast<std::uint64_t>(icon) & IconBits);
    return flags.unshown.withBits(0, 64, low);
}

void ExclusiveLabelFlags(std::array<bool, PartyFlagCount>& rows, int current) {
    if (current < LabelSmallRow || current > LabelLargeRow)
        return;
    for (int k = LabelSmallRow; k <= LabelLargeRow; ++k) {
        if (k != current)
            rows[static_cast<std::size_t>(k)] = false;
    }
}

Personality DecodePersonality(const BitWord& word) {
    const int digits = word.isZero() ? 1 : (word.bitLength() + 3) / 4;
    Personality p;
    p.courage = HexDigit(word, 1);
    if (digits == 2 || digits == 3)
        p.aggressiveness = HexDigit(word, 2);
    p.banditness = digits == 3 && HexDigit(word, 3) == 1;
    return p;
}

std::uint64_t EncodePersonality(const Personality& p) {
    return (p.banditness ? 256u : 0u) + static_cast<std::uint64_t>(p.aggressiveness & 0xF) * 16 +
           static_cast<std::uint64_t>(p.courage & 0xF);
}
