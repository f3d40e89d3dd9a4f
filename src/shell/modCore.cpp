#include "shell/modCore.h"

#include "platform/AppFolder.h"
#include "platform/ProfileFile.h"
#include "shell/modMain.h"

#include <QDir>
#include <QFileInfo>

namespace {
bool IsVisibleFile(const QFileInfo& info) {
    return info.isFile() && !info.isHidden();
}

// Hexadecimal texts are at most this long, so they never exceed 92 bits.
constexpr int MaxHexDigits = 23;

int HexDigitValue(QChar c) {
    const char16_t u = c.unicode();
    if (u >= u'0' && u <= u'9')
        return u - u'0';
    if (u >= u'a' && u <= u'f')
        return u - u'a' + 10;
    if (u >= u'A' && u <= u'F')
        return u - u'A' + 10;
    return 0; // anything else counts as a zero digit
}
} // namespace

bool FileExists(const QString& path) {
    if (path.isEmpty())
        return false;
    const QFileInfo info(path);
    const QString name = info.fileName();
    if (!name.contains(u'*') && !name.contains(u'?'))
        return IsVisibleFile(info);
    // A pattern counts when any ordinary file of its folder matches it.
    const QFileInfoList matches =
        QDir(info.path()).entryInfoList({name}, QDir::Files | QDir::NoDotAndDotDot);
    for (const QFileInfo& match : matches) {
        if (IsVisibleFile(match))
            return true;
    }
    return false;
}

QString DecToHex(const Decimal& value, bool zeroIfEmpty) {
    Decimal::Magnitude m = value.magnitude();
    QString hex;
    while (m != 0) {
        hex.prepend(QLatin1Char("0123456789ABCDEF"[static_cast<int>(m & 0xF)]));
        m >>= 4;
    }
    if (hex.isEmpty() && zeroIfEmpty)
        return QStringLiteral("0");
    return hex;
}

QString DecToHex(const QString& decimalText, bool zeroIfEmpty) {
    if (decimalText.isEmpty())
        return QString();
    const std::optional<Decimal> value = Decimal::parse(decimalText);
    if (!value)
        return QString();
    return DecToHex(*value, zeroIfEmpty);
}

std::optional<Decimal> HexToDec(const QString& hex) {
    QStringView digits(hex);
    if (digits.startsWith(u"&h", Qt::CaseInsensitive))
        digits = digits.mid(2);
    if (digits.size() > MaxHexDigits)
        return std::nullopt;
    Decimal::Magnitude m = 0;
    for (const QChar c : digits)
        m = (m << 4) | static_cast<Decimal::Magnitude>(HexDigitValue(c));
    return Decimal::fromMagnitude(m);
}

bool StrContains(const QString& text, const QString& part) {
    return !text.isEmpty() && text.contains(part, Qt::CaseSensitive);
}

QString RemoveSpaces(const QString& text) {
    QString result = text;
    result.remove(u' ');
    return result;
}

QString ReadIni(const QString& section, const QString& key, const QString& file) {
    // The whole value: a long folder path cut short would force setup at every start.
    return GetProfileString(section, key, file);
}

int WriteIni(const QString& section, const QString& key, const QString& value,
             const QString& file) {
    return WriteProfileString(section, key, value, file) ? 1 : 0;
}

void SaveViewSettings() {
    const QString config = ConfigFilePath();
    WriteIni(QStringLiteral("Config"), QStringLiteral("ScreenWidth"), QString::number(ScreenWidth),
             config);
    WriteIni(QStringLiteral("Config"), QStringLiteral("ListFontSize"),
             QString::number(ListFontSize), config);
}
