#include "platform/gui/ListFilter.h"

#include "platform/System.h"
#include "platform/gui/Controls.h"

#include <QLabel>
#include <QLineEdit>

ListFilter::ListFilter(QLineEdit* box, ListBox* list, ListBox* hitList)
    : m_box(box), m_list(list), m_hitList(hitList) {}

ListFilter::ListFilter(QLineEdit* box, ListBox* list) : m_box(box), m_list(list) {}

void ListFilter::setLabel(QLabel* label, const QString& caption) {
    m_label = label;
    m_caption = caption;
}

FilterResult ListFilter::run(const std::function<QStringList(const QString&)>& hitRows,
                             const std::function<void()>& listAll) {
    QString text = m_box->text();
    if (!m_hitList && !text.isEmpty()) {
        text = text.toLower();
        m_box->setText(text);
        m_box->setCursorPosition(int(text.size()));
    }
    const QStringList rows = text.isEmpty() ? QStringList() : hitRows(text);
    m_active = !rows.isEmpty();
    const FilterResult result = text.isEmpty() ? FilterResult::Everything
                                : m_active     ? FilterResult::Hits
                                               : FilterResult::NothingFound;
    if (m_hitList) {
        m_hitList->setRows(rows);
        m_hitList->setVisible(m_active);
        m_list->setVisible(!m_active);
    } else if (m_active) {
        m_list->setRows(rows);
    }
    if (m_active) {
        labelHits(rows.size());
        return result;
    }
    if (listAll)
        listAll();
    if (result == FilterResult::NothingFound) {
        if (!m_hitList)
            m_box->clear();
        Beep();
    }
    return result;
}

bool ListFilter::active() const {
    return m_active;
}

void ListFilter::showHits(const QStringList& rows) {
    m_active = true;
    m_hitList->setRows(rows);
    m_hitList->setVisible(true);
    m_list->setVisible(false);
    labelHits(rows.size());
}

void ListFilter::labelHits(qsizetype count) {
    if (m_label)
        m_label->setText(m_caption + QStringLiteral(" (") + QString::number(count) +
                         QStringLiteral(", filtered)"));
}

void ListFilter::setRowText(int row, const QString& text) {
    if (QListWidgetItem* item = m_list->item(row))
        item->setText(text);
    if (m_active && m_hitList && m_hitList->currentItem())
        m_hitList->currentItem()->setText(text);
}

void ListFilter::appendRow(const QString& text) {
    m_list->addItem(text);
    if (m_active && m_hitList)
        m_hitList->addItem(text);
}
