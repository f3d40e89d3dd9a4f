#include "ShellTest.h"

#include "shell/modCore.h"

#include <QDir>
#include <QTemporaryDir>

namespace {
Decimal Pow2(int n) {
    return Decimal::fromMagnitude(Decimal::Magnitude(1) << n);
}

struct DecToHexRow {
    const char* text;
    bool zeroIfEmpty;
    const char* hex;
};

TEST(DecToHex, ConvertsDecimalTexts) {
    const DecToHexRow rows[] = {
        {"0", false, ""},
        {"0", true, "0"},
        {"", true, ""}, // the empty text stays empty even when asked for "0"
        {"15", false, "F"},
        {"16", false, "10"},
        {"255", false, "FF"},
        {"256", false, "100"},
        {"-1", false, "1"},
        {"-10", false, "A"},
        {"10.9", false, "A"},
        {"9223372036854775808", false, "8000000000000000"},
        {"18446744073709551615", false, "FFFFFFFFFFFFFFFF"},
        {"4951760157141521099596496895", false, "FFFFFFFFFFFFFFFFFFFFFFF"}, // 2^92-1
        {"81985529216486895", false, "123456789ABCDEF"},                    // every digit
        {"abc", false, ""},
    };
    for (const DecToHexRow& row : rows) {
        EXPECT_EQ(DecToHex(QString::fromLatin1(row.text), row.zeroIfEmpty),
                  QString::fromLatin1(row.hex))
            << row.text;
    }
}

struct HexToDecRow {
    QString hex;
    std::optional<Decimal> value;
};

TEST(HexToDec, ConvertsHexTexts) {
    const HexToDecRow rows[] = {
        {QStringLiteral("&hFF"), Decimal::fromU64(255)},
        {QStringLiteral("&HFF"), Decimal::fromU64(255)},
        {QStringLiteral("ff"), Decimal::fromU64(255)},
        {QString(), Decimal()},
        {QStringLiteral("&h"), Decimal()},
        {QStringLiteral("1G"), Decimal::fromU64(16)},
        {QStringLiteral("1 0"), Decimal::fromU64(256)},
        {QStringLiteral("0000FF"), Decimal::fromU64(255)},
        {QString(20, u'0') + QStringLiteral("FFF"), Decimal::fromU64(4095)},
        {QString(21, u'0') + QStringLiteral("FFF"), std::nullopt},
        {QStringLiteral("&h") + QString(23, u'F'), Pow2(92) - Decimal::fromU64(1)},
        {QStringLiteral("8") + QString(15, u'0'), Pow2(63)},
        {QString(16, u'F'), Pow2(64) - Decimal::fromU64(1)},
        {QString(24, u'0'), std::nullopt},
        {QStringLiteral("0123456789abcdef"), Decimal::fromU64(0x0123456789ABCDEFull)},
    };
    for (const HexToDecRow& row : rows)
        EXPECT_EQ(HexToDec(row.hex), row.value) << row.hex.toStdString();
}

TEST(TextHelpers, StrContainsIsCaseSensitiveAndRemoveSpacesKeepsTabs) {
    EXPECT_TRUE(StrContains(QStringLiteral("abc"), QString()));
    EXPECT_FALSE(StrContains(QString(), QString()));
    EXPECT_FALSE(StrContains(QString(), QStringLiteral("a")));
    EXPECT_FALSE(StrContains(QStringLiteral("ABC"), QStringLiteral("b")));
    EXPECT_TRUE(StrContains(QStringLiteral("trp_player"), QStringLiteral("_pl")));
    EXPECT_EQ(RemoveSpaces(QStringLiteral(" a  b ")), QStringLiteral("ab"));
    EXPECT_EQ(RemoveSpaces(QStringLiteral("a\tb")), QStringLiteral("a\tb"));
    EXPECT_EQ(RemoveSpaces(QString()), QString());
}

TEST(FileExistsTest, CountsOnlyVisibleOrdinaryFiles) {
    QTemporaryDir dir;
    auto touch = [&dir](const char* name) {
        QFile file(dir.filePath(QLatin1String(name)));
        ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    };
    touch("troops.txt");
    touch(".hidden.txt");
    ASSERT_TRUE(QDir(dir.path()).mkdir(QStringLiteral("folder")));
    const QString base = dir.path() + PathSeparator;

    EXPECT_FALSE(FileExists(QString()));
    EXPECT_FALSE(FileExists(QStringLiteral("/no/such/folder/troops.txt")));
    const std::pair<const char*, bool> rows[] = {
        {"troops.txt", true}, {"folder", false}, {".hidden.txt", false}, {"missing.txt", false},
        {"*.txt", true},      {"*.py", false},   {".hid*", false},
    };
    for (const auto& [name, exists] : rows)
        EXPECT_EQ(FileExists(base + QLatin1String(name)), exists) << name;
}

class SettingsFile : public ShellTest {};

TEST_F(SettingsFile, ReadIniKeepsLongValuesAndWriteIniReportsFailure) {
    const QString folder = QStringLiteral("/") + QString(300, u'm') + QStringLiteral("/");
    ASSERT_NE(WriteIni(QStringLiteral("Config"), QStringLiteral("ModuleFolder"), folder,
                       ConfigFilePath()),
              0);
    EXPECT_EQ(ReadIni(QStringLiteral("config"), QStringLiteral("modulefolder"), ConfigFilePath()),
              folder);
    EXPECT_EQ(ReadIni(QStringLiteral("Config"), QStringLiteral("Missing"), ConfigFilePath()),
              QString());
    EXPECT_EQ(WriteIni(QStringLiteral("Config"), QStringLiteral("SetupMode"), QStringLiteral("3"),
                       QStringLiteral("/no/such/folder/config.ini")),
              0);
}

TEST_F(SettingsFile, SaveViewSettingsStoresWidthThenFontSize) {
    ScreenWidth = 800;
    ListFontSize = -12;
    SaveViewSettings();
    const QByteArray config = readConfig();
    EXPECT_TRUE(config.contains("ScreenWidth=800"));
    EXPECT_TRUE(config.contains("ListFontSize=-12"));
    EXPECT_LT(config.indexOf("ScreenWidth"), config.indexOf("ListFontSize"));
}
} // namespace
