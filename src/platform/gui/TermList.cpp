#include "platform/gui/TermList.h"

#include "platform/gui/Controls.h"

#include <QLineEdit>
#include <QPushButton>

void WireTermList(ListBox* list, QLineEdit* box, QPushButton* add, QPushButton* change,
                  QPushButton* del) {
    QObject::connect(list, &ListBox::click, box, [list, box] {
        if (list->count() > 0 && list->currentItem())
            box->setText(list->currentItem()->text());
    });
    QObject::connect(add, &QPushButton::clicked, list, [list, box] {
        if (!box->text().isEmpty())
            list->addItem(box->text());
    });
    QObject::connect(change, &QPushButton::clicked, list, [list, box] {
        if (list->count() > 0 && list->currentItem())
            list->currentItem()->setText(box->text());
    });
    QObject::connect(del, &QPushButton::clicked, list, [list] {
        if (list->count() == 0 || !list->currentItem())
            return;
        delete list->takeItem(list->currentRow());
        if (list->count() > 0)
            list->setListIndex(list->count() - 1);
    });
}

void WireTermPick(ComboBox* combo, QLineEdit* box,
                  std::function<std::optional<QString>(int row)> pickedText) {
    QObject::connect(combo, &ComboBox::click, box, [combo, box, pickedText] {
        if (!pickedText)
            box->setText(combo->currentText());
        else if (const auto text = pickedText(combo->listIndex()))
            box->setText(*text);
    });
}

void AddTermButtons(QWidget* frame, const char* term, QPushButton*& add, QPushButton*& change,
                    QPushButton*& del) {
    const auto command = [frame, term](const char* verb) {
        auto* b = new QPushButton(QLatin1String(verb), frame);
        b->setObjectName(QStringLiteral("cmd") + QLatin1String(term) + QLatin1String(verb));
        return b;
    };
    add = command("Add");
    change = command("Change");
    del = command("Del");
}
