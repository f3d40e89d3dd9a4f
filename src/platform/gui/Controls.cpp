#include "platform/gui/Controls.h"

#include <cstdlib>

ListBox::ListBox(QWidget* parent) : QListWidget(parent) {
    setUniformItemSizes(true); // keeps lists of thousands of rows fast
    connect(this, &QListWidget::currentRowChanged, this, [this] {
        if (!m_emitting)
            emit click();
    });
}

void ListBox::setListIndex(int row) {
    if (row < -1 || row >= count())
        row = -1;
    if (row == currentRow()) {
        emit click();
        return;
    }
    setCurrentRow(row); // runs click() through currentRowChanged
}

void ListBox::setRows(const QStringList& rows) {
    m_emitting = true;
    setUpdatesEnabled(false);
    clear();
    addItems(rows);
    setCurrentRow(-1);
    setUpdatesEnabled(true);
    m_emitting = false;
}

ComboBox::ComboBox(QWidget* parent) : QComboBox(parent) {
    connect(this, &QComboBox::activated, this, [this] { emit click(); });
}

void ComboBox::setListIndex(int index) {
    if (index < -1 || index >= count())
        index = -1;
    setCurrentIndex(index);
    emit click();
}

void ComboBox::setRows(const QStringList& rows) {
    const QSignalBlocker blocker(this);
    clear();
    addItems(rows);
    setCurrentIndex(-1);
}

OptionButton::OptionButton(const QString& text, QWidget* parent) : QRadioButton(text, parent) {
    connect(this, &QAbstractButton::clicked, this, [this] { emit click(); });
}

void OptionButton::setValue(bool on) {
    if (!on) {
        // A checked radio button of an exclusive group cannot be unchecked alone.
        const bool exclusive = autoExclusive();
        setAutoExclusive(false);
        setChecked(false);
        setAutoExclusive(exclusive);
        return;
    }
    setChecked(true);
    emit click();
}

CheckBox::CheckBox(const QString& text, QWidget* parent) : QCheckBox(text, parent) {
    connect(this, &QAbstractButton::clicked, this, [this] { emit click(); });
}

void CheckBox::setValue(bool on) {
    if (on == isChecked())
        return;
    setChecked(on);
    emit click();
}

int OfferedFontSize(int size) {
    return size < 7 ? 7 : (size > 10 ? 10 : size);
}

int OfferedScreenWidth(int width) {
    return std::abs(width - 1024) <= std::abs(width - 1280) ? 1024 : 1280;
}
