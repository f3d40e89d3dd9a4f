#include "platform/gui/Layout.h"

#include "platform/gui/Controls.h"

#include <QFontDatabase>
#include <QGroupBox>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

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

QLabel* AddHeading(QWidget* parent, const char* name, int left, int top, int width, int height) {
    QLabel* heading = AddLabel(parent, name, QString(), left, top, width, height);
    QFont bold = heading->font();
    bold.setBold(true);
    bold.setPointSize(10);
    heading->setFont(bold);
    return heading;
}

QPushButton* AddWrappingButton(QWidget* parent, const char* name, const QString& caption) {
    QPushButton* button = AddButton(parent, name, QString());
    auto* text = new QLabel(caption, button);
    text->setWordWrap(true);
    text->setAlignment(Qt::AlignCenter);
    text->setAttribute(Qt::WA_TransparentForMouseEvents);
    auto* layout = new QVBoxLayout(button);
    layout->setContentsMargins(3, 2, 3, 2);
    layout->addWidget(text);
    return button;
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
