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

// factions.txt with `count` factions, each relation line listing every faction;
// as the game writes it, every faction line but the first has a lead word.
inline QStringList FactionsFileLines(int count) {
    QStringList factions = {"factionsfile version 1", QString::number(count)};
    QString relations = QStringLiteral(" 0.000000 ");
    for (int i = 1; i < count; ++i)
        relations += QStringLiteral(" -0.050000 ");
    for (int i = 0; i < count; ++i)
        factions << (i == 0 ? QString() : QStringLiteral("0 ")) +
                        QStringLiteral("fac_faction_%1 Faction_%1 0 11184810 ").arg(i)
                 << relations;
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

// module_troops.py in the shape of the largest real one: 26,030 lines and
// about 4 MB, LF line ends, 3,241 troops of 16 fields over seven or eight lines
// each (a few with a remark inside; player and temp_troop on one or four), a remark and a blank
// line between groups, a few names with bytes above ASCII, and upgrade lines behind the list. The
// inventories name the items of ItemsPyFileLines-like files: itm_item_0 to
// itm_item_<itemCount - 1>.
inline QByteArray LargeTroopsPyFile(int itemCount) {
    constexpr int TroopCount = 3239; // with player and temp_troop, 3,241
    constexpr int FileLines = 26030;
    QByteArray text = "# -*- coding: cp1252 -*-\n"
                      "from header_common import *\nfrom header_items import *\n"
                      "from header_troops import *\nfrom header_skills import *\n"
                      "from ID_factions import *\nfrom ID_items import *\n"
                      "from ID_scenes import *\n\n"
                      "def wp(x):\n  n = 0\n  n |= wp_one_handed(x)\n  n |= wp_two_handed(x)\n"
                      "  return n\n\n"
                      "troops = [\n"
                      "  [\"player\",\"Player\",\"Player\",tf_hero|tf_unmoveable_in_party_window,"
                      "no_scene,reserved,fac_player_faction,\n   [],\n"
                      "   str_4|agi_4|int_4|cha_4,wp(15),0,0x000000018000000136db6db6db6db6db0000"
                      "0000001db6db0000000000000000],\n"
                      "  [\"temp_troop\",\"Temp Troop\",\"Temp Troop\",tf_hero,no_scene,reserved,"
                      "fac_commoners,[],def_attrib,0,knows_common|knows_inventory_management_10,"
                      "0],\n";
    const auto item = [itemCount](int k) {
        return "itm_item_" + QByteArray::number(k % itemCount);
    };
    for (int i = 0; i < TroopCount; ++i) {
        const QByteArray n = QByteArray::number(i);
        if (i % 25 == 0)
            text += "\n#### Troops of the " + QByteArray::number(i / 25) +
                    ". group: soldiers, their officers and the mercenaries who follow them\n";
        // A few names carry the code page's letters, as real modules' do.
        const QByteArray name = i % 500 == 7 ? "J\xe4ger " + n : "Troop Number " + n;
        text += "  [\"troop_" + n + "\",\"" + name + "\",\"Troops Numbered " + n +
                "\",  # recruited in the villages, trained in the towns, paid by the lords\n";
        text += "   tf_guarantee_boots|tf_guarantee_armor|tf_guarantee_helmet|"
                "tf_guarantee_gloves|tf_guarantee_horse|tf_guarantee_shield|tf_mounted,"
                " no_scene, reserved, fac_kingdom_" +
                QByteArray::number(i % 6) + ",  # the kingdom the troop serves\n";
        if (i % 100 == 50)
            text += "   # early equipment, kept for the old saves\n";
        QByteArray items = "   [";
        for (int k = 0; k < 12; ++k)
            items += (k ? "," : "") + item(i * 7 + k * 13);
        text += items + ",\n    ";
        items.clear();
        for (int k = 12; k < 24; ++k)
            items += (k > 12 ? "," : "") + item(i * 7 + k * 13);
        text += items + "],\n";
        text += "   str_12|agi_11|int_8|cha_9|level(" + QByteArray::number(i % 30 + 1) +
                "), wp_one_handed(120)|wp_two_handed(110)|wp_polearm(100)|wp_archery(90)|"
                "wp_crossbow(80)|wp_throwing(70),  # level, attributes, proficiencies\n";
        text += "   knows_riding_4|knows_ironflesh_3|knows_power_strike_3|knows_athletics_2|"
                "knows_shield_2|knows_weapon_master_2|knows_tactics_1|knows_trainer_2|"
                "knows_looting_3|knows_pathfinding_2|knows_spotting_1|"
                "knows_inventory_management_2|knows_wound_treatment_1|knows_first_aid_1,\n";
        if (i % 2 == 0)
            text += "   0x00000001b00c300b3b6d6e3b5d8e36db00000000001e36e3,"
                    " 0x00000003bf00a30b3b6d6e3b5d8e36db00000000001e36e3,\n"
                    "   0, 0, 0],\n";
        else
            text += "   0x00000001b00c300b3b6d6e3b5d8e36db00000000001e36e3,"
                    " 0x00000003bf00a30b3b6d6e3b5d8e36db00000000001e36e3, 0, 0, 0],\n";
    }
    text += "]\n\n# Upgrade paths\n";
    int lines = int(text.count('\n'));
    for (int i = 0; lines < FileLines; i += 2, ++lines) {
        const QByteArray a = "\"troop_" + QByteArray::number(i % TroopCount) + "\"";
        const QByteArray b = "\"troop_" + QByteArray::number((i + 1) % TroopCount) + "\"";
        const QByteArray c = "\"troop_" + QByteArray::number((i + 2) % TroopCount) + "\"";
        text += i % 4 == 0 ? "upgrade2(troops," + a + "," + b + "," + c + ")\n"
                           : "upgrade(troops," + a + "," + b + ")\n";
    }
    return text;
}
