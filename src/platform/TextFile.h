#pragma once

#include "platform/Failure.h"

#include <QByteArray>
#include <QByteArrayView>
#include <QList>
#include <QString>
#include <QStringList>
#include <QStringView>

#include <array>

// How the characters of a file's text are its bytes.
enum class TextCoding : char {
    // Every byte as the character of the same code (Latin-1), so that any byte
    // in whatever 8-bit code page the module author used survives a load and a
    // save untouched.
    Bytes,
    // UTF-8.
    Utf8,
};

// Whether `bytes` are UTF-8 that reads as text and writes back as the very
// same bytes (plain ASCII included).
bool IsExactUtf8(QByteArrayView bytes);
// The coding of a compiled module file: UTF-8 when its bytes are UTF-8 and
// hold more than ASCII (names of a translated module), so that its names show
// as written; byte for byte otherwise.
TextCoding CompiledFileCoding(QByteArrayView bytes);

// The bytes as text, and text as bytes. A UTF-8 byte order mark stays in the
// text (as U+FEFF), so that the two give back each other.
QString DecodeText(QByteArrayView bytes, TextCoding coding);
QByteArray EncodeText(QStringView text, TextCoding coding);
// The same for TextCoding::Bytes.
QString FromFileBytes(const QByteArray& bytes);
QByteArray ToFileBytes(const QString& text);
// The first character of `text` that a file of `coding` cannot hold, both
// halves of a surrogate pair, or an empty string when it holds them all:
// byte for byte, a character beyond the 8-bit range (ToFileBytes would write
// it as '?'); in UTF-8, half a surrogate pair.
QString FirstUnstorableChar(QStringView text, TextCoding coding);

// CR CR LF is what a file passed twice through a line-end conversion has; it
// ends one line, as the game reads it.
enum class LineEnd : char { None, Lf, CrLf, Cr, CrCrLf };

// The bytes of a line end, and the line end whose bytes `bytes` are (None for
// no bytes).
QByteArrayView LineEndBytes(LineEnd end);
inline LineEnd LineEndOf(QByteArrayView bytes) {
    // Written out, as a loader asks it of every line.
    switch (bytes.size()) {
    case 1:
        return bytes[0] == '\n' ? LineEnd::Lf : bytes[0] == '\r' ? LineEnd::Cr : LineEnd::None;
    case 2:
        return bytes[0] == '\r' && bytes[1] == '\n' ? LineEnd::CrLf : LineEnd::None;
    case 3:
        return bytes[0] == '\r' && bytes[1] == '\r' && bytes[2] == '\n' ? LineEnd::CrCrLf
                                                                        : LineEnd::None;
    }
    return LineEnd::None;
}

// Counts the line ends of a file's lines, for the one lines a save adds take.
class LineEndTally {
public:
    void add(LineEnd end) { ++m_count[size_t(end)]; }
    // The line end most lines have: on a tie the first of CR LF, LF, CR CR LF
    // and CR; CR LF when no line has one.
    LineEnd usual() const;

private:
    std::array<qsizetype, 5> m_count{};
};

// How the lines of a file end, as read, so that a save gives them back so.
struct LineEnds {
    // The line end most of the lines have (CR LF when as many have LF, or
    // when the file has none); lines a save adds take it.
    LineEnd usual = LineEnd::CrLf;
    // Whether the last line has a line end (true for an empty file).
    bool lastLineEnded = true;
    // The line end of every line read, in file order (None for a last line
    // without one). Only a saver that writes the lines it read one for one may
    // pass these on; any other leaves them out, and every line takes `usual`.
    QList<LineEnd> each;
    // How the characters of the lines are the file's bytes, and whether the
    // file began with a UTF-8 byte order mark (which the first line does not
    // hold); a save writes them so again.
    TextCoding coding = TextCoding::Bytes;
    bool bom = false;
};

// Splits a compiled module file at CR CR LF, CR LF, LF or a lone CR, and
// reads its lines in the file's coding (CompiledFileCoding). A final line end
// does not start another (empty) line; an empty input gives no lines. `ends`,
// when given, learns how the lines end and the coding.
QStringList SplitLines(const QByteArray& bytes, LineEnds* ends = nullptr);

// Reads the whole file as it stands. On failure (the file cannot be opened or
// read) raises the failure's number, with a detail that names the file and the
// folder it was looked for in, leaves `bytes` empty and returns false.
// What was read is remembered, so a later save can tell whether the file
// changed on disk in the meantime (ChangedOnDisk).
bool ReadFileBytes(const QString& path, QByteArray& bytes, PendingFailure& failure);

// Replaces the file at `path` with `bytes`: the file is replaced only when
// every byte was written and synced to the disk (temporary file, then
// rename); an existing file that may not be written to is refused with
// failure 75 and left as it was. Returns whether the file now holds the
// bytes; on false the failure is raised and the old file is as it was: a full
// disk, a full quota or a file-size limit raise 61, and the failure's detail
// gives the system's own reason and says that the file was not saved. The
// bytes written count as read (ChangedOnDisk).
bool SaveFileBytes(const QString& path, const QByteArray& bytes, PendingFailure& failure);

// Writes `bytes` to the open `file` and pushes them to the disk. Returns
// whether that worked; `systemError` learns the operating system's error number
// when it gave one (0 otherwise).
bool WriteToDisk(QFileDevice& file, const QByteArray& bytes, int& systemError);

// Reads the whole file into lines. On failure (the file cannot be opened or
// read) raises the failure as ReadFileBytes does, leaves `lines` empty and
// returns false.
// `ends`, when given, learns how the lines end (SplitLines).
bool ReadTextLines(const QString& path, QStringList& lines, PendingFailure& failure,
                   LineEnds* ends = nullptr);

// Writes the lines through SaveFileBytes in `ends.coding` (after a byte order
// mark when `ends.bom`), line i with `ends.each`[i] where it has one and with
// `ends.usual` otherwise; the last line has a line end only when
// `ends.lastLineEnded` (or when it is empty, as it would vanish without). By
// default every line is written byte for byte and ends in CR LF.
bool SaveTextLines(const QString& path, const QStringList& lines, PendingFailure& failure,
                   const LineEnds& ends = LineEnds());

// Whether a save may replace the file at `path`: it does not exist yet, or it
// is an ordinary file that is not marked read-only.
bool MayReplaceFile(const QString& path);

// Whether the file at `path` now holds other bytes than this program last read
// from it or wrote to it. A file never read or written, or one that no longer
// exists (a save overwrites nothing there), has not changed.
bool ChangedOnDisk(const QString& path);

// The check every saver makes before it replaces a module file: when the file
// changed on disk since it was read (someone edited it beside this program),
// asks whether to overwrite it. Returns whether the save may go on.
bool MayOverwriteChangedFile(const QString& path);

// Test seam: the next SaveFileBytes fails as a full disk would, after writing
// `bytes` bytes of the temporary file. A negative value switches it off.
void FailNextSaveAfter(qint64 bytes);
