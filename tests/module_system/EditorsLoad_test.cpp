#include "ModuleSystemFixture.h"

#include "module_system/modPythonItems.h"
#include "module_system/modPythonPartyTemp.h"
#include "module_system/modPythonTroops.h"
#include "shell/EditorFactories.h"

#include <memory>

namespace {

class EditorsLoad : public ModuleSystemTest {};

// Whatever a table held before, an editor's opening reads its files anew.
TEST_F(EditorsLoad, ItemEditorReadsTheItems) {
    PyItemLines = QStringList{QStringLiteral("stale")};
    PyItemMax = 0;
    std::unique_ptr<QWidget> editor(ShowPythonItems());
    EXPECT_GT(PyItemMax, 30);
    EXPECT_TRUE(PyItemLines[PyItemHardwired].contains(QStringLiteral("\"horse_meat\"")));
    EXPECT_TRUE(platform.boxes.empty());
}

TEST_F(EditorsLoad, PartyTemplateEditorReadsTemplatesAndTroops) {
    PyPTLines = PyTroopLines = QStringList{QStringLiteral("stale")};
    PyPTMax = PyTroopMax = 0;
    std::unique_ptr<QWidget> editor(ShowPythonPartyTemp());
    EXPECT_TRUE(PyPTLines[PyPTHardwired].contains(QStringLiteral("\"hero_party\"")));
    EXPECT_TRUE(PyTroopLines[PyTroopHardwired].contains(QStringLiteral("\"temp_troop\"")));
    EXPECT_TRUE(platform.boxes.empty());
}

} // namespace
