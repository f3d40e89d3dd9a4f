#include "ShellTest.h"

#include "shell/frmSplash.h"

#include <QLabel>
#include <QMouseEvent>
#include <QPushButton>

namespace {
class AboutWindow : public ShellTest {
protected:
    void clickOn(QWidget* target) {
        const QPointF at(2, 2);
        QMouseEvent release(QEvent::MouseButtonRelease, at, target->mapToGlobal(at), Qt::LeftButton,
                            Qt::NoButton, Qt::NoModifier);
        QCoreApplication::sendEvent(target, &release);
    }
    QString label(const char* name) { return Child<QLabel>(window, name)->text(); }
    QPointer<frmSplash> window{new frmSplash};
};

TEST_F(AboutWindow, ShowsTitleVersionAndBuildDate) {
    EXPECT_EQ(label("lblProgName"), QStringLiteral("Quenby's Corvane Orvath/Kelbrin Editor"));
    EXPECT_EQ(label("lblProgVer"), QStringLiteral("v1.40 (for Corvane Orvath/Kelbrin 1.143)"));
    EXPECT_EQ(label("lblCompiled"), QStringLiteral("Program compiled at: August 12, 2011"));
    EXPECT_TRUE(label("lblInfo1")
                    .startsWith(QStringLiteral(
                        "This tool is no official software from Dunmarrow Entertainment.")));
    EXPECT_TRUE(label("lblInfo1")
                    .contains(QStringLiteral(
                        "I accept   N O   K I N D   of liability or legal responsibility for any "
                        "results of erroneous usage of this software")));
    EXPECT_EQ(Child<QPushButton>(window, "cmdOk")->text(), QStringLiteral("Accept"));
}

TEST_F(AboutWindow, LinksOpenThreePagesAndLeaveTheWindowOpenUntilAccepted) {
    window->show();
    for (const char* link : {"lblHTTP", "lblHttpQuenby", "picDonate"})
        clickOn(Child<QWidget>(window, link));
    ASSERT_EQ(platform.webPages.size(), 3);
    platform.webPages.removeDuplicates();
    EXPECT_EQ(platform.webPages.size(), 3);
    EXPECT_TRUE(window->isVisible());
    Child<QPushButton>(window, "cmdOk")->click();
    EXPECT_FALSE(window->isVisible());
    // Enter accepts once the button has the focus.
    window = new frmSplash;
    window->show();
    Child<QWidget>(window, "cmdOk")->setFocus();
    PressEnter(Child<QWidget>(window, "cmdOk"));
    EXPECT_FALSE(window->isVisible());
}
} // namespace
