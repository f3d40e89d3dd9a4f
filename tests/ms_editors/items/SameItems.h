#pragma once

#include <QProcess>
#include <QStandardPaths>
#include <QString>

// Whether python3 is there to run the item files.
inline bool HasPython() {
    return !QStandardPaths::findExecutable(QStringLiteral("python3")).isEmpty();
}

// Runs both module_items.py files through Python and compares the items they
// define; empty when they are the same, else what differs.
inline QString ItemDifferences(const QString& before, const QString& after) {
    QProcess python;
    python.setProcessChannelMode(QProcess::MergedChannels);
    python.start(QStringLiteral("python3"),
                 {QStringLiteral(QE_TEST_DATA_DIR "/ms_editors/same_items.py"), before, after});
    if (!python.waitForFinished(60000))
        return QStringLiteral("python3 did not finish");
    return python.exitCode() == 0 ? QString() : QString::fromLocal8Bit(python.readAll());
}
