#pragma once

#include <QWidget>

#include <functional>

// Every modal window of the program (result window, about window, settings
// window at setup, batch copy, where-to-add) is shown through ShowModal, which
// returns when the window has closed. The window opens centred over the active
// window (over the screen where there is none), inside the screen's free area.
// ShowModal takes ownership of the window and deletes it afterwards; windows
// hand results back through program-wide variables, as their callers expect.
void ShowModal(QWidget* window);

// Tests install a handler that inspects and answers the window (clicks its
// buttons, closes it) instead of running a nested event loop. The handler must
// leave the window closed or closable: ShowModal deletes it afterwards.
using ModalHandler = std::function<void(QWidget* window)>;
ModalHandler SetModalHandler(ModalHandler handler);

// True while ShowModal is running a window.
bool ModalWindowOpen();
