#pragma once

#include "shell/EditorWindow.h"

// The party-template editor of party_templates.txt.
class frmTextPartyTemp : public EditorWindow {
    Q_OBJECT
public:
    explicit frmTextPartyTemp(QWidget* parent = nullptr);

    // The party-template tables hold changes that are not written to the file yet.
    bool UnsavedTemplates = false;

protected:
    bool hasUnsavedData() const override { return UnsavedTemplates; }

private:
    void formLoad();
};
