#pragma once

#include "shell/EditorWindow.h"

// The faction editor of factions.txt.
class frmTextFactions : public EditorWindow {
    Q_OBJECT
public:
    explicit frmTextFactions(QWidget* parent = nullptr);

    // The faction tables hold changes that are not written to the file yet.
    bool UnsavedFactions = false;

protected:
    bool hasUnsavedData() const override { return UnsavedFactions; }
    // The faction editor opens the chosen editor before it closes itself, so
    // both stay open when the user keeps the faction editor.
    bool showsOtherEditorFirst() const override { return true; }

private:
    void formLoad();
};
