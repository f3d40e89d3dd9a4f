#include "platform/gui/Controls.h"

#include "platform/gui/Layout.h"

#include <QCompleter>
#include <QKeyEvent>
#include <QLineEdit>
#include <QMouseEvent>

#include <cstdlib>

ListBox::ListBox(QWidget* parent) : QListWidget(parent) {
    setUniformItemSizes(true); // keeps lists of thousands of rows fast
    ShowRowsWhole(this);
    connect(this, &QListWidget::currentRowChanged, this, &ListBox::choiceChanged);
    // Ctrl, Shift and the space bar change the selection of a list that takes
    // several rows without always moving the current row.
    connect(this, &QListWidget::itemSelectionChanged, this, [this] {
        if (m_inUserStep)
            m_chose = true;
    });
}

void ListBox::choiceChanged() {
    if (m_quiet)
        return;
    // In a list whose rows are turned one by one the current row is only the
    // cursor; what counts is a row turned (the selection change above).
    if (m_inUserStep)
        m_chose = m_chose || !togglesRows();
    else
        emit click();
}

QItemSelectionModel::SelectionFlags ListBox::selectionCommand(const QModelIndex& index,
                                                              const QEvent* event) const {
    // The item view turns the row a typed letter or a move from code lands on,
    // and a dragging mouse turns every row it passes: in such a list only a
    // click and the space bar turn a row.
    if (togglesRows() && m_inUserStep) {
        const bool click = event && event->type() == QEvent::MouseButtonPress;
        const auto* key = event && event->type() == QEvent::KeyPress
                              ? static_cast<const QKeyEvent*>(event)
                              : nullptr;
        const bool space = key && (key->key() == Qt::Key_Space || key->key() == Qt::Key_Select);
        if (!click && !space)
            return QItemSelectionModel::NoUpdate;
    }
    return QListWidget::selectionCommand(index, event);
}

template <typename Step> void ListBox::userStep(Step step) {
    m_inUserStep = true;
    step();
    m_inUserStep = false;
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
    m_quiet = true;
    setUpdatesEnabled(false);
    clear();
    addItems(rows);
    setCurrentRow(-1);
    setUpdatesEnabled(true);
    m_quiet = false;
}

void ListBox::clearChoice() {
    m_quiet = true;
    selectionModel()->setCurrentIndex(QModelIndex(), QItemSelectionModel::NoUpdate);
    m_quiet = false;
}

void ListBox::focusInEvent(QFocusEvent* event) {
    // The item view makes the first row current when the focus comes in; here
    // the focus only shows where the keys will act, so nothing is chosen.
    const bool none = !currentIndex().isValid();
    m_quiet = true;
    QListWidget::focusInEvent(event);
    if (none && currentIndex().isValid())
        selectionModel()->setCurrentIndex(QModelIndex(), QItemSelectionModel::NoUpdate);
    m_quiet = false;
}

void ListBox::keyPressEvent(QKeyEvent* event) {
    // Turning every row on at once is no turning of one row.
    if (togglesRows() && event->matches(QKeySequence::SelectAll)) {
        event->accept();
        return;
    }
    m_chose = false;
    userStep([&] { QListWidget::keyPressEvent(event); });
    if (m_chose)
        emit click();
}

void ListBox::mousePressEvent(QMouseEvent* event) {
    const QModelIndex row = indexAt(event->position().toPoint());
    m_chose = false;
    m_clicking =
        event->button() == Qt::LeftButton && row.isValid() && (row.flags() & Qt::ItemIsEnabled);
    userStep([&] { QListWidget::mousePressEvent(event); });
}

void ListBox::mouseMoveEvent(QMouseEvent* event) {
    // Dragging would move the current row away from the row the click turned,
    // and the handler runs on the current row.
    if (togglesRows() && (event->buttons() & Qt::LeftButton)) {
        event->accept();
        return;
    }
    userStep([&] { QListWidget::mouseMoveEvent(event); });
}

void ListBox::mouseReleaseEvent(QMouseEvent* event) {
    // The handler runs once the click is complete: a list taking several rows
    // settles its selection only now, and a question the handler asks does not
    // interrupt the click.
    userStep([&] { QListWidget::mouseReleaseEvent(event); });
    const bool clicked = m_clicking || m_chose;
    m_clicking = m_chose = false;
    if (clicked)
        emit click();
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

void TakeTypedText(ComboBox* combo) {
    // A box that comes with an empty completer keeps the combo from building
    // one over its thousands of rows only to have it dropped.
    auto* edit = new QLineEdit(combo);
    edit->setCompleter(new QCompleter(edit));
    combo->setLineEdit(edit);
    combo->setCompleter(nullptr);
    combo->setInsertPolicy(QComboBox::NoInsert);
}

void ShowReadOnly(QWidget* control, bool readOnly, const QString& tip) {
    if (auto* box = qobject_cast<QLineEdit*>(control))
        box->setReadOnly(readOnly);
    control->setToolTip(tip);
    if (!readOnly) {
        // An empty palette gives the control back the one it inherits.
        control->setPalette(QPalette());
        return;
    }
    QPalette look = control->palette();
    for (const auto group : {QPalette::Active, QPalette::Inactive, QPalette::Disabled})
        look.setColor(group, QPalette::Base, look.color(group, QPalette::Window));
    control->setPalette(look);
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

bool CheckBox::hitButton(const QPoint& pos) const {
    return rect().contains(pos);
}

int OfferedFontSize(int size) {
    return size < 7 ? 7 : (size > 10 ? 10 : size);
}

int OfferedScreenWidth(int width) {
    return std::abs(width - 1024) <= std::abs(width - 1280) ? 1024 : 1280;
}
