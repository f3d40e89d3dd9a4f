#pragma once

#include <QLabel>
#include <QLayout>
#include <QPushButton>
#include <QString>

#include <algorithm>

// Small builders for the shell's windows: every control carries its name as
// its objectName, which is how the program and its tests find it.

template <class T> T* Named(T* control, const char* name) {
    control->setObjectName(QLatin1String(name));
    return control;
}

inline QLabel* NamedLabel(const char* name, const QString& text, QWidget* parent) {
    return Named(new QLabel(text, parent), name);
}

// A command button that, like every button of our users' desktop, is pressed
// by Enter as well as by Space while it has the focus ("Accept" on the splash).
inline QPushButton* NamedButton(const char* name, const QString& text, QWidget* parent) {
    QPushButton* button = Named(new QPushButton(text, parent), name);
    button->setAutoDefault(true);
    return button;
}

// Gives the window the fixed size its layout needs, taking the height that
// word-wrapped labels need at that width into account.
inline void FixSizeToContents(QWidget* window) {
    QLayout* layout = window->layout();
    const QSize hint = window->sizeHint();
    if (!layout || !layout->hasHeightForWidth()) {
        window->setFixedSize(hint);
        return;
    }
    window->setFixedSize(hint.width(),
                         std::max(hint.height(), layout->totalHeightForWidth(hint.width())));
}

// Enables or disables every control and menu entry given.
template <class... Controls> void SetEnabled(bool enabled, Controls*... controls) {
    (controls->setEnabled(enabled), ...);
}
