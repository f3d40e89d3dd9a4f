#include "platform/TextFile.h"

#include "platform/MessageBox.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QHash>
#include <QSaveFile>

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

QByteArrayView endBytes(LineEnd end) {
    switch (end) {
    case LineEnd::None:
        return {};
    case LineEnd::Lf:
        return "\n";
    case LineEnd::Cr:
        return "\r";
    case LineEnd::CrLf:
        break;
    }
    return "\r\n";
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

QString FromFileBytes(const QByteArray& bytes) {
    return QString::fromLatin1(bytes);
}

QByteArray ToFileBytes(const QString& text) {
    return text.toLatin1();
}

QString FirstUnstorableChar(const QString& text) {
    for (qsizetype i = 0; i < text.size(); ++i) {
        if (text.at(i).unicode() > 0xFF) {
            const bool pair = text.at(i).isHighSurrogate() && i + 1 < text.size() &&
                              text.at(i + 1).isLowSurrogate();
            return text.mid(i, pair ? 2 : 1);
        }
    }
    return QString();
}

QStringList SplitLines(const QByteArray& bytes, LineEnds* ends) {
    QStringList lines;
    const char* start = bytes.constData();
    const char* const end = start + bytes.size();
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
        lines.append(QString::fromLatin1(start, stop - start));
        start = stop + 1;
        LineEnd kind = *stop == '\n' ? LineEnd::Lf : LineEnd::Cr;
        if (*stop == '\r' && start < end && *start == '\n') {
            ++start;
            kind = LineEnd::CrLf;
        }
        if (ends)
            ends->each.append(kind);
        if (cr && cr < start)
            cr = start < end ? next(start, '\r') : nullptr;
        if (lf && lf < start)
            lf = start < end ? next(start, '\n') : nullptr;
    }
    if (start < end) {
        lines.append(QString::fromLatin1(start, end - start));
        if (ends)
            ends->each.append(LineEnd::None);
    }
    if (ends) {
        const auto count = [ends](LineEnd kind) { return ends->each.count(kind); };
        const qsizetype crlf = count(LineEnd::CrLf);
        const qsizetype lf = count(LineEnd::Lf);
        const qsizetype cr = count(LineEnd::Cr);
        ends->usual = lf > crlf && lf >= cr  ? LineEnd::Lf
                      : cr > crlf && cr > lf ? LineEnd::Cr
                                             : LineEnd::CrLf;
        ends->lastLineEnded = ends->each.isEmpty() || ends->each.last() != LineEnd::None;
    }
    return lines;
}

bool ReadFileBytes(const QString& path, QByteArray& bytes, PendingFailure& failure) {
    bytes.clear();
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) {
        failure.raise(FailureFromFileError(file.error(), path));
        return false;
    }
    bytes = file.readAll();
    if (file.error() != QFileDevice::NoError) {
        bytes.clear();
        failure.raise(FailureFromFileError(file.error(), path));
        return false;
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
    qsizetype size = 0;
    for (const QString& line : lines)
        size += line.size() + 2;
    bytes.reserve(size);
    const qsizetype last = lines.size() - 1;
    for (qsizetype i = 0; i <= last; ++i) {
        bytes += lines.at(i).toLatin1();
        // A line that ended the file may stand in the middle now.
        LineEnd end = i < ends.each.size() ? ends.each.at(i) : ends.usual;
        if (end == LineEnd::None)
            end = ends.usual;
        // An empty last line without its line end would be no line at all.
        if (i == last && !ends.lastLineEnded && !lines.at(i).isEmpty())
            end = LineEnd::None;
        bytes += endBytes(end);
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
