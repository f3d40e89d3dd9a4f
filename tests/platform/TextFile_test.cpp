#include "platform/Backup.h"
#include "platform/TextFile.h"
#include "support/Scripted.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>

#include <gtest/gtest.h>

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
        {"a\n\rb", {"a", "", "b"}}, // LF then a lone CR: two line ends
        {"a\r\r\nb\rc", {"a", "", "b", "c"}},
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
    EXPECT_FALSE(ReadTextLines(dir.filePath("none.txt"), lines, failure));
    EXPECT_EQ(failure.number(), Err::FileNotFound);
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
    EXPECT_NE(missing.failure, 0);
}
} // namespace
