#include "shell/cBrowseFolder.h"

#include "platform/gui/Dialogs.h"

namespace {
// Removes leading and trailing blanks only: a tab or a line break may be part
// of a folder's name on this system.
QString TrimBlanks(const QString& text) {
    qsizetype start = 0;
    qsizetype end = text.size();
    while (start < end && text[start] == u' ')
        ++start;
    while (end > start && text[end - 1] == u' ')
        --end;
    return text.mid(start, end - start);
}
} // namespace

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
    sFolder = TrimBlanks(chosen.value_or(QString()));
    if (sFolder.isEmpty())
        bCancelled = true;
    return sFolder;
}
