#include "platform/ProfileFile.h"

#include <QFile>
#include <QTemporaryDir>

#include <gtest/gtest.h>

namespace {
class ProfileFileTest : public ::testing::Test {
protected:
    QTemporaryDir dir;
    QString path = dir.filePath("config.ini");
    void write(const QByteArray& bytes) {
        QFile f(path);
        ASSERT_TRUE(f.open(QIODevice::WriteOnly));
        f.write(bytes);
    }
    QByteArray read() {
        QFile f(path);
        return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray("<missing>");
    }
};

TEST_F(ProfileFileTest, ReadsWithoutCaseTrimmedAndEmptyWhenMissing) {
    EXPECT_EQ(GetProfileString("Config", "SetupMode", path), QString());
    write("; comment\r\n[other]\r\nSetupMode=9\r\n[ config ]\r\n  setupmode =  3  \r\n"
          "ModuleFolder=\"/a b/\"\r\n[Tail]\r\nScreenWidth=1\r\n");
    EXPECT_EQ(GetProfileString("Config", "SetupMode", path), QStringLiteral("3"));
    EXPECT_EQ(GetProfileString("CONFIG", "ModuleFolder", path), QStringLiteral("/a b/"));
    EXPECT_EQ(GetProfileString("Config", "ScreenWidth", path), QString());
    EXPECT_EQ(GetProfileString("Missing", "SetupMode", path), QString());

    const QString longValue(600, QLatin1Char('x'));
    ASSERT_TRUE(WriteProfileString("Config", "ModuleFolder", longValue, path));
    EXPECT_EQ(GetProfileString("Config", "ModuleFolder", path), longValue);
}

TEST_F(ProfileFileTest, WritingChangesOnlyItsOwnLine) {
    ASSERT_TRUE(WriteProfileString("Config", "SetupMode", "2", path));
    EXPECT_EQ(read(), QByteArray("[Config]\r\nSetupMode=2\r\n"));

    write("; keep me\n[Config]\nSetupMode=1\nModuleFolder=/m/\n\n[Other]\nx=1");
    ASSERT_TRUE(WriteProfileString("config", "SETUPMODE", "3", path));
    ASSERT_TRUE(WriteProfileString("Config", "ScreenWidth", "1280", path));
    ASSERT_TRUE(WriteProfileString("New", "k", "v", path));
    EXPECT_EQ(read(), QByteArray("; keep me\n[Config]\nSETUPMODE=3\nModuleFolder=/m/\n"
                                 "ScreenWidth=1280\r\n\n[Other]\nx=1\r\n[New]\r\nk=v\r\n"));
}

// Folders are stored as the file system names them (UTF-8), so one beyond
// Latin-1 is found again at the next start; every other byte stays as it was,
// and a value an older version stored one byte per letter still reads.
TEST_F(ProfileFileTest, ValuesAreStoredAsTheFileSystemNamesFiles) {
    const QByteArray other = "; caf\xe9 \xff\r\n[Config]\r\nSetupMode=3\r\n";
    const struct {
        const char* value; // UTF-8
        QByteArray stored;
    } rows[] = {
        {"/home/user/\xd0\x9c\xd0\xbe\xd0\xb4/", "/home/user/\xd0\x9c\xd0\xbe\xd0\xb4/"},
        {"/home/caf\xc3\xa9/", "/home/caf\xc3\xa9/"},
        // Its last byte, 0xA0, is no blank to trim.
        {"/m/\xd0\xa0", "/m/\xd0\xa0"},
    };
    for (const auto& row : rows) {
        SCOPED_TRACE(row.value);
        write(other);
        ASSERT_TRUE(
            WriteProfileString("Config", "ModuleFolder", QString::fromUtf8(row.value), path));
        EXPECT_EQ(read(), other + "ModuleFolder=" + row.stored + "\r\n");
        EXPECT_EQ(GetProfileString("Config", "ModuleFolder", path), QString::fromUtf8(row.value));
    }
    write("[Config]\r\nModuleFolder=/home/caf\xe9/\r\n");
    EXPECT_EQ(GetProfileString("Config", "ModuleFolder", path), QStringLiteral("/home/caf\u00e9/"));
}

TEST_F(ProfileFileTest, AReadOnlyFileIsNotReplaced) {
    write("[Config]\r\nSetupMode=1\r\n");
    QFile::setPermissions(path, QFile::ReadOwner);
    EXPECT_FALSE(WriteProfileString("Config", "SetupMode", "3", path));
    EXPECT_EQ(read(), QByteArray("[Config]\r\nSetupMode=1\r\n"));
}
} // namespace
