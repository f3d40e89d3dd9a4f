#pragma once

#include <QFileDevice>
#include <QString>

// The failure numbers of the platform the program was designed on. Procedures
// report them through ReportError, which explains some of them to the user, so
// operating-system errors are mapped onto these numbers.
namespace Err {
constexpr int IllegalCall = 5;
constexpr int Overflow = 6;
constexpr int SubscriptOutOfRange = 9;
constexpr int TypeMismatch = 13;
constexpr int BadFileName = 52;
constexpr int FileNotFound = 53;
constexpr int FileAlreadyOpen = 55;
constexpr int DiskFull = 61;
constexpr int InputPastEnd = 62;
constexpr int PermissionDenied = 70;
constexpr int PathFileAccess = 75;
constexpr int PathNotFound = 76;
} // namespace Err

// The failure a procedure that "goes on past a failing statement" reports at its
// end. The last failure raised is the pending one, with its detail.
class PendingFailure {
public:
    void clear() { raise(0); }
    void raise(int number) { raise(number, QString()); }
    // `detail` is what the number alone does not tell: the system's own reason
    // and what became of the file, one line each.
    void raise(int number, const QString& detail) {
        m_number = number;
        m_detail = detail;
    }
    // Takes over the failure another step left pending.
    void raise(const PendingFailure& other) { raise(other.m_number, other.m_detail); }
    bool pending() const { return m_number != 0; }
    int number() const { return m_number; }
    const QString& detail() const { return m_detail; }

private:
    int m_number = 0;
    QString m_detail;
};

// Maps a Qt file error of an operation on `path` onto the numbers above.
int FailureFromFileError(QFileDevice::FileError error, const QString& path);
// Maps an operating-system error number (errno) onto the numbers above: a full
// disk, a full quota and a file-size limit are 61; any other error gives
// `otherwise`.
int FailureFromSystemError(int systemError, int otherwise);
// The system's own words for an operating-system error number ("No space left
// on device"); the empty text for 0.
QString SystemReason(int systemError);
// A failure's detail: the system's reason for `systemError` (when there is
// one) on its own line, then `outcome`.
QString FailureDetail(int systemError, const QString& outcome);
