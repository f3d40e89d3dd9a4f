// Every numeric word of every record of the compiled text files holding a
// number beyond what the window's controls hold, as a module's build writes
// Python's numbers: each record shows without a failure, an update without a
// change stores it as it was, and the save gives the file back byte for byte.
#include "text_editors/EditorWalks.h"
#include "textfiles/TextFilesFixture.h"

#include <memory>
#include <string>
#include <vector>

namespace {

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
    // The numeric words of one line of a record of the sample module, each
    // walked in turn.
    const struct {
        const Walk* walk;
        int line; // counted from 0
        std::vector<int> words;
        const char* what;
        // The word whose number damages the record, which the load tells by
        // its line and the show shows as unreadable: a party's member count
        // beyond the members its line can hold.
        int told = -1;
    } rows[] = {
        {&TroopsWalk, 2, {3, 4, 5, 6, 7, 8, 9}, "troop 0: word 3, flags, 5, 6, faction, upgrades"},
        {&TroopsWalk, 3, {2, 3}, "troop 0: inventory item and modifier"},
        {&TroopsWalk, 4, {2, 3, 4, 5, 6}, "troop 0: attributes and level"},
        {&TroopsWalk, 5, {1, 2, 3, 4, 5, 6, 7}, "troop 0: proficiencies"},
        {&TroopsWalk, 6, {0, 1, 2, 3, 4, 5}, "troop 0: skill words"},
        {&TroopsWalk, 7, {2, 3, 4, 5, 6, 7, 8, 9}, "troop 0: face words"},
        {&ItemsWalk,
         10,
         {4, 10, 12, 13, 14, 15, 16, 17, 18, 19, 20, 21, 22, 23, 24, 25, 26, 27, 28},
         "the short sword (two meshes): mesh count, mesh bits, flags, capabilities, cost, "
         "modifiers, weight to hit points, values 1-4, damages"},
        {&ItemsWalk, 11, {1}, "the short sword's faction count"},
        {&ItemsWalk, 12, {1}, "the short sword's faction"},
        {&ItemsWalk, 13, {0}, "the short sword's trigger count"},
        {&FactionsWalk, 2, {2}, "flag word of faction 0, whose line has no lead word"},
        {&FactionsWalk, 4, {3, 4}, "faction 1: flag word, colour"},
        {&FactionsWalk, 5, {1, 5}, "faction 1: relation to faction 0 (not shown), to faction 2"},
        {&TemplatesWalk,
         3,
         {2, 3, 4, 5, 6, 7, 8, 9},
         "template 1: flags, menu, faction, personality, member troop, minimum, maximum, flags"},
        {&PartiesWalk,
         2,
         {1, 2, 3, 6, 7, 8, 9, 10, 11, 12, 13, 14, 15, 16, 17, 18, 19, 20, 21, 22, 23, 24, 25, 26},
         "party 0: words 1-3, flags, menu, template, faction, personality twice, AI behaviour "
         "and target, 14, the position three times, 21, member count, its member's words",
         22},
    };
    for (const auto& row : rows) {
        const Walk& walk = *row.walk;
        const QByteArray sample = module.read(walk.file);
        for (const int word : row.words)
            for (const QString& value : beyond) {
                const bool told = word == row.told;
                SCOPED_TRACE(std::string(row.what) + ", word " + std::to_string(word) + ": " +
                             value.toStdString());
                platform.boxes.clear();
                const QByteArray bytes = WithWord(sample, row.line, word, value);
                module.write(walk.file, bytes);
                {
                    const std::unique_ptr<QWidget> window(walk.open());
                    EXPECT_EQ(platform.boxTexts().join('|').startsWith(
                                  QStringLiteral("Line %1 of your ").arg(row.line + 1) + walk.file),
                              told);
                    for (int i = 0; i < walk.records(); ++i)
                        walk.showAndUpdate(window.get(), i);
                    platform.answer(MsgAnswer::No);
                    EXPECT_TRUE(walk.save());
                }
                EXPECT_EQ(module.read(walk.file), bytes);
                EXPECT_TRUE(platform.errors().isEmpty())
                    << platform.errors().join('|').toStdString();
                EXPECT_EQ(platform.boxTexts().filter("cannot be read").size(), told ? 1 : 0)
                    << platform.boxTexts().join('|').toStdString();
                module.write(walk.file, sample);
            }
    }
}

} // namespace
