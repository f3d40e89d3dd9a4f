#include "ms_editors/party_templates/PythonPTLists.h"

#include "module_system/PythonEntryLists.h"

QStringList PythonPTTroopRows(const QStringList& troopLines, int troopMax) {
    QStringList rows{QStringLiteral("none")};
    for (const QString& id : PythonEntryIds(troopLines, troopMax, TroopRows.opener))
        rows.append(TroopRows.prefix + id);
    return rows;
}
