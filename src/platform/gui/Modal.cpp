#include "platform/gui/Modal.h"

#include <QApplication>
#include <QCursor>
#include <QDialog>
#include <QEvent>
#include <QEventLoop>
#include <QPointer>
#include <QScreen>

#include <algorithm>

namespace {
ModalHandler& handler() {
    static ModalHandler h;
    return h;
}
int g_openModals = 0;

// Left to the window manager, our windows landed in screen corners, partly
// off the screen.
void PlaceOverOwner(QWidget* window) {
    QWidget* owner = QApplication::activeWindow();
    if (owner == window)
        owner = nullptr;
    QScreen* screen = owner ? owner->screen() : QGuiApplication::screenAt(QCursor::pos());
    if (!screen)
        screen = QGuiApplication::primaryScreen();
    if (!screen)
        return;
    // The size the window will open with.
    window->ensurePolished();
    if (!window->testAttribute(Qt::WA_Resized))
        window->adjustSize();
    const QRect area = screen->availableGeometry();
    QRect placed(QPoint(), window->frameGeometry().size());
    placed.moveCenter((owner ? owner->frameGeometry() : area).center());
    // Kept on the screen, its top left corner first where it is too large.
    const QPoint last =
        area.topLeft() + QPoint(area.width() - placed.width(), area.height() - placed.height());
    placed.moveLeft(std::max(area.left(), std::min(placed.left(), last.x())));
    placed.moveTop(std::max(area.top(), std::min(placed.top(), last.y())));
    window->move(placed.topLeft());
}
} // namespace

void ShowModal(QWidget* window) {
    if (!window)
        return;
    QPointer<QWidget> guard(window);
    ++g_openModals;
    PlaceOverOwner(window);
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
