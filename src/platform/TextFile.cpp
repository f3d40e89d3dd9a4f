#include "platform/TextFile.h"

#include <QFile>
#include <QFileInfo>
#include <QSaveFile>

namespace {
qint64 g_failSaveAfter = -1;
}

QString FromFileBytes(const QByteArray& bytes) {
    return QString::fromLatin1(bytes);
}

QByteArray ToFileBytes(const QString& text) {
    return text.toLatin1();
}

QStringList SplitLines(const QByteArray& bytes) {
    QStringList lines;
    const char* data = bytes.constData();
    const qsizetype size = bytes.size();
    qsizetype start = 0;
    for (qsizetype i = 0; i < size; ++i) {
        const char c = data[i];
        if (c != '\r' && c != '\n')
            continue;
        lines.append(QString::fromLatin1(data + start, i - start));
        if (c == '\r' && i + 1 < size && data[i + 1] == '\n')
            ++i;
        start = i + 1;
    }
    if (start < size)
        lines.append(QString::fromLatin1(data + start, size - start));
    return lines;
}

bool ReadTextLines(const QString& path, QStringList& lines, PendingFailure& failure,
                   bool* lastLineEnded) {
    lines.clear();
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) {
        failure.raise(FailureFromFileError(file.error(), path));
        return false;
    }
    const QByteArray bytes = file.readAll();
    if (file.error() != QFileDevice::NoError) {
        failure.raise(FailureFromFileError(file.error(), path));
        return false;
    }
    lines = SplitLines(bytes);
    if (lastLineEnded)
        *lastLineEnded = bytes.isEmpty() || bytes.endsWith('\n') || bytes.endsWith('\r');
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

bool SaveTextLines(const QString& path, const QStringList& lines, PendingFailure& failure,
                   bool lastLineEnd) {
    const qint64 failAfter = g_failSaveAfter;
    g_failSaveAfter = -1;
    if (!MayReplaceFile(path)) {
        failure.raise(Err::PathFileAccess);
        return false;
    }
    QByteArray bytes;
    qsizetype size = 0;
    for (const QString& line : lines)
        size += line.size() + 2;
    bytes.reserve(size);
    for (const QString& line : lines) {
        bytes += line.toLatin1();
        bytes += "\r\n";
    }
    if (!lastLineEnd && !lines.isEmpty())
        bytes.chop(2);

    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly)) {
        failure.raise(FailureFromFileError(file.error(), path));
        return false;
    }
    if (failAfter >= 0) {
        file.write(bytes.left(failAfter));
        file.cancelWriting();
        failure.raise(Err::DiskFull);
        return false;
    }
    if (file.write(bytes) != bytes.size()) {
        const int number = FailureFromFileError(file.error(), path);
        file.cancelWriting();
        failure.raise(number ? number : Err::DiskFull);
        return false;
    }
    if (!file.commit()) {
        failure.raise(FailureFromFileError(file.error(), path));
        return false;
    }
    return true;
}

void FailNextSaveAfter(qint64 bytes) {
    g_failSaveAfter = bytes;
}
