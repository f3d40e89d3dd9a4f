#include "text_editors/world/PartyTemplateTables.h"

#include "text_editors/RecordRows.h"
#include "textfiles/modTextPartyTemp.h"
#include "textfiles/modTextTroops.h"

#include <algorithm>

QStringList TemplateListRows() {
    QStringList rows;
    rows.reserve(PartyTempCount);
    for (int i = 0; i < PartyTempCount; ++i)
        rows.append(QString::number(i) + QStringLiteral(" - ") + PartyTempIDs.at(i).Id);
    return rows;
}

QString UpdatedTemplateRow(int i) {
    const IdNamePair& pair = PartyTempIDs.at(i);
    return QString::number(i) + QStringLiteral(" - ") + pair.Id + QStringLiteral("  (") +
           pair.Name + QStringLiteral(")");
}

QStringList TemplateTroopRows() {
    QStringList rows;
    rows.reserve(std::max(TroopMax, 0) + 1);
    rows.append(QStringLiteral("0.  None"));
    for (int i = 1; i <= TroopMax; ++i)
        rows.append(RecordRow(i, TroopID.value(i), TroopName.value(i)));
    return rows;
}

void StoreTemplate(int i, const QString& line, const QString& id, const QString& name) {
    PartyTempLine[i] = line;
    PartyTempIDs[i] = {id, name};
}
