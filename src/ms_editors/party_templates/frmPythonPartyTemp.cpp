#include "ms_editors/party_templates/frmPythonPartyTemp.h"

#include "module_system/modPythonPartyTemp.h"
#include "module_system/modPythonTroops.h"
#include "platform/gui/Controls.h"
#include "shell/EditorFactories.h"
#include "shell/modMain.h"

frmPythonPartyTemp::frmPythonPartyTemp(QWidget* parent) : EditorWindow(parent) {
    setObjectName(QStringLiteral("frmPythonPartyTemp"));
    resize(Tw(15270), Tw(9165));
    setCentralWidget(new QWidget(this));
    addFileMenu(QStringLiteral("mnu_file_main"), QStringLiteral("mnu_file_blank2"));
    formLoad();
}

void frmPythonPartyTemp::formLoad() {
    // Every opening reads module_party_templates.py and module_troops.py afresh from disk here.
    LoadPythonPT();
    LoadPythonTroops();
    setWindowTitle(WindowCaption(QStringLiteral("  - Python Party Templates Editor")));
}

QWidget* ShowPythonPartyTemp() {
    auto* window = new frmPythonPartyTemp;
    window->show();
    return window;
}
