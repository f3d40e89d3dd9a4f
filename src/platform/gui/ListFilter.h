#pragma once

#include <QString>
#include <QStringList>

#include <functional>

class ListBox;
class QLabel;
class QLineEdit;

// What a run of a text filter did.
enum class FilterResult {
    Everything,   // the filter box was empty: the full list is shown
    NothingFound, // no record matched: the beep sounded and the full list is shown
    Hits,         // the matching records are listed
};

// The text filter of a record list, behind its box and "Go" button. Both kinds
// of editor have one:
// - the text editors list the hits in a second list laid over the full one,
//   which stays as it is underneath, and take the filter text as typed;
// - the module-system editors list the hits in the list itself, turn the
//   filter text into lower case in its box, and empty the box when nothing
//   matched.
class ListFilter {
public:
    ListFilter() = default;
    // The text editors' filter: hits go to `hitList`, shown in the place of
    // `list` while it holds them.
    ListFilter(QLineEdit* box, ListBox* list, ListBox* hitList);
    // The module-system editors' filter: hits replace the rows of `list`.
    ListFilter(QLineEdit* box, ListBox* list);

    // While hits are listed, `label` reads `caption` followed by " (<number of
    // hits>, filtered)". The full list's caption is its filler's business.
    void setLabel(QLabel* label, const QString& caption);

    // Runs the filter on the box's text. `hitRows` gives the rows of the
    // records that match a text (the module-system editors pass the lower-case
    // text); `listAll` runs whenever the full list comes back (it refills the
    // list where the hits replaced its rows, or sets the full list's caption).
    FilterResult run(const std::function<QStringList(const QString&)>& hitRows,
                     const std::function<void()>& listAll = {});
    // The module-system editors: runs the filter where `build` gives the rows
    // of the records that match a text as a table with their `texts`
    // (PythonEntryRows); while hits are listed, `rows` holds them.
    template <typename Rows, typename Build>
    FilterResult runRows(Rows& rows, Build build, const std::function<void()>& listAll) {
        Rows hits;
        const FilterResult result = run(
            [&hits, &build](const QString& text) {
                hits = build(text);
                return hits.texts;
            },
            listAll);
        if (result == FilterResult::Hits)
            rows = hits;
        return result;
    }
    // Whether the last run listed hits (the text editors: the hit list is shown).
    bool active() const;
    // The text editors: lists `rows` as the hits of a filter the window ran
    // itself (the item editor's type filter, or its hits renumbered after an
    // add or a delete); the hit list is shown even when it holds no row.
    void showHits(const QStringList& rows);

    // The text editors: gives record `row`'s row the new text, in the full list
    // and, where the hit list shows that record as its selected row, there too.
    void setRowText(int row, const QString& text);
    // The text editors: appends a row to the full list and, while hits are
    // listed, to the hit list.
    void appendRow(const QString& text);

private:
    void labelHits(qsizetype count);

    QLineEdit* m_box = nullptr;
    ListBox* m_list = nullptr;
    ListBox* m_hitList = nullptr;
    QLabel* m_label = nullptr;
    QString m_caption;
    bool m_active = false;
};
