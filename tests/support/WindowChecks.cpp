#include "support/WindowChecks.h"

#include "platform/gui/Layout.h"

#include <QCheckBox>
#include <QGroupBox>
#include <QLabel>
#include <QListView>
#include <QMainWindow>
#include <QPushButton>
#include <QRadioButton>
#include <QStyleOptionButton>
#include <QStyleOptionGroupBox>

#include <algorithm>

namespace {

struct Fault {
    const QWidget* control;
    bool caption; // the fault is a caption that does not fit
    QString text;
};

bool IsContainer(const QWidget* widget) {
    const QMetaObject* kind = widget->metaObject();
    return qobject_cast<const QGroupBox*>(widget) || kind == &QWidget::staticMetaObject ||
           kind == &QFrame::staticMetaObject || qobject_cast<const QMainWindow*>(widget);
}

QString Plain(QString caption) {
    caption.replace(QStringLiteral("&&"), QStringLiteral("\x01"));
    caption.remove(u'&');
    caption.replace(u'\x01', u'&');
    return caption.simplified();
}

QString Caption(const QWidget* widget) {
    if (auto* label = qobject_cast<const QLabel*>(widget))
        return label->text();
    if (auto* button = qobject_cast<const QAbstractButton*>(widget))
        return button->text();
    if (auto* frame = qobject_cast<const QGroupBox*>(widget))
        return frame->title();
    return {};
}

// The control's names from below the window down; an unnamed one goes by its
// kind and caption.
QString NameOf(const QWidget* widget, const QWidget* window) {
    QStringList path;
    for (const QWidget* w = widget; w && w != window; w = w->parentWidget()) {
        if (!w->objectName().isEmpty()) {
            path.prepend(w->objectName());
            continue;
        }
        const QString caption = Plain(Caption(w));
        if (w == widget || !caption.isEmpty())
            path.prepend(QLatin1String(w->metaObject()->className()) +
                         (caption.isEmpty() ? QString() : QStringLiteral(" \"") + caption + u'"'));
    }
    return path.join(u'/');
}

int WidestWord(const QFontMetrics& metrics, const QString& text) {
    int widest = 0;
    for (const QString& word : Plain(text).split(u' ', Qt::SkipEmptyParts))
        widest = std::max(widest, metrics.horizontalAdvance(word));
    return widest;
}

// The rectangle of a frame's caption, in the frame's coordinates.
QRect CaptionRect(const QGroupBox* frame) {
    if (frame->title().isEmpty())
        return {};
    QStyleOptionGroupBox option;
    option.initFrom(frame);
    option.text = frame->title();
    option.subControls = QStyle::SC_GroupBoxLabel | QStyle::SC_GroupBoxFrame;
    option.textAlignment = frame->alignment();
    option.features = frame->isFlat() ? QStyleOptionFrame::Flat : QStyleOptionFrame::None;
    return frame->style()->subControlRect(QStyle::CC_GroupBox, &option, QStyle::SC_GroupBoxLabel,
                                          frame);
}

// How wide and high the caption needs its control to be, measured the way
// the control lays it out; an empty size where there is nothing to measure.
// `room` receives the size the control gives it.
QSize CaptionNeeds(const QWidget* widget, QSize& room) {
    room = widget->size();
    if (auto* label = qobject_cast<const ElidingLabel*>(widget)) {
        const int lines = static_cast<int>(label->text().count(u'\n')) + 1;
        const int chrome = label->height() - label->contentsRect().height() + 2 * label->margin();
        // What is drawn must fit as well as what is never cut.
        int drawn = 0;
        for (const QString& line : label->shownLines())
            drawn = std::max(drawn, label->fontMetrics().horizontalAdvance(line));
        drawn += label->width() - label->contentsRect().width() + 2 * label->margin();
        return {std::max(label->leastWidth(), drawn),
                lines * label->fontMetrics().lineSpacing() + chrome};
    }
    if (auto* label = qobject_cast<const QLabel*>(widget)) {
        // A label laid out to be cut at the window's edge is decoration.
        if (label->text().isEmpty() || !label->pixmap().isNull() ||
            label->sizePolicy().horizontalPolicy() == QSizePolicy::Ignored)
            return {};
        if (!label->wordWrap())
            return label->sizeHint();
        const int chrome = label->width() - label->contentsRect().width() + 2 * label->margin();
        return {WidestWord(label->fontMetrics(), label->text()) + chrome,
                label->heightForWidth(label->width())};
    }
    if (auto* button = qobject_cast<const QPushButton*>(widget)) {
        if (button->text().isEmpty())
            return {};
        QStyleOptionButton option;
        option.initFrom(button);
        option.text = button->text();
        option.features = button->isFlat() ? QStyleOptionButton::Flat : QStyleOptionButton::None;
        const QRect contents =
            button->style()->subElementRect(QStyle::SE_PushButtonContents, &option, button);
        room = contents.size();
        const QFontMetrics metrics = button->fontMetrics();
        if (qobject_cast<const WrappingButton*>(button)) {
            const QRect wrapped = metrics.boundingRect(
                QRect(0, 0, contents.width(), 10000),
                Qt::AlignCenter | Qt::TextWordWrap | Qt::TextShowMnemonic, button->text());
            return {WidestWord(metrics, button->text()), wrapped.height()};
        }
        return metrics.size(Qt::TextShowMnemonic, button->text());
    }
    if (qobject_cast<const QCheckBox*>(widget) || qobject_cast<const QRadioButton*>(widget)) {
        const auto* button = static_cast<const QAbstractButton*>(widget);
        if (button->text().isEmpty())
            return {};
        QStyleOptionButton option;
        option.initFrom(button);
        option.text = button->text();
        const bool check = qobject_cast<const QCheckBox*>(widget);
        const QRect contents = button->style()->subElementRect(
            check ? QStyle::SE_CheckBoxContents : QStyle::SE_RadioButtonContents, &option, button);
        // The caption starts where the style puts it and may use the rest.
        room = QSize(button->width() - contents.left(), button->height());
        return button->fontMetrics().size(Qt::TextShowMnemonic, button->text());
    }
    if (auto* frame = qobject_cast<const QGroupBox*>(widget)) {
        const QRect label = CaptionRect(frame);
        // The caption needs to end inside the frame, with the margin before it
        // repeated after it.
        return label.isNull()
                   ? QSize()
                   : QSize(label.right() + 1 + std::max(0, label.left()), label.bottom() + 1);
    }
    return {};
}

// A list's rows may scroll into view, but none is cut short.
void CheckRows(const QListView* list, std::vector<Fault>& faults) {
    const QAbstractItemModel* model = list->model();
    if (!model)
        return;
    const int margin = list->style()->pixelMetric(QStyle::PM_FocusFrameHMargin, nullptr, list) + 1;
    const QFontMetrics metrics(list->font());
    for (int row = 0; row < model->rowCount(list->rootIndex()); ++row) {
        const QModelIndex index = model->index(row, list->modelColumn(), list->rootIndex());
        const QString text = index.data(Qt::DisplayRole).toString();
        const int needs = metrics.horizontalAdvance(text) + 2 * margin;
        const int has = list->visualRect(index).width();
        if (needs > has) {
            faults.push_back({list, true,
                              QStringLiteral("row %1 \"%2\" needs %3 px of width, has %4")
                                  .arg(row)
                                  .arg(text)
                                  .arg(needs)
                                  .arg(has)});
            return;
        }
    }
}

void CheckCaption(const QWidget* control, std::vector<Fault>& faults) {
    if (auto* list = qobject_cast<const QListView*>(control))
        CheckRows(list, faults);
    QSize room;
    const QSize needs = CaptionNeeds(control, room);
    if (needs.isEmpty())
        return;
    if (needs.width() > room.width())
        faults.push_back({control, true,
                          QStringLiteral("caption needs %1 px of width, has %2")
                              .arg(needs.width())
                              .arg(room.width())});
    if (needs.height() > room.height())
        faults.push_back({control, true,
                          QStringLiteral("caption needs %1 px of height, has %2")
                              .arg(needs.height())
                              .arg(room.height())});
}

// The controls of a container that are seen with it, bottom to top.
QList<const QWidget*> Controls(const QWidget* container) {
    QList<const QWidget*> children;
    for (QObject* object : container->children()) {
        auto* child = qobject_cast<QWidget*>(object);
        if (!child || child->isWindow() || child->isHidden() ||
            child->objectName().startsWith(QLatin1String("qt_")))
            continue;
        children.append(child);
    }
    return children;
}

// `control`, a sibling of `frame` laid on it, against the frame's caption and
// the controls the frame holds.
void CheckLaidOn(const QWidget* control, const QWidget* frame, const QWidget* window,
                 std::vector<Fault>& faults) {
    const QRect at = control->geometry().translated(-frame->pos());
    if (auto* box = qobject_cast<const QGroupBox*>(frame); box && CaptionRect(box).intersects(at))
        faults.push_back(
            {control, false,
             QStringLiteral("lies under the caption of %1").arg(NameOf(frame, window))});
    for (const QWidget* held : Controls(frame)) {
        if (held->geometry().intersects(at))
            faults.push_back(
                {control, false, QStringLiteral("overlaps %1").arg(NameOf(held, window))});
    }
}

void CheckContainer(const QWidget* container, const QWidget* window, std::vector<Fault>& faults) {
    const QList<const QWidget*> children = Controls(container);
    const QRect inside = container->rect();
    const auto* frame = qobject_cast<const QGroupBox*>(container);
    const QRect caption = frame ? CaptionRect(frame) : QRect();
    const QString where =
        container == window ? QStringLiteral("the window") : NameOf(container, window);
    for (qsizetype i = 0; i < children.size(); ++i) {
        const QWidget* child = children[i];
        const QRect at = child->geometry();
        if (!inside.contains(at))
            faults.push_back({child, false,
                              QStringLiteral("lies outside %1 (%2,%3 %4x%5 in %6x%7)")
                                  .arg(where)
                                  .arg(at.x())
                                  .arg(at.y())
                                  .arg(at.width())
                                  .arg(at.height())
                                  .arg(inside.width())
                                  .arg(inside.height())});
        if (caption.isValid() && caption.intersects(at))
            faults.push_back(
                {child, false, QStringLiteral("lies under the caption of %1").arg(where)});
        for (qsizetype j = i + 1; j < children.size(); ++j) {
            const QWidget* above = children[j];
            if (!at.intersects(above->geometry()))
                continue;
            // A control laid on a frame it lies wholly inside is the frame's
            // content, and must keep clear of what the frame holds.
            if (IsContainer(child) && at.contains(above->geometry())) {
                CheckLaidOn(above, child, window, faults);
                continue;
            }
            // A control kept behind a frame that covers it wholly is not seen,
            // unless the frame lets it show through.
            if (IsContainer(above) && above->geometry().contains(at)) {
                if (!above->autoFillBackground())
                    faults.push_back(
                        {child, false,
                         QStringLiteral("shows through %1").arg(NameOf(above, window))});
                continue;
            }
            faults.push_back(
                {child, false, QStringLiteral("overlaps %1").arg(NameOf(above, window))});
        }
        CheckCaption(child, faults);
        if (IsContainer(child))
            CheckContainer(child, window, faults);
    }
}

std::vector<Fault> Faults(const QWidget* window) {
    std::vector<Fault> faults;
    CheckContainer(window, window, faults);
    return faults;
}

} // namespace

QStringList LayoutFaults(const QWidget* window) {
    QStringList lines;
    for (const Fault& fault : Faults(window))
        lines.append(window->objectName() + QStringLiteral(": ") + NameOf(fault.control, window) +
                     u' ' + fault.text);
    return lines;
}

QStringList ClippedCaptions(const QWidget* window) {
    QStringList names;
    for (const Fault& fault : Faults(window)) {
        if (fault.caption && !names.contains(fault.control->objectName()))
            names.append(fault.control->objectName());
    }
    return names;
}
