#include "platform/gui/Modal.h"
#include "support/Scripted.h"

#include <QApplication>
#include <QScreen>
#include <QTest>

#include <gtest/gtest.h>

#include <optional>

namespace {
// Modal windows open centred over the active window, or over the screen where
// there is none, and always inside the screen's available area, the window
// manager's frame included.
TEST(Modal, WindowsOpenCentredOverTheirOwnerAndOnTheScreen) {
    const QRect area = QGuiApplication::primaryScreen()->availableGeometry();
    const struct {
        const char* name;
        std::optional<QRect> owner;
        bool atCorner; // the owner's centre leaves no room: the frame ends at the area's corner
    } rows[] = {
        {"over the active window", QRect(area.topLeft() + QPoint(100, 80), QSize(400, 300)), false},
        {"no active window: over the screen", std::nullopt, false},
        {"an owner at the corner: kept on the screen",
         QRect(area.bottomRight() - QPoint(150, 100), QSize(400, 300)), true},
    };
    for (const auto& row : rows) {
        SCOPED_TRACE(row.name);
        QWidget owner;
        if (row.owner) {
            owner.setGeometry(*row.owner);
            owner.show();
            owner.activateWindow();
            QApplication::processEvents();
            ASSERT_EQ(QApplication::activeWindow(), &owner);
        }
        ScriptedPlatform platform;
        QRect frame;
        // Shown, it is placed once more when its frame is known.
        platform.onModal([&](QWidget* window) {
            window->show();
            QTest::qWait(100);
            frame = window->frameGeometry();
        });
        auto* window = new QWidget;
        window->resize(200, 100);
        ShowModal(window);
        EXPECT_TRUE(area.contains(frame));
        if (row.atCorner) {
            EXPECT_EQ(frame.bottomRight(), area.bottomRight());
        } else {
            const QPoint centre = (row.owner ? owner.frameGeometry() : area).center();
            EXPECT_LE((frame.center() - centre).manhattanLength(), 1);
        }
    }
}
} // namespace
