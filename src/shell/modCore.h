#pragma once

#include "platform/Decimal.h"

#include <QString>

#include <optional>

// Whether the path names an existing ordinary file (not a folder, not hidden).
// Never fails; the empty path is no file.
bool FileExists(const QString& path);

// Upper-case hexadecimal digits of the value's magnitude without leading zeros;
// zero gives the empty text ("0" when zeroIfEmpty). The fraction is dropped.
QString DecToHex(const Decimal& value, bool zeroIfEmpty = false);
// The same for a decimal text; a text that is no number gives the empty text.
QString DecToHex(const QString& decimalText, bool zeroIfEmpty = false);

// Hexadecimal text ("&h"/"&H" prefix allowed) of at most 23 characters to its
// exact value; a character that is no hex digit counts as 0; a longer text
// gives no value.
std::optional<Decimal> HexToDec(const QString& hex);

// Whether `part` occurs in `text`, case-sensitive; "" is in any non-empty text.
bool StrContains(const QString& text, const QString& part);
// The text with every blank (space) removed; tabs stay.
QString RemoveSpaces(const QString& text);

// One key of one section of a profile file; "" when missing. Never fails.
QString ReadIni(const QString& section, const QString& key, const QString& file);
// Writes one key; returns non-zero on success.
int WriteIni(const QString& section, const QString& key, const QString& value, const QString& file);
// Stores ScreenWidth, then ListFontSize in section Config of config.ini.
void SaveViewSettings();
