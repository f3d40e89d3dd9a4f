#include "platform/gui/Modal.h"

#include <QApplication>
#include <QCursor>
#include <QDialog>
#include <QElapsedTimer>
#include <QEvent>
#include <QEventLoop>
#include <QScreen>

#include <algorithm>

namespace {
ModalHandler& handler() {
    static ModalHandler h;
    return h;
}
int g_openModals = 0;
QPointer<QWidget> g_loading;

QScreen* ScreenOf(const QWidget* window) {
    QScreen* screen = window->screen();
    if (!screen)
        screen = QGuiApplication::screenAt(QCursor::pos());
    return screen ? screen : QGuiApplication::primaryScreen();
}

// What the window manager's frame adds around a window: the window's own once
// it has been framed, else that of another window of the program, which the
// window manager frames alike.
QMargins FrameMargins(const QWidget* window) {
    const auto margins = [](const QWidget* w) {
        const QRect frame = w->frameGeometry();
        const QRect inner = w->geometry();
        return QMargins(inner.left() - frame.left(), inner.top() - frame.top(),
                        frame.right() - inner.right(), frame.bottom() - inner.bottom());
    };
    if (window->isVisible() && !margins(window).isNull())
        return margins(window);
    for (const QWidget* other : QApplication::topLevelWidgets()) {
        if (other != window && other->isVisible() && !margins(other).isNull())
            return margins(other);
    }
    return {};
}

bool Framed(const QWidget* window) {
    return window->isVisible() && window->frameGeometry() != window->geometry();
}

// The frame's top left corner for `wanted`, kept inside `area`.
QPoint Inside(const QRect& area, QSize frame, QPoint wanted) {
    const int lastLeft = area.left() + area.width() - frame.width();
    const int lastTop = area.top() + area.height() - frame.height();
    return {std::max(area.left(), std::min(wanted.x(), lastLeft)),
            std::max(area.top(), std::min(wanted.y(), lastTop))};
}

// Places the window once more when the window manager has framed it: until
// then its frame was only estimated. The window manager tells the window
// nothing when it adds the frame, so the window is looked at until it has
// one; it gives up after a while, so that a window the user moves stays
// where the user put it.
class PlaceWhenFramed : public QObject {
public:
    PlaceWhenFramed(QWidget* window, std::function<QPoint()> wanted)
        : QObject(window), m_window(window), m_wanted(std::move(wanted)) {
        m_since.start();
        startTimer(20);
    }

protected:
    void timerEvent(QTimerEvent*) override {
        if (Framed(m_window)) {
            KeepOnScreen(m_window, m_wanted());
            deleteLater();
        } else if (m_since.hasExpired(2000)) {
            deleteLater();
        }
    }

private:
    QWidget* m_window;
    std::function<QPoint()> m_wanted;
    QElapsedTimer m_since;
};

void Place(QWidget* window, std::function<QPoint()> wanted) {
    KeepOnScreen(window, wanted());
    if (!Framed(window))
        new PlaceWhenFramed(window, std::move(wanted));
}

// The window's frame, estimated from its position (where its frame's top
// left corner goes) and the border of the program's other windows until the
// window manager has framed it.
QRect FrameOf(const QWidget* window) {
    if (Framed(window))
        return window->frameGeometry();
    return {window->pos(), window->size().grownBy(FrameMargins(window))};
}

// The frame's top left corner that centres `window` on `over`.
QPoint CentredOn(const QWidget* window, const QRect& over) {
    QRect placed = FrameOf(window);
    placed.moveCenter(over.center());
    return placed.topLeft();
}

} // namespace

// Left to the window manager, our windows landed in screen corners, partly
// off the screen.
void CentreOverOwner(QWidget* window) {
    QWidget* owner = window->parentWidget() ? window->parentWidget()->window() : ModalOwner();
    if (owner == window)
        owner = nullptr;
    // The size the window will open with.
    window->ensurePolished();
    if (!window->testAttribute(Qt::WA_Resized))
        window->adjustSize();
    QPointer<QWidget> over(owner);
    Place(window, [window, over] {
        return CentredOn(window, over ? FrameOf(over) : ScreenOf(window)->availableGeometry());
    });
}

void KeepOnScreen(QWidget* window, QPoint wanted) {
    const QScreen* screen = ScreenOf(window);
    if (!screen)
        return;
    const QPoint at = Inside(screen->availableGeometry(), FrameOf(window).size(), wanted);
    if (window->testAttribute(Qt::WA_WState_Created) && !Framed(window)) {
        // A window that is on its way to the screen is placed by its inner
        // area; the frame will stand around it.
        const QMargins frame = FrameMargins(window);
        window->move(at + QPoint(frame.left(), frame.top()));
    } else {
        window->move(at);
    }
}

void CentreOnScreen(QWidget* window) {
    Place(window, [window] { return CentredOn(window, ScreenOf(window)->availableGeometry()); });
}

void CentreAcrossScreen(QWidget* window) {
    Place(window, [window] {
        const QRect area = ScreenOf(window)->availableGeometry();
        const QRect frame = FrameOf(window);
        return QPoint(area.left() + (area.width() - frame.width()) / 2, frame.top());
    });
}

QWidget* ModalOwner() {
    if (g_loading)
        return g_loading;
    if (QWidget* modal = QApplication::activeModalWidget())
        return modal;
    return QApplication::activeWindow();
}

OwnerWhileLoading::OwnerWhileLoading(QWidget* window) : m_previous(g_loading) {
    g_loading = window;
}

OwnerWhileLoading::~OwnerWhileLoading() {
    g_loading = m_previous;
}

void ShowModal(QWidget* window) {
    if (!window)
        return;
    QPointer<QWidget> guard(window);
    ++g_openModals;
    CentreOverOwner(window);
    if (handler()) {
        handler()(window);
    } else if (auto* dialog = qobject_cast<QDialog*>(window)) {
        dialog->exec();
    } else {
        window->setWindowModality(Qt::ApplicationModal);
        window->setAttribute(Qt::WA_DeleteOnClose, false);
        QEventLoop loop;
        // Closing hides the window; that ends the modal run.
        struct CloseWatcher : QObject {
            QEventLoop* loop;
            bool eventFilter(QObject*, QEvent* e) override {
                if (e->type() == QEvent::Hide)
                    loop->quit();
                return false;
            }
        } watcher;
        watcher.loop = &loop;
        window->installEventFilter(&watcher);
        QObject::connect(window, &QObject::destroyed, &loop, &QEventLoop::quit);
        window->show();
        if (window->isVisible())
            loop.exec(QEventLoop::DialogExec);
        if (guard)
            window->removeEventFilter(&watcher);
    }
    --g_openModals;
    if (guard) {
        guard->close();
        delete guard.data();
    }
}

ModalHandler SetModalHandler(ModalHandler h) {
    ModalHandler previous = std::move(handler());
    handler() = std::move(h);
    return previous;
}

bool ModalWindowOpen() {
    return g_openModals > 0;
}
