#include "text_editors/world/frmTextPartyTemp.h"

#include "platform/gui/Controls.h"
#include "shell/EditorFactories.h"
#include "shell/modMain.h"
#include "textfiles/modTextFactions.h"
#include "textfiles/modTextPartyTemp.h"
#include "textfiles/modTextTroops.h"

frmTextPartyTemp::frmTextPartyTemp(QWidget* parent) : EditorWindow(parent) {
    setObjectName(QStringLiteral("frmTextPartyTemp"));
    resize(Tw(15270), Tw(9165));
    setCentralWidget(new QWidget(this));
    addFileMenu(QStringLiteral("mnu_file_main"), QStringLiteral("mnu_file_blank2"));
    formLoad();
}

void frmTextPartyTemp::formLoad() {
    // Every opening reads troops, factions and party templates afresh from disk here.
    setWindowTitle(WindowCaption(QStringLiteral("  - Party Templates Editor")));
    LoadTextPartyTemplates();
    LoadTextFactions();
    LoadTextTroops();
}

QWidget* ShowTextPartyTemp() {
    auto* window = new frmTextPartyTemp;
    window->show();
    return window;
}
