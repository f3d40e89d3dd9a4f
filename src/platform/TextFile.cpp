#include "platform/TextFile.h"

#include "platform/MessageBox.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QHash>
#include <QSaveFile>
#include <QStringDecoder>

#include <algorithm>
#include <cerrno>
#include <cstring>

#if defined(Q_OS_UNIX)
#include <unistd.h>
#endif

namespace {
qint64 g_failSaveAfter = -1;

// What this program last read from or wrote to each file: enough to tell that
// the file holds other bytes now.
struct SeenFile {
    qint64 size = 0;
    size_t hash = 0;
};

QHash<QString, SeenFile>& seenFiles() {
    static QHash<QString, SeenFile> files;
    return files;
}

QString seenKey(const QString& path) {
    return QDir::cleanPath(QFileInfo(path).absoluteFilePath());
}

void rememberSeen(const QString& path, const QByteArray& bytes) {
    seenFiles().insert(seenKey(path), {bytes.size(), qHash(QByteArrayView(bytes))});
}

} // namespace

// On Unix the bytes go through the file's own handle, so that the error of the
// very call that failed (a full disk, a file-size limit) is the one we report;
// Qt's buffer would only tell that some write failed. Qt's commit syncs too,
// but goes on when the sync fails; a file whose bytes may not be on the disk
// must not take the old file's name.
bool WriteToDisk(QFileDevice& file, const QByteArray& bytes, int& systemError) {
    systemError = 0;
#if defined(Q_OS_UNIX)
    const int fd = file.handle();
    if (fd >= 0) {
        const char* data = bytes.constData();
        qint64 left = bytes.size();
        while (left > 0) {
            const ssize_t written = ::write(fd, data, size_t(left));
            if (written < 0 && errno == EINTR)
                continue;
            if (written <= 0) {
                systemError = written < 0 ? errno : ENOSPC;
                return false;
            }
            data += written;
            left -= written;
        }
#if defined(Q_OS_LINUX)
        const int result = ::fdatasync(fd);
#else
        const int result = ::fsync(fd);
#endif
        // File systems that cannot sync (EINVAL) keep nothing back to be lost.
        if (result != 0 && errno != EINVAL && errno != ENOTSUP) {
            systemError = errno;
            return false;
        }
        return true;
    }
#endif
    return file.write(bytes) == bytes.size() && file.flush() &&
           file.error() == QFileDevice::NoError;
}

QByteArrayView LineEndBytes(LineEnd end) {
    switch (end) {
    case LineEnd::None:
        return {};
    case LineEnd::Lf:
        return "\n";
    case LineEnd::Cr:
        return "\r";
    case LineEnd::CrCrLf:
        return "\r\r\n";
    case LineEnd::CrLf:
        break;
    }
    return "\r\n";
}

LineEnd LineEndTally::usual() const {
    LineEnd usual = LineEnd::CrLf;
    qsizetype most = 0;
    for (const LineEnd kind : {LineEnd::CrLf, LineEnd::Lf, LineEnd::CrCrLf, LineEnd::Cr}) {
        if (m_count[size_t(kind)] > most) {
            most = m_count[size_t(kind)];
            usual = kind;
        }
    }
    return usual;
}

bool IsExactUtf8(QByteArrayView bytes) {
    // Qt's check refuses what its decoder would not give back as read: over-long
    // forms, encoded surrogates, code points beyond U+10FFFF, cut sequences.
    return bytes.isValidUtf8();
}

TextCoding CompiledFileCoding(QByteArrayView bytes) {
    const bool ascii = std::all_of(bytes.begin(), bytes.end(),
                                   [](char c) { return static_cast<unsigned char>(c) < 0x80; });
    return !ascii && IsExactUtf8(bytes) ? TextCoding::Utf8 : TextCoding::Bytes;
}

QString DecodeText(QByteArrayView bytes, TextCoding coding) {
    if (coding == TextCoding::Bytes)
        return QString::fromLatin1(bytes);
    QStringDecoder decode(QStringConverter::Utf8, QStringConverter::Flag::ConvertInitialBom);
    return decode(bytes);
}

QByteArray EncodeText(QStringView text, TextCoding coding) {
    return coding == TextCoding::Utf8 ? text.toUtf8() : text.toLatin1();
}

QString FromFileBytes(const QByteArray& bytes) {
    return DecodeText(bytes, TextCoding::Bytes);
}

QByteArray ToFileBytes(const QString& text) {
    return EncodeText(text, TextCoding::Bytes);
}

QString FirstUnstorableChar(QStringView text, TextCoding coding) {
    for (qsizetype i = 0; i < text.size(); ++i) {
        const QChar c = text.at(i);
        const bool pair =
            c.isHighSurrogate() && i + 1 < text.size() && text.at(i + 1).isLowSurrogate();
        const bool stored =
            coding == TextCoding::Utf8 ? pair || !c.isSurrogate() : c.unicode() <= 0xFF;
        if (!stored)
            return text.mid(i, pair ? 2 : 1).toString();
        if (pair)
            ++i;
    }
    return QString();
}

QStringList SplitLines(const QByteArray& bytes, LineEnds* ends) {
    const TextCoding coding = CompiledFileCoding(bytes);
    const bool bom = coding == TextCoding::Utf8 && bytes.startsWith("\xEF\xBB\xBF");
    // One decoder for the whole file, so that only the mark that begins the
    // file is taken for one (QString::fromUtf8 would drop one at every line's
    // start). Lines end at ASCII bytes, so no character is cut in two.
    QStringDecoder utf8(QStringConverter::Utf8, QStringConverter::Flag::ConvertInitialBom);
    const auto decode = [&](const char* from, qsizetype size) {
        return coding == TextCoding::Utf8 ? QString(utf8(QByteArrayView(from, size)))
                                          : QString::fromLatin1(from, size);
    };
    QStringList lines;
    const char* start = bytes.constData() + (bom ? 3 : 0);
    const char* const end = bytes.constData() + bytes.size();
    // The nearer of the next CR and the next LF ends a line; each is looked
    // for again (memchr, fast on large files) only once the lines have passed it.
    const auto next = [end](const char* from, char c) {
        return static_cast<const char*>(std::memchr(from, c, size_t(end - from)));
    };
    if (ends)
        ends->each.clear();
    const char* cr = next(start, '\r');
    const char* lf = next(start, '\n');
    while (cr || lf) {
        const char* stop = !cr ? lf : !lf ? cr : std::min(cr, lf);
        lines.append(decode(start, stop - start));
        start = stop + 1;
        LineEnd kind = *stop == '\n' ? LineEnd::Lf : LineEnd::Cr;
        if (*stop == '\r' && start < end && *start == '\n') {
            ++start;
            kind = LineEnd::CrLf;
        } else if (*stop == '\r' && end - start >= 2 && start[0] == '\r' && start[1] == '\n') {
            start += 2;
            kind = LineEnd::CrCrLf;
        }
        if (ends)
            ends->each.append(kind);
        if (cr && cr < start)
            cr = start < end ? next(start, '\r') : nullptr;
        if (lf && lf < start)
            lf = start < end ? next(start, '\n') : nullptr;
    }
    if (start < end) {
        lines.append(decode(start, end - start));
        if (ends)
            ends->each.append(LineEnd::None);
    }
    if (ends) {
        LineEndTally tally;
        for (const LineEnd kind : std::as_const(ends->each))
            tally.add(kind);
        ends->usual = tally.usual();
        ends->lastLineEnded = ends->each.isEmpty() || ends->each.last() != LineEnd::None;
        ends->coding = coding;
        ends->bom = bom;
    }
    return lines;
}

bool ReadFileBytes(const QString& path, QByteArray& bytes, PendingFailure& failure) {
    bytes.clear();
    // The number alone would not tell which file of a module is missing, nor
    // where it was looked for.
    const auto fail = [&](int number, int systemError) {
        const QFileInfo info(path);
        const QString name = info.fileName();
        const QString folder = QDir::toNativeSeparators(info.absolutePath());
        QString outcome;
        if (number == Err::FileNotFound)
            outcome = name + QStringLiteral(" was not found in ") + folder + QLatin1Char('.');
        else if (number == Err::PathNotFound)
            outcome = name + QStringLiteral(" was not found: there is no folder ") + folder +
                      QLatin1Char('.');
        else
            outcome =
                name + QStringLiteral(" in ") + folder + QStringLiteral(" could not be read.");
        const bool notFound = number == Err::FileNotFound || number == Err::PathNotFound;
        failure.raise(number, FailureDetail(notFound ? 0 : systemError, outcome));
        return false;
    };
    QFile file(path);
    errno = 0;
    if (!file.open(QIODevice::ReadOnly))
        return fail(FailureFromFileError(file.error(), path), errno);
    errno = 0;
    bytes = file.readAll();
    if (file.error() != QFileDevice::NoError) {
        bytes.clear();
        return fail(FailureFromFileError(file.error(), path), errno);
    }
    rememberSeen(path, bytes);
    return true;
}

bool ReadTextLines(const QString& path, QStringList& lines, PendingFailure& failure,
                   LineEnds* ends) {
    lines.clear();
    QByteArray bytes;
    if (!ReadFileBytes(path, bytes, failure))
        return false;
    lines = SplitLines(bytes, ends);
    return true;
}

// A file the user marked read-only is not ours to replace, even though a rename
// would get around it (and even for an administrator, who may write anything).
bool MayReplaceFile(const QString& path) {
    const QFileInfo info(path);
    if (!info.exists())
        return true;
    if (!info.isFile())
        return false;
    // WriteUser is left out: it says what the current user may do, and for an
    // administrator that is everything.
    const auto writeBits =
        QFileDevice::WriteOwner | QFileDevice::WriteGroup | QFileDevice::WriteOther;
    return (info.permissions() & writeBits) != 0 && info.isWritable();
}

bool SaveFileBytes(const QString& path, const QByteArray& bytes, PendingFailure& failure) {
    const qint64 failAfter = g_failSaveAfter;
    g_failSaveAfter = -1;
    // Whatever failed, the old file is still in place.
    const auto fail = [&](int number, int systemError) {
        failure.raise(number, FailureDetail(systemError, QFileInfo(path).fileName() +
                                                             QStringLiteral(" was not saved and "
                                                                            "is unchanged.")));
        return false;
    };
    if (!MayReplaceFile(path))
        return fail(Err::PathFileAccess, 0);
    QSaveFile file(path);
    errno = 0;
    if (!file.open(QIODevice::WriteOnly)) {
        const int openError = errno;
        return fail(FailureFromSystemError(openError, FailureFromFileError(file.error(), path)),
                    openError);
    }
    if (failAfter >= 0) {
        file.write(bytes.left(failAfter));
        file.cancelWriting();
        return fail(Err::DiskFull, ENOSPC);
    }
    int systemError = 0;
    if (!WriteToDisk(file, bytes, systemError)) {
        const int number = FailureFromFileError(file.error(), path);
        file.cancelWriting();
        return fail(FailureFromSystemError(systemError, number ? number : Err::DiskFull),
                    systemError);
    }
    errno = 0;
    if (!file.commit()) {
        systemError = errno;
        const int number = FailureFromFileError(file.error(), path);
        return fail(FailureFromSystemError(systemError, number ? number : Err::PathFileAccess),
                    systemError);
    }
    rememberSeen(path, bytes);
    return true;
}

bool SaveTextLines(const QString& path, const QStringList& lines, PendingFailure& failure,
                   const LineEnds& ends) {
    QByteArray bytes;
    qsizetype size = 3;
    for (const QString& line : lines)
        size += line.size() + 3;
    bytes.reserve(size);
    if (ends.bom)
        bytes += "\xEF\xBB\xBF";
    const qsizetype last = lines.size() - 1;
    for (qsizetype i = 0; i <= last; ++i) {
        bytes += EncodeText(lines.at(i), ends.coding);
        // A line that ended the file may stand in the middle now.
        LineEnd end = i < ends.each.size() ? ends.each.at(i) : ends.usual;
        if (end == LineEnd::None)
            end = ends.usual;
        // An empty last line without its line end would be no line at all.
        if (i == last && !ends.lastLineEnded && !lines.at(i).isEmpty())
            end = LineEnd::None;
        bytes += LineEndBytes(end);
    }
    return SaveFileBytes(path, bytes, failure);
}

bool ChangedOnDisk(const QString& path) {
    const auto seen = seenFiles().constFind(seenKey(path));
    if (seen == seenFiles().constEnd())
        return false;
    QFile file(path);
    if (!file.exists())
        return false;
    if (file.size() != seen->size)
        return true;
    // A file that cannot be read now cannot be compared; the save that
    // follows reports what is wrong with it.
    if (!file.open(QIODevice::ReadOnly))
        return false;
    const QByteArray now = file.readAll();
    return now.size() != seen->size || qHash(QByteArrayView(now)) != seen->hash;
}

bool MayOverwriteChangedFile(const QString& path) {
    if (!ChangedOnDisk(path))
        return true;
    return MsgBox(QLatin1Char('\'') + QFileInfo(path).fileName() +
                      QStringLiteral("' was changed on disk after this editor loaded it. "
                                     "Overwrite it with the editor's data?"),
                  MsgButtons::YesNo, MsgIcon::None,
                  QStringLiteral("Overwrite...?")) == MsgAnswer::Yes;
}

void FailNextSaveAfter(qint64 bytes) {
    g_failSaveAfter = bytes;
}
