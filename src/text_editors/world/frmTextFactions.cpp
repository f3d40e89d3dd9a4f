#include "text_editors/world/frmTextFactions.h"

#include "platform/gui/Controls.h"
#include "shell/EditorFactories.h"
#include "shell/modMain.h"
#include "textfiles/modTextFactions.h"

frmTextFactions::frmTextFactions(QWidget* parent) : EditorWindow(parent) {
    setObjectName(QStringLiteral("frmTextFactions"));
    resize(Tw(15270), Tw(9165));
    setCentralWidget(new QWidget(this));
    addFileMenu(QStringLiteral("mnu_file_main"), QStringLiteral("mnu_file_blank2"));
    formLoad();
}

void frmTextFactions::formLoad() {
    // Every opening reads factions afresh from disk here.
    setWindowTitle(WindowCaption(QStringLiteral("  - Faction Editor")));
    LoadTextFactions();
}

QWidget* ShowTextFactions() {
    auto* window = new frmTextFactions;
    window->show();
    return window;
}
