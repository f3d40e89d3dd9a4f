#pragma once

#include "shell/EditorWindow.h"

// The item editor of module_items.py.
class frmPythonItems : public EditorWindow {
    Q_OBJECT
public:
    explicit frmPythonItems(QWidget* parent = nullptr);

    // The item lines hold changes that are not written to the file yet.
    bool UnsavedItems = false;

protected:
    bool hasUnsavedData() const override { return UnsavedItems; }

private:
    void formLoad();
};
