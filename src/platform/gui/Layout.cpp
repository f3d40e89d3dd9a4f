#include "platform/gui/Layout.h"

#include "platform/gui/Controls.h"

#include <QFontDatabase>
#include <QGroupBox>
#include <QListView>
#include <QPainter>
#include <QStyleOptionButton>
#include <QStylePainter>
#include <QStyledItemDelegate>

#include <algorithm>

QFont InterfaceFont() {
    QFont font;
    font.setFamilies({QStringLiteral("Tahoma"), QStringLiteral("MS Sans Serif"),
                      QStringLiteral("DejaVu Sans Condensed"),
                      QStringLiteral("Liberation Sans Narrow"), font.family()});
    font.setPointSize(8);
    return font;
}

QFont FixedPitchFont() {
    return QFontDatabase::systemFont(QFontDatabase::FixedFont);
}

void Place(QWidget* widget, int left, int top, int width, int height) {
    widget->setGeometry(Tw(left), Tw(top), Tw(width), Tw(height));
}

QGroupBox* AddFrame(QWidget* parent, const char* name, const QString& caption) {
    return Named(new QGroupBox(caption, parent), name);
}

QPushButton* AddButton(QWidget* parent, const char* name, const QString& caption) {
    return Named(new QPushButton(caption, parent), name);
}

QLabel* AddLabel(QWidget* parent, const char* name, const QString& caption) {
    return Named(new QLabel(caption, parent), name);
}

QLabel* AddLabel(QWidget* parent, const char* name, const QString& caption, int left, int top,
                 int width, int height) {
    QLabel* label = AddLabel(parent, name, caption);
    Place(label, left, top, width, height);
    return label;
}

namespace {
// Where the file name of a path begins: behind its last separator, whichever
// of the two the path was written with; -1 without one.
qsizetype FileNameStart(const QString& line) {
    const qsizetype separator = std::max(line.lastIndexOf(u'/'), line.lastIndexOf(u'\\'));
    return separator < 0 ? -1 : separator + 1;
}
} // namespace

QStringList ElidingLabel::shownLines() const {
    const QFontMetrics metrics = fontMetrics();
    const int room = contentsRect().width() - 2 * margin();
    QStringList lines = text().split(u'\n');
    for (QString& line : lines) {
        if (metrics.horizontalAdvance(line) <= room)
            continue;
        const qsizetype start = FileNameStart(line);
        if (start < 0) {
            line = metrics.elidedText(line, Qt::ElideMiddle, room);
            continue;
        }
        const QString file = line.mid(start);
        line = metrics.elidedText(line.left(start), Qt::ElideMiddle,
                                  std::max(0, room - metrics.horizontalAdvance(file))) +
               file;
    }
    return lines;
}

int ElidingLabel::leastWidth() const {
    const QFontMetrics metrics = fontMetrics();
    int least = 0;
    for (const QString& line : text().split(u'\n')) {
        const qsizetype start = FileNameStart(line);
        const int whole = metrics.horizontalAdvance(line);
        const int kept = start < 0 ? metrics.horizontalAdvance(QChar(0x2026))
                                   : metrics.horizontalAdvance(QChar(0x2026) + line.mid(start));
        least = std::max(least, std::min(whole, kept));
    }
    return least + (width() - contentsRect().width()) + 2 * margin();
}

QSize ElidingLabel::minimumSizeHint() const {
    return {leastWidth(), QLabel::minimumSizeHint().height()};
}

void ElidingLabel::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    drawFrame(&painter);
    const QRect room = contentsRect().adjusted(margin(), margin(), -margin(), -margin());
    style()->drawItemText(&painter, room, static_cast<int>(alignment()), palette(), isEnabled(),
                          shownLines().join(u'\n'), foregroundRole());
}

void WrappingButton::paintEvent(QPaintEvent*) {
    QStylePainter painter(this);
    QStyleOptionButton option;
    initStyleOption(&option);
    const QString caption = option.text;
    option.text.clear();
    painter.drawControl(QStyle::CE_PushButton, option);
    const QRect room = style()->subElementRect(QStyle::SE_PushButtonContents, &option, this);
    painter.drawItemText(room, Qt::AlignCenter | Qt::TextWordWrap | Qt::TextShowMnemonic, palette(),
                         isEnabled(), caption, QPalette::ButtonText);
}

namespace {
// Measures every row once after the rows or the font change.
class WidestRowDelegate : public QStyledItemDelegate {
public:
    using QStyledItemDelegate::QStyledItemDelegate;

    QSize sizeHint(const QStyleOptionViewItem& option, const QModelIndex& index) const override {
        QSize size = QStyledItemDelegate::sizeHint(option, index);
        const QAbstractItemModel* model = index.model();
        if (!model)
            return size;
        if (model != m_measured || option.font != m_font) {
            watch(model);
            m_measured = model;
            m_font = option.font;
            m_widest = 0;
            for (int row = 0; row < model->rowCount(index.parent()); ++row)
                m_widest = std::max(m_widest, option.fontMetrics.horizontalAdvance(
                                                  model->index(row, index.column(), index.parent())
                                                      .data(Qt::DisplayRole)
                                                      .toString()));
        }
        const int margins = size.width() - option.fontMetrics.horizontalAdvance(
                                               index.data(Qt::DisplayRole).toString());
        size.setWidth(std::max(size.width(), m_widest + margins));
        return size;
    }

private:
    // Any change of the rows has them measured again.
    void watch(const QAbstractItemModel* model) const {
        if (model == m_watched)
            return;
        m_watched = model;
        const auto forget = [this] { m_measured = nullptr; };
        QObject::connect(model, &QAbstractItemModel::rowsInserted, this, forget);
        QObject::connect(model, &QAbstractItemModel::rowsRemoved, this, forget);
        QObject::connect(model, &QAbstractItemModel::modelReset, this, forget);
        QObject::connect(model, &QAbstractItemModel::layoutChanged, this, forget);
        QObject::connect(model, &QAbstractItemModel::dataChanged, this, forget);
    }

    mutable const QAbstractItemModel* m_watched = nullptr;
    mutable const QAbstractItemModel* m_measured = nullptr;
    mutable QFont m_font;
    mutable int m_widest = 0;
};
} // namespace

void ShowRowsWhole(QListView* list) {
    list->setItemDelegate(new WidestRowDelegate(list));
}

ElidingLabel* AddHeading(QWidget* parent, const char* name, int left, int top, int width,
                         int height) {
    auto* heading = Named(new ElidingLabel(parent), name);
    heading->setTextFormat(Qt::PlainText);
    QFont bold = heading->font();
    bold.setBold(true);
    bold.setPointSize(10);
    heading->setFont(bold);
    Place(heading, left, top, width, height);
    return heading;
}

WrappingButton* AddWrappingButton(QWidget* parent, const char* name, const QString& caption) {
    return Named(new WrappingButton(caption, parent), name);
}

QGroupBox* AddAddDeleteFrame(QWidget* parent, const QString& caption, const char* addName,
                             QPushButton*& add, const char* deleteName, QPushButton*& del) {
    QGroupBox* frame = AddFrame(parent, "frameAdd", caption);
    add = AddButton(frame, addName, QStringLiteral("Add"));
    del = AddButton(frame, deleteName, QStringLiteral("Delete"));
    return frame;
}

QGroupBox* AddShowPythonFrame(QWidget* parent, const QString& showCaption, QPushButton*& show) {
    QGroupBox* frame = AddFrame(parent, "framePython", QStringLiteral("Show python"));
    show = AddButton(frame, "cmdShowPython", showCaption);
    return frame;
}

QGroupBox* AddUpdateSaveFrame(QWidget* parent, const char* updateName, const QString& updateCaption,
                              QPushButton*& update, QPushButton*& save) {
    QGroupBox* frame = AddFrame(parent, "frameEdit", QStringLiteral("Update && Save Changes"));
    update = AddButton(frame, updateName, updateCaption);
    save = AddButton(frame, "cmdSave", QStringLiteral("Save Changes "));
    return frame;
}

void ApplyWidthRules(const std::vector<WidthRule>& rules, bool wide) {
    for (const WidthRule& rule : rules) {
        const int value = Tw(wide ? rule.at1280 : rule.at1024);
        if (rule.edge == WidthRule::Left)
            rule.widget->move(value, rule.widget->y());
        else
            rule.widget->resize(value, rule.widget->height());
    }
}
