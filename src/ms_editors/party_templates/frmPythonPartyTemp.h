#pragma once

#include "shell/EditorWindow.h"

// The party-template editor of module_party_templates.py.
class frmPythonPartyTemp : public EditorWindow {
    Q_OBJECT
public:
    explicit frmPythonPartyTemp(QWidget* parent = nullptr);

    // The party-template lines hold changes that are not written to the file yet.
    bool UnsavedPT = false;

protected:
    bool hasUnsavedData() const override { return UnsavedPT; }

private:
    void formLoad();
};
