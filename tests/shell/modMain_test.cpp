#include "ShellTest.h"

namespace {
class ReportErrorTest : public ShellTest {
protected:
    void expectErrorBoxes(std::size_t count) {
        ASSERT_EQ(platform.boxes.size(), count);
        for (const MessageBoxRequest& box : platform.boxes) {
            EXPECT_EQ(box.title, QStringLiteral("Error..."));
            EXPECT_EQ(box.icon, MsgIcon::Critical);
            EXPECT_EQ(box.buttons, MsgButtons::Ok);
        }
    }
};

TEST_F(ReportErrorTest, EveryExplainedNumberHasItsOwnText) {
    const int numbers[] = {9, 13, 52, 55, 62, 75};
    for (const int number : numbers)
        ReportError(number, QStringLiteral("LoadTextParties"));
    expectErrorBoxes(6);
    QStringList explanations;
    for (std::size_t i = 0; i < platform.boxes.size(); ++i) {
        const QString& text = platform.boxes[i].text;
        EXPECT_TRUE(text.startsWith(QStringLiteral("Error # %1 occured in function "
                                                   "\"LoadTextParties\".\r\n\r\n")
                                        .arg(numbers[i])))
            << text.toStdString();
        EXPECT_FALSE(text.contains(QStringLiteral("forum")));
        explanations.append(text.section(QStringLiteral("\r\n\r\n"), 1));
    }
    EXPECT_EQ(explanations[4], QStringLiteral("Tried to read data behind end of file. Not really "
                                              "a bad error, but something with the lines in a "
                                              "file is wrong!"));
    explanations.removeDuplicates();
    EXPECT_EQ(explanations.size(), 6);
}

TEST_F(ReportErrorTest, AsksToReportAnyOtherFailureNumberZeroIncluded) {
    for (const int number : {5, 0})
        ReportError(number, QStringLiteral("SaveTextTroops"));
    expectErrorBoxes(2);
    for (int i = 0; i < 2; ++i) {
        const QString text = platform.boxes[i].text;
        const QString opening = QStringLiteral("Error #%1 occured in function 'SaveTextTroops'."
                                               "\r\n\r\nPlease report this to me using the "
                                               "official Dunmarrow forum: ")
                                    .arg(i == 0 ? 5 : 0);
        ASSERT_TRUE(text.startsWith(opening)) << text.toStdString();
        EXPECT_TRUE(text.endsWith(QStringLiteral("\r\n\r\nThank you.")));
        const QString address = text.mid(opening.size()).section(QStringLiteral("\r\n"), 0, 0);
        EXPECT_TRUE(address.startsWith(QStringLiteral("https://"))) << address.toStdString();
    }
}

TEST_F(ReportErrorTest, ReportPendingReportsOnlyAPendingFailure) {
    PendingFailure failure;
    EXPECT_FALSE(ReportPending(failure, QStringLiteral("LoadTextTroops")));
    EXPECT_TRUE(platform.boxes.empty());
    failure.raise(Err::TypeMismatch);
    EXPECT_TRUE(ReportPending(failure, QStringLiteral("LoadTextTroops")));
    expectErrorBoxes(1);
    EXPECT_TRUE(platform.boxes[0].text.startsWith(
        QStringLiteral("Error # 13 occured in function \"LoadTextTroops\".")));
}
} // namespace
