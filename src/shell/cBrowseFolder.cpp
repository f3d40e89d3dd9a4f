#include "shell/cBrowseFolder.h"

#include "platform/gui/Dialogs.h"

QString cBrowseFolder::ShowBrowse(std::optional<QWidget*> owner, std::optional<QString> title,
                                  std::optional<QString> folder) {
    if (owner)
        lhWnd = *owner;
    if (title)
        sTitle = *title;
    if (folder)
        sFolder = *folder;
    const std::optional<QString> chosen = BrowseForFolder(lhWnd, sTitle, sFolder);
    if (!chosen)
        bCancelled = true;
    sFolder = chosen.value_or(QString()).trimmed();
    if (sFolder.isEmpty())
        bCancelled = true;
    return sFolder;
}
