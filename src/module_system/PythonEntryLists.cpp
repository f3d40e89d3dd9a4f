#include "module_system/PythonEntryLists.h"

#include "module_system/PythonText.h"

#include <algorithm>

const PythonRowFormat TroopRows{QLatin1Char('['), QStringLiteral("trp_"), true};
const PythonRowFormat ItemRows{QLatin1Char('['), QStringLiteral("itm_"), true};
const PythonRowFormat PartyTemplateRows{QLatin1Char('('), QString(), false};

namespace {

int lastIndex(const QStringList& lines, int max) {
    return std::min<int>(max, int(lines.size()) - 1);
}

} // namespace

bool IsPythonEntry(QStringView element, QChar opener) {
    const QStringView opened = TrimPythonStart(element);
    return opened.startsWith(opener) && TrimPythonStart(opened.mid(1)).startsWith(u'"');
}

QString PythonEntryId(QStringView element) {
    return PythonStringLiterals(element, 1).value(0);
}

QString PythonEntryName(const QString& element) {
    return PythonStringLiterals(element, 2).value(1);
}

QString PythonEntryRow(const PythonRowFormat& format, int number, const QString& id,
                       const QString& name) {
    // Written straight into its place: a list of thousands of rows is built
    // on every opening.
    char digits[12];
    int n = 0;
    for (unsigned v = unsigned(std::max(number, 0));; v /= 10) {
        digits[n++] = char('0' + v % 10);
        if (v < 10)
            break;
    }
    const qsizetype size =
        n + 2 + format.prefix.size() + id.size() + (format.withName ? name.size() + 3 : 0);
    QString row(size, Qt::Uninitialized);
    QChar* out = row.data();
    const auto put = [&out](QStringView text) {
        std::copy(text.begin(), text.end(), out);
        out += text.size();
    };
    while (n > 0)
        *out++ = QLatin1Char(digits[--n]);
    put(u". ");
    put(format.prefix);
    put(id);
    if (format.withName) {
        put(u" (");
        put(name);
        *out++ = u')';
    }
    return row;
}

PythonEntryRows BuildPythonEntryRows(const QStringList& lines, int max,
                                     const PythonRowFormat& format, const QString& lowerFilter,
                                     RowNumbers numbers) {
    PythonEntryRows rows;
    const int last = lastIndex(lines, max);
    int entries = 0;
    for (int i = 0; i <= last; ++i) {
        if (!IsPythonEntry(lines[i], format.opener))
            continue;
        ++entries;
        const QStringList strings = PythonStringLiterals(lines[i], format.withName ? 2 : 1);
        const QString id = strings.value(0);
        const QString name = strings.value(1);
        if (!lowerFilter.isEmpty() && !id.toLower().contains(lowerFilter) &&
            !name.toLower().contains(lowerFilter))
            continue;
        const int number = numbers == RowNumbers::FullList ? entries : rows.count() + 1;
        rows.append(PythonEntryRow(format, number, id, name), i);
    }
    return rows;
}

QStringList PythonEntryIds(const QStringList& lines, int max, QChar opener) {
    QStringList ids;
    const int last = lastIndex(lines, max);
    for (int i = 0; i <= last; ++i) {
        if (IsPythonEntry(lines[i], opener))
            ids.append(PythonEntryId(lines[i]));
    }
    return ids;
}

bool PythonIdUsed(const QStringList& lines, int max, const QString& id, QChar opener) {
    return PythonEntryIds(lines, max, opener).contains(id);
}

int FindPythonEntryLine(const PythonEntryRows& rows, int row, const QStringList& lines,
                        QChar opener) {
    if (row < 0 || row >= rows.count())
        return -1;
    const int line = rows.lines[row];
    if (line < 0 || line >= lines.size() || !IsPythonEntry(lines[line], opener))
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

QString TypedPythonId(const QString& typed, const QString& prefix) {
    QString id = typed.toLower();
    if (!prefix.isEmpty() && id.startsWith(prefix))
        id.remove(0, prefix.size());
    return id;
}
