#pragma once

#include <QByteArray>
#include <QString>
#include <QStringList>
#include <QStringView>

#include <optional>

// How the characters of a module-system file are its bytes.
//
// Python 3 reads a source file as UTF-8 unless a coding line (a comment such
// as "# -*- coding: latin-1 -*-" on the first line, or on the second below a
// comment or empty first line) names another code page. A file that Python
// reads as UTF-8 and whose bytes are UTF-8 (a plain ASCII file too) is read and
// written as UTF-8, so that its names show as they read and typed text goes in
// as Python will read it. Any other file is carried byte for byte, each byte as
// the character of its code (TextCoding::Bytes), so that no byte of it changes
// on the way through the editor.
struct PythonCoding {
    // Read and written as UTF-8; otherwise byte for byte.
    bool utf8 = true;
    // Byte for byte, in a file that names Latin-1 (or Windows-1252, which
    // agrees with it on the letters): a typed character up to U+00FF goes in
    // as its byte and means there what it meant in the box. In any other file
    // read byte for byte no byte is known to mean a typed character beyond
    // ASCII: one of Latin-1's would be another letter to Python, or break a
    // file Python reads as UTF-8.
    bool latin1 = false;

    bool operator==(const PythonCoding&) const = default;
};

// The coding of a file's bytes: what its coding line names, UTF-8 without one,
// and byte for byte where the bytes are not what the coding says (UTF-8 that
// is not UTF-8).
PythonCoding PythonFileCoding(const QByteArray& bytes);
// The coding of a file written anew from its lines: what the first two name,
// UTF-8 without a coding line.
PythonCoding PythonLinesCoding(const QStringList& lines);

// The coding line a save writes into a file that held plain ASCII and named no
// coding, once it is to hold more: Python 3 reads such a file as UTF-8 either
// way, Python 2 refuses a byte beyond ASCII in a file without it.
extern const QByteArray Utf8CodingLine;
// Where in `written`, the bytes a save is about to write over a file that read
// `read`, that line goes: at the start, or behind a first "#!" line (Python
// looks for it on the first two lines only). -1 when `written` needs none: it
// holds only ASCII or names its coding, or `read` held a byte beyond ASCII (a
// byte order mark too) or named a coding, and so is written as it was read.
qsizetype Utf8CodingLinePlace(QByteArrayView read, QByteArrayView written);
// Whether a save over a file that read `read` may put that line in: it held
// plain ASCII and named no coding.
bool MayTakeUtf8CodingLine(QByteArrayView read);

// The file's bytes as text, and text as the file's bytes. A UTF-8 byte order
// mark stays in the text (as U+FEFF), so that the two give back each other.
QString DecodePython(QByteArrayView bytes, const PythonCoding& coding);
QByteArray EncodePython(QStringView text, const PythonCoding& coding);
// How many bytes the characters of `text` take in the file (UTF-8: the length
// of its encoding).
qsizetype PythonByteLength(QStringView text, const PythonCoding& coding);

// A field of an entry that holds `character`, a character its file cannot
// store.
struct UnstorablePythonField {
    int index = 0; // of the field in the texts given
    QString character;
    QString field; // the field's caption, given by the editor
};
// The first of `texts` (the fields of an entry about to be written) that holds
// a character a file of `coding` cannot store: what UTF-8 cannot encode (half
// a surrogate pair), in a Latin-1 file what has no byte, in any other file
// read byte for byte a character beyond ASCII. A character that `read` holds
// (the fields as the entry was read) stands in the file already and goes back
// as the bytes it came from.
std::optional<UnstorablePythonField> FirstUnstorablePythonField(const QStringList& texts,
                                                                const QStringList& read,
                                                                const PythonCoding& coding);
