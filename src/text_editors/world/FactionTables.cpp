#include "text_editors/world/FactionTables.h"

#include "text_editors/RecordRows.h"
#include "textfiles/modTextFactions.h"

#include <algorithm>

QStringList FactionListRows() {
    QStringList rows;
    rows.reserve(std::max(FactionMax, 0) + 1);
    rows.append(QStringLiteral("0 - fac_no_faction  (No_Faction)"));
    for (int i = 1; i <= FactionMax; ++i)
        rows.append(FactionRowText(i));
    return rows;
}

QString FactionRowText(int i) {
    return RecordRow(i, FactionID.value(i), FactionName.value(i));
}

QStringList RelationRows() {
    QStringList rows;
    rows.reserve(std::max(FactionMax, 0));
    for (int j = 1; j <= FactionMax; ++j)
        rows.append(FactionID.value(j) + QStringLiteral("  (") + FactionName.value(j) +
                    QStringLiteral(")"));
    return rows;
}

void StoreFaction(int i, const QString& line1, const QString& relationLine, const QString& id,
                  const QString& name) {
    FactionLine[i] = line1;
    FactionRelLine[i] = relationLine;
    FactionID[i] = id;
    FactionName[i] = name;
}

QString ColourHex(int red, int green, int blue) {
    QString hex;
    for (int channel : {red, green, blue})
        hex += QStringLiteral("%1").arg(channel & 0xFF, 2, 16, QLatin1Char('0')).toUpper();
    return hex;
}
