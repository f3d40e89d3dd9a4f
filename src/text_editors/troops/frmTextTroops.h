#pragma once

#include "shell/EditorWindow.h"

// The troop editor of troops.txt.
class frmTextTroops : public EditorWindow {
    Q_OBJECT
public:
    explicit frmTextTroops(QWidget* parent = nullptr);

    // The troop tables hold changes that are not written to the file yet.
    bool UnsavedTroops = false;

protected:
    bool hasUnsavedData() const override { return UnsavedTroops; }

private:
    void formLoad();
};
