#include "ms_editors/troops/PythonTroopLists.h"

#include "ms_editors/troops/PythonText.h"

#include <algorithm>

namespace {

int lastIndex(const QStringList& lines, int max) {
    return std::min<int>(max, int(lines.size()) - 1);
}

} // namespace

bool IsPythonEntry(const QString& element, QChar opener) {
    qsizetype i = 0;
    const auto skipBlanks = [&] {
        while (i < element.size() && (element[i] == u' ' || element[i] == u'\t'))
            ++i;
    };
    skipBlanks();
    if (i >= element.size() || element[i] != opener)
        return false;
    ++i;
    skipBlanks();
    return i < element.size() && element[i] == u'"';
}

QString PythonEntryId(const QString& element) {
    const QStringList strings = PythonStringLiterals(element, 1);
    return strings.isEmpty() ? QString() : strings[0];
}

QString PythonEntryName(const QString& element) {
    const QStringList strings = PythonStringLiterals(element, 2);
    return strings.size() < 2 ? QString() : strings[1];
}

QString PythonEntryRow(int number, const QString& prefix, const QString& id, const QString& name) {
    return QString::number(number) + QStringLiteral(". ") + prefix + id + QStringLiteral(" (") +
           name + u')';
}

PythonEntryRows BuildPythonEntryRows(const QStringList& lines, int max, const QString& prefix,
                                     const QString& lowerFilter) {
    PythonEntryRows rows;
    const int last = lastIndex(lines, max);
    for (int i = 0; i <= last; ++i) {
        if (!IsPythonEntry(lines[i]))
            continue;
        const QStringList strings = PythonStringLiterals(lines[i], 2);
        const QString id = strings.value(0);
        const QString name = strings.value(1);
        if (!lowerFilter.isEmpty() && !id.toLower().contains(lowerFilter) &&
            !name.toLower().contains(lowerFilter))
            continue;
        rows.append(PythonEntryRow(rows.count() + 1, prefix, id, name), i);
    }
    return rows;
}

QStringList PythonEntryIds(const QStringList& lines, int max) {
    QStringList ids;
    const int last = lastIndex(lines, max);
    for (int i = 0; i <= last; ++i) {
        if (IsPythonEntry(lines[i]))
            ids.append(PythonEntryId(lines[i]));
    }
    return ids;
}

int FindPythonTroopLine(const PythonEntryRows& rows, int row, const QStringList& lines) {
    if (row < 0 || row >= rows.count())
        return -1;
    const int line = rows.lines[row];
    if (line < 0 || line >= lines.size() || !IsPythonEntry(lines[line]))
        return -1;
    return line;
}

int LastPythonEntry(const QStringList& lines, int max, QChar opener) {
    for (int i = lastIndex(lines, max); i >= 0; --i) {
        if (IsPythonEntry(lines[i], opener))
            return i;
    }
    return -1;
}
