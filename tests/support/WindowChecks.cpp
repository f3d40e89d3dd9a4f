#include "support/WindowChecks.h"

#include <QAbstractButton>
#include <QLabel>
#include <QPushButton>

QStringList ClippedCaptions(const QWidget* window) {
    QStringList clipped;
    for (QWidget* widget : window->findChildren<QWidget*>()) {
        int needed = 0;
        if (auto* label = qobject_cast<QLabel*>(widget); label && !label->wordWrap())
            needed = label->sizeHint().width();
        else if (auto* button = qobject_cast<QPushButton*>(widget))
            needed = button->text().isEmpty()
                         ? 0
                         : button->fontMetrics().horizontalAdvance(button->text()) + 8;
        else if (qobject_cast<QAbstractButton*>(widget))
            needed = widget->sizeHint().width();
        if (needed > widget->width())
            clipped.append(widget->objectName());
    }
    return clipped;
}
