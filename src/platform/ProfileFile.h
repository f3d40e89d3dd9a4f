#pragma once

#include <QString>

// Profile ("ini") files with the semantics the settings rely on: section and
// key names compare without regard to case, values are trimmed of blanks, and a
// missing file, section or key reads as the empty text. Writing replaces the
// key's line in place or adds it at the end of its section (creating the file
// and the section when needed) and leaves every other line as it was, byte for
// byte. Values are stored in the encoding in which the file system names files
// (UTF-8 here), so that folder paths beyond Latin-1 survive; a value that
// encoding cannot hold is refused (false). A stored value that does not decode
// in it reads as one character per byte.
QString GetProfileString(const QString& section, const QString& key, const QString& file);
bool WriteProfileString(const QString& section, const QString& key, const QString& value,
                        const QString& file);
