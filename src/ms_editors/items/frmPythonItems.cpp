#include "ms_editors/items/frmPythonItems.h"

#include "module_system/modPythonItems.h"
#include "platform/gui/Controls.h"
#include "shell/EditorFactories.h"
#include "shell/modMain.h"

frmPythonItems::frmPythonItems(QWidget* parent) : EditorWindow(parent) {
    setObjectName(QStringLiteral("frmPythonItems"));
    resize(Tw(15270), Tw(9165));
    setCentralWidget(new QWidget(this));
    addFileMenu(QStringLiteral("mnu_file_main"), QStringLiteral("mnu_file_blank2"));
    formLoad();
}

void frmPythonItems::formLoad() {
    // Every opening reads module_items.py afresh from disk here.
    LoadPythonItems();
    setWindowTitle(WindowCaption(QStringLiteral("  - Phyton item editor")));
}

QWidget* ShowPythonItems() {
    auto* window = new frmPythonItems;
    window->show();
    return window;
}
