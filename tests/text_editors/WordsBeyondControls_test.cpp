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
#include <string>
#include <vector>

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
    struct Row {
        const Walk* walk;
        int line; // in the sample module's file, counted from 0
        int word;
        std::string name;
        // A count of more members than the line holds: the record is damaged,
        // told at open by its line and shown as unreadable.
        bool told = false;
    };
    std::vector<Row> rows = {
        // Troop 0: line 1, inventory, attributes, proficiencies, skills, faces.
        {&Troops, 2, 3, "troop word 3"},
        {&Troops, 2, 4, "troop flags"},
        {&Troops, 2, 5, "troop word 5"},
        {&Troops, 2, 6, "troop word 6"},
        {&Troops, 2, 7, "troop faction"},
        {&Troops, 2, 8, "troop upgrade 1"},
        {&Troops, 2, 9, "troop upgrade 2"},
        {&Troops, 3, 2, "troop item"},
        {&Troops, 3, 3, "troop modifier"},
        {&Troops, 4, 2, "troop STR"},
        {&Troops, 4, 3, "troop AGI"},
        {&Troops, 4, 4, "troop INT"},
        {&Troops, 4, 5, "troop CHA"},
        {&Troops, 4, 6, "troop level"},
        {&Troops, 5, 1, "troop 1h"},
        {&Troops, 5, 2, "troop 2h"},
        {&Troops, 5, 3, "troop polearms"},
        {&Troops, 5, 4, "troop archery"},
        {&Troops, 5, 5, "troop crossbows"},
        {&Troops, 5, 6, "troop throwing"},
        {&Troops, 5, 7, "troop firearms"},
        {&Troops, 6, 0, "troop skills 0"},
        {&Troops, 6, 1, "troop skills 1"},
        {&Troops, 6, 2, "troop skills 2"},
        {&Troops, 6, 3, "troop skills 3"},
        {&Troops, 6, 4, "troop skills 4"},
        {&Troops, 6, 5, "troop skill word 5"},
        {&Troops, 7, 2, "troop face 1 word 1"},
        {&Troops, 7, 3, "troop face 1 word 2"},
        {&Troops, 7, 4, "troop face 1 word 3"},
        {&Troops, 7, 5, "troop face 1 word 4"},
        {&Troops, 7, 6, "troop face 2 word 1"},
        {&Troops, 7, 7, "troop face 2 word 2"},
        {&Troops, 7, 8, "troop face 2 word 3"},
        {&Troops, 7, 9, "troop face 2 word 4"},
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
        {&Factions, 2, 2, "flag word of faction 0, whose line has no lead word"},
        {&Factions, 4, 3, "faction flag word"},
        {&Factions, 4, 4, "faction colour"},
        {&Factions, 5, 1, "relation to faction 0, which is not shown"},
        {&Factions, 5, 5, "relation to faction 2"},
        {&Templates, 3, 2, "template flag word"},
        {&Templates, 3, 3, "template menu"},
        {&Templates, 3, 4, "template faction"},
        {&Templates, 3, 5, "template personality"},
        {&Templates, 3, 6, "template member troop"},
        {&Templates, 3, 7, "template member minimum"},
        {&Templates, 3, 8, "template member maximum"},
        {&Templates, 3, 9, "template member flags"},
    };
    // The first party's words 1-3 (copied), flag word, menu, template, faction,
    // personality twice, AI behaviour and target, word 14, the position three
    // times, word 21, member count, and its member's troop, count, word 25 and
    // flags.
    for (int word = 1; word <= 26; ++word) {
        if (word != 4 && word != 5)
            rows.push_back({&Parties, 2, word, "party word " + std::to_string(word), word == 22});
    }
    for (const Row& row : rows) {
        const Walk& walk = *row.walk;
        const QByteArray sample = module.read(walk.file);
        for (const QString& value : beyond) {
            SCOPED_TRACE(row.name + " " + value.toStdString());
            platform.boxes.clear();
            const QByteArray bytes = WithWord(sample, row.line, row.word, value);
            module.write(walk.file, bytes);
            {
                const std::unique_ptr<QWidget> window(walk.open());
                EXPECT_EQ(platform.boxTexts().join('|').startsWith(
                              QStringLiteral("Line %1 of your ").arg(row.line + 1) + walk.file),
                          row.told);
                for (int i = 0; i < walk.records(); ++i)
                    walk.showAndUpdate(window.get(), i);
                platform.answer(MsgAnswer::No);
                EXPECT_TRUE(walk.save());
            }
            EXPECT_EQ(module.read(walk.file), bytes);
            EXPECT_TRUE(platform.errors().isEmpty()) << platform.errors().join('|').toStdString();
            EXPECT_EQ(platform.boxTexts().filter("cannot be read").size(), row.told ? 1 : 0)
                << platform.boxTexts().join('|').toStdString();
            module.write(walk.file, sample);
        }
    }
}

} // namespace
