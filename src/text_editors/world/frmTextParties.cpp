#include "text_editors/world/frmTextParties.h"

#include "platform/gui/Controls.h"
#include "shell/EditorFactories.h"
#include "shell/modMain.h"
#include "textfiles/modTextFactions.h"
#include "textfiles/modTextParties.h"
#include "textfiles/modTextPartyTemp.h"
#include "textfiles/modTextTroops.h"

frmTextParties::frmTextParties(QWidget* parent) : EditorWindow(parent) {
    setObjectName(QStringLiteral("frmTextParties"));
    resize(Tw(15270), Tw(9165));
    setCentralWidget(new QWidget(this));
    addFileMenu(QStringLiteral("mnu_file_main"), QStringLiteral("mnu_file_blank2"));
    formLoad();
}

void frmTextParties::formLoad() {
    // Every opening reads troops, factions, parties and party templates afresh from disk here.
    setWindowTitle(WindowCaption(QStringLiteral("  - Parties Editor")));
    LoadTextFactions();
    LoadTextPartyTemplates();
    LoadTextParties();
    LoadTextTroops();
}

QWidget* ShowTextParties() {
    auto* window = new frmTextParties;
    window->show();
    return window;
}
