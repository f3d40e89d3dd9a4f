#include "text_editors/items/frmTextItems.h"

#include "platform/gui/Controls.h"
#include "shell/EditorFactories.h"
#include "shell/modMain.h"
#include "textfiles/modTextFactions.h"
#include "textfiles/modTextItems.h"

frmTextItems::frmTextItems(QWidget* parent) : EditorWindow(parent) {
    setObjectName(QStringLiteral("frmTextItems"));
    resize(Tw(15270), Tw(9165));
    setCentralWidget(new QWidget(this));
    addFileMenu(QStringLiteral("mnu_file_main"), QStringLiteral("mnu_file_blank2"));
    formLoad();
}

void frmTextItems::formLoad() {
    // Every opening reads factions and items afresh from disk here.
    setWindowTitle(WindowCaption(QStringLiteral("  - Item Editor")));
    LoadTextItems();
    LoadTextFactions();
}

QWidget* ShowTextItems() {
    auto* window = new frmTextItems;
    window->show();
    return window;
}
