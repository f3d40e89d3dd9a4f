#pragma once

#include "shell/EditorWindow.h"

// The troop editor of module_troops.py.
class frmPythonTroops : public EditorWindow {
    Q_OBJECT
public:
    explicit frmPythonTroops(QWidget* parent = nullptr);

    // The troop lines hold changes that are not written to the file yet.
    bool UnsavedTroops = false;

protected:
    bool hasUnsavedData() const override { return UnsavedTroops; }

private:
    void formLoad();
};
