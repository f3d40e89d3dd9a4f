#include "text_editors/RecordRows.h"

#include <algorithm>

QString RecordRow(int i, const QString& id, const QString& name) {
    return QString::number(i) + QStringLiteral(".  ") + id + QStringLiteral("  (") + name +
           QStringLiteral(")");
}

QString ListCaption(const QString& caption, int max) {
    return caption + QStringLiteral(" (") + QString::number(max) + QStringLiteral(" + entry 0)");
}

QList<int> MatchingRecords(const QStringList& names, const QStringList& ids, int first, int last,
                           const QString& filter) {
    QList<int> hits;
    for (int i = first; i <= last; ++i) {
        if (names.value(i).contains(filter) || ids.value(i).contains(filter))
            hits.append(i);
    }
    return hits;
}

std::optional<int> RecordOfRow(const QString& row, int max) {
    const QString front = row.section(u' ', 0, 0);
    const QStringView number = QStringView(front).first(std::max<qsizetype>(front.size() - 1, 0));
    // Five digits at most: no record number goes beyond the 16-bit range.
    if (number.isEmpty() || number.size() > 5)
        return std::nullopt;
    int value = 0;
    for (QChar c : number) {
        if (c < u'0' || c > u'9')
            return std::nullopt;
        value = value * 10 + (c.unicode() - u'0');
    }
    if (value > max)
        return std::nullopt;
    return value;
}
