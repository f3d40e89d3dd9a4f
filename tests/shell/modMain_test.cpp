#include "ShellTest.h"

namespace {
class ReportErrorTest : public ShellTest {
protected:
    const MessageBoxRequest& onlyBox() {
        EXPECT_EQ(platform.boxes.size(), 1u);
        const MessageBoxRequest& box = platform.boxes.front();
        EXPECT_EQ(box.title, QStringLiteral("Error..."));
        EXPECT_EQ(box.icon, MsgIcon::Critical);
        EXPECT_EQ(box.buttons, MsgButtons::Ok);
        return box;
    }
};

TEST_F(ReportErrorTest, ExplainsTheKnownFailures) {
    ReportError(62, QStringLiteral("LoadTextParties"));
    EXPECT_EQ(onlyBox().text,
              QStringLiteral("Error # 62 occured in function \"LoadTextParties\".\r\n\r\n"
                             "Tried to read data behind end of file. Not really a bad error, but "
                             "something with the lines in a file is wrong!"));
}

TEST_F(ReportErrorTest, EveryExplainedNumberHasItsOwnText) {
    for (const int number : {9, 13, 52, 55, 62, 75})
        ReportError(number, QStringLiteral("P"));
    ASSERT_EQ(platform.boxes.size(), 6u);
    QStringList explanations;
    for (const MessageBoxRequest& box : platform.boxes) {
        EXPECT_TRUE(box.text.contains(QStringLiteral(" occured in function \"P\".\r\n\r\n")));
        EXPECT_FALSE(box.text.contains(QStringLiteral("forum")));
        explanations.append(box.text.section(QStringLiteral("\r\n\r\n"), 1));
    }
    explanations.removeDuplicates();
    EXPECT_EQ(explanations.size(), 6);
    EXPECT_TRUE(platform.boxes[1].text.startsWith(QStringLiteral("Error # 13 occured")));
}

TEST_F(ReportErrorTest, AsksToReportAnyOtherFailure) {
    ReportError(5, QStringLiteral("SaveTextTroops"));
    const QString text = onlyBox().text;
    const QString opening = QStringLiteral("Error #5 occured in function 'SaveTextTroops'.\r\n\r\n"
                                           "Please report this to me using the official "
                                           "Dunmarrow forum: ");
    ASSERT_TRUE(text.startsWith(opening)) << text.toStdString();
    EXPECT_TRUE(text.endsWith(QStringLiteral("\r\n\r\nThank you.")));
    const QString address = text.mid(opening.size()).section(QStringLiteral("\r\n"), 0, 0);
    EXPECT_TRUE(address.startsWith(QStringLiteral("https://"))) << address.toStdString();
}

TEST_F(ReportErrorTest, NumberZeroTakesTheSecondForm) {
    ReportError(0, QStringLiteral("X"));
    EXPECT_TRUE(onlyBox().text.startsWith(QStringLiteral("Error #0 occured in function 'X'.")));
}

TEST_F(ReportErrorTest, ReportPendingReportsOnlyAPendingFailure) {
    PendingFailure failure;
    EXPECT_FALSE(ReportPending(failure, QStringLiteral("LoadTextTroops")));
    EXPECT_TRUE(platform.boxes.empty());
    failure.raise(Err::TypeMismatch);
    EXPECT_TRUE(ReportPending(failure, QStringLiteral("LoadTextTroops")));
    EXPECT_TRUE(onlyBox().text.startsWith(
        QStringLiteral("Error # 13 occured in function \"LoadTextTroops\".")));
}
} // namespace
