#pragma once

#include "shell/modMain.h"
#include "support/Scripted.h"

#include <QFile>
#include <QStringList>

#include <gtest/gtest.h>

// Every test works on its own copy of the sample module, with the platform
// seams scripted.
class TextFilesTest : public ::testing::Test {
protected:
    TextFilesTest() { ModuleFolder = module.folder(); }
    ~TextFilesTest() override { ModuleFolder.clear(); }

    static QByteArray lines(const QStringList& texts) {
        QByteArray bytes;
        for (const QString& t : texts)
            bytes += t.toLatin1() + "\r\n";
        return bytes;
    }
    static QByteArray testData(const QString& name) {
        QFile f(QStringLiteral(QE_TEST_DATA_DIR "/textfiles/") + name);
        return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray("<missing test data>");
    }
    QStringList errors() const { return platform.errors(); }
    static QString errorText(int number, const QString& procName) {
        return QStringLiteral("Error # %1 occured in function \"%2\".").arg(number).arg(procName);
    }
    // The form of failures without an explanation of their own.
    static QString plainErrorText(int number, const QString& procName) {
        return QStringLiteral("Error #%1 occured in function '%2'.").arg(number).arg(procName);
    }

    ScriptedPlatform platform;
    ModuleCopy module;
};
