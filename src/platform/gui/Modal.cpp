#include "platform/gui/Modal.h"

#include <QApplication>
#include <QCursor>
#include <QDialog>
#include <QElapsedTimer>
#include <QEvent>
#include <QEventLoop>
#include <QScreen>

#include <algorithm>
#include <optional>

namespace {
ModalHandler& handler() {
    static ModalHandler h;
    return h;
}
FrameReader& frameReader() {
    static FrameReader r;
    return r;
}
int g_openModals = 0;
QPointer<QWidget> g_loading;

QScreen* ScreenOf(const QWidget* window) {
    QScreen* screen = window->screen();
    if (!screen)
        screen = QGuiApplication::screenAt(QCursor::pos());
    return screen ? screen : QGuiApplication::primaryScreen();
}

QRect ReportedFrame(const QWidget* window) {
    return frameReader() ? frameReader()(window) : window->frameGeometry();
}

// What the window manager's frame adds around `window`, once that frame is
// known. While the window manager is still building it (the window already
// inside its frame, the frame not sized yet and its extents not published),
// the window system reports the frame as it stands at that moment: one pixel
// square, or not around the window at all. Centred by such a frame, the main
// menu landed with its top left corner at the screen's centre.
std::optional<QMargins> KnownFrame(const QWidget* window) {
    if (!window->isVisible())
        return std::nullopt;
    const QRect frame = ReportedFrame(window);
    const QRect inner = window->geometry();
    if (frame == inner || !frame.contains(inner))
        return std::nullopt;
    return QMargins(inner.left() - frame.left(), inner.top() - frame.top(),
                    frame.right() - inner.right(), frame.bottom() - inner.bottom());
}

bool Framed(const QWidget* window) {
    return KnownFrame(window).has_value();
}

// The window's own frame once known, else that of another window of the
// program, which the window manager frames alike.
QMargins FrameMargins(const QWidget* window) {
    if (const std::optional<QMargins> own = KnownFrame(window))
        return *own;
    for (const QWidget* other : QApplication::topLevelWidgets()) {
        if (other != window) {
            if (const std::optional<QMargins> margins = KnownFrame(other))
                return *margins;
        }
    }
    return {};
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
// nothing when it adds the frame, so the window is looked at for a while; a
// frame that changes once more (a window manager may publish its frame in
// steps) places the window again, unless it has been moved since, so that a
// window the user moves stays where the user put it.
class PlaceWhenFramed : public QObject {
public:
    PlaceWhenFramed(QWidget* window, std::function<QPoint()> wanted)
        : QObject(window), m_window(window), m_wanted(std::move(wanted)) {
        setObjectName(QStringLiteral("PlaceWhenFramed"));
        m_since.start();
        startTimer(20);
    }

protected:
    void timerEvent(QTimerEvent*) override {
        if (m_since.hasExpired(2000)) {
            deleteLater();
            return;
        }
        const std::optional<QMargins> frame = KnownFrame(m_window);
        if (!frame || frame == m_placedWith)
            return;
        if (m_placedWith && m_window->geometry().topLeft() != m_placedAt) {
            deleteLater();
            return;
        }
        KeepOnScreen(m_window, m_wanted());
        m_placedWith = frame;
        m_placedAt = m_window->geometry().topLeft();
    }

private:
    QWidget* m_window;
    std::function<QPoint()> m_wanted;
    QElapsedTimer m_since;
    std::optional<QMargins> m_placedWith; // the known frame it was last placed by
    QPoint m_placedAt;                    // where that placement put the window
};

void Place(QWidget* window, std::function<QPoint()> wanted) {
    // A later placement replaces an earlier one still waiting for the frame.
    delete window->findChild<QObject*>(QStringLiteral("PlaceWhenFramed"),
                                       Qt::FindDirectChildrenOnly);
    KeepOnScreen(window, wanted());
    if (!Framed(window))
        new PlaceWhenFramed(window, std::move(wanted));
}

// The window's frame, estimated from the border of the program's other
// windows until the window manager has framed it. Before the window exists
// on the screen, its position is where its frame's top left corner goes.
QRect FrameOf(const QWidget* window) {
    const QMargins frame = FrameMargins(window);
    const QPoint at = window->testAttribute(Qt::WA_WState_Created)
                          ? window->geometry().topLeft() - QPoint(frame.left(), frame.top())
                          : window->pos();
    return {at, window->size().grownBy(frame)};
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
    const QMargins frame = FrameMargins(window);
    const QPoint at = Inside(screen->availableGeometry(), window->size().grownBy(frame), wanted);
    if (!window->testAttribute(Qt::WA_WState_Created)) {
        window->move(at);
        return;
    }
    // Placed by its inner area, the frame standing around it: move() would
    // go by the frame Qt believes in, which may be one the window manager has
    // not finished building.
    window->setGeometry(QRect(at + QPoint(frame.left(), frame.top()), window->size()));
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

FrameReader SetFrameReader(FrameReader reader) {
    FrameReader previous = std::move(frameReader());
    frameReader() = std::move(reader);
    return previous;
}
