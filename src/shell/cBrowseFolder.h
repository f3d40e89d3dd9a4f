#pragma once

#include <QString>
#include <QWidget>

#include <cstdint>
#include <optional>

// The folder picker: one instance per Browse click. Set the properties, call
// ShowBrowse, then read sFolder (the chosen folder) and bCancelled.
class cBrowseFolder {
public:
    // Dialog options; only file-system folders can be chosen whatever they say.
    std::int32_t lFlags = 1;
    // True after ShowBrowse when the user cancelled or no folder resulted.
    bool bCancelled = false;
    // The window that owns the dialog.
    QWidget* lhWnd = nullptr;
    // The text shown above the folder tree.
    QString sTitle;
    // Before ShowBrowse the folder the dialog opens at; afterwards the choice.
    QString sFolder;

    // Runs the dialog; each given argument first replaces lhWnd, sTitle or
    // sFolder. Returns the chosen folder, or the empty text when cancelled.
    QString ShowBrowse(std::optional<QWidget*> owner = std::nullopt,
                       std::optional<QString> title = std::nullopt,
                       std::optional<QString> folder = std::nullopt);
};
