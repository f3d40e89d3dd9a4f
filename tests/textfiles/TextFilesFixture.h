#pragma once

#include "shell/modMain.h"
#include "support/Scripted.h"

#include <QFile>
#include <QStringList>

#include <gtest/gtest.h>

// Six lines of a troop whose id line is `line`.
inline QStringList Troop(const QString& line) {
    return {line,           "  -1 0 ",           "  9 8 5 5 6", " 60 40 40 30 30 30 0",
            "0 0 0 0 0 0 ", "  0 0 0 0 0 0 0 0 "};
}
// An item line as the game writes it.
inline const QString Sword =
    QStringLiteral(" itm_sword Sword Swords 1  sword_a 0  2 7 120 0 1.500000 100 0 0 0 0 0 95 80 "
                   "0 0 25 276");

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
    // The boxes shown since they were last cleared: none for an empty `told`,
    // else one that begins with it.
    void expectOneBoxBeginning(const QString& told) const {
        const std::string shown = platform.boxTexts().join('|').toStdString();
        if (told.isEmpty()) {
            EXPECT_TRUE(platform.boxes.empty()) << shown;
        } else {
            ASSERT_EQ(platform.boxes.size(), 1u) << shown;
            EXPECT_TRUE(platform.boxes[0].text.startsWith(told)) << shown;
        }
    }
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
