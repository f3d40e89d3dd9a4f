#include "module_system/modPythonItems.h"
#include "module_system/modPythonPartyTemp.h"
#include "module_system/modPythonTroops.h"
#include "platform/AppFolder.h"
#include "platform/Backup.h"
#include "platform/System.h"
#include "platform/TextFile.h"
#include "shell/modCore.h"
#include "shell/modMain.h"
#include "support/Scripted.h"
#include "textfiles/modTextFactions.h"
#include "textfiles/modTextItems.h"
#include "textfiles/modTextParties.h"
#include "textfiles/modTextPartyTemp.h"
#include "textfiles/modTextTroops.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <sys/resource.h>

namespace {
QByteArray readAll(const QString& path) {
    QFile f(path);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray("<missing>");
}

void writeAll(const QString& path, const QByteArray& bytes) {
    QFile f(path);
    ASSERT_TRUE(f.open(QIODevice::WriteOnly));
    f.write(bytes);
}

TEST(TextFile, SplitsEveryKindOfLineEnd) {
    const struct {
        QByteArray bytes;
        QStringList lines;
    } rows[] = {
        {"", {}},
        {"a", {"a"}},
        {"a\r\n", {"a"}},
        {"a\r\nb", {"a", "b"}},
        {"a\nb\n", {"a", "b"}},
        {"a\rb\r", {"a", "b"}},
        {"a\r\n\r\nb", {"a", "", "b"}},
        {"\n", {""}},
        {"a\n\rb", {"a", "", "b"}},       // LF then a lone CR: two line ends
        {"a\r\r\nb\rc", {"a", "b", "c"}}, // CR CR LF is one line end
        {"a\r\r\r\nb", {"a", "", "b"}},   // a lone CR, then CR CR LF
    };
    for (const auto& row : rows)
        EXPECT_EQ(SplitLines(row.bytes), row.lines) << row.bytes.toStdString();
}

TEST(TextFile, NonAsciiBytesSurviveLoadAndSave) {
    QTemporaryDir dir;
    const QString path = dir.filePath("f.txt");
    QByteArray bytes("caf\xe9 \xc3\xa9\xff\x80\r\nline2\r\n");
    writeAll(path, bytes);
    QStringList lines;
    PendingFailure failure;
    ASSERT_TRUE(ReadTextLines(path, lines, failure));
    ASSERT_TRUE(SaveTextLines(path, lines, failure));
    EXPECT_EQ(readAll(path), bytes);
    EXPECT_FALSE(failure.pending());
}

// A file is read as UTF-8 only where its bytes are UTF-8 beyond ASCII; any
// other file byte for byte. Either way an unchanged save gives back every byte,
// a byte order mark and CR CR LF included, and an added line takes the line end
// most lines have.
TEST(TextFile, CodingAndLineEndsGoBackAsRead) {
    const auto utf8 = [](const char* text) { return QString::fromUtf8(text); };
    const auto bytes = [](const char* text) { return QString::fromLatin1(text); };
    const struct {
        QByteArray bytes;
        QStringList lines;
        QByteArray added; // after a line "+"
    } rows[] = {
        {"Invit\xc3\xa9_du_Comte\r\n\xe5\x90\x8d",
         {utf8("Invit\u00e9_du_Comte"), utf8("\u540d")},
         "\r\n+"},
        {"ascii\n", {"ascii"}, "+\n"},
        {"caf\xe9 \x93q\x94\r\r\nb\r\r\n", {bytes("caf\xe9 \x93q\x94"), "b"}, "+\r\r\n"},
        {"\xc3\xa9 \xe9\r\n", {bytes("\xc3\xa9 \xe9")}, "+\r\n"},
        // No UTF-8, one kind a row: over-long forms, a surrogate, a code point
        // beyond U+10FFFF, a cut sequence; each beside a letter that is UTF-8.
        {"\xc3\xa9\xc0\xaf\n", {bytes("\xc3\xa9\xc0\xaf")}, "+\n"},
        {"\xc3\xa9\xe0\x80\xaf\n", {bytes("\xc3\xa9\xe0\x80\xaf")}, "+\n"},
        {"\xc3\xa9\xed\xa0\x80\n", {bytes("\xc3\xa9\xed\xa0\x80")}, "+\n"},
        {"\xc3\xa9\xf4\x90\x80\x80\n", {bytes("\xc3\xa9\xf4\x90\x80\x80")}, "+\n"},
        {"\xc3\xa9 \xe2\x82", {bytes("\xc3\xa9 \xe2\x82")}, "\r\n+"},
        {"\xef\xbb\xbftroopsfile version 2\r\n", {"troopsfile version 2"}, "+\r\n"},
        {"\xef\xbb\xbfx \xe9\n", {bytes("\xef\xbb\xbfx \xe9")}, "+\n"},
        // Only the mark that begins the file is one; later ones are text.
        {"\xc3\xa9\r\n\xef\xbb\xbf\n", {utf8("\u00e9"), QString(QChar(0xFEFF))}, "+\r\n"},
    };
    QTemporaryDir dir;
    const QString path = dir.filePath("f.txt");
    for (const auto& row : rows) {
        SCOPED_TRACE(row.bytes.toStdString());
        LineEnds ends;
        QStringList lines = SplitLines(row.bytes, &ends);
        EXPECT_EQ(lines, row.lines);
        PendingFailure failure;
        ASSERT_TRUE(SaveTextLines(path, lines, failure, ends));
        EXPECT_EQ(readAll(path), row.bytes);
        ASSERT_TRUE(SaveTextLines(path, lines << "+", failure, ends));
        EXPECT_EQ(readAll(path), row.bytes + row.added);
    }
}

TEST(TextFile, SaveWritesCrLfAndFailuresLeaveTheOldFile) {
    QTemporaryDir dir;
    const QString path = dir.filePath("f.txt");
    PendingFailure failure;
    ASSERT_TRUE(SaveTextLines(path, {"a", "", "b"}, failure));
    EXPECT_EQ(readAll(path), QByteArray("a\r\n\r\nb\r\n"));

    FailNextSaveAfter(2);
    EXPECT_FALSE(SaveTextLines(path, {"new content"}, failure));
    EXPECT_EQ(failure.number(), Err::DiskFull);
    EXPECT_EQ(readAll(path), QByteArray("a\r\n\r\nb\r\n"));
    EXPECT_EQ(QDir(dir.path()).entryList(QDir::Files), QStringList{"f.txt"}); // no temp file left

    failure.clear();
    QFile::setPermissions(path, QFile::ReadOwner | QFile::ReadGroup | QFile::ReadOther);
    EXPECT_FALSE(SaveTextLines(path, {"x"}, failure));
    EXPECT_EQ(failure.number(), Err::PathFileAccess);
    EXPECT_EQ(readAll(path), QByteArray("a\r\n\r\nb\r\n"));
}

TEST(TextFile, ReadingAMissingFileRaisesFileNotFound) {
    QTemporaryDir dir;
    QStringList lines{"stale"};
    PendingFailure failure;
    EXPECT_FALSE(ReadTextLines(dir.filePath("gone/none.txt"), lines, failure));
    EXPECT_EQ(failure.number(), Err::PathNotFound);
    EXPECT_EQ(failure.detail(), "none.txt was not found: there is no folder " +
                                    QDir::toNativeSeparators(dir.filePath("gone")) + ".");
    EXPECT_TRUE(lines.isEmpty());
}

TEST(Backup, NamesFromOneClockReadingAndNeverOverwrites) {
    ScriptedPlatform platform; // clock: 9:05:07 on 3 April 2011
    EXPECT_EQ(BackupTimeStamp(QDateTime(QDate(2011, 4, 3), QTime(9, 5, 7))),
              QStringLiteral("4-3-2011_9h5m7s"));
    EXPECT_EQ(BackupTimeStamp(QDateTime(QDate(2024, 12, 31), QTime(23, 59, 0))),
              QStringLiteral("12-31-2024_23h59m0s"));

    QTemporaryDir dir;
    const QString file = dir.filePath("troops.txt");
    writeAll(file, "one");
    const QString prefix = dir.path() + "/troops_";
    const BackupResult first = CreateTimeStampedBackup(file, prefix, ".txt");
    ASSERT_TRUE(first.ok);
    EXPECT_EQ(first.path, prefix + "4-3-2011_9h5m7s.txt");
    writeAll(file, "two");
    const BackupResult second = CreateTimeStampedBackup(file, prefix, ".txt");
    ASSERT_TRUE(second.ok);
    EXPECT_EQ(second.path, prefix + "4-3-2011_9h5m7s_2.txt");
    EXPECT_EQ(readAll(first.path), QByteArray("one"));
    EXPECT_EQ(readAll(second.path), QByteArray("two"));

    const BackupResult missing = CreateTimeStampedBackup(dir.filePath("none.txt"), prefix, ".txt");
    EXPECT_FALSE(missing.ok);
    EXPECT_TRUE(missing.failure.pending());
}

// Runs `save` while no file of this process may grow beyond `bytes`: a write
// past that fails as on a full disk. The program's own start-up makes the
// write report it; without that, the limit ends the process.
bool SaveWithFileSizeLimit(rlim_t bytes, bool (*save)()) {
    SetUpProcess();
    rlimit old{};
    getrlimit(RLIMIT_FSIZE, &old);
    rlimit limit = old;
    limit.rlim_cur = bytes;
    EXPECT_EQ(setrlimit(RLIMIT_FSIZE, &limit), 0);
    const bool saved = save();
    setrlimit(RLIMIT_FSIZE, &old);
    return saved;
}

// Every saver of the program: the five text files, the three module-system
// files, config.ini and the backup copy, each with a sound file of records
// between a head and a tail ("%n" stands for the number of records, "%1" for
// the record's own).
struct RealSaver {
    const char* file;
    const char* head;
    QString record;
    const char* tail;
    bool (*load)();
    bool (*save)();
};

// As many records as make about `size` bytes, one at least.
QByteArray FileOfSize(qsizetype size, const RealSaver& saver) {
    const QString head = QString::fromLatin1(saver.head);
    const int count = int(std::max<qsizetype>(
        1, (size - head.size() - qsizetype(qstrlen(saver.tail))) / (saver.record.size() + 4)));
    QString text = QString(head).replace(QStringLiteral("%n"), QString::number(count));
    for (int i = 0; i < count; ++i)
        text += saver.record.arg(i);
    return text.toLatin1() + saver.tail;
}

const RealSaver RealSavers[] = {
    // The game's troops: 64 inventory slots.
    {"troops.txt", "troopsfile version 2\r\n%n \r\n",
     "trp_t%1 T Ts 0 0 0 0 0 0 0\r\n " + QStringLiteral(" -1 0").repeated(64) +
         " \r\n  9 8 5 5 6\r\n 60 40 40 30 30 30 0\r\n0 0 0 0 0 \r\n  0 0 0 0 0 0 0 0 \r\n",
     "", LoadTextTroops, SaveTextTroops},
    {"item_kinds1.txt", "itemsfile version 3\r\n%n\r\n",
     " itm_i%1 I Is 1  m 0  0 0 1 0 1.000000 100 0 0 0 0 0 0 0 0 0 0 0\r\n 0\r\n0\r\n\r\n", "",
     LoadTextItems, SaveTextItems},
    // A relation to each faction: as many as the largest file holds.
    {"factions.txt", "factionsfile version 1\r\n%n\r\n",
     "0 fac_f%1 F 0 0 \r\n" + QStringLiteral(" 0.000000 ").repeated(400) + "\r\n", "0 \r\n",
     LoadTextFactions, SaveTextFactions},
    {"parties.txt", "partiesfile version 1\r\n%n %n\r\n",
     " 1 0 0 p_p%1 P 0 0 0 0 0 0 0 0 0 1 1 1 1 1 1 0 0 \r\n0.000000\r\n", "", LoadTextParties,
     SaveTextParties},
    {"party_templates.txt", "partytemplatesfile version 1\r\n%n\r\n",
     "pt_t%1 T 0 0 0 0 -1 -1 -1 -1 -1 -1 \r\n", "", LoadTextPartyTemplates, SaveTextPartyTemplates},
    {"module_troops.py", "from header_troops import *\r\n\r\ntroops = [\r\n",
     "  [\"t%1\",\"T\",\"Ts\",0,0,0,0,[],0,0,0,0],\r\n", "]\r\n", LoadPythonTroops,
     SavePythonTroops},
    {"module_items.py", "from header_items import *\r\n\r\nitems = [\r\n",
     " [\"i%1\",\"I\", [(\"m\",0)], 0, 0, 1, 0, 0],\r\n",
     " [\"items_end\",\"Items End\", [(\"m\",0)], 0, 0, 1, 0, 0],\r\n]\r\n", LoadPythonItems,
     SavePythonItems},
    {"module_party_templates.py", "from header_parties import *\r\n\r\nparty_templates = [\r\n",
     "  (\"p%1\",\"P\",0,0,0,0,[]),\r\n", "]\r\n", LoadPythonPT, SavePythonPT},
    {"config.ini", "[Config]\r\nSetupMode=2\r\n", "Note%1=kept as it stands\r\n", "", nullptr,
     [] {
         return WriteIni(QStringLiteral("Config"), QStringLiteral("SetupMode"), QStringLiteral("3"),
                         ConfigFilePath()) != 0;
     }},
    {"backup of troops.txt", "", "Any bytes %1\r\n", "", nullptr,
     [] {
         const QString path = ModuleFolder + QStringLiteral("troops.txt");
         const BackupResult copy =
             CreateTimeStampedBackup(path, path + QLatin1Char('_'), QStringLiteral(".bak"));
         ReportPending(copy.failure, QStringLiteral("CreateTimeStampedBackup"));
         return copy.ok;
     }},
};

// A write that really fails (a file-size limit in place of a full disk), for
// a file smaller than the save file's buffer and one larger: the old file
// stays byte for byte, no temporary file or half copy is left, and nothing
// claims success. Without the limit the same save goes through.
TEST(RealWriteFailure, EverySaverKeepsTheOldFileAndSaysSo) {
    for (const qsizetype size : {qsizetype(100), qsizetype(13'000), qsizetype(600'000)}) {
        for (const RealSaver& saver : RealSavers) {
            SCOPED_TRACE(std::string(saver.file) + ", " + std::to_string(size) + " bytes");
            ScriptedPlatform platform;
            QTemporaryDir dir;
            ModuleFolder = ModuleSystemDirectory = dir.path() + QLatin1Char('/');
            const QString name = QString::fromLatin1(saver.file);
            const QString path = name == QStringLiteral("config.ini")
                                     ? ConfigFilePath()
                                     : dir.filePath(name.section(QLatin1Char(' '), -1));
            const QByteArray old = FileOfSize(size, saver);
            writeAll(path, old);
            if (saver.load) {
                ASSERT_TRUE(saver.load()) << platform.boxTexts().join('\n').toStdString();
            }
            ASSERT_TRUE(platform.boxes.empty()) << platform.boxTexts().join('\n').toStdString();
            const QStringList files = QDir(QFileInfo(path).path()).entryList(QDir::Files);

            if (saver.load)
                platform.answer(MsgAnswer::No); // no backup
            EXPECT_FALSE(SaveWithFileSizeLimit(rlim_t(old.size() / 2), saver.save));
            EXPECT_EQ(readAll(path), old);
            EXPECT_EQ(QDir(QFileInfo(path).path()).entryList(QDir::Files), files);
            for (const MessageBoxRequest& box : platform.boxes) {
                EXPECT_FALSE(box.text.contains(QLatin1String("have been saved")) ||
                             box.text.startsWith(QLatin1String("Backup created")))
                    << box.text.toStdString();
            }
            // The savers and the copy report the system's own reason and what
            // became of the file; config.ini's writer tells its caller alone.
            if (name != QStringLiteral("config.ini")) {
                ASSERT_EQ(platform.errors().size(), 1);
                const QString error = platform.boxes.back().text;
                EXPECT_TRUE(error.startsWith(QLatin1String("Error #61 ")) &&
                            error.contains(QLatin1String("Thank you.\r\n\r\nFile too large\r\n")) &&
                            error.endsWith(saver.load ? name + " was not saved and is unchanged."
                                                      : QStringLiteral(" was not made.")))
                    << error.toStdString();
            }
            if (saver.load)
                platform.answer(MsgAnswer::No);
            EXPECT_TRUE(saver.save()) << platform.boxTexts().join('\n').toStdString();
            ModuleFolder.clear();
            ModuleSystemDirectory.clear();
        }
    }
}
} // namespace
