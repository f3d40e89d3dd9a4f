#pragma once

#include <QPoint>
#include <QPointer>
#include <QWidget>

#include <functional>

// Every window of the program lies on the screen it opens on: its frame, the
// window manager's border included, inside the screen's available area (the
// screen less the panels the desktop reserves). Before a window is first
// shown its border is not known yet; the border of the program's other
// windows stands in for it, and the window is placed once more as soon as
// the window manager has framed it (a frame it is still building, which does
// not stand around the window, does not count).

// Moves `window` so that its frame's top left corner is at `wanted` (in
// screen coordinates), or as near to it as keeps the frame inside the
// available area; a frame larger than the area keeps its top left corner on
// the screen.
void KeepOnScreen(QWidget* window, QPoint wanted);
// Centres the frame of `window` on the available area of its screen.
void CentreOnScreen(QWidget* window);
// Centres the frame of `window` across the available area of its screen and
// keeps its top where the frame fits below it.
void CentreAcrossScreen(QWidget* window);

// Centres the frame of `window` over its owner (the window it was created
// for, else ModalOwner), over the screen where there is none, inside the
// available area.
void CentreOverOwner(QWidget* window);

// The window that modal windows and message boxes open over: the window being
// loaded (see OwnerWhileLoading), else the active modal window, else the
// active window; nullptr where there is none.
QWidget* ModalOwner();
// While one lives, `window` is what modal windows and message boxes open
// over: an editor that loads its files is not the active window yet (the
// main menu that opened it still is), but its messages belong to it.
class OwnerWhileLoading {
public:
    explicit OwnerWhileLoading(QWidget* window);
    ~OwnerWhileLoading();
    OwnerWhileLoading(const OwnerWhileLoading&) = delete;
    OwnerWhileLoading& operator=(const OwnerWhileLoading&) = delete;

private:
    QPointer<QWidget> m_previous;
};

// Where the window manager's frame around `window` stands, as the window
// system reports it at this moment (frameGeometry unless a reader is set).
// Tests install a reader that plays a window manager still building frames.
using FrameReader = std::function<QRect(const QWidget* window)>;
FrameReader SetFrameReader(FrameReader reader);

// Every modal window of the program (result window, about window, settings
// window at setup, batch copy, where-to-add) is shown through ShowModal, which
// returns when the window has closed. The window opens centred over its owner
// (ModalOwner; over the screen where there is none), inside the screen's
// available area.
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
