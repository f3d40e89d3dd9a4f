#include "text_editors/troops/frmTextTroops.h"

#include "platform/gui/Controls.h"
#include "shell/EditorFactories.h"
#include "shell/modMain.h"

frmTextTroops::frmTextTroops(QWidget* parent) : EditorWindow(parent) {
    setObjectName(QStringLiteral("frmTextTroops"));
    resize(Tw(15270), Tw(9165));
    setCentralWidget(new QWidget(this));
    addFileMenu(QStringLiteral("mnu_file_back"), QStringLiteral("mnu_file_blank2"));
    formLoad();
}

void frmTextTroops::formLoad() {
    // Every opening reads factions, items and troops afresh from disk here.
    setWindowTitle(WindowCaption(QStringLiteral("  - Troop Editor")));
}

QWidget* ShowTextTroops() {
    auto* window = new frmTextTroops;
    window->show();
    return window;
}
