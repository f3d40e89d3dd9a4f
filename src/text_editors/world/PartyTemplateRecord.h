#pragma once

#include "platform/Failure.h"
#include "text_editors/world/PartyFlags.h"

#include <QString>

#include <array>
#include <optional>

// One line of party_templates.txt, cut at every single blank: id, name, flag
// word, menu, faction, personality, then six member slots, each "-1" (empty) or
// troop, minimum, maximum and member flags (bit 0 set for prisoners), every
// word followed by one blank. The flag word holds the map icon in bits 0-7, the
// party flags above, the goods in bits 48-55 and the gold in bits 56-63.

constexpr int TemplateSlotCount = 6;

struct TemplateSlot {
    // The troop list's row: 0 is "None", an empty slot (or a stored member of
    // troop 0, which stays one); negative: no row chosen, the stored troop stays.
    int troop = 0;
    QString min = QStringLiteral("0"); // as typed
    QString max = QStringLiteral("0"); // as typed
    bool prisoner = false;             // bit 0 of the member flags; the other bits stay

    bool operator==(const TemplateSlot&) const = default;
};

// A template as the editor's controls show it. The faction and the icon are
// list rows; a negative row means no row was chosen, and the stored value stays
// (icons 189-255 have no row in the fixed icon list).
struct PartyTemplateRecord {
    QString id;
    QString name;
    PartyFlags flags; // rows, icon, and the bits no control shows
    int gold = 0;     // 0-255
    int goods = 0;    // 0-255
    QString menu;
    int faction = 0;
    Personality personality;
    std::array<TemplateSlot, TemplateSlotCount> members; // the six slots, slot 0 first

    bool operator==(const PartyTemplateRecord&) const = default;
};

struct PartyTemplateRead {
    PartyTemplateRecord record; // as far as the line could be read; slots not read are empty
    bool complete = false;      // only then may the record be updated
};

// Splits a template line. The member slots are read backwards from the end of
// the line (its closing blank, where it has one), slot 5 first; a line without
// exactly six slots (a word lost or put in), or whose slot ends in a word that
// is no whole number, raises 9 and keeps the slots read so far. A word that is
// no number where one is needed raises 13. The record is then not complete.
// Numbers of any length are read: what no control shows stays as stored.
PartyTemplateRead DecodePartyTemplate(const QString& line, PendingFailure& failure);

// Builds the line from `record` on the `stored` one: every word and slot whose
// field is unchanged stays as stored, flag bits no control shows are carried,
// and a slot at "None" is written "-1" unless it stored a member of troop 0.
// Raises 9 and gives no line when `stored` is not complete.
std::optional<QString> EncodePartyTemplate(const PartyTemplateRecord& record, const QString& stored,
                                           PendingFailure& failure);

// A gold or goods box's value: the empty box 0, a number above 255 is 255; no
// value when the box holds anything but digits.
std::optional<int> LootValue(const QString& text);

// The message that refuses the update (a typed word that would shift the line,
// a minimum or maximum changed from the `stored` record's to no whole number of
// 0 or more, a gold or goods box that holds no number), or the empty text.
QString PartyTemplateProblem(const PartyTemplateRecord& record, const PartyTemplateRecord& stored,
                             const QString& goldText, const QString& goodsText);
