#pragma once

// What every benchmark of the program needs: files written as the game writes
// them. The application for the windows is main's (main.cpp).
#include <QFile>
#include <QStringList>

// Writes each line followed by CR LF, bytes as they stand.
inline void WriteLines(const QString& path, const QStringList& lines) {
    QFile file(path);
    if (!file.open(QIODevice::WriteOnly | QIODevice::Truncate))
        qFatal("cannot write %s", qPrintable(path));
    for (const QString& line : lines)
        file.write(line.toLatin1() + "\r\n");
}

// troops.txt with `count` troops, every one with items, skills, faces, two
// upgrade paths and one of `factionCount` factions.
inline QStringList TroopsFileLines(int count, int factionCount) {
    QStringList troops = {"troopsfile version 2", QString::number(count) + ' '};
    QString items = QStringLiteral("  12 0 7 3 33 0 ");
    for (int k = 3; k < 64; ++k)
        items += QStringLiteral("-1 0 ");
    for (int i = 0; i < count; ++i) {
        if (i > 0)
            troops << QString();
        troops << QStringLiteral("trp_troop_%1 Troop_%1 Troops_%1 0 6291472 0 0 %2 %3 %4")
                      .arg(i)
                      .arg(i % factionCount)
                      .arg((i + 1) % count)
                      .arg((i + 2) % count)
               << items << QStringLiteral("  14 12 10 8 21")
               << QStringLiteral(" 180 160 150 120 110 90 0")
               << QStringLiteral("268435985 858993459 16777233 4386 1118464 0 ")
               << QStringLiteral("  0 1168231104512 0 0 0 1168231104512 576460752303423488 0 ");
    }
    return troops;
}

// factions.txt with `count` factions, each relation line listing every faction.
inline QStringList FactionsFileLines(int count) {
    QStringList factions = {"factionsfile version 1", QString::number(count)};
    QString relations = QStringLiteral(" 0.000000 ");
    for (int i = 1; i < count; ++i)
        relations += QStringLiteral(" -0.050000 ");
    for (int i = 0; i < count; ++i)
        factions << QStringLiteral("0 fac_faction_%1 Faction_%1 0 11184810 ").arg(i) << relations;
    factions << QStringLiteral("0 ");
    return factions;
}

// module_items.py with `count` items between no_item, horse_meat and
// items_end, in the shapes real files use: over two lines, with trigger and
// faction lists on every tenth, names the vocabulary lacks, and flags "0" on
// every fifth.
inline QStringList ItemsPyFileLines(int count) {
    QStringList file{QStringLiteral("from header_items import *"), QString(),
                     QStringLiteral("items = [")};
    file << QStringLiteral(
                " [\"no_item\",\"INVALID ITEM\", [(\"invalid_item\",0)], 0, 0, 0, 0, 0],")
         << QStringLiteral(
                " [\"horse_meat\",\"Horse Meat\", [(\"raw_meat\",0)], itp_type_goods, 0, "
                "12, weight(40), 0],");
    const char* const types[] = {"itp_type_one_handed_wpn", "itp_type_polearm", "itp_type_goods",
                                 "itp_type_body_armor", "0"};
    for (int i = 0; i < count; ++i) {
        file << QStringLiteral(" [\"item_%1\",\"Item %1\", [(\"mesh_%1\",0),(\"mesh_%1_carry\", "
                               "ixmesh_carry)], %2|itp_merchandise| itp_primary|itp_flag_%3, "
                               "itc_longsword|itcf_carry_sword_left_hip,")
                    .arg(i)
                    .arg(QLatin1String(types[i % 5]))
                    .arg(i % 7);
        QString second = QStringLiteral("   %1 , weight(1.5)|difficulty(0)|spd_rtng(99) | "
                                        "weapon_length(95)|swing_damage(29 , cut) | "
                                        "thrust_damage(21 ,  pierce),imodbits_sword")
                             .arg(i);
        if (i % 10 == 0)
            second += QStringLiteral(", [(ti_on_init_item, [(set_position_delta,0,60,0),"
                                     "(particle_system_add_new, \"psys_torch_fire\")])], "
                                     "[fac_kingdom_1, fac_kingdom_2]");
        file << second + QStringLiteral(" ],");
    }
    file << QStringLiteral(" [\"items_end\",\"Items End\", [(\"mesh\",0)], 0, 0, 1, 0, 0],")
         << QStringLiteral("]");
    return file;
}
