#include "platform/Failure.h"

#include <QDir>
#include <QFileInfo>

#include <cerrno>
#include <cstring>

int FailureFromFileError(QFileDevice::FileError error, const QString& path) {
    switch (error) {
    case QFileDevice::NoError:
        return 0;
    case QFileDevice::ReadError:
        return Err::InputPastEnd;
    case QFileDevice::WriteError:
    case QFileDevice::ResizeError:
        return Err::DiskFull;
    case QFileDevice::OpenError: {
        const QFileInfo info(path);
        if (!info.absoluteDir().exists())
            return Err::PathNotFound;
        if (!info.exists())
            return Err::FileNotFound;
        return Err::PathFileAccess;
    }
    case QFileDevice::PermissionsError:
        return Err::PermissionDenied;
    case QFileDevice::RenameError:
    case QFileDevice::CopyError:
    case QFileDevice::RemoveError:
        return Err::PathFileAccess;
    default:
        return Err::PathFileAccess;
    }
}

int FailureFromSystemError(int systemError, int otherwise) {
    switch (systemError) {
    case ENOSPC:
#if defined(EDQUOT)
    case EDQUOT:
#endif
    case EFBIG:
        return Err::DiskFull;
    default:
        return otherwise;
    }
}

QString SystemReason(int systemError) {
    if (systemError == 0)
        return QString();
    return QString::fromLocal8Bit(std::strerror(systemError));
}

QString FailureDetail(int systemError, const QString& outcome) {
    const QString reason = SystemReason(systemError);
    return reason.isEmpty() ? outcome : reason + QStringLiteral("\r\n") + outcome;
}
