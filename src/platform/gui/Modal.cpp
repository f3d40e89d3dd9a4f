#include "platform/gui/Modal.h"

#include <QDialog>
#include <QEvent>
#include <QEventLoop>
#include <QPointer>

namespace {
ModalHandler& handler() {
    static ModalHandler h;
    return h;
}
int g_openModals = 0;
} // namespace

void ShowModal(QWidget* window) {
    if (!window)
        return;
    QPointer<QWidget> guard(window);
    ++g_openModals;
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
