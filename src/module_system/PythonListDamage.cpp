#include "module_system/PythonListDamage.h"

#include "module_system/PythonEntryLists.h"

namespace {

QString Line(int line) {
    return QString::number(line + 1);
}

QString EntryCalled(const QString& id) {
    return id.isEmpty() ? QStringLiteral("the entry") : QStringLiteral("the entry \"") + id + u'"';
}

QString ListCalled(QStringView listLine) {
    return QStringLiteral("the list \"") + listLine.trimmed().toString() + u'"';
}

// "troops", "party templates".
QString EntriesCalled(QStringView listName) {
    return listName.toString().replace(u'_', u' ');
}

// "troop list", "party template list".
QString ListWords(QStringView listName) {
    QString words = EntriesCalled(listName);
    if (words.endsWith(u's'))
        words.chop(1);
    return words + QStringLiteral(" list");
}

} // namespace

QString ToldAtLine(int line, const QString& text) {
    return QStringLiteral("Line ") + Line(line) + QStringLiteral(": ") + text;
}

QString QuoteNotClosed() {
    return QStringLiteral("a quote is not closed.");
}

QString QuoteOpenToTheEnd() {
    return QStringLiteral("a quote opened here is not closed before the end of the file.");
}

QString BracketOpenBefore(int entry) {
    return QStringLiteral("a bracket opened here does not close before the entry on line ") +
           Line(entry) + u'.';
}

QString EntryNotJoined(QStringView first, Unjoined why, int at) {
    const QString entry = EntryCalled(PythonEntryId(first));
    switch (why) {
    case Unjoined::BrokenQuote:
        return entry + QStringLiteral(" cannot be read: a quote on line ") + Line(at) +
               QStringLiteral(" is not closed.");
    case Unjoined::NextEntryBegins:
        return entry + QStringLiteral(" does not close before the next entry on line ") + Line(at) +
               QStringLiteral("; a closing bracket is missing.");
    case Unjoined::FileEnds:
        break;
    }
    return entry + QStringLiteral(" does not close before the end of the file.");
}

QString EntriesBehindList(QStringView first, int entry, int close) {
    // A bracket too many, or one that closes the list above its last entries:
    // the file may still be sound Python, yet the list misses those entries.
    const QString id = PythonEntryId(first);
    return QStringLiteral("the list closes here, but entries follow it, the first on line ") +
           Line(entry) + (id.isEmpty() ? QString() : QStringLiteral(" (\"") + id + u'"' + u')') +
           QStringLiteral("; only the entries up to line ") + Line(close) +
           QStringLiteral(" are listed.");
}

QString ListNotClosed(QStringView listLine, const QString* lastEntry) {
    QString last;
    if (lastEntry) {
        const QString id = PythonEntryId(*lastEntry);
        last = QStringLiteral(", or its last entry") +
               (id.isEmpty() ? QString() : QStringLiteral(" \"") + id + u'"') +
               QStringLiteral(" misses one");
    }
    return ListCalled(listLine) +
           QStringLiteral(" does not close before the end of the file: its closing bracket is "
                          "missing") +
           last + u'.';
}

QString ListNotClosedNotSaved(QStringView listLine, int start) {
    return ListCalled(listLine) + QStringLiteral(" on line ") + Line(start) +
           QStringLiteral(" does not close before the end of the file");
}

QString NoListDefined(QStringView listName, const QStringList& imports) {
    QString text = QStringLiteral("defines no ") + ListWords(listName) +
                   QStringLiteral(" of its own: no line of it assigns \"") + listName.toString() +
                   QStringLiteral(" = [\".");
    if (!imports.isEmpty())
        text += QStringLiteral(" Its ") + EntriesCalled(listName) +
                QStringLiteral(" seem to come from ") + imports.join(QStringLiteral(" or ")) + u'.';
    return text;
}

QString ImportAtLine(int line, QStringView code) {
    return QStringLiteral("line ") + Line(line) + QStringLiteral(": \"") + code.toString() + u'"';
}

QString NoListNothingToSave(QStringView listName) {
    return QStringLiteral("defines no ") + ListWords(listName) + QStringLiteral(" of its own");
}

QString NoListNothingListed(QStringView listName, const QString& fileName) {
    return QStringLiteral("The editor lists no ") + EntriesCalled(listName) +
           QStringLiteral(" and saves nothing to ") + fileName + u'.';
}
