#pragma once

#include <QString>

// What a compiled module file is to the editor: its name, the version line the
// game writes as its line 1 and the editor reads, and the words its messages
// name its records and its editor by.
struct TextFileFormat {
    QString fileName;    // "troops.txt"
    QString versionLine; // "troopsfile version 2"
    QString kinds;       // "troops"
    QString editor;      // "troop editor"
};

// Lines 1 and 2 of a compiled module file as a load read them, and whether the
// editor reads the records after them as its own. The load returns it and the
// tables keep it beside their line ends; until the next load, the records of a
// file the editor does not read as its own are not shown, and the file is not
// saved (MaySaveFileHead).
struct FileHead {
    enum class Read {
        Own,          // the version the editor reads, or a line 1 naming no version
        OtherVersion, // line 1 names another version
        NoCount,      // line 2 holds no number (ReadCountHead)
    };

    FileHead() = default;
    // The head of a file of `format` that holds no line (one not read).
    explicit FileHead(const TextFileFormat& format) : format(format) {}

    bool readsAsOwn() const { return read == Read::Own; }

    TextFileFormat format;
    QString header;    // line 1 as read
    QString countLine; // line 2 as read
    Read read = Read::Own;
};

// The head of a file of `format` whose line 1 reads `header` (and line 2
// `countLine`): line 1 names another version when it holds the word "version"
// and, blanks aside, reads otherwise than the editor's version line (a line 1
// naming no version is any text, kept as read).
FileHead ReadVersionHead(const TextFileFormat& format, const QString& header,
                         const QString& countLine = QString());
// The same for a file whose line 2 a save corrects (troops.txt,
// item_kinds1.txt): a line 2 that holds no number is no count to correct but
// what a hand edit left there (line 1 lost, so that line 2 is the first
// record's line, or line 2 of other text). Such a file is handled as one of
// another version, so that line 2 is never written over.
FileHead ReadCountHead(const TextFileFormat& format, const QString& header,
                       const QString& countLine);

// Tells the user, in one box, that the file of `head` is of another version,
// or does not begin as the editor reads it: what lines 1 and 2 read and what
// the editor expects there, and that its records are listed but not shown and
// the file is not saved.
void ShowOtherHead(const FileHead& head);
// Whether the file may be written as the load of `head` read it: not when the
// editor does not read it as its own (told in a "Not saved..." box).
bool MaySaveFileHead(const FileHead& head);
// Why `record` ("Troop # 5") of the file of `head` is neither shown nor
// updated: its `lines` ("six lines") are out of shape, or the editor does not
// read the file's lines 1 and 2 as its own.
QString UnreadableRecordText(const QString& record, const FileHead& head, const QString& lines);
