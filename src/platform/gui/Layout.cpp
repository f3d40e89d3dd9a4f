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

void Place(std::initializer_list<Placement> placements) {
    for (const Placement& p : placements)
        Place(p.widget, p.left, p.top, p.width, p.height);
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
// Measures every row once, after the rows or the font changed wholesale, and
// then only the rows that come or change: an editor that rewrites its rows one
// by one must not have thousands of them measured each time.
class WidestRowDelegate : public QStyledItemDelegate {
public:
    using QStyledItemDelegate::QStyledItemDelegate;

    QSize sizeHint(const QStyleOptionViewItem& option, const QModelIndex& index) const override {
        QSize size = QStyledItemDelegate::sizeHint(option, index);
        const QAbstractItemModel* model = index.model();
        if (!model)
            return size;
        if (model != m_model) {
            watch(model);
            m_measured = false;
        }
        if (!m_measured || option.font != m_font) {
            m_font = option.font;
            m_parent = index.parent();
            m_column = index.column();
            m_widest = 0;
            measure(0, model->rowCount(m_parent) - 1);
            m_measured = true;
        }
        const int margins = size.width() - option.fontMetrics.horizontalAdvance(
                                               index.data(Qt::DisplayRole).toString());
        size.setWidth(std::max(size.width(), m_widest + margins));
        return size;
    }

private:
    void watch(const QAbstractItemModel* model) const {
        m_model = model;
        // A row that goes or gets shorter leaves the width as it was: a little
        // more to scroll, and no row is cut.
        const auto more = [this](int first, int last) {
            if (m_measured)
                measure(first, last);
        };
        const auto anew = [this] { m_measured = false; };
        auto* self = const_cast<WidestRowDelegate*>(this);
        QObject::connect(model, &QAbstractItemModel::rowsInserted, self,
                         [more](const QModelIndex&, int first, int last) { more(first, last); });
        QObject::connect(model, &QAbstractItemModel::dataChanged, self,
                         [more](const QModelIndex& topLeft, const QModelIndex& bottomRight) {
                             more(topLeft.row(), bottomRight.row());
                         });
        QObject::connect(model, &QAbstractItemModel::modelReset, self, anew);
        QObject::connect(model, &QAbstractItemModel::layoutChanged, self, anew);
    }

    void measure(int first, int last) const {
        const QFontMetrics metrics(m_font);
        for (int row = first; row <= last; ++row)
            m_widest = std::max(
                m_widest,
                metrics.horizontalAdvance(
                    m_model->index(row, m_column, m_parent).data(Qt::DisplayRole).toString()));
    }

    mutable const QAbstractItemModel* m_model = nullptr;
    mutable QModelIndex m_parent;
    mutable int m_column = 0;
    mutable bool m_measured = false;
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
