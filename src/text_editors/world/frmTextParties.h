#pragma once

#include "shell/EditorWindow.h"

// The party editor of parties.txt.
class frmTextParties : public EditorWindow {
    Q_OBJECT
public:
    explicit frmTextParties(QWidget* parent = nullptr);

    // The party tables hold changes that are not written to the file yet.
    bool UnsavedParties = false;

protected:
    bool hasUnsavedData() const override { return UnsavedParties; }

private:
    void formLoad();
};
