#include "module_system/frmPythonNewEntry.h"

#include "platform/gui/Controls.h"
#include "platform/gui/Modal.h"

#include <QLabel>
#include <QPushButton>

#include <algorithm>

QString NewEntryTitle;
QString NewEntryText;
std::uint8_t NewEntryChoice = 0;

namespace {
template <class T>
T* Place(T* control, const char* name, int left, int top, int width, int height) {
    control->setObjectName(QLatin1String(name));
    control->setGeometry(Tw(left), Tw(top), Tw(width), Tw(height));
    return control;
}
} // namespace

frmPythonNewEntry::frmPythonNewEntry(QWidget* parent) : QDialog(parent) {
    setObjectName(QStringLiteral("frmPythonNewEntry"));
    setFixedSize(Tw(6645), Tw(3780));

    lblMsg = Place(new QLabel(this), "lblMsg", 390, 255, 5850, 1605);
    lblMsg->setWordWrap(true);
    lblMsg->setTextFormat(Qt::PlainText); // the caller's text, never markup
    lblMsg->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    optEnd = Place(new OptionButton(QStringLiteral("Add at the end of the list"), this), "optEnd",
                   2100, 2100, 2565, 300);
    optBehind = Place(new OptionButton(QStringLiteral("Add behind the selected entry"), this),
                      "optBehind", 2100, 2400, 2565, 300);
    cmdAdd =
        Place(new QPushButton(QStringLiteral("Continue"), this), "cmdAdd", 1470, 3015, 1860, 390);
    // One pixel right of its design position, where "Continue" would cover its edge.
    cmdAbort =
        Place(new QPushButton(QStringLiteral("Abort"), this), "cmdAbort", 3330, 3015, 1860, 390);
    // The option captions are wider than their boxes with most fonts here.
    optEnd->resize(std::max(optEnd->width(), optEnd->sizeHint().width()), optEnd->height());
    optBehind->resize(std::max(optBehind->width(), optBehind->sizeHint().width()),
                      optBehind->height());

    setTabOrder(cmdAdd, cmdAbort);
    setTabOrder(cmdAbort, optEnd);
    setTabOrder(optEnd, optBehind);
    cmdAdd->setDefault(true);

    connect(cmdAdd, &QPushButton::clicked, this, &frmPythonNewEntry::cmdAdd_Click);
    connect(cmdAbort, &QPushButton::clicked, this, &frmPythonNewEntry::cmdAbort_Click);
    Form_Load();
}

void frmPythonNewEntry::Form_Load() {
    setWindowTitle(NewEntryTitle);
    lblMsg->setText(QString(NewEntryText).replace(QStringLiteral("\r\n"), QStringLiteral("\n")));
    optEnd->setValue(true);
    cmdAdd->setFocus();
}

void frmPythonNewEntry::cmdAdd_Click() {
    if (optEnd->isChecked())
        NewEntryChoice = 1;
    if (optBehind->isChecked())
        NewEntryChoice = 2;
    close();
}

void frmPythonNewEntry::cmdAbort_Click() {
    NewEntryChoice = 0;
    close();
}

void ShowPythonNewEntry() {
    ShowModal(new frmPythonNewEntry);
}

std::uint8_t AskPythonNewEntry(const QString& title, const QString& text) {
    NewEntryChoice = 0;
    NewEntryTitle = title;
    NewEntryText = text;
    ShowPythonNewEntry();
    return NewEntryChoice;
}
