#include "ms_editors/party_templates/PythonPTLists.h"

#include <algorithm>

bool IsPythonPTEntry(const QString& element) {
    return IsPythonEntry(element, u'(');
}

QString PythonPTRow(int number, const QString& id) {
    return QString::number(number) + QStringLiteral(". ") + id;
}

PythonEntryRows BuildPythonPTRows(const QStringList& lines, int max) {
    PythonEntryRows rows;
    const int last = std::min<int>(max, int(lines.size()) - 1);
    for (int i = 0; i <= last; ++i) {
        if (IsPythonPTEntry(lines[i]))
            rows.append(PythonPTRow(rows.count() + 1, PythonEntryId(lines[i])), i);
    }
    return rows;
}

int FindPythonPTLine(const PythonEntryRows& rows, int row, const QStringList& lines) {
    if (row < 0 || row >= rows.count())
        return -1;
    const int line = rows.lines[row];
    return line >= 0 && line < lines.size() && IsPythonPTEntry(lines[line]) ? line : -1;
}

QStringList PythonPTTroopRows(const QStringList& troopLines, int troopMax) {
    QStringList rows{QStringLiteral("none")};
    for (const QString& id : PythonEntryIds(troopLines, troopMax, TroopRows.opener))
        rows.append(QStringLiteral("trp_") + id);
    return rows;
}
