#pragma once

#include "ms_editors/troops/QtPrinters.h"
#include "text_editors/items/ItemRecord.h"

#include <QString>
#include <QStringList>

#include <cstdint>
#include <random>

// Items in the layout the game writes, from a seeded generator: any flag,
// capability, modifier and mesh bits (unnamed bits and field values no row
// stands for included), one to six meshes, damages of every type, ascending
// factions and up to three trigger lines. The lines are built here word by
// word, not through the codec.
class ItemGenerator {
public:
    ItemGenerator(std::uint64_t seed, int factionMax) : m_rng(seed), m_factionMax(factionMax) {}

    ItemLines next() {
        QString line = QStringLiteral(" itm_") + word() + u' ' + word() + u' ' + word();
        const int meshes = pick(1, 6);
        line += u' ' + QString::number(meshes);
        for (int k = 0; k < meshes; ++k)
            line += QStringLiteral("  ") + word() + u' ' + QString::number(meshBits());
        // The lowest byte is mostly a type, now and then none (0 or above 20).
        const std::uint64_t flags = (u64() & ~std::uint64_t(0xFF)) | pick(0, 22);
        line += QStringLiteral("  ") + QString::number(flags) + u' ' + QString::number(u64());
        line += u' ' + QString::number(pick(0, 100000)) + u' ' + QString::number(u64());
        line += QStringLiteral(" %1.%2").arg(pick(0, 60)).arg(pick(0, 999999), 6, 10, QChar(u'0'));
        for (int k = 0; k < 11; ++k)
            line += u' ' + QString::number(pick(0, k == 0 ? 100 : 400));
        line += u' ' + QString::number(damage()) + u' ' + QString::number(damage());

        ItemLines item;
        item.line = line;
        QList<int> factions;
        for (int f = 0; f <= m_factionMax; ++f) {
            if (pick(0, 3) == 0)
                factions.append(f);
        }
        item.factionCountLine = u' ' + QString::number(factions.size());
        for (int f : factions)
            item.factionLine += u' ' + QString::number(f);
        const int triggers = pick(0, 3);
        item.triggerCountLine = QString::number(triggers);
        for (int t = 0; t < triggers; ++t)
            item.triggerLines.append(
                QStringLiteral("-%1.000000 1 %2 2 0 1 0").arg(pick(40, 60)).arg(pick(1, 3000)));
        return item;
    }
    int pick(int low, int high) { return std::uniform_int_distribution<int>(low, high)(m_rng); }

private:
    // Ids, names and mesh names: mostly letters, now and then any byte above the
    // blank (the upper half, which files in a Windows code page use, included).
    QString word() {
        QString text;
        for (int n = pick(1, 12); n > 0; --n)
            text += QChar(pick(0, 3) == 0 ? pick(0x21, 0xFF) : pick('a', 'z'));
        return text;
    }
    std::uint64_t u64() {
        const std::uint64_t ends[] = {0u, 1u, 0xF0000u, 0x8000000000000000u, ~std::uint64_t(0)};
        return pick(0, 2) == 0 ? ends[pick(0, 4)] : m_rng();
    }
    // A kind in the top digit, the large bag, and modifier bits of their own.
    std::uint64_t meshBits() {
        std::uint64_t bits = std::uint64_t(pick(0, 3)) << 60;
        if (pick(0, 2) == 0)
            bits |= std::uint64_t(1) << 42;
        if (pick(0, 4) == 0)
            bits |= std::uint64_t(pick(1, 0xFFFF)) << 20;
        return bits;
    }
    int damage() { return pick(0, 4) == 0 ? pick(768, 32767) : pick(0, 767); }

    std::mt19937_64 m_rng;
    int m_factionMax;
};
