// A record of the faction, party or party-template file that does not read
// whole in a file whose load told no damage: its show is the program's fault,
// reported, never passed off as damage of the user's file.
#include "platform/gui/Controls.h"
#include "text_editors/world/frmTextFactions.h"
#include "text_editors/world/frmTextParties.h"
#include "text_editors/world/frmTextPartyTemp.h"
#include "textfiles/TextFilesFixture.h"
#include "textfiles/modTextFactions.h"
#include "textfiles/modTextParties.h"
#include "textfiles/modTextPartyTemp.h"

#include <QPushButton>

#include <memory>

namespace {

template <typename Window> QWidget* Open() {
    return new Window;
}

using WorldRecordShow = TextFilesTest;

TEST_F(WorldRecordShow, ARecordCutShortSinceAnUndamagedLoadIsReportedAsAFailure) {
    const struct {
        QWidget* (*open)();
        const char *list, *update, *show;
        QStringList* table;
        QString cut; // what the record's line holds now
    } rows[] = {
        {Open<frmTextFactions>, "lstFactions", "cmdUpdate", "ShowFaction", &FactionLine, "0 x"},
        {Open<frmTextParties>, "lstParties", "cmdUpdateParties", "ShowParty", &PartyLine,
         " 1 0 0 p_x"},
        {Open<frmTextPartyTemp>, "lstPT", "cmdUpdatePT", "ShowPartyTemplate", &PartyTempLine,
         "pt_x X"},
    };
    for (const auto& row : rows) {
        SCOPED_TRACE(row.show);
        const std::unique_ptr<QWidget> window(row.open());
        ASSERT_TRUE(platform.boxes.empty()) << platform.boxTexts().join('|').toStdString();
        (*row.table)[1] = row.cut;
        window->findChild<ListBox*>(QLatin1String(row.list))->setListIndex(1);
        EXPECT_EQ(errors(), QStringList{errorText(9, row.show)});
        EXPECT_EQ(platform.boxTexts().filter(" cannot be read whole ").size(), 0);
        EXPECT_FALSE(window->findChild<QPushButton*>(QLatin1String(row.update))->isEnabled());
        platform.boxes.clear();
    }
}

} // namespace
