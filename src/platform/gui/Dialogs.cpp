#include "platform/gui/Dialogs.h"

#include "platform/MessageBox.h"
#include "platform/System.h"
#include "platform/gui/Modal.h"

#include <QApplication>
#include <QDesktopServices>
#include <QDir>
#include <QFileDialog>
#include <QKeyEvent>
#include <QMessageBox>
#include <QPushButton>
#include <QUrl>

namespace {
FolderDialogHandler& folderHandler() {
    static FolderDialogHandler h;
    return h;
}
WebPageHandler& webHandler() {
    static WebPageHandler h;
    return h;
}

MsgAnswer showRealBox(const MessageBoxRequest& request) {
    QMessageBox::Icon icon = QMessageBox::NoIcon;
    switch (request.icon) {
    case MsgIcon::Critical:
        icon = QMessageBox::Critical;
        break;
    case MsgIcon::Exclamation:
        icon = QMessageBox::Warning;
        break;
    case MsgIcon::Information:
        icon = QMessageBox::Information;
        break;
    case MsgIcon::Question:
        icon = QMessageBox::Question;
        break;
    case MsgIcon::None:
        break;
    }
    const auto buttons = request.buttons == MsgButtons::YesNo
                             ? (QMessageBox::Yes | QMessageBox::No)
                             : QMessageBox::StandardButtons(QMessageBox::Ok);
    QMessageBox box(icon, request.title, request.text, buttons, ModalOwner());
    // Centred over its owner like every modal window, once the box has taken
    // the size its text needs (as it shows).
    struct Centre : QObject {
        bool eventFilter(QObject* watched, QEvent* event) override {
            if (event->type() == QEvent::ShowToParent)
                CentreOverOwner(static_cast<QWidget*>(watched));
            return false;
        }
    } centre;
    box.installEventFilter(&centre);
    const int answer = box.exec();
    box.removeEventFilter(&centre);
    if (request.buttons == MsgButtons::Ok)
        return MsgAnswer::Ok;
    return answer == QMessageBox::Yes ? MsgAnswer::Yes : MsgAnswer::No;
}
// Our users' desktop presses a focused command button with Enter as well as
// with Space; Qt buttons outside dialogs take Space only.
class EnterPressesButtons : public QObject {
public:
    using QObject::QObject;
    bool eventFilter(QObject* watched, QEvent* event) override {
        if (event->type() != QEvent::KeyPress)
            return false;
        const int key = static_cast<QKeyEvent*>(event)->key();
        auto* button = qobject_cast<QPushButton*>(watched);
        if (!button || (key != Qt::Key_Return && key != Qt::Key_Enter) || button->autoDefault() ||
            !button->isEnabled())
            return false;
        button->click();
        return true;
    }
};
} // namespace

std::optional<QString> BrowseForFolder(QWidget* owner, const QString& title,
                                       const QString& startFolder) {
    if (folderHandler())
        return folderHandler()(title, startFolder);
    const QString folder = QFileDialog::getExistingDirectory(owner, title, startFolder);
    if (folder.isEmpty())
        return std::nullopt;
    return QDir::toNativeSeparators(folder);
}

FolderDialogHandler SetFolderDialogHandler(FolderDialogHandler h) {
    FolderDialogHandler previous = std::move(folderHandler());
    folderHandler() = std::move(h);
    return previous;
}

void OpenWebPage(const QString& url) {
    if (webHandler()) {
        webHandler()(url);
        return;
    }
    QDesktopServices::openUrl(QUrl(url));
}

WebPageHandler SetWebPageHandler(WebPageHandler h) {
    WebPageHandler previous = std::move(webHandler());
    webHandler() = std::move(h);
    return previous;
}

QString FileSystemRoot() {
    return QDir::rootPath();
}

void InstallWindowSystem() {
    SetMessageBoxHandler(showRealBox);
    SetBeepHandler([] { QApplication::beep(); });
    SetDoEventsHandler([] { QApplication::processEvents(); });
    qApp->installEventFilter(new EnterPressesButtons(qApp));
}
