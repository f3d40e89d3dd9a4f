#include "text_editors/troops/TroopTables.h"

#include "text_editors/RecordRows.h"
#include "textfiles/modTextFactions.h"
#include "textfiles/modTextFiles.h"
#include "textfiles/modTextItems.h"
#include "textfiles/modTextTroops.h"

#include <algorithm>
#include <array>
#include <cstdint>
#include <limits>

namespace {

const QString Paragraph = QStringLiteral("\r\n\r\n");

// The per-troop line tables in record order.
const std::array<QStringList*, 6> LineTables = {&TroopLine,     &TroopItemLine,  &TroopAttribLine,
                                                &TroopProfLine, &TroopSkillLine, &TroopFaceLine};

QString Word(const QList<QString>& words, int i) {
    return i < words.size() ? words[i] : QString();
}

bool LinksTo(const QString& word, int target) {
    if (word == QStringLiteral("0"))
        return false;
    PendingFailure ignored;
    const auto index = ParseTroopInt(word, std::numeric_limits<std::int64_t>::min(),
                                     std::numeric_limits<std::int64_t>::max(), ignored);
    return index && *index == target;
}

} // namespace

TroopLines StoredTroop(int i) {
    TroopLines lines;
    for (std::size_t l = 0; l < LineTables.size(); ++l)
        lines[l] = LineTables[l]->value(i);
    return lines;
}

void StoreTroop(int i, const TroopLines& lines) {
    for (std::size_t l = 0; l < LineTables.size(); ++l)
        (*LineTables[l])[i] = lines[l];
    const QList<QString> words = TroopWords(lines[TroopHeadLine]);
    TroopID[i] = Word(words, 0);
    TroopName[i] = Word(words, 1);
}

int AppendTroop(const TroopLines& lines) {
    const int k = TroopMax + 1;
    for (QStringList* table : LineTables)
        table->resize(k + 1);
    TroopID.resize(k + 1);
    TroopName.resize(k + 1);
    StoreTroop(k, lines);
    TroopMax = k;
    KeepTroopInserted(k);
    return k;
}

bool RemoveLastTroop() {
    if (TroopMax < 1)
        return false;
    KeepTroopRemoved(TroopMax);
    TroopMax -= 1;
    for (QStringList* table : LineTables)
        table->resize(TroopMax + 1);
    TroopID.resize(TroopMax + 1);
    TroopName.resize(TroopMax + 1);
    return true;
}

QString TroopRowText(int i) {
    return RecordRow(i, TroopID.value(i), TroopName.value(i));
}

QStringList TroopListRows() {
    QStringList rows;
    rows.reserve(TroopMax + 1);
    for (int i = 0; i <= TroopMax; ++i)
        rows.append(TroopRowText(i));
    return rows;
}

QStringList UpgradeComboRows() {
    QStringList rows;
    rows.reserve(TroopMax + 1);
    for (int i = 0; i <= std::max(TroopMax, 0); ++i)
        rows.append(UpgradeComboRow(i));
    return rows;
}

QString UpgradeComboRow(int i) {
    if (i == 0)
        return QStringLiteral("0.  no upgrade");
    return QString::number(i) + QStringLiteral(".  ") + TroopID.value(i);
}

QStringList FactionComboRows() {
    QStringList rows;
    rows.append(QStringLiteral("0 - fac_no_faction  (No_Faction)"));
    for (int i = 1; i <= FactionMax; ++i)
        rows.append(QString::number(i) + QStringLiteral(" - ") + FactionID.value(i) +
                    QStringLiteral("  (") + FactionName.value(i) + QStringLiteral(")"));
    return rows;
}

QStringList AvailableItemRows() {
    QStringList rows;
    rows.reserve(ItemMax + 1);
    for (int i = 0; i <= ItemMax; ++i)
        rows.append(QString::number(i) + QStringLiteral(" - ") + ItemID.value(i) +
                    QStringLiteral("  (") + ItemName.value(i) + QStringLiteral(")"));
    return rows;
}

QString FilteredItemRow(int i) {
    return QString::number(i) + QStringLiteral(" - ") + ItemName.value(i) + QStringLiteral(" (") +
           ItemID.value(i) + QStringLiteral(")");
}

QList<int> MatchingTroops(const QString& filter) {
    return MatchingRecords(TroopName, TroopID, 0, TroopMax, filter);
}

QList<int> MatchingItems(const QString& filter) {
    return MatchingRecords(ItemName, ItemID, 1, ItemMax, filter);
}

QList<int> TroopsLinkedTo(int target) {
    QList<int> linked;
    for (int i = 0; i <= TroopMax; ++i) {
        const QList<QString> words = TroopWords(TroopLine.value(i));
        if (words.size() < 10)
            continue;
        if (LinksTo(words[8], target) || LinksTo(words[9], target))
            linked.append(i);
    }
    return linked;
}

QString UnreadableTroopText(int troop) {
    return UnreadableRecordText(QStringLiteral("Troop # ") + QString::number(troop), TroopsHead,
                                QStringLiteral("six lines"));
}

QString AddTroopQuestion(int shown) {
    return QStringLiteral("The form will be filled with data from troop # ") +
           QString::number(shown) + QStringLiteral("!") + Paragraph +
           QStringLiteral("Hit 'Add troop' in the form to complete the process.") +
           QStringLiteral("Selecting a troop from the list will abort adding a troop.") +
           Paragraph + QStringLiteral("Do you want to continue?");
}

QString DeleteLastTroopQuestion() {
    QString linked;
    for (int i : TroopsLinkedTo(TroopMax))
        linked += QString::number(i) + QStringLiteral(" ");
    QString text = QStringLiteral("WARNING!") + Paragraph +
                   QStringLiteral("This will delete the LAST troop (# ") +
                   QString::number(TroopMax) + QStringLiteral(") in the list, and it's highly ") +
                   QStringLiteral("recommended that you only delete your own added troops!") +
                   QStringLiteral("\r\n") +
                   QStringLiteral("Don't forget to remove all links (upgrade path, "
                                  "party_templates.txt) ") +
                   QStringLiteral("to this troop!") + Paragraph;
    if (!linked.isEmpty())
        text += QStringLiteral("The following troops have linked upgrade paths to the troop you "
                               "want to delete: ") +
                Paragraph + linked + Paragraph;
    return text + QStringLiteral("Do you want to continue?");
}

void CopyTroops(int source, const QList<int>& targets, const TroopCopyParts& parts,
                PendingFailure& failure) {
    for (int t : targets) {
        const QList<QString> s = TroopWords(TroopLine.value(source));
        QList<QString> words = TroopWords(TroopLine.value(t));
        if (s.size() < 10 || words.size() < 10) {
            failure.raise(Err::SubscriptOutOfRange);
        } else {
            words.resize(10);
            if (parts.flags)
                words[4] = s[4];
            if (parts.faction)
                words[7] = s[7];
            TroopLine[t] = words.join(u' ');
        }
        if (parts.items)
            TroopItemLine[t] = TroopItemLine.value(source);
        if (parts.stats)
            TroopAttribLine[t] = TroopAttribLine.value(source);
        if (parts.proficiencies)
            TroopProfLine[t] = TroopProfLine.value(source);
        if (parts.skills)
            TroopSkillLine[t] = TroopSkillLine.value(source);
        if (parts.faces)
            TroopFaceLine[t] = TroopFaceLine.value(source);
    }
}
