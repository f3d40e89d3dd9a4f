#include "platform/AppFolder.h"

#include <QCoreApplication>

namespace {
QString& folderOverride() {
    static QString folder;
    return folder;
}
} // namespace

QString ProgramFolder() {
    if (!folderOverride().isEmpty())
        return folderOverride();
    return QCoreApplication::applicationDirPath();
}

void SetProgramFolder(const QString& folder) {
    folderOverride() = folder;
}

QString ConfigFilePath() {
    return ProgramFolder() + PathSeparator + QStringLiteral("config.ini");
}
