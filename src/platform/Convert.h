#pragma once

#include <QStringView>

#include <cstdint>
#include <optional>

// Conversions of decimal texts as the program's settings and files need them.
// They never depend on the desktop's locale ("1,5" is no number anywhere).

// Trims blanks, reads an optional sign, digits and an optional fraction, and
// rounds to the nearest whole number, an exact half to the even neighbour
// ("7.5" gives 8, "8.5" gives 8). No value when the text is no such number or
// the result lies outside the 16-bit range.
std::optional<std::int16_t> ToInt16(QStringView text);
// The same for the 32-bit range.
std::optional<std::int32_t> ToInt32(QStringView text);
