#pragma once

#include <QString>
#include <QWidget>

#include <functional>
#include <optional>

// The platform's folder chooser, opening at `startFolder`. No value when the
// user cancelled.
std::optional<QString> BrowseForFolder(QWidget* owner, const QString& title,
                                       const QString& startFolder);
using FolderDialogHandler =
    std::function<std::optional<QString>(const QString& title, const QString& startFolder)>;
FolderDialogHandler SetFolderDialogHandler(FolderDialogHandler handler);

// Opens a web page in the user's browser; failures are ignored.
void OpenWebPage(const QString& url);
using WebPageHandler = std::function<void(const QString& url)>;
WebPageHandler SetWebPageHandler(WebPageHandler handler);

// The root of the file system, where a dialog "opens at C:\".
QString FileSystemRoot();

// Installs the window system's message boxes, beep, event pump and program end
// (see platform/MessageBox.h and platform/System.h). Called once by Main.
void InstallWindowSystem();
