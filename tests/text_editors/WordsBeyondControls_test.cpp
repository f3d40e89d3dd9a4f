// Every numeric word of every record of the compiled text files holding a
// number beyond what the window's controls hold, as a module's build writes
// Python's numbers: each record shows without a failure, an update without a
// change stores it as it was, and the save gives the file back byte for byte.
#include "text_editors/items/frmTextItems.h"
#include "text_editors/troops/frmTextTroops.h"
#include "text_editors/world/frmTextFactions.h"
#include "text_editors/world/frmTextParties.h"
#include "text_editors/world/frmTextPartyTemp.h"
#include "textfiles/TextFilesFixture.h"
#include "textfiles/modTextFactions.h"
#include "textfiles/modTextItems.h"
#include "textfiles/modTextParties.h"
#include "textfiles/modTextPartyTemp.h"
#include "textfiles/modTextTroops.h"

#include <memory>

namespace {

// One editor over one file: its records walked, each shown and updated.
struct Walk {
    const char* file;
    QWidget* (*open)();
    int (*records)();
    void (*showAndUpdate)(QWidget* window, int i);
    bool (*save)();
};
template <typename Window> QWidget* Open() {
    return new Window;
}
const Walk Troops = {"troops.txt", Open<frmTextTroops>, [] { return TroopMax + 1; },
                     [](QWidget* w, int i) {
                         auto* troops = static_cast<frmTextTroops*>(w);
                         troops->CurTroop = i;
                         troops->ShowTroop();
                         troops->UpdateTroop(false);
                     },
                     SaveTextTroops};
const Walk Items = {"item_kinds1.txt", Open<frmTextItems>, [] { return ItemMax + 1; },
                    [](QWidget* w, int i) {
                        auto* items = static_cast<frmTextItems*>(w);
                        items->CurItem = i;
                        items->ShowItem();
                        items->UpdateItem(false);
                    },
                    SaveTextItems};
const Walk Factions = {"factions.txt", Open<frmTextFactions>, [] { return FactionMax + 1; },
                       [](QWidget* w, int i) {
                           // Faction 0 is never edited.
                           auto* factions = static_cast<frmTextFactions*>(w);
                           factions->CurFaction = i;
                           factions->ShowFaction();
                           if (i > 0)
                               factions->UpdateFactions();
                       },
                       SaveTextFactions};
const Walk Parties = {"parties.txt", Open<frmTextParties>, [] { return PartyCount; },
                      [](QWidget* w, int i) {
                          auto* parties = static_cast<frmTextParties*>(w);
                          parties->CurParty = i;
                          parties->ShowParty();
                          parties->UpdateParty();
                      },
                      SaveTextParties};
const Walk Templates = {"party_templates.txt", Open<frmTextPartyTemp>,
                        [] { return PartyTempCount; },
                        [](QWidget* w, int i) {
                            auto* templates = static_cast<frmTextPartyTemp*>(w);
                            templates->CurrentTemplate = i;
                            templates->ShowPartyTemplate();
                            templates->UpdatePT();
                        },
                        SaveTextPartyTemplates};

// The file's line `line` (counted from 0) with its word `word` (the line cut
// at every single blank, so a leading blank makes word 0 empty) replaced.
QByteArray WithWord(const QByteArray& file, int line, int word, const QString& value) {
    QList<QByteArray> lines = file.split('\n');
    QByteArray& text = lines[line];
    const bool cr = text.endsWith('\r');
    QList<QByteArray> words = (cr ? text.chopped(1) : text).split(' ');
    words[word] = value.toLatin1();
    text = words.join(' ') + (cr ? "\r" : "");
    return lines.join('\n');
}

class WordsBeyondControls : public TextFilesTest {};

TEST_F(WordsBeyondControls, ShowUpdateAndSaveAsRead) {
    const QString beyond[] = {
        QStringLiteral("18446744073709551616"),                     // 2^64
        QStringLiteral("79228162514264337593543950336"),            // 2^96
        QStringLiteral("1234567890123456789012345678901234567890"), // 40 digits
    };
    const struct {
        const Walk* walk;
        int line; // in the sample module's file, counted from 0
        int word;
        const char* name;
    } rows[] = {
        {&Troops, 2, 6, "troop faction"},
        {&Troops, 2, 7, "troop upgrade 1"},
        {&Troops, 2, 8, "troop upgrade 2"},
        // The short sword: two meshes, factions 1 and 2, no trigger.
        {&Items, 10, 4, "item mesh count"},
        {&Items, 10, 10, "item mesh bits"},
        {&Items, 10, 12, "item flags"},
        {&Items, 10, 13, "item capabilities"},
        {&Items, 10, 14, "item cost"},
        {&Items, 10, 15, "item modifiers"},
        {&Items, 10, 16, "item weight"},
        {&Items, 10, 17, "item abundance"},
        {&Items, 10, 18, "item head armour"},
        {&Items, 10, 19, "item body armour"},
        {&Items, 10, 20, "item leg armour"},
        {&Items, 10, 21, "item difficulty"},
        {&Items, 10, 22, "item hit points"},
        {&Items, 10, 23, "item value 1"},
        {&Items, 10, 24, "item value 2"},
        {&Items, 10, 25, "item value 3"},
        {&Items, 10, 26, "item value 4"},
        {&Items, 10, 27, "item damage 1"},
        {&Items, 10, 28, "item damage 2"},
        {&Items, 11, 1, "item faction count"},
        {&Items, 12, 1, "item faction"},
        {&Items, 13, 0, "item trigger count"},
    };
    for (const auto& row : rows) {
        const Walk& walk = *row.walk;
        const QByteArray sample = module.read(walk.file);
        for (const QString& value : beyond) {
            SCOPED_TRACE(std::string(row.name) + " " + value.toStdString());
            platform.boxes.clear();
            const QByteArray bytes = WithWord(sample, row.line, row.word, value);
            module.write(walk.file, bytes);
            {
                const std::unique_ptr<QWidget> window(walk.open());
                for (int i = 0; i < walk.records(); ++i)
                    walk.showAndUpdate(window.get(), i);
                platform.answer(MsgAnswer::No);
                EXPECT_TRUE(walk.save());
            }
            EXPECT_EQ(module.read(walk.file), bytes);
            EXPECT_TRUE(platform.errors().isEmpty()) << platform.errors().join('|').toStdString();
            EXPECT_TRUE(platform.boxTexts().filter("cannot be read").isEmpty())
                << platform.boxTexts().join('|').toStdString();
            module.write(walk.file, sample);
        }
    }
}

} // namespace
