#pragma once

#include "text_editors/troops/TroopRecord.h"

#include <QString>
#include <QStringList>

#include <cstdint>
#include <ostream>
#include <random>

// Readable QString values in failure messages.
inline void PrintTo(const QString& text, std::ostream* os) {
    *os << '"' << text.toStdString() << '"';
}

// Troops in the layout the game writes, from a seeded generator: any flag,
// skill and face values, any modifier words, faction and upgrade indexes in
// range. The lines are built here word by word, not through the codec.
class TroopGenerator {
public:
    struct Limits {
        int troopMax = 0;
        int factionMax = 0;
        int itemMax = 0;
    };
    TroopGenerator(std::uint64_t seed, Limits limits) : m_rng(seed), m_limits(limits) {}

    // With `gaps`, empty filled and item words 0 stand between the items, as
    // files edited by other tools have them.
    TroopLines next(bool gaps = false) {
        QStringList head = {QStringLiteral("trp_") + word(), word(), word()};
        head << rarely(u32()) << u32() << rarely(u32()) << rarely(u32());
        head << index(m_limits.factionMax) << upgrade() << upgrade();

        QString items = QStringLiteral("  ");
        const int count = pick(0, 64);
        int filled = 0;
        for (int k = 0; k < count && filled < 64; ++k) {
            if (gaps && pick(0, 3) == 0 && filled < 63) {
                items += pick(0, 1) ? QStringLiteral("-1 0 ") : QStringLiteral("0 ") + u32() + u' ';
                ++filled;
            }
            items += item() + u' ' + rarely(u32()) + u' ';
            ++filled;
        }
        for (; filled < 64; ++filled)
            items += QStringLiteral("-1 0 ");

        QString skills;
        for (int w = 0; w < 6; ++w)
            skills += (w < 5 ? u32() : rarely(u32())) + u' ';
        QString faces = QStringLiteral("  ");
        for (int f = 0; f < 8; ++f)
            faces += u64() + u' ';
        return {head.join(u' '),   items,  QStringLiteral("  ") + numbers(5),
                u' ' + numbers(7), skills, faces};
    }
    int pick(int low, int high) { return std::uniform_int_distribution<int>(low, high)(m_rng); }

private:
    // Ids and names: mostly letters, now and then any byte above the blank
    // (the upper half, which files in a Windows code page use, included).
    QString word() {
        QString text;
        for (int n = pick(1, 16); n > 0; --n)
            text += QChar(pick(0, 3) == 0 ? pick(0x21, 0xFF) : pick('a', 'z'));
        return text;
    }
    // Whole numbers near the ends of their range as often as in between.
    QString u32() {
        const std::uint32_t ends[] = {0u, 1u, 15u, 16u, 0x7FFFFFFFu, 0x80000000u, 0xFFFFFFFFu};
        if (pick(0, 2) == 0)
            return QString::number(ends[pick(0, 6)]);
        return QString::number(static_cast<std::uint32_t>(m_rng()));
    }
    QString u64() {
        const std::uint64_t ends[] = {0u, 1u, 0x8000000000000000u, 0xFFFFFFFFFFFFFFFFu};
        if (pick(0, 2) == 0)
            return QString::number(ends[pick(0, 3)]);
        return QString::number(static_cast<std::uint64_t>(m_rng()));
    }
    QString numbers(int count) {
        QStringList words;
        while (words.size() < count)
            words.append(QString::number(pick(0, 999)));
        return words.join(u' ');
    }
    QString rarely(const QString& value) { return pick(0, 3) == 0 ? value : QStringLiteral("0"); }
    QString index(int max) { return QString::number(pick(0, max)); }
    QString upgrade() { return pick(0, 9) == 0 ? QStringLiteral("-1") : index(m_limits.troopMax); }
    // Mostly items of the item list; now and then one beyond it.
    QString item() {
        if (pick(0, 9) == 0)
            return QString::number(m_limits.itemMax + pick(1, 100000));
        return QString::number(pick(1, m_limits.itemMax));
    }

    std::mt19937_64 m_rng;
    Limits m_limits;
};
