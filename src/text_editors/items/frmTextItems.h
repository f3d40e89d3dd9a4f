#pragma once

#include "shell/EditorWindow.h"

// The item editor of item_kinds1.txt.
class frmTextItems : public EditorWindow {
    Q_OBJECT
public:
    explicit frmTextItems(QWidget* parent = nullptr);

    // The item tables hold changes that are not written to the file yet.
    bool UnsavedItems = false;

protected:
    bool hasUnsavedData() const override { return UnsavedItems; }

private:
    void formLoad();
};
