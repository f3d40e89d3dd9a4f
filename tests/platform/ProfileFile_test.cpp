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

TEST_F(ProfileFileTest, AReadOnlyFileIsNotReplaced) {
    write("[Config]\r\nSetupMode=1\r\n");
    QFile::setPermissions(path, QFile::ReadOwner);
    EXPECT_FALSE(WriteProfileString("Config", "SetupMode", "3", path));
    EXPECT_EQ(read(), QByteArray("[Config]\r\nSetupMode=1\r\n"));
}
} // namespace
