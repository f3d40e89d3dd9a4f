#pragma once

#include "platform/Failure.h"

#include <QByteArray>
#include <QString>
#include <QStringList>

// Module files are byte streams in whatever 8-bit code page the module author
// used. We carry every byte as the character of the same code (Latin-1), so any
// byte survives a load and a save untouched; never decode file text as UTF-8.
QString FromFileBytes(const QByteArray& bytes);
QByteArray ToFileBytes(const QString& text);

// Splits at CR LF, LF or a lone CR. A final line end does not start another
// (empty) line; an empty input gives no lines.
QStringList SplitLines(const QByteArray& bytes);

// Reads the whole file as it stands. On failure (the file cannot be opened or
// read) raises the failure's number, leaves `bytes` empty and returns false.
bool ReadFileBytes(const QString& path, QByteArray& bytes, PendingFailure& failure);

// Replaces the file at `path` with `bytes`: the file is replaced only when
// every byte was written and synced to the disk (temporary file, then
// rename); an existing file that may not be written to is refused with
// failure 75 and left as it was. Returns whether the file now holds the
// bytes; on false the failure is raised and the old file is as it was.
bool SaveFileBytes(const QString& path, const QByteArray& bytes, PendingFailure& failure);

// Reads the whole file into lines. On failure (the file cannot be opened or
// read) raises the failure's number, leaves `lines` empty and returns false.
// `lastLineEnded`, when given, learns whether the last line has a line end
// (true for an empty file), so a save can give the file back as it was.
bool ReadTextLines(const QString& path, QStringList& lines, PendingFailure& failure,
                   bool* lastLineEnded = nullptr);

// Writes each line followed by CR LF (the last one without, unless
// `lastLineEnd`), through SaveFileBytes.
bool SaveTextLines(const QString& path, const QStringList& lines, PendingFailure& failure,
                   bool lastLineEnd = true);

// Whether a save may replace the file at `path`: it does not exist yet, or it
// is an ordinary file that is not marked read-only.
bool MayReplaceFile(const QString& path);

// Test seam: the next SaveFileBytes fails as a full disk would, after writing
// `bytes` bytes of the temporary file. A negative value switches it off.
void FailNextSaveAfter(qint64 bytes);
